// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvra {

/// P*H / 100 of the reference couple. A couple's percentage is 100 times this
/// divided by its own P*H / 100, so a larger P*H gives a smaller percentage.
inline constexpr double kReferencePH = 3370.47;

/// The five figures of one analysis, as the entry form keeps them.
struct CompatibilityResult {
  std::int32_t Power = 0;
  std::int32_t Harmony = 0;
  std::int32_t PH = 0;
  std::int32_t phPercentage = 0;
  std::string strComment;  ///< "Good", "Average", "Poor" or empty
  bool operator==(const CompatibilityResult&) const = default;
};

/// The outcome of one analysis: the figures, and the text of each figure that
/// the analysis states (nothing where it states none, e.g. no percentage when
/// P*H is 0). The P*H text is X with its decimals, unlike the whole PH.
struct Verdict {
  CompatibilityResult result;
  std::optional<std::string> powerText, harmonyText, phText, percentageText, commentText;
};

/// Turns the cosmodyne totals into the verdict. Every analysis starts from
/// the state before the first one (figures 0, no comment, no texts), so
/// nothing of an earlier couple can show up as this couple's.
///
/// - H < 0: nothing is stated.
/// - Power = round(P), Harmony = round(H), X = round(P x H) / 100 stated as
///   phText, PH = round(X); rounding is half to even throughout.
/// - phPercentage = round(3370.47 / X x 100), stated as percentageText;
///   comment "Poor" for 0..40, "Average" for 41..60, "Good" for 61..100,
///   none outside 0..100.
/// - X = 0 (no measurable P x H) has no percentage: the reference divided by
///   zero tends to plus or minus infinity, beyond 100 either way, so no
///   percentage and no comment are stated, as for any percentage outside
///   0..100; phPercentage stays 0.
Verdict DecideVerdict(double powerTotal, double harmonyTotal);

/// The comment for a percentage: "Poor" for 0..40, "Average" for 41..60,
/// "Good" for 61..100, nothing outside 0..100.
std::optional<std::string> CommentForPercentage(std::int32_t percentage);

/// A number as the figures are stated: plain decimal, no exponent, no digit
/// grouping, no trailing zeros, "-" when negative (1234, 3370.47, 12.5).
std::string NumberText(double x);

}  // namespace kelvra
