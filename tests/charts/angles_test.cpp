// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvra {
namespace {

TEST(NormalizeDegrees, ReducesToOneTurn) {
  struct Row {
    double in, out;
  };
  const Row rows[] = {
      {0, 0},     {10, 10},   {359.5, 359.5}, {360, 0},  {370, 10},   {720, 0},
      {-10, 350}, {-360, 0},  {-370, 350},    {-0.5, 359.5}, {640, 280}, {-70, 290},
  };
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(NormalizeDegrees(row.in), row.out) << "x = " << row.in;
}

TEST(NormalizeDegrees, TinyNegativeGivesExactly360) {
  // What the formula yields in double arithmetic; the zodiac text copes with it.
  EXPECT_EQ(NormalizeDegrees(-1e-15), 360.0);
  EXPECT_LT(NormalizeDegrees(-1e-13), 360.0);
}

TEST(Angles, UseTheShortenedPi) {
  // With the full pi this would be 180 within 1e-13; the ten-decimal pi is
  // about 9e-11 short, which shows up as 5.3e-9 degrees.
  EXPECT_NEAR(Degrees(std::numbers::pi) - 180.0, 180.0 * (std::numbers::pi / kShortPi - 1), 1e-12);
  EXPECT_GT(Degrees(std::numbers::pi) - 180.0, 5e-9);
  EXPECT_GT(CosDeg(90), 4e-11);  // cos of a slightly short right angle
  EXPECT_DOUBLE_EQ(SinDeg(30), std::sin(30 * kShortPi / 180));
}

TEST(EclipticDeclination, CardinalPoints) {
  const double e = 23.4392911;
  struct Row {
    double longitude, declination;
  };
  const Row rows[] = {{0, 0}, {90, e}, {180, 0}, {270, -e}, {360, 0}};
  for (const auto& row : rows) {
    EXPECT_NEAR(EclipticDeclination(row.longitude, e), row.declination, 1e-8) << "longitude " << row.longitude;
  }
}

TEST(EclipticDeclination, MatchesSphericalFormula) {
  // sin(dec) = sin(e) sin(l), for a spot check away from the cardinal points.
  const double e = 23.44, l = 45.25;
  const double expected = std::asin(std::sin(e * std::numbers::pi / 180) * std::sin(l * std::numbers::pi / 180)) *
                          180 / std::numbers::pi;
  EXPECT_NEAR(EclipticDeclination(l, e), expected, 1e-7);
}

}  // namespace
}  // namespace kelvra
