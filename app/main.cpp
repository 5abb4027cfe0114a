// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QApplication>

#include "charts/swiss_ephemeris.h"
#include "lookup/web_sandbox.h"
#include "shell/product.h"
#include "program/program.h"

int main(int argc, char* argv[]) {
  // Before anything can start the web engine, which refuses to run as root
  // with its sandbox and would end the whole program.
  kelvra::DisableWebSandboxForRoot();
  QApplication app(argc, argv);
  kelvra::IdentifyApplication();
  kelvra::SwissEphemeris ephemeris;
  kelvra::Program program(ephemeris);
  program.showEntryForm();
  return QApplication::exec();
}
