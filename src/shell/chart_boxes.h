// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>

#include "charts/chart_point.h"

namespace kelvra {

/// The entry form's chart boxes, one pair per chart point in index order:
/// the analysis writes them and the report reads them. The male Neptune box
/// really is txtMNeptunes.
struct ChartBoxPair {
  const char* male;
  const char* female;
};

inline constexpr std::array<ChartBoxPair, kChartPointCount> kChartBoxes = {{
    {"txtMSun", "txtFSun"},
    {"txtMMercury", "txtFMercury"},
    {"txtMVenus", "txtFVenus"},
    {"txtMMars", "txtFMars"},
    {"txtMJupiter", "txtFJupiter"},
    {"txtMSaturn", "txtFSaturn"},
    {"txtMUranus", "txtFUranus"},
    {"txtMNeptunes", "txtFNeptune"},
    {"txtMPluto", "txtFPluto"},
    {"txtMMoon", "txtFMoon"},
    {"txtMN", "txtFN"},
    {"txtMS", "txtFS"},
    {"txtMP", "txtFP"},
    {"txtMAsc", "txtFAsc"},
    {"txtMMC", "txtFMC"},
    {"txtMC", "txtFC"},
}};

}  // namespace kelvra
