// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/explanation.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace kelvra {

namespace {

// The separation exactly as the contact search measured it.
double Separation(const Contact& contact, const NatalChart& male, const NatalChart& female) {
  const ChartPoint m = contact.malePoint;
  const ChartPoint f = contact.femalePoint;
  if (contact.kind == ContactKind::Parallel) {
    return std::fabs(std::fabs(male.Declination[m]) - std::fabs(female.Declination[f]));
  }
  double d = std::fabs(female.Longitude[f] - male.Longitude[m]);
  if (d > 180) d = 360 - d;
  return d;
}

// Houses are whole numbers 1..12 in a chart; anything else is shown as 1.
int HouseNumber(double house) { return std::isfinite(house) && house >= 1 && house <= 12 ? static_cast<int>(house) : 1; }

ContactExplanation ExplainContact(const Contact& contact, const CoupleCharts& charts, HarmonyMemory& memory) {
  ContactExplanation e;
  e.contact = contact;
  const ChartPoint m = contact.malePoint;
  const ChartPoint f = contact.femalePoint;
  e.separation = Separation(contact, charts.male, charts.female);
  e.maleDeclination = charts.male.Declination[m];
  e.femaleDeclination = charts.female.Declination[f];
  const PointOrbs pair = PairOrbs(OrbsFor(m, charts.male.House[m]), OrbsFor(f, charts.female.House[f]));
  const int slot = OrbSlot(contact.kind);
  e.detectionOrb = pair.detect[slot];
  e.powerOrb = pair.power[slot];
  e.maleHouse = HouseNumber(charts.male.House[m]);
  e.femaleHouse = HouseNumber(charts.female.House[f]);
  e.maleHouseClass = OrbHouseClass(m, charts.male.House[m]);
  e.femaleHouseClass = OrbHouseClass(f, charts.female.House[f]);
  e.harmonyDelta = ScoreContactHarmony(contact, memory, &e.effects);
  for (const HarmonyEffect& effect : e.effects) {
    if (effect.records) e.recorded = effect.records;
  }
  return e;
}

}  // namespace

Explanation ExplainAnalysis(const CoupleCharts& charts, double startGain) {
  Explanation explanation;
  explanation.startGain = startGain;
  HarmonyMemory memory{startGain};
  explanation.contacts.reserve(charts.contacts.size());
  // The same additions in the same order as the totals, so the sums agree to the bit.
  for (const Contact& contact : charts.contacts) {
    ContactExplanation e = ExplainContact(contact, charts, memory);
    explanation.powerTotal += contact.strength;
    explanation.deltaSum += e.harmonyDelta;
    if (e.recorded) explanation.biasSource = explanation.contacts.size();
    explanation.contacts.push_back(std::move(e));
  }
  explanation.endGain = memory.lastHarmonyGain;
  explanation.bias = HarmonyBias(memory);
  explanation.harmonyTotal = explanation.deltaSum + explanation.bias;
  if (explanation.harmonyTotal != 0) explanation.biasShare = explanation.bias / explanation.harmonyTotal;
  return explanation;
}

ShiftedContacts ChartBirthTimeShifts(const BirthData& male, const BirthData& female, const CoupleCharts& charts,
                                     Ephemeris& ephemeris) {
  ShiftedContacts shifted;
  for (std::size_t i = 0; i < kBirthTimeShifts.size(); ++i) {
    const int minutes = kBirthTimeShifts[i];
    if (minutes == 0) continue;
    shifted.byPerson[0][i] = FindContacts(CalcShiftedChart(male, minutes, ephemeris), charts.female);
    shifted.byPerson[1][i] = FindContacts(charts.male, CalcShiftedChart(female, minutes, ephemeris));
  }
  return shifted;
}

