// SPDX-License-Identifier: AGPL-3.0-or-later
// AAF, the birth data exchange format most astrology programs read and
// write: a reader that takes the variants real files contain, and a writer
// whose files those programs read back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "people/person.h"
#include "people/records.h"

namespace kelvra::people {

/// Reads a whole AAF file. The bytes are taken as UTF-8 when all of them are
/// strict UTF-8, else as Windows-1252; a byte order mark, CRLF or LF. Every
/// #A93: starts a record; a record that cannot be a person of the form is
/// refused alone, with its first line, its number and the reason, and the
/// records around it are still read. `zones.isValidZone` decides whether a
/// #ZNAM is a zone; `zones.offsetAt` checks a #B93 Julian day against the
/// date, time and zone. The persons' origin stays empty: the caller knows
/// the file.
ReadResult ReadAaf(std::string_view bytes, const ZoneRules& zones);

/// Writes `people` as an AAF file: UTF-8 without BOM, CRLF, "#: Kelvra
/// <version>" first and "#: AAF end" last. The #B93 Julian day is in UT
/// where the zone (through `zones.offsetAt`) or the offset is known. What
/// had to change for a person to fit (a comma in a text, a line break in a
/// one-line text, bytes that are not UTF-8) is listed in `report`, one entry
/// per field and record. Origin is not written.
std::string WriteAaf(const std::vector<Person>& people, const ZoneRules& zones, std::string_view version,
                     WriteReport& report);

/// The Julian day of a Gregorian calendar date and time (UT): 2000-01-01
/// 12:00 is 2451545.0. Valid for every year the format can hold.
double JulianDay(int year, int month, int day, int hour, int minute, double second);

}  // namespace kelvra::people
