// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/zodiac.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <stdexcept>

namespace kelvra {
namespace {

TEST(PrintSignData, Examples) {
  struct Row {
    double longitude;
    const char* text;
  };
  const Row rows[] = {
      {0, "00 Ari 00"},      {10.25, "10 Ari 15"},  {29.9999, "29 Ari 59"}, {30, "00 Tau 00"},
      {45.25, "15 Tau 15"},  {123.5, "03 Leo 30"},  {181.7, "01 Lib 42"},  {270.05, "00 Cpr 03"},
      {299, "29 Cpr 00"},    {359.99, "29 Pis 59"}, {59.999, "29 Tau 59"}, {0.5 / 60, "00 Ari 01"},
      {0.49 / 60, "00 Ari 00"}, {359.999999999, "29 Pis 59"},
  };
  for (const auto& row : rows) EXPECT_EQ(PrintSignData(row.longitude), row.text) << row.longitude;
}

TEST(PrintSignData, EveryWholeDegree) {
  static const char* const kSigns[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                       "Lib", "Sco", "Sag", "Cpr", "Aqu", "Pis"};
  for (int degree = 0; degree < 360; ++degree) {
    for (double fraction : {0.0, 0.5, 59.5 / 60, 0.9999999}) {
      const std::string text = PrintSignData(degree + fraction);
      char expected[16];
      std::snprintf(expected, sizeof expected, "%02d %s", degree % 30, kSigns[degree / 30]);
      ASSERT_EQ(text.size(), 9u) << degree + fraction;
      EXPECT_EQ(text.substr(0, 6), expected) << degree + fraction;
    }
  }
}

TEST(PrintSignData, ValuesOutsideOneTurn) {
  struct Row {
    double longitude;
    const char* text;
  };
  const Row rows[] = {
      {360, "00 Ari 00"},   {-1e-15, "00 Ari 00"},  // NormalizeDegrees gives 360 here
      {-10, "20 Pis 00"},   {720.5, "00 Ari 30"},   {-0.25, "29 Pis 45"}, {1e300, "00 Ari 00"},
  };
  for (const auto& row : rows) EXPECT_EQ(PrintSignData(row.longitude), row.text) << row.longitude;
  EXPECT_THROW(PrintSignData(std::numeric_limits<double>::quiet_NaN()), std::domain_error);
  EXPECT_THROW(PrintSignData(-std::numeric_limits<double>::infinity()), std::domain_error);
}

TEST(RoundTo2, HalvesGoUp) {
  struct Row {
    double in, out;
  };
  const Row rows[] = {{0.125, 0.13}, {-0.125, -0.12}, {29.999, 30}, {1.234, 1.23}, {0, 0}, {28.996, 29}};
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(RoundTo2(row.in), row.out) << row.in;
}

}  // namespace
}  // namespace kelvra
