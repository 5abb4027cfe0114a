// SPDX-License-Identifier: AGPL-3.0-or-later
// The time zone picker: how a zone is named, ordered, given its offset and
// found by a search, and the window that lists them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <tuple>

#include "entry/birth_zone.h"
#include "entry/entry_dialogs.h"

namespace kelvra {
namespace {

TEST(ZoneNames, RegionFirstThenTheRestWithBlanks) {
  const struct {
    const char* id;
    const char* region;
    const char* name;
  } rows[] = {
      {"Europe/Oslo", "Europe", "Oslo"},
      {"America/Argentina/Buenos_Aires", "America", "Argentina / Buenos Aires"},
      {"America/North_Dakota/New_Salem", "America", "North Dakota / New Salem"},
      {"America/Port-au-Prince", "America", "Port-au-Prince"},
      {"Antarctica/DumontDUrville", "Antarctica", "DumontDUrville"},
      {"UTC+05:30", "", "UTC+05:30"},
      {"UTC", "", "UTC"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ZoneRegion(row.id), row.region) << row.id;
    EXPECT_EQ(ZoneDisplayName(row.id), row.name) << row.id;
  }
}

TEST(ZoneListedBefore, RegionsInOrderThenFixedOffsetsWestToEast) {
  QList<QByteArray> zones = {"UTC+05:30", "Europe/Oslo", "UTC-03:00", "UTC", "Africa/Abidjan", "UTC+14:00",
                             "America/Argentina/Buenos_Aires", "America/Anchorage", "UTC-12:00"};
  std::sort(zones.begin(), zones.end(), ZoneListedBefore);
  EXPECT_EQ(zones, (QList<QByteArray>{"Africa/Abidjan", "America/Anchorage", "America/Argentina/Buenos_Aires",
                                      "Europe/Oslo", "UTC-12:00", "UTC-03:00", "UTC", "UTC+05:30", "UTC+14:00"}));
}

TEST(ZoneOffsetAtClock, TheOffsetOfTheLocalTimeStandardWhereItIsNoSingleMoment) {
  const struct {
    const char* id;
    LocalBirthTime local;
    const char* offset;  // empty: none
  } rows[] = {
      {"Europe/Oslo", {1985, 7, 13, 14, 30}, "UTC+02:00"},
      {"Europe/Oslo", {1985, 1, 13, 14, 30}, "UTC+01:00"},
      {"Australia/Sydney", {1950, 11, 2, 6, 15}, "UTC+10:00"},
      {"America/Argentina/Buenos_Aires", {2000, 1, 1, 12, 0}, "UTC-03:00"},
      {"Asia/Kolkata", {1990, 6, 1, 8, 0}, "UTC+05:30"},
      {"UTC-05:00", {2021, 3, 14, 2, 30}, "UTC-05:00"},
      {"America/New_York", {2021, 11, 7, 1, 30}, "UTC-05:00"},  // happens twice
      {"America/New_York", {2021, 3, 14, 2, 30}, "UTC-05:00"},  // skipped by the clocks
      {"America/New_York", {2021, 3, 14, 3, 30}, "UTC-04:00"},
      {"Europe/Oslo", {1985, 7, 12, 24, 0}, "UTC+02:00"},       // 24:00 is the next day's midnight
      {"Europe/Oslo", {1985, 2, 31, 12, 0}, ""},
      {"Nowhere/Atlantis", {1985, 7, 13, 14, 30}, ""},
  };
  for (const auto& row : rows) {
    const std::optional<int> offset = ZoneOffsetAtClock(row.id, row.local);
    EXPECT_EQ(offset ? ZoneOffsetName(*offset) : QString(), row.offset) << row.id << " " << row.local.year << "-"
                                                                         << row.local.month << "-" << row.local.day;
  }
}

TEST(EnteredBirthTime, OnlyADayThatExists) {
  const struct {
    int day, month, year, hour, minute;
    bool moment;
  } rows[] = {
      {13, 7, 1985, 14, 30, true}, {29, 2, 1984, 0, 0, true},  {29, 2, 1985, 0, 0, false},
      {31, 4, 1985, 12, 0, false}, {31, 12, 2050, 24, 0, true}, {1, 1, 1900, 25, 0, false},
  };
  for (const auto& row : rows) {
    PersonEntries entries;
    entries.day = row.day, entries.month = row.month, entries.year = row.year;
    entries.hour = row.hour, entries.minute = row.minute;
    const std::optional<LocalBirthTime> local = EnteredBirthTime(entries);
    ASSERT_EQ(local.has_value(), row.moment) << row.day << "." << row.month << "." << row.year;
    if (local) {
      EXPECT_EQ(std::tie(local->day, local->month, local->year, local->hour, local->minute),
                std::tie(row.day, row.month, row.year, row.hour, row.minute));
    }
  }
}

TEST(ZoneSearch, FoldsCaseAccentsAndBlanksAndWantsEveryWord) {
  const struct {
    const char* typed;
    const char* id;
    const char* offset;
    bool matches;
  } rows[] = {
      {"buenos aires", "America/Argentina/Buenos_Aires", "-03:00", true},
      {"BUENOS_AIRES", "America/Argentina/Buenos_Aires", "-03:00", true},
      {"  Buenos   Aires ", "America/Argentina/Buenos_Aires", "-03:00", true},
      {"aires buenos", "America/Argentina/Buenos_Aires", "-03:00", true},
      {"america/argentina", "America/Argentina/Buenos_Aires", "-03:00", true},
      {"europe buenos", "America/Argentina/Buenos_Aires", "-03:00", false},
      {"São Paulo", "America/Sao_Paulo", "-03:00", true},
      {"züri", "Europe/Zurich", "+01:00", true},
      {"+05:30", "Asia/Kolkata", "+05:30", true},
      {"+05:30", "UTC+05:30", "+05:30", true},
      {"utc+05:30", "Asia/Kolkata", "+05:30", false},  // a place is not named by its offset
      {"-03:00", "Europe/Moscow", "+03:00", false},    // the sign counts
      {"", "Europe/Oslo", "+01:00", true},
      {"osl", "Europe/Oslo", "+01:00", true},
      {"oslo x", "Europe/Oslo", "+01:00", false},
  };
  for (const auto& row : rows) {
    const QString typed = QString::fromUtf8(row.typed);
    EXPECT_EQ(MatchesZoneSearch(FoldForZoneSearch(typed), ZoneSearchText(row.id, row.offset)), row.matches)
        << row.typed << " in " << row.id;
  }
}

// ---------------------------------------------------------------------------
// The window

const ZoneQuestion kQuestion{Person::Male,
                             {"America/Argentina/Buenos_Aires", "America/New_York", "Asia/Kolkata", "Europe/Oslo",
                              "UTC", "UTC+05:30"},
                             "Europe/Oslo",
                             LocalBirthTime{1985, 7, 13, 14, 30}};

// The rows the list shows, in order: a heading as it reads, a zone by its id
// and offset, "Europe/Oslo UTC+02:00".
QStringList ShownRows(QTreeWidget* list) {
  QStringList shown;
  for (int r = 0; r < list->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = list->topLevelItem(r);
    const QString id = item->data(0, Qt::UserRole).toString();
    if (!item->isHidden()) shown << (id.isEmpty() ? item->text(0) : id + " " + item->text(1));
  }
  return shown;
}

TEST(ZonePicker, ListsByRegionFiltersAsTypedAndReturnsTheId) {
  ZonePicker picker(kQuestion, QDateTime());
  picker.show();
  auto* search = picker.findChild<QLineEdit*>("txtZoneSearch");
  auto* list = picker.findChild<QTreeWidget*>("lstZones");
  auto* note = picker.findChild<QLabel*>("lblZoneNote");
  auto* use = picker.findChild<QPushButton*>("cmdUseZone");
  ASSERT_TRUE(search && list && note && use);
  EXPECT_EQ(picker.windowTitle(), "Time zone of the male birthplace");
  EXPECT_EQ(search->accessibleName(), "Male Time Zone Search");
  EXPECT_FALSE(list->accessibleName().isEmpty());
  EXPECT_EQ(note->text(), "Offsets on 1985-07-13 at 14:30, the birth date and time entered.");
  EXPECT_EQ(ShownRows(list),
            (QStringList{"America", "America/Argentina/Buenos_Aires UTC-03:00", "America/New_York UTC-04:00", "Asia",
                         "Asia/Kolkata UTC+05:30", "Europe", "Europe/Oslo UTC+02:00", "Fixed offsets from UTC",
                         "UTC UTC+00:00", "UTC+05:30 UTC+05:30"}));
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(0), "Oslo");
  EXPECT_EQ(picker.chosenZone(), "Europe/Oslo");

