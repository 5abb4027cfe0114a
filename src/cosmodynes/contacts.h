// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "charts/chart_point.h"
#include "charts/natal_chart.h"
#include "cosmodynes/contact_kinds.h"

namespace kelvra {

/// Five orbs in whole degrees, one per slot: slot 1 serves 30 and 150
/// degrees, slot 2 45 and 135, slot 3 60, slot 4 90 and 120, slot 5 0, 180
/// and the parallel.
struct OrbSet {
  std::array<int, 5> orbs{};
  /// The orb of slot 1..5.
  int operator[](int slot) const { return orbs[static_cast<std::size_t>(slot - 1)]; }
  bool operator==(const OrbSet&) const = default;
};

/// A point's orbs: `detect` decides whether an aspect exists, `power`
/// measures its strength.
struct PointOrbs {
  OrbSet detect;
  OrbSet power;
  bool operator==(const PointOrbs&) const = default;
};

/// The three house classes that choose a point's orbs.
enum class HouseClass { Angular = 0, Succedent = 1, Cadent = 2 };

/// The class of `house` for `point`'s orbs: angular 1, 4, 7, 10; succedent
/// 2, 5, 8, 11; cadent 3, 6, 9, 12. The Ascendant always counts as angular.
HouseClass OrbHouseClass(ChartPoint point, double house);

/// "angular", "succedent" or "cadent".
std::string_view HouseClassName(HouseClass houseClass);

/// The orb slot (1..5) that serves a contact kind; the parallel uses slot 5.
int OrbSlot(ContactKind kind);

/// The orbs of `point` lying in `house` (1..12) of its own chart, by the
/// point's class and the house's class (angular 1, 4, 7, 10; succedent 2, 5,
/// 8, 11; cadent 3, 6, 9, 12). The Ascendant always counts as angular.
PointOrbs OrbsFor(ChartPoint point, double house);

/// Slot-wise maxima of two points' orbs, each set on its own.
PointOrbs PairOrbs(const PointOrbs& male, const PointOrbs& female);

/// An aspect found at one distance, and its strength (power orb - gap).
struct AspectMatch {
  AspectKind aspect = AspectKind::None;
  double strength = 0;
};

/// The aspect at distance `d` (0 <= d <= 180 degrees) under the pair orbs:
/// the nine tests in their fixed order, bounds inclusive, the trine barred
/// above 130 degrees and the sesquiquadrate at or below it.
AspectMatch DetectAspect(double d, const PointOrbs& pair);

/// One scored link between a male and a female chart point.
struct Contact {
  ChartPoint malePoint;
  ChartPoint femalePoint;
  ContactKind kind;
  AspectKind pairAspect;  ///< the pair's aspect (None when there is none); equals kind for an aspect contact
  double strength;        ///< never negative

  bool operator==(const Contact&) const = default;
};

/// The points that take part in the scan, on both sides, in scan order.
inline constexpr std::array<ChartPoint, 11> kContactPoints = {
    ChartPoint::Sun,     ChartPoint::Mercury, ChartPoint::Venus,   ChartPoint::Mars,
    ChartPoint::Jupiter, ChartPoint::Saturn,  ChartPoint::Uranus,  ChartPoint::Neptune,
    ChartPoint::Pluto,   ChartPoint::Moon,    ChartPoint::Ascendant,
};

/// Every aspect and parallel between the two charts, in grid order: male
/// point outer, female point inner (both in kContactPoints order), the aspect
/// contact before the parallel contact of the same pair. Pairs of two points
/// from {Uranus, Neptune, Pluto} are skipped. A parallel needs the sizes of
/// the two declinations to differ by strictly less than 1 degree; its
/// strength is P5 x (1 - delta).
std::vector<Contact> FindContacts(const NatalChart& male, const NatalChart& female);

}  // namespace kelvra
