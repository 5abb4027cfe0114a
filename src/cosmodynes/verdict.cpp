// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/verdict.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "charts/whole_number.h"

namespace kelvra {

namespace {

// The totals of real charts are a few thousand at most; saturate rather than
// overflow if a caller ever passes more.
std::int32_t ToFigure(double x) {
  if (const auto value = ToInt32HalfEven(x)) return *value;
  if (std::isnan(x)) return 0;
  return x < 0 ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::optional<std::string> CommentForPercentage(std::int32_t percentage) {
  if (percentage < 0 || percentage > 100) return std::nullopt;
  if (percentage <= 40) return "Poor";
  if (percentage <= 60) return "Average";
  return "Good";
}

std::string NumberText(double x) {
  if (!std::isfinite(x)) return "0";
  x += 0.0;  // no "-0"
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
  return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

Verdict DecideVerdict(double powerTotal, double harmonyTotal) {
  Verdict verdict;
  if (harmonyTotal < 0) return verdict;

  CompatibilityResult& result = verdict.result;
  result.Power = ToFigure(powerTotal);
  verdict.powerText = std::to_string(result.Power);
  result.Harmony = ToFigure(harmonyTotal);
  verdict.harmonyText = std::to_string(result.Harmony);

  const double x = RoundHalfEven(powerTotal * harmonyTotal) / 100;
  verdict.phText = NumberText(x);
  result.PH = ToFigure(x);

  if (x == 0) return verdict;
  result.phPercentage = ToFigure(kReferencePH / x * 100);
  verdict.percentageText = std::to_string(result.phPercentage);
  if (auto comment = CommentForPercentage(result.phPercentage)) {
    result.strComment = *comment;
    verdict.commentText = std::move(comment);
  }
  return verdict;
}

}  // namespace kelvra
