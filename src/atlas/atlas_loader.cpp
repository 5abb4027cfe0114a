// SPDX-License-Identifier: AGPL-3.0-or-later
#include "atlas/atlas_loader.h"

#include <dlfcn.h>

#include <mutex>

#include "modules/module_loader.h"
#include "vocabulary/atlas_words.h"

namespace kelvra {

namespace {

AtlasService*& Loaded() {
  static AtlasService* service = nullptr;
  return service;
}

}  // namespace

std::vector<std::string> AtlasModuleDirectories() { return DefaultModuleDirectories(true); }

AtlasService* LoadAtlas(std::string* failure) {
  static std::mutex mutex;
  const std::lock_guard lock(mutex);
  if (Loaded()) return Loaded();
  // Stays loaded for the rest of the run: its places are handed out by pointer.
  const ModuleRequest request{
      AtlasModuleDirectories(), KELVRA_ATLAS_MODULE_FILE, kAtlasServiceSymbol, RTLD_LAZY | RTLD_LOCAL, {}};
  const LoadedModule loaded = LoadModule(request);
  if (auto entry = loaded.Entry<AtlasServiceFunction>()) return Loaded() = entry();
  if (failure) {
    *failure = ModuleFailure(
        request, loaded,
        {.message = [](const std::string& problems) { return Tr(words::kAtlasCannotOpen, {problems}); },
         .notLoadable = [](const std::string& path,
                           const std::string& reason) { return Tr(words::kAtlasModuleNotLoadable, {path, reason}); },
         .noEntryPoint = [](const std::string& path) { return Tr(words::kAtlasModuleNotOurs, {path}); },
         .notFound = [](const std::string& file,
                        const std::string& folders) { return Tr(words::kAtlasModuleNotFound, {file, folders}); },
         .separator = Tr(words::kAtlasProblemSeparator),
         .directorySeparator = Tr(words::kAtlasFolderSeparator)});
  }
  return nullptr;
}

bool AtlasLoaded() { return Loaded() != nullptr; }

}  // namespace kelvra