  QTest::keyClicks(search, "+05:30");
  EXPECT_EQ(ShownRows(list),
            (QStringList{"Asia", "Asia/Kolkata UTC+05:30", "Fixed offsets from UTC", "UTC+05:30 UTC+05:30"}));
  EXPECT_EQ(picker.chosenZone(), "Asia/Kolkata");  // the one picked before is no longer listed
  QTest::keyClick(search, Qt::Key_Down);  // from the search, over the heading
  EXPECT_EQ(picker.chosenZone(), "UTC+05:30");
  QTest::keyClicks(search, "x");
  EXPECT_TRUE(ShownRows(list).isEmpty());
  EXPECT_EQ(note->text(), "No time zone matches \"+05:30x\".");
  EXPECT_EQ(picker.chosenZone(), std::nullopt);
  EXPECT_FALSE(use->isEnabled());
  QTest::keyClick(search, Qt::Key_Return);  // nothing to pick: stays open
  EXPECT_TRUE(picker.isVisible());

  search->clear();
  QTest::keyClicks(search, "buenos");
  EXPECT_EQ(ShownRows(list), (QStringList{"America", "America/Argentina/Buenos_Aires UTC-03:00"}));
  EXPECT_EQ(note->text(), "Offsets on 1985-07-13 at 14:30, the birth date and time entered.");
  const QRect row = list->visualItemRect(list->currentItem());
  // A widget's double click in QTest is the second click's event alone: the first comes before it.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  EXPECT_EQ(picker.chosenZone(), "America/Argentina/Buenos_Aires");
}

TEST(ZonePicker, PickZoneGivesTheIdOrNothingWhenCancelled) {
  const struct {
    const char* typed;
    Qt::Key key;
    std::optional<QByteArray> picked;
  } rows[] = {
      {"new york", Qt::Key_Return, "America/New_York"},
      {"kolkata", Qt::Key_Escape, std::nullopt},
      {"", Qt::Key_Return, "Europe/Oslo"},  // the zone set before
  };
  for (const auto& row : rows) {
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      auto* search = box->findChild<QLineEdit*>("txtZoneSearch");
      QTest::keyClicks(search, row.typed);
      QTest::keyClick(search, row.key);
    });
    EXPECT_EQ(PickZone(nullptr, kQuestion), row.picked) << row.typed;
  }
}

TEST(ZonePicker, WithoutABirthDateSaysTheOffsetsAreTodays) {
  ZoneQuestion question = kQuestion;
  question.birth.reset();
  const ZonePicker picker(question, QDateTime(QDate(2021, 1, 15), QTime(12, 0), Qt::UTC));
  EXPECT_EQ(picker.findChild<QLabel*>("lblZoneNote")->text(),
            "Offsets as of today: the birth date entered is not a valid date.");
  EXPECT_TRUE(ShownRows(picker.findChild<QTreeWidget*>("lstZones")).contains("Europe/Oslo UTC+01:00"));
}

}  // namespace
}  // namespace kelvra
