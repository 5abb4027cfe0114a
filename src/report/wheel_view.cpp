// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/wheel_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "shell/spoken_name.h"
#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/wheel_words.h"
#include "drawing/wheel_painter.h"

namespace kelvra {

namespace {

// How near the pointer must come to a line to name it, in screen pixels.
constexpr qreal kPointingTolerance = 5;

QString ViewName(const WheelScene& scene, std::optional<std::size_t> selected) {
  const std::string title = WheelTitle(scene.maleName, scene.femaleName);
  if (!selected) return Text(words::kChartViewName, {title});
  return Text(words::kChartViewNameWithContact, {title, scene.contacts[*selected].caption});
}

}  // namespace

WheelView::WheelView(WheelScene scene, QWidget* parent)
    : QWidget(parent), scene_(std::move(scene)), description_(QString::fromStdString(SpokenDescription(scene_))) {
  setObjectName(QStringLiteral("picWheel"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(Twips(6000), Twips(4300));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(ViewName(scene_, std::nullopt));
  setAccessibleDescription(description_);
}

QSize WheelView::sizeHint() const { return {qRound(wheel::kCanvasWidth), qRound(wheel::kCanvasHeight)}; }

void WheelView::select(std::optional<std::size_t> contact) {
  if (contact && *contact >= scene_.contacts.size()) contact.reset();
  if (contact == selected_) return;
  selected_ = contact;
  // The focused widget's new name is what a screen reader speaks.
  SetSpokenName(this, ViewName(scene_, selected_));
  update();
  if (!pointed_) emit contactShown(selected_);
}

void WheelView::point(std::optional<std::size_t> contact) {
  if (contact == pointed_) return;
  pointed_ = contact;
  update();
  emit contactShown(pointed_ ? pointed_ : selected_);
}

std::optional<std::size_t> WheelView::contactAt(QPointF position) const {
  const QTransform transform = WheelTransform(QRectF(rect()));
  bool invertible = false;
  const QPointF canvas = transform.inverted(&invertible).map(position);
  if (!invertible) return std::nullopt;
  return ContactAt(scene_, {canvas.x(), canvas.y()}, kPointingTolerance / transform.m11());
}

void WheelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  PaintWheel(painter, scene_, QRectF(rect()), WheelText::AsPaths, pointed_ ? pointed_ : selected_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight().color(), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void WheelView::mouseMoveEvent(QMouseEvent* event) { point(contactAt(event->position())); }

void WheelView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) select(contactAt(event->position()));
  QWidget::mousePressEvent(event);
}

void WheelView::leaveEvent(QEvent* event) {
  point(std::nullopt);
  QWidget::leaveEvent(event);
}

void WheelView::keyPressEvent(QKeyEvent* event) {
  const std::size_t count = scene_.contacts.size();
  if (count == 0 || event->modifiers() != Qt::NoModifier) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      select(selected_ ? (*selected_ + 1) % count : 0);
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      select(selected_ ? (*selected_ + count - 1) % count : count - 1);
      return;
    case Qt::Key_Home:
      select(0);
      return;
    case Qt::Key_End:
      select(count - 1);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace kelvra
