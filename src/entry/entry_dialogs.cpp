// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/entry_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "shell/words.h"
#include "vocabulary/common_words.h"

namespace kelvra {

namespace {

std::optional<int> ShowReadingBox(QWidget* parent, const ReadingQuestion& question) {
  QMessageBox box(QMessageBox::Question, Text(words::kProgramName), question.text, QMessageBox::Cancel, parent);
  std::vector<QAbstractButton*> buttons;
  for (const QString& answer : question.answers) buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
  if (!buttons.empty()) box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<QByteArray> ShowZoneList(QWidget* parent, const ZoneQuestion& question) {
  QStringList items;
  for (const QByteArray& zone : question.zones) items << QString::fromLatin1(zone);
  bool ok = false;
  const QString chosen = QInputDialog::getItem(parent, Text(words::kProgramName), question.prompt, items,
                                               std::max(0, static_cast<int>(question.zones.indexOf(question.current))),
                                               true, &ok);
  // The list is editable for typing a name quickly, so the text may name nothing offered.
  if (!ok || !items.contains(chosen)) return std::nullopt;
  return chosen.toLatin1();
}

ReadingChoiceFunction& CurrentReadingChoice() {
  static ReadingChoiceFunction function = ShowReadingBox;
  return function;
}

ZonePickFunction& CurrentZonePick() {
  static ZonePickFunction function = ShowZoneList;
  return function;
}

}  // namespace

std::optional<int> AskWhichReading(QWidget* parent, const ReadingQuestion& question) {
  return CurrentReadingChoice()(parent, question);
}

ReadingChoiceFunction SetReadingChoiceFunction(ReadingChoiceFunction function) {
  ReadingChoiceFunction previous = std::move(CurrentReadingChoice());
  CurrentReadingChoice() = function ? std::move(function) : ReadingChoiceFunction(ShowReadingBox);
  return previous;
}

std::optional<QByteArray> PickZone(QWidget* parent, const ZoneQuestion& question) {
  return CurrentZonePick()(parent, question);
}

ZonePickFunction SetZonePickFunction(ZonePickFunction function) {
  ZonePickFunction previous = std::move(CurrentZonePick());
  CurrentZonePick() = function ? std::move(function) : ZonePickFunction(ShowZoneList);
  return previous;
}

}  // namespace kelvra
