// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/validation.h"

#include <array>

namespace kelvra {

namespace {

struct TextCheck {
  QString PersonEntries::*entry;
  const char* suffix;  // control name after "txtM" / "txtF"
  const char* maleMessage;
  const char* femaleMessage;  // the two differ for the longitude minutes
};

const std::array<TextCheck, 8> kTextChecks = {{
    {&PersonEntries::name, "Name", "Please Enter Male Name", "Please Enter Female Name"},
    {&PersonEntries::latDeg, "LD", "Please Enter Degree in Latitude", "Please Enter Degree in Latitude"},
    {&PersonEntries::latMin, "LM", "Please Enter Minutes in Latitude", "Please Enter Minutes in Latitude"},
    {&PersonEntries::longDeg, "LoD", "Please Enter Degree in Longitude", "Please Enter Degree in Longitude"},
    {&PersonEntries::longMin, "LoM", "Please Enter Minute in Longitude", "Please Enter Minutes in Longitude"},
    {&PersonEntries::city, "City", "Please Enter City", "Please Enter City"},
    {&PersonEntries::state, "State", "Please Enter State", "Please Enter State"},
    {&PersonEntries::country, "Country", "Please Enter Country", "Please Enter Country"},
}};

std::optional<ValidationFailure> FirstFailure(const PersonEntries& person, bool male) {
  const QString letter = male ? QStringLiteral("M") : QStringLiteral("F");
  const int first = male ? 1 : 11;
  for (std::size_t i = 0; i < kTextChecks.size(); ++i) {
    const auto& check = kTextChecks[i];
    if ((person.*check.entry).isEmpty()) {
      return ValidationFailure{first + static_cast<int>(i),
                               QString::fromLatin1(male ? check.maleMessage : check.femaleMessage),
                               "txt" + letter + check.suffix, false};
    }
  }
  if (!person.north && !person.south) {
    return ValidationFailure{first + 8, QStringLiteral("Please Select Direction For The Latitude"),
                             "opt" + letter + "North", true};
  }
  if (!person.east && !person.west) {
    return ValidationFailure{first + 9, QStringLiteral("Please Select Direction For The Longitude"),
                             "opt" + letter + "East", true};
  }
  return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> FirstFailingCheck(const PersonEntries& male, const PersonEntries& female) {
  if (auto failure = FirstFailure(male, true)) return failure;
  return FirstFailure(female, false);
}

}  // namespace kelvra
