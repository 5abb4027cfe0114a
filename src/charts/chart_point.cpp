// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/chart_point.h"

namespace kelvra {

std::string_view ChartPointName(ChartPoint point) {
  static constexpr std::array<std::string_view, kChartPointCount + 1> kNames = {
      "",        "Sun",       "Mercury",   "Venus",         "Mars",      "Jupiter",
      "Saturn",  "Uranus",    "Neptune",   "Pluto",         "Moon",      "NorthNode",
      "SouthNode", "PartOfFortune", "Ascendant", "Midheaven", "Chiron"};
  const auto index = Index(point);
  return index < kNames.size() ? kNames[index] : std::string_view{};
}

}  // namespace kelvra
