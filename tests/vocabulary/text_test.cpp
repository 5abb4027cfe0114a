// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vocabulary/chart_words.h"
#include "vocabulary/text.h"

namespace kelvra {
namespace {

TEST(Fill, ReplacesNumberedPlaceholdersOnceAndLeavesTheRest) {
  const struct {
    std::string text;
    std::string filled;
  } cases[] = {
      {"%1 and %2", "Ann and Bob"},
      {"%2 before %1", "Bob before Ann"},
      {"%1%1", "AnnAnn"},
      {"100% of %1", "100% of Ann"},
      {"%3 has no argument", "%3 has no argument"},
      {"%n stays for TrN", "%n stays for TrN"},
      {"ends with %", "ends with %"},
      {"%0 and %10", "%0 and Ann0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Fill(c.text, {"Ann", "Bob"}), c.filled) << c.text;
  // An argument that looks like a placeholder is not filled in turn.
  EXPECT_EQ(Fill("%1 and %2", {"%2", "x"}), "%2 and x");
}

TEST(TrN, ChoosesTheEnglishFormAndCounts) {
  constexpr PluralTemplate links = KELVRA_TR_N("Test", "%n links for %1", "%n link for %1");
  EXPECT_EQ(TrN(links, 0, {"Ann"}), "0 links for Ann");
  EXPECT_EQ(TrN(links, 1, {"Ann"}), "1 link for Ann");
  EXPECT_EQ(TrN(links, 2, {"%n"}), "2 links for %n");
  EXPECT_EQ(TrN(links, -1), "-1 links for %1");
}

// A translation is looked up by context, text and count before it is filled.
TEST(Tr, FillsWhatTheLookupGives) {
  static std::string asked;
  const TextLookup previous = SetTextLookup([](const char* context, const char* text, const char* note, int n) {
    asked = std::string(context) + "|" + text + "|" + (note ? note : "-") + "|" + std::to_string(n);
    return n == 1 ? std::string("eine Verbindung für %1") : std::string("%1: übersetzt");
  });
  EXPECT_EQ(Tr(KELVRA_TR("Test", "%1 is shown"), {"Ann"}), "Ann: übersetzt");
  EXPECT_EQ(asked, "Test|%1 is shown|-|-1");
  EXPECT_EQ(TrN(KELVRA_TR_N("Test", "%n links for %1", "%n link for %1"), 1, {"Ann"}), "eine Verbindung für Ann");
  EXPECT_EQ(asked, "Test|%n links for %1|%n link for %1|1");
  SetTextLookup(previous);
  EXPECT_EQ(Tr(KELVRA_TR("Test", "%1 is shown"), {"Ann"}), "Ann is shown");
}

TEST(ChartWords, EveryKindHasItsOwnWordsInEveryRole) {
  const ContactKind kinds[] = {ContactKind::Conjunction, ContactKind::Sextile,     ContactKind::Square,
                               ContactKind::Trine,       ContactKind::Opposition,  ContactKind::SemiSextile,
                               ContactKind::SemiSquare,  ContactKind::Sesquiquadrate, ContactKind::Quincunx,
                               ContactKind::Parallel};
  std::set<std::string> titles, symbols;
  for (const ContactKind kind : kinds) {
    const ContactKindWords& words = WordsOf(kind);
    titles.insert(Tr(words.title));
    symbols.insert(std::string(words.symbol));
    // The title is the noun with a capital letter.
    std::string noun = Tr(words.noun);
    noun[0] = static_cast<char>(noun[0] - 'a' + 'A');
    EXPECT_EQ(Tr(words.title), noun) << ContactKindName(kind);
  }
  EXPECT_EQ(titles.size(), std::size(kinds));
  EXPECT_EQ(symbols.size(), std::size(kinds));
  EXPECT_EQ(Tr(WordsOf(ContactKind::Opposition).between), "opposite");
  EXPECT_EQ(Tr(WordsOf(ContactKind::SemiSextile).noun), "semi-sextile");
  EXPECT_EQ(Tr(PointWords(ChartPoint::PartOfFortune)), "Part of Fortune");
}

}  // namespace
}  // namespace kelvra
