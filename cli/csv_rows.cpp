// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/csv_rows.h"

#include <array>

#include "charts/chart_point.h"
#include "csv/csv_field.h"

namespace kelvra::cli {

namespace {

// The header names the report's fields in the input's vocabulary
// ("male_country", not the report label "Mcountry"), in the report's order:
// each partner's identity, each partner's chart in point order, the verdict.
constexpr std::array<std::string_view, 5> kIdentityColumns = {"name", "dob", "city", "state", "country"};
constexpr std::array<std::string_view, 5> kVerdictColumns = {"power", "harmony", "ph", "percentage", "comment"};
static_assert(2 * (kIdentityColumns.size() + kChartPointCount) + kVerdictColumns.size() == kReportFields.size());

// "PartOfFortune" -> "part_of_fortune"
std::string SnakeCase(std::string_view name) {
  std::string snake;
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z') {
      if (!snake.empty()) snake += '_';
      snake += static_cast<char>(c - 'A' + 'a');
    } else {
      snake += c;
    }
  }
  return snake;
}

// Text cells a spreadsheet would take as a formula start with one of these.
bool LooksLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// The report's figures are numbers; every other field is text.
bool IsFigure(std::string CompatibilityReport::*member) {
  using R = CompatibilityReport;
  return member == &R::Power || member == &R::Harmony || member == &R::PH || member == &R::Percentage;
}

}  // namespace

std::string CsvHeaderLine(bool withBirthMoments) {
  std::string line;
  const auto add = [&line](std::string_view prefix, std::string_view name) {
    if (!line.empty()) line += ',';
    line.append(prefix).append(name);
  };
  for (const std::string_view prefix : {"male_", "female_"}) {
    for (const std::string_view column : kIdentityColumns) add(prefix, column);
  }
  for (const std::string_view prefix : {"male_", "female_"}) {
    for (const ChartPoint point : kAllChartPoints) add(prefix, SnakeCase(ChartPointName(point)));
  }
  for (const std::string_view column : kVerdictColumns) add("", column);
  if (withBirthMoments) {
    add("male_", "ut");
    add("female_", "ut");
  }
  return line + "\r\n";
}

void AppendCsvRow(std::string& line, const CompatibilityReport& report, const Conversions& conversions, bool csvSafe,
                  std::string& scratch) {
  bool first = true;
  for (const auto& [name, member] : kReportFields) {
    if (!first) line += ',';
    first = false;
    const std::string& field = report.*member;
    if (csvSafe && !IsFigure(member) && LooksLikeFormula(field)) {
      csv::AppendCsvField(line, "'" + field, scratch);
    } else {
      csv::AppendCsvField(line, field, scratch);
    }
  }
  for (const std::optional<Conversion>& conversion : conversions) {
    if (conversion) line.append(",").append(conversion->ut);
  }
  line += "\r\n";
}

}  // namespace kelvra::cli
