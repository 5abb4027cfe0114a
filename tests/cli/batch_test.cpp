// SPDX-License-Identifier: AGPL-3.0-or-later
// Whole runs in-process over small CSV texts, with the real ephemeris unless
// a test needs chosen positions.
#include <csv.h>
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "cli/batch.h"
#include "cosmodynes/analysis.h"
#include "recording_ephemeris.h"
#include "year_ephemeris.h"
#include "report/report_fields.h"

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

std::vector<rapidjson::Document> JsonLines(const std::string& out) {
  std::vector<rapidjson::Document> docs;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    docs.emplace_back().Parse<rapidjson::kParseFullPrecisionFlag>(line.c_str());
    EXPECT_FALSE(docs.back().HasParseError()) << line;
  }
  return docs;
}

BirthData Birth(const Couple& couple, Partner partner) {
  PersonFields fields;
  const std::size_t offset = partner == Partner::Male ? 0 : fields.size();
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = couple[offset + i];
  return *ReadPerson(partner, fields).birth;
}

std::string_view Str(const rapidjson::Value& v) { return {v.GetString(), v.GetStringLength()}; }

void ExpectPerson(const rapidjson::Value& json, const Couple& couple, Partner partner, const NatalChart& chart,
                  const char* dob) {
  const std::size_t offset = partner == Partner::Male ? 0 : kPersonColumns.size();
  EXPECT_EQ(Str(json["name"]), couple[offset]);
  EXPECT_EQ(Str(json["dob"]), dob);
  EXPECT_EQ(Str(json["city"]), couple[offset + 13]);
  EXPECT_EQ(Str(json["state"]), couple[offset + 14]);
  EXPECT_EQ(Str(json["country"]), couple[offset + 15]);
  const auto& points = json["chart"].GetArray();
  ASSERT_EQ(points.Size(), kAllChartPoints.size());
  for (std::size_t i = 0; i < kAllChartPoints.size(); ++i) {
    const ChartPoint p = kAllChartPoints[i];
    const auto& point = points[static_cast<rapidjson::SizeType>(i)];
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

  std::vector<std::string_view> keys;
  for (const auto& m : doc.GetObject()) keys.push_back(Str(m.name));
  EXPECT_EQ(keys, (std::vector<std::string_view>{"row", "male", "female", "contacts", "powerTotal", "harmonyTotal",
                                                 "Power", "Harmony", "PH", "phPercentage", "comment"}));

  HarmonyMemory memory;
  const CoupleAnalysis a =
      AnalyzeCouple(Birth(kCoupleA, Partner::Male), Birth(kCoupleA, Partner::Female), ephemeris_, memory);
  EXPECT_EQ(doc["row"].GetInt(), 1);
  ExpectPerson(doc["male"], kCoupleA, Partner::Male, a.male, "January 5, 1980");
  ExpectPerson(doc["female"], kCoupleA, Partner::Female, a.female, "November 2, 1950");
  const auto& contacts = doc["contacts"].GetArray();
  ASSERT_EQ(contacts.Size(), a.contacts.size());
  for (rapidjson::SizeType i = 0; i < contacts.Size(); ++i) {
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
      {Csv({kCoupleA}) + "\"Bob,5", 1, "kelvra-cli: malformed CSV in data row 2: error parsing data while strict checking enabled\n"},
      {Csv({kCoupleA}) + "Bo\"b,5\n" + Line(kCoupleB), 1, "kelvra-cli: malformed CSV in data row 2: error parsing data while strict checking enabled\n"},
  };
  for (const auto& c : cases) {
    const Outcome r = RunCsv(c.input, ephemeris_);
    EXPECT_EQ(r.code, kExitFailure) << c.err;
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(JsonLines(r.out).size(), c.rowsWritten) << c.err;
  }
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

TEST_F(Batch, WritesEachRowBeforeReadingTheNext) {
  std::ostringstream out, err;
  TwoPieces source(Csv({kCoupleA}), Line(kCoupleB), out);
  std::istream in(&source);
  EXPECT_EQ(RunBatch(in, out, err, OutputFormat::JsonLines, ephemeris_), kExitOk);
  EXPECT_EQ(JsonLines(source.writtenBeforeSecond).size(), 1u);
  EXPECT_EQ(JsonLines(out.str()).size(), 2u);
}

TEST_F(Batch, AFailedWriteIsNoSuccess) {
  std::istringstream in(Csv({kCoupleA, kCoupleB}));
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);
  EXPECT_EQ(RunBatch(in, out, err, OutputFormat::JsonLines, ephemeris_), kExitFailure);
  EXPECT_EQ(err.str(), "kelvra-cli: cannot write the output\n");
}

}  // namespace
}  // namespace kelvra::cli
