// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/options.h"

#include <charconv>

namespace kelvra::cli {

namespace {

// Whether `arg` is the option `name`, as "--name value" or "--name=value";
// `value` is then its value, or empty with no data when the value is missing.
bool TakesValue(std::string_view arg, std::string_view name, int& i, int argc, const char* const* argv,
                std::string_view& value) {
  if (arg == name) {
    value = ++i < argc ? std::string_view(argv[i]) : std::string_view();
    return true;
  }
  if (!arg.starts_with(name) || arg.substr(name.size(), 1) != "=") return false;
  value = arg.substr(name.size() + 1);
  return true;
}

CommandLine Usage(std::string problem) {
  CommandLine line;
  line.action = CommandLine::Action::Usage;
  line.problem = std::move(problem);
  return line;
}

CommandLine Just(CommandLine::Action action) {
  CommandLine line;
  line.action = action;
  return line;
}

}  // namespace

const std::string_view kHelpText = R"(Usage: kelvra-cli [--format jsonl|csv] [--csv-safe] [--explain] [--true-ut] [--jobs N] [--wheel DIR] [FILE]

Rates the compatibility of each couple in FILE (or standard input when FILE
is missing or "-") exactly as Kelvra does, one couple per CSV row.

Input: CSV (RFC 4180), UTF-8, with a header row; a byte order mark and CRLF
or LF line ends are accepted. Columns may come in any order and extra
columns are ignored. For P in "male" and "female" every one of these is
required:
  P_name                 not empty, kept as written
  P_day                  1 to 31
  P_month                1 to 12 (a number)
  P_year                 1900 to 2050
  P_hour                 0 to 24 (24 is the next day's 0 hours)
  P_minute, P_second     0 to 59
  P_lat_deg, P_lat_min   1 to 3 digits
  P_lat_dir              N, S, North or South (any case)
  P_long_deg, P_long_min 1 to 3 digits
  P_long_dir             E, W, East or West (any case)
  P_city, P_state, P_country   not empty, kept as written
Numbers are digits only: no sign, blanks or fraction. Times are local clock
time as entered; no time zone is applied.

Output (standard output, one line per data row, in input order, each written
as soon as it is done):
  --format jsonl   (default) JSON Lines: {"row": N, "male": {...},
                   "female": {...}, "contacts": [...], "powerTotal",
                   "harmonyTotal", "Power", "Harmony", "PH", "phPercentage",
                   "comment"}; a refused row gives {"row": N, "error": "..."}.
  --format csv     the report's 47 fields, CRLF line ends, after a header
                   row naming them (commas only, no blanks) in this order:
                     male_name, male_dob, male_city, male_state, male_country,
                     the same five with female_,
                     male_ and each chart point: sun, mercury, venus, mars,
                       jupiter, saturn, uranus, neptune, pluto, moon,
                       north_node, south_node, part_of_fortune, ascendant,
                       midheaven, chiron,
                     the same sixteen with female_,
                     power, harmony, ph, percentage, comment
                   (e.g. male_part_of_fortune; P_dob reads "March 1, 2050").
                   A refused row is told on standard error as
                   "row N: message".
Rows are numbered from 1, the header not counted. All rows of one run share
the harmony memory, as successive analyses in one run of Kelvra do.
A row that is not well-formed CSV (a quote inside an unquoted field, text
after a closing quote) is refused like any bad row, naming its column, and
the reading goes on after its line end. A quote that is never closed takes
the rest of the input into one field: that stops the run, naming the row and
column where it opened.

Exit status:
  0  every row was analysed
  1  at least one row was refused (the others were still analysed)
  2  bad usage, unreadable input or output, a malformed header, a quote
     never closed, or a missing column (rows already written stay written)

Options:
  --format FORMAT  jsonl or csv
  --csv-safe       with --format csv: a text cell that starts with =, +, -,
                   @, a tab or a carriage return gets a leading apostrophe,
                   so a spreadsheet shows it as text instead of running it
                   as a formula; the figures are never changed. Without it
                   every cell is written exactly as computed.
  --explain        with --format jsonl: each analysed row also gets
                   "explanation" (per contact, in the order of "contacts":
                   separation, orbs, houses, strength, harmony delta and the
                   rules that made it, each with the amount it added and
                   recorded; the harmony memory before and after, the bias
                   100 x endGain and "biasSource", the index of the contact
                   that recorded it, or null when it was carried from an
                   earlier row) and "birthTimeBand" (for each person, the
                   range of PH and phPercentage with that birth time moved
                   by -15..+15 and -60..+60 minutes, whether the comment
                   changes within 15 minutes, and "mostSensitive"). E.g.
                   "birthTimeBand": {"male": {"ph15": [5, 9],
                   "percentage15": [370, 670], "ph60": [3, 12],
                   "percentage60": [280, 1120], "commentChanges15": false},
                   "female": {...}, "mostSensitive": "male"}.
                   Nothing else in the line changes.
  --true-ut        convert each clock time to Universal Time before its
                   chart, with the optional column P_tz (a tz database zone
                   such as Europe/Oslo), else P_utc_offset (exactly +HH:MM or
                   -HH:MM), else the zone of the offline atlas's place of
                   that city, state and country (city in any case, with or
                   without accents; country by name or ISO code). Before a
                   zone kept standard time, the mean time of the birth
                   longitude is used. A time that does not exist or happens
                   twice on that day, an unknown zone or place, or several
                   places of that name refuse the row, naming the column.
                   Each person's JSON object gains "ut"
                   ("1950-07-01T16:00:00") and "utcOffset" ("-04:00"); CSV
                   output gains male_ut and female_ut after comment. Without
                   --true-ut, P_tz and P_utc_offset are ignored.
  --jobs N         compute the charts of N couples at a time, on N threads
                   (default: the number of processors this process may
                   use); totals, verdicts and output keep the input's order,
                   so the output is the same for every N. --jobs 1 keeps
                   to one thread.
  --wheel DIR      also write each analysed row's bi-wheel (his chart inside,
                   hers outside, the scored contacts and both persons'
                   declinations) as the SVG file DIR/row-N.svg, N as in
                   "row", its text drawn as outlines. DIR is made if missing
                   and a file of that name is replaced; a refused row gets
                   no file. Each file is written before its row's output; one
                   that cannot be written stops the run.
  --help           show this text
  --version        show the version
)";

