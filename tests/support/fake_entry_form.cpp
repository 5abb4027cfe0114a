// SPDX-License-Identifier: AGPL-3.0-or-later
#include "fake_entry_form.h"

namespace kelvra {

void PrintTo(const PersonEntries& e, std::ostream* out) {
  auto q = [](const QString& text) { return '"' + text.toStdString() + '"'; };
  *out << "{name " << q(e.name) << ", " << e.day << '.' << e.month << '.' << e.year << ' ' << e.hour << ':'
       << e.minute << ':' << e.second << ", lat " << q(e.latDeg) << ' ' << q(e.latMin) << (e.north ? " N" : "")
       << (e.south ? " S" : "") << ", long " << q(e.longDeg) << ' ' << q(e.longMin) << (e.east ? " E" : "")
       << (e.west ? " W" : "") << ", " << q(e.city) << ' ' << q(e.state) << ' ' << q(e.country) << '}';
}

}  // namespace kelvra

namespace kelvra::testing {

namespace {

const char* FieldName(EntryField field) {
  static const char* const names[] = {"Name",  "Day",    "Month",   "Year",    "Hour",  "Minute",
                                      "Second", "LatDeg", "LatMin",  "LongDeg", "LongMin", "City",
                                      "State", "Country", "North",  "South",   "East",  "West"};
  return names[static_cast<int>(field)];
}

}  // namespace

void FakeEntryForm::emptyEntries() {
  calls << QStringLiteral("emptyEntries");
  people = {};
}

void FakeEntryForm::focusEntry(Person person, EntryField field) {
  calls << QStringLiteral("focusEntry %1 %2").arg(person == Person::Male ? 'M' : 'F').arg(FieldName(field));
}

void FillEveryEntry(FakeEntryForm& form) {
  for (Person person : {Person::Male, Person::Female}) {
    const QString p = person == Person::Male ? QStringLiteral("M ") : QStringLiteral("F ");
    PersonEntries e;
    e.name = p + "name";
    e.day = 31;
    e.month = 12;
    e.year = 2050;
    e.hour = 24;
    e.minute = 59;
    e.second = 59;
    e.latDeg = p + "latDeg";
    e.latMin = p + "latMin";
    e.longDeg = p + "longDeg";
    e.longMin = p + "longMin";
    e.south = e.west = true;
    e.city = p + "city";
    e.state = p + "state";
    e.country = p + "country";
    form.setEntries(person, e);
    for (std::size_t i = 0; i < kChartPointCount; ++i)
      form.charts[FakeEntryForm::Index(person)][i] = (p + QString::number(i + 1)).toStdString();
  }
}

}  // namespace kelvra::testing
