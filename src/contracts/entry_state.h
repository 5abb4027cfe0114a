// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "charts/birth_data.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// The entry form's variables. They belong to the program, not to the form's
/// window: closing the entry form and opening a new one keeps them until the
/// next analysis or lookup overwrites them.
struct EntryState {
  BirthData male;              ///< mName, mDate, ... as last read
  BirthData female;            ///< fName, fDate, ...
  CoupleCharts charts;         ///< both published charts and their contacts
  CompatibilityResult result;  ///< Power, Harmony, PH, phPercentage, strComment
  /// lastHarmonyGain as the last analysis found it, so that analysis can be
  /// explained and re-run without touching the program's harmony memory.
  double startGain = 0;
  bool bMaleSearch = false;    ///< which birthplace the lookup browser searches
};

}  // namespace kelvra
