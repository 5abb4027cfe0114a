// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/natal_chart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "charts/angles.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

using testing::EphemerisCall;
using testing::RecordingEphemeris;
using P = ChartPoint;

BirthData London1985() {
  BirthData b;
  b.Name = "Arthur";
  b.Day = "13";
  b.Month = 7;
  b.Year = "1985";
  b.Hour = 14;
  b.Minute = 30;
  b.Second = 45;
  b.LatDeg = 51;
  b.LatMin = 30;
  b.LatDir = LatitudeDirection::North;
  b.LongDeg = 0;
  b.LongMin = 7;
  b.LongDir = LongitudeDirection::West;
  return b;
}

// Body b answers with longitude 10 b + 1 and declination b - 20, so every
// value shows where it came from.
RecordingEphemeris TaggedEphemeris() {
  RecordingEphemeris eph;
  for (int b : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15}) {
    eph.longitude[b] = 10.0 * b + 1;
    eph.declination[b] = b - 20.0;
    eph.housePosition[b] = 1 + (b % 12) + 0.75;
  }
  eph.ascendant = 100;
  eph.midheaven = 10;
  eph.armc = 12.5;
  eph.obliquity = 23.5;
  eph.julianDay = 2446260.1;
  return eph;
}

TEST(CalcChart, MakesTheLibraryCallsInTheirFixedOrder) {
  RecordingEphemeris eph = TaggedEphemeris();
  CalcChart(London1985(), eph);

  const double jd = eph.julianDay, lat = 51.5, lon = -7 / 60.0, armc = 12.5, eps = 23.5;
  std::vector<EphemerisCall> expected = {
      {"swe_julday", {1985, 7, 13, 14.5, 1}, {}, false},
      {"swe_houses", {jd, lat, lon, 80}, {}, false},
      {"swe_calc", {jd, -1, 0}, {}, true},
  };
  for (int b : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15}) {
    expected.push_back({"swe_calc", {jd, double(b), 258}, {}, true});
    expected.push_back({"swe_calc", {jd, double(b), 2306}, {}, true});
    // The house position sees the body's longitude with its latitude replaced by 0.
    expected.push_back({"swe_house_pos", {armc, lat, eps, 80, 10.0 * b + 1, 0, 0}, {}, true});
  }
  expected.push_back({"swe_close", {}, {}, false});
  EXPECT_THAT(eph.calls, ::testing::ElementsAreArray(expected));
}

TEST(CalcChart, ErrorTextIsClearedBeforeEveryBodyCall) {
  // A recorder that dirties the buffer on every call: the chart must clear it again.
  struct Dirtying : RecordingEphemeris {
    std::int32_t Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx, ErrorText serr) override {
      const auto result = RecordingEphemeris::Calc(tjd, ipl, iflag, xx, serr);
      serr[serr.size() - 1] = 'x';
      return result;
    }
  } eph;
  CalcChart(London1985(), eph);
  for (const auto& call : eph.calls) {
    if (call.function == "swe_calc" && call.args[1] != -1) {
      EXPECT_TRUE(call.errorTextCleared) << call;
    }
  }
}

TEST(CalcChart, BodiesLandAtTheirChartIndexes) {
  RecordingEphemeris eph = TaggedEphemeris();
  const NatalChart chart = CalcChart(London1985(), eph);
  struct Row {
    ChartPoint point;
    int body;
  };
  const Row rows[] = {{P::Sun, 0},     {P::Mercury, 2}, {P::Venus, 3},   {P::Mars, 4},
                      {P::Jupiter, 5}, {P::Saturn, 6},  {P::Uranus, 7},  {P::Neptune, 8},
                      {P::Pluto, 9},   {P::Moon, 1},    {P::NorthNode, 11}, {P::Chiron, 15}};
  for (const auto& row : rows) {
    EXPECT_EQ(chart.Longitude[row.point], 10.0 * row.body + 1) << ChartPointName(row.point);
    EXPECT_EQ(chart.House[row.point], 1 + row.body % 12) << ChartPointName(row.point);
    if (row.point != P::NorthNode) {
      EXPECT_EQ(chart.Declination[row.point], row.body - 20.0) << ChartPointName(row.point);
    }
  }
  // The node's declination is that of its ecliptic longitude, not the library's.
  EXPECT_DOUBLE_EQ(chart.Declination[P::NorthNode], EclipticDeclination(111, 23.5));
}

TEST(CalcChart, DerivedPoints) {
  RecordingEphemeris eph = TaggedEphemeris();
  eph.ascendant = 350;
  eph.midheaven = 260;
  eph.longitude[1] = 300;  // Moon
  eph.longitude[0] = 10;   // Sun
  const NatalChart chart = CalcChart(London1985(), eph);

  EXPECT_DOUBLE_EQ(chart.Longitude[P::SouthNode], 291);  // 111 + 180
  EXPECT_DOUBLE_EQ(chart.Longitude[P::Ascendant], 350);
  EXPECT_DOUBLE_EQ(chart.Longitude[P::Midheaven], 260);
  EXPECT_DOUBLE_EQ(chart.Longitude[P::PartOfFortune], 280);  // 350 + 300 - 10 = 640, less a turn
  for (auto point : {P::SouthNode, P::Ascendant, P::Midheaven, P::PartOfFortune}) {
    EXPECT_DOUBLE_EQ(chart.Declination[point], EclipticDeclination(chart.Longitude[point], 23.5))
        << ChartPointName(point);
  }
  EXPECT_EQ(chart.House[P::Ascendant], 1);
  EXPECT_EQ(chart.House[P::Midheaven], 10);
  EXPECT_EQ(chart.House[P::PartOfFortune], 1);
}

