// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/birth_data.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

TEST(BirthData, CoordinatesAreSignedDecimalDegrees) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  struct Row {
    int deg, min;
    LatitudeDirection lat;
    LongitudeDirection lon;
    double latitude, longitude;
  };
  const Row rows[] = {
      {0, 0, North, East, 0, 0},
      {51, 30, North, West, 51.5, -51.5},
      {33, 52, South, East, -(33 + 52 / 60.0), 33 + 52 / 60.0},
      {0, 45, South, West, -0.75, -0.75},
      {999, 999, North, East, 1015.65, 1015.65},  // admitted as typed, not reduced
      {999, 999, South, West, -1015.65, -1015.65},
  };
  for (const auto& row : rows) {
    BirthData birth;
    birth.LatDeg = birth.LongDeg = row.deg;
    birth.LatMin = birth.LongMin = row.min;
    birth.LatDir = row.lat;
    birth.LongDir = row.lon;
    EXPECT_DOUBLE_EQ(GeographicLatitude(birth), row.latitude) << row.deg << ' ' << row.min;
    EXPECT_DOUBLE_EQ(GeographicLongitude(birth), row.longitude) << row.deg << ' ' << row.min;
  }
}

}  // namespace
}  // namespace kelvra
