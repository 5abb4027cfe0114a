// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cosmodynes/explanation.h"
#include "vocabulary/why_words.h"

namespace kelvra {

/// The words that say why an analysis scored as it did, built from its
/// explanation and birth-time band. Plain UTF-8 text, no markup, no Qt.

/// A number as the explanation states it: rounded to `decimals`, trailing
/// zeros dropped unless `fixed`, a "+" before a positive value when `sign`,
/// never "-0", and "n/a" for what is not a finite number.
std::string ExplainedNumber(double x, int decimals = 2, bool sign = false, bool fixed = false);

/// "Male Ascendant trine female Venus"; with `articles`, "the male Ascendant
/// trine the female Venus", to sit inside a sentence.
std::string ContactWords(const Contact& contact, bool articles = false);

/// "Male Ascendant trine female Venus: +4.12 harmony (strength 4.12)".
std::string ContactLine(const ContactExplanation& contact);

/// Which end of the harmony deltas a list comes from.
enum class HarmonyDirection { Adding, TakingAway };

/// The `count` contacts that add most to harmony (largest delta first), or
/// take most away (most negative first), one ContactLine each; ties keep the
/// scan's order and a delta of 0 belongs to neither list. When fewer than
/// `count` qualify, a last line says how many do.
std::vector<std::string> StrongestContactLines(const Explanation& explanation, HarmonyDirection direction,
                                               std::size_t count = 3);

/// What the percentage measures, how it gives the comment, and where this
/// couple's figures stand, as DecideVerdict decides them from the totals.
std::string PercentageParagraph(const Explanation& explanation);

/// Where the bias in harmony comes from: how links set a harmony gain, then
/// the link that set the last one or the gain an earlier analysis left, and
/// how much of harmony the bias makes.
std::vector<std::string> BiasSentences(const Explanation& explanation);

/// The totals: the contacts' deltas, the bias and harmony; the strengths and power.
std::vector<std::string> TotalsSentences(const Explanation& explanation);

/// How each person's birth time moves the percentage over +-15 and +-60
/// minutes, whether the comment changes within +-15, and whose time matters
/// more. `result` is the real analysis's: its comment is the one that stays.
std::vector<std::string> BirthTimeSentences(const BirthTimeBand& band, const CompatibilityResult& result);

/// "Trine +4 (records 4); Jupiter +2 (records 2)", or "none"; the rules in
/// the contact kinds' and points' display words ("Opposition Sun–Moon").
/// A name that is no rule's is shown as it is.
std::string EffectsText(const std::vector<HarmonyEffect>& effects);

/// One cell of the contact table: its text and, for a number, the value it
/// sorts by.
struct WhyCell {
  std::string text;
  std::optional<double> sortKey;
  bool operator==(const WhyCell&) const = default;
};

/// One row of the contact table, a cell under each of words::kWhyColumns.
using WhyRow = std::array<WhyCell, words::kWhyColumns.size()>;

/// The table row of the contact at `index` in the scan (shown from 1).
WhyRow ContactRow(std::size_t index, const ContactExplanation& contact);

/// A titled run of paragraphs.
struct WhySection {
  std::string heading;
  std::vector<std::string> paragraphs;
};

/// Everything the explanation says: a title, the sections in reading order,
/// then the table of every contact in the scan's order.
struct WhyReport {
  std::string title = Tr(words::kWhyTitle);
  std::vector<WhySection> sections;
  std::vector<WhyRow> rows;
};

WhyReport DescribeAnalysis(const Explanation& explanation, const BirthTimeBand& band,
                           const CompatibilityResult& result);

/// "Why this result: Arthur and Guinevere", the names trimmed; without
/// either name, "Why this result".
std::string WhyTitle(std::string_view maleName, std::string_view femaleName);

}  // namespace kelvra
