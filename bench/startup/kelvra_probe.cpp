// SPDX-License-Identifier: AGPL-3.0-or-later
// kelvra's own start-up, ending after the entry form's first paint.
#include <QApplication>

#include "charts/swiss_ephemeris.h"
#include "first_paint.h"
#include "lookup/web_sandbox.h"
#include "shell/product.h"
#include "entry/frm_match.h"
#include "program/program.h"

int main(int argc, char* argv[]) {
  kelvra::DisableWebSandboxForRoot();
  QApplication app(argc, argv);
  kelvra::IdentifyApplication();
  kelvra::SwissEphemeris ephemeris;
  kelvra::Program program(ephemeris);
  program.showEntryForm();
  kelvra::bench::QuitAfterFirstPaint(*program.entryWindow());
  return QApplication::exec();
}
