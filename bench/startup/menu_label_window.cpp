// SPDX-License-Identifier: AGPL-3.0-or-later
// A second yardstick for start-up: the fixed costs any real form pays (a menu
// bar, one text, the fonts and the accessibility layer that text brings), in
// a window the size of the entry form.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.setCentralWidget(new QLabel(QStringLiteral("Kelvra")));
  window.resize(581, 399);
  window.show();
  return QApplication::exec();
}
