// SPDX-License-Identifier: AGPL-3.0-or-later
// Whole runs in-process over small CSV texts, with the real ephemeris unless
// a test needs chosen positions.
#include <csv.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <cerrno>
#include <sstream>
#include <string>
#include <vector>

#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "cli/batch.h"
#include "cli/person_reader.h"
#include "json_value.h"
#include "cosmodynes/analysis.h"
#include "recording_ephemeris.h"
#include "year_ephemeris.h"
#include "reportdata/report_fields.h"

namespace kelvra::cli {
namespace {

using Couple = std::array<std::string, 2 * kPersonColumns.size()>;

const Couple kCoupleA = {"Smith, John", "05", "1", "1980", "14", "30", "0", "51", "30", "N", "0", "7", "W",
                         "London", "Greater \"London\"", "UK",
                         "Ann\nLee", "2", "11", "1950", "3", "0", "0", "33", "52", "S", "151", "12", "E",
                         "Sydney", "NSW", " Australia "};
const Couple kCoupleB = {"Bob", "13", "7", "1985", "24", "0", "0", "40", "43", "North", "74", "0", "west",
                         "New York", " NY", "USA",
                         "Eve", "21", "3", "1990", "8", "15", "0", "48", "51", "n", "2", "21", "e",
                         "Paris", "IdF", "France"};

std::vector<std::string> Header() {
  std::vector<std::string> names;
  for (Partner p : {Partner::Male, Partner::Female}) {
    for (auto column : kPersonColumns) names.push_back(ColumnName(p, column));
  }
  return names;
}

template <typename Fields>
std::string Line(const Fields& fields, const char* eol = "\n") {
  std::string line;
  for (const std::string& f : fields) {
    if (!line.empty()) line += ',';
    std::string quoted = f;
    for (std::size_t at = 0; (at = quoted.find('"', at)) != std::string::npos; at += 2) quoted.insert(at, "\"");
    line += '"' + quoted + '"';
  }
  return line + eol;
}

// Fields as they stand, without quotes.
std::string PlainLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& f : fields) line += (line.empty() ? "" : ",") + f;
  return line + "\n";
}

std::string Csv(const std::vector<Couple>& rows) {
  std::string text = Line(Header());
  for (const Couple& row : rows) text += Line(row);
  return text;
}

struct Outcome {
  int code;
  std::string out, err;
};

Outcome RunCsv(const std::string& input, Ephemeris& ephemeris, OutputFormat format = OutputFormat::JsonLines) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = RunBatch(in, out, err, format, ephemeris);
  return {code, out.str(), err.str()};
}

BirthData Birth(const Couple& couple, Partner partner) {
  PersonFields fields;
  const std::size_t offset = partner == Partner::Male ? 0 : fields.size();
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = couple[offset + i];
  return *ReadPerson(partner, fields).birth;
}

void ExpectPerson(const Json& json, const Couple& couple, Partner partner, const NatalChart& chart,
                  const char* dob) {
  const std::size_t offset = partner == Partner::Male ? 0 : kPersonColumns.size();
  EXPECT_EQ(Str(json["name"]), couple[offset]);
  EXPECT_EQ(Str(json["dob"]), dob);
  EXPECT_EQ(Str(json["city"]), couple[offset + 13]);
  EXPECT_EQ(Str(json["state"]), couple[offset + 14]);
  EXPECT_EQ(Str(json["country"]), couple[offset + 15]);
  const Json points = json["chart"];
  ASSERT_EQ(points.Size(), kAllChartPoints.size());
  for (std::size_t i = 0; i < kAllChartPoints.size(); ++i) {
    const ChartPoint p = kAllChartPoints[i];
    const Json point = points[i];
    EXPECT_EQ(Str(point["point"]), ChartPointName(p));
    EXPECT_EQ(point["longitude"].GetDouble(), chart.Longitude[p]);  // exact: shortest text reads back
    EXPECT_EQ(point["declination"].GetDouble(), chart.Declination[p]);
    ASSERT_TRUE(point["house"].IsInt());
    EXPECT_EQ(point["house"].GetInt(), chart.House[p]);
    EXPECT_EQ(Str(point["text"]), PrintSignData(chart.Longitude[p]));
  }
}

class Batch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ephemeris_.SetEphePath(kEphemerisDataPath); }
  static SwissEphemeris ephemeris_;
};
SwissEphemeris Batch::ephemeris_;

