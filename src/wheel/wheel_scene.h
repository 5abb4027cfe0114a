// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_point.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"
#include "wheel/wheel_layout.h"

namespace kelvra {

/// One chart point on a ring of the wheel.
struct RingMark {
  ChartPoint point = ChartPoint::Sun;
  double angle = 0;       ///< where the point is, WheelAngle of its longitude
  double labelAngle = 0;  ///< where its label goes, spread from its neighbours
  std::string glyph;      ///< UTF-8: the planet's symbol, or "AC" / "MC"
  std::string degrees;    ///< within the sign, as the report rounds it: "15°07'"
};

/// A point on the declination strip.
struct StripMark {
  ChartPoint point = ChartPoint::Sun;
  double declination = 0;  ///< degrees, north positive
  double y = 0;            ///< canvas y of the point
  double labelY = 0;       ///< canvas y of its label, spread from its neighbours
  std::string glyph;
};

/// How a contact changed harmony, which chooses its colour and line style.
enum class ContactTone { Adds, TakesAway, Neutral };

/// A contact Kelvra scored, where it is drawn: an aspect as a chord in the
/// wheel's centre, a parallel as a join across the declination strip.
struct SceneContact {
  std::size_t scanIndex = 0;  ///< its place in the analysis's contact list
  Contact contact;
  ContactTone tone = ContactTone::Neutral;
  CanvasPoint from;  ///< the man's end
  CanvasPoint to;    ///< the woman's end
  std::string caption;  ///< "☉ Sun △ trine ♀ Venus": his point, the contact, her point
};

/// Everything a bi-wheel shows, laid out on the canvas: the man's chart on
/// the inner ring with his houses, the woman's on the outer ring, the scored
/// contacts, and both persons' declinations side by side.
struct WheelScene {
  std::string maleName;
  std::string femaleName;
  double ascendant = 0;               ///< the man's, at 9 o'clock
  std::array<double, 13> cuspAngles{};  ///< the man's cusps 1..12 as wheel angles
  bool porphyry = false;              ///< his cusps are Porphyry's (Placidus undefined)
  std::vector<RingMark> male;         ///< sixteen marks, chart-point order
  std::vector<RingMark> female;
  std::vector<StripMark> maleStrip;   ///< the scored points, chart-point order
  std::vector<StripMark> femaleStrip;
  double stripLimit = 30;  ///< the strip runs from +stripLimit (top) to -stripLimit degrees
  std::vector<SceneContact> contacts;  ///< every scored contact, in scan order
};

/// Lays out the bi-wheel of an analysis from its charts and its explanation
/// (which gives each contact's harmony delta and words).
WheelScene BuildWheelScene(const CoupleCharts& charts, const Explanation& explanation, std::string_view maleName,
                           std::string_view femaleName);

/// The canvas y of `declination` on a strip running from +limit to -limit.
double StripY(double declination, double limit);

/// The contact drawn nearest `p`, if one lies within `tolerance` canvas units.
std::optional<std::size_t> ContactAt(const WheelScene& scene, CanvasPoint p, double tolerance);

/// "Arthur and Guinevere: their two charts", the names trimmed.
std::string WheelTitle(std::string_view maleName, std::string_view femaleName);

/// The words said of the whole picture to a screen reader.
std::string SpokenDescription(const WheelScene& scene);

}  // namespace kelvra
