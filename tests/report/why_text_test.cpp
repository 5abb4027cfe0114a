// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/why_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace kelvra {
namespace {

using P = ChartPoint;
using K = ContactKind;
using Lines = std::vector<std::string>;

ContactExplanation Link(P male, K kind, P female, double strength, double delta) {
  ContactExplanation link;
  link.contact = {male, female, kind, AspectKind::None, strength};
  link.harmonyDelta = delta;
  return link;
}

Explanation Scan(std::vector<ContactExplanation> links) {
  Explanation explanation;
  explanation.contacts = std::move(links);
  return explanation;
}

TEST(ExplainedNumber, RoundsSignsAndNeverSaysNan) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double x;
    int decimals;
    bool sign, fixed;
    const char* expected;
  } cases[] = {
      {4.125, 2, false, true, "4.12"},  // an exact half goes to the even digit
      {4.1, 2, true, true, "+4.10"},   {4.1, 2, true, false, "+4.1"},   {247, 2, true, false, "+247"},
      {-14.219, 2, true, true, "-14.22"}, {-0.001, 2, true, true, "0.00"}, {-0.001, 2, true, false, "0"},
      {10.66158, 4, false, false, "10.6616"}, {nan, 2, true, true, "n/a"},
      {std::numeric_limits<double>::infinity(), 2, false, false, "n/a"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExplainedNumber(c.x, c.decimals, c.sign, c.fixed), c.expected) << c.x << " " << c.decimals;
}

TEST(StrongestContactLines, TopThreeEachWayTiesInScanOrderAndSaysWhenFewer) {
  const Explanation many = Scan({
      Link(P::Sun, K::Trine, P::Venus, 4.12, 4.12),
      Link(P::Mars, K::Square, P::Saturn, 4, -6),
      Link(P::Jupiter, K::Sextile, P::Moon, 1.5, 2),
      Link(P::Ascendant, K::Conjunction, P::Sun, 3, 0),
      Link(P::Venus, K::SemiSextile, P::Mars, 4.12, 4.12),
      Link(P::Moon, K::Opposition, P::Pluto, 1.5, -1.5),
      Link(P::Saturn, K::SemiSquare, P::Sun, 6, -6),
      Link(P::Mercury, K::Parallel, P::Ascendant, 0.5, 0.25),
  });
  const Explanation few = Scan({
      Link(P::Sun, K::Quincunx, P::Moon, 3, 0),
      Link(P::Jupiter, K::Sesquiquadrate, P::Moon, 1.5, 0.75),
      Link(P::Venus, K::Sextile, P::Sun, 2, 2.5),
  });
  const struct {
    const char* name;
    const Explanation& explanation;
    HarmonyDirection direction;
    Lines expected;
  } cases[] = {
      {"adding", many, HarmonyDirection::Adding,
       {"Male Sun trine female Venus: +4.12 harmony (strength 4.12)",
        "Male Venus semi-sextile female Mars: +4.12 harmony (strength 4.12)",
        "Male Jupiter sextile female Moon: +2.00 harmony (strength 1.50)"}},
      {"taking away", many, HarmonyDirection::TakingAway,
       {"Male Mars square female Saturn: -6.00 harmony (strength 4.00)",
        "Male Saturn semi-square female Sun: -6.00 harmony (strength 6.00)",
        "Male Moon opposite female Pluto: -1.50 harmony (strength 1.50)"}},
      {"two adding", few, HarmonyDirection::Adding,
       {"Male Venus sextile female Sun: +2.50 harmony (strength 2.00)",
        "Male Jupiter sesquiquadrate female Moon: +0.75 harmony (strength 1.50)", "Only two links add to harmony."}},
      {"none taking away", few, HarmonyDirection::TakingAway, {"No link takes harmony away."}},
      {"one taking away", Scan({Link(P::Mercury, K::Parallel, P::Ascendant, 0.5, -0.5)}),
       HarmonyDirection::TakingAway,
       {"Male Mercury parallel female Ascendant: -0.50 harmony (strength 0.50)", "Only one link takes harmony away."}},
      {"no links", Scan({}), HarmonyDirection::Adding, {"No link adds to harmony."}},
  };
  for (const auto& c : cases) EXPECT_EQ(StrongestContactLines(c.explanation, c.direction), c.expected) << c.name;
}