TEST_F(Batch, WritesTheWholeAnalysisAsOneJsonLine) {
  const Outcome r = RunCsv(Csv({kCoupleA}), ephemeris_);
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.err, "");
  const auto docs = JsonLines(r.out);
  ASSERT_EQ(docs.size(), 1u);
  const auto& doc = docs[0];

  // The members in their order: each key's first appearance in the line.
  std::size_t at = 0;
  for (const char* key : {"row", "male", "female", "contacts", "powerTotal", "harmonyTotal", "Power", "Harmony", "PH",
                          "phPercentage", "comment"}) {
    const std::size_t found = r.out.find('"' + std::string(key) + "\":");
    EXPECT_GT(found + 1, at) << key;
    at = found + 1;
  }
  EXPECT_EQ(doc.MemberCount(), 11u);

  HarmonyMemory memory;
  const CoupleAnalysis a =
      AnalyzeCouple(Birth(kCoupleA, Partner::Male), Birth(kCoupleA, Partner::Female), ephemeris_, memory);
  EXPECT_EQ(doc["row"].GetInt(), 1);
  ExpectPerson(doc["male"], kCoupleA, Partner::Male, a.male, "January 5, 1980");
  ExpectPerson(doc["female"], kCoupleA, Partner::Female, a.female, "November 2, 1950");
  const Json contacts = doc["contacts"];
  ASSERT_EQ(contacts.Size(), a.contacts.size());
  for (std::size_t i = 0; i < contacts.Size(); ++i) {
    const Contact& c = a.contacts[i];
    EXPECT_EQ(Str(contacts[i]["male"]), ChartPointName(c.malePoint));
    EXPECT_EQ(Str(contacts[i]["female"]), ChartPointName(c.femalePoint));
    EXPECT_EQ(Str(contacts[i]["kind"]), ContactKindName(c.kind));
    EXPECT_EQ(Str(contacts[i]["pairAspect"]), AspectKindName(c.pairAspect));
    EXPECT_EQ(contacts[i]["strength"].GetDouble(), c.strength);
  }
  EXPECT_EQ(doc["powerTotal"].GetDouble(), a.totals.powerTotal);
  EXPECT_EQ(doc["harmonyTotal"].GetDouble(), a.totals.harmonyTotal);
  EXPECT_EQ(doc["Power"].GetInt(), a.verdict.result.Power);
  EXPECT_EQ(doc["Harmony"].GetInt(), a.verdict.result.Harmony);
  EXPECT_EQ(doc["PH"].GetInt(), a.verdict.result.PH);
  EXPECT_EQ(doc["phPercentage"].GetInt(), a.verdict.result.phPercentage);
  EXPECT_EQ(Str(doc["comment"]), a.verdict.result.strComment);
}

