// SPDX-License-Identifier: AGPL-3.0-or-later
// The yardstick for start-up: a plain Qt Widgets program that shows an empty
// window the size of the entry form and quits after its first paint.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(581, 380);
  window.show();
  kelvra::bench::QuitAfterFirstPaint(window);
  return QApplication::exec();
}
