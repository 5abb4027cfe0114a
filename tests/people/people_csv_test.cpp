// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/people_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "csv/csv_field.h"

namespace kelvra::people {
namespace {

// Persons over the whole of what the entry form and the library hold: list
// edges, both directions, zones, offsets and LMT, long and non-ASCII texts,
// and texts with commas, quotes, line breaks and blanks at their ends.
class PersonGenerator {
 public:
  explicit PersonGenerator(unsigned seed) : random_(seed) {}

  Person Next() {
    Person p;
    p.name = Pick(kNames);
    if (Chance(4)) p.name += " " + std::to_string(Between(0, 99999));
    p.sex = static_cast<Sex>(Between(0, 2));
    p.day = Edgy(1, 31);
    p.month = Edgy(1, 12);
    p.year = Edgy(1900, 2050);
    p.hour = Edgy(0, 24);
    p.minute = Edgy(0, 59);
    p.second = Edgy(0, 59);
    p.latDeg = Edgy(0, 999);
    p.latMin = Edgy(0, 999);
    p.latDir = Chance(2) ? 'N' : 'S';
    p.longDeg = Edgy(0, 999);
    p.longMin = Edgy(0, 999);
    p.longDir = Chance(2) ? 'E' : 'W';
    p.city = Pick(kTexts);
    p.state = Pick(kTexts);
    p.country = Pick(kTexts);
    p.zone = Pick(kZones);
    p.utcOffset = Pick(kOffsets);
    p.notes = Pick(kTexts);
    p.source = "kept by the library only";
    p.origin = "people.aaf: record 7";
    return p;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int oneIn) { return Between(1, oneIn) == 1; }
  // Half the time an end of the range or next to it.
  int Edgy(int low, int high) {
    if (Chance(2)) return Between(low, high);
    const int edges[] = {low, low + 1, high - 1, high};
    return edges[Between(0, 3)];
  }
  template <std::size_t N>
  const char* Pick(const char* const (&pool)[N]) {
    return pool[Between(0, static_cast<int>(N) - 1)];
  }

  static constexpr const char* kNames[] = {
      "Ada Lovelace", "Jürgen Müller", "Zoë Ærøskøbing", "李小龙", "Алексей Толстой", "Ελένη", "x",
      "Smith, John", "\"Bud\" Abbott", "Ann\r\nMarie", "line\nbreak", "cr\ronly", " leading", "trailing ",
      "\ttabbed\t", "=SUM(A1)", "'quoted'", "a\"\"b", "🙂 emoji",
      "A very long name that goes on and on, with commas, \"quotes\" and more words than any form would show, "
      "repeated: A very long name that goes on and on, with commas, \"quotes\" and more words than any form would "
      "show, and then some more to pass two hundred and fifty-six bytes easily.",
  };
  static constexpr const char* kTexts[] = {
      "", "Berlin", "München", "São Paulo", "Łódź", "New York, NY", "\"The\" City", "two\r\nlines",
      "LF\nonly", " ", "  both  ", ",", "\"", "Bayern", "Deutschland", "日本", "notes: a, b; c\r\nd \"e\"",
  };
  static constexpr const char* kZones[] = {
      "", "", "Europe/Berlin", "America/Argentina/Buenos_Aires", "Asia/Kolkata", "Etc/GMT+5", "UTC",
  };
  static constexpr const char* kOffsets[] = {
      "", "", "LMT", "+00:00", "-00:00", "+14:00", "-14:00", "+05:30", "-09:59", "+01:00",
  };

