// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QApplication>

#include "charts/swiss_ephemeris.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kelvra::SwissEphemeris ephemeris;
  kelvra::Program program(ephemeris);
  program.ShowEntryForm();
  return QApplication::exec();
}