TEST(CalcChart, PartOfFortuneWrapsBelowZero) {
  RecordingEphemeris eph = TaggedEphemeris();
  eph.ascendant = 10;
  eph.longitude[1] = 20;
  eph.longitude[0] = 100;
  EXPECT_DOUBLE_EQ(CalcChart(London1985(), eph).Longitude[P::PartOfFortune], 290);
}

TEST(CalcChart, SouthNodeIsOppositeTheNorthNode) {
  struct Row {
    double northLongitude, southLongitude;
    double northHousePosition, southHouse;
  };
  const Row rows[] = {
      {200, 20, 6.2, 12}, {90, 270, 7.9, 1}, {0, 180, 12.5, 6}, {359.5, 179.5, 1.0, 7}, {180, 0, 5.99, 11},
  };
  for (const auto& row : rows) {
    RecordingEphemeris eph = TaggedEphemeris();
    eph.longitude[11] = row.northLongitude;
    eph.housePosition[11] = row.northHousePosition;
    const NatalChart chart = CalcChart(London1985(), eph);
    EXPECT_DOUBLE_EQ(chart.Longitude[P::SouthNode], row.southLongitude) << row.northLongitude;
    EXPECT_EQ(chart.House[P::SouthNode], row.southHouse) << row.northHousePosition;
  }
}

TEST(CalcChart, HourValueIgnoresTheSecond) {
  struct Row {
    int hour, minute, second;
    double hourValue;
  };
  const Row rows[] = {{0, 0, 0, 0}, {10, 15, 59, 10.25}, {10, 15, 0, 10.25}, {24, 30, 0, 24.5}, {24, 59, 59, 24 + 59 / 60.0}};
  for (const auto& row : rows) {
    BirthData birth = London1985();
    birth.Hour = row.hour;
    birth.Minute = row.minute;
    birth.Second = row.second;
    RecordingEphemeris eph;
    CalcChart(birth, eph);
    ASSERT_FALSE(eph.calls.empty());
    EXPECT_DOUBLE_EQ(eph.calls.front().args[3], row.hourValue) << row.hour << ':' << row.minute << ':' << row.second;
  }
}

TEST(CalcChart, DateIsPassedUncheckedAndConvertedHalfToEven) {
  BirthData birth = London1985();
  birth.Day = " 31 ";
  birth.Month = 2;
  birth.Year = "2050.5";  // not from the lists, but converted like any text
  RecordingEphemeris eph;
  CalcChart(birth, eph);
  EXPECT_EQ(eph.calls.front(), (EphemerisCall{"swe_julday", {2050, 2, 31, 14.5, 1}, {}, false}));
}

TEST(CalcChart, RefusesADateFieldThatIsNotANumber) {
  for (auto [day, year] : {std::pair{"x", "1985"}, {"13", ""}, {"", "1985"}}) {
    BirthData birth = London1985();
    birth.Day = day;
    birth.Year = year;
    RecordingEphemeris eph;
    EXPECT_THROW(CalcChart(birth, eph), std::invalid_argument) << '"' << day << "\" \"" << year << '"';
    EXPECT_TRUE(eph.calls.empty());
  }
}

TEST(CalcChart, UndefinedLibraryValuesBecomeDefinedOnes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    double housePosition, house;
  };
  // Positions outside 1 <= h < 13 wrap round the twelve houses.
  const Row houses[] = {{0.5, 12}, {13.2, 1}, {-0.5, 11}, {25, 1}, {nan, 1}, {inf, 1}, {12.999, 12}};
  for (const auto& row : houses) {
    RecordingEphemeris eph = TaggedEphemeris();
    eph.housePosition[0] = row.housePosition;
    EXPECT_EQ(CalcChart(London1985(), eph).House[P::Sun], row.house) << row.housePosition;
  }

  RecordingEphemeris eph = TaggedEphemeris();
  eph.longitude[0] = nan;
  eph.declination[1] = inf;
  eph.ascendant = nan;
  eph.midheaven = -inf;
  eph.obliquity = nan;
  const NatalChart chart = CalcChart(London1985(), eph);
  for (auto point : kAllChartPoints) {
    EXPECT_TRUE(std::isfinite(chart.Longitude[point])) << ChartPointName(point);
    EXPECT_TRUE(std::isfinite(chart.Declination[point])) << ChartPointName(point);
    EXPECT_GE(chart.House[point], 1) << ChartPointName(point);
    EXPECT_LE(chart.House[point], 12) << ChartPointName(point);
  }
  EXPECT_EQ(chart.Longitude[P::Sun], 0);
  EXPECT_EQ(chart.Declination[P::Moon], 0);
  EXPECT_EQ(chart.Longitude[P::Ascendant], 0);
}

}  // namespace
}  // namespace kelvra