TEST_F(Batch, RefusedRowSitsBetweenGoodRowsAndLeavesTheMemoryAlone) {
  Couple bad = kCoupleB;
  bad[1] = "32";       // male_day
  bad[16 + 0] = "";    // female_name: the male problem is told first
  const Outcome r = RunCsv(Csv({kCoupleA, bad, kCoupleB}), ephemeris_);
  EXPECT_EQ(r.code, kExitRowRefused);
  const auto docs = JsonLines(r.out);
  ASSERT_EQ(docs.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(docs[static_cast<std::size_t>(i)]["row"].GetInt(), i + 1);
  EXPECT_EQ(docs[1].MemberCount(), 2u);
  EXPECT_EQ(Str(docs[1]["error"]), "male_day: must be a whole number from 1 to 31");

  // The good rows are two analyses of one session.
  HarmonyMemory memory;
  for (std::size_t i : {0u, 2u}) {
    const Couple& c = i == 0 ? kCoupleA : kCoupleB;
    const auto a = AnalyzeCouple(Birth(c, Partner::Male), Birth(c, Partner::Female), ephemeris_, memory);
    EXPECT_EQ(docs[i]["harmonyTotal"].GetDouble(), a.totals.harmonyTotal);
    EXPECT_EQ(docs[i]["Power"].GetInt(), a.verdict.result.Power);
  }
}

TEST_F(Batch, TheHarmonyMemoryCarriesFromRowToRow) {
  kelvra::testing::YearEphemeris fake;
  Couple trine = kCoupleA, none = kCoupleA;
  trine[3] = none[3] = "1950";
  trine[16 + 3] = "1960";
  none[16 + 3] = "2000";
  const auto docs = JsonLines(RunCsv(Csv({trine, none}), fake).out);
  ASSERT_EQ(docs.size(), 2u);

  HarmonyMemory memory;
  AnalyzeCouple(Birth(trine, Partner::Male), Birth(trine, Partner::Female), fake, memory);
  ASSERT_NE(memory.lastHarmonyGain, 0);
  const auto second = AnalyzeCouple(Birth(none, Partner::Male), Birth(none, Partner::Female), fake, memory);
  EXPECT_TRUE(second.contacts.empty());
  EXPECT_TRUE(docs[1]["contacts"].Empty());
  // With no contact of its own, the row's harmony is the bias the first row left.
  EXPECT_EQ(docs[1]["harmonyTotal"].GetDouble(), HarmonyBias(memory));
  EXPECT_EQ(docs[1]["harmonyTotal"].GetDouble(), second.totals.harmonyTotal);
}

TEST_F(Batch, ReadsAnyLayoutOfTheSameData) {
  const std::string plain = Csv({kCoupleA, kCoupleB});
  const std::string expected = RunCsv(plain, ephemeris_).out;
  ASSERT_EQ(JsonLines(expected).size(), 2u);

  std::string crlf = Line(Header(), "\r\n") + Line(kCoupleA, "\r\n") + Line(kCoupleB, "\r\n");
  // Columns reversed, an extra column, fields left unquoted where possible, no final line end.
  std::vector<std::string> header = Header(), a(kCoupleA.rbegin(), kCoupleA.rend()), b(kCoupleB.rbegin(), kCoupleB.rend());
  std::reverse(header.begin(), header.end());
  header.push_back("notes");
  a.push_back("x");
  b.push_back("y,\"z\"");
  std::string bare;
  for (const std::string& f : b) bare += (bare.empty() ? "" : ",") + (f.find_first_of(",\"") == f.npos ? f : Line(std::vector{f}, ""));
  const std::string reordered = Line(header) + Line(a) + bare;

  for (const std::string& input : {"\xEF\xBB\xBF" + plain, crlf, reordered}) {
    const Outcome r = RunCsv(input, ephemeris_);
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, expected);
  }
}

TEST_F(Batch, StopsWithExitTwoOnBrokenInput) {
  std::vector<std::string> noCity = Header();
  noCity.erase(noCity.begin() + 13);
  std::vector<std::string> twice = Header();
  twice.push_back("female_day");
  const struct {
    std::string input;
    std::size_t rowsWritten;
    const char* err;
  } cases[] = {
      {"", 0, "kelvra-cli: the input has no header row\n"},
      {Line(noCity), 0, "kelvra-cli: missing column(s) in the header: male_city\n"},
      {Line(twice), 0, "kelvra-cli: column female_day appears more than once in the header\n"},
      // A quote never closed takes every later line into its field.
      {Csv({kCoupleA}) + "Bob,\"5,1\n" + PlainLine({kCoupleB.begin(), kCoupleB.end()}), 1,
       "kelvra-cli: data row 2: a quote opened in male_day is never closed, so the rest of the input lies "
       "inside it\n"},
      {"male_name,fe\"male\n", 0, "kelvra-cli: the header row: column 2: malformed CSV, a quote inside an unquoted field\n"},
      {std::string("\xFF\xFEm\0a\0l\0e\0\n\0", 12), 0,
       "kelvra-cli: the input looks like UTF-16; kelvra-cli reads UTF-8\n"},
      {"\xEF\xBB\xBF\xEF\xBB\xBF" + PlainLine(Header()), 0,
       "kelvra-cli: the input begins with two byte order marks; kelvra-cli reads UTF-8\n"},
  };
  for (const auto& c : cases) {
    const Outcome r = RunCsv(c.input, ephemeris_);
    EXPECT_EQ(r.code, kExitFailure) << c.err;
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(JsonLines(r.out).size(), c.rowsWritten) << c.err;
  }
}

