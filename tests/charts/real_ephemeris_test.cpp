// SPDX-License-Identifier: AGPL-3.0-or-later
// Charts from the real library and its Debian data files, checked against an
// independent planetary theory.
#include <gtest/gtest.h>

#include <cmath>

#include "charts/natal_chart.h"
#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"

namespace kelvra {
namespace {

using P = ChartPoint;

// Two independent theories agree to a few thousandths of a degree; 0.01
// leaves room for that without hiding a wrong body, flag or time.
constexpr double kTolerance = 0.01;

double AngleGap(double a, double b) {
  const double d = std::fabs(std::fmod(a - b, 360.0));
  return d > 180 ? 360 - d : d;
}

BirthData Birth(const char* day, int month, const char* year, int hour, int minute, int latDeg, int latMin,
                LatitudeDirection latDir, int longDeg, int longMin, LongitudeDirection longDir) {
  BirthData b;
  b.Name = "Test";
  b.Day = day;
  b.Month = month;
  b.Year = year;
  b.Hour = hour;
  b.Minute = minute;
  b.LatDeg = latDeg;
  b.LatMin = latMin;
  b.LatDir = latDir;
  b.LongDeg = longDeg;
  b.LongMin = longMin;
  b.LongDir = longDir;
  return b;
}

class RealEphemeris : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ephemeris_.SetEphePath(kEphemerisDataPath); }
  static SwissEphemeris ephemeris_;
};
SwissEphemeris RealEphemeris::ephemeris_;

TEST_F(RealEphemeris, SunAtTheMarchEquinoxOf2000) {
  // The equinox fell on 20 March 2000 at 07:35 UT.
  const auto chart = CalcChart(Birth("20", 3, "2000", 7, 35, 0, 0, LatitudeDirection::North, 0, 0,
                                     LongitudeDirection::East),
                               ephemeris_);
  EXPECT_LT(AngleGap(chart.Longitude[P::Sun], 0), kTolerance) << chart.Longitude[P::Sun];
  EXPECT_NEAR(chart.Declination[P::Sun], 0, kTolerance);
}

struct Reference {
  ChartPoint point;
  double longitude, declination;
};

// Source: PyEphem 4.1.4 (Debian python3-ephem; VSOP87 and ELP, not the Swiss
// Ephemeris), geocentric apparent positions of date at the TT instant that
// the chart's Julian day names (the chart hands its clock time to swe_calc
// unchanged), by
//   d = ephem.Date('1985/07/13 14:30'); d = ephem.Date(d - ephem.delta_t(d) / 86400)
//   b = ephem.Sun(); b.compute(d, epoch=d)
//   ephem.Ecliptic(ephem.Equatorial(b.g_ra, b.g_dec, epoch=d), epoch=d).lon, b.g_dec
// Ascendant and Midheaven: from ephem.Observer().sidereal_time() at 51N30,
// 0W07 with MC = atan2(sin RAMC, cos RAMC cos e) and
// Asc = atan2(cos RAMC, -(sin RAMC cos e + tan lat sin e)).
const Reference kLondon1985[] = {
    {P::Sun, 111.1254, 21.7833},     {P::Moon, 60.0486, 21.3564},     {P::Mercury, 137.6639, 15.1237},
    {P::Venus, 67.8718, 19.0701},    {P::Mars, 112.4970, 22.5729},    {P::Jupiter, 314.7150, -17.1838},
    {P::Saturn, 231.5883, -16.0330}, {P::Uranus, 254.6121, -22.5893}, {P::Neptune, 271.7186, -22.2737},
    {P::Pluto, 211.9249, 3.6460},
};
constexpr double kLondon1985Asc = 221.2473, kLondon1985Mc = 146.5685;

// Same source and commands for 2 November 1950, 03:00, at 33S52, 151E13.
const Reference kSydney1950[] = {
    {P::Sun, 219.1202, -14.5406},    {P::Moon, 118.6458, 24.7629},   {P::Mercury, 219.3769, -14.3426},
    {P::Venus, 216.1368, -12.6280},  {P::Mars, 266.8948, -24.7154},  {P::Jupiter, 327.7206, -13.4093},
    {P::Saturn, 178.2359, 2.5574},   {P::Uranus, 99.3602, 23.4267},  {P::Neptune, 197.9042, -5.5722},
    {P::Pluto, 139.7693, 22.7994},
};
constexpr double kSydney1950Asc = 332.3105, kSydney1950Mc = 239.2505;

void ExpectMatches(const NatalChart& chart, std::span<const Reference> references, double asc, double mc) {
  for (const auto& ref : references) {
    EXPECT_LT(AngleGap(chart.Longitude[ref.point], ref.longitude), kTolerance)
        << ChartPointName(ref.point) << ": expected " << ref.longitude << ", got " << chart.Longitude[ref.point];
    EXPECT_NEAR(chart.Declination[ref.point], ref.declination, kTolerance) << ChartPointName(ref.point);
  }
  EXPECT_LT(AngleGap(chart.Longitude[P::Ascendant], asc), kTolerance) << chart.Longitude[P::Ascendant];
  EXPECT_LT(AngleGap(chart.Longitude[P::Midheaven], mc), kTolerance) << chart.Longitude[P::Midheaven];
}

