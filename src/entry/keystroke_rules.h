// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QKeyEvent;

namespace kelvra {

/// Capital and small letters A to Z, the blank, backspace (8) and the code of
/// Ctrl+Backspace (127). Nothing else: no accented letters, no punctuation.
bool LettersOnlyKeyPress(int code);

/// Digits 0 to 9, backspace (8) and the code of Ctrl+Backspace (127).
bool NumbersOnlyKeyPress(int code);

/// Which rule a typed entry follows.
enum class KeyRule { Letters, Numbers };

bool Accepts(KeyRule rule, int code);

/// What the user is told when `rule` refuses a character.
QString RefusalMessage(KeyRule rule);

/// True when every character of `text` is one `rule` accepts, so text that
/// arrives without a keystroke (paste, drop, input method) meets the same
/// rule as typing.
bool TextFollowsRule(KeyRule rule, const QString& text);

/// What an edit added: the text of `after` between the beginning and the end
/// it shares with `before`. An edit that only removed text added nothing.
QString InsertedText(const QString& before, const QString& after);

/// The character code a key press offers to the rules, or nothing when the
/// press is no keystroke and passes on silently: a press without text (a lone
/// modifier, arrows) and Tab or Backtab. Ctrl plus a letter is that control
/// code (1 to 26, so Ctrl+V is 22); Ctrl+Backspace is 127; anything else is
/// the first character of the event's text.
std::optional<int> KeystrokeCode(const QKeyEvent& event);

}  // namespace kelvra