// A record whose quotes break the format ends at its line end: it alone is
// refused, naming its column and what is wrong, and the reading goes on.
TEST_F(Batch, AStrayQuoteLosesOnlyItsOwnRow) {
  auto raw = [](const Couple& couple, std::size_t column, const std::string& text) {
    std::vector<std::string> fields(couple.begin(), couple.end());
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
      line += (i ? "," : "") + (i == column ? text : Line(std::vector{fields[i]}, ""));
    return line + "\n";
  };
  const std::string extraColumn = Line(kCoupleB, ",notes \"x\"\n");  // a 33rd field the header does not name
  const std::string input = Csv({kCoupleA}) + raw(kCoupleB, 0, "Bob \"Jr\"") + Line(kCoupleB) +
                            raw(kCoupleB, 29, "\"Paris\"x") + extraColumn + Line(kCoupleA);
  const Outcome json = RunCsv(input, ephemeris_);
  EXPECT_EQ(json.code, kExitRowRefused);
  const auto docs = JsonLines(json.out);
  ASSERT_EQ(docs.size(), 6u);
  const char* errors[] = {
      nullptr,
      "male_name: malformed CSV, a quote inside an unquoted field; the row is skipped to its line end",
      nullptr,
      "female_city: malformed CSV, text after a closing quote; the row is skipped to its line end",
      "column 33: malformed CSV, a quote inside an unquoted field; the row is skipped to its line end",
      nullptr,
  };
  for (std::size_t i = 0; i < docs.size(); ++i) {
    EXPECT_EQ(docs[i]["row"].GetUint64(), i + 1);
    EXPECT_EQ(docs[i].HasMember("error") ? Str(docs[i]["error"]) : "", errors[i] ? errors[i] : "") << i + 1;
  }

  // The good rows are the analyses of a file without the broken ones.
  const Outcome csv = RunCsv(input, ephemeris_, OutputFormat::Csv);
  EXPECT_EQ(csv.code, kExitRowRefused);
  EXPECT_EQ(csv.out, RunCsv(Csv({kCoupleA, kCoupleB, kCoupleA}), ephemeris_, OutputFormat::Csv).out);
  EXPECT_EQ(csv.err, std::string("row 2: ") + errors[1] + "\nrow 4: " + errors[3] + "\nrow 5: " + errors[4] + "\n");
}

// The reader's buffer doubles as a field grows; a field of megabytes comes
// through whole, and at once in the sanitizer build too.
TEST_F(Batch, AFieldOfFourMegabytesComesThroughWhole) {
  Couple big = kCoupleA;
  big[0] = std::string(4 << 20, 'A') + "rthur";
  const Outcome r = RunCsv(Csv({big}), ephemeris_);
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const auto docs = JsonLines(r.out);
  ASSERT_EQ(docs.size(), 1u);
  EXPECT_TRUE(Str(docs[0]["male"]["name"]) == big[0]);
}

TEST_F(Batch, RefusesARowCutShort) {
  const Outcome r = RunCsv(Csv({kCoupleA}) + "Bob,5,1,1980\n", ephemeris_);
  EXPECT_EQ(r.code, kExitRowRefused);
  EXPECT_EQ(Str(JsonLines(r.out).at(1)["error"]), "male_hour: must be a whole number from 0 to 24");
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  csv_parser p;
  csv_init(&p, CSV_STRICT);
  const auto field = [](void* s, std::size_t n, void* d) {
    static_cast<decltype(rows)*>(d)->back().emplace_back(static_cast<char*>(s), n);
  };
  const auto row = [](int, void* d) { static_cast<decltype(rows)*>(d)->emplace_back(); };
  EXPECT_EQ(csv_parse(&p, text.data(), text.size(), field, row, &rows), text.size());
  csv_fini(&p, field, row, &rows);
  csv_free(&p);
  rows.pop_back();
  return rows;
}

