// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "cli/birth_moment.h"
#include "reportdata/report_fields.h"

namespace kelvra::cli {

/// The header line of CSV output: the report's 47 fields named as the input
/// names its columns ("male_country", "female_part_of_fortune", "power"),
/// in the report's order, then "male_ut,female_ut" when times are
/// converted; commas only, CRLF.
std::string CsvHeaderLine(bool withBirthMoments);

/// Appends one analysed row: the report's fields in header order, each
/// converted person's UT moment, CRLF. With `csvSafe`, a text cell that a
/// spreadsheet would run as a formula (starting with =, +, -, @, a tab or a
/// carriage return) gets a leading apostrophe; figures are never changed.
void AppendCsvRow(std::string& line, const CompatibilityReport& report, const Conversions& conversions, bool csvSafe,
                  std::string& scratch);

}  // namespace kelvra::cli
