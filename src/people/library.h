// SPDX-License-Identifier: AGPL-3.0-or-later
// The library of saved people: one SQLite file that several programs may
// have open at once. Nothing here throws; every failure comes back as a
// problem in words that names the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "people/person.h"
#include "people/records.h"

namespace kelvra::people {

/// Why something could not be done, for the caller to decide and the user
/// to read.
struct Problem {
  enum class Kind {
    CannotOpen,   ///< the file or its folder cannot be made or opened
    NotSqlite,    ///< the file is not a SQLite database
    NotALibrary,  ///< a SQLite database, but not one Kelvra made
    Damaged,      ///< fails its check or reads as corrupt; never written to
    Newer,        ///< written by a newer Kelvra; open for reading only
    DiskFull,     ///< a write found no room (or a file size limit)
    Busy,         ///< another program kept it locked beyond the busy timeout
    ReadOnly,     ///< the file cannot be written
    Conflict,     ///< another program changed or removed the person meanwhile
    NotFound,     ///< no person of that id
    Cancelled,    ///< the caller stopped an import; nothing of it was kept
    Invalid,      ///< a value outside what the entry form takes
    Failed,       ///< any other failure of the database
  };
  Kind kind = Kind::Failed;
  std::string message;
};

/// A value or the problem that kept it from being made.
template <typename T>
struct Result {
  std::optional<T> value;
  std::optional<Problem> problem;

  explicit operator bool() const { return value.has_value(); }
};

/// A record an import left out because the library, or the same import,
/// already holds that birth (SameBirth).
struct SkippedRecord {
  std::size_t line = 0;
  std::size_t record = 0;
  /// The earlier record of the same import it repeats, or nothing when it
  /// repeats a person saved before the import.
  std::optional<std::size_t> earlierRecord;
  /// The saved person it repeats, when it repeats one saved before.
  std::optional<std::int64_t> savedId;
  std::string reason;  ///< in words, for "FILE:LINE: record N: reason"
};

struct ImportReport {
  std::size_t added = 0;
  std::vector<SkippedRecord> skipped;  ///< in the records' order
  /// Records the library cannot hold (a value outside the entry form's
  /// lists), each refused alone.
  std::vector<RefusedRecord> refused;
};

/// Told after each record of an import with how many are done; returning
/// false stops the import and keeps nothing of it.
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

/// Marks an operation that gives nothing back but may fail.
struct Done {};

/// One connection to a library file. Programs and threads that share a file
/// each open their own Library; one Library is for one thread at a time.
class Library {
 public:
  /// The schema this Kelvra writes (PRAGMA user_version).
  static constexpr int kSchemaVersion = 1;

  /// What Open gives: a library, a problem, or both (a newer library opens
  /// read-only and says so).
  struct Opened {
    std::unique_ptr<Library> library;
    std::optional<Problem> problem;
  };

  /// Opens the library at `path`, making it (mode 0600, its folder 0700)
  /// when missing. A file is written only after a read-only look found it
  /// SQLite, sound and of a schema this Kelvra knows; a damaged file or one
  /// that is not SQLite is left byte for byte as it was.
  static Opened Open(const std::filesystem::path& path);

  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  /// Whether writes are refused (a library of a newer schema).
  bool ReadOnly() const { return readOnly_; }

  /// Saves a new person at revision 1.
  Result<SavedPerson> Add(const Person& person);
  /// Replaces the person `id` if it is still at `expectedRevision`; else a
  /// Conflict (someone changed it meanwhile) or NotFound, and nothing changes.
  Result<SavedPerson> Update(std::int64_t id, std::int64_t expectedRevision, const Person& person);
  /// Removes the person `id` if it is still at `expectedRevision`, as Update.
  Result<Done> Remove(std::int64_t id, std::int64_t expectedRevision);
  /// The person `id`, or nothing when there is none.
  Result<std::optional<SavedPerson>> Find(std::int64_t id) const;
  /// Every person, ordered by the name's UTF-8 bytes (never a locale's
  /// collation), then year, month, day, hour, minute, second, then saving order.
  Result<std::vector<SavedPerson>> All() const;

  /// Saves `records` in one transaction: all of them or, on any failure or a
  /// stop through `progress`, none. A record of the same birth as a saved
  /// person or an earlier record is skipped and reported.
  Result<ImportReport> Import(const std::vector<ReadRecord>& records, const ImportProgress& progress = {});

 private:
  struct Connection;
  Library(std::filesystem::path path, std::unique_ptr<Connection> connection, bool readOnly);
  std::optional<Problem> RefuseWrite() const;

  std::filesystem::path path_;
  std::unique_ptr<Connection> db_;
  bool readOnly_ = false;
};

}  // namespace kelvra::people
