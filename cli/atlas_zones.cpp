// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/atlas_zones.h"

#include "atlas/atlas.h"

namespace kelvra::cli {

PlaceZone FindAtlasPlaceZone(std::string_view city, std::string_view state, std::string_view country) {
  const AtlasFindResult result = AtlasIndex::Instance().Find(city, state, country);
  PlaceZone zone;
  switch (result.outcome) {
    case AtlasFindResult::Outcome::Found:
      zone.found = PlaceZone::Found::One;
      zone.zone = result.Place()->timeZone;
      break;
    case AtlasFindResult::Outcome::NotFound: zone.found = PlaceZone::Found::None; break;
    case AtlasFindResult::Outcome::Ambiguous:
      zone.found = PlaceZone::Found::Several;
      for (const AtlasPlace* place : result.places) {
        zone.candidates.push_back(PlaceText(place->city, place->state, place->country));
      }
      break;
  }
  return zone;
}

}  // namespace kelvra::cli