// The header speaks the input's language; the values are the report's fields.
TEST_F(Batch, CsvFormatWritesTheReportFields) {
  const std::string header =
      "male_name,male_dob,male_city,male_state,male_country,"
      "female_name,female_dob,female_city,female_state,female_country,"
      "male_sun,male_mercury,male_venus,male_mars,male_jupiter,male_saturn,male_uranus,male_neptune,"
      "male_pluto,male_moon,male_north_node,male_south_node,male_part_of_fortune,male_ascendant,"
      "male_midheaven,male_chiron,"
      "female_sun,female_mercury,female_venus,female_mars,female_jupiter,female_saturn,female_uranus,"
      "female_neptune,female_pluto,female_moon,female_north_node,female_south_node,female_part_of_fortune,"
      "female_ascendant,female_midheaven,female_chiron,"
      "power,harmony,ph,percentage,comment\r\n";
  Couple bad = kCoupleB;
  bad[16 + 9] = "Up";
  const Outcome r = RunCsv(Csv({kCoupleA, bad}), ephemeris_, OutputFormat::Csv);
  EXPECT_EQ(r.code, kExitRowRefused);
  EXPECT_EQ(r.err, "row 2: female_lat_dir: must be N, S, North or South\n");
  ASSERT_EQ(r.out.substr(0, header.size()), header);
  const std::string values = r.out.substr(header.size());
  EXPECT_TRUE(values.ends_with("\r\n"));
  const auto rows = ParseCsv(values);
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), kReportFields.size());

  HarmonyMemory memory;
  const auto a = AnalyzeCouple(Birth(kCoupleA, Partner::Male), Birth(kCoupleA, Partner::Female), ephemeris_, memory);
  ChartTexts male, female;
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    male[i] = PrintSignData(a.male.Longitude[kAllChartPoints[i]]);
    female[i] = PrintSignData(a.female.Longitude[kAllChartPoints[i]]);
  }
  const auto report = MakeCompatibilityReport(
      {kCoupleA[0], "January", "5", "1980", kCoupleA[13], kCoupleA[14], kCoupleA[15]},
      {kCoupleA[16], "November", "2", "1950", kCoupleA[29], kCoupleA[30], kCoupleA[31]}, male, female,
      a.verdict.result);
  for (std::size_t i = 0; i < kReportFields.size(); ++i) {
    EXPECT_EQ(rows[0][i], report.*kReportFields[i].second) << kReportFields[i].first;
  }
}

// Serves the input in two pieces and notes what had been written when the
// second was asked for.
class TwoPieces : public std::streambuf {
 public:
  TwoPieces(std::string first, std::string second, const std::ostringstream& out)
      : pieces_{std::move(first), std::move(second)}, out_(out) {}
  std::string writtenBeforeSecond;

 protected:
  int_type underflow() override {
    if (next_ == 2) return traits_type::eof();
    if (next_ == 1) writtenBeforeSecond = out_.str();
    std::string& piece = pieces_[next_++];
    setg(piece.data(), piece.data(), piece.data() + piece.size());
    return traits_type::to_int_type(piece[0]);
  }

 private:
  std::string pieces_[2];
  std::size_t next_ = 0;
  const std::ostringstream& out_;
};

// Workers of their own for parallel runs, each on its own thread.
BatchOptions Parallel(unsigned jobs, OutputFormat format = OutputFormat::JsonLines) {
  BatchOptions options;
  options.format = format;
  options.jobs = jobs;
  options.workerEphemeris = [] {
    auto ephemeris = std::make_unique<SwissEphemeris>();
    ephemeris->SetEphePath(kEphemerisDataPath);
    return ephemeris;
  };
  return options;
}

TEST_F(Batch, WritesEachRowBeforeReadingTheNext) {
  for (unsigned jobs : {1u, 2u}) {
    std::ostringstream out, err;
    TwoPieces source(Csv({kCoupleA}), Line(kCoupleB), out);
    std::istream in(&source);
    EXPECT_EQ(RunBatch(in, out, err, Parallel(jobs), ephemeris_), kExitOk);
    EXPECT_EQ(JsonLines(source.writtenBeforeSecond).size(), 1u) << jobs << " jobs";
    EXPECT_EQ(JsonLines(out.str()).size(), 2u);
  }
}

// Couples spread over the accepted ranges, every 41st refused for its day and
// every 53rd malformed, with `years` to pick the birth years from.
std::string ManyCouples(int count, const std::vector<int>& years) {
  std::mt19937 random(20261208);
  auto pick = [&](int low, int high) { return std::to_string(std::uniform_int_distribution(low, high)(random)); };
  std::string csv = Line(Header());
  for (int i = 0; i < count; ++i) {
    for (int p = 0; p < 2; ++p) {
      csv += i % 53 == 0 && p == 1 ? "Bo\"b," : i % 7 == 0 ? "\"Doe, \"\"J\"\"\"," : "Person " + std::to_string(i) + ",";
      csv += (i % 41 == 0 ? "32" : pick(1, 28)) + "," + pick(1, 12) + "," +
             std::to_string(years[random() % years.size()]) + "," + pick(0, 24) + "," + pick(0, 59) + "," +
             pick(0, 59) + "," + pick(0, 66) + "," + pick(0, 59) + "," + (i % 2 ? "N" : "South") + "," +
             pick(0, 179) + "," + pick(0, 59) + "," + (i % 3 ? "E" : "west") + ",City,State,Country" +
             (p == 0 ? "," : "\n");
    }
  }
  return csv;
}

