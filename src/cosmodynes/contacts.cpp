// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/contacts.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

HouseClass ClassOf(double house) {
  // Charts hold houses 1..12; anything else is read round the circle of twelve.
  if (!std::isfinite(house)) return HouseClass::Angular;
  const double offset = std::fmod(std::fmod(std::floor(house) - 1, 3.0) + 3.0, 3.0);
  return static_cast<HouseClass>(static_cast<int>(offset));
}

// Orb tables by house class (angular, succedent, cadent), slots 1..5.
constexpr OrbSet kLuminaryOrbs[] = {{{4, 6, 8, 12, 15}}, {{3, 5, 7, 10, 13}}, {{2, 4, 6, 8, 11}}};
constexpr OrbSet kPlanetOrbs[] = {{{3, 5, 7, 10, 12}}, {{2, 4, 6, 8, 10}}, {{1, 3, 5, 6, 8}}};

bool IsOuterPlanet(ChartPoint p) {
  return p == ChartPoint::Uranus || p == ChartPoint::Neptune || p == ChartPoint::Pluto;
}

struct AspectTest {
  AspectKind aspect;
  double exact;
  int slot;
};

// The order decides which aspect wins where two ranges meet.
constexpr AspectTest kAspectTests[] = {
    {AspectKind::Conjunction, 0, 5},      {AspectKind::SemiSextile, 30, 1}, {AspectKind::SemiSquare, 45, 2},
    {AspectKind::Sextile, 60, 3},         {AspectKind::Square, 90, 4},      {AspectKind::Trine, 120, 4},
    {AspectKind::Sesquiquadrate, 135, 2}, {AspectKind::Quincunx, 150, 1},   {AspectKind::Opposition, 180, 5},
};

bool Holds(const AspectTest& test, double d, const OrbSet& detect) {
  const int orb = detect[test.slot];
  switch (test.aspect) {
    case AspectKind::Conjunction: return d <= orb;
    case AspectKind::Opposition: return d >= 180 - orb;
    // The trine and the sesquiquadrate would overlap between 129 and 132.
    case AspectKind::Trine: return d <= 130 && d >= test.exact - orb && d <= test.exact + orb;
    case AspectKind::Sesquiquadrate: return d > 130 && d >= test.exact - orb && d <= test.exact + orb;
    default: return d >= test.exact - orb && d <= test.exact + orb;
  }
}

}  // namespace

HouseClass OrbHouseClass(ChartPoint point, double house) {
  return point == ChartPoint::Ascendant ? HouseClass::Angular : ClassOf(house);
}

std::string_view HouseClassName(HouseClass houseClass) {
  switch (houseClass) {
    case HouseClass::Angular: return "angular";
    case HouseClass::Succedent: return "succedent";
    case HouseClass::Cadent: return "cadent";
  }
  return {};
}

int OrbSlot(ContactKind kind) {
  for (const auto& test : kAspectTests) {
    if (ToContactKind(test.aspect) == kind) return test.slot;
  }
  return 5;  // the parallel
}

PointOrbs OrbsFor(ChartPoint point, double house) {
  const auto row = static_cast<std::size_t>(OrbHouseClass(point, house));
  switch (point) {
    case ChartPoint::Sun:
    case ChartPoint::Moon: return {kLuminaryOrbs[row], kLuminaryOrbs[row]};
    // Mercury detects like a planet but measures strength like the luminaries.
    case ChartPoint::Mercury: return {kPlanetOrbs[row], kLuminaryOrbs[row]};
    default: return {kPlanetOrbs[row], kPlanetOrbs[row]};
  }
}

PointOrbs PairOrbs(const PointOrbs& male, const PointOrbs& female) {
  PointOrbs pair;
  for (std::size_t i = 0; i < 5; ++i) {
    pair.detect.orbs[i] = std::max(male.detect.orbs[i], female.detect.orbs[i]);
    pair.power.orbs[i] = std::max(male.power.orbs[i], female.power.orbs[i]);
  }
  return pair;
}

AspectMatch DetectAspect(double d, const PointOrbs& pair) {
  for (const auto& test : kAspectTests) {
    if (Holds(test, d, pair.detect)) return {test.aspect, pair.power[test.slot] - std::fabs(d - test.exact)};
  }
  return {};
}

std::vector<Contact> FindContacts(const NatalChart& male, const NatalChart& female) {
  std::vector<Contact> contacts;
  contacts.reserve(2 * kContactPoints.size() * kContactPoints.size());
  for (ChartPoint m : kContactPoints) {
    const PointOrbs maleOrbs = OrbsFor(m, male.House[m]);
    for (ChartPoint f : kContactPoints) {
      if (IsOuterPlanet(m) && IsOuterPlanet(f)) continue;
      const PointOrbs pair = PairOrbs(maleOrbs, OrbsFor(f, female.House[f]));

      double d = std::fabs(female.Longitude[f] - male.Longitude[m]);
      if (d > 180) d = 360 - d;

      const AspectMatch match = DetectAspect(d, pair);
      if (match.aspect != AspectKind::None) {
        contacts.push_back({m, f, *ToContactKind(match.aspect), match.aspect, match.strength});
      }

      // Opposite sides of the equator count alike: only the sizes are compared.
      const double delta = std::fabs(std::fabs(male.Declination[m]) - std::fabs(female.Declination[f]));
      if (delta < 1) contacts.push_back({m, f, ContactKind::Parallel, match.aspect, pair.power[5] * (1 - delta)});
    }
  }
  return contacts;
}

}  // namespace kelvra