namespace {

FigureRange RangeOf(std::span<const CompatibilityResult> results, std::int32_t CompatibilityResult::* figure) {
  FigureRange range{results.front().*figure, results.front().*figure};
  for (const CompatibilityResult& r : results) {
    range.low = std::min(range.low, r.*figure);
    range.high = std::max(range.high, r.*figure);
  }
  return range;
}

PersonBand BandOf(const std::array<CompatibilityResult, kBirthTimeShifts.size()>& results) {
  // Shifts -15, 0 and +15 sit in the middle of the seven.
  const std::span<const CompatibilityResult> near(results.data() + 2, 3);
  PersonBand band;
  band.ph15 = RangeOf(near, &CompatibilityResult::PH);
  band.percentage15 = RangeOf(near, &CompatibilityResult::phPercentage);
  band.ph60 = RangeOf(results, &CompatibilityResult::PH);
  band.percentage60 = RangeOf(results, &CompatibilityResult::phPercentage);
  band.commentChanges15 = std::any_of(near.begin(), near.end(),
                                      [&](const CompatibilityResult& r) { return r.strComment != near[0].strComment; });
  return band;
}

std::int64_t Width(const FigureRange& range) { return std::int64_t{range.high} - range.low; }

}  // namespace

BirthTimeBand ScoreBirthTimeShifts(const ShiftedContacts& shifted, double startGain,
                                   const CompatibilityResult& result) {
  static_assert(kBirthTimeShifts[2] == -15 && kBirthTimeShifts[3] == 0 && kBirthTimeShifts[4] == 15);
  BirthTimeBand band;
  for (std::size_t person = 0; person < 2; ++person) {
    std::array<CompatibilityResult, kBirthTimeShifts.size()> results;
    for (std::size_t i = 0; i < kBirthTimeShifts.size(); ++i) {
      if (kBirthTimeShifts[i] == 0) {
        results[i] = result;
        continue;
      }
      // A copy of the memory the real analysis started from: the band never
      // changes what the next analysis finds.
      HarmonyMemory memory{startGain};
      const CosmodyneTotals totals = ComputeCosmodyneTotals(shifted.byPerson[person][i], memory);
      results[i] = DecideVerdict(totals.powerTotal, totals.harmonyTotal).result;
    }
    (person == 0 ? band.male : band.female) = BandOf(results);
  }
  const std::int64_t male = Width(band.male.percentage60);
  const std::int64_t female = Width(band.female.percentage60);
  band.mostSensitive = male > female ? Sensitivity::Male : female > male ? Sensitivity::Female : Sensitivity::Equal;
  return band;
}

BirthTimeBand ComputeBirthTimeBand(const BirthData& male, const BirthData& female, const CoupleCharts& charts,
                                   double startGain, const CompatibilityResult& result, Ephemeris& ephemeris) {
  return ScoreBirthTimeShifts(ChartBirthTimeShifts(male, female, charts, ephemeris), startGain, result);
}

namespace {

std::optional<AspectKind> AspectNamed(std::string_view name) {
  for (int code = static_cast<int>(AspectKind::Conjunction); code <= static_cast<int>(AspectKind::Quincunx); ++code) {
    const auto aspect = static_cast<AspectKind>(code);
    if (!AspectKindName(aspect).empty() && AspectKindName(aspect) == name) return aspect;
  }
  return std::nullopt;
}

std::optional<ChartPoint> PointNamed(std::string_view name) {
  for (ChartPoint point : kAllChartPoints) {
    if (ChartPointName(point) == name) return point;
  }
  return std::nullopt;
}

}  // namespace

// The inverse of the harmony rules' naming: "[Aspect][ ][Point[-Point]]".
std::optional<HarmonyRuleParts> ParseHarmonyRule(std::string_view rule) {
  HarmonyRuleParts parts;
  std::string_view rest = rule;
  const std::size_t space = rest.find(' ');
  if (const auto aspect = AspectNamed(rest.substr(0, space))) {
    parts.aspect = aspect;
    if (space == std::string_view::npos) return parts;
    rest.remove_prefix(space + 1);
  }
  const std::size_t dash = rest.find('-');
  parts.point = PointNamed(rest.substr(0, dash));
  if (!parts.point) return std::nullopt;
  if (dash != std::string_view::npos) {
    // A pair belongs to a rule about an aspect.
    parts.other = PointNamed(rest.substr(dash + 1));
    if (!parts.other || !parts.aspect) return std::nullopt;
  }
  return parts;
}

std::string_view SensitivityName(Sensitivity sensitivity) {
  switch (sensitivity) {
    case Sensitivity::Male: return "male";
    case Sensitivity::Female: return "female";
    case Sensitivity::Equal: return "equal";
  }
  return {};
}

}  // namespace kelvra
