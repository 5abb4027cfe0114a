// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "contracts/entry_form.h"

namespace kelvra {

/// The first check that failed: its number (1..20), its message, and the
/// entry it concerns: a text entry to focus, or for a missing direction the
/// option to select (North or East).
struct ValidationFailure {
  int check;
  QString message;
  EntryField field;
  bool operator==(const ValidationFailure&) const = default;
};

/// The twenty presence checks in their fixed order, the male person first.
/// An entry is missing only when its text is exactly empty (blanks count as
/// present); a direction is missing when neither of its options is selected.
/// No range, date or format is checked.
std::optional<ValidationFailure> FirstFailingCheck(const PersonEntries& male, const PersonEntries& female);

/// A missing birthplace entry and the message to show.
struct PlaceGap {
  EntryField field;  ///< City, State or Country
  QString message;   ///< "Please Enter City", ...
  bool operator==(const PlaceGap&) const = default;
};

/// The check before a lookup: city, state and country in that order, the
/// first that is exactly empty (blanks count as present), or nothing.
std::optional<PlaceGap> CheckPlaceEntries(const QString& city, const QString& state, const QString& country);

}  // namespace kelvra
