// SPDX-License-Identifier: AGPL-3.0-or-later
// The records tests start from, built from designated initialisers so that a
// test states only what matters to it:
//   MakeBirth({.day = 29, .month = 2, .year = 1988, .hour = 23})
//   MakeEntries({.name = "Ann", .lat = "S", .city = "Sydney"})
// Fields not named take the defaults below, which make a complete, valid
// record. Designators must follow the fields' order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "charts/birth_data.h"

namespace kelvra::testing {

/// A birth record as numbers and texts: by default "Someone", born on
/// 1 January 2000 at 00:00:00 at 0° 0' N, 0° 0' E, in City, State, Country,
/// with no UT moment.
struct BirthFields {
  std::string name = "Someone";
  int day = 1;
  int month = 1;
  int year = 2000;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int latDeg = 0;
  int latMin = 0;
  LatitudeDirection latDir = LatitudeDirection::North;
  int longDeg = 0;
  int longMin = 0;
  LongitudeDirection longDir = LongitudeDirection::East;
  std::string city = "City";
  std::string state = "State";
  std::string country = "Country";
  std::optional<UniversalMoment> ut = std::nullopt;
};

/// The record, Day and Year as the lists give them ("5", not "05").
inline BirthData MakeBirth(const BirthFields& f) {
  BirthData b;
  b.Name = f.name;
  b.Day = std::to_string(f.day);
  b.Month = f.month;
  b.Year = std::to_string(f.year);
  b.Hour = f.hour;
  b.Minute = f.minute;
  b.Second = f.second;
  b.LatDeg = f.latDeg;
  b.LatMin = f.latMin;
  b.LatDir = f.latDir;
  b.LongDeg = f.longDeg;
  b.LongMin = f.longMin;
  b.LongDir = f.longDir;
  b.City = f.city;
  b.State = f.state;
  b.Country = f.country;
  b.Ut = f.ut;
  return b;
}

}  // namespace kelvra::testing

// The entry form's records hold Qt strings; tests of the core build without Qt.
#if __has_include(<QString>)
#include "contracts/entry_form.h"

namespace kelvra::testing {

/// One person's entries as a user types them, every entry filled: by default
/// "Ann", 2 March 1980, 14:30:00, 33° 33' N, 33° 33' E, in City, State,
/// Country. A direction is "N" or "S" ("E" or "W"), "" for none chosen or
/// "NS" ("EW") for both.
struct EntryFields {
  QString name = QStringLiteral("Ann");
  int day = 2;
  int month = 3;
  int year = 1980;
  int hour = 14;
  int minute = 30;
  int second = 0;
  QString latDeg = QStringLiteral("33");
  QString latMin = QStringLiteral("33");
  std::string_view lat = "N";
  QString longDeg = QStringLiteral("33");
  QString longMin = QStringLiteral("33");
  std::string_view lon = "E";
  QString city = QStringLiteral("City");
  QString state = QStringLiteral("State");
  QString country = QStringLiteral("Country");
};

inline PersonEntries MakeEntries(const EntryFields& f) {
  PersonEntries e;
  e.name = f.name;
  e.day = f.day;
  e.month = f.month;
  e.year = f.year;
  e.hour = f.hour;
  e.minute = f.minute;
  e.second = f.second;
  e.latDeg = f.latDeg;
  e.latMin = f.latMin;
  e.longDeg = f.longDeg;
  e.longMin = f.longMin;
  e.north = f.lat.find('N') != std::string_view::npos;
  e.south = f.lat.find('S') != std::string_view::npos;
  e.east = f.lon.find('E') != std::string_view::npos;
  e.west = f.lon.find('W') != std::string_view::npos;
  e.city = f.city;
  e.state = f.state;
  e.country = f.country;
  return e;
}

}  // namespace kelvra::testing
#endif
