// SPDX-License-Identifier: AGPL-3.0-or-later
// What kelvra-cli tells in prose: its help, its complaints about the command
// line, the input and the output. Column names, JSON keys and enumerator
// names are data, not words, and stay with the writers.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// What --help shows.
inline constexpr Template kCliHelp = KELVRA_TR(
    "kelvra-cli help",
    "Usage: kelvra-cli [--format jsonl|csv] [--csv-safe] [--explain] [--true-ut] [--jobs N] [--wheel DIR] [FILE]\n"
    "\n"
    "Rates the compatibility of each couple in FILE (or standard input when FILE\n"
    "is missing or \"-\") exactly as Kelvra does, one couple per CSV row.\n"
    "\n"
    "Input: CSV (RFC 4180), UTF-8, with a header row; a byte order mark and CRLF\n"
    "or LF line ends are accepted. Columns may come in any order and extra\n"
    "columns are ignored. For P in \"male\" and \"female\" every one of these is\n"
    "required:\n"
    "  P_name                 not empty, kept as written\n"
    "  P_day                  1 to 31\n"
    "  P_month                1 to 12 (a number)\n"
    "  P_year                 1900 to 2050\n"
    "  P_hour                 0 to 24 (24 is the next day's 0 hours)\n"
    "  P_minute, P_second     0 to 59\n"
    "  P_lat_deg, P_lat_min   1 to 3 digits\n"
    "  P_lat_dir              N, S, North or South (any case)\n"
    "  P_long_deg, P_long_min 1 to 3 digits\n"
    "  P_long_dir             E, W, East or West (any case)\n"
    "  P_city, P_state, P_country   not empty, kept as written\n"
    "Numbers are digits only: no sign, blanks or fraction. Times are local clock\n"
    "time as entered; no time zone is applied.\n"
    "\n"
    "Output (standard output, one line per data row, in input order, each written\n"
    "as soon as it is done):\n"
    "  --format jsonl   (default) JSON Lines: {\"row\": N, \"male\": {...},\n"
    "                   \"female\": {...}, \"contacts\": [...], \"powerTotal\",\n"
    "                   \"harmonyTotal\", \"Power\", \"Harmony\", \"PH\", \"phPercentage\",\n"
    "                   \"comment\"}; a refused row gives {\"row\": N, \"error\": \"...\"}.\n"
    "  --format csv     the report's 47 fields, CRLF line ends, after a header\n"
    "                   row naming them (commas only, no blanks) in this order:\n"
    "                     male_name, male_dob, male_city, male_state, male_country,\n"
    "                     the same five with female_,\n"
    "                     male_ and each chart point: sun, mercury, venus, mars,\n"
    "                       jupiter, saturn, uranus, neptune, pluto, moon,\n"
    "                       north_node, south_node, part_of_fortune, ascendant,\n"
    "                       midheaven, chiron,\n"
    "                     the same sixteen with female_,\n"
    "                     power, harmony, ph, percentage, comment\n"
    "                   (e.g. male_part_of_fortune; P_dob reads \"March 1, 2050\").\n"
    "                   A refused row is told on standard error as\n"
    "                   \"row N: message\".\n"
    "kelvra-cli writes the months of \"dob\" and P_dob in English, whatever the\n"
    "locale.\n"
    "Rows are numbered from 1, the header not counted. All rows of one run share\n"
    "the harmony memory, as successive analyses in one run of Kelvra do.\n"
    "A row that is not well-formed CSV (a quote inside an unquoted field, text\n"
    "after a closing quote) is refused like any bad row, naming its column, and\n"
    "the reading goes on after its line end. A quote that is never closed takes\n"
    "the rest of the input into one field: that stops the run, naming the row and\n"
    "column where it opened.\n"
    "\n"
    "Exit status:\n"
    "  0  every row was analysed\n"
    "  1  at least one row was refused (the others were still analysed)\n"
    "  2  bad usage, unreadable input or output, a malformed header, a quote\n"
    "     never closed, or a missing column (rows already written stay written)\n"
    "\n"
    "Options:\n"
    "  --format FORMAT  jsonl or csv\n"
    "  --csv-safe       with --format csv: a text cell that starts with =, +, -,\n"
    "                   @, a tab or a carriage return gets a leading apostrophe,\n"
    "                   so a spreadsheet shows it as text instead of running it\n"
    "                   as a formula; the figures are never changed. Without it\n"
    "                   every cell is written exactly as computed.\n"
    "  --explain        with --format jsonl: each analysed row also gets\n"
    "                   \"explanation\" (per contact, in the order of \"contacts\":\n"
    "                   separation, orbs, houses, strength, harmony delta and the\n"
    "                   rules that made it, each with the amount it added and\n"
    "                   recorded; the harmony memory before and after, the bias\n"
    "                   100 x endGain and \"biasSource\", the index of the contact\n"
    "                   that recorded it, or null when it was carried from an\n"
    "                   earlier row) and \"birthTimeBand\" (for each person, the\n"
    "                   range of PH and phPercentage with that birth time moved\n"
    "                   by -15..+15 and -60..+60 minutes, whether the comment\n"
    "                   changes within 15 minutes, and \"mostSensitive\"). E.g.\n"
    "                   \"birthTimeBand\": {\"male\": {\"ph15\": [5, 9],\n"
    "                   \"percentage15\": [370, 670], \"ph60\": [3, 12],\n"
    "                   \"percentage60\": [280, 1120], \"commentChanges15\": false},\n"
    "                   \"female\": {...}, \"mostSensitive\": \"male\"}.\n"
    "                   Nothing else in the line changes.\n"
    "  --true-ut        convert each clock time to Universal Time before its\n"
    "                   chart, with the optional column P_tz (a tz database zone\n"
    "                   such as Europe/Oslo), else P_utc_offset (exactly +HH:MM or\n"
    "                   -HH:MM), else the zone of the offline atlas's place of\n"
    "                   that city, state and country (city in any case, with or\n"
    "                   without accents; country by name or ISO code). Before a\n"
    "                   zone kept standard time, the mean time of the birth\n"
    "                   longitude is used. A time that does not exist or happens\n"
    "                   twice on that day, an unknown zone or place, or several\n"
    "                   places of that name refuse the row, naming the column.\n"
    "                   Each person's JSON object gains \"ut\"\n"
    "                   (\"1950-07-01T16:00:00\") and \"utcOffset\" (\"-04:00\"); CSV\n"
    "                   output gains male_ut and female_ut after comment. Without\n"
    "                   --true-ut, P_tz and P_utc_offset are ignored.\n"
    "  --jobs N         compute the charts of N couples at a time, on N threads\n"
    "                   (default: the number of processors this process may\n"
    "                   use); totals, verdicts and output keep the input's order,\n"
    "                   so the output is the same for every N. --jobs 1 keeps\n"
    "                   to one thread.\n"
    "  --wheel DIR      also write each analysed row's bi-wheel (his chart inside,\n"
    "                   hers outside, the scored contacts and both persons'\n"
    "                   declinations) as the SVG file DIR/row-N.svg, N as in\n"
    "                   \"row\", its text drawn as outlines. DIR is made if missing\n"
    "                   and a file of that name is replaced; a refused row gets\n"
    "                   no file. Each file is written before its row's output; one\n"
    "                   that cannot be written stops the run.\n"
    "  --help           show this text\n"
    "  --version        show the version\n");

