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

/// The first stage of an analysis: both charts and the contacts between them.
/// It depends on nothing but the couple's birth data (and the ephemeris
/// files), so it can be computed again, or ahead, at will.
struct CoupleCharts {
  NatalChart male;
  NatalChart female;
  std::vector<Contact> contacts;  ///< in grid order
  bool operator==(const CoupleCharts&) const = default;
};

/// The second stage: the totals and the verdict, which depend on the harmony
/// memory that analyses carry from one to the next.
struct CoupleScore {
  CosmodyneTotals totals;
  Verdict verdict;
};

/// Everything one analysis of a couple produces: both stages' results.
struct CoupleAnalysis : CoupleCharts, CoupleScore {};

/// Stage one: the male chart, then the female chart, then the contacts.
CoupleCharts ChartCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris);

/// Stage two: the totals over the contacts (which update `memory`) and the verdict.
CoupleScore ScoreCouple(const CoupleCharts& charts, HarmonyMemory& memory);

/// Stage two on stage one's result, keeping both.
CoupleAnalysis CompleteAnalysis(CoupleCharts charts, HarmonyMemory& memory);

/// One whole analysis, the one the entry form and kelvra-cli both run:
/// ChartCouple, then ScoreCouple. Stage one may run elsewhere, ahead of
/// time (kelvra-cli's workers do); stage two must run in the couples' order.
CoupleAnalysis AnalyzeCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris,
                             HarmonyMemory& memory);

}  // namespace kelvra
