// SPDX-License-Identifier: AGPL-3.0-or-later
#include "modules/module_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace kelvra {

namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
  }
  return joined;
}

}  // namespace

LoadedModule LoadModule(const ModuleRequest& request) {
  LoadedModule loaded;
  for (const std::string& directory : request.directories) {
    const std::string path = ModuleFilePath(directory, request.fileName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) continue;
    if (request.beforeLoad) request.beforeLoad();
    void* library = ::dlopen(path.c_str(), request.openFlags);
    if (!library) {
      const char* reason = ::dlerror();
      loaded.problems.push_back({ModuleProblem::Kind::NotLoadable, path, reason ? reason : ""});
      continue;
    }
    ::dlerror();
    if (void* entry = ::dlsym(library, request.entryPoint)) {
      loaded.entry = entry;
      return loaded;
    }
    loaded.problems.push_back({ModuleProblem::Kind::NoEntryPoint, path, {}});
  }
  return loaded;
}

std::string ModuleFailure(const ModuleRequest& request, const LoadedModule& loaded, const ModuleFailureWords& words) {
  std::vector<std::string> problems;
  for (const ModuleProblem& problem : loaded.problems) {
    if (problem.kind == ModuleProblem::Kind::NotLoadable)
      problems.push_back(words.notLoadable(problem.path, problem.reason));
    else
      problems.push_back(words.noEntryPoint(problem.path));
  }
  if (problems.empty())
    problems.push_back(words.notFound(request.fileName, Joined(request.directories, words.directorySeparator)));
  return words.message(Joined(problems, words.separator));
}

std::vector<std::string> DefaultModuleDirectories(bool clean) {
  std::vector<std::string> directories;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && program.is_absolute()) {
    const std::filesystem::path beside = program.parent_path();
    const std::filesystem::path installed = beside / KELVRA_INSTALLED_MODULE_DIR;
    directories.push_back(beside.string());
    directories.push_back(clean ? CleanPath(beside.string() + "/" KELVRA_INSTALLED_MODULE_DIR) : installed.string());
  }
  directories.push_back(KELVRA_BUILD_MODULE_DIR);
  return directories;
}

std::string CleanPath(std::string_view path) {
  if (path.empty()) return {};
  const bool absolute = path.front() == '/';
  std::vector<std::string_view> kept;
  std::size_t at = 0;
  while (at <= path.size()) {
    std::size_t end = path.find('/', at);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(at, end - at);
    at = end + 1;
    if (part.empty() || part == ".") continue;
    // Above the top, ".." stays: nothing is known to undo it.
    if (part == ".." && !kept.empty() && kept.back() != "..") {
      kept.pop_back();
      continue;
    }
    kept.push_back(part);
  }
  std::string cleaned = absolute ? "/" : "";
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) cleaned += '/';
    cleaned += kept[i];
  }
  return cleaned.empty() ? "." : cleaned;
}

std::string ModuleFilePath(std::string_view directory, std::string_view fileName) {
  std::string path(directory.empty() ? std::string_view(".") : directory);
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.back() != '/') path += '/';
  return path.append(fileName);
}

}  // namespace kelvra
