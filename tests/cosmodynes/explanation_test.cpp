// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/explanation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "charts/swiss_ephemeris.h"
#include "builders.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

using P = ChartPoint;
using A = AspectKind;
using K = ContactKind;

using testing::MakeBirth;

NatalChart RandomChart(std::mt19937& random) {
  std::uniform_real_distribution<double> longitude(0, 360), declination(-26, 26);
  NatalChart chart;
  for (ChartPoint point : kAllChartPoints) {
    chart.Longitude[point] = longitude(random);
    chart.Declination[point] = declination(random);
    chart.House[point] = 1 + static_cast<int>(random() % 12);
  }
  return chart;
}

// Over many couples analysed one after another, the explanation adds up to
// the totals bit for bit, and tells the same memory the analysis leaves.
TEST(ExplainAnalysis, AddsUpToTheTotalsBitForBit) {
  std::mt19937 random(8122026);
  HarmonyMemory memory;
  int carried = 0;
  for (int couple = 0; couple < 3000; ++couple) {
    CoupleCharts charts{RandomChart(random), RandomChart(random), {}};
    // Now and then a couple without contacts, which carries the gain over.
    if (couple % 97 != 0) charts.contacts = FindContacts(charts.male, charts.female);
    const double startGain = memory.lastHarmonyGain;
    const Explanation e = ExplainAnalysis(charts, startGain);
    const CosmodyneTotals totals = ComputeCosmodyneTotals(charts.contacts, memory);
    ASSERT_EQ(e.contacts.size(), charts.contacts.size());
    EXPECT_EQ(e.powerTotal, totals.powerTotal) << couple;
    EXPECT_EQ(e.harmonyTotal, totals.harmonyTotal) << couple;
    EXPECT_EQ(e.startGain, startGain);
    EXPECT_EQ(e.endGain, memory.lastHarmonyGain);
    EXPECT_EQ(e.bias, 100 * e.endGain);
    std::optional<std::size_t> lastRecording;
    for (std::size_t i = 0; i < e.contacts.size(); ++i) {
      const ContactExplanation& c = e.contacts[i];
      EXPECT_EQ(c.contact, charts.contacts[i]);
      double sum = 0;
      for (const HarmonyEffect& effect : c.effects) sum += effect.amount;
      EXPECT_EQ(sum, c.harmonyDelta);
      if (c.recorded) lastRecording = i;
      // The orbs and the separation are the ones that made the contact.
      EXPECT_LE(c.detectionOrb, c.powerOrb + 2);
      if (c.contact.kind == K::Parallel) {
        EXPECT_LT(c.separation, 1);
        EXPECT_EQ(c.contact.strength, c.powerOrb * (1 - c.separation));
      } else {
        EXPECT_GE(c.separation, 0);
        EXPECT_LE(c.separation, 180);
        EXPECT_EQ(DetectAspect(c.separation, PairOrbs(OrbsFor(c.contact.malePoint, c.maleHouse),
                                                      OrbsFor(c.contact.femalePoint, c.femaleHouse)))
                      .strength,
                  c.contact.strength);
      }
    }
    EXPECT_EQ(e.biasSource, lastRecording);
    if (!e.biasSource) {
      ++carried;
      EXPECT_EQ(e.endGain, startGain);
    }
    if (e.biasShare) {
      EXPECT_EQ(*e.biasShare, e.bias / e.harmonyTotal);
    }
  }
  EXPECT_GT(carried, 10);
}

struct EffectsRow {
  P male, female;
  K kind;
  A pairAspect;
  double s;
  std::vector<HarmonyEffect> effects;
};

