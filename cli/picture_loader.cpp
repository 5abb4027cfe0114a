// SPDX-License-Identifier: AGPL-3.0-or-later
#include <dlfcn.h>

#include "cli/picture_module.h"
#include "modules/module_loader.h"
#include "vocabulary/cli_words.h"

namespace kelvra::cli {

std::unique_ptr<PictureSession> StartPictureSession(const char* program, const std::string& directory,
                                                    std::string& failure) {
  // Stays loaded for the rest of the run: the writer's code lives there.
  const ModuleRequest request{
      DefaultModuleDirectories(false), KELVRA_PICTURE_MODULE_FILE, kPictureSessionSymbol, RTLD_NOW | RTLD_LOCAL, {}};
  const LoadedModule loaded = LoadModule(request);
  if (auto entry = loaded.Entry<PictureSessionFunction>())
    return std::unique_ptr<PictureSession>(entry(program, directory.c_str()));
  // A file that does not load is told in dlerror's words alone.
  failure = ModuleFailure(
      request, loaded,
      {.message = [](const std::string& problems) { return Tr(words::kCliCannotDrawWheels, {problems}); },
       .notLoadable = [](const std::string&, const std::string& reason) { return reason; },
       .noEntryPoint = [](const std::string& path) { return Tr(words::kCliNotPictureModule, {path}); },
       .notFound = [](const std::string& file,
                      const std::string&) { return Tr(words::kCliPictureModuleNotFound, {file}); },
       .separator = Tr(words::kCliProblemSeparator),
       .directorySeparator = {}});
  return nullptr;
}

}  // namespace kelvra::cli
