// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "charts/swiss_ephemeris.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kelvra::SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kelvra::kEphemerisDataPath);

  // Stand-in until the entry form exists.
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kelvra"));
  auto* label = new QLabel(QStringLiteral("Kelvra"), &window);
  label->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(label);
  window.resize(581, 380);
  window.show();
  return QApplication::exec();
}
