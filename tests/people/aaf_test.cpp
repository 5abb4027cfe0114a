// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/aaf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "vocabulary/people_words_aaf.h"

namespace kelvra::people {
namespace {

// A few zones with fixed rules, summer time from April to September, so
// that no tz database is needed.
struct StubZone {
  std::int32_t standard;
  std::int32_t summer;  // the same as standard where the zone has none
};
const std::map<std::string, StubZone, std::less<>> kStubZones = {
    {"Europe/Berlin", {3600, 7200}},
    {"America/New_York", {-18000, -14400}},
    {"Asia/Kolkata", {19800, 19800}},
    {"Africa/Monrovia", {-2670, -2670}},  // a mean time with seconds
    {"Europe/London", {0, 3600}},
};

ZoneRules StubRules(bool withStandard = true) {
  ZoneRules rules;
  rules.isValidZone = [](std::string_view name) { return kStubZones.contains(name); };
  rules.offsetAt = [](std::string_view zone, int, int month, int, int, int, int) -> std::optional<std::int32_t> {
    const auto it = kStubZones.find(zone);
    if (it == kStubZones.end()) return std::nullopt;
    return month >= 4 && month <= 9 ? it->second.summer : it->second.standard;
  };
  if (withStandard)
    rules.standardOffsetAt = [](std::string_view zone, int, int, int, int, int, int) -> std::optional<std::int32_t> {
      const auto it = kStubZones.find(zone);
      if (it == kStubZones.end()) return std::nullopt;
      return it->second.standard;
    };
  return rules;
}

/// The person in one line, to compare against a table.
std::string Describe(const Person& p) {
  char buffer[200];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%d %d:%02d:%02d %d%c%02d %d%c%02d", p.day, p.month, p.year, p.hour,
                p.minute, p.second, p.latDeg, p.latDir, p.latMin, p.longDeg, p.longDir, p.longMin);
  const char* sex = p.sex == Sex::Male ? "m" : p.sex == Sex::Female ? "f" : "*";
  return p.name + "|" + sex + "|" + buffer + "|" + p.city + "|" + p.state + "|" + p.country + "|" + p.zone + "|" +
         p.utcOffset;
}

TEST(Aaf, JulianDayOfKnownMoments) {
  const struct {
    int y, m, d, h, mi;
    double s, jd;
  } rows[] = {
      {2000, 1, 1, 12, 0, 0, 2451545.0},       {1970, 1, 1, 0, 0, 0, 2440587.5},
      {1582, 10, 15, 0, 0, 0, 2299160.5},      {1900, 1, 1, 0, 0, 0, 2415020.5},
      {1839, 1, 19, 0, 38, 12, 2392758.526528}, {2050, 12, 31, 24, 0, 0, 2470172.5},
  };
  for (const auto& r : rows)
    EXPECT_NEAR(JulianDay(r.y, r.m, r.d, r.h, r.mi, r.s), r.jd, 1e-6) << r.y << "-" << r.m << "-" << r.d;
}

TEST(Aaf, ReadsEachFieldAsTheFileGivesIt) {
  const ZoneRules zones = StubRules();
  const struct {
    const char* what;
    const char* file;
    const char* expected;
  } rows[] = {
      {"surname and first name", "#A93:Beispiel,Jonas,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n",
       "Jonas Beispiel|m|27.9.1970 11:04:00 49N05 8E11|Kandel/Pfalz||D||+01:00"},
      {"whole name in the first-name field, a comma in the place",
       "#A93:*,Vera Primer,f,23.2.1968,20:16,Samokov, Sofia,BG\n#B93:*,42n20,23e33,2he00,0\n",
       "Vera Primer|f|23.2.1968 20:16:00 42N20 23E33|Samokov|Sofia|BG||+02:00"},
      {"a place and country spilled over seven fields",
       "#A93:*,Vera Primer,w,23.2.1968,20:16,Samokov, Bulgaria\n#B93:*,42n20,23e33,2he00,0\n",
       "Vera Primer|f|23.2.1968 20:16:00 42N20 23E33|Samokov||Bulgaria||+02:00"},
      {"surname alone, state in parentheses, seconds, upper case",
       "#A93:Doe,*,*,1.6.2001g, 5:06:07,Seattle (WA),USA\n#B93:*,47N36:30,122W19:29,8HW,1\n",
       "Doe|*|1.6.2001 5:06:07 47N37 122W19|Seattle|WA|USA||-07:00"},
      {"parentheses stay in the city without a country",
       "#A93:Doe,Jo,M,1.6.2001,5:06,Seattle (WA),*\n#B93:*,47n36,122w19,*,0\n",
       "Jo Doe|m|1.6.2001 5:06:00 47N36 122W19|Seattle (WA)||||"},
      {"seconds of arc carried into the degree",
       "#A93:A,B,f,1.1.1950,0:00,X,Y\n#B93:*,49n59:40,179w59:30,0he00,2\n",
       "B A|f|1.1.1950 0:00:00 50N00 180W00|X||Y||+02:00"},
      {"a zone the rules know wins over the difference",
       "#A93:A,B,f,1.7.1950,12:00,X,Y\n#B93:*,52n31,13e24,1he00,1\n#ZNAM:Europe/Berlin\n",
       "B A|f|1.7.1950 12:00:00 52N31 13E24|X||Y|Europe/Berlin|"},
      {"an abbreviation is no zone", "#A93:A,B,f,1.7.1950,12:00,X,Y\n#B93:*,52n31,13e24,1he00,1\n#ZNAM:MEZ\n",
       "B A|f|1.7.1950 12:00:00 52N31 13E24|X||Y||+02:00"},
      {"flag L gives the mean time", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,52n31,13e24,*,L\n",
       "B A|m|1.7.1950 12:00:00 52N31 13E24|X||Y||LMT"},
      {"a mean-time offset with seconds", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,43n31,5e27,0e21:48,m\n",
       "B A|m|1.7.1950 12:00:00 43N31 5E27|X||Y||LMT"},
      {"Astrolog's zones", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,43n31,5e27,5:30E,0\n",
       "B A|m|1.7.1950 12:00:00 43N31 5E27|X||Y||+05:30"},
      {"a zone without h", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,43n31,5e27,3w30,D\n",
       "B A|m|1.7.1950 12:00:00 43N31 5E27|X||Y||-01:30"},
      {"no zone and flag 0 give neither", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,43n31,5e27,*,0\n",
       "B A|m|1.7.1950 12:00:00 43N31 5E27|X||Y||"},
      {"an unknown time type leaves the offset open", "#A93:A,B,m,1.7.1950,12:00,X,Y\n#B93:*,43n31,5e27,1he,*\n",
       "B A|m|1.7.1950 12:00:00 43N31 5E27|X||Y||"},
      {"the Julian day gives the offset where no zone is given",
       "#A93:A,B,m,1.1.2000,17:30,X,Y\n#B93:2451545.0001,43n31,5e27,*,0\n",
       "B A|m|1.1.2000 17:30:00 43N31 5E27|X||Y||+05:30"},
      {"hour 24 as the form takes it", "#A93:A,B,m,31.12.2050,24:00,X,Y\n#B93:*,0s00,0w00,0he00,0\n",
       "B A|m|31.12.2050 24:00:00 0S00 0W00|X||Y||+00:00"},
  };
  for (const auto& row : rows) {
    const ReadResult r = ReadAaf(row.file, zones);
    ASSERT_EQ(r.records.size(), 1u) << row.what << (r.refused.empty() ? "" : ": " + r.refused[0].reason);
    EXPECT_EQ(Describe(r.records[0].person), row.expected) << row.what;
    EXPECT_TRUE(r.records[0].remarks.empty()) << row.what;
  }
}

TEST(Aaf, RefusesWhatTheFormCannotHold) {
  const ZoneRules zones = StubRules();
  const struct {
    const char* a93;
    const char* b93;
    std::string reason;
  } rows[] = {
      {"A,B,e,1.1.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafEvent)},
      {"A,B,l,1.1.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafCountry)},
      {"A,B,O,1.1.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafOrganisation)},
      {"A,B,q,1.1.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafUnknownType, {"q"})},
      {"A,B,m,1.1.1950", "*,1n00,1e00,0he,0", Tr(words::kAafTooFewFields, {"4"})},
      {"A,B,m,1.1.1950,*,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafNoBirthTime)},
      {"A,B,m,1.1.1899,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafYearOutside, {"1899"})},
      {"A,B,m,1.1.2051,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafYearOutside, {"2051"})},
      {"A,B,m,31.2.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafImpossibleDate, {"31.2.1950"})},
      {"A,B,m,29.2.1900,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafImpossibleDate, {"29.2.1900"})},
      {"A,B,m,19.1.1950j,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafJulianDate, {"19.1.1950j"})},
      {"A,B,m,4.10.1582,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafJulianDate, {"4.10.1582"})},
      {"A,B,m,1.1950,12:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafUnreadableDate, {"1.1950"})},
      {"A,B,m,1.1.1950,12:60,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafUnreadableTime, {"12:60"})},
      {"A,B,m,1.1.1950,25:00,X,Y", "*,1n00,1e00,0he,0", Tr(words::kAafUnreadableTime, {"25:00"})},
      {"A,B,m,1.1.1950,12:00,X,Y", nullptr, Tr(words::kAafNoCoordinates)},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,*,1e00,0he,0", Tr(words::kAafNoCoordinates)},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,49x05,1e00,0he,0", Tr(words::kAafUnreadableLatitude, {"49x05"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,49n60,1e00,0he,0", Tr(words::kAafImpossibleLatitude, {"49n60"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,90n00:01,1e00,0he,0", Tr(words::kAafImpossibleLatitude, {"90n00:01"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,1n00,181e00,0he,0", Tr(words::kAafImpossibleLongitude, {"181e00"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,1n00,1n00,0he,0", Tr(words::kAafUnreadableLongitude, {"1n00"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,1n00,1e00,1hx,0", Tr(words::kAafUnreadableZone, {"1hx"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,1n00,1e00,19he,0", Tr(words::kAafUnreadableZone, {"19he"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "*,1n00,1e00,1he,3", Tr(words::kAafUnknownTimeType, {"3"})},
      {"A,B,m,1.1.1950,12:00,X,Y", "24x,1n00,1e00,1he,0", Tr(words::kAafUnreadableJulianDay, {"24x"})},
  };
  // Each bad record between two good ones: it alone is refused, with its
  // line and number.
  const std::string good = "#A93:Good,One,m,1.1.1950,12:00,X,Y\n#B93:*,1n00,1e00,0he,0\n";
  for (const auto& row : rows) {
    std::string file = good + "#A93:" + row.a93 + "\n";
    if (row.b93 != nullptr) file += std::string("#B93:") + row.b93 + "\n";
    file += good;
    const ReadResult r = ReadAaf(file, zones);
    EXPECT_EQ(r.records.size(), 2u) << row.a93;
    ASSERT_EQ(r.refused.size(), 1u) << row.a93;
    EXPECT_EQ(r.refused[0].reason, row.reason) << row.a93;
    EXPECT_EQ(r.refused[0].line, 3u) << row.a93;
    EXPECT_EQ(r.refused[0].record, 2u) << row.a93;
  }
}

TEST(Aaf, ChecksTheJulianDayAgainstTheClockTime) {
  const ZoneRules zones = StubRules();
  const struct {
    const char* what;
    const char* b93;
    const char* znam;
    bool remark;
  } rows[] = {
      // 1.1.2000 13:00 at +01:00 is 12:00 UT.
      {"agrees", "2451545.0,1n00,1e00,1he00,0", nullptr, false},
      {"agrees within a minute", "2451545.0006,1n00,1e00,1he00,0", nullptr, false},
      {"two minutes off", "2451545.0014,1n00,1e00,1he00,0", nullptr, true},
      {"an hour off", "2451545.0,1n00,1e00,1he00,1", nullptr, true},
      {"agrees through the zone's rules", "2451545.0,1n00,1e00,*,*", "Europe/Berlin", false},
      {"differs from the zone's rules", "2451545.0,1n00,1e00,*,*", "Asia/Kolkata", true},
      // 13:00 local mean time at 15e00 is 12:00 UT.
      {"agrees with the mean time", "2451545.0,1n00,15e00,*,L", nullptr, false},
      {"too far off for an offset", "2451000.0,1n00,1e00,*,0", nullptr, true},
  };
  for (const auto& row : rows) {
    std::string file = std::string("#A93:A,B,m,1.1.2000,13:00,X,Y\n#B93:") + row.b93 + "\n";
    if (row.znam != nullptr) file += std::string("#ZNAM:") + row.znam + "\n";
    const ReadResult r = ReadAaf(file, zones);
    ASSERT_EQ(r.records.size(), 1u) << row.what;
    EXPECT_EQ(r.records[0].remarks.size(), row.remark ? 1u : 0u) << row.what;
    EXPECT_EQ(r.records[0].person.hour, 13) << row.what << ": the clock time is kept";
  }
  const ReadResult r = ReadAaf("#A93:A,B,m,1.1.2000,13:00,X,Y\n#B93:2451545.0014,1n00,1e00,1he00,0\n", zones);
  EXPECT_EQ(r.records.at(0).remarks.at(0),
            Tr(words::kAafJulianDayDisagrees, {"1.1.2000 13:02", "1.1.2000 13:00"}));
}

TEST(Aaf, ReadsAFileOfEveryVariant) {
  const std::string file =
      "\xEF\xBB\xBF#: Astrolog 7.80\r\n"
      "#: a comment before the first record\n"
      "#A93:Beispiel,Jonas,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
      "#B93:*,49n05,8e11,1he,0\r\n"
      "#ZNAM:CET\r\n"
      "\r\n"
      "#A93:Exemple,Louis,m,19.1.1839,1:00,Aix-En-Provence,F\n"
      "#B93:2392758.526528,43n31,5e27,0e21:48,m\n"
      "#ZNAM:LMT\n"
      "#COM:painter\n"
      "#SRC:1*,Standesamt\n"
      "#a93:*,Vera Primer,f,23.2.1968,20:16,Samokov, Bulgaria\n"
      "#b93:*,42N20,23E33,2HE00,0\n"
      "#COM:first line\n"
      "second line\n"
      "#ENID:0d7c6b2e-6f1a-4f5e-9a51-3c0f4c2b9e11\n"
      "#LPOS:1.0,2.0,\n"
      "3.0,4.0\n"
      "#ZPOS:anything\n"
      "#A93:Smith,Ann,F,3.3.1990, 7:15,Seattle (WA),USA\n"
      "#B93:2447954.13542,47n36,122w19,8W,0\n"
      "#VIA:a friend\n"
      "#ATTRB:x\n"
      "#A93:Berlin Wall,*,e,9.11.1989,18:53,Berlin,D\n"
      "#B93:*,52n31,13e24,1he00,0\n"
      "#A93:Kaur,Asha,w,15.8.1947,0:00,Delhi,IN\n"
      "#B93:*,28n39,77e13,5he30,0\n"
      "#A93:Nobody,Known,*,1.1.2000,*,X,Y\n"
      "#B93:*,1n00,1e00,0he,0\n"
      "#A93:Hall,Lee,m,5.5.2005,5:05:05,London,GB\n"
      "#B93:*,51n30:26,0w07:39,*,*\n"
      "#ZNAM:Europe/London\n"
      "#SRC:Birth certificate\n"
      "#: AAF end\r\n";
  const ReadResult r = ReadAaf(file, StubRules());
  ASSERT_EQ(r.records.size(), 5u);
  std::vector<std::string> got;
  for (const auto& rec : r.records) got.push_back(std::to_string(rec.record) + "@" + std::to_string(rec.line) + " " +
                                                  Describe(rec.person));
  const std::vector<std::string> expected = {
      "1@3 Jonas Beispiel|m|27.9.1970 11:04:00 49N05 8E11|Kandel/Pfalz||D||+01:00",
      "3@12 Vera Primer|f|23.2.1968 20:16:00 42N20 23E33|Samokov||Bulgaria||+02:00",
      "4@20 Ann Smith|f|3.3.1990 7:15:00 47N36 122W19|Seattle|WA|USA||-08:00",
      "6@26 Asha Kaur|f|15.8.1947 0:00:00 28N39 77E13|Delhi||IN||+05:30",
      "8@30 Lee Hall|m|5.5.2005 5:05:05 51N30 0W08|London||GB|Europe/London|",
  };
  EXPECT_EQ(got, expected);
  EXPECT_EQ(r.records[1].person.notes, "first line\nsecond line");
  EXPECT_EQ(r.records[4].person.source, "Birth certificate");
  for (const auto& rec : r.records) EXPECT_TRUE(rec.remarks.empty()) << rec.record;
  ASSERT_EQ(r.refused.size(), 3u);
  EXPECT_EQ(r.refused[0].record, 2u);  // 1839, before the years the form takes
  EXPECT_EQ(r.refused[0].line, 7u);
  EXPECT_EQ(r.refused[1].reason, Tr(words::kAafEvent));
  EXPECT_EQ(r.refused[2].reason, Tr(words::kAafNoBirthTime));
}

TEST(Aaf, TakesWindows1252OnlyWhenTheFileIsNotUtf8) {
  const std::string record = "#A93:%,Z,m,1.1.1950,12:00,X,Y\n#B93:*,1n00,1e00,0he,0\n";
  const struct {
    std::string name;  // as the file gives it
    std::string expected;
  } rows[] = {
      {"M\xC3\xBCller", "Z M\xC3\xBCller"},               // UTF-8
      {"M\xFCller", "Z M\xC3\xBCller"},                   // Windows-1252
      {"\x80\x8A\x9F", "Z \xE2\x82\xAC\xC5\xA0\xC5\xB8"},  // its own letters
      {"\x81", "Z \xC2\x81"},                             // unassigned: the C1 control
      {"\xC0\xAF", "Z \xC3\x80\xC2\xAF"},                  // an overlong form is not UTF-8
      {"\xED\xA0\x80", "Z \xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // nor a surrogate
  };
  for (const auto& row : rows) {
    std::string file = record;
    file.replace(file.find('%'), 1, row.name);
    const ReadResult r = ReadAaf(file, StubRules());
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.records[0].person.name, row.expected);
  }
}

Person Sample() {
  Person p;
  p.name = "Jonas Beispiel";
  p.sex = Sex::Male;
  p.day = 27, p.month = 9, p.year = 1970, p.hour = 11, p.minute = 4;
  p.latDeg = 49, p.latMin = 5, p.longDeg = 8, p.longMin = 11;
  p.city = "Kandel", p.state = "Pfalz", p.country = "D";
  p.zone = "Europe/Berlin";
  return p;
}

TEST(Aaf, WritesWhatOtherProgramsRead) {
  Person summer = Sample();
  summer.source = "Standesamt";
  summer.notes = "painter\nand poet";
  Person lmt = Sample();
  lmt.name = "";
  lmt.sex = Sex::NotStated;
  lmt.zone = "", lmt.utcOffset = "LMT";
  lmt.longDeg = 5, lmt.longMin = 27, lmt.latDir = 'S', lmt.state = "", lmt.second = 9;
  Person offset = Sample();
  offset.sex = Sex::Female;
  offset.zone = "", offset.utcOffset = "-05:30", offset.longDir = 'W', offset.city = "", offset.state = "";
  Person none = offset;
  none.utcOffset = "";
  none.country = "";
  Person winter = Sample();
  winter.month = 1;
  WriteReport report;
  const std::string out = WriteAaf({summer, lmt, offset, none, winter}, StubRules(), "1.2.3", report);
  EXPECT_EQ(out,
            "#: Kelvra 1.2.3\r\n"
            "#A93:*,Jonas Beispiel,m,27.9.1970,11:04,Kandel (Pfalz),D\r\n"
            "#B93:2440856.877778,49n05,8e11,1he00,1\r\n"
            "#ZNAM:Europe/Berlin\r\n"
            "#SRC:Standesamt\r\n"
            "#COM:painter\r\n"
            "#COM:and poet\r\n"
            "#A93:*,*,*,27.9.1970,11:04:09,Kandel,D\r\n"
            "#B93:2440856.946076,49s05,5e27,0he21:48,L\r\n"
            "#ZNAM:LMT\r\n"
            "#A93:*,Jonas Beispiel,f,27.9.1970,11:04,*,D\r\n"
            "#B93:2440857.190278,49n05,8w11,5hw30,0\r\n"
            "#A93:*,Jonas Beispiel,f,27.9.1970,11:04,*,*\r\n"
            "#B93:*,49n05,8w11,*,0\r\n"
            "#A93:*,Jonas Beispiel,m,27.1.1970,11:04,Kandel (Pfalz),D\r\n"
            "#B93:2440613.919444,49n05,8e11,1he00,0\r\n"
            "#ZNAM:Europe/Berlin\r\n"
            "#: AAF end\r\n");
  EXPECT_TRUE(report.substitutions.empty());

  // Without standard offsets the whole offset goes in the zone difference.
  WriteReport again;
  const std::string whole = WriteAaf({Sample()}, StubRules(false), "1", again);
  EXPECT_NE(whole.find("#B93:2440856.877778,49n05,8e11,2he00,0\r\n"), std::string::npos) << whole;
}

TEST(Aaf, ReportsEveryChangeAPersonNeeded) {
  using Entry = std::pair<Template, Template>;  // what, and the field it names
  const Template none{"AAF file", ""};  // no field
  const struct {
    const char* what;
    std::function<void(Person&)> change;
    std::vector<Entry> entries;
    const char* written;  // a piece of the output
  } rows[] = {
      {"comma in the name", [](Person& p) { p.name = "Doe, Jo"; },
       {{words::kAafCommaWritten, words::kAafFieldName}}, "#A93:*,Doe; Jo,"},
      {"commas in city and notes", [](Person& p) { p.city = "A,B,C"; p.notes = "x, y"; },
       {{words::kAafCommaWritten, words::kAafFieldCity}, {words::kAafCommaWritten, words::kAafFieldNotes}},
       "#COM:x; y\r\n"},
      {"line break in the country", [](Person& p) { p.country = "D\r\nE"; },
       {{words::kAafLineBreakWritten, words::kAafFieldCountry}}, ",D E\r\n"},
      {"bytes that are not UTF-8", [](Person& p) { p.source = "M\xFCller"; },
       {{words::kAafNotUtf8Written, words::kAafFieldSource}}, "#SRC:M\xEF\xBF\xBDller\r\n"},
      {"a state without a country", [](Person& p) { p.country = ""; },
       {{words::kAafStateWithoutCountry, none}}, "Kandel (Pfalz),*\r\n"},
      {"minutes of 60 or more", [](Person& p) { p.latMin = 75; },
       {{words::kAafMinutesCarried, words::kAafFieldLatitude}}, ",50n15,"},
      {"a longitude beyond its range", [](Person& p) { p.longDeg = 180; p.longMin = 1; },
       {{words::kAafCoordinateBeyond, words::kAafFieldLongitude}}, ",180e01,"},
  };
  for (const auto& row : rows) {
    Person p = Sample();
    row.change(p);
    WriteReport report;
    // The second person's, so the entries name record 2.
    const std::string out = WriteAaf({Sample(), p}, StubRules(), "1", report);
    std::vector<std::string> expected;
    for (const auto& [what, field] : row.entries) expected.push_back(Tr(what, {"2", Tr(field)}));
    EXPECT_EQ(report.substitutions, expected) << row.what;
    EXPECT_NE(out.find(row.written), std::string::npos) << row.what << "\n" << out;
  }
  // Values no field word describes.
  Person date = Sample(), offset = Sample();
  date.day = 31, date.month = 2;
  offset.zone = "", offset.utcOffset = "+5";
  WriteReport report;
  const std::string out = WriteAaf({date, offset}, StubRules(), "1", report);
  EXPECT_EQ(report.substitutions, (std::vector<std::string>{Tr(words::kAafDateNotReal, {"1", "31.2.1970"}),
                                                            Tr(words::kAafOffsetNotWritable, {"2", "+5"})}));
  EXPECT_NE(out.find("#B93:*,49n05,8e11,*,0\r\n"), std::string::npos) << out;
}

// --- Generated persons ------------------------------------------------------

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : random_(seed) {}

  int Between(int lo, int hi) { return lo + static_cast<int>(random_() % static_cast<std::uint32_t>(hi - lo + 1)); }
  // A list value, its edges often.
  int Edgy(int lo, int hi) {
    const int roll = Between(0, 9);
    return roll == 0 ? lo : roll == 1 ? hi : Between(lo, hi);
  }
  template <typename T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Between(0, static_cast<int>(v.size()) - 1))];
  }

  std::string Words(int most) {
    static const std::vector<std::string> words = {
        "Ann", "Zo\xC3\xAB", "M\xC3\xBCller", "\xC3\x86r\xC3\xB8", "\xE6\x9D\x8E", "O'Brien", "de la Cruz",
        "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "\xF0\x9F\x8C\x9F", "x-y", "(a)", "#1", "*x", "A93:"};
    std::string out = Pick(words);
    for (int n = Between(0, most); n > 0; --n) out += " " + Pick(words);
    return out;
  }

  Person Next() {
    Person p;
    const int nameKind = Between(0, 9);
    p.name = nameKind == 0 ? "" : Words(nameKind == 1 ? 60 : 3);
    p.sex = static_cast<Sex>(Between(0, 2));
    p.year = Edgy(1900, 2050);
    p.month = Edgy(1, 12);
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (p.year % 4 == 0 && p.year % 100 != 0) || p.year % 400 == 0;
    p.day = Edgy(1, kDays[p.month - 1] + (p.month == 2 && leap));
    p.hour = Edgy(0, 24);
    p.minute = Edgy(0, 59);
    p.second = Between(0, 3) == 0 ? 0 : Edgy(0, 59);
    p.latDeg = Edgy(0, 90);
    p.latMin = p.latDeg == 90 ? 0 : Edgy(0, 59);
    p.latDir = Between(0, 1) ? 'N' : 'S';
    p.longDeg = Edgy(0, 180);
    p.longMin = p.longDeg == 180 ? 0 : Edgy(0, 59);
    p.longDir = Between(0, 1) ? 'E' : 'W';
    static const std::vector<std::string> cities = {"", "Kandel", "Frankfurt (Oder)", "S\xC3\xA3o Paulo", "New York"};
    p.city = Between(0, 3) == 0 ? Words(2) : Pick(cities);
    p.country = Between(0, 4) == 0 ? "" : Pick(std::vector<std::string>{"D", "USA", "\xC3\x96sterreich", "BG"});
    if (!p.country.empty() && Between(0, 1)) p.state = Pick(std::vector<std::string>{"WA", "Pfalz", "S\xC3\xA3o"});
    switch (Between(0, 3)) {
      case 0:
        p.zone = Pick(std::vector<std::string>{"Europe/Berlin", "America/New_York", "Asia/Kolkata",
                                               "Africa/Monrovia", "Europe/London"});
        break;
      case 1: {
        const int minutes = Edgy(-12 * 60, 14 * 60);
        const int m = minutes < 0 ? -minutes : minutes;
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%c%02d:%02d", minutes < 0 ? '-' : '+', m / 60, m % 60);
        p.utcOffset = buffer;
        break;
      }
      case 2:
        p.utcOffset = "LMT";
        break;
      default:
        break;
    }
    if (Between(0, 2) == 0) p.notes = Words(8) + (Between(0, 1) ? "\n" + Words(4) + "\n\n" + Words(1) : "");
    if (Between(0, 2) == 0) p.source = Words(2);
    return p;
  }

 private:
  std::mt19937 random_;
};

TEST(Aaf, GeneratedPersonsComeBackAsTheyWere) {
  Generator generate(20251209);
  std::vector<Person> people;
  for (int i = 0; i < 2000; ++i) people.push_back(generate.Next());
  const ZoneRules zones = StubRules();
  WriteReport report;
  const std::string file = WriteAaf(people, zones, "test", report);
  EXPECT_TRUE(report.substitutions.empty()) << report.substitutions.front();
  const ReadResult r = ReadAaf(file, zones);
  EXPECT_TRUE(r.refused.empty()) << r.refused.front().record << ": " << r.refused.front().reason;
  ASSERT_EQ(r.records.size(), people.size());
  for (std::size_t i = 0; i < people.size(); ++i) {
    EXPECT_EQ(r.records[i].person, people[i]) << i << "\n" << Describe(r.records[i].person) << "\n"
                                              << Describe(people[i]);
    EXPECT_TRUE(r.records[i].remarks.empty()) << i << ": " << r.records[i].remarks.front();
  }
}

// Mutations of a valid file: every record is read or refused, none takes
// another along, and nothing crashes.
TEST(Aaf, MutatedFilesRefuseOnlyTheMutatedRecord) {
  std::vector<Person> people;
  for (int i = 0; i < 12; ++i) {
    Person p = Sample();
    p.name = "Person " + std::to_string(i);
    p.notes = i % 2 ? "a note\nover lines" : "";
    p.source = i % 3 ? "" : "records";
    p.zone = i % 4 == 1 ? "" : p.zone;
    p.utcOffset = i % 4 == 1 ? "-03:30" : "";
    people.push_back(p);
  }
  const ZoneRules zones = StubRules();
  WriteReport report;
  const std::string file = WriteAaf(people, zones, "fuzz", report);
  // Where each record's lines begin and end.
  std::vector<std::size_t> starts;
  for (std::size_t at = file.find("#A93:"); at != std::string::npos; at = file.find("#A93:", at + 1))
    starts.push_back(at);
  starts.push_back(file.rfind("#: AAF end"));

  std::mt19937 random(7);
  const auto below = [&](std::size_t n) { return n == 0 ? 0 : random() % n; };
  for (int round = 0; round < 6000; ++round) {
    const std::size_t target = below(people.size());
    const std::size_t begin = starts[target], end = starts[target + 1];
    std::string block = file.substr(begin, end - begin - 2);  // without its last line break
    const int kind = static_cast<int>(below(4));
    if (kind == 0 || kind == 1) {
      for (int n = kind == 0 ? 1 : 1 + static_cast<int>(below(6)); n > 0; --n)
        block[below(block.size())] = static_cast<char>(random());
    } else if (kind == 2) {
      block.resize(below(block.size()));
    } else {
      const std::size_t at = block.rfind("\r\n", below(block.size()));
      const std::size_t from = at == std::string::npos ? 0 : at + 2;
      const std::size_t to = block.find("\r\n", from);
      block.insert(from, block.substr(from, to == std::string::npos ? std::string::npos : to + 2 - from) +
                             (to == std::string::npos ? "\r\n" : ""));
    }
    const std::string mutated = file.substr(0, begin) + block + "\r\n" + file.substr(end);
    const bool wholeFile = round % 10 == 0;  // a cut anywhere, now and then
    const std::string input = wholeFile ? mutated.substr(0, below(mutated.size())) : mutated;
    const ReadResult r = ReadAaf(input, zones);
    if (wholeFile) continue;

    // Lines whose chunk is #A93, with or without its colon.
    std::size_t heads = 0;
    for (std::size_t at = 0; at < mutated.size();) {
      const std::size_t end = std::min(mutated.find('\n', at), mutated.size());
      std::string line = mutated.substr(at, end - at);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() >= 4 && line[0] == '#' && (line[1] == 'A' || line[1] == 'a') && line.compare(2, 2, "93") == 0 &&
          (line.size() == 4 || line[4] == ':'))
        ++heads;
      at = end + 1;
    }
    ASSERT_EQ(r.records.size() + r.refused.size(), heads) << round << "\n" << mutated;
    // Without its #A93 line a record's other lines belong to the one before,
    // as the format has it, unless a #B93 shows where they begin.
    const bool headLost = heads < people.size();
    std::size_t next = 0;
    for (std::size_t i = 0; i < people.size(); ++i) {
      if (i == target || (headLost && i + 1 == target)) continue;
      while (next < r.records.size() && r.records[next].person != people[i]) ++next;
      ASSERT_LT(next, r.records.size()) << "round " << round << ": record " << i << " lost\n" << mutated;
    }
  }
}

}  // namespace
}  // namespace kelvra::people