// The figures of each case are DecideVerdict's own boundaries: a comment at
// 100, none at 101, no percentage when P x H rounds to 0, nothing at all
// when harmony is below 0.
TEST(PercentageParagraph, StatesTheRuleThenWhereThisCoupleStands) {
  const std::string rule =
      "The percentage compares a reference couple with this one. This couple's power times harmony, both unrounded, "
      "is rounded to a whole number and divided by 100; the reference couple's figure of 3370.47 is divided by it, "
      "times 100, and rounded to a whole number. So 100 means as much power times harmony as the reference couple, "
      "and more of it gives a smaller percentage. The comment is Good for 61 to 100, Average for 41 to 60 and Poor "
      "for 0 to 40; above 100 or below 0 there is no comment. ";
  const struct {
    double power, harmony;
    const char* expected;
  } cases[] = {
      {100, 3370.47, "This couple's percentage is 100, so the comment is Good."},
      {100, 3337.1, "This couple's percentage is 101, above 100, so there is no comment."},
      {100, 6740.94, "This couple's percentage is 50, so the comment is Average."},
      {100, 8426.175, "This couple's percentage is 40, so the comment is Poor."},
      {100, 778.4, "This couple's percentage is 433, above 100, so there is no comment."},
      {0.1, 4, "This couple's power times harmony rounds to 0, so there is no percentage to compare and no comment."},
      {10, -2.5,
       "This couple's harmony is -2.5, below 0, so no figures are given: no percentage and no comment."},
  };
  for (const auto& c : cases) {
    Explanation explanation;
    explanation.powerTotal = c.power;
    explanation.harmonyTotal = c.harmony;
    EXPECT_EQ(PercentageParagraph(explanation), rule + c.expected) << c.power << " " << c.harmony;
  }
}

TEST(BiasSentences, NameTheLinkThatSetTheLastGainAndHowMuchOfHarmonyItMakes) {
  const std::string rule =
      "Trines, sextiles, semi-sextiles, the favourable conjunctions and oppositions, and most links with Jupiter or "
      "Venus set a harmony gain, each replacing the gain before it in the order of the table's # column. Harmony "
      "then adds 100 times the last gain as a bias.";
  Explanation recorded =
      Scan({Link(P::Sun, K::Square, P::Moon, 2, -2), Link(P::Ascendant, K::Trine, P::Venus, 2.1487, 2.1487)});
  recorded.biasSource = 1;
  recorded.endGain = 2.1487;
  recorded.bias = 214.87;
  recorded.deltaSum = 9.13;
  recorded.harmonyTotal = 224;
  Explanation carried = Scan({Link(P::Sun, K::Quincunx, P::Moon, 2, 0)});
  carried.startGain = carried.endGain = 2.5;
  carried.bias = carried.harmonyTotal = 250;
  Explanation exceeding = carried;
  exceeding.deltaSum = -300;
  exceeding.harmonyTotal = -50;
  const struct {
    const char* name;
    Explanation explanation;
    Lines expected;
  } cases[] = {
      {"recorded", recorded,
       {rule,
        "The last link to set a gain is the male Ascendant trine the female Venus, number 2 in the table, so the bias "
        "is 100 x 2.1487 = +214.87.",
        "214.87 of the harmony of 224 comes from this one amount."}},
      {"carried", carried,
       {rule,
        "No link of this couple sets a gain, so the gain the previous analysis left stays, and the bias is 100 x 2.5 "
        "= +250.",
        "250 of the harmony of 250 comes from this one amount."}},
      {"more than harmony", exceeding,
       {rule,
        "No link of this couple sets a gain, so the gain the previous analysis left stays, and the bias is 100 x 2.5 "
        "= +250.",
        "This one amount, 250, is more than the whole harmony of -50: the links' own harmony adds up to -300."}},
      {"nothing", Scan({}),
       {rule, "No link of this couple sets a gain and no earlier analysis left one, so harmony has no bias."}},
  };
  for (const auto& c : cases) EXPECT_EQ(BiasSentences(c.explanation), c.expected) << c.name;
}

