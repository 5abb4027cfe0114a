// SPDX-License-Identifier: AGPL-3.0-or-later
// The yardstick for start-up: a plain Qt Widgets program that shows an empty
// window the size of the entry form, menu bar included, and runs until it is
// ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(581, 399);
  window.show();
  return QApplication::exec();
}
