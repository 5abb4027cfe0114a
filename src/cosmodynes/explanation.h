// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/birth_data.h"
#include "charts/ephemeris.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/contacts.h"
#include "cosmodynes/harmony.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// Why one contact counts as it does: the figures that decided it and the
/// harmony rules that applied to it.
struct ContactExplanation {
  Contact contact;
  /// An aspect: the angle between the two longitudes (0..180 degrees). A
  /// parallel: the difference of the declinations' sizes (0..1 degree).
  double separation = 0;
  double maleDeclination = 0;
  double femaleDeclination = 0;
  int detectionOrb = 0;  ///< the pair's orb that let the contact exist
  int powerOrb = 0;      ///< the pair's orb its strength is measured against
  int maleHouse = 1;
  int femaleHouse = 1;
  HouseClass maleHouseClass = HouseClass::Angular;  ///< the Ascendant always counts as angular
  HouseClass femaleHouseClass = HouseClass::Angular;
  /// The harmony rules that applied, in the order they applied; their
  /// amounts, added in this order from 0, give harmonyDelta exactly.
  std::vector<HarmonyEffect> effects;
  double harmonyDelta = 0;
  /// What this contact left in lastHarmonyGain: its last recording, if any.
  std::optional<double> recorded;
};

/// Why an analysis scored as it did. Summing the contacts' strengths in
/// order gives powerTotal, and their deltas in order plus the bias gives
/// harmonyTotal, bit for bit as the analysis itself adds them.
struct Explanation {
  std::vector<ContactExplanation> contacts;  ///< one per contact, in grid order
  double startGain = 0;                      ///< lastHarmonyGain before the analysis
  double endGain = 0;                        ///< lastHarmonyGain after it
  double bias = 0;                           ///< 100 x endGain, part of harmonyTotal
  /// The contact that recorded last in this analysis; none when no contact
  /// recorded, and the bias carries the amount of an earlier analysis.
  std::optional<std::size_t> biasSource;
  double deltaSum = 0;  ///< the contacts' deltas summed in grid order
  double powerTotal = 0;
  double harmonyTotal = 0;
  /// bias / harmonyTotal; none when harmonyTotal is 0.
  std::optional<double> biasShare;
};

/// Explains the scoring of `charts` by an analysis that started with
/// lastHarmonyGain = `startGain`. Pure: touches no program state.
Explanation ExplainAnalysis(const CoupleCharts& charts, double startGain);

/// The birth-time shifts tried, in minutes, in order; 0 is the real analysis.
inline constexpr std::array<int, 7> kBirthTimeShifts = {-60, -30, -15, 0, 15, 30, 60};

/// A range of whole figures over some of the shifts.
struct FigureRange {
  std::int32_t low = 0;
  std::int32_t high = 0;
  bool operator==(const FigureRange&) const = default;
};

/// How one person's birth time moves the shown figures.
struct PersonBand {
  FigureRange ph15, percentage15;  ///< over -15, 0, +15 minutes
  FigureRange ph60, percentage60;  ///< over all seven shifts
  bool commentChanges15 = false;   ///< the comment (empty included) differs among -15, 0, +15
  bool operator==(const PersonBand&) const = default;
};

enum class Sensitivity { Male, Female, Equal };

struct BirthTimeBand {
  PersonBand male;
  PersonBand female;
  /// Whose percentage range over -60..+60 is wider.
  Sensitivity mostSensitive = Sensitivity::Equal;
  bool operator==(const BirthTimeBand&) const = default;
};

/// The contacts of the couple with one person's birth time shifted, for each
/// shift but 0: [person][shift index]. The ephemeris part of the band: it
/// depends only on the birth data, so it can be computed ahead, elsewhere.
struct ShiftedContacts {
  std::array<std::array<std::vector<Contact>, kBirthTimeShifts.size()>, 2> byPerson;  ///< [0] male, [1] female
};

/// Stage one of the band: the shifted charts and their contacts. `charts`
/// are the real analysis's charts: each person's unshifted chart is reused.
ShiftedContacts ChartBirthTimeShifts(const BirthData& male, const BirthData& female, const CoupleCharts& charts,
                                     Ephemeris& ephemeris);

/// Stage two: scores every shifted couple from a copy of the state the real
/// analysis started from, and ranges the figures with the real `result`.
BirthTimeBand ScoreBirthTimeShifts(const ShiftedContacts& shifted, double startGain,
                                   const CompatibilityResult& result);

/// Both stages.
BirthTimeBand ComputeBirthTimeBand(const BirthData& male, const BirthData& female, const CoupleCharts& charts,
                                   double startGain, const CompatibilityResult& result, Ephemeris& ephemeris);

/// What a harmony rule's name (HarmonyEffect::rule, an identifier kelvra-cli
/// writes) is made of, so that a reader's words can name the rule: the aspect
/// of a rule about an aspect ("Trine"), the point of a rule about one point
/// ("Opposition Mars", "Jupiter"), and the second point of a rule about a
/// pair ("Opposition Sun-Moon").
struct HarmonyRuleParts {
  std::optional<AspectKind> aspect;
  std::optional<ChartPoint> point;
  std::optional<ChartPoint> other;
  bool operator==(const HarmonyRuleParts&) const = default;
};

/// The parts of a rule's name; none for a text that names no rule.
std::optional<HarmonyRuleParts> ParseHarmonyRule(std::string_view rule);

/// "male", "female" or "equal".
std::string_view SensitivityName(Sensitivity sensitivity);

}  // namespace kelvra
