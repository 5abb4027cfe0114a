// SPDX-License-Identifier: AGPL-3.0-or-later
#include "modules/module_loader.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kelvra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "kelvra_test.so";
constexpr const char* kEntry = "kelvra_test_entry";

// What one directory of a search holds under the module's name.
enum class Holds { Nothing, Module, NotALibrary, NoEntry, Unresolved, NoDirectory };

class ModuleSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kelvra-modules-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override { fs::remove_all(root_); }

  // One directory per entry, holding what it says. Each search gets paths of
  // its own: dlopen answers a path it has opened with the library opened.
  std::vector<std::string> Directories(const std::vector<Holds>& contents) {
    const fs::path search = root_ / std::to_string(searches_++);
    fs::create_directory(search);
    std::vector<std::string> directories;
    for (const Holds holds : contents) {
      const fs::path directory = search / std::to_string(directories.size());
      directories.push_back(directory.string());
      if (holds == Holds::NoDirectory) continue;
      fs::create_directory(directory);
      const fs::path file = directory / kFile;
      if (holds == Holds::Module) fs::copy_file(TEST_MODULE, file);
      if (holds == Holds::NoEntry) fs::copy_file(TEST_MODULE_WITHOUT_ENTRY, file);
      if (holds == Holds::Unresolved) fs::copy_file(TEST_MODULE_UNRESOLVED, file);
      if (holds == Holds::NotALibrary) std::ofstream(file) << "not a library";
    }
    return directories;
  }

  fs::path root_;
  int searches_ = 0;
};

// The file the entry point was found in.
std::string LoadedFrom(void* entry) {
  Dl_info info{};
  return ::dladdr(entry, &info) && info.dli_fname ? info.dli_fname : "";
}

TEST_F(ModuleSearch, TakesTheFirstDirectoryWhoseFileLoadsAndHasTheEntryPoint) {
  using K = ModuleProblem::Kind;
  struct Case {
    const char* what;
    std::vector<Holds> directories;
    int flags;
    int winner;  // index of the directory loaded from, -1 for none
    std::vector<std::pair<K, int>> problems;
  };
  const int kNow = RTLD_NOW | RTLD_LOCAL, kLazy = RTLD_LAZY | RTLD_LOCAL;
  const std::vector<Case> cases = {
      {"missing everywhere", {Holds::Nothing, Holds::NoDirectory, Holds::Nothing}, kNow, -1, {}},
      {"no directories at all", {}, kNow, -1, {}},
      {"the first holding it wins", {Holds::Module, Holds::Module}, kNow, 0, {}},
      {"later ones serve when earlier lack it", {Holds::NoDirectory, Holds::Nothing, Holds::Module}, kNow, 2, {}},
      {"not a library", {Holds::NotALibrary}, kNow, -1, {{K::NotLoadable, 0}}},
      {"no entry point", {Holds::NoEntry}, kNow, -1, {{K::NoEntryPoint, 0}}},
      {"refused files are passed over",
       {Holds::NotALibrary, Holds::Nothing, Holds::NoEntry, Holds::Module, Holds::NotALibrary},
       kNow,
       3,
       {{K::NotLoadable, 0}, {K::NoEntryPoint, 2}}},
      {"every file refused",
       {Holds::NoEntry, Holds::NotALibrary},
       kNow,
       -1,
       {{K::NoEntryPoint, 0}, {K::NotLoadable, 1}}},
      {"an unresolved symbol fails a load binding all at once", {Holds::Unresolved}, kNow, -1, {{K::NotLoadable, 0}}},
      {"a lazy load binds on first call", {Holds::Unresolved}, kLazy, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> directories = Directories(c.directories);
    int prepared = 0;
    const LoadedModule loaded = LoadModule({directories, kFile, kEntry, c.flags, [&] { ++prepared; }});
    std::size_t found = 0;
    for (const Holds holds : c.directories) found += holds != Holds::Nothing && holds != Holds::NoDirectory;
    if (c.winner < 0) {
      EXPECT_EQ(loaded.entry, nullptr);
      EXPECT_EQ(prepared, static_cast<int>(found));
    } else {
      ASSERT_NE(loaded.entry, nullptr);
      EXPECT_EQ(LoadedFrom(loaded.entry), directories[c.winner] + "/" + kFile);
      EXPECT_EQ(prepared, static_cast<int>(c.problems.size()) + 1);
      if (c.directories[c.winner] == Holds::Module) {
        EXPECT_EQ(loaded.Entry<int (*)()>()(), 42);
      }
    }
    ASSERT_EQ(loaded.problems.size(), c.problems.size());
    for (std::size_t i = 0; i < c.problems.size(); ++i) {
      EXPECT_EQ(loaded.problems[i].kind, c.problems[i].first);
      const std::string path = directories[c.problems[i].second] + "/" + kFile;
      EXPECT_EQ(loaded.problems[i].path, path);
      if (c.problems[i].first == K::NotLoadable) {
        EXPECT_EQ(loaded.problems[i].reason.rfind(path + ": ", 0), 0u) << loaded.problems[i].reason;
      } else {
        EXPECT_EQ(loaded.problems[i].reason, "");
      }
    }
  }
}

// The caller's sentences around what was met: problems in order and apart,
// or, with none, the file and every directory searched.
TEST(ModuleFailure, PutsWhatWasMetIntoTheCallersSentences) {
  const ModuleFailureWords words{
      .message = [](const std::string& problems) { return "Opening. " + problems; },
      .notLoadable = [](const std::string& path,
                        const std::string& reason) { return "Cannot load " + path + ": (" + reason + ")"; },
      .noEntryPoint = [](const std::string& path) { return path + " is not ours."; },
      .notFound = [](const std::string& file, const std::string& folders) { return file + " not in " + folders + "."; },
      .separator = " | ",
      .directorySeparator = ", "};
  const ModuleRequest request{{"/a", "b/%1", ""}, "m%2.so", kEntry, RTLD_NOW, {}};
  struct Case {
    std::vector<ModuleProblem> problems;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{}, "Opening. m%2.so not in /a, b/%1, ."},
      {{{ModuleProblem::Kind::NotLoadable, "/a/m.so", "/a/m.so: file too short"}},
       "Opening. Cannot load /a/m.so: (/a/m.so: file too short)"},
      {{{ModuleProblem::Kind::NoEntryPoint, "b/%1/m.so", ""}, {ModuleProblem::Kind::NotLoadable, "./m.so", "%1"}},
       "Opening. b/%1/m.so is not ours. | Cannot load ./m.so: (%1)"},
  };
  for (const Case& c : cases) {
    LoadedModule loaded;
    loaded.problems = c.problems;
    EXPECT_EQ(ModuleFailure(request, loaded, words), c.message);
  }
}

