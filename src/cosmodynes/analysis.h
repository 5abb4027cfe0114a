// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <vector>

#include "charts/birth_data.h"
#include "charts/ephemeris.h"
#include "charts/natal_chart.h"
#include "cosmodynes/contacts.h"
#include "cosmodynes/harmony.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// Everything one analysis of a couple produces.
struct CoupleAnalysis {
  NatalChart male;
  NatalChart female;
  std::vector<Contact> contacts;  ///< in grid order
  CosmodyneTotals totals;
  Verdict verdict;
};

/// One whole analysis: the male chart, then the female chart, the contacts,
/// the totals (which update `memory`) and the verdict.
CoupleAnalysis AnalyzeCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris,
                             HarmonyMemory& memory);

}  // namespace kelvra
