// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry form's pure rules: keystrokes, validation, reading a record.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "entry/birth_entries.h"
#include "entry/keystroke_rules.h"
#include "entry/result_boxes.h"
#include "entry/validation.h"
#include "builders.h"

namespace kelvra {
namespace {

TEST(KeystrokeRules, AcceptedCodes) {
  struct Row {
    int code;
    bool letter, number;
  };
  const Row rows[] = {
      {65, true, false},  {90, true, false},  {97, true, false},   {122, true, false}, {64, false, false},
      {91, false, false}, {96, false, false}, {123, false, false}, {32, true, false},  {8, true, true},
      {127, true, true},  {48, false, true},  {57, false, true},   {47, false, false}, {58, false, false},
      {45, false, false}, {46, false, false}, {39, false, false},  {44, false, false}, {43, false, false},
      {13, false, false}, {27, false, false}, {22, false, false},  {3, false, false},  {24, false, false},
      {26, false, false}, {233, false, false}, {0x0410, false, false}, {0, false, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LettersOnlyKeyPress(row.code), row.letter) << row.code;
    EXPECT_EQ(NumbersOnlyKeyPress(row.code), row.number) << row.code;
  }
}

TEST(KeystrokeRules, InsertedTextIsWhatAnEditBroughtIn) {
  const struct {
    const char* before;
    const char* after;
    const char* inserted;
  } rows[] = {
      {"Troms\xC3\xB8", "Troms\xC3\xB8x", "x"},  // typed after a name the program set
      {"Abc", "Abc Louis", " Louis"},            {"Abc", "St. Louis", "St. Louis"},  // replaced whole
      {"ab", "abb", "b"},                        {"abc", "ac", ""},                  // a deletion brings nothing
      {"", "12", "12"},                          {"New York", "New  York", " "},
  };
  for (const auto& row : rows) {
    const QString inserted = InsertedText(QString::fromUtf8(row.before), QString::fromUtf8(row.after));
    EXPECT_EQ(inserted, QString::fromUtf8(row.inserted)) << row.before << " -> " << row.after;
  }
}

TEST(KeystrokeRules, TextFollowsRule) {
  EXPECT_TRUE(TextFollowsRule(KeyRule::Letters, "New York"));
  EXPECT_TRUE(TextFollowsRule(KeyRule::Letters, ""));
  EXPECT_TRUE(TextFollowsRule(KeyRule::Letters, "   "));
  EXPECT_FALSE(TextFollowsRule(KeyRule::Letters, "St. Louis"));
  EXPECT_FALSE(TextFollowsRule(KeyRule::Letters, QString::fromUtf8("Zürich")));
  EXPECT_FALSE(TextFollowsRule(KeyRule::Letters, "Line\nbreak"));
  EXPECT_TRUE(TextFollowsRule(KeyRule::Numbers, "123"));
  EXPECT_FALSE(TextFollowsRule(KeyRule::Numbers, "-12"));
  EXPECT_FALSE(TextFollowsRule(KeyRule::Numbers, "1 2"));
  EXPECT_EQ(RefusalMessage(KeyRule::Letters), "Please enter only letters");
  EXPECT_EQ(RefusalMessage(KeyRule::Numbers), "Please enter only numbers");
}

TEST(KeystrokeCode, FromKeyEvents) {
  struct Row {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<int> code;
  };
  const Row rows[] = {
      {Qt::Key_A, Qt::NoModifier, "a", 97},
      {Qt::Key_A, Qt::ShiftModifier, "A", 65},
      {Qt::Key_Space, Qt::NoModifier, " ", 32},
      {Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"), 233},
      {Qt::Key_Minus, Qt::NoModifier, "-", 45},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {Qt::Key_Return, Qt::NoModifier, "\r", 13},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
      // Not keystrokes: no text, or Tab and Backtab.
      {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_Control, Qt::ControlModifier, "", std::nullopt},
      {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
      {Qt::Key_Delete, Qt::NoModifier, "", std::nullopt},
      {Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", std::nullopt},
      // Ctrl plus a letter is its control code, with or without text.
      {Qt::Key_V, Qt::ControlModifier, "\x16", 22},
      {Qt::Key_V, Qt::ControlModifier, "", 22},
      {Qt::Key_C, Qt::ControlModifier, "", 3},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "", 26},
      {Qt::Key_Backspace, Qt::ControlModifier, "", 127},
  };
  for (const auto& row : rows) {
    const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.text);
    EXPECT_EQ(KeystrokeCode(event), row.code) << "key " << row.key << " text " << row.text.toStdString();
  }
}

// Every entry filled, the coordinates beyond any range: checks ask for
// presence only.
PersonEntries Complete() {
  return testing::MakeEntries({.latDeg = "999", .latMin = "99", .longDeg = "0", .longMin = "0", .lon = "W"});
}

TEST(FirstFailingCheck, EachEntryInItsOrder) {
  struct Row {
    bool male;
    QString PersonEntries::*entry;
    int check;
    const char* message;
    EntryField field;
  };
  using E = PersonEntries;
  using F = EntryField;
  const Row rows[] = {
      {true, &E::name, 1, "Please Enter Male Name", F::Name},
      {true, &E::latDeg, 2, "Please Enter Degree in Latitude", F::LatDeg},
      {true, &E::latMin, 3, "Please Enter Minutes in Latitude", F::LatMin},
      {true, &E::longDeg, 4, "Please Enter Degree in Longitude", F::LongDeg},
      {true, &E::longMin, 5, "Please Enter Minute in Longitude", F::LongMin},
      {true, &E::city, 6, "Please Enter City", F::City},
      {true, &E::state, 7, "Please Enter State", F::State},
      {true, &E::country, 8, "Please Enter Country", F::Country},
      {false, &E::name, 11, "Please Enter Female Name", F::Name},
      {false, &E::latDeg, 12, "Please Enter Degree in Latitude", F::LatDeg},
      {false, &E::latMin, 13, "Please Enter Minutes in Latitude", F::LatMin},
      {false, &E::longDeg, 14, "Please Enter Degree in Longitude", F::LongDeg},
      {false, &E::longMin, 15, "Please Enter Minutes in Longitude", F::LongMin},
      {false, &E::city, 16, "Please Enter City", F::City},
      {false, &E::state, 17, "Please Enter State", F::State},
      {false, &E::country, 18, "Please Enter Country", F::Country},
  };
  for (const auto& row : rows) {
    PersonEntries male = Complete(), female = Complete();
    ((row.male ? male : female).*row.entry).clear();
    EXPECT_EQ(FirstFailingCheck(male, female), (ValidationFailure{row.check, row.message, row.field}))
        << "check " << row.check;
  }
}

TEST(FirstFailingCheck, Directions) {
  struct Row {
    bool male, latitude;
    int check;
    const char* message;
    EntryField option;
  };
  const Row rows[] = {
      {true, true, 9, "Please Select Direction For The Latitude", EntryField::North},
      {true, false, 10, "Please Select Direction For The Longitude", EntryField::East},
      {false, true, 19, "Please Select Direction For The Latitude", EntryField::North},
      {false, false, 20, "Please Select Direction For The Longitude", EntryField::East},
  };
  for (const auto& row : rows) {
    PersonEntries male = Complete(), female = Complete();
    PersonEntries& person = row.male ? male : female;
    if (row.latitude) {
      person.north = person.south = false;
    } else {
      person.east = person.west = false;
    }
    EXPECT_EQ(FirstFailingCheck(male, female), (ValidationFailure{row.check, row.message, row.option}));
  }
}

TEST(FirstFailingCheck, OrderAndPresence) {
  EXPECT_EQ(FirstFailingCheck({}, {})->check, 1);  // an empty form: the male name only
  PersonEntries halfMale = Complete();
  halfMale.city.clear();
  EXPECT_EQ(FirstFailingCheck(halfMale, {})->check, 6);  // the male gap before any female one
  PersonEntries blanks = Complete();
  blanks.name = "   ";  // blanks count as present
  blanks.city = " ";
  blanks.south = true;  // both directions selected is no gap either
  EXPECT_EQ(FirstFailingCheck(blanks, Complete()), std::nullopt);
}

TEST(ReadBirthData, TrimsConvertsAndTakesTheListsValues) {
  const auto read = ReadBirthData(testing::MakeEntries({.name = "  Ann Lee ", .day = 31, .month = 2, .year = 1985,
                                                        .hour = 24, .minute = 59, .second = 7, .latDeg = "999",
                                                        .latMin = " 007", .lat = "S", .longDeg = "0",
                                                        .longMin = "12", .lon = "", .city = " Paris "}));
  ASSERT_TRUE(std::holds_alternative<BirthData>(read));
  const BirthData& b = std::get<BirthData>(read);
  EXPECT_EQ(b.Name, "Ann Lee");
  EXPECT_EQ(b.Day, "31");
  EXPECT_EQ(b.Month, 2);
  EXPECT_EQ(b.Year, "1985");
  EXPECT_EQ(b.Hour, 24);
  EXPECT_EQ(b.Minute, 59);
  EXPECT_EQ(b.Second, 7);
  EXPECT_EQ(b.LatDeg, 999);
  EXPECT_EQ(b.LatMin, 7);
  EXPECT_EQ(b.LatDir, LatitudeDirection::South);
  EXPECT_EQ(b.LongDir, LongitudeDirection::East);
  EXPECT_EQ(b.City, " Paris ");  // places are not part of the trimmed variables
}

TEST(ReadBirthData, NamesTheEntryThatIsNoNumber) {
  // Only the program itself can put "1-" there.
  PersonEntries entries = testing::MakeEntries({.latDeg = "1", .latMin = "1", .longDeg = "1-", .longMin = "1"});
  EXPECT_EQ(std::get<EntryError>(ReadBirthData(entries)),
            (EntryError{EntryField::LongDeg, "Please enter only numbers"}));
  entries.longDeg = "";
  EXPECT_EQ(std::get<EntryError>(ReadBirthData(entries)).field, EntryField::LongDeg);
}

TEST(CheckPlaceEntries, ReportsOnlyTheFirstMissingEntry) {
  const struct {
    const char* city;
    const char* state;
    const char* country;
    std::optional<PlaceGap> gap;
  } cases[] = {
      {"", "NY", "USA", PlaceGap{EntryField::City, "Please Enter City"}},
      {"", "", "", PlaceGap{EntryField::City, "Please Enter City"}},
      {"New York", "", "", PlaceGap{EntryField::State, "Please Enter State"}},
      {"New York", "", "USA", PlaceGap{EntryField::State, "Please Enter State"}},
      {"New York", "NY", "", PlaceGap{EntryField::Country, "Please Enter Country"}},
      {"New York", "NY", "USA", std::nullopt},
      // Not trimmed: blanks count as an entry.
      {" ", " ", " ", std::nullopt},
      {"New York", " ", "", PlaceGap{EntryField::Country, "Please Enter Country"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckPlaceEntries(c.city, c.state, c.country), c.gap) << c.city << '|' << c.state << '|' << c.country;
}

}  // namespace
}  // namespace kelvra

namespace kelvra {
namespace {

TEST(ResultBoxTexts, BoxesTheVerdictLeavesShowTheirCaptions) {
  EXPECT_EQ(InitialResultBoxTexts(), (ResultBoxTexts{"Power", "Harmony", "P*H", "PHPercentage", "Comment"}));
  EXPECT_EQ(ResultBoxTextsOf(DecideVerdict(1000, 100)), (ResultBoxTexts{"1000", "100", "1000", "337", "Comment"}));
  EXPECT_EQ(ResultBoxTextsOf(DecideVerdict(0, 0)), (ResultBoxTexts{"0", "0", "0", "PHPercentage", "Comment"}));
  EXPECT_EQ(ResultBoxTextsOf(DecideVerdict(1500, -1)), InitialResultBoxTexts());
}

}  // namespace
}  // namespace kelvra
