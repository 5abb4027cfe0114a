// SPDX-License-Identifier: AGPL-3.0-or-later
// What kelvra-cli tells about the people library's options and files.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// What --help shows after the couples run's options.
inline constexpr Template kCliPeopleHelp = KELVRA_TR(
    "kelvra-cli people help",
    "\n"
    "       kelvra-cli --people LIB (--import FILE | --export FILE | --list)\n"
    "\n"
    "Works on the people library LIB, a SQLite file made (readable by you alone)\n"
    "if missing. Exactly one of:\n"
    "  --import FILE    add the people of FILE, an AAF (.aaf) or people CSV (.csv)\n"
    "                   file (the extension in any case), in one transaction: a\n"
    "                   bad record is refused alone, a record of the same name and\n"
    "                   birth as a saved person or an earlier record is skipped.\n"
    "                   Each person's origin is \"FILE:LINE\", FILE as given.\n"
    "  --export FILE    write the whole library to FILE as AAF or people CSV, by\n"
    "                   its extension, through a temporary file and a rename\n"
    "  --list           write the library as people CSV to standard output,\n"
    "                   ordered by the name's UTF-8 bytes, then the birth's year,\n"
    "                   month, day, hour, minute, second, then the order of saving\n"
    "People CSV columns: name, sex (male, female or empty), day, month, year,\n"
    "hour, minute, second, lat_deg, lat_min, lat_dir, long_deg, long_min,\n"
    "long_dir, city, state, country, tz, utc_offset (+HH:MM, -HH:MM or LMT),\n"
    "notes; CRLF, UTF-8. Standard error gets one line per refused or skipped\n"
    "record, \"FILE:LINE: record N: reason\", and nothing else; an import's\n"
    "remarks and an export's substitutions go to standard output with a count.\n"
    "Exit status: 0 when nothing was refused (skipped records do not count), 1\n"
    "when a record was refused, 2 when the run could not happen (a missing,\n"
    "damaged or newer library, an unreadable file, another extension, or options\n"
    "that do not go together); with 2 no person was saved and no file written.\n");

inline constexpr Template kCliPeopleNeedsLibrary =
    KELVRA_TR("kelvra-cli people", "--import, --export and --list need --people LIB");
inline constexpr Template kCliPeopleLibraryMissing = KELVRA_TR("kelvra-cli people", "--people needs a library file");
inline constexpr Template kCliPeopleFileMissing = KELVRA_TR("kelvra-cli people", "%1 needs a file");
inline constexpr Template kCliPeopleOneAction =
    KELVRA_TR("kelvra-cli people", "--people takes exactly one of --import FILE, --export FILE and --list");
/// %1 the option of the couples run given with --people.
inline constexpr Template kCliPeopleNotWithCouples = KELVRA_TR("kelvra-cli people", "%1 does not go with --people");
/// %1 the file.
inline constexpr Template kCliPeopleExtension =
    KELVRA_TR("kelvra-cli people", "%1: the file must end in .aaf or .csv");
/// %1 the file, %2 the record's first line, %3 its number, %4 why it was refused or skipped.
inline constexpr Template kCliPeopleRecord = KELVRA_TR("kelvra-cli people", "%1:%2: record %3: %4");
/// On standard output after an import: %1 how many were added, %2 skipped, %3 refused.
inline constexpr Template kCliPeopleImported =
    KELVRA_TR("kelvra-cli people", "%1 added, %2 skipped as already saved, %3 refused");
/// On standard output after an export: %n how many people, %1 the file.
inline constexpr PluralTemplate kCliPeopleExported =
    KELVRA_TR_N("kelvra-cli people", "%n person written to %1", "%n people written to %1");

}  // namespace kelvra::words
