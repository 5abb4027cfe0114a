// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// The atlas as the desktop program sees it. The library behind it brings GIO
// and its own data, so it lives in a module that the program loads on the
// first use of the atlas, never at start-up.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas_types.h"

namespace kelvra {

/// One search as the user types; Run blocks (call it off the GUI thread) and
/// Cancel, from any thread, makes it return at once, empty.
class PlaceSearch {
 public:
  virtual ~PlaceSearch() = default;
  virtual std::vector<AtlasPlace> Run(const std::string& text, std::size_t maxResults) = 0;
  virtual void Cancel() = 0;
};

/// Searches, lookups by name and by position, and the zones the atlas names.
/// The places it hands out live as long as the program.
class AtlasService {
 public:
  virtual ~AtlasService() = default;
  virtual std::unique_ptr<PlaceSearch> NewSearch() = 0;
  virtual AtlasFindResult Find(std::string_view city, std::string_view state, std::string_view country) const = 0;
  virtual AtlasNearest Nearest(double latitude, double longitude) const = 0;
  virtual const std::vector<std::string>& TimeZones() const = 0;
};

/// The module's entry point; its number changes whenever this interface or
/// the records do.
inline constexpr char kAtlasServiceSymbol[] = "kelvra_atlas_service_v1";
using AtlasServiceFunction = AtlasService* (*)();

}  // namespace kelvra