/// Every complaint on standard error: the program's name, then the message.
inline constexpr Template kCliComplaint = KELVRA_TR("kelvra-cli", "kelvra-cli: %1");
/// After a complaint about the command line.
inline constexpr Template kCliTryHelp = KELVRA_TR("kelvra-cli", "Try 'kelvra-cli --help'.");
/// A refused row, with --format csv: "row 7: male_day: ...".
inline constexpr Template kCliRowRefused = KELVRA_TR("kelvra-cli", "row %1: %2");

// The command line.
inline constexpr Template kCliOneInputFile = KELVRA_TR("kelvra-cli options", "only one input file may be given");
inline constexpr Template kCliJobsMissing = KELVRA_TR("kelvra-cli options", "--jobs needs a number from 1 to 256");
inline constexpr Template kCliJobsBad =
    KELVRA_TR("kelvra-cli options", "--jobs needs a number from 1 to 256, not '%1'");
inline constexpr Template kCliWheelMissing = KELVRA_TR("kelvra-cli options", "--wheel needs a directory");
inline constexpr Template kCliFormatMissing = KELVRA_TR("kelvra-cli options", "--format needs a value: jsonl or csv");
inline constexpr Template kCliFormatUnknown =
    KELVRA_TR("kelvra-cli options", "unknown format '%1': use jsonl or csv");