TEST(TotalsSentences, AddTheBiasOnlyWhenThereIsOne) {
  Explanation withBias;
  withBias.deltaSum = -53.164;
  withBias.bias = 1066.16;
  withBias.harmonyTotal = 1012.996;
  withBias.powerTotal = 429.406;
  Explanation without;
  without.deltaSum = without.harmonyTotal = 12.5;
  EXPECT_EQ(TotalsSentences(withBias),
            (Lines{"The links' own harmony, the table's Harmony column, adds up to -53.16; with the bias of +1066.16, "
                   "harmony is 1013.",
                   "Power is the links' strengths, the table's Strength column, added up: 429.41."}));
  EXPECT_EQ(TotalsSentences(without)[0],
            "The links' own harmony, the table's Harmony column, adds up to +12.5, and that is harmony.");
}

TEST(BirthTimeSentences, SayRangesCommentsAndWhoseTimeMattersMore) {
  const PersonBand wide{{0, 0}, {180, 870}, {0, 0}, {150, 900}, true};
  const PersonBand steady{{0, 0}, {54, 54}, {0, 0}, {50, 60}, false};
  const PersonBand still{{0, 0}, {120, 120}, {0, 0}, {120, 120}, false};
  const struct {
    const char* name;
    BirthTimeBand band;
    const char* comment;
    Lines expected;
  } cases[] = {
      {"the man's matters more", {wide, steady, Sensitivity::Male}, "Average",
       {"Over \u00b115 minutes of the man's birth time the percentage ranges 180 to 870 and the comment changes.",
        "Over \u00b160 minutes it ranges 150 to 900.",
        "Over \u00b115 minutes of the woman's birth time the percentage stays 54 and the comment stays Average.",
        "Over \u00b160 minutes it ranges 50 to 60.",
        "The man's birth time matters more: over \u00b160 minutes it spreads the percentage over 750 points, the "
        "woman's over 10 points."}},
      {"the woman's matters more", {still, steady, Sensitivity::Female}, "",
       {"Over \u00b115 minutes of the man's birth time the percentage stays 120 and no comment is given.",
        "Over \u00b160 minutes it stays 120.",
        "Over \u00b115 minutes of the woman's birth time the percentage stays 54 and no comment is given.",
        "Over \u00b160 minutes it ranges 50 to 60.",
        "The woman's birth time matters more: over \u00b160 minutes it spreads the percentage over 10 points, the "
        "man's over 0 points."}},
  };
  for (const auto& c : cases) {
    CompatibilityResult result;
    result.strComment = c.comment;
    EXPECT_EQ(BirthTimeSentences(c.band, result), c.expected) << c.name;
  }
  const struct {
    PersonBand male, female;
    const char* expected;
  } equal[] = {
      {still, still, "Neither birth time moves the percentage within \u00b160 minutes."},
      {steady, steady, "Both birth times matter equally: over \u00b160 minutes each spreads the percentage over 10 "
                       "points."},
  };
  for (const auto& e : equal)
    EXPECT_EQ(BirthTimeSentences({e.male, e.female, Sensitivity::Equal}, {}).back(), e.expected);
}

TEST(ContactRow, EveryColumnFormatted) {
  ContactExplanation link = Link(P::Sun, K::Trine, P::Jupiter, 4, 6);
  link.separation = 118.456;
  link.detectionOrb = 12;
  link.powerOrb = 8;
  link.maleHouse = 10;
  link.maleHouseClass = HouseClass::Angular;
  link.femaleHouse = 3;
  link.femaleHouseClass = HouseClass::Cadent;
  link.effects = {{"Trine", 4, 4}, {"Jupiter", 2, 2}};
  const WhyRow row = ContactRow(9, link);
  std::vector<std::string> texts;
  for (const WhyCell& cell : row) texts.push_back(cell.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"10", "Sun", "Jupiter", "Trine", "118.46\u00b0", "12\u00b0", "8\u00b0",
                                             "10 (angular)", "3 (cadent)", "4.00", "+6.00",
                                             "Trine +4.00 (sets gain 4.00); Jupiter +2.00 (sets gain 2.00)"}));
  EXPECT_EQ(row[0].sortKey, 10.0);  // numbers sort by value, words by text
  EXPECT_EQ(row[4].sortKey, 118.456);
  EXPECT_EQ(row[1].sortKey, std::nullopt);

  link.harmonyDelta = std::numeric_limits<double>::quiet_NaN();
  link.effects.clear();
  const WhyRow odd = ContactRow(0, link);
  EXPECT_EQ(odd[10], (WhyCell{"n/a", std::nullopt}));
  EXPECT_EQ(odd[11].text, "none");
  link.contact.kind = K::SemiSextile;
  EXPECT_EQ(ContactRow(0, link)[3].text, "Semi-sextile");
}

