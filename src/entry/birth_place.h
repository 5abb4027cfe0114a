// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>

#include "atlas/atlas_types.h"
#include "contracts/entry_form.h"

namespace kelvra {

/// An angle in whole degrees and whole minutes, as the entry form's boxes hold
/// it; `negative` is South or West.
struct WholeMinutes {
  int degrees = 0;
  int minutes = 0;  ///< 0..59
  bool negative = false;
  bool operator==(const WholeMinutes&) const = default;
};

/// Decimal degrees rounded to the nearest whole minute, half a minute up
/// (so 10° 59.5' gives 11° 00'). An angle that rounds to 0° 00' is positive.
WholeMinutes ToWholeMinutes(double degrees);

/// `entries` with an atlas place's city, state and country (verbatim) and its
/// coordinates in whole minutes with their directions; the rest untouched.
PersonEntries WithAtlasPlace(PersonEntries entries, const AtlasPlace& place);

/// A point on the Earth in decimal degrees, north and east positive.
struct GeoPoint {
  double latitude = 0;
  double longitude = 0;
  bool operator==(const GeoPoint&) const = default;
};

/// The coordinates as typed, when they name a point: all four numbers
/// readable, both directions chosen, latitude within ±90 and longitude within
/// ±180. Otherwise nothing.
std::optional<GeoPoint> TypedCoordinates(const PersonEntries& entries);

/// Whether two sets of entries differ in anything that places the birth:
/// city, state, country, the four numbers or the directions.
bool PlaceDiffers(const PersonEntries& a, const PersonEntries& b);

}  // namespace kelvra