inline constexpr Template kCliOptionUnknown = KELVRA_TR("kelvra-cli options", "unknown option '%1'");
inline constexpr Template kCliExplainNeedsJsonl = KELVRA_TR("kelvra-cli options", "--explain needs --format jsonl");

// Files and streams; %2 is the system's reason.
inline constexpr Template kCliIsDirectory = KELVRA_TR("kelvra-cli files", "%1: is a directory");
inline constexpr Template kCliCannotOpen = KELVRA_TR("kelvra-cli files", "cannot open %1: %2");
inline constexpr Template kCliCannotRead = KELVRA_TR("kelvra-cli files", "cannot read %1: %2");
inline constexpr Template kCliCannotWriteTo = KELVRA_TR("kelvra-cli files", "cannot write to %1: %2");
inline constexpr Template kCliNoSystemReason = KELVRA_TR("kelvra-cli files", "the system gave no reason");
inline constexpr Template kCliInternalError = KELVRA_TR("kelvra-cli", "internal error");
inline constexpr Template kCliInternalErrorBecause = KELVRA_TR("kelvra-cli", "internal error: %1");

// The CSV input. A column is named by its header name, or by kCliColumnAt.
inline constexpr Template kCliColumnAt = KELVRA_TR("kelvra-cli input", "column %1");
inline constexpr Template kCliReaderNotStarted = KELVRA_TR("kelvra-cli input", "cannot start the CSV reader");
inline constexpr Template kCliCsvUnreadable = KELVRA_TR("kelvra-cli input", "cannot read the CSV: %1");
inline constexpr Template kCliQuoteInsideField = KELVRA_TR("kelvra-cli input", "a quote inside an unquoted field");
inline constexpr Template kCliTextAfterQuote = KELVRA_TR("kelvra-cli input", "text after a closing quote");
/// %1 the column, %2 what is wrong (kCliQuoteInsideField, kCliTextAfterQuote).
inline constexpr Template kCliHeaderMalformed = KELVRA_TR("kelvra-cli input", "the header row: %1: malformed CSV, %2");
inline constexpr Template kCliRowMalformed =
    KELVRA_TR("kelvra-cli input", "%1: malformed CSV, %2; the row is skipped to its line end");
inline constexpr Template kCliHeaderQuoteNeverClosed =
    KELVRA_TR("kelvra-cli input",
              "the header row: a quote opened in %1 is never closed, so the rest of the input lies inside it");
inline constexpr Template kCliRowQuoteNeverClosed =
    KELVRA_TR("kelvra-cli input",
              "data row %1: a quote opened in %2 is never closed, so the rest of the input lies inside it");
inline constexpr Template kCliNoHeader = KELVRA_TR("kelvra-cli input", "the input has no header row");
inline constexpr Template kCliDuplicateColumn =
    KELVRA_TR("kelvra-cli input", "column %1 appears more than once in the header");
/// %1 the missing columns, joined by kCliColumnSeparator.
inline constexpr Template kCliMissingColumns = KELVRA_TR("kelvra-cli input", "missing column(s) in the header: %1");
inline constexpr Template kCliColumnSeparator = KELVRA_TR("kelvra-cli input", ", ");
inline constexpr Template kCliTwoByteOrderMarks =
    KELVRA_TR("kelvra-cli input", "the input begins with two byte order marks; kelvra-cli reads UTF-8");
inline constexpr Template kCliLooksLikeUtf16 =
    KELVRA_TR("kelvra-cli input", "the input looks like UTF-16; kelvra-cli reads UTF-8");

// The wheel pictures of --wheel.
inline constexpr Template kCliCannotWritePicture = KELVRA_TR("kelvra-cli wheels", "cannot write %1: %2");
inline constexpr Template kCliPictureEmpty =
    KELVRA_TR("kelvra-cli wheels", "cannot write %1: the drawing came out empty");
/// %1 what went wrong: one or more of the three below, joined by "; ".
inline constexpr Template kCliCannotDrawWheels = KELVRA_TR("kelvra-cli wheels", "cannot draw wheels: %1");
inline constexpr Template kCliNotPictureModule =
    KELVRA_TR("kelvra-cli wheels", "%1 is not kelvra-cli's picture module");
inline constexpr Template kCliPictureModuleNotFound = KELVRA_TR("kelvra-cli wheels", "the module %1 was not found");
inline constexpr Template kCliProblemSeparator = KELVRA_TR("kelvra-cli wheels", "; ");

}  // namespace kelvra::words
