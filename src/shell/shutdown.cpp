// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/shutdown.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace kelvra {

namespace {

void ExitEventLoop(int code) { QCoreApplication::exit(code); }

ExitFunction& CurrentExit() {
  static ExitFunction function = ExitEventLoop;
  return function;
}

}  // namespace

void ShutDownProgram() {
  // Closing one window may close or delete others (the entry form takes the
  // lookup browser with it), so hold each through a guard.
  QList<QPointer<QWidget>> open;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) open.append(window);
  for (const QPointer<QWidget>& window : open)
    if (window) window->close();
  CurrentExit()(0);
}

ExitFunction SetExitFunction(ExitFunction function) {
  ExitFunction previous = std::move(CurrentExit());
  CurrentExit() = function ? std::move(function) : ExitFunction(ExitEventLoop);
  return previous;
}

}  // namespace kelvra
