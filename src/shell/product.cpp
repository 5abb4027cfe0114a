// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/product.h"

#include <QPainter>

namespace kelvra {

QString ProductCaption() { return QStringLiteral("Kelvra v" KELVRA_VERSION); }

QPixmap ProductPicture(int sizePx) {
  QPixmap picture(sizePx, sizePx);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // Two interlocking rings, one for each person.
  const qreal ring = sizePx * 0.36;
  const qreal pen = qMax<qreal>(1.5, sizePx * 0.09);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 0, 255), pen));
  painter.drawEllipse(QPointF(sizePx * 0.38, sizePx * 0.5), ring - pen, ring - pen);
  painter.setPen(QPen(QColor(0, 0, 160), pen));
  painter.drawEllipse(QPointF(sizePx * 0.62, sizePx * 0.5), ring - pen, ring - pen);
  return picture;
}

QFont VerdanaFont(double pointSize, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace kelvra
