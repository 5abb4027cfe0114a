// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/library.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <tuple>
#include <utility>
#include <variant>

#include "vocabulary/people_words_library.h"

namespace kelvra::people {

namespace fs = std::filesystem;

struct Library::Connection {
  SQLite::Database db;
};

namespace {

constexpr int kBusyTimeoutMs = 5000;
// "Kelv" in the header, so that a SQLite file of another program is told apart
// from a library even before its tables are looked at.
constexpr std::int32_t kApplicationId = 0x4b656c76;

// Each schema version, reached from the one before. A newer Kelvra only adds
// entries; the columns read below stay readable by older ones.
struct Migration {
  int version;
  const char* sql;
};
constexpr std::array kMigrations = {
    Migration{1,
              "CREATE TABLE migrations(version INTEGER PRIMARY KEY, applied INTEGER NOT NULL);"
              // AUTOINCREMENT: an id is never given twice, so a stale edit of a
              // removed person cannot hit a newer one, and ids keep saving order.
              "CREATE TABLE people("
              " id INTEGER PRIMARY KEY AUTOINCREMENT,"
              " name TEXT NOT NULL,"
              " sex TEXT NOT NULL CHECK (sex IN ('', 'male', 'female')),"
              " day INTEGER NOT NULL, month INTEGER NOT NULL, year INTEGER NOT NULL,"
              " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
              " lat_deg INTEGER NOT NULL, lat_min INTEGER NOT NULL,"
              " lat_dir TEXT NOT NULL CHECK (lat_dir IN ('N', 'S')),"
              " long_deg INTEGER NOT NULL, long_min INTEGER NOT NULL,"
              " long_dir TEXT NOT NULL CHECK (long_dir IN ('E', 'W')),"
              " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
              " tz TEXT NOT NULL, utc_offset TEXT NOT NULL, notes TEXT NOT NULL,"
              " source TEXT NOT NULL, origin TEXT NOT NULL,"
              " created INTEGER NOT NULL, changed INTEGER NOT NULL, revision INTEGER NOT NULL);"
              // The listing's order and the duplicate look-up of an import.
              "CREATE INDEX people_by_birth ON people(name COLLATE BINARY, year, month, day, hour, minute, second);"},
};
static_assert(kMigrations.back().version == Library::kSchemaVersion);

constexpr const char* kColumns =
    "id, name, sex, day, month, year, hour, minute, second, lat_deg, lat_min, lat_dir, long_deg, long_min, long_dir, "
    "city, state, country, tz, utc_offset, notes, source, origin, created, changed, revision";
constexpr const char* kInsert =
    "INSERT INTO people(name, sex, day, month, year, hour, minute, second, lat_deg, lat_min, lat_dir, long_deg, "
    "long_min, long_dir, city, state, country, tz, utc_offset, notes, source, origin, created, changed, revision) "
    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1)";
constexpr const char* kUpdate =
    "UPDATE people SET name = ?, sex = ?, day = ?, month = ?, year = ?, hour = ?, minute = ?, second = ?, "
    "lat_deg = ?, lat_min = ?, lat_dir = ?, long_deg = ?, long_min = ?, long_dir = ?, city = ?, state = ?, "
    "country = ?, tz = ?, utc_offset = ?, notes = ?, source = ?, origin = ?, changed = ?, revision = revision + 1 "
    "WHERE id = ? AND revision = ?";
constexpr const char* kFindBirth =
    "SELECT id FROM people WHERE name = ? AND year = ? AND month = ? AND day = ? AND hour = ? AND minute = ? "
    "AND second = ? AND lat_deg = ? AND lat_min = ? AND lat_dir = ? AND long_deg = ? AND long_min = ? "
    "AND long_dir = ? LIMIT 1";

std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

const char* SexText(Sex sex) {
  switch (sex) {
    case Sex::Male:
      return "male";
    case Sex::Female:
      return "female";
    case Sex::NotStated:
      break;
  }
  return "";
}

Sex SexOf(const std::string& text) {
  if (text == "male") return Sex::Male;
  if (text == "female") return Sex::Female;
  return Sex::NotStated;
}

// Binds the person's columns from `first` on, in kInsert's order; gives the
// next index.
int BindPerson(SQLite::Statement& st, int first, const Person& p) {
  int i = first;
  st.bind(i++, p.name);
  st.bind(i++, SexText(p.sex));
  for (int v : {p.day, p.month, p.year, p.hour, p.minute, p.second, p.latDeg, p.latMin}) st.bind(i++, v);
  st.bind(i++, std::string(1, p.latDir));
  st.bind(i++, p.longDeg);
  st.bind(i++, p.longMin);
  st.bind(i++, std::string(1, p.longDir));
  for (const std::string* text : {&p.city, &p.state, &p.country, &p.zone, &p.utcOffset, &p.notes, &p.source, &p.origin})
    st.bind(i++, *text);
  return i;
}

SavedPerson ReadPerson(SQLite::Statement& st) {
  SavedPerson s;
  int i = 0;
  s.id = st.getColumn(i++).getInt64();
  Person& p = s.person;
  p.name = st.getColumn(i++).getString();
  p.sex = SexOf(st.getColumn(i++).getString());
  for (int* v : {&p.day, &p.month, &p.year, &p.hour, &p.minute, &p.second, &p.latDeg, &p.latMin})
    *v = st.getColumn(i++).getInt();
  const auto dir = [&](char fallback) {
    const std::string text = st.getColumn(i++).getString();
    return text.empty() ? fallback : text[0];
  };
  p.latDir = dir('N');
  p.longDeg = st.getColumn(i++).getInt();
  p.longMin = st.getColumn(i++).getInt();
  p.longDir = dir('E');
  for (std::string* text : {&p.city, &p.state, &p.country, &p.zone, &p.utcOffset, &p.notes, &p.source, &p.origin})
    *text = st.getColumn(i++).getString();
  s.created = st.getColumn(i++).getInt64();
  s.changed = st.getColumn(i++).getInt64();
  s.revision = st.getColumn(i++).getInt64();
  return s;
}

// What the library refuses to hold: values the entry form's lists and boxes
// cannot show, so that every saved person can be loaded into the form.
std::optional<std::string> Invalid(const Person& p) {
  const struct {
    const char* column;
    int value, low, high;
  } ranges[] = {
      {"day", p.day, 1, 31},           {"month", p.month, 1, 12},     {"year", p.year, 1900, 2050},
      {"hour", p.hour, 0, 24},         {"minute", p.minute, 0, 59},   {"second", p.second, 0, 59},
      {"lat_deg", p.latDeg, 0, 999},   {"lat_min", p.latMin, 0, 999}, {"long_deg", p.longDeg, 0, 999},
      {"long_min", p.longMin, 0, 999},
  };
  for (const auto& r : ranges) {
    if (r.value < r.low || r.value > r.high)
      return Tr(words::kLibraryOutOfRange,
                {r.column, std::to_string(r.value), std::to_string(r.low), std::to_string(r.high)});
  }
  if (p.latDir != 'N' && p.latDir != 'S') return Tr(words::kLibraryNotAChoice, {"lat_dir", {&p.latDir, 1}, "N, S"});
  if (p.longDir != 'E' && p.longDir != 'W') return Tr(words::kLibraryNotAChoice, {"long_dir", {&p.longDir, 1}, "E, W"});
  if (p.sex != Sex::NotStated && p.sex != Sex::Male && p.sex != Sex::Female)
    return Tr(words::kLibraryNotAChoice, {"sex", std::to_string(static_cast<int>(p.sex)), "male, female, \"\""});
  return std::nullopt;
}

bool NoRoom(int systemErrno) { return systemErrno == ENOSPC || systemErrno == EFBIG || systemErrno == EDQUOT; }

// The problem a database failure is, read before anything else runs on the
// connection (a rollback would replace the system error). `lastErrno` is errno
// as the failure left it: SQLite reports a file size limit (EFBIG) or a quota
// (EDQUOT) as a plain I/O error and does not always keep the system's code.
Problem Describe(const SQLite::Exception& e, sqlite3* handle, const fs::path& path, int lastErrno = 0) {
  const std::string file = path.string();
  const int code = e.getErrorCode() & 0xff;
  int systemErrno = 0;
  if (code == SQLITE_IOERR) {
    systemErrno = handle != nullptr ? sqlite3_system_errno(handle) : 0;
    if (systemErrno == 0) systemErrno = lastErrno;
  }
  using Kind = Problem::Kind;
  if (code == SQLITE_FULL || (code == SQLITE_IOERR && NoRoom(systemErrno)))
    return {Kind::DiskFull, Tr(words::kLibraryDiskFull, {file})};
  if (code == SQLITE_BUSY || code == SQLITE_LOCKED) return {Kind::Busy, Tr(words::kLibraryBusy, {file})};
  if (code == SQLITE_READONLY || code == SQLITE_PERM)
    return {Kind::ReadOnly, Tr(words::kLibraryReadOnly, {file, e.what()})};
  if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
    return {Kind::Damaged, Tr(words::kLibraryDamaged, {file, e.what()})};
  std::string why = e.what();
  if (systemErrno != 0) why += std::string(" (") + std::strerror(systemErrno) + ")";
  return {Kind::Failed, Tr(words::kLibraryFailed, {file, why})};
}

Problem SystemProblem(const Template& what, const fs::path& path, int error) {
  return {Problem::Kind::CannotOpen, Tr(what, {path.string(), std::strerror(error)})};
}

// Makes `folder` and any missing parent 0700. chmod rather than the umask
// gives the exact mode: the process' umask is the user's, not ours to change.
std::optional<Problem> MakeFolder(const fs::path& folder) {
  if (folder.empty()) return std::nullopt;
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) return std::nullopt;
  if (errno != ENOENT) return SystemProblem(words::kLibraryCannotMakeFolder, folder, errno);
  if (folder.has_parent_path() && folder.parent_path() != folder) {
    if (auto problem = MakeFolder(folder.parent_path())) return problem;
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    return SystemProblem(words::kLibraryCannotMakeFolder, folder, errno);
  if (::chmod(folder.c_str(), 0700) != 0) return SystemProblem(words::kLibraryCannotMakeFolder, folder, errno);
  return std::nullopt;
}

// Makes the file 0600 when missing, before SQLite would make it 0644 (its
// -wal and -shm files take the main file's mode).
std::optional<Problem> MakeFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (errno == EEXIST) return std::nullopt;
    return SystemProblem(words::kLibraryCannotOpen, path, errno);
  }
  const bool modeSet = ::fchmod(fd, 0600) == 0;
  const int error = errno;
  ::close(fd);
  if (!modeSet) return SystemProblem(words::kLibraryCannotOpen, path, error);
  return std::nullopt;
}

