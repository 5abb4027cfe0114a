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

}  // namespace kelvra
