// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "vocabulary/birth_time_words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {
namespace {

// The form and kelvra-cli ask for a missing entry from this one table, so
// it must hold the two persons' forms of every entry; only the name and the
// longitude minutes are worded differently for the woman.
TEST(MissingEntryMessage, EveryEntryForBothPersons) {
  const struct {
    EntryWordsField field;
    const char* man;
    const char* woman;
  } rows[] = {
      {EntryWordsField::Name, "Please Enter Male Name", "Please Enter Female Name"},
      {EntryWordsField::LatDeg, "Please Enter Degree in Latitude", "Please Enter Degree in Latitude"},
      {EntryWordsField::LatMin, "Please Enter Minutes in Latitude", "Please Enter Minutes in Latitude"},
      {EntryWordsField::LongDeg, "Please Enter Degree in Longitude", "Please Enter Degree in Longitude"},
      {EntryWordsField::LongMin, "Please Enter Minute in Longitude", "Please Enter Minutes in Longitude"},
      {EntryWordsField::City, "Please Enter City", "Please Enter City"},
      {EntryWordsField::State, "Please Enter State", "Please Enter State"},
      {EntryWordsField::Country, "Please Enter Country", "Please Enter Country"},
      {EntryWordsField::LatDir, "Please Select Direction For The Latitude", "Please Select Direction For The Latitude"},
      {EntryWordsField::LongDir, "Please Select Direction For The Longitude",
       "Please Select Direction For The Longitude"},
  };
  for (const auto& row : rows) {
    const Template man = MissingEntryMessage(row.field, EntryWordsPerson::Man);
    const Template woman = MissingEntryMessage(row.field, EntryWordsPerson::Woman);
    EXPECT_EQ(Tr(man), row.man);
    EXPECT_EQ(Tr(woman), row.woman);
    EXPECT_STREQ(man.context, "Entry form");
    EXPECT_STREQ(woman.context, "Entry form");
  }
}

TEST(ChartTableCaption, EveryPointKeepsItsTableSpelling) {
  for (ChartPoint point : kAllChartPoints) EXPECT_FALSE(Tr(ChartTableCaption(point)).empty());
  EXPECT_EQ(Tr(ChartTableCaption(ChartPoint::Sun)), "Sun");
  EXPECT_EQ(Tr(ChartTableCaption(ChartPoint::NorthNode)), "N. Node");
  EXPECT_EQ(Tr(ChartTableCaption(ChartPoint::SouthNode)), "S. Node");
  EXPECT_EQ(Tr(ChartTableCaption(ChartPoint::PartOfFortune)), "P_of_F");
  EXPECT_EQ(Tr(ChartTableCaption(ChartPoint::Chiron)), "Chiron");
}

// Each outcome is said once for the window and once for the command line.
TEST(BirthTimeOutcomeWords, EveryOutcomeHasBothForms) {
  for (BirthTimeOutcome outcome : kAllBirthTimeOutcomes) {
    const BirthTimeOutcomeWords& words = WordsOf(outcome);
    const std::string window = Tr(words.window);
    const std::string commandLine = Tr(words.commandLine);
    EXPECT_FALSE(window.empty());
    EXPECT_FALSE(commandLine.empty()) << window;
    EXPECT_STREQ(words.window.context, "Birth time");
    EXPECT_STREQ(words.commandLine.context, "Command line");
  }
}

TEST(BirthTimeWords, CountedAndJoinedTexts) {
  EXPECT_EQ(TrN(words::kZoneNoteNearest, 1, {"Oslo", "Europe/Oslo"}), "Oslo, the nearest atlas place (1 km):\nEurope/Oslo");
  EXPECT_EQ(TrN(words::kAtlasSeveralFound, 2), "2 places found. Choose one with the arrow keys and Enter.");
  EXPECT_EQ(Tr(words::kOrAtReading, {Tr(words::kOrAtReading, {"a", "b"}), "c"}), "a or at b or at c");
  EXPECT_EQ(Tr(words::kPlaceListLeftOff, {Tr(words::kPlaceListNext, {"A, B", "C, D"})}), "A, B; C, D; ...");
}

}  // namespace
}  // namespace kelvra
