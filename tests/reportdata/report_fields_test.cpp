// SPDX-License-Identifier: AGPL-3.0-or-later
#include "reportdata/report_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvra {
namespace {

ChartTexts Texts(char person) {
  ChartTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(1, person) + std::to_string(i + 1);
  return texts;
}

TEST(CompatibilityReport, CopiesEveryFieldVerbatim) {
  const ReportPerson male{"  Arthur ", "March", "1", "2050", " ", "Kent", "England "};
  const ReportPerson female{"Guinevere", "January", "31", "1900", "Camelot", "  ", "Logres"};
  const CompatibilityResult result{1500, -225, -3370, 0, "Poor"};
  const CompatibilityReport report = MakeCompatibilityReport(male, female, Texts('m'), Texts('f'), result);

  EXPECT_EQ(report.mName, "  Arthur ");
  EXPECT_EQ(report.mDOB, "March 1, 2050");
  EXPECT_EQ(report.mCity, " ");
  EXPECT_EQ(report.Mcountry, "England ");
  EXPECT_EQ(report.fDOB, "January 31, 1900");
  EXPECT_EQ(report.fState, "  ");
  EXPECT_EQ(report.Power, "1500");
  EXPECT_EQ(report.Harmony, "-225");
  EXPECT_EQ(report.PH, "-3370");
  EXPECT_EQ(report.Percentage, "0");
  EXPECT_EQ(report.Comment, "Poor");

  // Chart rows follow the chart points: the female Jupiter field is FJupiter,
  // the Neptune row comes from index 8, Chiron is the last.
  const std::pair<std::string CompatibilityReport::*, const char*> rows[] = {
      {&CompatibilityReport::mSun, "m1"},      {&CompatibilityReport::mNeptune, "m8"},
      {&CompatibilityReport::mMoon, "m10"},    {&CompatibilityReport::mNN, "m11"},
      {&CompatibilityReport::mPF, "m13"},      {&CompatibilityReport::mA, "m14"},
      {&CompatibilityReport::mMC, "m15"},      {&CompatibilityReport::mC, "m16"},
      {&CompatibilityReport::FJupiter, "f5"},  {&CompatibilityReport::fNeptune, "f8"},
      {&CompatibilityReport::fSN, "f12"},      {&CompatibilityReport::fC, "f16"},
  };
  for (const auto& [field, text] : rows) EXPECT_EQ(report.*field, text);
}

TEST(CompatibilityReport, FieldTableNamesAll47Once) {
  std::set<std::string_view> names;
  for (const auto& [name, member] : kReportFields) names.insert(name);
  EXPECT_EQ(names.size(), 47u);
  EXPECT_EQ(kReportFields.front().first, "mName");
  EXPECT_EQ(kReportFields[4].first, "Mcountry");
  EXPECT_EQ(kReportFields.back().first, "Comment");

  // Distinct inputs give 47 distinct values, so each name reaches its own field.
  const CompatibilityReport report =
      MakeCompatibilityReport({"a", "b", "c", "d", "e", "f", "g"}, {"h", "i", "j", "k", "l", "m", "n"}, Texts('m'),
                              Texts('f'), {1, 2, 3, 4, "Good"});
  std::set<std::string> values;
  for (const auto& [name, member] : kReportFields) values.insert(report.*member);
  EXPECT_EQ(values.size(), 47u);
}

}  // namespace
}  // namespace kelvra
