// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "wheel/wheel_scene.h"

namespace kelvra {

/// The bi-wheel on screen, scaled to the widget and sharp at any device
/// pixel ratio. Pointing at a contact's line or join names it; a click, or
/// the arrow keys (Home and End for the first and last), select a contact,
/// which is drawn highlighted and becomes the widget's accessible name, so a
/// screen reader announces it. Escape goes on to the window.
class WheelView : public QWidget {
  Q_OBJECT

 public:
  explicit WheelView(WheelScene scene, QWidget* parent = nullptr);

  const WheelScene& scene() const { return scene_; }
  std::optional<std::size_t> selected() const { return selected_; }
  std::optional<std::size_t> pointedAt() const { return pointed_; }
  void select(std::optional<std::size_t> contact);

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return false; }

 signals:
  /// The contact pointed at or, when none is, the selected one changed:
  /// the one to name now, if any.
  void contactShown(std::optional<std::size_t> contact);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::optional<std::size_t> contactAt(QPointF position) const;
  void point(std::optional<std::size_t> contact);

  WheelScene scene_;
  QString description_;
  std::optional<std::size_t> selected_;
  std::optional<std::size_t> pointed_;
};

}  // namespace kelvra