CommandLine ParseCommandLine(int argc, const char* const* argv, unsigned defaultJobs) {
  CommandLine line;
  BatchOptions& options = line.batch;
  options.jobs = defaultJobs;
  bool optionsDone = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string_view value;
    if (optionsDone || arg == "-" || !arg.starts_with("-")) {
      if (line.file) return Usage("only one input file may be given");
      line.file = argv[i];
      continue;
    }
    if (arg == "--") {
      optionsDone = true;
    } else if (arg == "--help") {
      return Just(CommandLine::Action::Help);
    } else if (arg == "--version") {
      return Just(CommandLine::Action::Version);
    } else if (arg == "--csv-safe") {
      options.csvSafe = true;
    } else if (arg == "--explain") {
      options.explain = true;
    } else if (arg == "--true-ut") {
      options.trueUt = true;
    } else if (TakesValue(arg, "--jobs", i, argc, argv, value)) {
      if (value.data() == nullptr) return Usage("--jobs needs a number from 1 to 256");
      unsigned jobs = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
      if (ec != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > 256)
        return Usage("--jobs needs a number from 1 to 256, not '" + std::string(value) + "'");
      options.jobs = jobs;
    } else if (TakesValue(arg, "--wheel", i, argc, argv, value)) {
      if (value.empty()) return Usage("--wheel needs a directory");
      line.wheelDirectory = value;
    } else if (TakesValue(arg, "--format", i, argc, argv, value)) {
      if (value.data() == nullptr) return Usage("--format needs a value: jsonl or csv");
      if (value == "jsonl") {
        options.format = OutputFormat::JsonLines;
      } else if (value == "csv") {
        options.format = OutputFormat::Csv;
      } else {
        return Usage("unknown format '" + std::string(value) + "': use jsonl or csv");
      }
    } else {
      return Usage("unknown option '" + std::string(arg) + "'");
    }
  }
  if (options.explain && options.format != OutputFormat::JsonLines) return Usage("--explain needs --format jsonl");
  return line;
}

}  // namespace kelvra::cli
