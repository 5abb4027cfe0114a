// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

#include "charts/birth_data.h"

namespace kelvra {

/// One person's entries as the form shows them, before conversion.
struct PersonTexts {
  QString name, day, year, hour, minute, second;
  int monthIndex = 0;  ///< list position, 0 for the first month
  QString latDeg, latMin, longDeg, longMin;
  bool south = false, west = false;
  QString city, state, country;
};

/// A number entry that could not be read, and what to tell the user.
struct EntryError {
  QString control;  ///< objectName suffix, e.g. "LD" for txtMLD / txtFLD
  QString message;
  bool operator==(const EntryError&) const = default;
};

/// Reads one person's record: texts trimmed, numbers converted with
/// round-half-to-even, the month from the list position (+1). The keystroke
/// and paste filters keep anything but digits out of the number boxes, so an
/// error here means text the program itself put there.
std::variant<BirthData, EntryError> ReadBirthData(const PersonTexts& texts);

}  // namespace kelvra
