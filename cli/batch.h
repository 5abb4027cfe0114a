// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "charts/ephemeris.h"
#include "cli/birth_moment.h"
#include "cli/row_picture.h"

namespace kelvra::cli {

enum class OutputFormat { JsonLines, Csv };

/// Exit codes of a batch run.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRowRefused = 1;
inline constexpr int kExitFailure = 2;

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
/// analyses of one run of the program do. Refused rows are reported (in
/// `out` as JSON, on `err` for CSV output) and the run goes on; so is a
/// malformed record, which is skipped to its line end. Problems that stop
/// the run (a malformed header, a quote never closed, a missing column, a
/// read or write failure, a picture that cannot be written) are told on
/// `err` as "kelvra-cli: ...". Returns kExitOk, kExitRowRefused or
/// kExitFailure, the worst that happened.
///
/// Of each row only the 32 required columns' values are kept; header names
/// are kept for messages for the first 1024 columns, 65 bytes each.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options,
             Ephemeris& ephemeris);

/// RunBatch with the default options but the format.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris);

}  // namespace kelvra::cli
