// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/command.h"

#include <exception>

#include "shell/message.h"
#include "shell/words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {

namespace {

// An exception's own text may be long or empty; the message stays readable.
QString Reason(const char* what) {
  QString reason = QString::fromLocal8Bit(what).simplified();
  if (reason.isEmpty()) return Text(words::kUnexpectedError);
  constexpr qsizetype kLongest = 300;
  if (reason.size() > kLongest) reason = Text(words::kReasonCut, {reason.left(kLongest).toStdString()});
  return reason;
}

}  // namespace

QString CommandFailureMessage(const QString& command, const QString& reason) {
  return Text(words::kCommandFailed, {command.toStdString(), reason.toStdString()});
}

void RunCommand(QWidget* window, const QString& command, const std::function<void()>& handler) noexcept {
  QString reason;
  try {
    handler();
    return;
  } catch (const std::exception& e) {
    reason = Reason(e.what());
  } catch (...) {
    reason = Reason("");
  }
  try {
    ShowMessage(window, CommandFailureMessage(command, reason));
  } catch (...) {
    // Telling the user failed too (out of memory, say); carrying on matters more.
  }
}

}  // namespace kelvra
