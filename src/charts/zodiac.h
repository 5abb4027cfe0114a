// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "charts/chart_point.h"
#include "charts/natal_chart.h"

namespace kelvra {

/// Rounds to two decimals, halves up: floor(x * 100 + 0.5) / 100.
double RoundTo2(double x);

/// Zodiac text of an ecliptic longitude in degrees, always 9 characters:
/// degrees within the sign ("00".."29"), the sign's abbreviation (Capricorn is
/// "Cpr") and minutes rounded half up ("00".."59"): 45.25 -> "15 Tau 15".
/// Minutes that round to 60 show as 59; the degree is never carried.
///
/// A value outside 0 <= z < 360 is first reduced with NormalizeDegrees, and a
/// result of 360 (what it gives for tiny negative values) counts as 0.
/// Throws std::domain_error for NaN or infinity, which no chart holds.
std::string PrintSignData(double z);

/// The sixteen zodiac texts of one chart, in chart-point order (Sun first).
using ChartTexts = std::array<std::string, kChartPointCount>;

/// PrintSignData of every point's longitude: the chart as it is displayed.
ChartTexts ChartTextsOf(const NatalChart& chart);

}  // namespace kelvra
