// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "shell/scoped_replacement.h"

class QWidget;

namespace kelvra {

/// Shows one of the program's messages: a modal information box titled
/// "Kelvra" with a single OK button. Every message of the program goes
/// through here.
void ShowMessage(QWidget* parent, const QString& text);

/// Replaces what ShowMessage does (tests record instead of blocking on a
/// modal box); returns the previous function. An empty function restores the
/// real message box.
using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;
MessageFunction SetMessageFunction(MessageFunction function);

/// SetMessageFunction for the guard's lifetime.
using ScopedMessageFunction = ScopedReplacement<MessageFunction, &SetMessageFunction>;

}  // namespace kelvra
