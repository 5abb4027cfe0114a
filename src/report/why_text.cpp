// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/why_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kelvra {

namespace {

constexpr std::string_view kPlusMinus = "\u00b1";
constexpr std::string_view kDegree = "\u00b0";

std::string PointWords(ChartPoint point) {
  switch (point) {
    case ChartPoint::NorthNode: return "North Node";
    case ChartPoint::SouthNode: return "South Node";
    case ChartPoint::PartOfFortune: return "Part of Fortune";
    default: return std::string(ChartPointName(point));
  }
}

// How the kind reads between two points ("Sun trine Venus").
std::string_view KindVerb(ContactKind kind) {
  switch (kind) {
    case ContactKind::Conjunction: return "conjunct";
    case ContactKind::Sextile: return "sextile";
    case ContactKind::Square: return "square";
    case ContactKind::Trine: return "trine";
    case ContactKind::Opposition: return "opposite";
    case ContactKind::SemiSextile: return "semi-sextile";
    case ContactKind::SemiSquare: return "semi-square";
    case ContactKind::Sesquiquadrate: return "sesquiquadrate";
    case ContactKind::Quincunx: return "quincunx";
    case ContactKind::Parallel: return "parallel";
  }
  return "?";
}

std::string_view KindTitle(ContactKind kind) {
  switch (kind) {
    case ContactKind::Conjunction: return "Conjunction";
    case ContactKind::Sextile: return "Sextile";
    case ContactKind::Square: return "Square";
    case ContactKind::Trine: return "Trine";
    case ContactKind::Opposition: return "Opposition";
    case ContactKind::SemiSextile: return "Semi-sextile";
    case ContactKind::SemiSquare: return "Semi-square";
    case ContactKind::Sesquiquadrate: return "Sesquiquadrate";
    case ContactKind::Quincunx: return "Quincunx";
    case ContactKind::Parallel: return "Parallel";
  }
  return "?";
}

std::string CountWords(std::size_t n) {
  static constexpr std::string_view kWords[] = {"no", "one", "two", "three", "four", "five",
                                                 "six", "seven", "eight", "nine", "ten"};
  return n < std::size(kWords) ? std::string(kWords[n]) : std::to_string(n);
}

std::string Points(std::int64_t n) { return std::to_string(n) + (n == 1 ? " point" : " points"); }

std::string HouseText(int house, HouseClass houseClass) {
  return std::to_string(house) + " (" + std::string(HouseClassName(houseClass)) + ")";
}

WhyCell Number(double value, std::string text) {
  return {std::move(text), std::isfinite(value) ? std::optional<double>(value) : std::nullopt};
}

// "ranges 180 to 870" or "stays 540".
std::string RangeWords(const FigureRange& range) {
  if (range.low == range.high) return "stays " + std::to_string(range.low);
  return "ranges " + std::to_string(range.low) + " to " + std::to_string(range.high);
}

std::int64_t Width(const FigureRange& range) { return std::int64_t{range.high} - range.low; }

std::vector<std::string> PersonSentences(const PersonBand& band, std::string_view whose, const std::string& comment) {
  std::string near = "Over " + std::string(kPlusMinus) + "15 minutes of " + std::string(whose) +
                     " birth time the percentage " + RangeWords(band.percentage15) + " and ";
  if (band.commentChanges15) {
    near += "the comment changes.";
  } else if (comment.empty()) {
    near += "no comment is given.";
  } else {
    near += "the comment stays " + comment + ".";
  }
  std::string far =
      "Over " + std::string(kPlusMinus) + "60 minutes it " + RangeWords(band.percentage60) + ".";
  return {std::move(near), std::move(far)};
}

}  // namespace

std::string ExplainedNumber(double x, int decimals, bool sign, bool fixed) {
  if (!std::isfinite(x)) return "n/a";
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return "n/a";
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
  const std::string the = articles ? "the " : "";
  return (articles ? "the male " : "Male ") + PointWords(contact.malePoint) + " " +
         std::string(KindVerb(contact.kind)) + " " + the + "female " + PointWords(contact.femalePoint);
}

std::string ContactLine(const ContactExplanation& contact) {
  return ContactWords(contact.contact) + ": " + ExplainedNumber(contact.harmonyDelta, 2, true, true) +
         " harmony (strength " + ExplainedNumber(contact.contact.strength, 2, false, true) + ")";
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
  if (chosen.size() < count) {
    const std::size_t n = chosen.size();
    std::string note = n == 0 ? "No link" : "Only " + CountWords(n) + (n == 1 ? " link" : " links");
    if (adding) {
      note += n == 1 || n == 0 ? " adds to harmony." : " add to harmony.";
    } else {
      note += n == 1 || n == 0 ? " takes harmony away." : " take harmony away.";
    }
    lines.push_back(std::move(note));
  }
  return lines;
}

