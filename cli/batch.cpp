// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/batch.h"

#include <csv.h>
#include <sched.h>
#include <rapidjson/encodings.h>
#include <rapidjson/memorystream.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <deque>
#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/chart_workers.h"
#include "birthtime/birth_time.h"
#include "cli/json_line.h"
#include "cosmodynes/explanation.h"

#include "charts/chart_point.h"
#include "charts/zodiac.h"
#include "cosmodynes/analysis.h"
#include "birthtime/month_name.h"
#include "reportdata/report_fields.h"

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

std::string CsvHeaderLine(bool trueUt) {
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
  if (trueUt) {
    add("male_", "ut");
    add("female_", "ut");
  }
  return line + "\r\n";
}

// A clock time converted to Universal Time, as the output states it.
struct Conversion {
  std::string ut;         ///< "1950-07-01T16:00:00"
  std::string utcOffset;  ///< "-04:00", "+03:06:52"
};
using Conversions = std::array<std::optional<Conversion>, 2>;  ///< male, female

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ClockText(const BirthData& birth) { return TwoDigits(birth.Hour) + ":" + TwoDigits(birth.Minute); }

// Converts one person's clock time to UT, by the zone column, else the
// offset column, else the atlas; sets birth.Ut. Gives the refusal instead.
std::optional<std::string> ConvertBirthTime(Partner partner, BirthData& birth, std::string_view zoneColumn,
                                            std::string_view offsetColumn, const PlaceZoneFinder& findPlaceZone,
                                            Conversion& conversion) {
  const auto column = [partner](std::string_view name) { return ColumnName(partner, name) + ": "; };
  const LocalBirthTime local{std::stoi(birth.Year), birth.Month, std::stoi(birth.Day), birth.Hour, birth.Minute};
  UtConversion result;
  std::string zone;
  if (!zoneColumn.empty()) {
    zone = zoneColumn;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return column("tz") + "unknown time zone '" + zone + "'; use a tz database name such as Europe/London";
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  } else if (!offsetColumn.empty()) {
    const std::optional<int> offset = ParseUtcOffset(offsetColumn);
    if (!offset) return column("utc_offset") + "must be +HH:MM or -HH:MM, hours 00 to 14 and minutes 00 to 59";
    zone = "UTC" + std::string(offsetColumn);
    result = ConvertWithOffset(local, *offset);
  } else {
    const std::string place = birth.City + ", " + (birth.State.empty() ? "" : birth.State + ", ") + birth.Country;
    const PlaceZone found = findPlaceZone ? findPlaceZone(birth.City, birth.State, birth.Country) : PlaceZone{};
    if (found.found == PlaceZone::Found::None) {
      return column("city") + "no atlas place matches " + place + "; give " + ColumnName(partner, "tz") + " or " +
             ColumnName(partner, "utc_offset");
    }
    if (found.found == PlaceZone::Found::Several) {
      std::string which;
      for (std::size_t i = 0; i < found.candidates.size() && i < 3; ++i) which += (i ? "; " : "") + found.candidates[i];
      if (found.candidates.size() > 3) which += "; ...";
      return column("city") + "more than one atlas place matches " + place + " (" + which + "); give " +
             ColumnName(partner, "state") + ", " + ColumnName(partner, "tz") + " or " + ColumnName(partner, "utc_offset");
    }
    zone = found.zone;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return column("city") + "the atlas gives the time zone " + zone + ", which this system does not know";
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  }
  const std::string day = birth.Year + "-" + TwoDigits(birth.Month) + "-" + TwoDigits(std::stoi(birth.Day));
  const auto offsets = [&result] {
    return OffsetText(result.candidates[0].offsetSeconds).toStdString() + " and " +
           OffsetText(result.candidates[1].offsetSeconds).toStdString();
  };
  switch (result.outcome) {
    case UtConversion::Outcome::Converted: break;
    case UtConversion::Outcome::InvalidDate:
      return column("day") + "there is no such day in that month, so the time cannot be converted";
    case UtConversion::Outcome::UnknownZone: return column("tz") + "unknown time zone '" + zone + "'";
    case UtConversion::Outcome::DoesNotExist:
      return column("hour") + ClockText(birth) + " does not exist in " + zone + " on " + day +
             ": the clocks went from " + OffsetText(result.candidates[0].offsetSeconds).toStdString() + " to " +
             OffsetText(result.candidates[1].offsetSeconds).toStdString();
    case UtConversion::Outcome::Ambiguous:
      return column("hour") + ClockText(birth) + " happens twice in " + zone + " on " + day + ", at " + offsets() +
             "; give " + ColumnName(partner, "utc_offset");
  }
  const UtCandidate& moment = result.candidates.front();
  const QDate date = moment.ut.date();
  const QTime time = moment.ut.time();
  birth.Ut = UniversalMoment{date.year(), date.month(), date.day(),
                             time.hour() + time.minute() / 60.0 + time.second() / 3600.0};
  conversion = {UtText(moment.ut).toStdString(), OffsetText(moment.offsetSeconds).toStdString()};
  return std::nullopt;
}