enum class Header { Empty, Sqlite, Other };

// Reads the file's first bytes without SQLite, which would take any file it
// is handed for a database to be.
std::variant<Header, Problem> ReadHeader(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SystemProblem(words::kLibraryCannotOpen, path, errno);
  static constexpr char kMagic[] = "SQLite format 3";  // and its NUL: 16 bytes
  char bytes[sizeof kMagic] = {};
  std::size_t got = 0;
  while (got < sizeof bytes) {
    const ssize_t n = ::read(fd, bytes + got, sizeof bytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return SystemProblem(words::kLibraryCannotOpen, path, error);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got == 0) return Header::Empty;
  return got == sizeof bytes && std::memcmp(bytes, kMagic, sizeof kMagic) == 0 ? Header::Sqlite : Header::Other;
}

void RollbackQuietly(SQLite::Database& db) {
  try {
    db.exec("ROLLBACK");
  } catch (const SQLite::Exception&) {
    // A failed statement may have ended the transaction already.
  }
}

// Runs `body` in one IMMEDIATE transaction (a DEFERRED one that has read
// fails at once when another connection wrote meanwhile, whatever the busy
// timeout): commits when it gives a value, rolls back when it gives a
// problem or throws.
template <typename T, typename Body>
Result<T> InWrite(SQLite::Database& db, const fs::path& path, Body&& body) {
  try {
    db.exec("BEGIN IMMEDIATE");
  } catch (const SQLite::Exception& e) {
    const int lastErrno = errno;
    return {std::nullopt, Describe(e, db.getHandle(), path, lastErrno)};
  }
  try {
    Result<T> result = body();
    if (result.value)
      db.exec("COMMIT");
    else
      RollbackQuietly(db);
    return result;
  } catch (const SQLite::Exception& e) {
    const int lastErrno = errno;
    Problem problem = Describe(e, db.getHandle(), path, lastErrno);
    RollbackQuietly(db);
    return {std::nullopt, std::move(problem)};
  } catch (const std::exception& e) {
    RollbackQuietly(db);
    return {std::nullopt, Problem{Problem::Kind::Failed, Tr(words::kLibraryFailed, {path.string(), e.what()})}};
  }
}

template <typename T, typename Body>
Result<T> InRead(SQLite::Database& db, const fs::path& path, Body&& body) {
  try {
    return {body(), std::nullopt};
  } catch (const SQLite::Exception& e) {
    return {std::nullopt, Describe(e, db.getHandle(), path)};
  } catch (const std::exception& e) {
    return {std::nullopt, Problem{Problem::Kind::Failed, Tr(words::kLibraryFailed, {path.string(), e.what()})}};
  }
}

Problem NewerProblem(const fs::path& path, int version) {
  return {Problem::Kind::Newer,
          Tr(words::kLibraryNewer, {path.string(), std::to_string(version), std::to_string(Library::kSchemaVersion)})};
}

// Why a person at `id` was not changed: it changed meanwhile, or it is gone.
Problem Unchanged(SQLite::Database& db, std::int64_t id) {
  SQLite::Statement st(db, "SELECT 1 FROM people WHERE id = ?");
  st.bind(1, id);
  if (st.executeStep()) return {Problem::Kind::Conflict, Tr(words::kLibraryConflict)};
  return {Problem::Kind::NotFound, Tr(words::kLibraryNoSuchPerson, {std::to_string(id)})};
}

std::optional<SavedPerson> FindIn(SQLite::Database& db, std::int64_t id) {
  SQLite::Statement st(db, std::string("SELECT ") + kColumns + " FROM people WHERE id = ?");
  st.bind(1, id);
  if (!st.executeStep()) return std::nullopt;
  return ReadPerson(st);
}

// Brings the schema to kSchemaVersion in one transaction, reading the version
// again under the write lock: another program may have migrated meanwhile.
Result<int> Migrate(SQLite::Database& db, const fs::path& path) {
  return InWrite<int>(db, path, [&]() -> Result<int> {
    const int version = db.execAndGet("PRAGMA user_version").getInt();
    if (version > Library::kSchemaVersion) return {version, std::nullopt};
    for (const Migration& m : kMigrations) {
      if (m.version <= version) continue;
      db.exec(m.sql);
      SQLite::Statement note(db, "INSERT INTO migrations(version, applied) VALUES(?, ?)");
      note.bind(1, m.version);
      note.bind(2, Now());
      note.exec();
    }
    if (version == 0) db.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
    if (version < Library::kSchemaVersion) db.exec("PRAGMA user_version = " + std::to_string(Library::kSchemaVersion));
    return {Library::kSchemaVersion, std::nullopt};
  });
}

}  // namespace

