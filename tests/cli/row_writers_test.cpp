// SPDX-License-Identifier: AGPL-3.0-or-later
// The writers' exact bytes where a whole run cannot easily reach them.
#include <gtest/gtest.h>

#include <string>

#include "cli/csv_rows.h"
#include "cli/json_line.h"
#include "cli/json_rows.h"
#include "csv/csv_field.h"

namespace kelvra::cli {
namespace {

TEST(CsvRows, QuotesOnlyWhatWouldChangeMeaningOrLoseBlanks) {
  const struct {
    std::string field, written;
  } cases[] = {
      {"", ""},
      {"plain text", "plain text"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
      {" leading", "\" leading\""},
      {"trailing\t", "\"trailing\t\""},
      {"\"", "\"\"\"\""},
      {"in side", "in side"},
  };
  std::string scratch;
  for (const auto& c : cases) {
    std::string line = "x,";
    csv::AppendCsvField(line, c.field, scratch);
    EXPECT_EQ(line, "x," + c.written) << c.field;
  }
}

TEST(CsvRows, TheHeaderNamesTheFieldsAndTheMomentsOnlyWhenConverted) {
  const std::string plain = CsvHeaderLine(false);
  EXPECT_TRUE(plain.starts_with("male_name,male_dob,male_city,male_state,male_country,female_name,"));
  EXPECT_NE(plain.find(",male_part_of_fortune,male_ascendant,male_midheaven,male_chiron,female_sun,"), std::string::npos);
  EXPECT_TRUE(plain.ends_with(",female_chiron,power,harmony,ph,percentage,comment\r\n"));
  EXPECT_EQ(CsvHeaderLine(true), plain.substr(0, plain.size() - 2) + ",male_ut,female_ut\r\n");
}

TEST(JsonRows, ARefusedRowIsItsNumberAndItsMessage) {
  JsonLine json;
  json.String("left over from the line before");
  WriteRefusalLine(json, 12, "male_day: must be a whole number from 1 to 31 \"\x01\"");
  EXPECT_EQ(json.text(), "{\"row\":12,\"error\":\"male_day: must be a whole number from 1 to 31 \\\"\\u0001\\\"\"}");
}

}  // namespace
}  // namespace kelvra::cli
