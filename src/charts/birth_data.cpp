// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/birth_data.h"

namespace kelvra {

double GeographicLatitude(const BirthData& birth) {
  const double degrees = birth.LatDeg + birth.LatMin / 60.0;
  return birth.LatDir == LatitudeDirection::South ? -degrees : degrees;
}

double GeographicLongitude(const BirthData& birth) {
  const double degrees = birth.LongDeg + birth.LongMin / 60.0;
  return birth.LongDir == LongitudeDirection::West ? -degrees : degrees;
}

std::string TrimmedName(std::string_view name) {
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(name.substr(first, name.find_last_not_of(" \t") - first + 1));
}

}  // namespace kelvra