Library::Library(fs::path path, std::unique_ptr<Connection> connection, bool readOnly)
    : path_(std::move(path)), db_(std::move(connection)), readOnly_(readOnly) {}

Library::~Library() = default;

Library::Opened Library::Open(const fs::path& path) {
  Opened opened;
  const auto fail = [&](Problem problem) {
    opened.problem = std::move(problem);
    return std::move(opened);
  };
  if (auto problem = MakeFolder(path.parent_path())) return fail(std::move(*problem));
  if (auto problem = MakeFile(path)) return fail(std::move(*problem));
  const auto header = ReadHeader(path);
  if (const auto* problem = std::get_if<Problem>(&header)) return fail(*problem);
  if (std::get<Header>(header) == Header::Other)
    return fail({Problem::Kind::NotSqlite, Tr(words::kLibraryNotSqlite, {path.string()})});

  // The look before any write: a read-only connection cannot change a byte.
  std::unique_ptr<Connection> look;
  try {
    look = std::make_unique<Connection>(
        Connection{SQLite::Database(path.string(), SQLite::OPEN_READONLY, kBusyTimeoutMs)});
    SQLite::Statement check(look->db, "PRAGMA quick_check");
    std::string findings;
    while (check.executeStep()) {
      const std::string row = check.getColumn(0).getString();
      if (row == "ok") continue;
      if (!findings.empty()) findings += "; ";
      findings += row;
    }
    if (!findings.empty()) return fail({Problem::Kind::Damaged, Tr(words::kLibraryDamaged, {path.string(), findings})});
    const int version = look->db.execAndGet("PRAGMA user_version").getInt();
    const int application = look->db.execAndGet("PRAGMA application_id").getInt();
    const int objects = look->db.execAndGet("SELECT count(*) FROM sqlite_schema").getInt();
    const bool fresh = version == 0 && application == 0 && objects == 0;
    if (!fresh && application != kApplicationId)
      return fail({Problem::Kind::NotALibrary, Tr(words::kLibraryNotOurs, {path.string()})});
    if (version > kSchemaVersion) {
      opened.library.reset(new Library(path, std::move(look), true));
      opened.problem = NewerProblem(path, version);
      return opened;
    }
  } catch (const SQLite::Exception& e) {
    Problem problem = Describe(e, look ? look->db.getHandle() : nullptr, path);
    if (problem.kind == Problem::Kind::Failed || problem.kind == Problem::Kind::ReadOnly)
      problem = {Problem::Kind::CannotOpen, Tr(words::kLibraryCannotOpen, {path.string(), e.what()})};
    return fail(std::move(problem));
  }
  look.reset();

  std::unique_ptr<Connection> rw;
  try {
    rw = std::make_unique<Connection>(
        Connection{SQLite::Database(path.string(), SQLite::OPEN_READWRITE, kBusyTimeoutMs)});
    rw->db.exec("PRAGMA foreign_keys = ON");
    const std::string mode = rw->db.execAndGet("PRAGMA journal_mode = WAL").getString();
    if (mode != "wal")
      return fail({Problem::Kind::CannotOpen, Tr(words::kLibraryCannotOpen, {path.string(), "journal_mode " + mode})});
  } catch (const SQLite::Exception& e) {
    Problem problem = Describe(e, rw ? rw->db.getHandle() : nullptr, path);
    if (problem.kind == Problem::Kind::Failed)
      problem = {Problem::Kind::CannotOpen, Tr(words::kLibraryCannotOpen, {path.string(), e.what()})};
    return fail(std::move(problem));
  }
  const Result<int> version = Migrate(rw->db, path);
  if (!version) return fail(*version.problem);
  const bool newer = *version.value > kSchemaVersion;
  opened.library.reset(new Library(path, std::move(rw), newer));
  if (newer) opened.problem = NewerProblem(path, *version.value);
  return opened;
}

