// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "shell/words.h"

class QWidget;

namespace kelvra {

/// The trap at the window edge: runs one command's handler, and whatever it
/// throws stops here. The user is told in one message which command failed and
/// why, and the program carries on with every window and every entry as they
/// were. Qt does not support exceptions passing through its event dispatch, so
/// every command handler runs through here.
void RunCommand(QWidget* window, const QString& command, const std::function<void()>& handler) noexcept;

/// The message RunCommand shows when `command` failed for `reason`.
QString CommandFailureMessage(const QString& command, const QString& reason);

/// Connects `signal` of `sender` to `handler` (a member function of `window`,
/// or anything callable with it) through RunCommand; `command` names the
/// command as the user knows it, e.g. "Analyze Compatibility".
template <typename Sender, typename Signal, typename Window, typename Handler>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Window* window, const char* command,
                                       Handler handler) {
  return QObject::connect(sender, signal, window, [window, name = QString::fromUtf8(command), handler] {
    RunCommand(window, name, [window, &handler] { std::invoke(handler, window); });
  });
}

/// ConnectCommand with the command's name from the vocabulary, looked up
/// when a failure names it.
template <typename Sender, typename Signal, typename Window, typename Handler>
QMetaObject::Connection ConnectCommand(Sender* sender, Signal signal, Window* window, const Template& command,
                                       Handler handler) {
  return QObject::connect(sender, signal, window, [window, command, handler] {
    RunCommand(window, Text(command), [window, &handler] { std::invoke(handler, window); });
  });
}

}  // namespace kelvra
