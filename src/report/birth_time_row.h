// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include "contracts/entry_state.h"

namespace kelvra {

/// The report's "Birth time:" row of one person, for an analysis that
/// converted clock times to UT.
struct BirthTimeRow {
  /// "14:30 UTC+02:00 = 12:30 UT", then "(−1 day)" or "(+1 day)" when UT
  /// falls on another date than the one entered.
  QString text;
  QString toolTip;  ///< the zone, its abbreviation and "summer time": "Europe/Oslo (CEST, summer time)"
  bool operator==(const BirthTimeRow&) const = default;
};

/// The clock time as entered (24:15 stays 24:15), the offset in force, and
/// UT, with seconds only where an old mean time gives them.
BirthTimeRow BirthTimeRowOf(const ConvertedBirthTime& time);

}  // namespace kelvra
