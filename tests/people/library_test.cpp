// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/library.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace kelvra::people {
namespace {

namespace fs = std::filesystem;
using Kind = Problem::Kind;

class LibraryTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kelvra-library-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

int ModeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

std::string BytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Person Someone(std::string name, int year = 1970, int hour = 12) {
  Person p;
  p.name = std::move(name);
  p.year = year;
  p.hour = hour;
  p.latDeg = 51;
  p.longDeg = 7;
  return p;
}

std::unique_ptr<Library> OpenOrFail(const fs::path& path) {
  auto opened = Library::Open(path);
  EXPECT_FALSE(opened.problem) << opened.problem->message;
  return std::move(opened.library);
}

std::vector<std::string> Names(const Library& library) {
  std::vector<std::string> names;
  const auto all = library.All();
  for (const auto& saved : all.value.value()) names.push_back(saved.person.name);
  return names;
}

TEST_F(LibraryTest, MakesItsFilesForTheUserAlone) {
  const fs::path file = dir_ / "a" / "b" / "people.sqlite";
  auto library = OpenOrFail(file);
  ASSERT_TRUE(library);
  ASSERT_TRUE(library->Add(Someone("Ada")));
  EXPECT_EQ(ModeOf(dir_ / "a"), 0700);
  EXPECT_EQ(ModeOf(dir_ / "a" / "b"), 0700);
  for (const char* suffix : {"", "-wal", "-shm"}) EXPECT_EQ(ModeOf(file.string() + suffix), 0600) << suffix;
}

TEST_F(LibraryTest, KeepsEveryFieldAndCountsRevisions) {
  auto library = OpenOrFail(dir_ / "people.sqlite");
  Person p = Someone("Zoë \"Z\", née\x01 X", 2050, 24);
  p.sex = Sex::Female;
  p.day = 31, p.month = 12, p.minute = 59, p.second = 59;
  p.latDeg = 999, p.latMin = 999, p.latDir = 'S', p.longDeg = 0, p.longMin = 60, p.longDir = 'W';
  p.city = "Köln", p.state = "NRW", p.country = "DE", p.zone = "Europe/Berlin", p.utcOffset = "LMT";
  p.notes = "line one\nline two", p.source = "A", p.origin = "x.aaf:3";
  const auto added = library->Add(p);
  ASSERT_TRUE(added);
  EXPECT_EQ(added.value->revision, 1);
  EXPECT_EQ(library->Find(added.value->id).value->value().person, p);

  p.sex = Sex::Male;
  const auto updated = library->Update(added.value->id, 1, p);
  ASSERT_TRUE(updated);
  EXPECT_EQ(updated.value->revision, 2);
  EXPECT_EQ(updated.value->created, added.value->created);
  EXPECT_GE(updated.value->changed, added.value->changed);
  EXPECT_EQ(updated.value->person, p);

  Person bad = p;
  bad.latDir = 'X';
  EXPECT_EQ(library->Add(bad).problem->kind, Kind::Invalid);
  bad = p;
  bad.month = 13;
  EXPECT_EQ(library->Update(added.value->id, 2, bad).problem->kind, Kind::Invalid);
}

// Files Open must refuse and leave byte for byte as they were.
TEST_F(LibraryTest, NeverWritesAFileItCannotTrust) {
  const fs::path file = dir_ / "people.sqlite";
  const struct {
    const char* what;
    std::function<void()> make;
    Kind kind;
  } rows[] = {
      {"a text file", [&] { WriteBytes(file, "name,sex\r\nAda,female\r\n"); }, Kind::NotSqlite},
      {"a short file", [&] { WriteBytes(file, "SQLite"); }, Kind::NotSqlite},
      {"another program's database",
       [&] {
         SQLite::Database other(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
         other.exec("CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('x')");
       },
       Kind::NotALibrary},
      {"a library with damaged pages",
       [&] {
         {
           auto library = OpenOrFail(file);
           for (int i = 0; i < 300; ++i) library->Add(Someone("Person " + std::to_string(i)));
         }
         std::string bytes = BytesOf(file);
         const std::size_t page = 4096;
         ASSERT_GT(bytes.size(), 4 * page);
         for (std::size_t at = page; at + page <= bytes.size(); at += page)
           for (std::size_t k = 0; k < 12; ++k) bytes[at + k] = static_cast<char>(~bytes[at + k]);
         WriteBytes(file, bytes);
       },
       Kind::Damaged},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    fs::remove(file);
    row.make();
    const std::string before = BytesOf(file);
    const auto opened = Library::Open(file);
    EXPECT_FALSE(opened.library);
    ASSERT_TRUE(opened.problem);
    EXPECT_EQ(opened.problem->kind, row.kind) << opened.problem->message;
    EXPECT_NE(opened.problem->message.find(file.string()), std::string::npos) << opened.problem->message;
    EXPECT_EQ(BytesOf(file), before);
  }
}

TEST_F(LibraryTest, ANewerSchemaOpensForReadingOnly) {
  const fs::path file = dir_ / "people.sqlite";
  std::int64_t id = 0;
  {
    auto library = OpenOrFail(file);
    id = library->Add(Someone("Ada")).value->id;
  }
  SQLite::Database(file.string(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 7");
  const std::string before = BytesOf(file);
  {
    auto opened = Library::Open(file);
    ASSERT_TRUE(opened.library);
    ASSERT_TRUE(opened.problem);
    EXPECT_EQ(opened.problem->kind, Kind::Newer);
    EXPECT_NE(opened.problem->message.find("newer"), std::string::npos);
    Library& library = *opened.library;
    EXPECT_TRUE(library.ReadOnly());
    EXPECT_EQ(Names(library), std::vector<std::string>{"Ada"});
    const std::optional<Problem> refusals[] = {
        library.Add(Someone("Bea")).problem,
        library.Update(id, 1, Someone("Bea")).problem,
        library.Remove(id, 1).problem,
        library.Import({ReadRecord{Someone("Bea"), 1, 1, {}}}).problem,
    };
    for (const auto& refusal : refusals) {
      ASSERT_TRUE(refusal);
      EXPECT_EQ(refusal->kind, Kind::Newer);
      EXPECT_EQ(refusal->message, opened.problem->message);
    }
  }
  EXPECT_EQ(BytesOf(file), before);
}

TEST_F(LibraryTest, AnEditDoesNotOverwriteAnotherProgramsChange) {
  const fs::path file = dir_ / "people.sqlite";
  auto one = OpenOrFail(file);
  auto two = OpenOrFail(file);
  const std::int64_t id = one->Add(Someone("Ada")).value->id;
  EXPECT_EQ(Names(*two), std::vector<std::string>{"Ada"});

  ASSERT_TRUE(two->Update(id, 1, Someone("Ada Byron")));
  const auto stale = one->Update(id, 1, Someone("Ada Lovelace"));
  ASSERT_TRUE(stale.problem);
  EXPECT_EQ(stale.problem->kind, Kind::Conflict);
  EXPECT_EQ(one->Find(id).value->value().person.name, "Ada Byron");
  EXPECT_EQ(one->Remove(id, 1).problem->kind, Kind::Conflict);

  ASSERT_TRUE(one->Remove(id, 2));
  EXPECT_EQ(two->Update(id, 2, Someone("Ada")).problem->kind, Kind::NotFound);
  EXPECT_EQ(two->Remove(id, 2).problem->kind, Kind::NotFound);
  EXPECT_FALSE(two->Find(id).value->has_value());
}

TEST_F(LibraryTest, ListsByNameBytesThenBirthThenSavingOrder) {
  auto library = OpenOrFail(dir_ / "people.sqlite");
  // Saved out of order; "first"/"second" share name and birth and differ only
  // in notes, so only the saving order tells them apart.
  Person first = Someone("b", 1980), second = Someone("b", 1980);
  first.notes = "first";
  second.notes = "second";
  for (const Person& p : {Someone("é"), Someone("z"), first, Someone("a"), Someone("B"), Someone("b", 1979),
                          Someone("b", 1980, 9), second, Someone("Z"), Someone("ä")})
    ASSERT_TRUE(library->Add(p));
  std::vector<std::string> seen;
  const auto all = library->All();
  for (const auto& saved : all.value.value())
    seen.push_back(saved.person.name + "/" + std::to_string(saved.person.year) + "/" +
                   std::to_string(saved.person.hour) + saved.person.notes);
  const std::vector<std::string> expected = {"B/1970/12", "Z/1970/12",      "a/1970/12",       "b/1979/12",
                                             "b/1980/9",  "b/1980/12first", "b/1980/12second", "z/1970/12",
                                             "ä/1970/12", "é/1970/12"};
  EXPECT_EQ(seen, expected);
}

std::vector<ReadRecord> Records(const std::vector<Person>& people) {
  std::vector<ReadRecord> records;
  for (std::size_t i = 0; i < people.size(); ++i) records.push_back({people[i], 10 * (i + 1), i + 1, {}});
  return records;
}

TEST_F(LibraryTest, AnImportSkipsBirthsItHoldsAndRefusesWhatItCannot) {
  auto library = OpenOrFail(dir_ / "people.sqlite");
  const std::int64_t ada = library->Add(Someone("Ada")).value->id;
  Person adaAgain = Someone("Ada"), bad = Someone("Bad");
  adaAgain.notes = "other notes, same birth";
  bad.longDir = 'X';
  const auto result =
      library->Import(Records({Someone("Bea"), adaAgain, Someone("Bea"), bad, Someone("Bea", 1971), Someone("ada")}));
  ASSERT_TRUE(result) << result.problem->message;
  const ImportReport& report = *result.value;
  EXPECT_EQ(report.added, 3u);
  ASSERT_EQ(report.skipped.size(), 2u);
  EXPECT_EQ(report.skipped[0].record, 2u);
  EXPECT_EQ(report.skipped[0].line, 20u);
  EXPECT_EQ(report.skipped[0].savedId, ada);
  EXPECT_EQ(report.skipped[1].record, 3u);
  EXPECT_EQ(report.skipped[1].earlierRecord, 1u);
  EXPECT_NE(report.skipped[1].reason.find('1'), std::string::npos);
  ASSERT_EQ(report.refused.size(), 1u);
  EXPECT_EQ(report.refused[0].record, 4u);
  EXPECT_EQ(Names(*library), (std::vector<std::string>{"Ada", "Bea", "Bea", "ada"}));
}

TEST_F(LibraryTest, AStoppedImportKeepsNothingOfIt) {
  auto library = OpenOrFail(dir_ / "people.sqlite");
  ASSERT_TRUE(library->Add(Someone("Ada")));
  std::vector<Person> people;
  for (int i = 0; i < 10; ++i) people.push_back(Someone("P" + std::to_string(i)));
  const auto result = library->Import(Records(people), [](std::size_t done, std::size_t) { return done < 6; });
  ASSERT_TRUE(result.problem);
  EXPECT_EQ(result.problem->kind, Kind::Cancelled);
  EXPECT_EQ(Names(*library), std::vector<std::string>{"Ada"});
  EXPECT_EQ(Names(*OpenOrFail(dir_ / "people.sqlite")), std::vector<std::string>{"Ada"});
}

// A full disk, made by a file size limit in a child: its import fails with
// the disk's message, and what was saved before is all there.
TEST_F(LibraryTest, AFullDiskLosesNothingSavedBefore) {
  const fs::path file = dir_ / "people.sqlite";
  {
    auto library = OpenOrFail(file);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(library->Add(Someone("Saved " + std::to_string(i))));
  }
  const std::vector<std::string> before = Names(*OpenOrFail(file));
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{256 * 1024, 256 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto opened = Library::Open(file);
    if (!opened.library) ::_exit(10);
    std::vector<Person> people;
    for (int i = 0; i < 5000; ++i) {
      people.push_back(Someone("Imported " + std::to_string(i)));
      people.back().notes = std::string(200, 'n');
    }
    const auto result = opened.library->Import(Records(people));
    if (!result.problem) ::_exit(11);
    if (result.problem->kind != Kind::DiskFull) {
      std::fprintf(stderr, "%s\n", result.problem->message.c_str());
      ::_exit(12);
    }
    if (result.problem->message.find(file.string()) == std::string::npos) ::_exit(13);
    if (result.problem->message.find("disk is full") == std::string::npos) ::_exit(14);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  auto library = OpenOrFail(file);
  EXPECT_EQ(Names(*library), before);
  EXPECT_EQ(SQLite::Database(file.string()).execAndGet("PRAGMA integrity_check").getString(), "ok");
}

}  // namespace
}  // namespace kelvra::people