std::optional<Problem> Library::RefuseWrite() const {
  if (!readOnly_) return std::nullopt;
  const int version = InRead<int>(db_->db, path_, [&] {
                        return db_->db.execAndGet("PRAGMA user_version").getInt();
                      }).value.value_or(kSchemaVersion + 1);
  return NewerProblem(path_, version);
}

Result<SavedPerson> Library::Add(const Person& person) {
  if (auto problem = RefuseWrite()) return {std::nullopt, problem};
  if (auto why = Invalid(person)) return {std::nullopt, Problem{Problem::Kind::Invalid, *why}};
  return InWrite<SavedPerson>(db_->db, path_, [&]() -> Result<SavedPerson> {
    SQLite::Statement insert(db_->db, kInsert);
    const std::int64_t now = Now();
    const int next = BindPerson(insert, 1, person);
    insert.bind(next, now);
    insert.bind(next + 1, now);
    insert.exec();
    return {SavedPerson{db_->db.getLastInsertRowid(), person, now, now, 1}, std::nullopt};
  });
}

Result<SavedPerson> Library::Update(std::int64_t id, std::int64_t expectedRevision, const Person& person) {
  if (auto problem = RefuseWrite()) return {std::nullopt, problem};
  if (auto why = Invalid(person)) return {std::nullopt, Problem{Problem::Kind::Invalid, *why}};
  return InWrite<SavedPerson>(db_->db, path_, [&]() -> Result<SavedPerson> {
    SQLite::Statement update(db_->db, kUpdate);
    const int next = BindPerson(update, 1, person);
    update.bind(next, Now());
    update.bind(next + 1, id);
    update.bind(next + 2, expectedRevision);
    if (update.exec() == 0) return {std::nullopt, Unchanged(db_->db, id)};
    return {FindIn(db_->db, id), std::nullopt};
  });
}

