// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kelvra {

/// A label that looks and acts like a web link: blue text, a pointing-hand
/// cursor, and clicked() on a left click.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kelvra
