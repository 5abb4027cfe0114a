// SPDX-License-Identifier: AGPL-3.0-or-later
#include <dlfcn.h>

#include <filesystem>

#include "cli/picture_module.h"

namespace kelvra::cli {

std::unique_ptr<PictureSession> StartPictureSession(const char* program, const std::string& directory,
                                                    std::string& failure) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  const std::filesystem::path places[] = {self, self / KELVRA_PICTURE_INSTALLED_MODULE_DIR,
                                          KELVRA_PICTURE_BUILD_MODULE_DIR};
  std::string problems;
  for (const std::filesystem::path& place : places) {
    const std::filesystem::path path = place / KELVRA_PICTURE_MODULE_FILE;
    if (!std::filesystem::exists(path, ec)) continue;
    // Stays loaded for the rest of the run: the writer's code lives there.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      problems += std::string(problems.empty() ? "" : "; ") + ::dlerror();
      continue;
    }
    if (auto entry = reinterpret_cast<PictureSessionFunction>(::dlsym(module, kPictureSessionSymbol)))
      return std::unique_ptr<PictureSession>(entry(program, directory.c_str()));
    problems += std::string(problems.empty() ? "" : "; ") + path.string() + " is not kelvra-cli's picture module";
  }
  failure = "cannot draw wheels: " +
            (problems.empty() ? std::string("the module " KELVRA_PICTURE_MODULE_FILE " was not found") : problems);
  return nullptr;
}

}  // namespace kelvra::cli