std::string BiasSentence(const Explanation& explanation) {
  const std::string amount = "100 x " + ExplainedNumber(explanation.endGain, 4) + " = " +
                             ExplainedNumber(explanation.bias, 2, true);
  if (explanation.biasSource && *explanation.biasSource < explanation.contacts.size()) {
    return "Harmony includes " + amount + ", set by " +
           ContactWords(explanation.contacts[*explanation.biasSource].contact, true) +
           ", the last link in the scan that records an amount.";
  }
  if (explanation.bias != 0) {
    return "Harmony includes " + amount +
           ", the amount carried from an earlier analysis: no link of this couple records an amount of its own.";
  }
  return "Harmony includes no carried amount: no link of this couple records an amount, and no earlier analysis "
         "left one.";
}

std::vector<std::string> TotalsSentences(const Explanation& explanation) {
  std::string harmony = "The links' harmony deltas add up to " + ExplainedNumber(explanation.deltaSum, 2, true);
  if (explanation.bias == 0) {
    harmony += ", which is harmony.";
  } else {
    harmony += "; with the " + ExplainedNumber(explanation.bias, 2, true) + " above, harmony is " +
               ExplainedNumber(explanation.harmonyTotal) + ".";
  }
  std::string power = "Power is the links' strengths added up: " + ExplainedNumber(explanation.powerTotal) + ".";
  return {std::move(harmony), std::move(power)};
}

std::vector<std::string> BirthTimeSentences(const BirthTimeBand& band, const CompatibilityResult& result) {
  std::vector<std::string> sentences = PersonSentences(band.male, "the man's", result.strComment);
  for (std::string& sentence : PersonSentences(band.female, "the woman's", result.strComment))
    sentences.push_back(std::move(sentence));
  const std::int64_t male = Width(band.male.percentage60);
  const std::int64_t female = Width(band.female.percentage60);
  const std::string within = "over " + std::string(kPlusMinus) + "60 minutes";
  switch (band.mostSensitive) {
    case Sensitivity::Male:
      sentences.push_back("The man's birth time matters more: " + within + " it spreads the percentage over " +
                          Points(male) + ", the woman's over " + Points(female) + ".");
      break;
    case Sensitivity::Female:
      sentences.push_back("The woman's birth time matters more: " + within + " it spreads the percentage over " +
                          Points(female) + ", the man's over " + Points(male) + ".");
      break;
    case Sensitivity::Equal:
      if (male == 0) {
        sentences.push_back("Neither birth time moves the percentage within " + std::string(kPlusMinus) +
                            "60 minutes.");
      } else {
        sentences.push_back("Both birth times matter equally: " + within + " each spreads the percentage over " +
                            Points(male) + ".");
      }
      break;
  }
  return sentences;
}

std::string EffectsText(const std::vector<HarmonyEffect>& effects) {
  if (effects.empty()) return "none";
  std::string text;
  for (const HarmonyEffect& effect : effects) {
    if (!text.empty()) text += "; ";
    text += effect.rule + " " + ExplainedNumber(effect.amount, 2, true);
    if (effect.records) text += " (records " + ExplainedNumber(*effect.records) + ")";
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
      WhyCell{PointWords(c.malePoint), std::nullopt},
      WhyCell{PointWords(c.femalePoint), std::nullopt},
      WhyCell{std::string(KindTitle(c.kind)), std::nullopt},
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
  report.sections.push_back(
      {"What adds most to harmony", StrongestContactLines(explanation, HarmonyDirection::Adding)});
  report.sections.push_back(
      {"What takes most away from harmony", StrongestContactLines(explanation, HarmonyDirection::TakingAway)});
  std::vector<std::string> totals{BiasSentence(explanation)};
  for (std::string& sentence : TotalsSentences(explanation)) totals.push_back(std::move(sentence));
  report.sections.push_back({"The amount carried in harmony", std::move(totals)});
  report.sections.push_back({"How much the birth times matter", BirthTimeSentences(band, result)});
  report.rows.reserve(explanation.contacts.size());
  for (std::size_t i = 0; i < explanation.contacts.size(); ++i)
    report.rows.push_back(ContactRow(i, explanation.contacts[i]));
  return report;
}

std::string WhyTitle(std::string_view maleName, std::string_view femaleName) {
  const std::string male = TrimmedName(maleName), female = TrimmedName(femaleName);
  if (male.empty() || female.empty()) return "Why this result";
  return "Why this result: " + male + " and " + female;
}

}  // namespace kelvra
