// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "charts/zodiac.h"

namespace kelvra {

enum class Person { Male, Female };

/// One entry of a person on the entry form: the typed texts, the date and
/// time lists, and the two direction option pairs.
enum class EntryField {
  Name, Day, Month, Year, Hour, Minute, Second,
  LatDeg, LatMin, LongDeg, LongMin, City, State, Country,
  North, South, East, West,
};

/// One person's entries as the entry form holds them. Texts are exactly as
/// typed; the lists hold the values of their picked items.
struct PersonEntries {
  QString name;
  int day = 1;      ///< 1..31, not checked against the month
  int month = 1;    ///< 1..12: the month list's position; it shows the locale's name
  int year = 1900;  ///< 1900..2050
  int hour = 0;     ///< 0..24
  int minute = 0;   ///< 0..59
  int second = 0;   ///< 0..59
  QString latDeg, latMin, longDeg, longMin;
  bool north = false, south = false, east = false, west = false;
  QString city, state, country;

  bool operator==(const PersonEntries&) const = default;
};

/// Texts of the entry form's five result boxes.
struct ResultBoxTexts {
  std::string power;       ///< txtPower
  std::string harmony;     ///< txtHarmony
  std::string ph;          ///< txtPH
  std::string percentage;  ///< txtPHPercentage
  std::string comment;     ///< txtComment
  bool operator==(const ResultBoxTexts&) const = default;
};

/// The entry form as the other windows and the program see it: typed calls
/// instead of its controls' names. frmMatch implements it; tests use a
/// stand-in that keeps the values in plain members.
class EntryForm {
 public:
  virtual ~EntryForm() = default;

  /// One person's entries as they stand.
  virtual PersonEntries entries(Person person) const = 0;
  /// Puts `values` into one person's entries. A list value that the list does
  /// not offer leaves that list as it is; texts are set as given, unfiltered
  /// (a number box keeps its first three characters). Of a direction pair
  /// given both options, the first (North, East) is chosen.
  virtual void setEntries(Person person, const PersonEntries& values) = 0;

  /// The sixteen chart boxes of one person, in chart-point order.
  virtual ChartTexts chartTexts(Person person) const = 0;
  /// The five result boxes.
  virtual ResultBoxTexts resultTexts() const = 0;

  /// Empties both persons' entries: texts empty, lists on their first item,
  /// no direction chosen. Chart and result boxes stay as they are.
  virtual void emptyEntries() = 0;
  /// Activates the form and puts the keyboard focus on one entry.
  virtual void focusEntry(Person person, EntryField field) = 0;
};

}  // namespace kelvra