  std::mt19937 random_;
};

Person WithoutWhatTheCsvLeavesOut(Person p) {
  p.source.clear();
  p.origin.clear();
  return p;
}

std::vector<Person> Generate(std::size_t count, unsigned seed) {
  PersonGenerator generator(seed);
  std::vector<Person> people;
  for (std::size_t i = 0; i < count; ++i) people.push_back(generator.Next());
  return people;
}

std::string Header() {
  std::string header;
  for (const std::string_view column : kPeopleCsvColumns) header.append(header.empty() ? "" : ",").append(column);
  return header;
}

TEST(PeopleCsv, TheRoundTripGivesEveryPersonBack) {
  const std::vector<Person> people = Generate(2000, 25);
  const std::string written = WritePeopleCsv(people);
  ASSERT_TRUE(written.starts_with(Header() + "\r\n"));  // and so no byte order mark
  const ReadResult read = ReadPeopleCsv(written);
  EXPECT_EQ(read.fileProblem, "");
  EXPECT_TRUE(read.refused.empty()) << read.refused.front().reason;
  ASSERT_EQ(read.records.size(), people.size());
  std::size_t line = 1;
  for (std::size_t i = 0; i < people.size(); ++i) {
    EXPECT_EQ(read.records[i].person, WithoutWhatTheCsvLeavesOut(people[i])) << "record " << i + 1;
    EXPECT_EQ(read.records[i].record, i + 1);
    EXPECT_GT(read.records[i].line, line);
    line = read.records[i].line;
  }
}

TEST(PeopleCsv, WritesTheHeaderAndQuotesOnlyWhereNeeded) {
  Person plain;
  plain.name = "Ada";
  plain.sex = Sex::Female;
  plain.day = 10, plain.month = 12, plain.year = 1915, plain.hour = 24, plain.minute = 5, plain.second = 59;
  plain.latDeg = 51, plain.latMin = 30, plain.latDir = 'N', plain.longDeg = 0, plain.longMin = 7, plain.longDir = 'W';
  plain.city = "London";
  plain.country = "UK";
  plain.zone = "Europe/London";
  plain.source = "never written";
  Person texts = plain;
  texts.sex = Sex::NotStated;
  texts.name = "Smith, \"Ada\"";
  texts.city = " London";
  texts.notes = "one\r\ntwo";
  texts.zone = "";
  texts.utcOffset = "LMT";
  texts.latDir = 'S';
  texts.longDir = 'E';
  EXPECT_EQ(WritePeopleCsv({plain, texts}),
            Header() + "\r\n" +
                "Ada,female,10,12,1915,24,5,59,51,30,N,0,7,W,London,,UK,Europe/London,,\r\n"
                "\"Smith, \"\"Ada\"\"\",,10,12,1915,24,5,59,51,30,S,0,7,E,\" London\",,UK,,LMT,\"one\r\ntwo\"\r\n");
  EXPECT_EQ(WritePeopleCsv({}), Header() + "\r\n");
}

// The people of `people` as a CSV with the columns in `columns` (which may
// name columns the file does not know, left empty) and LF line ends.
std::string CsvWithColumns(const std::vector<Person>& people, const std::vector<std::string>& columns) {
  std::string out = "\xEF\xBB\xBF";
  for (std::size_t i = 0; i < columns.size(); ++i) out.append(i ? "," : "").append(columns[i]);
  out += '\n';
  std::string scratch;
  for (const Person& p : people) {
    const std::map<std::string, std::string> values = {
        {"name", p.name}, {"sex", p.sex == Sex::Male ? "male" : p.sex == Sex::Female ? "female" : ""},
        {"day", std::to_string(p.day)}, {"month", std::to_string(p.month)}, {"year", std::to_string(p.year)},
        {"hour", std::to_string(p.hour)}, {"minute", std::to_string(p.minute)},
        {"second", std::to_string(p.second)}, {"lat_deg", std::to_string(p.latDeg)},
        {"lat_min", std::to_string(p.latMin)}, {"lat_dir", std::string(1, p.latDir)},
        {"long_deg", std::to_string(p.longDeg)}, {"long_min", std::to_string(p.longMin)},
        {"long_dir", std::string(1, p.longDir)}, {"city", p.city}, {"state", p.state}, {"country", p.country},
        {"tz", p.zone}, {"utc_offset", p.utcOffset}, {"notes", p.notes}, {"extra", "x,\"y\"\nz"}};
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i) out += ',';
      const auto found = values.find(columns[i]);
      if (found != values.end()) csv::AppendCsvField(out, found->second, scratch);
    }
    out += '\n';
  }
  return out;
}

