// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/people_csv.h"

#include <exception>
#include <optional>

#include "csv/csv_field.h"
#include "csv/csv_reader.h"
#include "csv/entry_values.h"
#include "csv/utf8.h"
#include "vocabulary/cli_words.h"
#include "vocabulary/entry_words.h"
#include "vocabulary/people_words_csv.h"

namespace kelvra::people {

namespace {

// Where each column's value stands in what the row reader gives: the
// sixteen required ones first, in csv::kPersonColumns order.
enum Column : std::size_t {
  kName, kDay, kMonth, kYear, kHour, kMinute, kSecond, kLatDeg, kLatMin, kLatDir,
  kLongDeg, kLongMin, kLongDir, kCity, kState, kCountry, kSex, kZone, kUtcOffset, kNotes, kColumnCount,
};

std::vector<std::string> ReadColumns() {
  std::vector<std::string> columns(csv::kPersonColumns.begin(), csv::kPersonColumns.end());
  for (const char* optional : {"sex", "tz", "utc_offset", "notes"}) columns.emplace_back(optional);
  return columns;
}

std::string_view ColumnName(std::size_t column) {
  static const std::vector<std::string> columns = ReadColumns();
  return columns[column];
}

std::string WholeNumberFromTo(int low, int high) {
  return Tr(words::kWholeNumberFromTo, {std::to_string(low), std::to_string(high)});
}

// +HH:MM or -HH:MM with HH 00..14 and MM 00..59, as kelvra-cli's utc_offset
// takes it, or LMT.
bool IsUtcOffset(std::string_view text) {
  if (text == "LMT") return true;
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return false;
  for (const std::size_t i : {1, 2, 4, 5})
    if (text[i] < '0' || text[i] > '9') return false;
  return (text[1] - '0') * 10 + (text[2] - '0') <= 14 && text[4] <= '5';
}

// A row's person, or the first problem as "column: message".
struct RowResult {
  std::optional<Person> person;
  std::string problem;
};

RowResult ReadRow(const std::vector<std::string_view>& values) {
  Person person;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    const auto column = static_cast<Column>(i);
    const std::string_view value = values[i];
    const auto refuse = [&](const std::string& message) {
      return RowResult{std::nullopt, Tr(words::kColumnRefusal, {ColumnName(i), message})};
    };
    if (!csv::IsValidUtf8(value)) return refuse(Tr(words::kNotUtf8));

    std::optional<std::int32_t> number;
    std::string invalid;
    switch (column) {
      case kName:
        if (value.empty()) return refuse(Tr(words::kMustNotBeEmpty));
        person.name = value;
        continue;
      case kCity: person.city = value; continue;
      case kState: person.state = value; continue;
      case kCountry: person.country = value; continue;
      case kZone: person.zone = value; continue;
      case kNotes: person.notes = value; continue;
      case kSex:
        if (value == "male") {
          person.sex = Sex::Male;
        } else if (value == "female") {
          person.sex = Sex::Female;
        } else if (!value.empty()) {
          return refuse(Tr(words::kPeopleCsvSex));
        }
        continue;
      case kUtcOffset:
        if (!value.empty() && !IsUtcOffset(value)) return refuse(Tr(words::kPeopleCsvUtcOffset));
        person.utcOffset = value;
        continue;
      case kLatDir:
        if (const std::optional<char> direction = csv::LatitudeDirection(value)) {
          person.latDir = *direction;
          continue;
        }
        return refuse(Tr(words::kLatitudeDirection));
      case kLongDir:
        if (const std::optional<char> direction = csv::LongitudeDirection(value)) {
          person.longDir = *direction;
          continue;
        }
        return refuse(Tr(words::kLongitudeDirection));
      case kDay: number = csv::WholeNumberIn(value, 1, 31), invalid = WholeNumberFromTo(1, 31); break;
      case kMonth: number = csv::WholeNumberIn(value, 1, 12), invalid = WholeNumberFromTo(1, 12); break;
      case kYear: number = csv::WholeNumberIn(value, 1900, 2050), invalid = WholeNumberFromTo(1900, 2050); break;
      case kHour: number = csv::WholeNumberIn(value, 0, 24), invalid = WholeNumberFromTo(0, 24); break;
      case kMinute:
      case kSecond: number = csv::WholeNumberIn(value, 0, 59), invalid = WholeNumberFromTo(0, 59); break;
      case kLatDeg:
      case kLatMin:
      case kLongDeg:
      case kLongMin: number = csv::CoordinatePart(value), invalid = Tr(words::kCoordinateDigits); break;
      case kColumnCount: break;
    }
    if (!number) return refuse(invalid);
    switch (column) {
      case kDay: person.day = *number; break;
      case kMonth: person.month = *number; break;
      case kYear: person.year = *number; break;
      case kHour: person.hour = *number; break;
      case kMinute: person.minute = *number; break;
      case kSecond: person.second = *number; break;
      case kLatDeg: person.latDeg = *number; break;
      case kLatMin: person.latMin = *number; break;
      case kLongDeg: person.longDeg = *number; break;
      case kLongMin: person.longMin = *number; break;
      default: break;
    }
  }
  return {std::move(person), {}};
}

class Reader final : public csv::CsvRowHandler {
 public:
  explicit Reader(ReadResult& result) : result_(result), rows_(ReadColumns(), csv::kPersonColumns.size(), *this) {}

