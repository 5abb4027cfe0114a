// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "atlas/atlas_service.h"

namespace kelvra {

/// The atlas, loading its module on the first call; nullptr with the reason
/// in `failure` when no module can be loaded. Later calls answer at once.
AtlasService* LoadAtlas(std::string* failure = nullptr);

/// Whether the module is loaded: start-up must not load it.
bool AtlasLoaded();

/// Where the module is looked for: beside the program, in the installed
/// module folder, then in the build's.
std::vector<std::string> AtlasModuleDirectories();

}  // namespace kelvra
