// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/harmony.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kelvra {
namespace {

using P = ChartPoint;
using A = AspectKind;
using K = ContactKind;

// A gain no rule records, to tell "recorded" from "left alone".
constexpr double kUntouched = -99;

struct Row {
  ChartPoint male, female;
  ContactKind kind;
  AspectKind pairAspect;
  double s;
  double delta;
  std::optional<double> recorded;  // the gain left by the last recording rule; nothing if none recorded
};

void Check(const Row& row) {
  HarmonyMemory memory{kUntouched};
  const double delta = ScoreContactHarmony({row.male, row.female, row.kind, row.pairAspect, row.s}, memory);
  const auto what = ::testing::Message() << ChartPointName(row.male) << '-' << ChartPointName(row.female) << ' '
                                         << ContactKindName(row.kind) << " s=" << row.s;
  EXPECT_DOUBLE_EQ(delta, row.delta) << what;
  EXPECT_DOUBLE_EQ(memory.lastHarmonyGain, row.recorded.value_or(kUntouched)) << what;
}

TEST(ScoreContactHarmony, FlowingAndHardAspects) {
  const Row rows[] = {
      {P::Sun, P::Moon, K::Trine, A::Trine, 4, 4, 4},
      {P::Sun, P::Moon, K::Sextile, A::Sextile, 3, 3, 3},
      {P::Moon, P::Mercury, K::SemiSextile, A::SemiSextile, 2, 2, 2},
      {P::Sun, P::Moon, K::Square, A::Square, 4, -4, std::nullopt},
      {P::Sun, P::Moon, K::SemiSquare, A::SemiSquare, 4, -4, std::nullopt},
      {P::Sun, P::Moon, K::Sesquiquadrate, A::Sesquiquadrate, 4, -4, std::nullopt},
      {P::Sun, P::Moon, K::Quincunx, A::Quincunx, 4, 0, std::nullopt},
      // The Jupiter modifier records after the trine.
      {P::Sun, P::Jupiter, K::Trine, A::Trine, 4, 6, 2},
      // Venus adds and records s/4 after the sextile; Mars takes s/4.
      {P::Mars, P::Venus, K::Sextile, A::Sextile, 4, 4, 1},
      // Jupiter and Saturn cancel.
      {P::Jupiter, P::Saturn, K::Square, A::Square, 4, -4, 2},
      {P::Saturn, P::Jupiter, K::Quincunx, A::Quincunx, 4, 0, 2},
      {P::Venus, P::Neptune, K::Square, A::Square, 4, -3, 1},
      {P::Venus, P::Sun, K::Quincunx, A::Quincunx, 4, 1, 1},
      {P::Venus, P::Pluto, K::Quincunx, A::Quincunx, 4, 0, std::nullopt},
      {P::Jupiter, P::Jupiter, K::Trine, A::Trine, 4, 6, 2},
  };
  for (const auto& row : rows) Check(row);
}

TEST(ScoreContactHarmony, ConjunctionsByPair) {
  const Row rows[] = {
      {P::Sun, P::Moon, K::Conjunction, A::Conjunction, 4, 4, 4},
      {P::Moon, P::Sun, K::Conjunction, A::Conjunction, 4, 4, 4},  // either side
      {P::Venus, P::Sun, K::Conjunction, A::Conjunction, 4, 4 + 1, 1},
      // Table +s/2 records s, then the Jupiter modifier +s/2 records s/2.
      {P::Sun, P::Jupiter, K::Conjunction, A::Conjunction, 6, 6, 3},
      {P::Moon, P::Venus, K::Conjunction, A::Conjunction, 4, 2 + 1, 1},
      {P::Mars, P::Saturn, K::Conjunction, A::Conjunction, 4, -2 - 2 - 1, std::nullopt},
      {P::Pluto, P::Mars, K::Conjunction, A::Conjunction, 4, -2 - 1, std::nullopt},
      {P::Saturn, P::Pluto, K::Conjunction, A::Conjunction, 4, -2 - 2, std::nullopt},
      {P::Ascendant, P::Saturn, K::Conjunction, A::Conjunction, 4, -2 - 2, std::nullopt},
      {P::Pluto, P::Ascendant, K::Conjunction, A::Conjunction, 4, -2, std::nullopt},
      {P::Mercury, P::Moon, K::Conjunction, A::Conjunction, 4, 0, std::nullopt},
      // Same-planet conjunctions skip their own modifier.
      {P::Saturn, P::Saturn, K::Conjunction, A::Conjunction, 4, 0, std::nullopt},
      {P::Jupiter, P::Jupiter, K::Conjunction, A::Conjunction, 4, 0, std::nullopt},
      {P::Mars, P::Mars, K::Conjunction, A::Conjunction, 4, -1, std::nullopt},
      {P::Venus, P::Venus, K::Conjunction, A::Conjunction, 4, 1, 1},
      // Venus with an outer planet in a conjunction gets no Venus modifier.
      {P::Venus, P::Neptune, K::Conjunction, A::Conjunction, 4, 0, std::nullopt},
  };
  for (const auto& row : rows) Check(row);
}

TEST(ScoreContactHarmony, Oppositions) {
  const Row rows[] = {
      {P::Mars, P::Sun, K::Opposition, A::Opposition, 4, -4 - 1, std::nullopt},
      {P::Mars, P::Mars, K::Opposition, A::Opposition, 4, -4 - 1, std::nullopt},
      {P::Mars, P::Jupiter, K::Opposition, A::Opposition, 4, 2 - 1, 2},
      {P::Venus, P::Mars, K::Opposition, A::Opposition, 4, 1 - 1, 1},
      {P::Mars, P::Ascendant, K::Opposition, A::Opposition, 4, -1, std::nullopt},
      // Mars-Saturn and Mars-Pluto are charged by the Mars row only.
      {P::Mars, P::Saturn, K::Opposition, A::Opposition, 4, -4 - 2 - 1, std::nullopt},
      {P::Pluto, P::Mars, K::Opposition, A::Opposition, 4, -4 - 1, std::nullopt},
      // Saturn-Pluto by the Saturn row only.
      {P::Saturn, P::Pluto, K::Opposition, A::Opposition, 4, -4 - 2, std::nullopt},
      {P::Saturn, P::Saturn, K::Opposition, A::Opposition, 4, 0 - 2, std::nullopt},
      {P::Saturn, P::Ascendant, K::Opposition, A::Opposition, 4, -2, std::nullopt},
      {P::Pluto, P::Sun, K::Opposition, A::Opposition, 4, -4, std::nullopt},
      {P::Pluto, P::Ascendant, K::Opposition, A::Opposition, 4, 0, std::nullopt},
      {P::Venus, P::Pluto, K::Opposition, A::Opposition, 4, -4, std::nullopt},
      {P::Sun, P::Moon, K::Opposition, A::Opposition, 4, 2, 4},
      {P::Ascendant, P::Sun, K::Opposition, A::Opposition, 4, 2, 4},
      {P::Moon, P::Ascendant, K::Opposition, A::Opposition, 4, 2, 4},
      {P::Venus, P::Moon, K::Opposition, A::Opposition, 4, 2 + 1, 1},
      {P::Venus, P::Jupiter, K::Opposition, A::Opposition, 4, 4 + 2 + 1, 1},
      {P::Ascendant, P::Jupiter, K::Opposition, A::Opposition, 4, 2 + 2, 2},
      {P::Mercury, P::Venus, K::Opposition, A::Opposition, 4, 1 + 1, 1},
      {P::Mercury, P::Moon, K::Opposition, A::Opposition, 4, 0, std::nullopt},
  };
  for (const auto& row : rows) Check(row);
}

TEST(ScoreContactHarmony, ParallelsTakeTheModifiersOnly) {
  const Row rows[] = {
      {P::Sun, P::Moon, K::Parallel, A::None, 4, 0, std::nullopt},
      {P::Sun, P::Moon, K::Parallel, A::Conjunction, 4, 0, std::nullopt},  // no table for parallels
      {P::Sun, P::Venus, K::Parallel, A::None, 4, 1, 1},
      {P::Venus, P::Neptune, K::Parallel, A::None, 4, 0, std::nullopt},  // whatever the aspect
      {P::Venus, P::Uranus, K::Parallel, A::Square, 4, 0, std::nullopt},
      {P::Jupiter, P::Jupiter, K::Parallel, A::Conjunction, 4, 0, std::nullopt},
      {P::Jupiter, P::Jupiter, K::Parallel, A::None, 4, 2, 2},
      {P::Saturn, P::Saturn, K::Parallel, A::Conjunction, 4, 0, std::nullopt},
      {P::Saturn, P::Saturn, K::Parallel, A::Square, 4, -2, std::nullopt},
      {P::Mars, P::Jupiter, K::Parallel, A::None, 4, 2 - 1, 2},
  };
  for (const auto& row : rows) Check(row);
}

TEST(ComputeCosmodyneTotals, BiasUsesTheLastRecordedGain) {
  HarmonyMemory memory;
  const Contact contacts[] = {
      {P::Sun, P::Jupiter, K::Trine, A::Trine, 4},        // +6, records 4 then 2
      {P::Mars, P::Moon, K::Square, A::Square, 2},        // -2.5
      {P::Moon, P::Moon, K::Quincunx, A::Quincunx, 1.5},  // nothing
  };
  const CosmodyneTotals totals = ComputeCosmodyneTotals(contacts, memory);
  EXPECT_DOUBLE_EQ(totals.powerTotal, 7.5);
  EXPECT_DOUBLE_EQ(totals.harmonyTotal, 6 - 2.5 + 200);
  EXPECT_DOUBLE_EQ(memory.lastHarmonyGain, 2);
}

TEST(ComputeCosmodyneTotals, AScanThatRecordsNothingKeepsTheEarlierGain) {
  HarmonyMemory memory;
  const Contact none[] = {{P::Sun, P::Moon, K::Quincunx, A::Quincunx, 3}};
  EXPECT_EQ(ComputeCosmodyneTotals(none, memory), (CosmodyneTotals{3, 0}));  // first analysis: gain 0

  memory.lastHarmonyGain = 2.5;
  EXPECT_EQ(ComputeCosmodyneTotals(none, memory), (CosmodyneTotals{3, 250}));
  EXPECT_DOUBLE_EQ(memory.lastHarmonyGain, 2.5);
}

TEST(ComputeCosmodyneTotals, RepeatingACoupleGivesTheSameTotals) {
  NatalChart male, female;
  for (auto point : kAllChartPoints) {
    const int i = static_cast<int>(point);
    male.Longitude[point] = 23.3 * i;
    female.Longitude[point] = std::fmod(37.7 * i, 360.0);
    male.Declination[point] = i - 8.0;
    female.Declination[point] = 8.5 - i;
    male.House[point] = 1 + i % 12;
    female.House[point] = 1 + (i * 5) % 12;
  }
  HarmonyMemory memory;
  const CosmodyneTotals first = ComputeCosmodyneTotals(male, female, memory);
  EXPECT_GT(first.powerTotal, 0);
  EXPECT_NE(memory.lastHarmonyGain, 0);
  EXPECT_EQ(ComputeCosmodyneTotals(male, female, memory), first);
}

}  // namespace
}  // namespace kelvra
