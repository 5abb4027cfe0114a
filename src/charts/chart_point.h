// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kelvra {

/// The sixteen points of a natal chart. The numbers are the indexes that every
/// per-point array uses (index 0 exists and stays unused); note that the Moon
/// follows Pluto here although the ephemeris numbers it 1.
enum class ChartPoint : int {
  Sun = 1,
  Mercury = 2,
  Venus = 3,
  Mars = 4,
  Jupiter = 5,
  Saturn = 6,
  Uranus = 7,
  Neptune = 8,
  Pluto = 9,
  Moon = 10,
  NorthNode = 11,
  SouthNode = 12,
  PartOfFortune = 13,
  Ascendant = 14,
  Midheaven = 15,
  Chiron = 16,
};

inline constexpr int kChartPointCount = 16;

/// Every chart point in index order, 1 to 16.
inline constexpr std::array<ChartPoint, kChartPointCount> kAllChartPoints = [] {
  std::array<ChartPoint, kChartPointCount> points{};
  for (int i = 0; i < kChartPointCount; ++i) points[static_cast<std::size_t>(i)] = static_cast<ChartPoint>(i + 1);
  return points;
}();

/// The point's index in a per-point array (1..16).
constexpr std::size_t Index(ChartPoint point) { return static_cast<std::size_t>(point); }

/// The enumerator's name, as "Sun" or "PartOfFortune".
std::string_view ChartPointName(ChartPoint point);

/// One double per chart point, indexed 0..16 with index 0 unused.
class PerPoint {
 public:
  double& operator[](ChartPoint point) { return values_[Index(point)]; }
  double operator[](ChartPoint point) const { return values_[Index(point)]; }
  bool operator==(const PerPoint&) const = default;

 private:
  std::array<double, kChartPointCount + 1> values_{};
};

}  // namespace kelvra