  void Read(std::string_view bytes) { rows_.Read(bytes); }

 private:
  void OnHeader() noexcept override {}

  void OnRow(std::uint64_t row, const std::vector<std::string_view>& values) noexcept override {
    try {
      RowResult read = ReadRow(values);
      if (read.person) {
        result_.records.push_back({std::move(*read.person), rows_.RowLine(), row, {}});
      } else {
        result_.refused.push_back({rows_.RowLine(), row, std::move(read.problem)});
      }
    } catch (const std::exception& e) {
      OnFailure(Tr(words::kCliInternalErrorBecause, {e.what()}));
    }
  }

  void OnMalformedRow(std::uint64_t row, const std::string& problem) noexcept override {
    try {
      result_.refused.push_back({rows_.RowLine(), row, problem});
    } catch (const std::exception& e) {
      OnFailure(Tr(words::kCliInternalErrorBecause, {e.what()}));
    }
  }

  void OnFailure(const std::string& message) noexcept override {
    rows_.Stop();
    // Half a file is not offered: what it would take is unclear.
    result_.records.clear();
    result_.refused.clear();
    try {
      result_.fileProblem = message;
    } catch (const std::exception&) {
      result_.fileProblem = "?";  // fits the small-string buffer: cannot throw
    }
  }

  ReadResult& result_;
  csv::CsvRowReader rows_;
};

std::string_view SexText(Sex sex) {
  switch (sex) {
    case Sex::Male: return "male";
    case Sex::Female: return "female";
    case Sex::NotStated: break;
  }
  return "";
}

}  // namespace

ReadResult ReadPeopleCsv(std::string_view bytes) {
  ReadResult result;
  Reader reader(result);
  reader.Read(bytes);
  return result;
}

std::string WritePeopleCsv(const std::vector<Person>& people) {
  std::string out;
  for (std::size_t i = 0; i < kPeopleCsvColumns.size(); ++i) out.append(i ? "," : "").append(kPeopleCsvColumns[i]);
  out += "\r\n";
  std::string scratch;
  const auto text = [&](std::string_view field) {
    csv::AppendCsvField(out, field, scratch);
    out += ',';
  };
  const auto number = [&](int value) { out.append(std::to_string(value)) += ','; };
  for (const Person& p : people) {
    text(p.name);
    text(SexText(p.sex));
    for (const int value : {p.day, p.month, p.year, p.hour, p.minute, p.second, p.latDeg, p.latMin}) number(value);
    out.append(1, p.latDir == 'S' ? 'S' : 'N') += ',';
    number(p.longDeg);
    number(p.longMin);
    out.append(1, p.longDir == 'W' ? 'W' : 'E') += ',';
    for (const std::string* field : {&p.city, &p.state, &p.country, &p.zone, &p.utcOffset}) text(*field);
    csv::AppendCsvField(out, p.notes, scratch);
    out += "\r\n";
  }
  return out;
}

}  // namespace kelvra::people
