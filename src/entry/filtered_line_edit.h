// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include "entry/keystroke_rules.h"

namespace kelvra {

/// A text entry that admits only what its rule accepts. Typed characters are
/// offered to the rule one by one; text arriving any other way (paste, drop,
/// middle click, input method) must follow the rule as a whole or the entry
/// keeps its previous text. Only the arriving text is judged, so text the
/// program set can be edited around. Either refusal shows the rule's message, and a
/// letters entry takes the focus back afterwards. Text the program sets with
/// setText() is not filtered.
class FilteredLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  FilteredLineEdit(KeyRule rule, QWidget* parent = nullptr);

  KeyRule rule() const { return rule_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void handleTextEdited(const QString& text);
  void refuse();

  KeyRule rule_;
  QString accepted_;  // the last text that followed the rule
};

}  // namespace kelvra
