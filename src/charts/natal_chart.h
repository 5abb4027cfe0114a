// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>

#include "charts/birth_data.h"
#include "charts/chart_point.h"
#include "charts/ephemeris.h"

namespace kelvra {

/// One person's computed chart, per chart point:
/// - Longitude: ecliptic longitude of date in degrees, 0 <= x < 360
///   (the library's value, or NormalizeDegrees of a derived sum);
/// - Declination: degrees, -90..+90;
/// - House: 1..12, a whole number held as a double.
struct NatalChart {
  PerPoint Longitude;
  PerPoint Declination;
  PerPoint House;
  /// The twelve house cusps of the chart's one houses call, degrees 0..360,
  /// indexed 1..12 (index 0 unused). Drawn, never scored.
  std::array<double, 13> Cusps{};
  /// The library could not make Placidus houses at this latitude (inside the
  /// polar circles) and returned Porphyry cusps instead.
  bool PorphyryCusps = false;

  bool operator==(const NatalChart&) const = default;
};

/// Computes one person's chart through `ephemeris`, making exactly the
/// library calls of one chart in their fixed order and ending with Close().
///
/// The hour passed on is Hour + Minute / 60: the second never enters the
/// chart and the clock time is used as entered, with no time-zone or
/// summer-time correction and the same Julian day for houses and bodies.
/// A record that carries its converted moment (Ut) is computed for that
/// moment instead.
///
/// Values the library leaves undefined (not seen with the Debian data, but
/// the library's return codes are not examined) are replaced by defined ones
/// so a chart never holds NaN: a non-finite longitude or declination becomes
/// 0, and a house position outside 1 <= h < 13 is wrapped round the twelve
/// houses (a non-finite one gives house 1).
///
/// Throws std::invalid_argument when Day or Year is not a whole number; the
/// entry form's lists and the batch reader never produce such text.
NatalChart CalcChart(const BirthData& birth, Ephemeris& ephemeris);

/// CalcChart with the birth time moved by `shiftMinutes`: the hour passed on
/// is moved, and may fall below 0 or reach 24 and beyond, which the Julian
/// day takes as the day before or after. 0 gives CalcChart's chart exactly.
NatalChart CalcShiftedChart(const BirthData& birth, int shiftMinutes, Ephemeris& ephemeris);

}  // namespace kelvra
