// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_place.h"

#include <cmath>
#include <variant>

#include "entry/birth_entries.h"

namespace kelvra {

WholeMinutes ToWholeMinutes(double degrees) {
  // A decimal such as 10.991666... means the half minute even where binary
  // arithmetic lands a hair below it; the allowance is far below any
  // coordinate's precision.
  constexpr double kAllowance = 1e-9;
  const auto total = static_cast<long long>(std::floor(std::fabs(degrees) * 60.0 + 0.5 + kAllowance));
  return {static_cast<int>(total / 60), static_cast<int>(total % 60), degrees < 0 && total > 0};
}

PersonEntries WithAtlasPlace(PersonEntries entries, const AtlasPlace& place) {
  entries.city = QString::fromStdString(place.city);
  entries.state = QString::fromStdString(place.state);
  entries.country = QString::fromStdString(place.country);
  const WholeMinutes latitude = ToWholeMinutes(place.latitude);
  const WholeMinutes longitude = ToWholeMinutes(place.longitude);
  entries.latDeg = QString::number(latitude.degrees);
  entries.latMin = QString::number(latitude.minutes);
  entries.longDeg = QString::number(longitude.degrees);
  entries.longMin = QString::number(longitude.minutes);
  entries.north = !latitude.negative;
  entries.south = latitude.negative;
  entries.east = !longitude.negative;
  entries.west = longitude.negative;
  return entries;
}

std::optional<GeoPoint> TypedCoordinates(const PersonEntries& entries) {
  if (!(entries.north || entries.south) || !(entries.east || entries.west)) return std::nullopt;
  const auto read = ReadBirthData(entries);
  const auto* birth = std::get_if<BirthData>(&read);
  if (!birth) return std::nullopt;
  const GeoPoint point{GeographicLatitude(*birth), GeographicLongitude(*birth)};
  if (std::fabs(point.latitude) > 90 || std::fabs(point.longitude) > 180) return std::nullopt;
  return point;
}

bool PlaceDiffers(const PersonEntries& a, const PersonEntries& b) {
  return a.city != b.city || a.state != b.state || a.country != b.country || a.latDeg != b.latDeg ||
         a.latMin != b.latMin || a.longDeg != b.longDeg || a.longMin != b.longMin || a.north != b.north ||
         a.south != b.south || a.east != b.east || a.west != b.west;
}

}  // namespace kelvra