// ---------------------------------------------------------------------------
// The run

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kRequiredColumns = 2 * kPersonColumns.size();
// Optional columns after the required ones: each person's time zone and
// fixed offset, read only when times are converted.
constexpr std::array<std::string_view, 2> kZoneColumns = {"tz", "utc_offset"};
constexpr std::size_t kKeptColumns = kRequiredColumns + 2 * kZoneColumns.size();

// What the reader keeps of a row: the values of the 32 required columns (and
// of the four zone columns when times are converted), found
// by their place in the header, and nothing of other columns but their
// count. Header names are kept for messages, for this many columns and up to
// this length; the reader's own buffer holds one field at a time.
constexpr std::size_t kNamedColumns = 1024;
constexpr std::size_t kLongestColumnName = 64;

// The CSV reader grows its field buffer by its block size. Between reads the
// block is raised to the buffer's size, so a long field doubles the buffer
// instead of adding a block at a time (which copies quadratically).
constexpr std::size_t kFirstBlock = 4096;

// Text cells a spreadsheet would take as a formula start with one of these.
bool LooksLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// The report's figures are numbers; every other field is text.
bool IsFigure(std::string CompatibilityReport::*member) {
  using R = CompatibilityReport;
  return member == &R::Power || member == &R::Harmony || member == &R::PH || member == &R::Percentage;
}

std::string SystemReason(int error) { return error != 0 ? std::strerror(error) : "the system gave no reason"; }

class Batch {
 public:
  Batch(std::ostream& out, std::ostream& err, const BatchOptions& options, Ephemeris& ephemeris)
      : out_(out), err_(err), options_(options), ephemeris_(ephemeris) {
    for (int m = 1; m <= 12; ++m) monthNames_[static_cast<std::size_t>(m)] = MonthName(m).toStdString();
    if (options_.jobs > 1 && options_.workerEphemeris) {
      workers_ = std::make_unique<ChartWorkers>(options_.jobs, options_.workerEphemeris);
      rowsInFlight_ = kRowsInFlightPerJob * options_.jobs;
    }
  }
  ~Batch() { StopParser(); }
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  int Run(std::istream& in) {
    if (!StartParser()) return status_;
    Read(in);
    if (!stopped_) Finish();
    if (!stopped_) Guarded([this] { Answer(true); });
    StopParser();
    return status_;
  }

