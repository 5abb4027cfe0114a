// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

/// What to load: the first of `directories` holding `fileName` is opened with
/// dlopen's `openFlags` and `entryPoint` resolved in it.
struct ModuleRequest {
  std::vector<std::string> directories;
  std::string fileName;
  const char* entryPoint = nullptr;
  int openFlags = 0;
  /// Runs before each file found is opened.
  std::function<void()> beforeLoad;
};

/// A file that was found but refused.
struct ModuleProblem {
  enum class Kind { NotLoadable, NoEntryPoint };
  Kind kind;
  std::string path;
  std::string reason;  // dlerror's text, for NotLoadable
};

/// The entry point of the module loaded, or nullptr with the files refused on
/// the way (none when no directory holds the file).
struct LoadedModule {
  void* entry = nullptr;
  std::vector<ModuleProblem> problems;

  template <typename Function>
  Function Entry() const {
    return reinterpret_cast<Function>(entry);
  }
};

/// Tries the directories in order and stops at the first file that loads and
/// has the entry point. A library once opened stays open for the rest of the
/// run, even one refused: its initialisers have run, and what they registered
/// may point into it.
LoadedModule LoadModule(const ModuleRequest& request);

/// Each caller's words for a failure, as whole sentences it fills itself
/// (from its vocabulary): the message around the problems, one problem, and
/// the file not found in the folders searched.
struct ModuleFailureWords {
  std::function<std::string(const std::string& problems)> message;
  std::function<std::string(const std::string& path, const std::string& reason)> notLoadable;
  std::function<std::string(const std::string& path)> noEntryPoint;
  std::function<std::string(const std::string& file, const std::string& directories)> notFound;
  std::string separator;           ///< between problems
  std::string directorySeparator;  ///< between the folders searched
};

/// The message for a load that gave no entry point: every file refused on
/// the way, in order, or else where the file was looked for.
std::string ModuleFailure(const ModuleRequest& request, const LoadedModule& loaded, const ModuleFailureWords& words);

/// Where modules are looked for, in order: beside the program (the directory
/// of /proc/self/exe), the installed module folder relative to it, and the
/// build's module folder. With `clean`, the installed folder's path is given
/// as CleanPath gives it; otherwise as joined ("bin/../lib/kelvra"). Without
/// a readable /proc/self/exe, only the build's folder.
std::vector<std::string> DefaultModuleDirectories(bool clean);

/// `path` with "." and ".." resolved as far as possible and without
/// repeated or trailing separators, as QDir::cleanPath gives it.
std::string CleanPath(std::string_view path);

/// `fileName` in `directory`, as QDir::filePath joins them: an empty
/// directory is ".", and one trailing separator is dropped.
std::string ModuleFilePath(std::string_view directory, std::string_view fileName);

}  // namespace kelvra
