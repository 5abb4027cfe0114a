// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "people/person.h"
#include "people/records.h"

namespace kelvra::people {

/// The people CSV's columns in the order it writes them: the sixteen of the
/// birth record, which a file must have, and sex, tz, utc_offset and notes,
/// which it may. A person's source and origin are not among them.
inline constexpr std::array<std::string_view, 20> kPeopleCsvColumns = {
    "name",     "sex",      "day",      "month", "year",  "hour",    "minute", "second", "lat_deg",    "lat_min",
    "lat_dir",  "long_deg", "long_min", "long_dir", "city", "state", "country", "tz",     "utc_offset", "notes",
};

/// Reads a people CSV (RFC 4180, UTF-8, a byte order mark tolerated, CR LF
/// or LF): a header row, then a person a row. Columns may stand in any order
/// and others are ignored. Values are taken as kelvra-cli's couples reader
/// takes them (digits only, the entry form's ranges, directions as N, S,
/// North or South and E, W, East or West in any case), and texts verbatim;
/// the name must not be empty, sex is exactly male, female or empty, and
/// utc_offset +HH:MM, -HH:MM, LMT or empty. A bad row is refused alone, with
/// its first problem. A file without a required column, or one that cannot
/// be read on (a quote never closed), gives fileProblem and no records.
ReadResult ReadPeopleCsv(std::string_view bytes);

/// Writes `people` as a people CSV: the header row of kPeopleCsvColumns,
/// CR LF, UTF-8 without a byte order mark, a field quoted only where RFC
/// 4180 needs it or it has blanks at an end. ReadPeopleCsv gives the same
/// persons back, source and origin excepted.
std::string WritePeopleCsv(const std::vector<Person>& people);

}  // namespace kelvra::people
