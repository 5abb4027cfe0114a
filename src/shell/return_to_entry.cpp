// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/return_to_entry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

#include "shell/window_director.h"

namespace kelvra {

namespace {

// One person's entries in the order they are emptied; %1 is M or F.
constexpr const char* kTextEntries[] = {"txt%1Name"};
constexpr const char* kListEntries[] = {"cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "cbo%1SS"};
constexpr const char* kPlaceEntries[] = {"txt%1LD",   "txt%1LM",    "txt%1LoD",     "txt%1LoM",
                                         "txt%1City", "txt%1State", "txt%1Country"};
constexpr const char* kDirectionOptions[] = {"opt%1East", "opt%1West", "opt%1North", "opt%1South"};

template <typename Control>
Control* Find(QWidget& form, const char* pattern, QChar person) {
  return form.findChild<Control*>(QString::fromLatin1(pattern).arg(person));
}

void ClearText(QWidget& form, const char* pattern, QChar person) {
  if (auto* box = Find<QLineEdit>(form, pattern, person)) box->clear();
}

// A checked option in an exclusive set refuses to be unchecked, so lift the
// exclusivity for the moment of unchecking.
void Unselect(QAbstractButton& option) {
  QButtonGroup* group = option.group();
  const bool groupExclusive = group && group->exclusive();
  const bool autoExclusive = option.autoExclusive();
  if (groupExclusive) group->setExclusive(false);
  option.setAutoExclusive(false);
  option.setChecked(false);
  option.setAutoExclusive(autoExclusive);
  if (groupExclusive) group->setExclusive(true);
}

void EmptyPerson(QWidget& form, QChar person) {
  for (const char* name : kTextEntries) ClearText(form, name, person);
  for (const char* name : kListEntries)
    if (auto* list = Find<QComboBox>(form, name, person)) list->setCurrentIndex(0);
  for (const char* name : kPlaceEntries) ClearText(form, name, person);
  for (const char* name : kDirectionOptions)
    if (auto* option = Find<QAbstractButton>(form, name, person)) Unselect(*option);
}

}  // namespace

void EmptyEntryFields(QWidget& form) {
  EmptyPerson(form, QLatin1Char('M'));
  EmptyPerson(form, QLatin1Char('F'));
}

void ReturnToEmptyEntryForm(WindowDirector& director) {
  director.CloseResultsWindow();
  QWidget* form = director.ShowEntryForm();
  if (!form) return;
  EmptyEntryFields(*form);
  if (auto* name = form->findChild<QWidget*>(QStringLiteral("txtMName"))) {
    form->activateWindow();
    name->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace kelvra
