// SPDX-License-Identifier: AGPL-3.0-or-later
// GoogleTest main for the browser tests: the program's own root switch runs
// before the QApplication, as in main.
#include <gtest/gtest.h>

#include <QApplication>

#include "lookup/web_sandbox.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kelvra::DisableWebSandboxForRoot();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
