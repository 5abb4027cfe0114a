// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas' words: its credit and why it cannot be opened.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// The attribution the place data's licence (CC BY 4.0) asks for, in the
/// atlas window, the About box and kelvra-cli's --version text.
inline constexpr Template kAtlasCredit =
    KELVRA_TR("Atlas", "Place data: GeoNames (https://www.geonames.org), licensed under CC BY 4.0");

/// %1 why: one or more of the sentences below, joined by kAtlasProblemSeparator.
inline constexpr Template kAtlasCannotOpen = KELVRA_TR("Atlas", "The atlas cannot be opened. %1");
/// %1 the file, %2 the system's reason, in the words Qt gives a library that
/// does not load.
inline constexpr Template kAtlasModuleNotLoadable = KELVRA_TR("Atlas", "Cannot load library %1: (%2)");
/// %1 the file.
inline constexpr Template kAtlasModuleNotOurs = KELVRA_TR("Atlas", "%1 is not an atlas module of this Kelvra version.");
/// %1 the module's file name, %2 the folders searched, joined by kAtlasFolderSeparator.
inline constexpr Template kAtlasModuleNotFound = KELVRA_TR("Atlas", "Its module %1 was not found in %2.");
inline constexpr Template kAtlasFolderSeparator = KELVRA_TR("Atlas", ", ");
inline constexpr Template kAtlasProblemSeparator = KELVRA_TR("Atlas", " ");

}  // namespace kelvra::words
