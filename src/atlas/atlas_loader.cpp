// SPDX-License-Identifier: AGPL-3.0-or-later
#include "atlas/atlas_loader.h"

#include <dlfcn.h>

#include <mutex>

#include "modules/module_loader.h"

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
    *failure = ModuleFailure(request, loaded,
                             {.opening = "The atlas cannot be opened. ",
                              .notLoadable = kLibraryNotLoadable,
                              .noEntryPoint = "{path} is not an atlas module of this Kelvra version.",
                              .notFound = "Its module {file} was not found in {directories}.",
                              .separator = " "});
  }
  return nullptr;
}

bool AtlasLoaded() { return Loaded() != nullptr; }

}  // namespace kelvra
