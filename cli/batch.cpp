// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/batch.h"

#include <csv.h>
#include <rapidjson/encodings.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <istream>
#include <ostream>
#include <vector>

#include "charts/chart_point.h"
#include "charts/zodiac.h"
#include "cosmodynes/analysis.h"
#include "shell/month_name.h"
#include "report/report_fields.h"

namespace kelvra::cli {

namespace {

// ---------------------------------------------------------------------------
// One person's values

enum Column : std::size_t {
  kName, kDay, kMonth, kYear, kHour, kMinute, kSecond, kLatDeg, kLatMin, kLatDir,
  kLongDeg, kLongMin, kLongDir, kCity, kState, kCountry,
};

bool IsValidUtf8(std::string_view text) {
  rapidjson::MemoryStream in(text.data(), text.size());
  struct Discard {
    void Put(char) {}
  } out;
  while (in.Tell() < text.size()) {
    if (!rapidjson::UTF8<>::Validate(in, out)) return false;
  }
  // A sequence cut short by the end of the text reads past it as NULs, which fail above.
  return in.Tell() == text.size();
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Digits only, any number of leading zeros, within [low, high].
std::optional<std::int32_t> WholeNumberIn(std::string_view text, std::int32_t low, std::int32_t high) {
  if (!AllDigits(text)) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < static_cast<std::uint32_t>(low) || value > static_cast<std::uint32_t>(high)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// Coordinates take one to three digits and no range check, as the form's boxes do.
std::optional<std::int32_t> CoordinatePart(std::string_view text) {
  if (text.size() > 3) return std::nullopt;
  return WholeNumberIn(text, 0, 999);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// True for the short or long spelling, in any case.
bool IsDirection(std::string_view text, std::string_view shortName, std::string_view longName) {
  return EqualsIgnoringCase(text, shortName) || EqualsIgnoringCase(text, longName);
}

// The entry form's message for an empty box, where it has one.
std::string_view EmptyMessage(Partner partner, Column column) {
  const bool male = partner == Partner::Male;
  switch (column) {
    case kName: return male ? "Please Enter Male Name" : "Please Enter Female Name";
    case kLatDeg: return "Please Enter Degree in Latitude";
    case kLatMin: return "Please Enter Minutes in Latitude";
    case kLatDir: return "Please Select Direction For The Latitude";
    case kLongDeg: return "Please Enter Degree in Longitude";
    // The form words the two boxes differently.
    case kLongMin: return male ? "Please Enter Minute in Longitude" : "Please Enter Minutes in Longitude";
    case kLongDir: return "Please Select Direction For The Longitude";
    case kCity: return "Please Enter City";
    case kState: return "Please Enter State";
    case kCountry: return "Please Enter Country";
    default: return {};
  }
}

std::string_view InvalidMessage(Column column) {
  switch (column) {
    case kDay: return "must be a whole number from 1 to 31";
    case kMonth: return "must be a whole number from 1 to 12";
    case kYear: return "must be a whole number from 1900 to 2050";
    case kHour: return "must be a whole number from 0 to 24";
    case kMinute:
    case kSecond: return "must be a whole number from 0 to 59";
    case kLatDeg:
    case kLatMin:
    case kLongDeg:
    case kLongMin: return "must be a whole number of 1 to 3 digits";
    case kLatDir: return "must be N, S, North or South";
    case kLongDir: return "must be E, W, East or West";
    default: return "must not be empty";
  }
}

// ---------------------------------------------------------------------------
// Output

// Shortest text that reads back as the same double; to_chars guarantees the
// shortest form, which rapidjson's own conversion does not always find.
void WriteDouble(rapidjson::Writer<rapidjson::StringBuffer>& w, double x) {
  if (!std::isfinite(x)) {
    w.Null();  // JSON has no NaN or infinity; no chart or total holds one
    return;
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, x);
  w.RawValue(text, static_cast<std::size_t>(result.ptr - text), rapidjson::kNumberType);
}

void WriteString(rapidjson::Writer<rapidjson::StringBuffer>& w, std::string_view s) {
  w.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
}

void WriteKeyString(rapidjson::Writer<rapidjson::StringBuffer>& w, const char* key, std::string_view value) {
  w.Key(key);
  WriteString(w, value);
}

// Fields that would change meaning or lose blanks unquoted are quoted by libcsv.
void AppendCsvField(std::string& line, std::string_view field, std::string& scratch) {
  const bool needsQuotes = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!field.empty() && (field.front() == ' ' || field.front() == '\t' ||
                                               field.back() == ' ' || field.back() == '\t'));
  if (!needsQuotes) {
    line.append(field);
    return;
  }
  scratch.resize(2 * field.size() + 2);  // every byte a quote, plus the enclosing pair
  const std::size_t n = csv_write(scratch.data(), scratch.size(), field.data(), field.size());
  line.append(scratch, 0, n);
}

// The CSV header names the report's fields in the input's vocabulary
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

std::string CsvHeaderLine() {
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
  return line + "\r\n";
}

// ---------------------------------------------------------------------------
// The run

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kRequiredColumns = 2 * kPersonColumns.size();

class Batch {
 public:
  Batch(std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris)
      : out_(out), err_(err), format_(format), ephemeris_(ephemeris) {
    for (int m = 1; m <= 12; ++m) monthNames_[static_cast<std::size_t>(m)] = MonthName(m).toStdString();
  }

  int Run(std::istream& in) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) return Fail("cannot start the CSV reader");
    // Blanks are data: names and places are kept exactly as written.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    parser_ = &parser;
    Read(in);
    if (!stopped_) Finish();
    csv_free(&parser);
    parser_ = nullptr;
    return status_;
  }

 private:
  void Read(std::istream& in) {
    std::vector<char> buffer(64 * 1024);
    // peek waits for input; readsome then takes only what has arrived, so
    // rows from a slow pipe are answered as they come.
    while (!stopped_ && in.peek() != std::char_traits<char>::eof()) {
      std::streamsize n = in.readsome(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      if (n <= 0) {
        buffer[0] = static_cast<char>(in.get());
        n = 1;
      }
      Feed(buffer.data(), static_cast<std::size_t>(n));
    }
    if (!stopped_ && in.bad()) Fail("cannot read the input");
  }

  // Drops a byte order mark in front of the header, even when it arrives in pieces.
  void Feed(const char* data, std::size_t size) {
    while (bomMatched_ < kBom.size() && !pastBom_ && size > 0) {
      if (*data != kBom[bomMatched_]) {
        pastBom_ = true;
        Parse(kBom.data(), bomMatched_);
        break;
      }
      ++bomMatched_;
      ++data;
      --size;
    }
    if (bomMatched_ == kBom.size()) pastBom_ = true;
    if (size > 0) Parse(data, size);
  }

  void Parse(const char* data, std::size_t size) {
    if (stopped_ || size == 0) return;
    if (csv_parse(parser_, data, size, OnField, OnRowEnd, this) != size && !stopped_) MalformedCsv();
  }

  void Finish() {
    if (!pastBom_) Parse(kBom.data(), bomMatched_);  // a lone partial mark is data
    if (stopped_) return;
    if (csv_fini(parser_, OnField, OnRowEnd, this) != 0 && !stopped_) {
      MalformedCsv();
      return;
    }
    if (!stopped_ && !haveHeader_) Fail("the input has no header row");
  }

  void MalformedCsv() {
    const std::string where = haveHeader_ ? "data row " + std::to_string(row_ + 1) : std::string("the header row");
    Fail("malformed CSV in " + where + ": " + csv_strerror(csv_error(parser_)));
  }

  int Fail(const std::string& message) {
    err_ << "kelvra-cli: " << message << '\n';
    err_.flush();
    status_ = kExitFailure;
    stopped_ = true;
    return status_;
  }

  static void OnField(void* data, std::size_t size, void* self) {
    auto& batch = *static_cast<Batch*>(self);
    if (batch.stopped_) return;
    if (batch.fieldCount_ == batch.fields_.size()) batch.fields_.emplace_back();
    batch.fields_[batch.fieldCount_++].assign(static_cast<const char*>(data), size);
  }

  // Called by the C parser: nothing may be thrown through it.
  static void OnRowEnd(int, void* self) noexcept {
    auto& batch = *static_cast<Batch*>(self);
    if (batch.stopped_) return;
    try {
      if (batch.haveHeader_) {
        batch.Row();
      } else {
        batch.Header();
      }
    } catch (const std::exception& e) {
      batch.Fail(std::string("internal error: ") + e.what());
    } catch (...) {
      batch.Fail("internal error");
    }
    batch.fieldCount_ = 0;
  }

  void Header() {
    haveHeader_ = true;
    columns_.fill(kAbsent);
    for (std::size_t i = 0; i < fieldCount_; ++i) {
      for (std::size_t c = 0; c < kRequiredColumns; ++c) {
        if (fields_[i] != RequiredColumn(c)) continue;
        if (columns_[c] != kAbsent) {
          Fail("column " + fields_[i] + " appears more than once in the header");
          return;
        }
        columns_[c] = i;
      }
    }
    std::string missing;
    for (std::size_t c = 0; c < kRequiredColumns; ++c) {
      if (columns_[c] == kAbsent) missing += (missing.empty() ? "" : ", ") + RequiredColumn(c);
    }
    if (!missing.empty()) {
      Fail("missing column(s) in the header: " + missing);
      return;
    }
    if (format_ == OutputFormat::Csv) Emit(CsvHeaderLine());
  }

  static std::string RequiredColumn(std::size_t c) {
    const Partner partner = c < kPersonColumns.size() ? Partner::Male : Partner::Female;
    return ColumnName(partner, kPersonColumns[c % kPersonColumns.size()]);
  }

  PersonFields FieldsOf(Partner partner) const {
    const std::size_t offset = partner == Partner::Male ? 0 : kPersonColumns.size();
    PersonFields values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::size_t at = columns_[offset + i];
      // A row cut short lacks its last values; they count as empty.
      values[i] = at < fieldCount_ ? std::string_view(fields_[at]) : std::string_view();
    }
    return values;
  }

  void Row() {
    ++row_;
    PersonResult male = ReadPerson(Partner::Male, FieldsOf(Partner::Male));
    if (!male.birth) return Refuse(male.error);
    PersonResult female = ReadPerson(Partner::Female, FieldsOf(Partner::Female));
    if (!female.birth) return Refuse(female.error);

    const CoupleAnalysis analysis = AnalyzeCouple(*male.birth, *female.birth, ephemeris_, memory_);
    const ChartTexts maleTexts = ChartTextsOf(analysis.male);
    const ChartTexts femaleTexts = ChartTextsOf(analysis.female);
    const ReportPerson malePerson = ReportPersonOf(*male.birth);
    const ReportPerson femalePerson = ReportPersonOf(*female.birth);
    if (format_ == OutputFormat::Csv) {
      WriteCsvRow(MakeCompatibilityReport(malePerson, femalePerson, maleTexts, femaleTexts, analysis.verdict.result));
    } else {
      WriteJsonRow(analysis, malePerson, femalePerson, maleTexts, femaleTexts);
    }
  }

  ReportPerson ReportPersonOf(const BirthData& birth) const {
    return {birth.Name, monthNames_[static_cast<std::size_t>(birth.Month)], birth.Day, birth.Year,
            birth.City, birth.State, birth.Country};
  }

  void Refuse(const std::string& message) {
    if (status_ == kExitOk) status_ = kExitRowRefused;
    if (format_ == OutputFormat::Csv) {
      err_ << "row " << row_ << ": " << message << '\n';
      err_.flush();
      return;
    }
    json_.Clear();
    writer_.Reset(json_);
    writer_.StartObject();
    writer_.Key("row");
    writer_.Uint64(row_);
    WriteKeyString(writer_, "error", message);
    writer_.EndObject();
    EmitJson();
  }

  void WritePerson(const ReportPerson& person, const NatalChart& chart, const ChartTexts& texts) {
    auto& w = writer_;
    w.StartObject();
    WriteKeyString(w, "name", person.name);
    WriteKeyString(w, "dob", DateOfBirthText(person));
    WriteKeyString(w, "city", person.city);
    WriteKeyString(w, "state", person.state);
    WriteKeyString(w, "country", person.country);
    w.Key("chart");
    w.StartArray();
    for (std::size_t i = 0; i < kChartPointCount; ++i) {
      const ChartPoint point = kAllChartPoints[i];
      w.StartObject();
      WriteKeyString(w, "point", ChartPointName(point));
      w.Key("longitude");
      WriteDouble(w, chart.Longitude[point]);
      w.Key("declination");
      WriteDouble(w, chart.Declination[point]);
      w.Key("house");
      w.Int(static_cast<int>(chart.House[point]));
      WriteKeyString(w, "text", texts[i]);
      w.EndObject();
    }
    w.EndArray();
    w.EndObject();
  }

  void WriteJsonRow(const CoupleAnalysis& analysis, const ReportPerson& male, const ReportPerson& female,
                    const ChartTexts& maleTexts, const ChartTexts& femaleTexts) {
    json_.Clear();
    writer_.Reset(json_);
    auto& w = writer_;
    w.StartObject();
    w.Key("row");
    w.Uint64(row_);
    w.Key("male");
    WritePerson(male, analysis.male, maleTexts);
    w.Key("female");
    WritePerson(female, analysis.female, femaleTexts);
    w.Key("contacts");
    w.StartArray();
    for (const Contact& c : analysis.contacts) {
      w.StartObject();
      WriteKeyString(w, "male", ChartPointName(c.malePoint));
      WriteKeyString(w, "female", ChartPointName(c.femalePoint));
      WriteKeyString(w, "kind", ContactKindName(c.kind));
      WriteKeyString(w, "pairAspect", AspectKindName(c.pairAspect));
      w.Key("strength");
      WriteDouble(w, c.strength);
      w.EndObject();
    }
    w.EndArray();
    w.Key("powerTotal");
    WriteDouble(w, analysis.totals.powerTotal);
    w.Key("harmonyTotal");
    WriteDouble(w, analysis.totals.harmonyTotal);
    const CompatibilityResult& result = analysis.verdict.result;
    w.Key("Power");
    w.Int(result.Power);
    w.Key("Harmony");
    w.Int(result.Harmony);
    w.Key("PH");
    w.Int(result.PH);
    w.Key("phPercentage");
    w.Int(result.phPercentage);
    WriteKeyString(w, "comment", result.strComment);
    w.EndObject();
    EmitJson();
  }

  void WriteCsvRow(const CompatibilityReport& report) {
    line_.clear();
    bool first = true;
    for (const auto& [name, member] : kReportFields) {
      if (!first) line_ += ',';
      first = false;
      AppendCsvField(line_, report.*member, scratch_);
    }
    line_ += "\r\n";
    Emit(line_);
  }

  void EmitJson() {
    json_.Put('\n');
    Emit(std::string_view(json_.GetString(), json_.GetSize()));
  }

  // Each row leaves as soon as it is done, so a reader of the output sees it
  // while later rows are still being computed.
  void Emit(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) Fail("cannot write the output");
  }

