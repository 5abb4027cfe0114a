// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string_view>

#include "cli/birth_moment.h"

namespace kelvra::cli {

/// The atlas place of a birthplace, from the atlas held in memory: built on
/// the first call, never searched by the library per row.
PlaceZone FindAtlasPlaceZone(std::string_view city, std::string_view state, std::string_view country);

}  // namespace kelvra::cli
