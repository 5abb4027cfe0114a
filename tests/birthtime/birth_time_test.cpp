// SPDX-License-Identifier: AGPL-3.0-or-later
#include "birthtime/birth_time.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTimeZone>

#include <algorithm>

namespace kelvra {
namespace {

using Outcome = UtConversion::Outcome;

// "UT offset" of each candidate, joined by "; ".
std::string Readings(const UtConversion& conversion) {
  QStringList parts;
  for (const auto& c : conversion.candidates) parts << UtText(c.ut) + u' ' + OffsetText(c.offsetSeconds);
  return parts.join(QStringLiteral("; ")).toStdString();
}

// Expected values are those of tzdata 2025b-0+deb12u2 (Debian 12), which
// keeps the history before 1970 (Oslo's summer time, India's war time).
TEST(ConvertToUt, FollowsTheZoneHistory) {
  struct Row {
    LocalBirthTime local;
    const char* zone;
    double longitude;
    Outcome outcome;
    const char* readings;
  };
  const Row rows[] = {
      {{1950, 7, 1, 12, 0}, "America/New_York", -74, Outcome::Converted, "1950-07-01T16:00:00 -04:00"},
      {{1950, 1, 15, 12, 0}, "America/New_York", -74, Outcome::Converted, "1950-01-15T17:00:00 -05:00"},
      {{1985, 7, 1, 12, 0}, "Europe/Kyiv", 30.5, Outcome::Converted, "1985-07-01T08:00:00 +04:00"},
      {{1985, 1, 15, 12, 0}, "Europe/Kiev", 30.5, Outcome::Converted, "1985-01-15T09:00:00 +03:00"},
      {{1942, 12, 1, 12, 0}, "Asia/Kolkata", 88.4, Outcome::Converted, "1942-12-01T05:30:00 +06:30"},
      {{1960, 7, 1, 12, 0}, "Europe/Oslo", 10.75, Outcome::Converted, "1960-07-01T10:00:00 +02:00"},
      {{1970, 1, 15, 12, 0}, "Europe/London", 0, Outcome::Converted, "1970-01-15T11:00:00 +01:00"},
      // Clocks went forward at 02:00 and back at 02:00 (EDT) in 2021.
      {{2021, 3, 14, 2, 30}, "America/New_York", -74, Outcome::DoesNotExist,
       "2021-03-14T07:30:00 -05:00; 2021-03-14T06:30:00 -04:00"},
      {{2021, 3, 14, 2, 0}, "America/New_York", -74, Outcome::DoesNotExist,
       "2021-03-14T07:00:00 -05:00; 2021-03-14T06:00:00 -04:00"},
      {{2021, 3, 14, 3, 0}, "America/New_York", -74, Outcome::Converted, "2021-03-14T07:00:00 -04:00"},
      {{2021, 11, 7, 1, 30}, "America/New_York", -74, Outcome::Ambiguous,
       "2021-11-07T05:30:00 -04:00; 2021-11-07T06:30:00 -05:00"},
      {{2021, 11, 7, 1, 0}, "America/New_York", -74, Outcome::Ambiguous,
       "2021-11-07T05:00:00 -04:00; 2021-11-07T06:00:00 -05:00"},
      {{2021, 11, 7, 2, 0}, "America/New_York", -74, Outcome::Converted, "2021-11-07T07:00:00 -05:00"},
      // Local mean time is the birth longitude's, on the zone's side of the date line.
      {{1930, 7, 1, 12, 0}, "Asia/Riyadh", 45, Outcome::Converted, "1930-07-01T09:00:00 +03:00"},
      {{1930, 7, 1, 12, 0}, "Asia/Riyadh", 46 + 43 / 60.0, Outcome::Converted, "1930-07-01T08:53:08 +03:06:52"},
      {{1947, 3, 13, 23, 55}, "Asia/Riyadh", 46 + 43 / 60.0, Outcome::Ambiguous,
       "1947-03-13T20:48:08 +03:06:52; 1947-03-13T20:55:00 +03:00"},
      {{1840, 7, 1, 12, 0}, "Asia/Manila", 121, Outcome::Converted, "1840-07-02T03:56:00 -15:56"},
      // Paris mean time is a standard of its own, not the birthplace's.
      {{1900, 7, 1, 12, 0}, "Europe/Paris", 4.83, Outcome::Converted, "1900-07-01T11:50:39 +00:09:21"},
      {{1950, 12, 31, 24, 30}, "America/New_York", -74, Outcome::Converted, "1951-01-01T05:30:00 -05:00"},
      {{2021, 2, 28, 24, 30}, "America/New_York", -74, Outcome::Converted, "2021-03-01T05:30:00 -05:00"},
      {{1950, 2, 31, 12, 0}, "America/New_York", -74, Outcome::InvalidDate, ""},
      {{2021, 2, 29, 12, 0}, "America/New_York", -74, Outcome::InvalidDate, ""},
      {{1950, 7, 1, 25, 0}, "America/New_York", -74, Outcome::InvalidDate, ""},
      {{1950, 7, 1, 12, 60}, "America/New_York", -74, Outcome::InvalidDate, ""},
      {{1950, 7, 1, 12, 0}, "Nowhere/Land", 0, Outcome::UnknownZone, ""},
      {{1950, 7, 1, 12, 0}, "London", 0, Outcome::UnknownZone, ""},
  };
  for (const auto& row : rows) {
    const auto conversion = ConvertToUt(row.local, row.zone, row.longitude);
    const auto& l = row.local;
    SCOPED_TRACE(testing::Message() << row.zone << ' ' << l.year << '-' << l.month << '-' << l.day << ' ' << l.hour
                                    << ':' << l.minute);
    EXPECT_EQ(conversion.outcome, row.outcome);
    EXPECT_EQ(Readings(conversion), row.readings);
  }
}

TEST(ConvertWithOffset, SubtractsTheOffsetOnly) {
  EXPECT_EQ(Readings(ConvertWithOffset({1950, 7, 1, 12, 0}, 19800)), "1950-07-01T06:30:00 +05:30");
  EXPECT_EQ(Readings(ConvertWithOffset({1950, 12, 31, 24, 30}, 3600)), "1950-12-31T23:30:00 +01:00");
  EXPECT_EQ(ConvertWithOffset({1950, 2, 30, 12, 0}, 0).outcome, Outcome::InvalidDate);
}

TEST(ParseUtcOffset, AcceptsOnlySignedHoursAndMinutes) {
  struct Row {
    const char* text;
    std::optional<int> seconds;
  };
  const Row rows[] = {
      {"+02:00", 7200}, {"-05:30", -19800}, {"+14:59", 53940}, {"-00:00", 0},     {"+15:00", {}},
      {"+02:60", {}},   {"02:00", {}},      {"+2:00", {}},     {"+0200", {}},     {" +02:00", {}},
      {"+02:00 ", {}},  {"", {}},           {"+02:00:00", {}}, {"+0a:00", {}},    {"\u221202:00", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseUtcOffset(row.text), row.seconds) << '"' << row.text << '"';
}

TEST(OffsetText, ShowsSecondsOnlyWhereTheOffsetHasThem) {
  const std::pair<int, const char*> rows[] = {
      {0, "+00:00"}, {7200, "+02:00"}, {-18000, "-05:00"}, {19800, "+05:30"}, {21208, "+05:53:28"}, {-561, "-00:09:21"},
  };
  for (const auto& [seconds, text] : rows) EXPECT_EQ(OffsetText(seconds), QLatin1String(text));
}

TEST(UtText, WritesTheMomentInUt) {
  EXPECT_EQ(UtText(QDateTime(QDate(1950, 7, 1), QTime(12, 0), QTimeZone(-4 * 3600))), "1950-07-01T16:00:00");
}

TEST(ZoneOffsetsAt, GivesTheOffsetsInForceOrNothing) {
  const struct {
    const char* zone;
    int year, month, day, hour, minute, second;
    std::optional<int> offset, standard;
  } cases[] = {
      {"Europe/Berlin", 1970, 9, 27, 11, 4, 0, 3600, 3600},
      {"Europe/Berlin", 2020, 7, 1, 12, 0, 30, 7200, 3600},
      {"America/New_York", 2020, 7, 1, 24, 0, 0, -14400, -18000},  // 24:00 is 2 July, 0:00
      {"Europe/Berlin", 2021, 3, 28, 2, 30, 0, std::nullopt, std::nullopt},  // skipped by the clock
      {"Europe/Berlin", 2021, 2, 30, 12, 0, 0, std::nullopt, std::nullopt},
      {"MEZ", 2020, 1, 1, 12, 0, 0, std::nullopt, std::nullopt},
      {"Europe/Nowhere", 2020, 1, 1, 12, 0, 0, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto offsets = ZoneOffsetsAt(c.zone, c.year, c.month, c.day, c.hour, c.minute, c.second);
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year) + "-" + std::to_string(c.month));
    ASSERT_EQ(offsets.has_value(), c.offset.has_value());
    if (offsets) {
      EXPECT_EQ(offsets->offset, *c.offset);
      EXPECT_EQ(offsets->standardOffset, *c.standard);
    }
  }
}

TEST(IsValidZone, TakesTzNamesAndRefusesBareWords) {
  for (const char* id : {"Europe/Kyiv", "Europe/Kiev", "America/Argentina/Cordoba", "UTC", "UTC+05:30"})
    EXPECT_TRUE(IsValidZone(id)) << id;
  for (const char* id : {"", "Nowhere/Land", "London", "Foo", "Europe/"}) EXPECT_FALSE(IsValidZone(id)) << id;
}

TEST(ZoneIdsForPicker, AddsValidExtrasOnceInOrder) {
  const auto ids = ZoneIdsForPicker({"Europe/Kiev", "Nowhere/Land", "Europe/Kiev", "London"});
  EXPECT_EQ(ids.count("Europe/Kiev"), 1);
  EXPECT_EQ(ids.count("Europe/Kyiv"), 1);
  EXPECT_FALSE(ids.contains("Nowhere/Land"));
  EXPECT_FALSE(ids.contains("London"));
  EXPECT_TRUE(std::adjacent_find(ids.begin(), ids.end(), std::greater_equal<>()) == ids.end());
}

}  // namespace
}  // namespace kelvra