 private:
  bool StartParser() {
    if (csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI) != 0) {
      Fail("cannot start the CSV reader");
      return false;
    }
    parserLive_ = true;
    // Blanks are data: names and places are kept exactly as written.
    csv_set_space_func(&parser_, [](unsigned char) { return 0; });
    csv_set_blk_size(&parser_, kFirstBlock);
    fieldCount_ = 0;
    nextRequired_ = 0;
    return true;
  }

  void StopParser() {
    if (parserLive_) csv_free(&parser_);
    parserLive_ = false;
  }

  void Read(std::istream& in) {
    std::vector<char> buffer(64 * 1024);
    // peek waits for input; readsome then takes only what has arrived, so
    // rows from a slow pipe are answered as they come.
    errno = 0;
    for (;;) {
      // Rows in flight are answered before a read that may wait for more.
      if (workers_ && options_.inputMayWait && in.rdbuf()->in_avail() <= 0) Guarded([this] { Answer(true); });
      if (stopped_ || in.peek() == std::char_traits<char>::eof()) break;
      std::streamsize n = in.readsome(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      if (n <= 0) {
        buffer[0] = static_cast<char>(in.get());
        n = 1;
      }
      Feed(buffer.data(), static_cast<std::size_t>(n));
    }
    if (!stopped_ && in.bad()) FailAfterAnswering("cannot read " + options_.inputName + ": " + SystemReason(errno));
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
    while (!stopped_ && size > 0) {
      if (skippingRow_) {
        // A malformed record ends at the next line end; a fresh reader starts after it.
        const char* end = std::find_if(data, data + size, [](char c) { return c == '\n' || c == '\r'; });
        if (end == data + size) return;
        size -= static_cast<std::size_t>(end + 1 - data);
        data = end + 1;
        skippingRow_ = false;
        if (!StartParser()) return;
        continue;
      }
      csv_set_blk_size(&parser_, std::max(kFirstBlock, csv_get_buffer_size(&parser_)));
      const std::size_t done = csv_parse(&parser_, data, size, OnField, OnRowEnd, this);
      if (done == size || stopped_) return;
      if (csv_error(&parser_) != CSV_EPARSE) {
        FailAfterAnswering(std::string("cannot read the CSV: ") + csv_strerror(csv_error(&parser_)));
        return;
      }
      // Strict reading stops at the offending byte: a quote inside an unquoted
      // field, or anything but a comma or line end after a closing quote.
      Malformed(data[done] == '"' ? "a quote inside an unquoted field" : "text after a closing quote");
      data += done;
      size -= done;
    }
  }

  void Malformed(const std::string& cause) {
    const std::string column = ColumnLabel(fieldCount_);
    StopParser();
    if (!haveHeader_) {
      Fail("the header row: " + column + ": malformed CSV, " + cause);
      return;
    }
    ++row_;
    Refuse(column + ": malformed CSV, " + cause + "; the row is skipped to its line end");
    skippingRow_ = true;
  }

  void Finish() {
    if (!pastBom_) Parse(kBom.data(), bomMatched_);  // a lone partial mark is data
    if (stopped_ || skippingRow_) return;
    if (csv_fini(&parser_, OnField, OnRowEnd, this) != 0 && !stopped_) {
      // Only an unterminated quote fails here: it took every later line into one field.
      const std::string where = haveHeader_ ? "data row " + std::to_string(row_ + 1) : std::string("the header row");
      FailAfterAnswering(where + ": a quote opened in " + ColumnLabel(fieldCount_) +
                         " is never closed, so the rest of the input lies inside it");
      return;
    }
    if (!stopped_ && !haveHeader_) Fail("the input has no header row");
  }

  // A failure of the input ends the run after the rows before it are answered,
  // as they would have been without workers.
  void FailAfterAnswering(const std::string& message) {
    Guarded([this] { Answer(true); });
    if (!stopped_) Fail(message);
  }

  // Runs work that may throw where nothing may be thrown through: the C
  // parser's callbacks and the run's own loop.
  template <typename Work>
  void Guarded(Work work) noexcept {
    try {
      work();
    } catch (const std::exception& e) {
      Fail(std::string("internal error: ") + e.what());
    } catch (...) {
      Fail("internal error");
    }
  }

  int Fail(const std::string& message) {
    err_ << "kelvra-cli: " << message << '\n';
    err_.flush();
    status_ = kExitFailure;
    stopped_ = true;
    return status_;
  }

  // A column as messages name it: its header name where that is plain text,
  // else its place ("column 3").
  std::string ColumnLabel(std::size_t index) const {
    if (index < headerNames_.size()) {
      const std::string& name = headerNames_[index];
      const bool plain = !name.empty() && name.size() <= kLongestColumnName && IsValidUtf8(name) &&
                         std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
      if (plain) return name;
    }
    return "column " + std::to_string(index + 1);
  }

  static void OnField(void* data, std::size_t size, void* self) {
    auto& batch = *static_cast<Batch*>(self);
    if (batch.stopped_) return;
    const std::string_view field(static_cast<const char*>(data), size);
    if (batch.haveHeader_) {
      batch.KeepValue(field);
    } else {
      batch.KeepHeaderName(field);
    }
    ++batch.fieldCount_;
  }

  void KeepValue(std::string_view field) {
    if (nextRequired_ < keptByPlace_.size() && keptByPlace_[nextRequired_].first == fieldCount_)
      values_[keptByPlace_[nextRequired_++].second].assign(field);
  }

  void KeepHeaderName(std::string_view field) {
    if (fieldCount_ == 0 && field.starts_with(kBom)) headerProblem_ = "the input begins with two byte order marks";
    if (field.find('\0') != std::string_view::npos || (fieldCount_ == 0 && (field.starts_with("\xFF\xFE") ||
                                                                            field.starts_with("\xFE\xFF"))))
      headerProblem_ = "the input looks like UTF-16";
    if (fieldCount_ < kNamedColumns) headerNames_.emplace_back(field.substr(0, kLongestColumnName + 1));
    for (std::size_t c = 0; c < kKeptColumns; ++c) {
      if (field != KeptColumn(c)) continue;
      const bool used = c < kRequiredColumns || options_.trueUt;
      if (columns_[c] != kAbsent && duplicate_.empty() && used) duplicate_ = std::string(field);
      columns_[c] = fieldCount_;
    }
  }

  // Called by the C parser: nothing may be thrown through it.
  static void OnRowEnd(int, void* self) noexcept {
    auto& batch = *static_cast<Batch*>(self);
    if (batch.stopped_) return;
    batch.Guarded([&batch] {
      if (batch.haveHeader_) {
        batch.Row();
      } else {
        batch.Header();
      }
    });
    batch.fieldCount_ = 0;
    batch.nextRequired_ = 0;
  }

  void Header() {
    haveHeader_ = true;
    if (!duplicate_.empty()) {
      Fail("column " + duplicate_ + " appears more than once in the header");
      return;
    }
    std::string missing;
    for (std::size_t c = 0; c < kRequiredColumns; ++c) {
      if (columns_[c] == kAbsent) missing += (missing.empty() ? "" : ", ") + KeptColumn(c);
    }
    if (!missing.empty()) {
      // A wrong encoding hides every column; say so rather than list them all.
      Fail(headerProblem_.empty() ? "missing column(s) in the header: " + missing
                                  : headerProblem_ + "; kelvra-cli reads UTF-8");
      return;
    }
    for (std::size_t c = 0; c < kKeptColumns; ++c) {
      // The zone columns count only when times are converted.
      if (columns_[c] != kAbsent && (c < kRequiredColumns || options_.trueUt)) keptByPlace_.push_back({columns_[c], c});
    }
    std::sort(keptByPlace_.begin(), keptByPlace_.end());
    if (options_.format == OutputFormat::Csv) Emit(CsvHeaderLine(options_.trueUt));
  }

  static std::string KeptColumn(std::size_t c) {
    if (c >= kRequiredColumns) {
      const std::size_t z = c - kRequiredColumns;
      return ColumnName(z < kZoneColumns.size() ? Partner::Male : Partner::Female, kZoneColumns[z % kZoneColumns.size()]);
    }
    const Partner partner = c < kPersonColumns.size() ? Partner::Male : Partner::Female;
    return ColumnName(partner, kPersonColumns[c % kPersonColumns.size()]);
  }

  // The value of a kept column in the current row; empty where the column is
  // missing or the row ends before it.
  std::string_view KeptValue(std::size_t c) const {
    return columns_[c] < fieldCount_ ? std::string_view(values_[c]) : std::string_view();
  }

  PersonFields FieldsOf(Partner partner) const {
    const std::size_t offset = partner == Partner::Male ? 0 : kPersonColumns.size();
    PersonFields values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      // A row cut short lacks its last values; they count as empty.
      values[i] = columns_[offset + i] < fieldCount_ ? std::string_view(values_[offset + i]) : std::string_view();
    }
    return values;
  }

  void Row() {
    ++row_;
    Conversions conversions;
    PersonResult male = ReadPerson(Partner::Male, FieldsOf(Partner::Male));
    if (!male.birth) return Refuse(male.error);
    if (const auto refusal = Convert(Partner::Male, *male.birth, conversions)) return Refuse(*refusal);
    PersonResult female = ReadPerson(Partner::Female, FieldsOf(Partner::Female));
    if (!female.birth) return Refuse(female.error);
    if (const auto refusal = Convert(Partner::Female, *female.birth, conversions)) return Refuse(*refusal);

    if (!workers_) {
      const double startGain = memory_.lastHarmonyGain;
      const CoupleAnalysis analysis = AnalyzeCouple(*male.birth, *female.birth, ephemeris_, memory_);
      ShiftedContacts shifted;
      if (options_.explain) shifted = ChartBirthTimeShifts(*male.birth, *female.birth, analysis, ephemeris_);
      WriteAnalysis(row_, *male.birth, *female.birth, analysis, startGain, shifted, conversions);
      return;
    }
    PendingRow& pending = pending_.emplace_back();
    pending.row = row_;
    pending.conversions = std::move(conversions);
    pending.job.male = std::move(*male.birth);
    pending.job.female = std::move(*female.birth);
    pending.job.shiftBirthTimes = options_.explain;
    workers_->Submit(pending.job);
    Answer(false);
  }

  // With --true-ut: the person's clock time converted by their zone columns
  // or birthplace; the refusal when it cannot be.
  std::optional<std::string> Convert(Partner partner, BirthData& birth, Conversions& conversions) {
    if (!options_.trueUt) return std::nullopt;
    const std::size_t zone = kRequiredColumns + (partner == Partner::Male ? 0 : kZoneColumns.size());
    Conversion& conversion = conversions[partner == Partner::Male ? 0 : 1].emplace();
    return ConvertBirthTime(partner, birth, KeptValue(zone), KeptValue(zone + 1), options_.findPlaceZone, conversion);
  }

  // Writes the rows in flight that are finished, in row order, finishing each
  // analysis with the harmony memory as it stands after the rows before it.
  // Waits for the next row when too many are in flight, or for all of them
  // when `all`.
  void Answer(bool all) {
    while (!pending_.empty() && !stopped_) {
      PendingRow& next = pending_.front();
      if (!next.refusal.empty()) {
        WriteRefusal(next.row, next.refusal);
      } else {
        if (!workers_->Done(next.job)) {
          if (!all && pending_.size() < rowsInFlight_) return;
          workers_->Wait(next.job);
        }
        if (next.job.failure) std::rethrow_exception(next.job.failure);
        const double startGain = memory_.lastHarmonyGain;
        WriteAnalysis(next.row, next.job.male, next.job.female,
                      CompleteAnalysis(std::move(next.job.charts), memory_), startGain, next.job.shifted,
                      next.conversions);
      }
      pending_.pop_front();
    }
  }

  // `startGain` is the harmony memory the analysis started from; `shifted`
  // holds the birth-time shifts' contacts when the run explains its rows.
  void WriteAnalysis(std::uint64_t row, const BirthData& maleBirth, const BirthData& femaleBirth,
                     const CoupleAnalysis& analysis, double startGain, const ShiftedContacts& shifted,
                     const Conversions& conversions) {
    std::optional<Explanation> explanation;
    if (options_.explain || options_.writePicture) explanation = ExplainAnalysis(analysis, startGain);
    // The picture comes first, so a reader that sees the row's line finds its file.
    if (options_.writePicture) {
      if (const auto failure = options_.writePicture(row, maleBirth.Name, femaleBirth.Name, analysis, *explanation)) {
        Fail(*failure);
        return;
      }
    }
    const ChartTexts maleTexts = ChartTextsOf(analysis.male);
    const ChartTexts femaleTexts = ChartTextsOf(analysis.female);
    const ReportPerson male = ReportPersonOf(maleBirth);
    const ReportPerson female = ReportPersonOf(femaleBirth);
    if (options_.format == OutputFormat::Csv) {
      WriteCsvRow(MakeCompatibilityReport(male, female, maleTexts, femaleTexts, analysis.verdict.result),
                  conversions);
    } else {
      WriteJsonRow(row, analysis, male, female, maleTexts, femaleTexts, conversions);
      if (options_.explain) {
        WriteExplanation(*explanation);
        WriteBand(ScoreBirthTimeShifts(shifted, startGain, analysis.verdict.result));
      }
      json_.EndObject();
      EmitJson();
    }
  }

  void WriteOptionalDouble(std::string_view key, const std::optional<double>& value) {
    json_.Key(key);
    if (value) {
      json_.Double(*value);
    } else {
      json_.Null();
    }
  }

  void WriteExplanation(const Explanation& explanation) {
    auto& w = json_;
    w.Key("explanation");
    w.StartObject();
    w.KeyDouble("startGain", explanation.startGain);
    w.KeyDouble("endGain", explanation.endGain);
    w.KeyDouble("bias", explanation.bias);
    w.Key("biasSource");
    if (explanation.biasSource) {
      w.Uint(*explanation.biasSource);
    } else {
      w.Null();
    }
    w.KeyDouble("deltaSum", explanation.deltaSum);
    WriteOptionalDouble("biasShare", explanation.biasShare);
    w.Key("contacts");
    w.StartArray();
    for (const ContactExplanation& c : explanation.contacts) {
      w.StartObject();
      w.KeyDouble("strength", c.contact.strength);
      w.KeyDouble("harmonyDelta", c.harmonyDelta);
      WriteOptionalDouble("recorded", c.recorded);
      w.KeyDouble("separation", c.separation);
      if (c.contact.kind == ContactKind::Parallel) {
        w.KeyDouble("maleDeclination", c.maleDeclination);
        w.KeyDouble("femaleDeclination", c.femaleDeclination);
      }
      w.KeyInt("detectionOrb", c.detectionOrb);
      w.KeyInt("powerOrb", c.powerOrb);
      w.KeyInt("maleHouse", c.maleHouse);
      w.KeyString("maleHouseClass", HouseClassName(c.maleHouseClass));
      w.KeyInt("femaleHouse", c.femaleHouse);
      w.KeyString("femaleHouseClass", HouseClassName(c.femaleHouseClass));
      w.Key("effects");
      w.StartArray();
      for (const HarmonyEffect& effect : c.effects) {
        w.StartObject();
        w.KeyString("rule", effect.rule);
        w.KeyDouble("amount", effect.amount);
        WriteOptionalDouble("records", effect.records);
        w.EndObject();
      }
      w.EndArray();
      w.EndObject();
    }
    w.EndArray();
    w.EndObject();
  }

  void WriteRange(std::string_view key, const FigureRange& range) {
    json_.Key(key);
    json_.StartArray();
    json_.Int(range.low);
    json_.Int(range.high);
    json_.EndArray();
  }

  void WritePersonBand(std::string_view key, const PersonBand& band) {
    json_.Key(key);
    json_.StartObject();
    WriteRange("ph15", band.ph15);
    WriteRange("percentage15", band.percentage15);
    WriteRange("ph60", band.ph60);
    WriteRange("percentage60", band.percentage60);
    json_.Key("commentChanges15");
    json_.Bool(band.commentChanges15);
    json_.EndObject();
  }

  void WriteBand(const BirthTimeBand& band) {
    json_.Key("birthTimeBand");
    json_.StartObject();
    WritePersonBand("male", band.male);
    WritePersonBand("female", band.female);
    json_.KeyString("mostSensitive", SensitivityName(band.mostSensitive));
    json_.EndObject();
  }

  ReportPerson ReportPersonOf(const BirthData& birth) const {
    return {birth.Name, monthNames_[static_cast<std::size_t>(birth.Month)], birth.Day, birth.Year,
            birth.City, birth.State, birth.Country};
  }

  // Refuses the current row, in its turn among the rows in flight.
  void Refuse(const std::string& message) {
    if (status_ == kExitOk) status_ = kExitRowRefused;
    if (!workers_) return WriteRefusal(row_, message);
    pending_.push_back({row_, message, {}, {}});
    Answer(false);
  }

  void WriteRefusal(std::uint64_t row, const std::string& message) {
    if (options_.format == OutputFormat::Csv) {
      err_ << "row " << row << ": " << message << '\n';
      err_.flush();
      return;
    }
    json_.Clear();
    json_.StartObject();
    json_.Key("row");
    json_.Uint(row);
    json_.KeyString("error", message);
    json_.EndObject();
    EmitJson();
  }

  void WritePerson(const ReportPerson& person, const NatalChart& chart, const ChartTexts& texts,
                   const std::optional<Conversion>& conversion) {
    auto& w = json_;
    w.StartObject();
    w.KeyString("name", person.name);
    w.KeyString("dob", DateOfBirthText(person));
    w.KeyString("city", person.city);
    w.KeyString("state", person.state);
    w.KeyString("country", person.country);
    w.Key("chart");
    w.StartArray();
    for (std::size_t i = 0; i < kChartPointCount; ++i) {
      const ChartPoint point = kAllChartPoints[i];
      w.StartObject();
      w.KeyString("point", ChartPointName(point));
      w.Key("longitude");
      w.Double(chart.Longitude[point]);
      w.Key("declination");
      w.Double(chart.Declination[point]);
      w.Key("house");
      w.Int(static_cast<int>(chart.House[point]));
      w.KeyString("text", texts[i]);
      w.EndObject();
    }
    w.EndArray();
    if (conversion) {
      w.KeyString("ut", conversion->ut);
      w.KeyString("utcOffset", conversion->utcOffset);
    }
    w.EndObject();
  }

  // Leaves the row's object open for what follows it.
  void WriteJsonRow(std::uint64_t row, const CoupleAnalysis& analysis, const ReportPerson& male,
                    const ReportPerson& female, const ChartTexts& maleTexts, const ChartTexts& femaleTexts,
                    const Conversions& conversions) {
    auto& w = json_;
    w.Clear();
    w.StartObject();
    w.Key("row");
    w.Uint(row);
    w.Key("male");
    WritePerson(male, analysis.male, maleTexts, conversions[0]);
    w.Key("female");
    WritePerson(female, analysis.female, femaleTexts, conversions[1]);
    w.Key("contacts");
    w.StartArray();
    for (const Contact& c : analysis.contacts) {
      w.StartObject();
      w.KeyString("male", ChartPointName(c.malePoint));
      w.KeyString("female", ChartPointName(c.femalePoint));
      w.KeyString("kind", ContactKindName(c.kind));
      w.KeyString("pairAspect", AspectKindName(c.pairAspect));
      w.Key("strength");
      w.Double(c.strength);
      w.EndObject();
    }
    w.EndArray();
    w.Key("powerTotal");
    w.Double(analysis.totals.powerTotal);
    w.Key("harmonyTotal");
    w.Double(analysis.totals.harmonyTotal);
    const CompatibilityResult& result = analysis.verdict.result;
    w.Key("Power");
    w.Int(result.Power);
    w.Key("Harmony");
    w.Int(result.Harmony);
    w.Key("PH");
    w.Int(result.PH);
    w.Key("phPercentage");
    w.Int(result.phPercentage);
    w.KeyString("comment", result.strComment);
  }

  void WriteCsvRow(const CompatibilityReport& report, const Conversions& conversions) {
    line_.clear();
    bool first = true;
    for (const auto& [name, member] : kReportFields) {
      if (!first) line_ += ',';
      first = false;
      const std::string& field = report.*member;
      if (options_.csvSafe && !IsFigure(member) && LooksLikeFormula(field)) {
        AppendCsvField(line_, "'" + field, scratch_);
      } else {
        AppendCsvField(line_, field, scratch_);
      }
    }
    for (const std::optional<Conversion>& conversion : conversions) {
      if (conversion) line_.append(",").append(conversion->ut);
    }
    line_ += "\r\n";
    Emit(line_);
  }

  void EmitJson() {
    json_.EndLine();
    Emit(json_.text());
  }

  // Each row leaves as soon as it is done, so a reader of the output sees it
  // while later rows are still being computed.
  void Emit(std::string_view text) {
    errno = 0;
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) Fail("cannot write to " + options_.outputName + ": " + SystemReason(errno));
  }

  static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

  std::ostream& out_;
  std::ostream& err_;
  const BatchOptions options_;
  Ephemeris& ephemeris_;
  HarmonyMemory memory_;  // one for the whole run, as in one session of the program
  std::array<std::string, 13> monthNames_;

  csv_parser parser_{};
  bool parserLive_ = false;
  bool skippingRow_ = false;
  std::size_t bomMatched_ = 0;
  bool pastBom_ = false;
  bool haveHeader_ = false;
  bool stopped_ = false;
  int status_ = kExitOk;
  std::uint64_t row_ = 0;

  // The header: where each required column stands, a name per column for
  // messages, and what made it unreadable.
  std::array<std::size_t, kKeptColumns> columns_ = [] {
    std::array<std::size_t, kKeptColumns> absent{};
    absent.fill(kAbsent);
    return absent;
  }();
  std::vector<std::string> headerNames_;
  std::string duplicate_;
  std::string headerProblem_;

  // The current row: the required columns' values, reused from row to row.
  std::vector<std::pair<std::size_t, std::size_t>> keptByPlace_;  // (place, column), present columns only
  std::size_t nextRequired_ = 0;
  std::array<std::string, kKeptColumns> values_;
  std::size_t fieldCount_ = 0;

  JsonLine json_;
  std::string line_, scratch_;

  // Rows read but not yet written, in row order, and the workers computing
  // their charts; the workers go first, while every job still exists.
  struct PendingRow {
    std::uint64_t row = 0;
    std::string refusal;  ///< refused with this message when not empty
    Conversions conversions;
    ChartJob job;
  };
  std::deque<PendingRow> pending_;
  std::size_t rowsInFlight_ = 0;
  std::unique_ptr<ChartWorkers> workers_;
};

}  // namespace

unsigned AvailableProcessors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());
}

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

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options,
             Ephemeris& ephemeris) {
  return Batch(out, err, options, ephemeris).Run(in);
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris) {
  BatchOptions options;
  options.format = format;
  return RunBatch(in, out, err, options, ephemeris);
}

}  // namespace kelvra::cli
