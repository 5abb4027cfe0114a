// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/angles.h"

#include <cmath>

namespace kelvra {

double NormalizeDegrees(double x) {
  if (x >= 0) return x - 360 * std::floor(x / 360);
  return (x - 360 * (std::floor(x / 360) + 1)) + 360;
}

double CosDeg(double degrees) { return std::cos(degrees * kShortPi / 180); }

double SinDeg(double degrees) { return std::sin(degrees * kShortPi / 180); }

double Degrees(double radians) { return radians * 180 / kShortPi; }

double EclipticDeclination(double longitude, double obliquity) {
  const double x = CosDeg(longitude);
  const double y = SinDeg(longitude) * CosDeg(obliquity);
  const double z = SinDeg(longitude) * SinDeg(obliquity);
  // r vanishes only for an obliquity of exactly 90 degrees, which the
  // ephemeris never returns.
  const double r = std::sqrt(x * x + y * y);
  return Degrees(std::atan(z / r));
}

}  // namespace kelvra
