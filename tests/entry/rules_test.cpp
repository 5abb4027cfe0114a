// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry form's pure rules: keystrokes, validation, reading a record.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "entry/birth_entries.h"
#include "entry/keystroke_rules.h"
#include "entry/result_boxes.h"
#include "entry/validation.h"

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

PersonEntries Complete() {
  PersonEntries p;
  p.name = "Ann";
  p.latDeg = "999";
  p.latMin = "99";
  p.longDeg = "0";
  p.longMin = "0";
  p.city = "Paris";
  p.state = "Ile";
  p.country = "France";
  p.north = true;
  p.west = true;
  return p;
}

TEST(FirstFailingCheck, EachEntryInItsOrder) {
  struct Row {
    bool male;
    QString PersonEntries::*entry;
    int check;
    const char* message;
    const char* control;
  };
  using E = PersonEntries;
  const Row rows[] = {
      {true, &E::name, 1, "Please Enter Male Name", "txtMName"},
      {true, &E::latDeg, 2, "Please Enter Degree in Latitude", "txtMLD"},
      {true, &E::latMin, 3, "Please Enter Minutes in Latitude", "txtMLM"},
      {true, &E::longDeg, 4, "Please Enter Degree in Longitude", "txtMLoD"},
      {true, &E::longMin, 5, "Please Enter Minute in Longitude", "txtMLoM"},
      {true, &E::city, 6, "Please Enter City", "txtMCity"},
      {true, &E::state, 7, "Please Enter State", "txtMState"},
      {true, &E::country, 8, "Please Enter Country", "txtMCountry"},
      {false, &E::name, 11, "Please Enter Female Name", "txtFName"},
      {false, &E::latDeg, 12, "Please Enter Degree in Latitude", "txtFLD"},
      {false, &E::latMin, 13, "Please Enter Minutes in Latitude", "txtFLM"},
      {false, &E::longDeg, 14, "Please Enter Degree in Longitude", "txtFLoD"},
      {false, &E::longMin, 15, "Please Enter Minutes in Longitude", "txtFLoM"},
      {false, &E::city, 16, "Please Enter City", "txtFCity"},
      {false, &E::state, 17, "Please Enter State", "txtFState"},
      {false, &E::country, 18, "Please Enter Country", "txtFCountry"},
  };
  for (const auto& row : rows) {
    PersonEntries male = Complete(), female = Complete();
    ((row.male ? male : female).*row.entry).clear();
    EXPECT_EQ(FirstFailingCheck(male, female),
              (ValidationFailure{row.check, row.message, row.control, false}))
        << "check " << row.check;
  }
}

TEST(FirstFailingCheck, Directions) {
  struct Row {
    bool male, latitude;
    int check;
    const char* message;
    const char* option;
  };
  const Row rows[] = {
      {true, true, 9, "Please Select Direction For The Latitude", "optMNorth"},
      {true, false, 10, "Please Select Direction For The Longitude", "optMEast"},
      {false, true, 19, "Please Select Direction For The Latitude", "optFNorth"},
      {false, false, 20, "Please Select Direction For The Longitude", "optFEast"},
  };
  for (const auto& row : rows) {
    PersonEntries male = Complete(), female = Complete();
    PersonEntries& person = row.male ? male : female;
    if (row.latitude) {
      person.north = person.south = false;
    } else {
      person.east = person.west = false;
    }
    EXPECT_EQ(FirstFailingCheck(male, female), (ValidationFailure{row.check, row.message, row.option, true}));
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

TEST(ReadBirthData, TrimsConvertsAndTakesTheMonthByPosition) {
  PersonTexts texts;
  texts.name = "  Ann Lee ";
  texts.day = "31";
  texts.monthIndex = 1;
  texts.year = "1985";
  texts.hour = "24";
  texts.minute = "59";
  texts.second = "7";
  texts.latDeg = "999";
  texts.latMin = "007";
  texts.longDeg = "0";
  texts.longMin = "12";
  texts.south = true;
  texts.west = false;
  texts.city = " Paris ";
  const auto read = ReadBirthData(texts);
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
  PersonTexts texts;
  texts.day = "1";
  texts.year = "1900";
  texts.hour = texts.minute = texts.second = "0";
  texts.latDeg = texts.latMin = texts.longDeg = texts.longMin = "1";
  texts.longDeg = "1-";  // only the program itself can put this there
  EXPECT_EQ(std::get<EntryError>(ReadBirthData(texts)), (EntryError{"LoD", "Please enter only numbers"}));
  texts.longDeg = "";
  EXPECT_EQ(std::get<EntryError>(ReadBirthData(texts)).control, "LoD");
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