TEST(ScoreContactHarmony, NamesEveryRuleThatAppliesInOrder) {
  const EffectsRow rows[] = {
      {P::Sun, P::Mercury, K::Trine, A::Trine, 4, {{"Trine", 4, 4}}},
      {P::Venus, P::Jupiter, K::Opposition, A::Opposition, 4,
       {{"Opposition Venus-Jupiter", 4, 4}, {"Jupiter", 2, 2}, {"Venus", 1, 1}}},
      {P::Mars, P::Saturn, K::Opposition, A::Opposition, 2,
       {{"Opposition Mars", -2, {}}, {"Saturn", -1, {}}, {"Mars", -0.5, {}}}},
      {P::Saturn, P::Saturn, K::Opposition, A::Opposition, 2, {{"Opposition Saturn", 0, {}}, {"Saturn", -1, {}}}},
      {P::Moon, P::Sun, K::Conjunction, A::Conjunction, 3, {{"Conjunction Sun-Moon", 3, 3}}},
      {P::Ascendant, P::Pluto, K::Conjunction, A::Conjunction, 2, {{"Conjunction Pluto-Ascendant", -1, {}}}},
      {P::Pluto, P::Moon, K::Square, A::Square, 1, {{"Square", -1, {}}}},
      {P::Saturn, P::Saturn, K::Conjunction, A::Conjunction, 5, {}},
      {P::Venus, P::Uranus, K::Parallel, A::None, 2, {}},
      {P::Venus, P::Sun, K::Parallel, A::Square, 2, {{"Venus", 0.5, 0.5}}},
      {P::Jupiter, P::Pluto, K::Opposition, A::Opposition, 2, {{"Jupiter", 1, 1}}},
  };
  for (const EffectsRow& row : rows) {
    HarmonyMemory memory{-1};
    std::vector<HarmonyEffect> effects;
    const double delta =
        ScoreContactHarmony({row.male, row.female, row.kind, row.pairAspect, row.s}, memory, &effects);
    const auto what = ::testing::Message() << ChartPointName(row.male) << '-' << ChartPointName(row.female) << ' '
                                           << ContactKindName(row.kind);
    EXPECT_EQ(effects, row.effects) << what;
    HarmonyMemory untraced{-1};
    EXPECT_EQ(delta, ScoreContactHarmony({row.male, row.female, row.kind, row.pairAspect, row.s}, untraced)) << what;
  }
}

TEST(ExplainAnalysis, TellsTheOrbsHousesAndSeparationOfAContact) {
  NatalChart male, female;
  male.Longitude[P::Sun] = 10;
  male.House[P::Sun] = 2;      // succedent: luminary orbs 3 5 7 10 13
  female.Longitude[P::Moon] = 247;
  female.House[P::Moon] = 6;   // cadent: luminary orbs 2 4 6 8 11
  male.Declination[P::Sun] = 5;
  female.Declination[P::Moon] = -5.25;
  const Contact trine{P::Sun, P::Moon, K::Trine, A::Trine, 7};
  const Contact parallel{P::Sun, P::Moon, K::Parallel, A::Trine, 9.75};
  const Explanation e = ExplainAnalysis({male, female, {trine, parallel}}, 1.5);
  ASSERT_EQ(e.contacts.size(), 2u);
  const ContactExplanation& t = e.contacts[0];
  EXPECT_EQ(t.separation, 123);
  EXPECT_EQ(t.detectionOrb, 10);
  EXPECT_EQ(t.powerOrb, 10);
  EXPECT_EQ(t.maleHouse, 2);
  EXPECT_EQ(t.maleHouseClass, HouseClass::Succedent);
  EXPECT_EQ(t.femaleHouse, 6);
  EXPECT_EQ(t.femaleHouseClass, HouseClass::Cadent);
  EXPECT_EQ(t.effects, (std::vector<HarmonyEffect>{{"Trine", 7, 7}}));
  const ContactExplanation& p = e.contacts[1];
  EXPECT_EQ(p.separation, 0.25);
  EXPECT_EQ(p.maleDeclination, 5);
  EXPECT_EQ(p.femaleDeclination, -5.25);
  EXPECT_EQ(p.powerOrb, 13);
  EXPECT_TRUE(p.effects.empty());
  EXPECT_EQ(e.biasSource, 0u);
  EXPECT_EQ(e.bias, 700);
  EXPECT_EQ(e.harmonyTotal, 707);
}

// The shifts move the hour handed to the Julian day, past midnight too,
// and recompute only the shifted person's chart.
TEST(BirthTimeBand, ShiftsTheHourOfOnePersonAtATime) {
  testing::RecordingEphemeris ephemeris;
  const BirthData male = MakeBirth({.year = 1980, .minute = 15});
  const BirthData female = MakeBirth({.day = 31, .month = 12, .year = 1980, .hour = 23, .minute = 30});
  const CoupleCharts charts = ChartCouple(male, female, ephemeris);
  ephemeris.calls.clear();
  ChartBirthTimeShifts(male, female, charts, ephemeris);
  std::vector<double> hours;
  for (const auto& call : ephemeris.calls) {
    if (call.function == "swe_julday") hours.push_back(call.args[3]);
  }
  const std::vector<double> expected = {0.25 - 1,    23.5 - 1,    0.25 - 0.5,  23.5 - 0.5,  0.25 - 0.25, 23.5 - 0.25,
                                        0.25 + 0.25, 23.5 + 0.25, 0.25 + 0.5,  23.5 + 0.5,  0.25 + 1,    23.5 + 1};
  ASSERT_EQ(hours.size(), expected.size());
  for (std::size_t i = 0; i < hours.size(); ++i) EXPECT_NEAR(hours[i], expected[i], 1e-12) << i;
}

