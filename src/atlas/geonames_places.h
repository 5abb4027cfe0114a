// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// What the index and the query share of libgeonames, without its GLib headers.

#include "atlas/atlas.h"

namespace kelvra::atlas_detail {

int LibraryPlaceCount();

/// Names in the calling thread's locale (libgeonames translates them with gettext).
AtlasPlace LibraryPlace(int index);

}  // namespace kelvra::atlas_detail
