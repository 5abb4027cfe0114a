// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kelvra::bench {

/// Ends the program once `window` has painted for the first time, so the
/// time to a visible window can be measured from outside.
inline void QuitAfterFirstPaint(QWidget& window) {
  struct Watcher : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      return false;
    }
  };
  window.installEventFilter(new Watcher);
}

}  // namespace kelvra::bench