// QDir::cleanPath's answers.
TEST(CleanPath, ResolvesDotsAndSeparatorsAsFarAsPossible) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/usr/bin/../lib/kelvra", "/usr/lib/kelvra"},
      {"/usr/bin/", "/usr/bin"},
      {"/usr/bin/../../../lib", "/../lib"},
      {"/..", "/.."},
      {"/a/../..", "/.."},
      {"a/../../b", "../b"},
      {"a/b/../../..", ".."},
      {"../..", "../.."},
      {"a/..", "."},
      {"./", "."},
      {"./a", "a"},
      {"a//b/", "a/b"},
      {"//a", "/a"},
      {"//", "/"},
      {"/a/./b/.", "/a/b"},
      {"/", "/"},
      {"", ""},
  };
  for (const auto& [path, cleaned] : cases) EXPECT_EQ(CleanPath(path), cleaned) << path;
}

// QDir::filePath's answers.
TEST(ModuleFilePath, JoinsAsQDirDoes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "./f.so"},          {"/", "/f.so"},  {"dir", "dir/f.so"}, {"dir/", "dir/f.so"},  {"dir//", "dir/f.so"},
      {"dir///", "dir//f.so"}, {"//", "/f.so"}, {"./d", "./d/f.so"}, {"a//b", "a//b/f.so"}, {"/a/../b", "/a/../b/f.so"},
  };
  for (const auto& [directory, path] : cases) EXPECT_EQ(ModuleFilePath(directory, "f.so"), path) << directory;
}

TEST(DefaultModuleDirectories, AreBesideTheProgramInstalledAndBuilt) {
  const std::string program = fs::read_symlink("/proc/self/exe").parent_path().string();
  const std::vector<std::string> joined = DefaultModuleDirectories(false);
  const std::vector<std::string> cleaned = DefaultModuleDirectories(true);
  ASSERT_EQ(joined.size(), 3u);
  ASSERT_EQ(cleaned.size(), 3u);
  EXPECT_EQ(joined[0], program);
  EXPECT_EQ(cleaned[0], program);
  EXPECT_EQ(joined[1].rfind(program + "/", 0), 0u) << joined[1];
  EXPECT_NE(joined[1].find(".."), std::string::npos) << joined[1];
  EXPECT_EQ(cleaned[1], CleanPath(joined[1]));
  EXPECT_EQ(joined[2], BUILD_MODULE_DIR);
  EXPECT_EQ(cleaned[2], BUILD_MODULE_DIR);
}

}  // namespace
}  // namespace kelvra
