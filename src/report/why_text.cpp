// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/why_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "vocabulary/chart_words.h"
#include "vocabulary/report_words.h"

namespace kelvra {

namespace {

constexpr std::string_view kDegree = "\u00b0";

std::string Point(ChartPoint point) { return Tr(PointWords(point)); }

std::string CountWords(std::size_t n) {
  return n >= 1 && n <= words::kWhyCountWords.size() ? Tr(words::kWhyCountWords[n - 1]) : std::to_string(n);
}

// A comment in the words the report shows it in.
std::string VerdictText(std::string_view comment) {
  const Template* word = words::VerdictWord(comment);
  return word ? Tr(*word) : std::string(comment);
}

std::string Points(std::int64_t n) { return TrN(words::kPercentagePoints, n); }

std::string HouseText(int house, HouseClass houseClass) {
  return Tr(words::HouseWords(houseClass), {std::to_string(house)});
}

WhyCell Number(double value, std::string text) {
  return {std::move(text), std::isfinite(value) ? std::optional<double>(value) : std::nullopt};
}

std::int64_t Width(const FigureRange& range) { return std::int64_t{range.high} - range.low; }

std::vector<std::string> PersonSentences(const PersonBand& band, const words::BirthTimeNearWords& near,
                                         const std::string& comment) {
  const FigureRange& p15 = band.percentage15;
  const std::string low = std::to_string(p15.low), high = std::to_string(p15.high);
  std::string first;
  if (p15.low == p15.high) {
    if (band.commentChanges15) {
      first = Tr(near.staysCommentChanges, {low});
    } else if (comment.empty()) {
      first = Tr(near.staysNoComment, {low});
    } else {
      first = Tr(near.staysCommentStays, {low, comment});
    }
  } else if (band.commentChanges15) {
    first = Tr(near.rangesCommentChanges, {low, high});
  } else if (comment.empty()) {
    first = Tr(near.rangesNoComment, {low, high});
  } else {
    first = Tr(near.rangesCommentStays, {low, high, comment});
  }
  const FigureRange& p60 = band.percentage60;
  std::string second = p60.low == p60.high
                           ? Tr(words::kBirthTimeFarStays, {std::to_string(p60.low)})
                           : Tr(words::kBirthTimeFarRanges, {std::to_string(p60.low), std::to_string(p60.high)});
  return {std::move(first), std::move(second)};
}

// A harmony rule in display words; a name that is no rule's stays as it is.
std::string RuleWords(const std::string& rule) {
  const std::optional<HarmonyRuleParts> parts = ParseHarmonyRule(rule);
  if (!parts) return rule;
  const std::optional<ContactKind> kind = parts->aspect ? ToContactKind(*parts->aspect) : std::nullopt;
  if (!kind) return Point(*parts->point);
  const std::string title = Tr(WordsOf(*kind).title);
  if (!parts->point) return title;
  if (!parts->other) return Tr(words::kRuleOfKindAndPoint, {title, Point(*parts->point)});
  return Tr(words::kRuleOfKindAndPair, {title, Point(*parts->point), Point(*parts->other)});
}

}  // namespace

std::string ExplainedNumber(double x, int decimals, bool sign, bool fixed) {
  if (!std::isfinite(x)) return Tr(words::kWhyNotANumber);
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return Tr(words::kWhyNotANumber);
  std::string text(buffer, end);
  if (!fixed && text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  const bool zero = text.find_first_not_of("-0.") == std::string::npos;
  if (zero && text.front() == '-') text.erase(0, 1);
  if (sign && !zero && text.front() != '-') text.insert(0, 1, '+');
  return text;
}

std::string ContactWords(const Contact& contact, bool articles) {
  return Tr(articles ? words::kContactWordsInSentence : words::kContactWords,
            {Point(contact.malePoint), Tr(WordsOf(contact.kind).between), Point(contact.femalePoint)});
}

std::string ContactLine(const ContactExplanation& contact) {
  return Tr(words::kContactLine, {ContactWords(contact.contact), ExplainedNumber(contact.harmonyDelta, 2, true, true),
                                  ExplainedNumber(contact.contact.strength, 2, false, true)});
}

std::vector<std::string> StrongestContactLines(const Explanation& explanation, HarmonyDirection direction,
                                               std::size_t count) {
  const bool adding = direction == HarmonyDirection::Adding;
  std::vector<const ContactExplanation*> chosen;
  for (const ContactExplanation& contact : explanation.contacts) {
    if (adding ? contact.harmonyDelta > 0 : contact.harmonyDelta < 0) chosen.push_back(&contact);
  }
  std::stable_sort(chosen.begin(), chosen.end(), [adding](const ContactExplanation* a, const ContactExplanation* b) {
    return adding ? a->harmonyDelta > b->harmonyDelta : a->harmonyDelta < b->harmonyDelta;
  });
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < std::min(count, chosen.size()); ++i) lines.push_back(ContactLine(*chosen[i]));
  if (const std::size_t n = chosen.size(); n < count) {
    if (n == 0) {
      lines.push_back(Tr(adding ? words::kNoLinkAdds : words::kNoLinkTakes));
    } else {
      lines.push_back(TrN(adding ? words::kOnlyLinksAdd : words::kOnlyLinksTake, static_cast<long long>(n),
                          {CountWords(n)}));
    }
  }
  return lines;
}

std::string PercentageParagraph(const Explanation& explanation) {
  const std::string rule = Tr(words::kPercentageRule, {NumberText(kReferencePH), VerdictText("Good"),
                                                       VerdictText("Average"), VerdictText("Poor")});
  const Verdict verdict = DecideVerdict(explanation.powerTotal, explanation.harmonyTotal);
  std::string stands;
  if (!verdict.harmonyText) {
    stands = Tr(words::kHarmonyBelowZero, {ExplainedNumber(explanation.harmonyTotal)});
  } else if (!verdict.percentageText) {
    stands = Tr(words::kPercentageNone);
  } else if (verdict.commentText) {
    stands = Tr(words::kPercentageWithComment, {*verdict.percentageText, VerdictText(*verdict.commentText)});
  } else {
    stands = Tr(verdict.result.phPercentage < 0 ? words::kPercentageBelow : words::kPercentageAbove,
                {*verdict.percentageText});
  }
  return Tr(words::kSentencesJoined, {rule, stands});
}

std::vector<std::string> BiasSentences(const Explanation& explanation) {
  std::vector<std::string> sentences{Tr(words::kBiasRule)};
  const std::string amount =
      Tr(words::kBiasAmount, {ExplainedNumber(explanation.endGain, 4), ExplainedNumber(explanation.bias, 2, true)});
  if (const auto source = explanation.biasSource; source && *source < explanation.contacts.size()) {
    sentences.push_back(Tr(words::kBiasSetByLink, {ContactWords(explanation.contacts[*source].contact, true),
                                                   std::to_string(*source + 1), amount}));
  } else if (explanation.bias != 0) {
    sentences.push_back(Tr(words::kBiasCarried, {amount}));
  } else {
    sentences.push_back(Tr(words::kBiasNone));
    return sentences;
  }
  // A gain is a strength or a share of one, so the bias is never below 0.
  if (explanation.bias > 0) {
    const std::string bias = ExplainedNumber(explanation.bias), harmony = ExplainedNumber(explanation.harmonyTotal);
    const std::string deltas = ExplainedNumber(explanation.deltaSum, 2, true);
    sentences.push_back(explanation.bias <= explanation.harmonyTotal
                            ? Tr(words::kBiasShare, {bias, harmony})
                            : Tr(words::kBiasExceedsHarmony, {bias, harmony, deltas}));
  }
  return sentences;
}

std::vector<std::string> TotalsSentences(const Explanation& explanation) {
  const std::string deltas = ExplainedNumber(explanation.deltaSum, 2, true);
  std::string harmony = explanation.bias == 0
                            ? Tr(words::kDeltasAreHarmony, {deltas})
                            : Tr(words::kDeltasWithBias, {deltas, ExplainedNumber(explanation.bias, 2, true),
                                                          ExplainedNumber(explanation.harmonyTotal)});
  return {std::move(harmony), Tr(words::kPowerTotal, {ExplainedNumber(explanation.powerTotal)})};
}

std::vector<std::string> BirthTimeSentences(const BirthTimeBand& band, const CompatibilityResult& result) {
  std::vector<std::string> sentences = PersonSentences(band.male, words::kManBirthTimeNear, result.strComment);
  for (std::string& sentence : PersonSentences(band.female, words::kWomanBirthTimeNear, result.strComment))
    sentences.push_back(std::move(sentence));
  const std::int64_t male = Width(band.male.percentage60);
  const std::int64_t female = Width(band.female.percentage60);
  switch (band.mostSensitive) {
    case Sensitivity::Male:
      sentences.push_back(Tr(words::kManTimeMatters, {Points(male), Points(female)}));
      break;
    case Sensitivity::Female:
      sentences.push_back(Tr(words::kWomanTimeMatters, {Points(female), Points(male)}));
      break;
    case Sensitivity::Equal:
      sentences.push_back(male == 0 ? Tr(words::kNeitherTimeMatters) : Tr(words::kBothTimesMatter, {Points(male)}));
      break;
  }
  return sentences;
}

std::string EffectsText(const std::vector<HarmonyEffect>& effects) {
  if (effects.empty()) return Tr(words::kWhyNoRules);
  std::string text;
  for (const HarmonyEffect& effect : effects) {
    // Fixed decimals, as the table's other number columns.
    const std::string rule = RuleWords(effect.rule), amount = ExplainedNumber(effect.amount, 2, true, true);
    const std::string one = effect.records
                                ? Tr(words::kRuleEffectRecording,
                                     {rule, amount, ExplainedNumber(*effect.records, 2, false, true)})
                                : Tr(words::kRuleEffect, {rule, amount});
    text = text.empty() ? one : Tr(words::kRuleEffectsJoined, {text, one});
  }
  return text;
}

WhyRow ContactRow(std::size_t index, const ContactExplanation& contact) {
  const Contact& c = contact.contact;
  const auto degrees = [](double value) {
    return Number(value, ExplainedNumber(value, 2, false, true) + std::string(kDegree));
  };
  const auto orb = [](int value) { return Number(value, std::to_string(value) + std::string(kDegree)); };
  return {
      Number(static_cast<double>(index + 1), std::to_string(index + 1)),
      WhyCell{Point(c.malePoint), std::nullopt},
      WhyCell{Point(c.femalePoint), std::nullopt},
      WhyCell{Tr(WordsOf(c.kind).title), std::nullopt},
      degrees(contact.separation),
      orb(contact.detectionOrb),
      orb(contact.powerOrb),
      Number(contact.maleHouse, HouseText(contact.maleHouse, contact.maleHouseClass)),
      Number(contact.femaleHouse, HouseText(contact.femaleHouse, contact.femaleHouseClass)),
      Number(c.strength, ExplainedNumber(c.strength, 2, false, true)),
      Number(contact.harmonyDelta, ExplainedNumber(contact.harmonyDelta, 2, true, true)),
      WhyCell{EffectsText(contact.effects), std::nullopt},
  };
}

WhyReport DescribeAnalysis(const Explanation& explanation, const BirthTimeBand& band,
                           const CompatibilityResult& result) {
  WhyReport report;
  report.sections.push_back({Tr(words::kWhyPercentage), {PercentageParagraph(explanation)}});
  report.sections.push_back(
      {Tr(words::kWhyAddsMost), StrongestContactLines(explanation, HarmonyDirection::Adding)});
  report.sections.push_back(
      {Tr(words::kWhyTakesMost), StrongestContactLines(explanation, HarmonyDirection::TakingAway)});
  std::vector<std::string> totals = BiasSentences(explanation);
  for (std::string& sentence : TotalsSentences(explanation)) totals.push_back(std::move(sentence));
  report.sections.push_back({Tr(words::kWhyCarried), std::move(totals)});
  report.sections.push_back({Tr(words::kWhyBirthTimes), BirthTimeSentences(band, result)});
  report.rows.reserve(explanation.contacts.size());
  for (std::size_t i = 0; i < explanation.contacts.size(); ++i)
    report.rows.push_back(ContactRow(i, explanation.contacts[i]));
  return report;
}

std::string WhyTitle(std::string_view maleName, std::string_view femaleName) {
  const std::string male = TrimmedName(maleName), female = TrimmedName(femaleName);
  if (male.empty() || female.empty()) return Tr(words::kWhyTitle);
  return Tr(words::kWhyTitleOfCouple, {male, female});
}

}  // namespace kelvra
