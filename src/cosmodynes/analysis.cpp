// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/analysis.h"

namespace kelvra {

CoupleAnalysis AnalyzeCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris,
                             HarmonyMemory& memory) {
  CoupleAnalysis analysis;
  analysis.male = CalcChart(male, ephemeris);
  analysis.female = CalcChart(female, ephemeris);
  analysis.contacts = FindContacts(analysis.male, analysis.female);
  analysis.totals = ComputeCosmodyneTotals(analysis.contacts, memory);
  analysis.verdict = DecideVerdict(analysis.totals.powerTotal, analysis.totals.harmonyTotal);
  return analysis;
}

}  // namespace kelvra
