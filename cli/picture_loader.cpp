// SPDX-License-Identifier: AGPL-3.0-or-later
#include <dlfcn.h>

#include "cli/picture_module.h"
#include "modules/module_loader.h"

namespace kelvra::cli {

std::unique_ptr<PictureSession> StartPictureSession(const char* program, const std::string& directory,
                                                    std::string& failure) {
  // Stays loaded for the rest of the run: the writer's code lives there.
  const ModuleRequest request{
      DefaultModuleDirectories(false), KELVRA_PICTURE_MODULE_FILE, kPictureSessionSymbol, RTLD_NOW | RTLD_LOCAL, {}};
  const LoadedModule loaded = LoadModule(request);
  if (auto entry = loaded.Entry<PictureSessionFunction>())
    return std::unique_ptr<PictureSession>(entry(program, directory.c_str()));
  failure = ModuleFailure(request, loaded,
                          {.opening = "cannot draw wheels: ",
                           .notLoadable = "{reason}",
                           .noEntryPoint = "{path} is not kelvra-cli's picture module",
                           .notFound = "the module {file} was not found",
                           .separator = "; "});
  return nullptr;
}

}  // namespace kelvra::cli
