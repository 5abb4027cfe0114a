// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace kelvra::people {

enum class Sex { NotStated, Male, Female };

/// One person of the library: the birth record as the entry form holds it,
/// and what the library keeps besides. Texts are UTF-8.
struct Person {
  std::string name;
  Sex sex = Sex::NotStated;
  // The entry form's lists: day 1..31 (not checked against the month),
  // month 1..12, year 1900..2050, hour 0..24, minute and second 0..59.
  int day = 1, month = 1, year = 1900;
  int hour = 0, minute = 0, second = 0;
  // Degrees and minutes as the form's boxes take them: up to three digits,
  // never range-checked.
  int latDeg = 0, latMin = 0;
  char latDir = 'N';  ///< 'N' or 'S'
  int longDeg = 0, longMin = 0;
  char longDir = 'E';  ///< 'E' or 'W'
  std::string city, state, country;
  std::string zone;       ///< a tz database name, or empty
  std::string utcOffset;  ///< "+HH:MM", "-HH:MM", "LMT" (the longitude's mean time), or empty
  std::string notes;
  std::string source;  ///< where the data come from, an AAF #SRC
  std::string origin;  ///< the file and record it was imported from, or empty

  bool operator==(const Person&) const = default;
};

/// Two records of one birth: the same name bytes, date, clock time and
/// coordinates (degrees, minutes, direction); an import skips the second.
bool SameBirth(const Person& a, const Person& b);

/// A person as the library holds it.
struct SavedPerson {
  std::int64_t id = 0;
  Person person;
  std::int64_t created = 0;  ///< seconds since 1970 UTC
  std::int64_t changed = 0;
  std::int64_t revision = 1;  ///< counts every change, so that an edit can see another program's
};

}  // namespace kelvra::people
