// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry form and kelvra-cli run one analysis: the same couples, one after
// another in one session each, give the same 47 report fields, the harmony
// gain carried from couple to couple included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <map>
#include <sstream>

#include "charts/swiss_ephemeris.h"
#include "cli/batch.h"
#include "cosmodynes/analysis.h"
#include "entry/frm_match.h"
#include "program/program.h"
#include "year_ephemeris.h"
#include "report/frm_report.h"
#include "report/mdi_form1.h"
#include "shell/message.h"

namespace kelvra {
namespace {

// One CSV record, quotes as RFC 4180 writes them.
std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r' || quoted) {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) rows.push_back(SplitCsvLine(line));
  return rows;
}

std::string ReadFile(const char* path) {
  QFile file(QString::fromLatin1(path));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return file.readAll().toStdString();
}

// A couple's input row as the user would type it into the form.
PersonEntries EntriesOf(const std::map<std::string, std::string>& row, const std::string& prefix) {
  auto text = [&](const char* column) { return QString::fromStdString(row.at(prefix + column)); };
  auto number = [&](const char* column) { return std::stoi(row.at(prefix + column)); };
  PersonEntries e;
  e.name = text("name");
  e.day = number("day");
  e.month = number("month");
  e.year = number("year");
  e.hour = number("hour");
  e.minute = number("minute");
  e.second = number("second");
  e.latDeg = text("lat_deg");
  e.latMin = text("lat_min");
  e.longDeg = text("long_deg");
  e.longMin = text("long_min");
  const QString lat = text("lat_dir").toUpper(), lon = text("long_dir").toUpper();
  e.north = lat.startsWith('N');
  e.south = lat.startsWith('S');
  e.east = lon.startsWith('E');
  e.west = lon.startsWith('W');
  e.city = text("city");
  e.state = text("state");
  e.country = text("country");
  return e;
}

std::vector<std::map<std::string, std::string>> Couples() {
  std::vector<std::map<std::string, std::string>> couples;
  for (const char* path : {KELVRA_DESKTOP_COUPLES, KELVRA_ANALYSIS_COUPLES}) {
    const auto rows = CsvRows(ReadFile(path));
    for (std::size_t r = 1; r < rows.size(); ++r) {
      std::map<std::string, std::string> couple;
      for (std::size_t c = 0; c < rows[0].size(); ++c) couple[rows[0][c]] = rows[r].at(c);
      couples.push_back(couple);
    }
  }
  return couples;
}

std::string AsCsv(const std::vector<std::map<std::string, std::string>>& couples) {
  std::string csv;
  for (bool header : {true, false}) {
    for (const auto& couple : header ? std::vector{couples.front()} : couples) {
      std::string line;
      for (const auto& [column, value] : couple) line += (line.empty() ? "" : ",") + (header ? column : value);
      csv += line + "\n";
    }
  }
  return csv;
}

using Couple = std::map<std::string, std::string>;

// What a run through both paths saw, beyond the reports being equal.
struct Coverage {
  bool harmonyNegative = false;  ///< some couple's harmony total was below 0
  bool gainCarried = false;      ///< some couple's figures needed an earlier couple's gain
};

// Runs `couples` through kelvra-cli's library in one run, then through the
// entry form one after another with Back between them, and compares the 47
// report fields of every couple.
Coverage ExpectSameReports(const std::vector<Couple>& couples, Ephemeris& ephemeris) {
  std::istringstream in(AsCsv(couples));
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunBatch(in, out, err, cli::OutputFormat::Csv, ephemeris), cli::kExitOk) << err.str();
  const auto cliRows = CsvRows(out.str());
  EXPECT_EQ(cliRows.size(), couples.size() + 1);  // with its header
  if (cliRows.size() != couples.size() + 1) return {};

  QStringList messages;
  const ScopedMessageFunction recorder([&](QWidget*, const QString& text) { messages << text; });
  Program program(ephemeris);
  program.showEntryForm();
  Coverage coverage;
  for (std::size_t i = 0; i < couples.size(); ++i) {
    SCOPED_TRACE("couple " + std::to_string(i + 1) + " " + couples[i].at("male_name"));
    frmMatch* form = program.entryWindow();
    EXPECT_NE(form, nullptr);
    if (!form) break;
    form->setEntries(Person::Male, EntriesOf(couples[i], "male_"));
    form->setEntries(Person::Female, EntriesOf(couples[i], "female_"));
    form->findChild<QPushButton*>("cmdCalculate")->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    MDIForm1* results = program.resultsWindow();
    EXPECT_NE(results, nullptr);
    if (!results) break;
    EXPECT_TRUE(QTest::qWaitFor([&] { return results->report() && !program.entryForm(); }, 5000));
    if (!results->report()) break;

    const CompatibilityReport shown = results->report()->shownReport();
    const std::vector<std::string>& cli = cliRows[i + 1];
    EXPECT_EQ(cli.size(), kReportFields.size());
    for (std::size_t f = 0; f < std::min(cli.size(), kReportFields.size()); ++f)
      EXPECT_EQ(shown.*kReportFields[f].second, cli[f]) << kReportFields[f].first;

    const EntryState& state = program.entryState();
    HarmonyMemory firstAnalysis;
    const CoupleScore fresh = ScoreCouple(state.charts, firstAnalysis);
    coverage.harmonyNegative |= fresh.totals.harmonyTotal < 0;
    coverage.gainCarried |= fresh.verdict.result != state.result;
    results->cmdBack_Click();
  }
  return coverage;
}

TEST(AnalysisPaths, RealCouplesGiveTheSameReportsThroughTheFormAndTheCli) {
  const auto couples = Couples();
  ASSERT_GE(couples.size(), 8u);
  SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kEphemerisDataPath);
  EXPECT_TRUE(ExpectSameReports(couples, ephemeris).harmonyNegative);
}

// Real couples always record a harmony gain of their own, so the gain an
// earlier couple left never shows in them. Chosen positions make it show:
// a couple born 1950 and 2000 has no contact at all, so its harmony is the
// bias the couple before left.
TEST(AnalysisPaths, TheCarriedHarmonyGainIsTheSameThroughTheFormAndTheCli) {
  const Couple model = Couples().front();
  std::vector<Couple> couples;
  for (const auto& [male, female] : {std::pair{"1950", "2000"}, {"1950", "1960"}, {"1950", "2000"},
                                     {"1950", "1970"}, {"1950", "2000"}}) {
    Couple couple = model;
    couple["male_year"] = male;
    couple["female_year"] = female;
    couples.push_back(couple);
  }
  testing::YearEphemeris ephemeris;
  EXPECT_TRUE(ExpectSameReports(couples, ephemeris).gainCarried);
}

}  // namespace
}  // namespace kelvra
