// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/validation.h"

#include <array>

#include "shell/words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {

namespace {

struct TextCheck {
  QString PersonEntries::*entry;
  EntryField field;
  EntryWordsField words;
};

const std::array<TextCheck, 8> kTextChecks = {{
    {&PersonEntries::name, EntryField::Name, EntryWordsField::Name},
    {&PersonEntries::latDeg, EntryField::LatDeg, EntryWordsField::LatDeg},
    {&PersonEntries::latMin, EntryField::LatMin, EntryWordsField::LatMin},
    {&PersonEntries::longDeg, EntryField::LongDeg, EntryWordsField::LongDeg},
    {&PersonEntries::longMin, EntryField::LongMin, EntryWordsField::LongMin},
    {&PersonEntries::city, EntryField::City, EntryWordsField::City},
    {&PersonEntries::state, EntryField::State, EntryWordsField::State},
    {&PersonEntries::country, EntryField::Country, EntryWordsField::Country},
}};

std::optional<ValidationFailure> FirstFailure(const PersonEntries& person, bool male) {
  const int first = male ? 1 : 11;
  const EntryWordsPerson whose = male ? EntryWordsPerson::Man : EntryWordsPerson::Woman;
  const auto failure = [whose](int check, EntryWordsField words, EntryField field) {
    return ValidationFailure{check, Text(MissingEntryMessage(words, whose)), field};
  };
  for (std::size_t i = 0; i < kTextChecks.size(); ++i) {
    const auto& check = kTextChecks[i];
    if ((person.*check.entry).isEmpty()) return failure(first + static_cast<int>(i), check.words, check.field);
  }
  if (!person.north && !person.south) return failure(first + 8, EntryWordsField::LatDir, EntryField::North);
  if (!person.east && !person.west) return failure(first + 9, EntryWordsField::LongDir, EntryField::East);
  return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> FirstFailingCheck(const PersonEntries& male, const PersonEntries& female) {
  if (auto failure = FirstFailure(male, true)) return failure;
  return FirstFailure(female, false);
}

std::optional<PlaceGap> CheckPlaceEntries(const QString& city, const QString& state, const QString& country) {
  // The place has no person: its messages are the ones both persons share.
  const auto gap = [](EntryField field, EntryWordsField words) {
    return PlaceGap{field, Text(MissingEntryMessage(words, EntryWordsPerson::Man))};
  };
  if (city.isEmpty()) return gap(EntryField::City, EntryWordsField::City);
  if (state.isEmpty()) return gap(EntryField::State, EntryWordsField::State);
  if (country.isEmpty()) return gap(EntryField::Country, EntryWordsField::Country);
  return std::nullopt;
}

}  // namespace kelvra