Result<Done> Library::Remove(std::int64_t id, std::int64_t expectedRevision) {
  if (auto problem = RefuseWrite()) return {std::nullopt, problem};
  return InWrite<Done>(db_->db, path_, [&]() -> Result<Done> {
    SQLite::Statement remove(db_->db, "DELETE FROM people WHERE id = ? AND revision = ?");
    remove.bind(1, id);
    remove.bind(2, expectedRevision);
    if (remove.exec() == 0) return {std::nullopt, Unchanged(db_->db, id)};
    return {Done{}, std::nullopt};
  });
}

Result<std::optional<SavedPerson>> Library::Find(std::int64_t id) const {
  return InRead<std::optional<SavedPerson>>(db_->db, path_, [&] { return FindIn(db_->db, id); });
}

Result<std::vector<SavedPerson>> Library::All() const {
  return InRead<std::vector<SavedPerson>>(db_->db, path_, [&] {
    SQLite::Statement st(db_->db, std::string("SELECT ") + kColumns +
                                      " FROM people ORDER BY name COLLATE BINARY, year, month, day, hour, minute, "
                                      "second, id");
    std::vector<SavedPerson> all;
    while (st.executeStep()) all.push_back(ReadPerson(st));
    return all;
  });
}

Result<ImportReport> Library::Import(const std::vector<ReadRecord>& records, const ImportProgress& progress) {
  if (auto problem = RefuseWrite()) return {std::nullopt, problem};
  return InWrite<ImportReport>(db_->db, path_, [&]() -> Result<ImportReport> {
    SQLite::Statement find(db_->db, kFindBirth);
    SQLite::Statement insert(db_->db, kInsert);
    using Birth = std::tuple<std::string, int, int, int, int, int, int, int, int, char, int, int, char>;
    std::map<Birth, std::size_t> earlier;  // this import's births, by their record
    ImportReport report;
    const std::int64_t now = Now();
    for (std::size_t i = 0; i < records.size(); ++i) {
      const ReadRecord& r = records[i];
      const Person& p = r.person;
      if (auto why = Invalid(p)) {
        report.refused.push_back({r.line, r.record, *why});
      } else {
        Birth birth{p.name,   p.year,   p.month,  p.day,     p.hour,    p.minute, p.second,
                    p.latDeg, p.latMin, p.latDir, p.longDeg, p.longMin, p.longDir};
        if (auto seen = earlier.find(birth); seen != earlier.end()) {
          report.skipped.push_back({r.line, r.record, seen->second, std::nullopt,
                                    Tr(words::kLibrarySkippedEarlier, {std::to_string(seen->second)})});
        } else {
          find.reset();
          find.clearBindings();
          int k = 1;
          find.bind(k++, p.name);
          for (int v : {p.year, p.month, p.day, p.hour, p.minute, p.second, p.latDeg, p.latMin}) find.bind(k++, v);
          find.bind(k++, std::string(1, p.latDir));
          find.bind(k++, p.longDeg);
          find.bind(k++, p.longMin);
          find.bind(k++, std::string(1, p.longDir));
          if (find.executeStep()) {
            report.skipped.push_back(
                {r.line, r.record, std::nullopt, find.getColumn(0).getInt64(), Tr(words::kLibrarySkippedSaved)});
          } else {
            insert.reset();
            const int next = BindPerson(insert, 1, p);
            insert.bind(next, now);
            insert.bind(next + 1, now);
            insert.exec();
            ++report.added;
            earlier.emplace(std::move(birth), r.record);
          }
        }
      }
      if (progress && !progress(i + 1, records.size()))
        return {std::nullopt, Problem{Problem::Kind::Cancelled, Tr(words::kLibraryImportStopped)}};
    }
    return {std::move(report), std::nullopt};
  });
}

}  // namespace kelvra::people