// The rules column speaks the reader's words, not the rule names kelvra-cli
// writes; a name that is no rule's is shown as it came.
TEST(EffectsText, NamesRulesInDisplayWords) {
  const struct {
    std::vector<HarmonyEffect> effects;
    const char* expected;
  } cases[] = {
      {{{"SemiSextile", 4.12, 4.12}}, "Semi-sextile +4.12 (sets gain 4.12)"},
      {{{"Opposition Venus-Jupiter", 4, 4}, {"Jupiter", 2, 2}, {"Venus", 1, 1}},
       "Opposition Venus\u2013Jupiter +4.00 (sets gain 4.00); Jupiter +2.00 (sets gain 2.00); Venus +1.00 (sets gain "
       "1.00)"},
      {{{"Opposition Mars", -2, {}}, {"Saturn", -1, {}}}, "Opposition Mars -2.00; Saturn -1.00"},
      {{{"Conjunction Pluto-Ascendant", -1, {}}}, "Conjunction Pluto\u2013Ascendant -1.00"},
      {{{"SemiSquare", -3, {}}}, "Semi-square -3.00"},
      {{{"Rule of Sun", 0.5, {}}}, "Rule of Sun +0.50"},
  };
  for (const auto& c : cases) EXPECT_EQ(EffectsText(c.effects), c.expected) << c.expected;
}

// Each sentence reaches the translation whole, with its numbers as
// placeholders, and is filled after the lookup.
TEST(WhySentences, AreLookedUpWholeAndFilledAfter) {
  static std::vector<std::string> asked;
  asked.clear();
  const TextLookup previous = SetTextLookup([](const char*, const char* text, const char* one, int n) {
    asked.emplace_back(text);
    return std::string(n == 1 && one ? one : text);
  });
  const PersonBand wide{{0, 0}, {180, 870}, {0, 0}, {150, 900}, true};
  const PersonBand steady{{0, 0}, {54, 54}, {0, 0}, {50, 60}, false};
  CompatibilityResult result;
  result.strComment = "Average";
  const Lines sentences = BirthTimeSentences({steady, wide, Sensitivity::Female}, result);
  const Lines notes = StrongestContactLines(Scan({Link(P::Sun, K::Trine, P::Venus, 1, 1)}), HarmonyDirection::Adding);
  Explanation scored;
  scored.powerTotal = 100;
  scored.harmonyTotal = scored.bias = 778.4;
  PercentageParagraph(scored);
  BiasSentences(scored);
  SetTextLookup(previous);
  for (const char* whole :
       {"Over \u00b115 minutes of the man's birth time the percentage stays %1 and the comment stays %2.",
        "Over \u00b115 minutes of the woman's birth time the percentage ranges %1 to %2 and the comment changes.",
        "The woman's birth time matters more: over \u00b160 minutes it spreads the percentage over %1, the man's over "
        "%2.",
        "Only %1 links add to harmony.", "This couple's percentage is %1, above 100, so there is no comment.",
        "%1 of the harmony of %2 comes from this one amount."})
    EXPECT_NE(std::find(asked.begin(), asked.end(), whole), asked.end()) << whole;
  EXPECT_EQ(sentences[4],
            "The woman's birth time matters more: over \u00b160 minutes it spreads the percentage over 750 points, the "
            "man's over 10 points.");
  EXPECT_EQ(notes.back(), "Only one link adds to harmony.");
}

}  // namespace
}  // namespace kelvra
