// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/person_reader.h"

namespace kelvra::cli {
namespace {

// name day month year hour minute second lat_deg lat_min lat_dir long_deg long_min long_dir city state country
const PersonFields kValid = {" Zoë, \"Z\" ", "05", "1", "01980", "24", "30", "59", "007", "30", "n",
                             "999", "0", "West", "  São Paulo", "SP ", "Brasil"};

PersonFields With(std::size_t column, std::string_view value) {
  PersonFields fields = kValid;
  fields[column] = value;
  return fields;
}

std::size_t ColumnIndex(std::string_view column) {
  for (std::size_t i = 0; i < kPersonColumns.size(); ++i) {
    if (kPersonColumns[i] == column) return i;
  }
  ADD_FAILURE() << "no column " << column;
  return 0;
}

TEST(ReadPerson, KeepsTextsVerbatimAndDropsLeadingZeros) {
  const PersonResult r = ReadPerson(Partner::Male, kValid);
  ASSERT_TRUE(r.birth) << r.error;
  const BirthData& b = *r.birth;
  EXPECT_EQ(b.Name, " Zoë, \"Z\" ");
  EXPECT_EQ(b.Day, "5");
  EXPECT_EQ(b.Month, 1);
  EXPECT_EQ(b.Year, "1980");
  EXPECT_EQ(b.Hour, 24);
  EXPECT_EQ(b.Minute, 30);
  EXPECT_EQ(b.Second, 59);
  EXPECT_EQ(b.LatDeg, 7);
  EXPECT_EQ(b.LatMin, 30);
  EXPECT_EQ(b.LatDir, LatitudeDirection::North);
  EXPECT_EQ(b.LongDeg, 999);
  EXPECT_EQ(b.LongMin, 0);
  EXPECT_EQ(b.LongDir, LongitudeDirection::West);
  EXPECT_EQ(b.City, "  São Paulo");
  EXPECT_EQ(b.State, "SP ");
  EXPECT_EQ(b.Country, "Brasil");
}

TEST(ReadPerson, AcceptsRangeEndsAndEveryDirectionSpelling) {
  const struct {
    const char* column;
    const char* value;
  } accepted[] = {
      {"day", "1"},       {"day", "31"},       {"day", "0000031"}, {"month", "12"},     {"year", "1900"},
      {"year", "2050"},   {"hour", "0"},       {"minute", "59"},   {"second", "00"},    {"lat_deg", "0"},
      {"lat_min", "999"}, {"long_deg", "000"}, {"lat_dir", "N"},   {"lat_dir", "NORTH"}, {"lat_dir", "s"},
      {"lat_dir", "sOuTh"}, {"long_dir", "e"}, {"long_dir", "East"}, {"long_dir", "W"}, {"long_dir", "west"},
      {"name", "東京 🌙"},
  };
  for (const auto& [column, value] : accepted) {
    const PersonResult r = ReadPerson(Partner::Female, With(ColumnIndex(column), value));
    EXPECT_TRUE(r.birth) << column << "=" << value << ": " << r.error;
  }
  EXPECT_EQ(ReadPerson(Partner::Male, With(ColumnIndex("lat_dir"), "South")).birth->LatDir, LatitudeDirection::South);
  EXPECT_EQ(ReadPerson(Partner::Male, With(ColumnIndex("long_dir"), "e")).birth->LongDir, LongitudeDirection::East);
}

TEST(ReadPerson, RefusesWithTheColumnAndItsMessage) {
  const struct {
    Partner partner;
    const char* column;
    std::string_view value;
    const char* error;
  } refused[] = {
      {Partner::Male, "name", "", "male_name: Please Enter Male Name"},
      {Partner::Female, "name", "", "female_name: Please Enter Female Name"},
      {Partner::Male, "day", "", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", "0", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", "32", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", "+5", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", " 5", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", "5.0", "male_day: must be a whole number from 1 to 31"},
      {Partner::Male, "day", "99999999999999999999", "male_day: must be a whole number from 1 to 31"},
      {Partner::Female, "month", "13", "female_month: must be a whole number from 1 to 12"},
      {Partner::Female, "month", "January", "female_month: must be a whole number from 1 to 12"},
      {Partner::Male, "year", "1899", "male_year: must be a whole number from 1900 to 2050"},
      {Partner::Male, "year", "2051", "male_year: must be a whole number from 1900 to 2050"},
      {Partner::Male, "hour", "25", "male_hour: must be a whole number from 0 to 24"},
      {Partner::Male, "minute", "60", "male_minute: must be a whole number from 0 to 59"},
      {Partner::Male, "second", "-0", "male_second: must be a whole number from 0 to 59"},
      {Partner::Female, "lat_deg", "", "female_lat_deg: Please Enter Degree in Latitude"},
      {Partner::Female, "lat_deg", "1000", "female_lat_deg: must be a whole number of 1 to 3 digits"},
      {Partner::Female, "lat_deg", "0012", "female_lat_deg: must be a whole number of 1 to 3 digits"},
      {Partner::Male, "lat_min", "", "male_lat_min: Please Enter Minutes in Latitude"},
      {Partner::Male, "lat_min", "-1", "male_lat_min: must be a whole number of 1 to 3 digits"},
      {Partner::Male, "lat_dir", "", "male_lat_dir: Please Select Direction For The Latitude"},
      {Partner::Male, "lat_dir", "E", "male_lat_dir: must be N, S, North or South"},
      {Partner::Male, "lat_dir", " N", "male_lat_dir: must be N, S, North or South"},
      {Partner::Male, "lat_dir", "Nort", "male_lat_dir: must be N, S, North or South"},
      {Partner::Male, "long_deg", "", "male_long_deg: Please Enter Degree in Longitude"},
      {Partner::Male, "long_min", "", "male_long_min: Please Enter Minute in Longitude"},
      {Partner::Female, "long_min", "", "female_long_min: Please Enter Minutes in Longitude"},
      {Partner::Female, "long_min", "1.5", "female_long_min: must be a whole number of 1 to 3 digits"},
      {Partner::Female, "long_dir", "", "female_long_dir: Please Select Direction For The Longitude"},
      {Partner::Female, "long_dir", "N", "female_long_dir: must be E, W, East or West"},
      {Partner::Male, "city", "", "male_city: Please Enter City"},
      {Partner::Male, "state", "", "male_state: Please Enter State"},
      {Partner::Female, "country", "", "female_country: Please Enter Country"},
      {Partner::Male, "name", "Jos\xC3", "male_name: not valid UTF-8"},             // cut short
      {Partner::Male, "city", "\xC0\xAF", "male_city: not valid UTF-8"},            // overlong
      {Partner::Female, "state", "\xED\xA0\x80", "female_state: not valid UTF-8"},  // surrogate
      {Partner::Female, "day", "\xFF" "5", "female_day: not valid UTF-8"},
  };
  for (const auto& [partner, column, value, error] : refused) {
    const PersonResult r = ReadPerson(partner, With(ColumnIndex(column), value));
    EXPECT_FALSE(r.birth) << column << "=" << value;
    EXPECT_EQ(r.error, error) << column << "=" << value;
  }
}

TEST(ReadPerson, ReportsOnlyTheFirstProblemInColumnOrder) {
  PersonFields fields = With(ColumnIndex("country"), "");
  fields[ColumnIndex("long_dir")] = "x";
  fields[ColumnIndex("hour")] = "99";
  EXPECT_EQ(ReadPerson(Partner::Male, fields).error, "male_hour: must be a whole number from 0 to 24");
}

// A file of one person a row names the columns without a prefix; the
// messages still follow the form's wording for that person.
TEST(ReadPerson, NamesUnprefixedColumnsWithTheChosenWording) {
  const PersonColumns woman{"", Partner::Female};
  EXPECT_EQ(ReadPerson(woman, With(ColumnIndex("name"), "")).error, "name: Please Enter Female Name");
  EXPECT_EQ(ReadPerson(woman, With(ColumnIndex("long_min"), "")).error, "long_min: Please Enter Minutes in Longitude");
  EXPECT_EQ(ReadPerson(PersonColumns{"p_", Partner::Male}, With(ColumnIndex("long_min"), "")).error,
            "p_long_min: Please Enter Minute in Longitude");
  EXPECT_TRUE(ReadPerson(woman, kValid).birth);
}

}  // namespace
}  // namespace kelvra::cli
