// SPDX-License-Identifier: AGPL-3.0-or-later
// The people library's words: why it cannot be opened or written, and why an
// import leaves a record out. Column names and values are data, not words.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// %1 the folder, %2 the system's reason.
inline constexpr Template kLibraryCannotMakeFolder =
    KELVRA_TR("People library", "The folder %1 for the people library cannot be made: %2");
/// %1 the file, %2 the system's or the database's reason.
inline constexpr Template kLibraryCannotOpen =
    KELVRA_TR("People library", "The people library %1 cannot be opened: %2");
/// %1 the file.
inline constexpr Template kLibraryNotSqlite =
    KELVRA_TR("People library", "%1 is not a people library: it is not a SQLite database. It was left as it was.");
/// %1 the file.
inline constexpr Template kLibraryNotOurs =
    KELVRA_TR("People library", "%1 is a SQLite database, but not a Kelvra people library. It was left as it was.");
/// %1 the file, %2 what the database's check found.
inline constexpr Template kLibraryDamaged = KELVRA_TR(
    "People library",
    "The people library %1 is damaged (%2). It was left as it was, so that a copy of it can still be rescued; "
    "a backup restores it.");
/// %1 the file, %2 its schema version, %3 the newest this Kelvra knows.
inline constexpr Template kLibraryNewer = KELVRA_TR(
    "People library",
    "The people library %1 was written by a newer Kelvra (schema %2; this one knows up to %3). It is open for "
    "reading only.");
/// %1 the file.
inline constexpr Template kLibraryDiskFull = KELVRA_TR(
    "People library",
    "The disk is full: the people library %1 could not be written. Nothing of this change was saved; everything "
    "saved before is kept.");
/// %1 the file.
inline constexpr Template kLibraryBusy =
    KELVRA_TR("People library",
              "The people library %1 is busy: another program has kept it locked for more than 5 seconds. Nothing was "
              "changed.");
/// %1 the file, %2 the database's reason.
inline constexpr Template kLibraryReadOnly =
    KELVRA_TR("People library", "The people library %1 cannot be written (%2). Nothing was changed.");
/// %1 the file, %2 the database's reason.
inline constexpr Template kLibraryFailed =
    KELVRA_TR("People library", "The people library %1 could not be read or written: %2");
inline constexpr Template kLibraryConflict = KELVRA_TR(
    "People library",
    "Another program changed this person meanwhile. This change was not saved, so as not to overwrite that one.");
/// %1 the person's number in the library.
inline constexpr Template kLibraryNoSuchPerson =
    KELVRA_TR("People library", "The people library holds no person number %1; another program may have removed it.");
inline constexpr Template kLibraryImportStopped =
    KELVRA_TR("People library", "The import was stopped; nothing of it was saved.");
/// %1 a column name, %2 its value, %3 and %4 the range the entry form takes.
inline constexpr Template kLibraryOutOfRange =
    KELVRA_TR("People library", "The person cannot be saved: its %1 is %2, outside %3 to %4.");
/// %1 a column name, %2 its value, %3 the values it may take, as data.
inline constexpr Template kLibraryNotAChoice =
    KELVRA_TR("People library", "The person cannot be saved: its %1 is \"%2\", none of %3.");
/// Why an import left a record out.
inline constexpr Template kLibrarySkippedSaved =
    KELVRA_TR("People library", "skipped: the same birth is already in the library");
/// %1 the earlier record's number.
inline constexpr Template kLibrarySkippedEarlier =
    KELVRA_TR("People library", "skipped: the same birth as record %1 of this file");

}  // namespace kelvra::words