TEST(PeopleCsv, ColumnsInAnyOrderAndOthersReadTheSame) {
  const std::vector<Person> people = Generate(200, 7);
  std::vector<std::string> columns(kPeopleCsvColumns.begin(), kPeopleCsvColumns.end());
  columns.insert(columns.begin() + 3, "extra");
  columns.push_back("id");
  std::mt19937 random(3);
  for (int shuffle = 0; shuffle < 5; ++shuffle) {
    std::shuffle(columns.begin(), columns.end(), random);
    const ReadResult read = ReadPeopleCsv(CsvWithColumns(people, columns));
    ASSERT_EQ(read.records.size(), people.size()) << read.fileProblem;
    for (std::size_t i = 0; i < people.size(); ++i)
      EXPECT_EQ(read.records[i].person, WithoutWhatTheCsvLeavesOut(people[i])) << "shuffle " << shuffle;
  }
  // Without the optional columns a person has no sex, zone, offset or notes.
  std::vector<std::string> required(kPeopleCsvColumns.begin(), kPeopleCsvColumns.end());
  std::erase_if(required, [](const std::string& c) { return c == "sex" || c == "tz" || c == "utc_offset" || c == "notes"; });
  const ReadResult read = ReadPeopleCsv(CsvWithColumns(people, required));
  ASSERT_EQ(read.records.size(), people.size()) << read.fileProblem;
  Person expected = WithoutWhatTheCsvLeavesOut(people[0]);
  expected.sex = Sex::NotStated;
  expected.zone = expected.utcOffset = expected.notes = "";
  EXPECT_EQ(read.records[0].person, expected);
}

TEST(PeopleCsv, AMissingRequiredColumnRefusesTheWholeFile) {
  const std::vector<Person> people = Generate(3, 1);
  for (const std::string_view missing : kPeopleCsvColumns) {
    std::vector<std::string> columns(kPeopleCsvColumns.begin(), kPeopleCsvColumns.end());
    std::erase(columns, std::string(missing));
    const ReadResult read = ReadPeopleCsv(CsvWithColumns(people, columns));
    const bool optional = missing == "sex" || missing == "tz" || missing == "utc_offset" || missing == "notes";
    if (optional) {
      EXPECT_EQ(read.fileProblem, "") << missing;
      EXPECT_EQ(read.records.size(), 3u) << missing;
    } else {
      EXPECT_EQ(read.fileProblem, "missing column(s) in the header: " + std::string(missing));
      EXPECT_TRUE(read.records.empty() && read.refused.empty()) << missing;
    }
  }
  EXPECT_EQ(ReadPeopleCsv("").fileProblem, "the input has no header row");
  EXPECT_EQ(ReadPeopleCsv(Header() + "\r\nAda,\"female\r\n").fileProblem.empty(), false);
}

// A good row's values in kPeopleCsvColumns order.
std::vector<std::string> GoodRow() {
  return {"Ada", "female", "10", "12", "1915", "6", "5", "0", "51", "30",
          "N",   "0",      "7",  "W",  "London", "", "UK", "",   "",   "notes"};
}

std::string Row(const std::vector<std::string>& values) {
  std::string row;
  for (std::size_t i = 0; i < values.size(); ++i) row.append(i ? "," : "").append(values[i]);
  return row + "\r\n";
}

