// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/analysis.h"

#include <utility>

namespace kelvra {

CoupleCharts ChartCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris) {
  CoupleCharts charts;
  charts.male = CalcChart(male, ephemeris);
  charts.female = CalcChart(female, ephemeris);
  charts.contacts = FindContacts(charts.male, charts.female);
  return charts;
}

CoupleScore ScoreCouple(const CoupleCharts& charts, HarmonyMemory& memory) {
  CoupleScore score;
  score.totals = ComputeCosmodyneTotals(charts.contacts, memory);
  score.verdict = DecideVerdict(score.totals.powerTotal, score.totals.harmonyTotal);
  return score;
}

CoupleAnalysis CompleteAnalysis(CoupleCharts charts, HarmonyMemory& memory) {
  CoupleAnalysis analysis{{std::move(charts)}, {}};
  static_cast<CoupleScore&>(analysis) = ScoreCouple(analysis, memory);
  return analysis;
}

CoupleAnalysis AnalyzeCouple(const BirthData& male, const BirthData& female, Ephemeris& ephemeris,
                             HarmonyMemory& memory) {
  return CompleteAnalysis(ChartCouple(male, female, ephemeris), memory);
}

}  // namespace kelvra
