// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/contacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace kelvra {
namespace {

using P = ChartPoint;
using A = AspectKind;

constexpr OrbSet kLumAngular{{4, 6, 8, 12, 15}}, kLumSuccedent{{3, 5, 7, 10, 13}}, kLumCadent{{2, 4, 6, 8, 11}};
constexpr OrbSet kPlanAngular{{3, 5, 7, 10, 12}}, kPlanSuccedent{{2, 4, 6, 8, 10}}, kPlanCadent{{1, 3, 5, 6, 8}};

TEST(OrbsFor, ByPointAndHouseClass) {
  struct Row {
    ChartPoint point;
    double house;
    OrbSet detect, power;
  };
  const Row rows[] = {
      {P::Sun, 1, kLumAngular, kLumAngular},          {P::Moon, 10, kLumAngular, kLumAngular},
      {P::Sun, 2, kLumSuccedent, kLumSuccedent},      {P::Moon, 11, kLumSuccedent, kLumSuccedent},
      {P::Sun, 3, kLumCadent, kLumCadent},            {P::Moon, 12, kLumCadent, kLumCadent},
      {P::Mercury, 4, kPlanAngular, kLumAngular},     {P::Mercury, 5, kPlanSuccedent, kLumSuccedent},
      {P::Mercury, 6, kPlanCadent, kLumCadent},       {P::Venus, 7, kPlanAngular, kPlanAngular},
      {P::Saturn, 8, kPlanSuccedent, kPlanSuccedent}, {P::Pluto, 9, kPlanCadent, kPlanCadent},
      // The Ascendant is angular whatever house its chart gives it.
      {P::Ascendant, 1, kPlanAngular, kPlanAngular},  {P::Ascendant, 2, kPlanAngular, kPlanAngular},
      {P::Ascendant, 3, kPlanAngular, kPlanAngular},
  };
  for (const auto& row : rows) {
    const PointOrbs orbs = OrbsFor(row.point, row.house);
    EXPECT_EQ(orbs.detect, row.detect) << ChartPointName(row.point) << " in house " << row.house;
    EXPECT_EQ(orbs.power, row.power) << ChartPointName(row.point) << " in house " << row.house;
  }
}

TEST(PairOrbs, SlotWiseMaximaOfEachSetOnItsOwn) {
  // Mercury angular: detect 3,5,7,10,12, power 4,6,8,12,15; Sun succedent: 3,5,7,10,13 both.
  const PointOrbs pair = PairOrbs(OrbsFor(P::Mercury, 1), OrbsFor(P::Sun, 2));
  EXPECT_EQ(pair.detect, (OrbSet{{3, 5, 7, 10, 13}}));
  EXPECT_EQ(pair.power, (OrbSet{{4, 6, 8, 12, 15}}));
  // Sun in house 2 against Mars in house 9.
  EXPECT_EQ(PairOrbs(OrbsFor(P::Sun, 2), OrbsFor(P::Mars, 9)).detect, kLumSuccedent);
}

TEST(DetectAspect, TestsInOrderWithInclusiveBounds) {
  const PointOrbs planets{kPlanAngular, kPlanAngular};            // D = P = 3, 5, 7, 10, 12
  const PointOrbs wide{{{3, 5, 7, 12, 12}}, {{4, 6, 8, 14, 15}}};  // D4 = 12 reaches both sides of 130
  struct Row {
    double d;
    PointOrbs orbs;
    AspectKind aspect;
    double strength;
  };
  const Row rows[] = {
      {0, planets, A::Conjunction, 12},      {12, planets, A::Conjunction, 0},    {12.01, planets, A::None, 0},
      {27, planets, A::SemiSextile, 0},      {33, planets, A::SemiSextile, 0},    {26.99, planets, A::None, 0},
      {30, planets, A::SemiSextile, 3},      {40, planets, A::SemiSquare, 0},     {50, planets, A::SemiSquare, 0},
      {53, planets, A::Sextile, 0},          {67, planets, A::Sextile, 0},        {60.5, planets, A::Sextile, 6.5},
      {80, planets, A::Square, 0},           {100, planets, A::Square, 0},        {95, planets, A::Square, 5},
      {110, planets, A::Trine, 0},           {130, planets, A::Trine, 0},         {120, planets, A::Trine, 10},
      {130, wide, A::Trine, 4},              {130.5, wide, A::Sesquiquadrate, 1.5}, {131, wide, A::Sesquiquadrate, 2},
      {132, wide, A::Sesquiquadrate, 3},               {140, planets, A::Sesquiquadrate, 0}, {147, planets, A::Quincunx, 0},
      {153, planets, A::Quincunx, 0},        {153.5, planets, A::None, 0},        {168, planets, A::Opposition, 0},
      {180, planets, A::Opposition, 12},     {175.5, planets, A::Opposition, 7.5}, {20, planets, A::None, 0},
  };
  for (const auto& row : rows) {
    const AspectMatch match = DetectAspect(row.d, row.orbs);
    EXPECT_EQ(match.aspect, row.aspect) << "d = " << row.d;
    EXPECT_DOUBLE_EQ(match.strength, row.strength) << "d = " << row.d;
  }
}

TEST(DetectAspect, TheTrineStopsAt130) {
  // With D4 >= 10 the trine reaches 130; with D2 >= 5 the sesquiquadrate starts above it.
  const PointOrbs orbs{{{3, 5, 7, 10, 12}}, {{3, 6, 7, 11, 12}}};
  EXPECT_EQ(DetectAspect(130, orbs).aspect, A::Trine);
  EXPECT_DOUBLE_EQ(DetectAspect(130, orbs).strength, 1);  // P4 11 - gap 10
  EXPECT_EQ(DetectAspect(130.5, orbs).aspect, A::Sesquiquadrate);
  EXPECT_DOUBLE_EQ(DetectAspect(130.5, orbs).strength, 1.5);  // P2 6 - gap 4.5
  // D2 = 3 and D4 = 12: 131 is past the trine's bar and short of the sesquiquadrate.
  EXPECT_EQ(DetectAspect(131, PointOrbs{{{3, 3, 7, 12, 12}}, {{3, 3, 7, 12, 12}}}).aspect, A::None);
}

// A chart with every point far south of the equator at distinct declinations
// (no parallels unless a test sets them) and houses chosen per test.
NatalChart Chart(double house = 1) {
  NatalChart chart;
  for (auto point : kAllChartPoints) {
    chart.Longitude[point] = 0;
    chart.Declination[point] = 3.0 * static_cast<int>(point);
    chart.House[point] = house;
  }
  return chart;
}

std::vector<Contact> Between(const std::vector<Contact>& contacts, ChartPoint m, ChartPoint f) {
  std::vector<Contact> found;
  std::copy_if(contacts.begin(), contacts.end(), std::back_inserter(found),
               [&](const Contact& c) { return c.malePoint == m && c.femalePoint == f; });
  return found;
}

TEST(FindContacts, IdenticalChartsPairEveryPointWithItself) {
  const NatalChart chart = Chart(1);
  const auto contacts = FindContacts(chart, chart);
  for (ChartPoint p : kContactPoints) {
    const auto same = Between(contacts, p, p);
    if (p == P::Uranus || p == P::Neptune || p == P::Pluto) {
      EXPECT_TRUE(same.empty()) << ChartPointName(p);
      continue;
    }
    const double p5 = OrbsFor(p, 1).power[5];
    ASSERT_EQ(same.size(), 2u) << ChartPointName(p);
    EXPECT_EQ(same[0], (Contact{p, p, ContactKind::Conjunction, A::Conjunction, p5}));
    EXPECT_EQ(same[1], (Contact{p, p, ContactKind::Parallel, A::Conjunction, p5}));
  }
}

TEST(FindContacts, DistanceWrapsRoundTheCircle) {
  NatalChart male = Chart(), female = Chart();
  male.Longitude[P::Sun] = 359;
  female.Longitude[P::Moon] = 1;
  male.Longitude[P::Venus] = 10;
  female.Longitude[P::Mars] = 190;
  const auto contacts = FindContacts(male, female);
  ASSERT_EQ(Between(contacts, P::Sun, P::Moon).size(), 1u);
  EXPECT_EQ(Between(contacts, P::Sun, P::Moon)[0].kind, ContactKind::Conjunction);
  EXPECT_DOUBLE_EQ(Between(contacts, P::Sun, P::Moon)[0].strength, 15 - 2);
  ASSERT_EQ(Between(contacts, P::Venus, P::Mars).size(), 1u);
  EXPECT_EQ(Between(contacts, P::Venus, P::Mars)[0].kind, ContactKind::Opposition);
  EXPECT_DOUBLE_EQ(Between(contacts, P::Venus, P::Mars)[0].strength, 12);
}

TEST(FindContacts, OrbsComeFromEachPointsOwnHouse) {
  struct Row {
    ChartPoint m;
    double maleHouse;
    ChartPoint f;
    double femaleHouse;
    double d;
    std::optional<double> strength;  // of the conjunction; nothing when none
  };
  const Row rows[] = {
      {P::Sun, 2, P::Mars, 9, 12.5, 0.5},          // pair orbs from the Sun's succedent row
      {P::Sun, 3, P::Mars, 9, 12.5, std::nullopt},  // both cadent: D5 = 11
      {P::Mercury, 6, P::Venus, 6, 8, 3},          // Mercury cadent: detect 8, power 11
      {P::Mercury, 6, P::Venus, 6, 8.01, std::nullopt},
      {P::Ascendant, 3, P::Venus, 3, 12, 0},       // the Ascendant's angular D5 = 12, not cadent 8
      {P::Saturn, 3, P::Ascendant, 3, 12, 0},
  };
  for (const auto& row : rows) {
    NatalChart male = Chart(), female = Chart();
    male.House[row.m] = row.maleHouse;
    female.House[row.f] = row.femaleHouse;
    male.Longitude[row.m] = 100;
    female.Longitude[row.f] = 100 + row.d;
    const auto found = Between(FindContacts(male, female), row.m, row.f);
    if (row.strength) {
      ASSERT_EQ(found.size(), 1u) << ChartPointName(row.m) << '-' << ChartPointName(row.f) << " d " << row.d;
      EXPECT_EQ(found[0].kind, ContactKind::Conjunction);
      EXPECT_NEAR(found[0].strength, *row.strength, 1e-12);
    } else {
      EXPECT_TRUE(found.empty()) << ChartPointName(row.m) << '-' << ChartPointName(row.f) << " d " << row.d;
    }
  }
}

TEST(FindContacts, ParallelsCompareTheSizesOfDeclinations) {
  struct Row {
    double male, female;
    std::optional<double> share;  // of P5; nothing when no parallel
  };
  const Row rows[] = {{12.3, -12.8, 0.5}, {-5, -5, 1}, {12.5, 13.5, std::nullopt}, {-12.5, 13.5, std::nullopt},
                      {0.25, -1.2, 0.05}};
  for (const auto& row : rows) {
    NatalChart male = Chart(), female = Chart();
    male.Longitude[P::Sun] = 0;
    female.Longitude[P::Venus] = 105;  // between square and trine: no aspect
    male.Declination[P::Sun] = row.male;
    female.Declination[P::Venus] = row.female;
    const auto found = Between(FindContacts(male, female), P::Sun, P::Venus);
    if (row.share) {
      ASSERT_EQ(found.size(), 1u) << row.male << ' ' << row.female;
      EXPECT_EQ(found[0].kind, ContactKind::Parallel);
      EXPECT_EQ(found[0].pairAspect, A::None);
      EXPECT_NEAR(found[0].strength, 15 * *row.share, 1e-12) << row.male << ' ' << row.female;
    } else {
      EXPECT_TRUE(found.empty()) << row.male << ' ' << row.female;
    }
  }
}

TEST(FindContacts, OuterPlanetPairsAndUnusedPointsNeverAppear) {
  const NatalChart chart = Chart(1);  // every point conjunct and parallel with every other
  const auto contacts = FindContacts(chart, chart);
  const auto outer = [](ChartPoint p) { return p == P::Uranus || p == P::Neptune || p == P::Pluto; };
  for (const auto& c : contacts) {
    EXPECT_FALSE(outer(c.malePoint) && outer(c.femalePoint))
        << ChartPointName(c.malePoint) << '-' << ChartPointName(c.femalePoint);
    for (ChartPoint p : {c.malePoint, c.femalePoint}) {
      EXPECT_TRUE(std::find(kContactPoints.begin(), kContactPoints.end(), p) != kContactPoints.end())
          << ChartPointName(p);
    }
  }
  EXPECT_EQ(Between(contacts, P::Uranus, P::Sun).size(), 1u);  // an aspect only; declinations differ
  // 11 x 11 pairs less the 9 outer ones, each a conjunction; parallels only on the diagonal.
  EXPECT_EQ(contacts.size(), 121u - 9u + 8u);
}

TEST(FindContacts, GridOrder) {
  const NatalChart chart = Chart(1);
  const auto contacts = FindContacts(chart, chart);
  const auto rank = [](ChartPoint p) { return std::find(kContactPoints.begin(), kContactPoints.end(), p) - kContactPoints.begin(); };
  for (std::size_t i = 1; i < contacts.size(); ++i) {
    const auto& a = contacts[i - 1];
    const auto& b = contacts[i];
    const auto keyA = std::tuple(rank(a.malePoint), rank(a.femalePoint), a.kind == ContactKind::Parallel);
    const auto keyB = std::tuple(rank(b.malePoint), rank(b.femalePoint), b.kind == ContactKind::Parallel);
    EXPECT_LT(keyA, keyB) << "contact " << i;
  }
}

}  // namespace
}  // namespace kelvra