  static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

  std::ostream& out_;
  std::ostream& err_;
  OutputFormat format_;
  Ephemeris& ephemeris_;
  HarmonyMemory memory_;  // one for the whole run, as in one session of the program
  std::array<std::string, 13> monthNames_;

  csv_parser* parser_ = nullptr;
  std::size_t bomMatched_ = 0;
  bool pastBom_ = false;
  bool haveHeader_ = false;
  bool stopped_ = false;
  int status_ = kExitOk;
  std::uint64_t row_ = 0;
  std::array<std::size_t, kRequiredColumns> columns_{};
  std::vector<std::string> fields_;  // reused from row to row
  std::size_t fieldCount_ = 0;

  rapidjson::StringBuffer json_;
  rapidjson::Writer<rapidjson::StringBuffer> writer_;
  std::string line_, scratch_;
};

}  // namespace

std::string ColumnName(Partner partner, std::string_view column) {
  std::string name = partner == Partner::Male ? "male_" : "female_";
  name += column;
  return name;
}

PersonResult ReadPerson(Partner partner, const PersonFields& fields) {
  BirthData birth;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto column = static_cast<Column>(i);
    const std::string_view value = fields[i];
    const auto refuse = [&](std::string_view message) {
      return PersonResult{std::nullopt, ColumnName(partner, kPersonColumns[i]) + ": " + std::string(message)};
    };
    if (!IsValidUtf8(value)) return refuse("not valid UTF-8");
    if (value.empty() && !EmptyMessage(partner, column).empty()) return refuse(EmptyMessage(partner, column));

    std::optional<std::int32_t> number;
    switch (column) {
      case kName: birth.Name = value; continue;
      case kCity: birth.City = value; continue;
      case kState: birth.State = value; continue;
      case kCountry: birth.Country = value; continue;
      case kLatDir:
        if (IsDirection(value, "N", "North")) {
          birth.LatDir = LatitudeDirection::North;
        } else if (IsDirection(value, "S", "South")) {
          birth.LatDir = LatitudeDirection::South;
        } else {
          return refuse(InvalidMessage(column));
        }
        continue;
      case kLongDir:
        if (IsDirection(value, "E", "East")) {
          birth.LongDir = LongitudeDirection::East;
        } else if (IsDirection(value, "W", "West")) {
          birth.LongDir = LongitudeDirection::West;
        } else {
          return refuse(InvalidMessage(column));
        }
        continue;
      case kDay: number = WholeNumberIn(value, 1, 31); break;
      case kMonth: number = WholeNumberIn(value, 1, 12); break;
      case kYear: number = WholeNumberIn(value, 1900, 2050); break;
      case kHour: number = WholeNumberIn(value, 0, 24); break;
      case kMinute:
      case kSecond: number = WholeNumberIn(value, 0, 59); break;
      case kLatDeg:
      case kLatMin:
      case kLongDeg:
      case kLongMin: number = CoordinatePart(value); break;
    }
    if (!number) return refuse(InvalidMessage(column));
    switch (column) {
      // The lists hold "5", not "05": the text is rebuilt from the number.
      case kDay: birth.Day = std::to_string(*number); break;
      case kMonth: birth.Month = *number; break;
      case kYear: birth.Year = std::to_string(*number); break;
      case kHour: birth.Hour = *number; break;
      case kMinute: birth.Minute = *number; break;
      case kSecond: birth.Second = *number; break;
      case kLatDeg: birth.LatDeg = *number; break;
      case kLatMin: birth.LatMin = *number; break;
      case kLongDeg: birth.LongDeg = *number; break;
      case kLongMin: birth.LongMin = *number; break;
      default: break;
    }
  }
  return {std::move(birth), {}};
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris) {
  return Batch(out, err, format, ephemeris).Run(in);
}

}  // namespace kelvra::cli