TEST_F(RealEphemeris, AgreesWithAnIndependentTheory) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  ExpectMatches(CalcChart(Birth("13", 7, "1985", 14, 30, 51, 30, North, 0, 7, West), ephemeris_), kLondon1985,
                kLondon1985Asc, kLondon1985Mc);
  ExpectMatches(CalcChart(Birth("2", 11, "1950", 3, 0, 33, 52, South, 151, 13, East), ephemeris_), kSydney1950,
                kSydney1950Asc, kSydney1950Mc);
}

TEST_F(RealEphemeris, Hour24IsMidnightOfTheNextDay) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  EXPECT_EQ(CalcChart(Birth("31", 12, "1999", 24, 30, 40, 0, North, 74, 0, West), ephemeris_),
            CalcChart(Birth("1", 1, "2000", 0, 30, 40, 0, North, 74, 0, West), ephemeris_));
}

TEST_F(RealEphemeris, TheSecondChangesNothing) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  BirthData birth = Birth("13", 7, "1985", 10, 15, 51, 30, North, 0, 7, West);
  const NatalChart atZero = CalcChart(birth, ephemeris_);
  birth.Second = 59;
  EXPECT_EQ(CalcChart(birth, ephemeris_), atZero);
}

TEST_F(RealEphemeris, BirthplaceMovesOnlyTheLocalPoints) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  const NatalChart london = CalcChart(Birth("13", 7, "1985", 14, 30, 51, 30, North, 0, 7, West), ephemeris_);
  const NatalChart delhi = CalcChart(Birth("13", 7, "1985", 14, 30, 28, 36, North, 77, 12, East), ephemeris_);
  for (auto point : {P::Sun, P::Moon, P::Mercury, P::Venus, P::Mars, P::Jupiter, P::Saturn, P::Uranus, P::Neptune,
                     P::Pluto, P::NorthNode, P::SouthNode, P::Chiron}) {
    EXPECT_EQ(london.Longitude[point], delhi.Longitude[point]) << ChartPointName(point);
  }
  EXPECT_NE(london.Longitude[P::Ascendant], delhi.Longitude[P::Ascendant]);
  EXPECT_NE(london.Longitude[P::Midheaven], delhi.Longitude[P::Midheaven]);
  EXPECT_NE(london.Longitude[P::PartOfFortune], delhi.Longitude[P::PartOfFortune]);
  EXPECT_NE(london.House, delhi.House);
}

// The drawn cusps come from the chart's own houses call: the first and tenth
// are the Ascendant and Midheaven. Past the polar circle the library gives
// Porphyry cusps, which still run in zodiac order.
TEST_F(RealEphemeris, CuspsAndTheirHouseSystem) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  const struct {
    int latDeg;
    bool porphyry;
  } cases[] = {{0, false}, {51, false}, {65, false}, {70, true}, {80, true}};
  for (const auto& c : cases) {
    const NatalChart chart = CalcChart(Birth("1", 1, "1980", 12, 0, c.latDeg, 0, North, 10, 0, East), ephemeris_);
    EXPECT_EQ(chart.PorphyryCusps, c.porphyry) << c.latDeg;
    EXPECT_EQ(chart.Cusps[1], chart.Longitude[P::Ascendant]) << c.latDeg;
    EXPECT_EQ(chart.Cusps[10], chart.Longitude[P::Midheaven]) << c.latDeg;
    double turned = 0;  // the twelve cusps go once round the zodiac
    for (int house = 1; house <= 12; ++house)
      turned += std::fmod(chart.Cusps[house % 12 + 1] - chart.Cusps[house] + 360, 360.0);
    EXPECT_NEAR(turned, 360, 1e-9) << c.latDeg;
  }
}

// Whatever the form admits gets a complete chart: the list ends, a day the
// month lacks, and coordinates of up to three digits each, far past the poles.
TEST_F(RealEphemeris, ExtremeInputsGiveCompleteCharts) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  const BirthData births[] = {
      Birth("1", 1, "1900", 0, 0, 0, 0, North, 0, 0, East),
      Birth("31", 12, "2050", 24, 59, 0, 0, North, 0, 0, East),
      Birth("31", 2, "2001", 12, 0, 45, 0, North, 10, 0, East),
      Birth("15", 6, "1975", 12, 0, 999, 999, North, 999, 999, East),
      Birth("15", 6, "1975", 12, 0, 999, 999, South, 999, 999, West),
      Birth("15", 6, "1975", 12, 0, 90, 0, North, 180, 0, West),
      Birth("15", 6, "1975", 12, 0, 89, 59, South, 0, 0, East),
      Birth("21", 12, "2050", 24, 59, 66, 33, North, 0, 999, East),
      Birth("1", 1, "1900", 0, 0, 0, 999, South, 0, 999, West),
  };
  for (const auto& birth : births) {
    const NatalChart chart = CalcChart(birth, ephemeris_);
    for (auto point : kAllChartPoints) {
      const auto where = ::testing::Message() << birth.Day << '/' << birth.Month << '/' << birth.Year << ' '
                                              << birth.LatDeg << ' ' << birth.LatMin << ' '
                                              << ChartPointName(point);
      EXPECT_GE(chart.Longitude[point], 0) << where;
      EXPECT_LE(chart.Longitude[point], 360) << where;
      EXPECT_LE(std::fabs(chart.Declination[point]), 90) << where;
      EXPECT_GE(chart.House[point], 1) << where;
      EXPECT_LE(chart.House[point], 12) << where;
      EXPECT_EQ(chart.House[point], std::floor(chart.House[point])) << where;
      EXPECT_EQ(PrintSignData(chart.Longitude[point]).size(), 9u) << where;
    }
  }
}

}  // namespace
}  // namespace kelvra
