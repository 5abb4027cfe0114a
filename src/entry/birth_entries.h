// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

#include "charts/birth_data.h"
#include "contracts/entry_form.h"

namespace kelvra {

/// A number entry that could not be read, and what to tell the user.
struct EntryError {
  EntryField field;  ///< LatDeg, LatMin, LongDeg or LongMin
  QString message;
  bool operator==(const EntryError&) const = default;
};

/// Reads one person's record: the name trimmed, the four number entries
/// trimmed and converted with round-half-to-even, the lists' values as picked
/// (day and year as their decimal text), South and West from their options,
/// the places verbatim. The keystroke and paste filters keep anything but
/// digits out of the number boxes, so an error here means text the program
/// itself put there.
std::variant<BirthData, EntryError> ReadBirthData(const PersonEntries& entries);

}  // namespace kelvra
