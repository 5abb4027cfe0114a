// SPDX-License-Identifier: AGPL-3.0-or-later
// Four aspect symbols that DejaVu Sans lacks, drawn after their usual forms
// so that no font is needed for them and none can show an empty box.
#include <QTransform>
#include <QtMath>

#include "drawing/wheel_painter.h"

namespace kelvra {

QPainterPath AspectSymbolPath(char32_t symbol, qreal size) {
  QPainterPath path;
  const qreal s = size, c = size / 2;
  switch (symbol) {
    case U'\u26B9':  // sextile: a six-armed star
      for (int arm = 0; arm < 3; ++arm) {
        const qreal a = qDegreesToRadians(90.0 + 60.0 * arm);
        path.moveTo(c + 0.42 * s * qCos(a), c - 0.42 * s * qSin(a));
        path.lineTo(c - 0.42 * s * qCos(a), c + 0.42 * s * qSin(a));
      }
      break;
    case U'\u26BA':  // semisextile: a V standing on a bar
    case U'\u26BB':  // quincunx: the semisextile upside down
      path.moveTo(0.18 * s, 0.2 * s);
      path.lineTo(c, 0.72 * s);
      path.lineTo(0.82 * s, 0.2 * s);
      path.moveTo(0.12 * s, 0.82 * s);
      path.lineTo(0.88 * s, 0.82 * s);
      if (symbol == U'\u26BB') path = QTransform(1, 0, 0, -1, 0, s).map(path);
      break;
    case U'\u26BC':  // sesquiquadrate: a square with a semisquare's arm
      path.addRect(0.14 * s, 0.38 * s, 0.48 * s, 0.48 * s);
      path.moveTo(0.62 * s, 0.38 * s);
      path.lineTo(0.9 * s, 0.1 * s);
      break;
    default:
      break;
  }
  return path;
}

}  // namespace kelvra
