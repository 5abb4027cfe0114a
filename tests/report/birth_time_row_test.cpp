// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/birth_time_row.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

ConvertedBirthTime Converted(const char* zone, LocalBirthTime local, QDateTime ut, int offset, const char* abbreviation,
                             bool daylight) {
  return {zone, local, {ut, offset, QString::fromLatin1(abbreviation), daylight}};
}

QDateTime Utc(int year, int month, int day, int hour, int minute, int second = 0) {
  return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

TEST(BirthTimeRow, ClockTimeOffsetAndUtWithTheZoneInTheToolTip) {
  const struct {
    const char* name;
    ConvertedBirthTime time;
    const char* text;
    const char* toolTip;
  } rows[] = {
      {"summer time", Converted("Europe/Oslo", {1985, 7, 13, 14, 30}, Utc(1985, 7, 13, 12, 30), 7200, "CEST", true),
       "14:30 UTC+02:00 = 12:30 UT", "Europe/Oslo (CEST, summer time)"},
      {"standard time", Converted("Europe/London", {1985, 1, 2, 9, 5}, Utc(1985, 1, 2, 9, 5), 0, "GMT", false),
       "09:05 UTC+00:00 = 09:05 UT", "Europe/London (GMT)"},
      {"UT the day before", Converted("Australia/Sydney", {1952, 11, 2, 6, 15}, Utc(1952, 11, 1, 20, 15), 36000,
                                      "AEST", false),
       "06:15 UTC+10:00 = 20:15 UT (\u22121 day)", "Australia/Sydney (AEST)"},
      {"UT the day after", Converted("America/Lima", {1990, 5, 1, 22, 0}, Utc(1990, 5, 2, 3, 0), -18000, "-05", false),
       "22:00 UTC-05:00 = 03:00 UT (+1 day)", "America/Lima (-05)"},
      // Hour 24 is the next day's 0 hours: UT is a day after the date entered.
      {"hour 24", Converted("UTC", {1985, 7, 13, 24, 15}, Utc(1985, 7, 14, 0, 15), 0, "UTC", false),
       "24:15 UTC+00:00 = 00:15 UT (+1 day)", "UTC"},
      {"old mean time", Converted("Europe/Oslo", {1890, 1, 1, 14, 30}, Utc(1890, 1, 1, 13, 36, 32), 3208, "LMT", false),
       "14:30 UTC+00:53:28 = 13:36:32 UT", "Europe/Oslo (LMT)"},
      {"fixed offset", Converted("UTC+05:30", {2000, 6, 1, 12, 0}, Utc(2000, 6, 1, 6, 30), 19800, "UTC+05:30", false),
       "12:00 UTC+05:30 = 06:30 UT", "UTC+05:30"},
  };
  for (const auto& row : rows) {
    const BirthTimeRow got = BirthTimeRowOf(row.time);
    EXPECT_EQ(got.text, QString::fromUtf8(row.text)) << row.name;
    EXPECT_EQ(got.toolTip, QString::fromUtf8(row.toolTip)) << row.name;
  }
}

}  // namespace
}  // namespace kelvra
