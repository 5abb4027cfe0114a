// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QApplication>

#include "charts/swiss_ephemeris.h"
#include "entry/frm_match.h"
#include "lookup/web_sandbox.h"
#include "shell/product.h"
#include "program/program.h"
#include "warm_up.h"

int main(int argc, char* argv[]) {
  const kelvra::StartUpWarmer warmer;
  // Before anything can start the web engine, which refuses to run as root
  // with its sandbox and would end the whole program.
  kelvra::DisableWebSandboxForRoot();
  QApplication app(argc, argv);
  kelvra::NameDesktopEntry();
  kelvra::SwissEphemeris ephemeris;
  kelvra::Program program(ephemeris);
  program.showEntryForm();
  kelvra::GiveIconAfterFirstPaint(*program.entryWindow());
  return QApplication::exec();
}
