// SPDX-License-Identifier: AGPL-3.0-or-later
#include "fake_entry_form.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

namespace kelvra::testing {

namespace {

QStringList Named(const char* const* patterns, std::size_t count, QChar person) {
  QStringList names;
  for (std::size_t i = 0; i < count; ++i) names << QString::fromLatin1(patterns[i]).arg(person);
  return names;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString::number(n);
  return items;
}

}  // namespace

QStringList TextEntryNames(QChar person) {
  static const char* const names[] = {"txt%1Name", "txt%1LD",   "txt%1LM",    "txt%1LoD",
                                      "txt%1LoM",  "txt%1City", "txt%1State", "txt%1Country"};
  return Named(names, std::size(names), person);
}

QStringList ListNames(QChar person) {
  static const char* const names[] = {"cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "cbo%1SS"};
  return Named(names, std::size(names), person);
}

QStringList OptionNames(QChar person) {
  static const char* const names[] = {"opt%1North", "opt%1South", "opt%1East", "opt%1West"};
  return Named(names, std::size(names), person);
}

QStringList ChartBoxNames(QChar person) {
  QStringList names;
  for (const char* point : {"Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                            person == QLatin1Char('M') ? "Neptunes" : "Neptune", "Pluto", "Moon", "N", "S", "P",
                            "Asc", "MC", "C"})
    names << QStringLiteral("txt") + person + QString::fromLatin1(point);
  return names;
}

std::unique_ptr<QWidget> MakeFakeEntryForm() {
  auto form = std::make_unique<QWidget>();
  form->setObjectName(QStringLiteral("frmMatch"));
  const QStringList months = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};
  for (QChar person : {QLatin1Char('M'), QLatin1Char('F')}) {
    for (const QString& name : TextEntryNames(person) + ChartBoxNames(person))
      (new QLineEdit(form.get()))->setObjectName(name);
    const QList<QStringList> items = {Numbers(1, 31), months, Numbers(1900, 2050),
                                      Numbers(0, 23), Numbers(0, 59), Numbers(0, 59)};
    const QStringList lists = ListNames(person);
    for (int i = 0; i < lists.size(); ++i) {
      auto* list = new QComboBox(form.get());
      list->setObjectName(lists[i]);
      list->addItems(items[i]);
    }
    // Each pair sits in a frame of its own, as the entry form groups them.
    const QStringList options = OptionNames(person);
    for (int pair = 0; pair < 2; ++pair) {
      auto* frame = new QFrame(form.get());
      for (int i = 0; i < 2; ++i) (new QRadioButton(frame))->setObjectName(options[pair * 2 + i]);
    }
  }
  return form;
}

void FillEveryEntry(QWidget& form) {
  for (auto* box : form.findChildren<QLineEdit*>()) box->setText(box->objectName());
  for (auto* list : form.findChildren<QComboBox*>()) list->setCurrentIndex(list->count() - 1);
  for (auto* option : form.findChildren<QRadioButton*>())
    if (option->objectName().endsWith(QLatin1String("South")) || option->objectName().endsWith(QLatin1String("West")))
      option->setChecked(true);
}

}  // namespace kelvra::testing