// Whatever the number of workers, the output is the one of a single thread,
// refused, malformed and negative-harmony rows and the carried gain included.
TEST_F(Batch, EveryJobCountWritesTheSameOutput) {
  std::vector<int> everyYear;
  for (int year = 1900; year <= 2050; ++year) everyYear.push_back(year);
  const std::string real = ManyCouples(2000, everyYear);
  // Chosen positions where some couples have no contact and record nothing.
  const std::string chosen = ManyCouples(400, {1950, 1960, 1970, 2000});
  const struct {
    const std::string* input;
    bool chosenPositions;
    OutputFormat format;
    bool csvSafe;
    bool trueUt = false;
  } runs[] = {
      {&real, false, OutputFormat::JsonLines, false},
      {&real, false, OutputFormat::Csv, true},
      {&chosen, true, OutputFormat::JsonLines, false},
      {&real, false, OutputFormat::JsonLines, false, true},
  };
  for (const auto& run : runs) {
    testing::YearEphemeris yearEphemeris;
    Ephemeris& single = run.chosenPositions ? static_cast<Ephemeris&>(yearEphemeris) : ephemeris_;
    Outcome expected{};
    for (unsigned jobs : {1u, 2u, 4u}) {
      BatchOptions options = Parallel(jobs, run.format);
      options.csvSafe = run.csvSafe;
      // Every birthplace in Oslo's zone: converted rows, and rows refused for
      // a clock time the zone skipped, keep their places too.
      options.trueUt = run.trueUt;
      options.findPlaceZone = [](std::string_view, std::string_view, std::string_view) {
        return PlaceZone{PlaceZone::Found::One, "Europe/Oslo", {}};
      };
      if (run.chosenPositions) options.workerEphemeris = [] { return std::make_unique<testing::YearEphemeris>(); };
      std::istringstream in(*run.input);
      std::ostringstream out, err;
      const Outcome outcome{RunBatch(in, out, err, options, single), out.str(), err.str()};
      if (jobs == 1) {
        expected = outcome;
        EXPECT_EQ(outcome.code, kExitRowRefused);
        continue;
      }
      EXPECT_EQ(outcome.code, expected.code) << jobs << " jobs";
      EXPECT_TRUE(outcome.out == expected.out) << jobs << " jobs";
      EXPECT_EQ(outcome.err, expected.err) << jobs << " jobs";
    }
    // The file holds what the test is about.
    if (run.format == OutputFormat::JsonLines) {
      bool negative = false, refused = false, malformed = false;
      for (const Json& doc : JsonLines(expected.out)) {
        if (!doc.HasMember("error")) {
          negative |= doc["harmonyTotal"].GetDouble() < 0;
          continue;
        }
        refused |= Str(doc["error"]).find("male_day") != std::string::npos;
        malformed |= Str(doc["error"]).find("malformed CSV") != std::string::npos;
      }
      EXPECT_TRUE(negative && refused && malformed);
    }
  }
}

