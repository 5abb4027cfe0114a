// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

namespace kelvra {

/// The program's own pi, shortened to ten decimals. The chart's derived
/// declinations are defined with it, so it is kept rather than M_PI.
inline constexpr double kShortPi = 3.1415926535;

/// Reduces an angle in degrees to one turn. For x >= 0: x - 360 * floor(x / 360);
/// for x < 0: (x - 360 * (floor(x / 360) + 1)) + 360, evaluated in that order.
/// In double arithmetic a tiny negative x (above about -3e-14) gives exactly 360.
double NormalizeDegrees(double x);

/// Cosine of an angle in degrees (converted with kShortPi).
double CosDeg(double degrees);

/// Sine of an angle in degrees (converted with kShortPi).
double SinDeg(double degrees);

/// Radians to degrees, with kShortPi.
double Degrees(double radians);

/// Declination in degrees of the ecliptic point at longitude `longitude`
/// (degrees) for the obliquity `obliquity` (degrees).
double EclipticDeclination(double longitude, double obliquity);

}  // namespace kelvra
