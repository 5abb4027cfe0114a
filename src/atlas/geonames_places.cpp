// SPDX-License-Identifier: AGPL-3.0-or-later
// geonames.h brings in GIO; it stays in .cpp files, away from Qt's `signals`.
#include <geonames.h>

#include "atlas/geonames_places.h"

#include <memory>

namespace kelvra::atlas_detail {

namespace {

std::string Text(const gchar* text) { return text ? text : ""; }

}  // namespace

int LibraryPlaceCount() { return geonames_get_n_cities(); }

AtlasPlace LibraryPlace(int index) {
  const std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)> city(geonames_get_city(index),
                                                                           &geonames_city_free);
  if (!city) return {};
  GeonamesCity* c = city.get();
  return AtlasPlace{
      .city = Text(geonames_city_get_name(c)),
      .state = Text(geonames_city_get_state(c)),
      .country = Text(geonames_city_get_country(c)),
      .countryCode = Text(geonames_city_get_country_code(c)),
      .timeZone = Text(geonames_city_get_timezone(c)),
      .latitude = geonames_city_get_latitude(c),
      .longitude = geonames_city_get_longitude(c),
      .population = static_cast<long>(geonames_city_get_population(c)),
  };
}

}  // namespace kelvra::atlas_detail