// Explaining adds two objects to the end of each analysed line and changes
// nothing before them: not the line, not the memory the next row starts from;
// and the explained output is the same for every job count.
TEST_F(Batch, ExplainingAddsToEachAnalysedLineAndChangesNothingElse) {
  std::vector<int> everyYear;
  for (int year = 1900; year <= 2050; ++year) everyYear.push_back(year);
  const std::string input = ManyCouples(150, everyYear);
  auto run = [&](unsigned jobs, bool explain) {
    BatchOptions options = Parallel(jobs);
    options.explain = explain;
    std::istringstream in(input);
    std::ostringstream out, err;
    return Outcome{RunBatch(in, out, err, options, ephemeris_), out.str(), err.str()};
  };
  const Outcome plain = run(1, false);
  const Outcome explained = run(1, true);
  EXPECT_EQ(explained.code, plain.code);
  EXPECT_EQ(explained.err, plain.err);
  std::istringstream plainLines(plain.out), explainedLines(explained.out);
  std::string before, after;
  int analysed = 0;
  while (std::getline(plainLines, before) && std::getline(explainedLines, after)) {
    if (before.find("\"error\"") != std::string::npos) {
      EXPECT_EQ(after, before);
      continue;
    }
    ++analysed;
    before.pop_back();  // the closing brace
    EXPECT_EQ(after.substr(0, before.size() + 16), before + ",\"explanation\":{") << before;
    EXPECT_NE(after.find(",\"birthTimeBand\":{\"male\":{\"ph15\":["), std::string::npos);
  }
  EXPECT_FALSE(std::getline(explainedLines, after));
  EXPECT_GT(analysed, 100);
  for (unsigned jobs : {2u, 4u}) EXPECT_TRUE(run(jobs, true).out == explained.out) << jobs << " jobs";
}

// With --true-ut each clock time is converted by its zone, else its offset;
// a time the zone skips or repeats refuses the row. Without the flag the
// zone columns are ignored.
TEST_F(Batch, TrueUtConvertsByZoneOrOffsetAndRefusesWhatCannotBe) {
  const struct {
    const char *date, *time, *zone, *offset, *longitude;
    const char* expected;  // the male's "ut", or the start of the refusal
  } rows[] = {
      {"1950-07-01", "12:00", "America/New_York", "", "074", "1950-07-01T16:00:00"},
      {"1950-01-15", "12:00", "America/New_York", "", "074", "1950-01-15T17:00:00"},
      {"1985-07-01", "12:00", "Europe/Kyiv", "", "030", "1985-07-01T08:00:00"},
      {"1985-01-15", "12:00", "Europe/Kiev", "", "030", "1985-01-15T09:00:00"},
      {"1942-12-01", "12:00", "Asia/Kolkata", "", "073", "1942-12-01T05:30:00"},
      {"1960-07-01", "12:00", "Europe/Oslo", "", "010", "1960-07-01T10:00:00"},
      {"1970-01-15", "12:00", "Europe/London", "", "000", "1970-01-15T11:00:00"},
      {"1930-07-01", "12:00", "Asia/Riyadh", "", "045", "1930-07-01T09:00:00"},
      {"1950-07-01", "12:00", "", "-04:00", "074", "1950-07-01T16:00:00"},
      {"1950-07-01", "24:30", "", "+05:30", "073", "1950-07-01T19:00:00"},
      {"2021-03-14", "02:30", "America/New_York", "", "074", "male_hour: 02:30 does not exist"},
      {"2021-11-07", "01:30", "America/New_York", "", "074", "male_hour: 01:30 happens twice"},
      {"1950-07-01", "12:00", "Mars/Olympus", "", "074", "male_tz: unknown time zone"},
      {"1950-07-01", "12:00", "", "+5:30", "074", "male_utc_offset: must be +HH:MM"},
  };
  std::string csv = "male_tz,male_utc_offset,female_utc_offset," + Line(Header());
  for (const auto& r : rows) {
    Couple couple = kCoupleB;
    const std::string date = r.date, time = r.time;
    couple[1] = date.substr(8, 2);
    couple[2] = std::to_string(std::stoi(date.substr(5, 2)));
    couple[3] = date.substr(0, 4);
    couple[4] = time.substr(0, 2);
    couple[5] = time.substr(3, 2);
    couple[10] = r.longitude;
    couple[11] = "0";
    couple[12] = "E";
    csv += std::string(r.zone) + "," + r.offset + ",+00:00," + Line(couple);
  }
  BatchOptions options;
  options.trueUt = true;
  std::istringstream in(csv);
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(in, out, err, options, ephemeris_), kExitRowRefused);
  const std::vector<Json> lines = JsonLines(out.str());
  ASSERT_EQ(lines.size(), std::size(rows));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string expected = rows[i].expected;
    if (expected.starts_with("male_")) {
      ASSERT_TRUE(lines[i].HasMember("error")) << expected;
      EXPECT_EQ(Str(lines[i]["error"]).substr(0, expected.size()), expected);
      continue;
    }
    ASSERT_FALSE(lines[i].HasMember("error")) << Str(lines[i]["error"]);
    EXPECT_EQ(Str(lines[i]["male"]["ut"]), expected) << i;
    EXPECT_EQ(Str(lines[i]["female"]["utcOffset"]), "+00:00");
  }
  // The chart is the one of the converted moment.
  BirthData male = Birth(kCoupleB, Partner::Male);
  male.Day = "1", male.Month = 7, male.Year = "1950", male.Hour = 12, male.Minute = 0, male.LongDeg = 74,
  male.LongMin = 0, male.LongDir = LongitudeDirection::East;
  male.Ut = UniversalMoment{1950, 7, 1, 16};
  EXPECT_EQ(lines[0]["male"]["chart"][std::size_t{0}]["longitude"].GetDouble(),
            CalcChart(male, ephemeris_).Longitude[ChartPoint::Sun]);
  // Without the flag the zone columns change nothing.
  std::istringstream again(csv);
  std::ostringstream plain, plainErr;
  RunBatch(again, plain, plainErr, BatchOptions{}, ephemeris_);
  EXPECT_EQ(plain.str().find("\"ut\""), std::string::npos);
}

