// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// The atlas' plain records, shared by the library, its module and the
// program that loads the module: no library header behind them.

#include <string>
#include <vector>

namespace kelvra {

struct AtlasPlace {
  std::string city;
  std::string state;        ///< first-level division: US state, Indian state, Norwegian county...
  std::string country;
  std::string countryCode;  ///< ISO 3166-1 alpha-2, upper case
  std::string timeZone;     ///< IANA name as the atlas spells it, e.g. "Europe/Kiev"
  double latitude = 0;      ///< degrees, north positive
  double longitude = 0;     ///< degrees, east positive
  long population = 0;
};

/// What AtlasIndex::Find made of a city, state and country.
struct AtlasFindResult {
  enum class Outcome { Found, NotFound, Ambiguous };
  Outcome outcome = Outcome::NotFound;
  /// Every place that fits, most populous first: one when Found, two or more
  /// when Ambiguous (so the caller can list them), none when NotFound.
  std::vector<const AtlasPlace*> places;

  const AtlasPlace* Place() const { return outcome == Outcome::Found ? places.front() : nullptr; }
};

struct AtlasNearest {
  const AtlasPlace* place = nullptr;  ///< null only for coordinates that are not numbers
  double distanceKm = 0;
};

}  // namespace kelvra
