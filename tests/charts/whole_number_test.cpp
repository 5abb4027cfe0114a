// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/whole_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvra {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Row {
    double in, out;
  };
  const Row rows[] = {
      {2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4},  {0.5, 0},      {1.5, 2},
      {2.4, 2},   {2.6, 3},   {-0.4, -0}, {224.7, 225}, {3370.5, 3370}, {0.49999999999999994, 0},
      {1e300, 1e300},
  };
  for (const auto& row : rows) EXPECT_EQ(RoundHalfEven(row.in), row.out) << "x = " << row.in;
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

TEST(ToInt32HalfEven, RefusesWhatDoesNotFit) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(ToInt32HalfEven(12.5), 12);
  EXPECT_EQ(ToInt32HalfEven(-12.5), -12);
  EXPECT_EQ(ToInt32HalfEven(2147483647.4), kMax);
  EXPECT_EQ(ToInt32HalfEven(-2147483648.5), kMin);  // the even neighbour is in range
  EXPECT_EQ(ToInt32HalfEven(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInt32HalfEven(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt32HalfEven(std::nan("")), std::nullopt);
}

TEST(ParseWholeNumber, ReadsDecimalTextRoundingHalfToEven) {
  struct Row {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Row rows[] = {
      {"0", 0},
      {"007", 7},
      {" 12 ", 12},
      {"\t24", 24},
      {"+7", 7},
      {"-15", -15},
      {"2.5", 2},
      {"3.5", 4},
      {"-2.5", -2},
      {"2.50", 2},
      {"2.50001", 3},
      {"2.4999", 2},
      {".5", 0},
      {"1.", 1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483647.5", std::nullopt},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"abc", std::nullopt},
      {"1e3", std::nullopt},
      {"1 2", std::nullopt},
      {"1.2.3", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseWholeNumber(row.text), row.value) << '"' << row.text << '"';
}

}  // namespace
}  // namespace kelvra