// With the real ephemeris: the band holds the real figures, the quarter-hour
// ranges lie within the hour ranges, and the analyses around it find the
// same memory as without it.
TEST(BirthTimeBand, HoldsTheRealFiguresAndLeavesTheMemoryAlone) {
  SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kEphemerisDataPath);
  std::mt19937 random(1208);
  HarmonyMemory memory, withoutBand;
  for (int couple = 0; couple < 12; ++couple) {
    auto pick = [&](int below) { return static_cast<int>(random() % below); };
    auto person = [&] {
      return MakeBirth({.day = 1 + pick(28), .month = 1 + pick(12), .year = 1900 + pick(150), .hour = pick(24),
                        .minute = pick(60), .latDeg = pick(60), .longDeg = pick(180)});
    };
    const BirthData male = person(), female = person();
    const double startGain = memory.lastHarmonyGain;
    const CoupleAnalysis analysis = AnalyzeCouple(male, female, ephemeris, memory);
    const BirthTimeBand band =
        ComputeBirthTimeBand(male, female, analysis, startGain, analysis.verdict.result, ephemeris);
    EXPECT_EQ(AnalyzeCouple(male, female, ephemeris, withoutBand).verdict.result, analysis.verdict.result);
    const CompatibilityResult& real = analysis.verdict.result;
    for (const PersonBand* b : {&band.male, &band.female}) {
      EXPECT_LE(b->ph15.low, real.PH);
      EXPECT_GE(b->ph15.high, real.PH);
      EXPECT_LE(b->percentage15.low, real.phPercentage);
      EXPECT_GE(b->percentage15.high, real.phPercentage);
      EXPECT_LE(b->ph60.low, b->ph15.low);
      EXPECT_GE(b->ph60.high, b->ph15.high);
      EXPECT_LE(b->percentage60.low, b->percentage15.low);
      EXPECT_GE(b->percentage60.high, b->percentage15.high);
    }
    const auto width = [](const FigureRange& r) { return r.high - r.low; };
    const int m = width(band.male.percentage60), f = width(band.female.percentage60);
    EXPECT_EQ(band.mostSensitive, m > f ? Sensitivity::Male : f > m ? Sensitivity::Female : Sensitivity::Equal);
  }
}

// The reader's words for a rule come from its parts: every rule the scoring
// can name must come apart again, and nothing else may pass for a rule.
TEST(ParseHarmonyRule, TakesApartEveryRuleTheScoringNames) {
  const K kinds[] = {K::Conjunction, K::Sextile,        K::Square,   K::Trine,   K::Opposition,
                     K::SemiSextile, K::SemiSquare,     K::Sesquiquadrate, K::Quincunx, K::Parallel};
  int named = 0;
  for (const K kind : kinds) {
    for (const P male : kContactPoints) {
      for (const P female : kContactPoints) {
        HarmonyMemory memory{0};
        std::vector<HarmonyEffect> effects;
        ScoreContactHarmony({male, female, kind, A::Opposition, 2}, memory, &effects);
        for (const HarmonyEffect& effect : effects) {
          ++named;
          const std::optional<HarmonyRuleParts> parts = ParseHarmonyRule(effect.rule);
          ASSERT_TRUE(parts) << effect.rule;
          // The parts name the contact's own kind and points.
          if (parts->aspect) {
            EXPECT_EQ(ToContactKind(*parts->aspect), kind) << effect.rule;
          }
          if (parts->point) {
            EXPECT_TRUE(*parts->point == male || *parts->point == female) << effect.rule;
          }
        }
      }
    }
  }
  EXPECT_GT(named, 500);

  const struct {
    const char* rule;
    std::optional<HarmonyRuleParts> parts;
  } cases[] = {
      {"SemiSextile", HarmonyRuleParts{A::SemiSextile, {}, {}}},
      {"Opposition Sun-Moon", HarmonyRuleParts{A::Opposition, P::Sun, P::Moon}},
      {"Conjunction Pluto-Ascendant", HarmonyRuleParts{A::Conjunction, P::Pluto, P::Ascendant}},
      {"Opposition Mars", HarmonyRuleParts{A::Opposition, P::Mars, {}}},
      {"Jupiter", HarmonyRuleParts{{}, P::Jupiter, {}}},
      {"", std::nullopt},
      {"None", std::nullopt},
      {"Semi-sextile", std::nullopt},
      {"Rule of Sun", std::nullopt},
      {"Sun-Moon", std::nullopt},
      {"Opposition Sun-", std::nullopt},
      {"Opposition ", std::nullopt},
      {"Trine Sun-Moon-Venus", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHarmonyRule(c.rule), c.parts) << c.rule;
}

}  // namespace
}  // namespace kelvra
