// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cosmodynes/verdict.h"
#include "vocabulary/chart_words.h"
#include "vocabulary/report_words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {
namespace {

TEST(ReportRowCaption, EveryPointHasItsOwnShortCaption) {
  std::set<std::string> captions;
  for (const ChartPoint point : kAllChartPoints) {
    const std::string caption = Tr(words::ReportRowCaption(point));
    EXPECT_FALSE(caption.empty()) << ChartPointName(point);
    captions.insert(caption);
  }
  EXPECT_EQ(captions.size(), static_cast<std::size_t>(kChartPointCount));
  // The rows are narrower than the chart table, whose nodes are "N. Node".
  EXPECT_EQ(Tr(words::ReportRowCaption(ChartPoint::NorthNode)), "N.Node");
  EXPECT_EQ(Tr(words::ReportRowCaption(ChartPoint::SouthNode)), "S.Node");
  EXPECT_EQ(Tr(words::ReportRowCaption(ChartPoint::PartOfFortune)), "P_of_F");
}

TEST(VerdictWord, EveryVerdictTheAnalysisGivesHasItsWord) {
  for (std::int32_t percentage = 0; percentage <= 100; ++percentage) {
    const std::optional<std::string> verdict = CommentForPercentage(percentage);
    ASSERT_TRUE(verdict);
    const Template* word = words::VerdictWord(*verdict);
    ASSERT_NE(word, nullptr) << *verdict;
    EXPECT_EQ(Tr(*word), *verdict);  // English shows the verdict as it is
  }
  for (const char* other : {"", "good", "Comment", "Good "}) EXPECT_EQ(words::VerdictWord(other), nullptr) << other;
}

TEST(BirthTimeOtherDay, CountsTheDaysAfterTheRow) {
  const struct {
    long long days;
    const char* sign;
    std::string text;
  } cases[] = {
      {1, "+", "00:15 UT (+1 day)"},
      {1, "\u2212", "00:15 UT (\u22121 day)"},
      {2, "+", "00:15 UT (+2 days)"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrN(words::kBirthTimeOtherDay, c.days, {"00:15 UT", c.sign}), c.text);
}

TEST(CommandFailed, AReasonIsNeverFilledInTurn) {
  EXPECT_EQ(Tr(words::kCommandFailed, {"Print", "disk %1 full"}),
            "The command \"Print\" could not be completed: disk %1 full. Everything you entered is kept.");
}

}  // namespace
}  // namespace kelvra
