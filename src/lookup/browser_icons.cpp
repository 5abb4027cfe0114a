// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/browser_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kelvra {

namespace {

struct Ink {
  QColor outline, fill, accent;
};

// Coloured like the style's other tool bar icons; grey when disabled.
Ink InkFor(QIcon::Mode mode, const Ink& colours) {
  if (mode != QIcon::Disabled) return colours;
  return {QColor(150, 150, 150), QColor(235, 235, 235), QColor(175, 175, 175)};
}

// Both pictures are drawn on a 16 by 16 grid; lines sit on half units so
// that they meet whole pixels at 16 and 32 pixels.
void DrawHouse(QPainter& painter, QIcon::Mode mode) {
  const Ink ink = InkFor(mode, {QColor(60, 60, 60), QColor(250, 246, 236), QColor(190, 50, 40)});
  QPainterPath walls;
  walls.moveTo(3.5, 14.5);
  walls.lineTo(3.5, 7.5);
  walls.lineTo(8, 3);
  walls.lineTo(12.5, 7.5);
  walls.lineTo(12.5, 14.5);
  walls.closeSubpath();
  painter.setPen(QPen(ink.outline, 1));
  painter.setBrush(ink.fill);
  painter.drawPath(walls);
  painter.setBrush(ink.outline);
  painter.drawRect(QRectF(6.5, 10.5, 3, 4));
  QPainterPath roof;
  roof.moveTo(1.5, 8.5);
  roof.lineTo(8, 2);
  roof.lineTo(14.5, 8.5);
  painter.setPen(QPen(ink.accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(roof);
}

void DrawMagnifier(QPainter& painter, QIcon::Mode mode) {
  const Ink ink = InkFor(mode, {QColor(60, 60, 60), QColor(214, 232, 248), QColor(120, 80, 40)});
  painter.setPen(QPen(ink.accent, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(10.5, 10.5), QPointF(14, 14));
  painter.setPen(QPen(ink.outline, 1.5));
  painter.setBrush(ink.fill);
  painter.drawEllipse(QPointF(6.5, 6.5), 4.75, 4.75);
  painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(3.5, 3.5, 6, 6), 100 * 16, 70 * 16);
}

using Picture = void (*)(QPainter&, QIcon::Mode);

class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(Picture picture) : picture_(picture) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    picture_(*painter, mode);
    painter->restore();
  }

  // QIcon asks for the size in device pixels, so each ratio gets its own drawing.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(picture_); }

 private:
  Picture picture_;
};

}  // namespace

QIcon HomeIcon() { return QIcon::fromTheme(QStringLiteral("go-home"), QIcon(new DrawnIconEngine(DrawHouse))); }

QIcon SearchIcon() {
  return QIcon::fromTheme(QStringLiteral("edit-find"),
                          QIcon::fromTheme(QStringLiteral("system-search"), QIcon(new DrawnIconEngine(DrawMagnifier))));
}

}  // namespace kelvra
