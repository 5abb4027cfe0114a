// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QStringList>
#include <array>

#include "contracts/entry_form.h"

#include <ostream>

namespace kelvra {

/// Readable failures for tests that compare entries.
void PrintTo(const PersonEntries& entries, std::ostream* out);

}  // namespace kelvra

namespace kelvra::testing {

/// An entry form without a window: the values live in plain members, and the
/// calls that act on the window are recorded.
class FakeEntryForm : public EntryForm {
 public:
  std::array<PersonEntries, 2> people;  ///< male, female
  std::array<ChartTexts, 2> charts;
  ResultBoxTexts results;
  QStringList calls;  ///< "emptyEntries", "focusEntry M Name", ...

  PersonEntries entries(Person person) const override { return people[Index(person)]; }
  void setEntries(Person person, const PersonEntries& values) override { people[Index(person)] = values; }
  ChartTexts chartTexts(Person person) const override { return charts[Index(person)]; }
  ResultBoxTexts resultTexts() const override { return results; }
  void emptyEntries() override;
  void focusEntry(Person person, EntryField field) override;

  static std::size_t Index(Person person) { return person == Person::Male ? 0 : 1; }
};

/// Every entry with a value unlike its start-up one, telling the two persons
/// apart: texts name their entry ("M name", "F city"), lists their last item,
/// South and West chosen; chart boxes name their point ("M 1" .. "F 16").
void FillEveryEntry(FakeEntryForm& form);

}  // namespace kelvra::testing
