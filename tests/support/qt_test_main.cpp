// SPDX-License-Identifier: AGPL-3.0-or-later
// GoogleTest main for tests that need a QApplication.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Widget tests never need a screen; test discovery at build time runs
  // without the test environment, so default to offscreen here too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
