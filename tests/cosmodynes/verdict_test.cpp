// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/verdict.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

struct Row {
  double p, h;
  const char* power;
  const char* harmony;
  const char* ph;
  const char* percentage;  // nullptr: not stated
  const char* comment;     // nullptr: not stated
  CompatibilityResult result;
};

TEST(DecideVerdict, Examples) {
  const Row rows[] = {
      // X = 3370.5; PH halves to the even 3370; 3370.47 / 3370.5 x 100 = 99.999 -> 100.
      {1500, 224.7, "1500", "225", "3370.5", "100", "Good", {1500, 225, 3370, 100, "Good"}},
      {5000, 100, "5000", "100", "5000", "67", "Good", {5000, 100, 5000, 67, "Good"}},
      {6000, 100, "6000", "100", "6000", "56", "Average", {6000, 100, 6000, 56, "Average"}},
      {10000, 100, "10000", "100", "10000", "34", "Poor", {10000, 100, 10000, 34, "Poor"}},
      // Above 100 per cent: no comment.
      {1000, 100, "1000", "100", "1000", "337", nullptr, {1000, 100, 1000, 337, ""}},
      // 100.5000447 rounds to 101.
      {33537, 10, "33537", "10", "3353.7", "101", nullptr, {33537, 10, 3354, 101, ""}},
      // Harmony halves go to the even neighbour; PH from X = 12.5 is 12.
      {500, 2.5, "500", "2", "12.5", "26964", nullptr, {500, 2, 12, 26964, ""}},
      {500, 3.5, "500", "4", "17.5", "19260", nullptr, {500, 4, 18, 19260, ""}},
      // X = 0: no percentage and no comment.
      {1500, 0, "1500", "0", "0", nullptr, nullptr, {1500, 0, 0, 0, ""}},
      {0, 50, "0", "50", "0", nullptr, nullptr, {0, 50, 0, 0, ""}},
      {0.7, 0.7, "1", "1", "0", nullptr, nullptr, {1, 1, 0, 0, ""}},  // |P x H| below 0.5
      {0.6, 1.0, "1", "1", "0.01", "33704700", nullptr, {1, 1, 0, 33704700, ""}},
  };
  for (const auto& row : rows) {
    const Verdict verdict = DecideVerdict(row.p, row.h);
    const auto what = ::testing::Message() << "P " << row.p << ", H " << row.h;
    EXPECT_EQ(verdict.result, row.result) << what;
    EXPECT_EQ(verdict.powerText, row.power) << what;
    EXPECT_EQ(verdict.harmonyText, row.harmony) << what;
    EXPECT_EQ(verdict.phText, row.ph) << what;
    EXPECT_EQ(verdict.percentageText, row.percentage ? std::optional<std::string>(row.percentage) : std::nullopt)
        << what;
    EXPECT_EQ(verdict.commentText, row.comment ? std::optional<std::string>(row.comment) : std::nullopt) << what;
  }
}

TEST(DecideVerdict, NegativeHarmonyStatesNothing) {
  for (double h : {-0.3, -1.0, -2500.0}) {
    const Verdict verdict = DecideVerdict(1500, h);
    EXPECT_EQ(verdict.result, CompatibilityResult{}) << h;
    for (const auto* text : {&verdict.powerText, &verdict.harmonyText, &verdict.phText, &verdict.percentageText,
                             &verdict.commentText})
      EXPECT_FALSE(text->has_value()) << h;
  }
}

TEST(CommentForPercentage, Bands) {
  struct Band {
    int percentage;
    const char* comment;
  };
  const Band bands[] = {{-1, nullptr}, {0, "Poor"},     {40, "Poor"}, {41, "Average"},
                        {60, "Average"}, {61, "Good"}, {100, "Good"}, {101, nullptr}};
  for (const auto& band : bands) {
    EXPECT_EQ(CommentForPercentage(band.percentage),
              band.comment ? std::optional<std::string>(band.comment) : std::nullopt)
        << band.percentage;
  }
}

TEST(NumberText, PlainDecimalWithoutTrailingZeros) {
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {{1234, "1234"},   {3370.47, "3370.47"}, {12.5, "12.5"},   {0, "0"},
                        {-0.0, "0"},      {-12.5, "-12.5"},     {0.01, "0.01"},   {3353.7, "3353.7"},
                        {1e21, "1000000000000000000000"},       {1234567.89, "1234567.89"}};
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.x), c.text) << c.x;
}

}  // namespace
}  // namespace kelvra
