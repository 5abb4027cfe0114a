// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "vocabulary/chart_words.h"
#include "vocabulary/why_words.h"

namespace kelvra {
namespace {

TEST(ChartWords, EveryKindHasAWordInEveryRole) {
  using K = ContactKind;
  for (const K kind : {K::Conjunction, K::Sextile, K::Square, K::Trine, K::Opposition, K::SemiSextile, K::SemiSquare,
                       K::Sesquiquadrate, K::Quincunx, K::Parallel}) {
    const ContactKindWords& words = WordsOf(kind);
    for (const Template& role : {words.noun, words.between, words.title})
      EXPECT_FALSE(Tr(role).empty()) << ContactKindName(kind);
    EXPECT_FALSE(words.symbol.empty()) << ContactKindName(kind);
  }
  // The identifier is no display word.
  EXPECT_EQ(Tr(WordsOf(ContactKind::SemiSextile).title), "Semi-sextile");
  EXPECT_EQ(Tr(WordsOf(ContactKind::SemiSquare).noun), "semi-square");
}

TEST(WhyWords, CountsChooseTheirFormAndHousesTheirClass) {
  EXPECT_EQ(TrN(words::kOnlyLinksAdd, 1, {"one"}), "Only one link adds to harmony.");
  EXPECT_EQ(TrN(words::kOnlyLinksTake, 2, {"two"}), "Only two links take harmony away.");
  EXPECT_EQ(TrN(words::kPercentagePoints, 1), "1 point");
  EXPECT_EQ(TrN(words::kPercentagePoints, 0), "0 points");
  EXPECT_EQ(Tr(words::HouseWords(HouseClass::Succedent), {"11"}), "11 (succedent)");
  EXPECT_EQ(Tr(words::HouseWords(HouseClass::Cadent), {"3"}), "3 (cadent)");
  EXPECT_EQ(Tr(words::HouseWords(HouseClass::Angular), {"1"}), "1 (angular)");
}

}  // namespace
}  // namespace kelvra
