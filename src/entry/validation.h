// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace kelvra {

/// One person's typed entries and direction options, as the form holds them.
struct PersonEntries {
  QString name, latDeg, latMin, longDeg, longMin, city, state, country;
  bool north = false, south = false, east = false, west = false;
};

/// The first check that failed: its number (1..20), its message, and the
/// control it concerns: the entry to focus, or the option to select.
struct ValidationFailure {
  int check;
  QString message;
  QString control;      ///< objectName
  bool selectsOption;   ///< select `control` rather than focus it
  bool operator==(const ValidationFailure&) const = default;
};

/// The twenty presence checks in their fixed order, the male person first.
/// An entry is missing only when its text is exactly empty (blanks count as
/// present); a direction is missing when neither of its options is selected.
/// No range, date or format is checked.
std::optional<ValidationFailure> FirstFailingCheck(const PersonEntries& male, const PersonEntries& female);

}  // namespace kelvra
