// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/validation.h"

#include <array>

namespace kelvra {

namespace {

struct TextCheck {
  QString PersonEntries::*entry;
  EntryField field;
  const char* maleMessage;
  const char* femaleMessage;  // the two differ for the longitude minutes
};

const std::array<TextCheck, 8> kTextChecks = {{
    {&PersonEntries::name, EntryField::Name, "Please Enter Male Name", "Please Enter Female Name"},
    {&PersonEntries::latDeg, EntryField::LatDeg, "Please Enter Degree in Latitude", "Please Enter Degree in Latitude"},
    {&PersonEntries::latMin, EntryField::LatMin, "Please Enter Minutes in Latitude", "Please Enter Minutes in Latitude"},
    {&PersonEntries::longDeg, EntryField::LongDeg, "Please Enter Degree in Longitude",
     "Please Enter Degree in Longitude"},
    {&PersonEntries::longMin, EntryField::LongMin, "Please Enter Minute in Longitude",
     "Please Enter Minutes in Longitude"},
    {&PersonEntries::city, EntryField::City, "Please Enter City", "Please Enter City"},
    {&PersonEntries::state, EntryField::State, "Please Enter State", "Please Enter State"},
    {&PersonEntries::country, EntryField::Country, "Please Enter Country", "Please Enter Country"},
}};

std::optional<ValidationFailure> FirstFailure(const PersonEntries& person, bool male) {
  const int first = male ? 1 : 11;
  for (std::size_t i = 0; i < kTextChecks.size(); ++i) {
    const auto& check = kTextChecks[i];
    if ((person.*check.entry).isEmpty()) {
      return ValidationFailure{first + static_cast<int>(i),
                               QString::fromLatin1(male ? check.maleMessage : check.femaleMessage), check.field};
    }
  }
  if (!person.north && !person.south)
    return ValidationFailure{first + 8, QStringLiteral("Please Select Direction For The Latitude"), EntryField::North};
  if (!person.east && !person.west)
    return ValidationFailure{first + 9, QStringLiteral("Please Select Direction For The Longitude"), EntryField::East};
  return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> FirstFailingCheck(const PersonEntries& male, const PersonEntries& female) {
  if (auto failure = FirstFailure(male, true)) return failure;
  return FirstFailure(female, false);
}

std::optional<PlaceGap> CheckPlaceEntries(const QString& city, const QString& state, const QString& country) {
  if (city.isEmpty()) return PlaceGap{EntryField::City, QStringLiteral("Please Enter City")};
  if (state.isEmpty()) return PlaceGap{EntryField::State, QStringLiteral("Please Enter State")};
  if (country.isEmpty()) return PlaceGap{EntryField::Country, QStringLiteral("Please Enter Country")};
  return std::nullopt;
}

}  // namespace kelvra
