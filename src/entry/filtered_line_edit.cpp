// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/filtered_line_edit.h"

#include <QKeyEvent>

#include "shell/message.h"

namespace kelvra {

FilteredLineEdit::FilteredLineEdit(KeyRule rule, QWidget* parent) : QLineEdit(parent), rule_(rule) {
  connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::handleTextEdited);
  // Text set by the program is taken as it is.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!isModified() || TextFollowsRule(rule_, text)) accepted_ = text;
  });
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  const auto code = KeystrokeCode(*event);
  if (code && !Accepts(rule_, *code)) {
    event->accept();
    refuse();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::handleTextEdited(const QString& text) {
  // Only what the edit brings in is judged: text the program set (an atlas
  // name such as "Tromsø") stays editable around its own letters.
  if (TextFollowsRule(rule_, InsertedText(accepted_, text))) {
    accepted_ = text;
    return;
  }
  const int cursor = cursorPosition() - (text.size() - accepted_.size());
  setText(accepted_);
  setCursorPosition(std::clamp(cursor, 0, static_cast<int>(accepted_.size())));
  refuse();
}

void FilteredLineEdit::refuse() {
  ShowMessage(window(), RefusalMessage(rule_));
  if (rule_ == KeyRule::Letters) setFocus();
}

}  // namespace kelvra