TEST(PeopleCsv, EachBadRowIsRefusedAloneWithItsLineAndReason) {
  const struct {
    const char* column;
    const char* value;  // written as is, quotes and all
    const char* reason;
  } rows[] = {
      {"name", "", "name: must not be empty"},
      {"day", "0", "day: must be a whole number from 1 to 31"},
      {"day", "32", "day: must be a whole number from 1 to 31"},
      {"day", " 5", "day: must be a whole number from 1 to 31"},
      {"day", "", "day: must be a whole number from 1 to 31"},
      {"month", "13", "month: must be a whole number from 1 to 12"},
      {"year", "1899", "year: must be a whole number from 1900 to 2050"},
      {"year", "2051", "year: must be a whole number from 1900 to 2050"},
      {"hour", "25", "hour: must be a whole number from 0 to 24"},
      {"minute", "60", "minute: must be a whole number from 0 to 59"},
      {"second", "-1", "second: must be a whole number from 0 to 59"},
      {"lat_deg", "1000", "lat_deg: must be a whole number of 1 to 3 digits"},
      {"lat_min", "0030", "lat_min: must be a whole number of 1 to 3 digits"},
      {"long_deg", "1.5", "long_deg: must be a whole number of 1 to 3 digits"},
      {"lat_dir", "E", "lat_dir: must be N, S, North or South"},
      {"long_dir", "N", "long_dir: must be E, W, East or West"},
      {"sex", "Male", "sex: must be male, female or empty"},
      {"sex", "m", "sex: must be male, female or empty"},
      {"utc_offset", "+15:00", "utc_offset: must be +HH:MM or -HH:MM (hours 00 to 14, minutes 00 to 59), LMT, or empty"},
      {"utc_offset", "+1:00", "utc_offset: must be +HH:MM or -HH:MM (hours 00 to 14, minutes 00 to 59), LMT, or empty"},
      {"utc_offset", "+01:60", "utc_offset: must be +HH:MM or -HH:MM (hours 00 to 14, minutes 00 to 59), LMT, or empty"},
      {"utc_offset", "lmt", "utc_offset: must be +HH:MM or -HH:MM (hours 00 to 14, minutes 00 to 59), LMT, or empty"},
      {"city", "M\xFCnchen", "city: not valid UTF-8"},
      {"notes", "\"a\"b", "notes: malformed CSV, text after a closing quote; the row is skipped to its line end"},
  };
  const std::vector<std::string> good = GoodRow();
  for (const auto& row : rows) {
    const auto at = std::find(kPeopleCsvColumns.begin(), kPeopleCsvColumns.end(), row.column);
    ASSERT_NE(at, kPeopleCsvColumns.end()) << row.column;
    std::vector<std::string> bad = good;
    bad[static_cast<std::size_t>(at - kPeopleCsvColumns.begin())] = row.value;
    std::vector<std::string> twoLines = good;
    twoLines[14] = "\"Lon\r\ndon\"";
    // Lines: 1 header, 2-3 a good row over two lines, 4 the bad row, 5 a good row.
    const ReadResult read = ReadPeopleCsv(Header() + "\r\n" + Row(twoLines) + Row(bad) + Row(good));
    ASSERT_EQ(read.refused.size(), 1u) << row.column << "=" << row.value;
    EXPECT_EQ(read.refused[0].reason, row.reason);
    EXPECT_EQ(read.refused[0].line, 4u) << row.reason;
    EXPECT_EQ(read.refused[0].record, 2u) << row.reason;
    ASSERT_EQ(read.records.size(), 2u) << row.reason;
    EXPECT_EQ(read.records[0].person.city, "Lon\r\ndon");
    EXPECT_EQ(read.records[1].line, 5u);
    EXPECT_EQ(read.records[1].record, 3u);
  }
}

TEST(PeopleCsv, TakesDirectionsAsTheCouplesReaderDoes) {
  const struct {
    const char* latitude;
    const char* longitude;
    char lat, lon;  // 0: refused
  } rows[] = {
      {"N", "E", 'N', 'E'},         {"s", "w", 'S', 'W'},   {"North", "East", 'N', 'E'},
      {"SOUTH", "wEsT", 'S', 'W'}, {"No", "E", 0, 0},      {"N", "Ea", 0, 0},
      {"N ", "E", 0, 0},           {"", "E", 0, 0},        {"S", "", 0, 0},
  };
  for (const auto& row : rows) {
    std::vector<std::string> values = GoodRow();
    values[10] = row.latitude;
    values[13] = row.longitude;
    const ReadResult read = ReadPeopleCsv(Header() + "\n" + Row(values));
    if (row.lat == 0) {
      EXPECT_EQ(read.refused.size(), 1u) << row.latitude << " " << row.longitude;
      continue;
    }
    ASSERT_EQ(read.records.size(), 1u) << row.latitude << " " << row.longitude;
    EXPECT_EQ(read.records[0].person.latDir, row.lat);
    EXPECT_EQ(read.records[0].person.longDir, row.lon);
  }
}

}  // namespace
}  // namespace kelvra::people
