// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/message.h"

#include <QMessageBox>

#include "shell/words.h"
#include "vocabulary/common_words.h"

namespace kelvra {

namespace {

void ShowInformationBox(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, Text(words::kProgramName), text, QMessageBox::Ok);
}

MessageFunction& CurrentFunction() {
  static MessageFunction function = ShowInformationBox;
  return function;
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) { CurrentFunction()(parent, text); }

MessageFunction SetMessageFunction(MessageFunction function) {
  MessageFunction previous = std::move(CurrentFunction());
  CurrentFunction() = function ? std::move(function) : MessageFunction(ShowInformationBox);
  return previous;
}

}  // namespace kelvra