// Streams that fail as a device does, leaving the reason in errno.
struct FailingStream : std::streambuf {
  explicit FailingStream(int error) : error_(error) {}
  int_type underflow() override { return Fail(); }
  int_type overflow(int_type) override { return Fail(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return Fail(), 0; }
  int_type Fail() {
    errno = error_;
    if (error_ == EIO) throw std::ios_base::failure("device error");
    return traits_type::eof();
  }
  int error_;
};

TEST_F(Batch, AFailedReadOrWriteNamesTheStreamAndTheReason) {
  FailingStream noSpace(ENOSPC), brokenDisk(EIO);
  std::istringstream goodIn(Csv({kCoupleA, kCoupleB}));
  std::ostream fullOut(&noSpace);
  std::istream failingIn(&brokenDisk);
  std::ostringstream out, err;
  BatchOptions options;
  EXPECT_EQ(RunBatch(goodIn, fullOut, err, options, ephemeris_), kExitFailure);
  options.inputName = "couples.csv";
  EXPECT_EQ(RunBatch(failingIn, out, err, options, ephemeris_), kExitFailure);
  EXPECT_EQ(err.str(),
            "kelvra-cli: cannot write to standard output: No space left on device\n"
            "kelvra-cli: cannot read couples.csv: Input/output error\n");
}

// A name a spreadsheet would run as a formula, written as text on request.
TEST_F(Batch, CsvSafeDefusesFormulasInTextCellsOnly) {
  const std::string formulas[] = {"=1+1", "+1", "-1", "@SUM(A1)", "\tx", "\rx"};
  std::vector<Couple> couples;
  for (const std::string& formula : formulas) {
    Couple couple = kCoupleA;
    couple[0] = formula;           // male_name
    couple[16 + 14] = formula;     // female_state
    couples.push_back(couple);
  }
  std::istringstream plainIn(Csv(couples)), safeIn(Csv(couples));
  std::ostringstream plainOut, safeOut, err;
  BatchOptions options;
  options.format = OutputFormat::Csv;
  ASSERT_EQ(RunBatch(plainIn, plainOut, err, options, ephemeris_), kExitOk) << err.str();
  options.csvSafe = true;
  ASSERT_EQ(RunBatch(safeIn, safeOut, err, options, ephemeris_), kExitOk) << err.str();

  const auto plain = ParseCsv(plainOut.str()), safe = ParseCsv(safeOut.str());
  ASSERT_EQ(safe.size(), std::size(formulas) + 1);
  EXPECT_EQ(safe[0], plain[0]);  // the header
  for (std::size_t r = 1; r < safe.size(); ++r) {
    const std::string& formula = formulas[r - 1];
    EXPECT_EQ(plain[r][0], formula);  // exact by default
    EXPECT_EQ(safe[r][0], "'" + formula);
    EXPECT_EQ(safe[r][8], "'" + formula);  // female_state
    for (std::size_t f = 0; f < kReportFields.size(); ++f)
      if (f != 0 && f != 8) {
        EXPECT_EQ(safe[r][f], plain[r][f]) << kReportFields[f].first;  // figures never change
      }
  }
}

}  // namespace
}  // namespace kelvra::cli
