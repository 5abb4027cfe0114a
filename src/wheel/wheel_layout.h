// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace kelvra {

/// Where a bi-wheel puts things, in the drawing's own units: a canvas of
/// kWheelCanvasWidth x kWheelCanvasHeight, y growing downwards, that every
/// output scales to its size. Angles are degrees counter-clockwise from
/// 3 o'clock, as on a mathematician's circle.
namespace wheel {
inline constexpr double kCanvasWidth = 1060;
inline constexpr double kCanvasHeight = 760;
inline constexpr double kCentreX = 380;
inline constexpr double kCentreY = 380;
inline constexpr double kZodiacOuter = 356;  ///< the zodiac ring: sign glyphs
inline constexpr double kZodiacInner = 316;
inline constexpr double kOuterRingInner = 232;  ///< the woman's ring lies between this and kZodiacInner
inline constexpr double kInnerRingInner = 152;  ///< the man's ring lies between this and kOuterRingInner
inline constexpr double kOuterLabelSeparation = 5.2;  ///< degrees between neighbouring labels
inline constexpr double kInnerLabelSeparation = 7.2;
/// The declination strip: a vertical scale, north up.
inline constexpr double kStripLeft = 790;
inline constexpr double kStripRight = 1040;
inline constexpr double kStripAxisX = 915;
inline constexpr double kStripTop = 90;
inline constexpr double kStripBottom = 670;
inline constexpr double kStripLabelSeparation = 19;  ///< canvas units between neighbouring labels
/// The Ascendant's arrow lies outside the zodiac ring, its tip on the ring,
/// so it never covers a sign; the canvas's edge leaves it room at 9 o'clock.
inline constexpr double kAscendantArrowLength = 16;
static_assert(kCentreX - kZodiacOuter >= kAscendantArrowLength + 4);
}  // namespace wheel

/// A position on the canvas.
struct CanvasPoint {
  double x = 0;
  double y = 0;
  bool operator==(const CanvasPoint&) const = default;
};

/// The angle at which a wheel with `ascendant` at 9 o'clock shows
/// `longitude` (both ecliptic degrees): the zodiac runs counter-clockwise,
/// so 180 + longitude - ascendant, reduced to 0 <= angle < 360.
double WheelAngle(double longitude, double ascendant);

/// The point at `radius` from the wheel's centre in the direction `angle`.
CanvasPoint OnWheel(double angle, double radius);

/// Label angles for marks at `angles` (degrees, any order) round a circle:
/// every two neighbours at least `separation` apart (less only when the
/// marks cannot all fit: then 360 / count), the marks' order round the
/// circle kept (equal angles in the order given), each label as near its
/// mark as that allows. Returned in the order of `angles`, each 0..360.
std::vector<double> SpreadAround(std::span<const double> angles, double separation);

/// Label positions for marks at `positions` (any order) on the line from
/// `low` to `high`: at least `separation` apart (less only when they cannot
/// fit), in the marks' order (equal positions in the order given), within
/// the bounds, each as near its mark as that allows. In the order given.
std::vector<double> SpreadAlong(std::span<const double> positions, double separation, double low, double high);

/// Where the glyph of the sign starting at wheel angle `signStart` goes:
/// the sign's middle, or, when one of the `axes` (wheel angles of lines
/// across the zodiac ring) passes within `clearance` degrees of it, the
/// place within the sign nearest the middle that keeps `clearance` from
/// every axis and from the sign's edges. The middle when no place does.
double SignGlyphAngle(double signStart, std::span<const double> axes, double clearance);

/// The turn, in degrees clockwise on the canvas, that lays a text's baseline
/// along the radius at `angle`: reading outwards on the right half of the
/// wheel and inwards on the left, so that no text reads upside down
/// (upright text turned by it never runs leftwards). In -90..90.
double RadialTextTurn(double angle);

/// The left-most canvas x of the circle of `radius` round the wheel's centre
/// within the rows from `top` to `bottom`; kCanvasWidth when they miss it.
double CircleLeftEdge(double top, double bottom, double radius);

/// The distance from `p` to the segment from `a` to `b`.
double DistanceToSegment(CanvasPoint p, CanvasPoint a, CanvasPoint b);

}  // namespace kelvra
