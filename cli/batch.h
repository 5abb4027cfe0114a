// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "charts/birth_data.h"
#include "charts/ephemeris.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"

namespace kelvra::cli {

enum class OutputFormat { JsonLines, Csv };

enum class Partner { Male, Female };

/// The sixteen columns of one person, without the "male_" or "female_"
/// prefix, in the order their values are checked.
inline constexpr std::array<std::string_view, 16> kPersonColumns = {
    "name",    "day",     "month",   "year",     "hour",     "minute", "second", "lat_deg",
    "lat_min", "lat_dir", "long_deg", "long_min", "long_dir", "city",   "state",  "country",
};

/// "male_name", "female_long_dir", ...
std::string ColumnName(Partner partner, std::string_view column);

/// One person's values, in kPersonColumns order.
using PersonFields = std::array<std::string_view, kPersonColumns.size()>;

/// A person read from their columns: the birth record, or the first problem
/// as "column: message".
struct PersonResult {
  std::optional<BirthData> birth;
  std::string error;
};

/// Checks one person's values in column order and builds the birth record.
/// Numbers are digits only; Day and Year are kept as their decimal text
/// without leading zeros, as the entry form's lists give them. Texts are kept
/// verbatim, and must be valid UTF-8.
PersonResult ReadPerson(Partner partner, const PersonFields& fields);

/// Exit codes of a batch run.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRowRefused = 1;
inline constexpr int kExitFailure = 2;

/// What the atlas says of a birthplace: its time zone, or why there is none.
struct PlaceZone {
  enum class Found { One, None, Several };
  Found found = Found::None;
  std::string zone;  ///< with One: the place's tz database zone
  std::vector<std::string> candidates;  ///< with Several: "City, State, Country" of each, largest first
};

/// Looks a birthplace up by city, state (may be empty) and country.
using PlaceZoneFinder = std::function<PlaceZone(std::string_view city, std::string_view state,
                                                std::string_view country)>;

/// Writes a picture of one analysed row: its number (as output names it),
/// the partners' names, the analysis and its explanation. Returns why it
/// could not, which stops the run, or nothing.
using RowPictureWriter = std::function<std::optional<std::string>(
    std::uint64_t row, const std::string& maleName, const std::string& femaleName, const CoupleAnalysis& analysis,
    const Explanation& explanation)>;

/// How a batch run reads and writes.
struct BatchOptions {
  OutputFormat format = OutputFormat::JsonLines;
  /// CSV only: text cells that a spreadsheet would take as a formula (starting
  /// with =, +, -, @, a tab or a carriage return) get a leading apostrophe.
  bool csvSafe = false;
  /// JSON Lines only: each analysed row also explains its score and shows
  /// how moving each birth time changes the figures.
  bool explain = false;
  /// Converts each clock time to Universal Time before the chart: by the
  /// P_tz column, else P_utc_offset, else the zone of the atlas place found
  /// by city, state and country (through findPlaceZone).
  bool trueUt = false;
  PlaceZoneFinder findPlaceZone;
  std::string inputName = "standard input";    ///< as messages name the input
  std::string outputName = "standard output";  ///< as messages name the output
  /// Threads that compute the couples' charts and contacts ahead; 1 does all
  /// on the calling thread. Totals, verdicts and output stay in row order on
  /// the calling thread, so the output is the same whatever the count.
  unsigned jobs = 1;
  /// Makes, on a worker's own thread, the ready ephemeris that worker uses;
  /// needed for jobs above 1.
  std::function<std::unique_ptr<Ephemeris>()> workerEphemeris;
  /// Whether a read may wait for more input (a pipe, a terminal): then the
  /// rows read so far are answered before reading on.
  bool inputMayWait = true;
  /// When set, called for every analysed row, in row order on the calling
  /// thread, just before the row's output; a refused row has no picture.
  RowPictureWriter writePicture;
};

/// The processors this process may run on, as the scheduler allows it: the
/// default number of jobs.
unsigned AvailableProcessors();

/// Rows a run keeps in flight per worker thread: the memory of a parallel
/// run is bounded by this, whatever the input's size.
inline constexpr std::size_t kRowsInFlightPerJob = 64;

/// Reads couples as CSV from `in` and writes one result per data row to
/// `out` as soon as it is done, all rows sharing one harmony memory as the
/// analyses of one program run do. Refused rows are reported (in `out` as
/// JSON, on `err` for CSV output) and the run goes on; so is a malformed
/// record, which is skipped to its line end. Problems that stop the run (a
/// malformed header, a quote never closed, a missing column, a read or write
/// failure, a picture that cannot be written) are told on `err` as
/// "kelvra-cli: ...". Returns kExitOk, kExitRowRefused or kExitFailure, the
/// worst that happened.
///
/// Of each row only the 32 required columns' values are kept; header names
/// are kept for messages for the first 1024 columns, 65 bytes each.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options,
             Ephemeris& ephemeris);

/// RunBatch with the default options but the format.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris);

}  // namespace kelvra::cli
