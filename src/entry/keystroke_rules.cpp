// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/keystroke_rules.h"

#include <QKeyEvent>
#include <algorithm>

#include "shell/words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {

bool LettersOnlyKeyPress(int code) {
  return (code >= 65 && code <= 90) || (code >= 97 && code <= 122) || code == 32 || code == 8 || code == 127;
}

bool NumbersOnlyKeyPress(int code) { return (code >= 48 && code <= 57) || code == 8 || code == 127; }

bool Accepts(KeyRule rule, int code) {
  return rule == KeyRule::Letters ? LettersOnlyKeyPress(code) : NumbersOnlyKeyPress(code);
}

QString RefusalMessage(KeyRule rule) {
  return Text(rule == KeyRule::Letters ? words::kOnlyLetters : words::kOnlyNumbers);
}

bool TextFollowsRule(KeyRule rule, const QString& text) {
  for (QChar c : text) {
    if (!Accepts(rule, c.unicode())) return false;
  }
  return true;
}

QString InsertedText(const QString& before, const QString& after) {
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  return after.mid(head, after.size() - head - tail);
}

std::optional<int> KeystrokeCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return std::nullopt;
  if (event.modifiers() & Qt::ControlModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    if (key == Qt::Key_Backspace) return 127;
  }
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  return text.front().unicode();
}

}  // namespace kelvra
