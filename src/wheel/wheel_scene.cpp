// SPDX-License-Identifier: AGPL-3.0-or-later
#include "wheel/wheel_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "charts/zodiac.h"
#include "cosmodynes/contacts.h"

namespace kelvra {

namespace {

// U+FE0E asks for the text form, so a colour emoji font never takes a
// symbol that has an emoji form too.
constexpr std::string_view kTextStyle = "\uFE0E";

std::string PointGlyph(ChartPoint point) {
  using P = ChartPoint;
  switch (point) {
    case P::Sun: return "\u2609";
    case P::Mercury: return "\u263F";
    case P::Venus: return std::string("\u2640") + std::string(kTextStyle);
    case P::Mars: return std::string("\u2642") + std::string(kTextStyle);
    case P::Jupiter: return "\u2643";
    case P::Saturn: return "\u2644";
    case P::Uranus: return "\u2645";
    case P::Neptune: return "\u2646";
    case P::Pluto: return "\u2647";
    case P::Moon: return "\u263D";
    case P::NorthNode: return "\u260A";
    case P::SouthNode: return "\u260B";
    case P::PartOfFortune: return "\u2297";
    case P::Ascendant: return "AC";
    case P::Midheaven: return "MC";
    case P::Chiron: return "\u26B7";
  }
  return "?";
}

std::string_view ContactSymbol(ContactKind kind) {
  using K = ContactKind;
  switch (kind) {
    case K::Conjunction: return "\u260C";
    case K::Sextile: return "\u26B9";
    case K::Square: return "\u25A1";
    case K::Trine: return "\u25B3";
    case K::Opposition: return "\u260D";
    case K::SemiSextile: return "\u26BA";
    case K::SemiSquare: return "\u2220";
    case K::Sesquiquadrate: return "\u26BC";
    case K::Quincunx: return "\u26BB";
    case K::Parallel: return "\u2225";
  }
  return "?";
}

std::string_view ContactWord(ContactKind kind) {
  using K = ContactKind;
  switch (kind) {
    case K::Conjunction: return "conjunction";
    case K::Sextile: return "sextile";
    case K::Square: return "square";
    case K::Trine: return "trine";
    case K::Opposition: return "opposition";
    case K::SemiSextile: return "semisextile";
    case K::SemiSquare: return "semisquare";
    case K::Sesquiquadrate: return "sesquiquadrate";
    case K::Quincunx: return "quincunx";
    case K::Parallel: return "parallel";
  }
  return "contact";
}

// "15°07'": the degree and minute of the report's zodiac text, so the wheel
// never disagrees with the table by a rounding.
std::string DegreesText(double longitude) {
  const std::string text = PrintSignData(longitude);
  return text.substr(0, 2) + "\u00B0" + text.substr(7, 2) + "'";
}

std::vector<RingMark> Ring(const NatalChart& chart, double ascendant, double separation) {
  std::vector<RingMark> marks;
  std::vector<double> angles;
  for (ChartPoint point : kAllChartPoints) {
    const double longitude = chart.Longitude[point];
    marks.push_back({point, WheelAngle(longitude, ascendant), 0, PointGlyph(point), DegreesText(longitude)});
    angles.push_back(marks.back().angle);
  }
  const std::vector<double> labels = SpreadAround(angles, separation);
  for (std::size_t i = 0; i < marks.size(); ++i) marks[i].labelAngle = labels[i];
  return marks;
}

std::vector<StripMark> Strip(const NatalChart& chart, double limit) {
  std::vector<StripMark> marks;
  std::vector<double> ys;
  for (ChartPoint point : kContactPoints) {
    const double declination = chart.Declination[point];
    marks.push_back({point, declination, StripY(declination, limit), 0, PointGlyph(point)});
    ys.push_back(marks.back().y);
  }
  const std::vector<double> labels =
      SpreadAlong(ys, wheel::kStripLabelSeparation, wheel::kStripTop, wheel::kStripBottom);
  for (std::size_t i = 0; i < marks.size(); ++i) marks[i].labelY = labels[i];
  return marks;
}

const StripMark& MarkOf(const std::vector<StripMark>& strip, ChartPoint point) {
  return *std::find_if(strip.begin(), strip.end(), [&](const StripMark& m) { return m.point == point; });
}

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

double StripY(double declination, double limit) {
  const double middle = (wheel::kStripTop + wheel::kStripBottom) / 2;
  const double clamped = std::clamp(declination, -limit, limit);
  return middle - clamped / limit * (wheel::kStripBottom - wheel::kStripTop) / 2;
}

WheelScene BuildWheelScene(const CoupleCharts& charts, const Explanation& explanation, std::string_view maleName,
                           std::string_view femaleName) {
  WheelScene scene;
  scene.maleName = TrimmedName(maleName);
  scene.femaleName = TrimmedName(femaleName);
  const double ascendant = charts.male.Longitude[ChartPoint::Ascendant];
  scene.ascendant = ascendant;
  for (std::size_t house = 1; house <= 12; ++house)
    scene.cuspAngles[house] = WheelAngle(charts.male.Cusps[house], ascendant);
  scene.porphyry = charts.male.PorphyryCusps;
  scene.male = Ring(charts.male, ascendant, wheel::kInnerLabelSeparation);
  scene.female = Ring(charts.female, ascendant, wheel::kOuterLabelSeparation);

  // The scale reaches the next 5 degrees past the largest declination, and
  // never less than the Sun's +-23.4.
  double largest = 25;
  for (ChartPoint point : kContactPoints)
    largest = std::max({largest, std::fabs(charts.male.Declination[point]), std::fabs(charts.female.Declination[point])});
  scene.stripLimit = std::min(90.0, std::ceil(largest / 5) * 5);
  scene.maleStrip = Strip(charts.male, scene.stripLimit);
  scene.femaleStrip = Strip(charts.female, scene.stripLimit);

  for (std::size_t i = 0; i < explanation.contacts.size(); ++i) {
    const ContactExplanation& explained = explanation.contacts[i];
    const Contact& contact = explained.contact;
    SceneContact drawn{i, contact, ContactTone::Neutral, {}, {}, {}};
    if (explained.harmonyDelta > 0) drawn.tone = ContactTone::Adds;
    if (explained.harmonyDelta < 0) drawn.tone = ContactTone::TakesAway;
    if (contact.kind == ContactKind::Parallel) {
      drawn.from = {wheel::kStripAxisX - 20, MarkOf(scene.maleStrip, contact.malePoint).y};
      drawn.to = {wheel::kStripAxisX + 20, MarkOf(scene.femaleStrip, contact.femalePoint).y};
    } else {
      drawn.from = OnWheel(WheelAngle(charts.male.Longitude[contact.malePoint], ascendant), wheel::kInnerRingInner);
      drawn.to = OnWheel(WheelAngle(charts.female.Longitude[contact.femalePoint], ascendant), wheel::kInnerRingInner);
    }
    drawn.caption = PointGlyph(contact.malePoint) + " " + std::string(ChartPointName(contact.malePoint)) + " " +
                    std::string(ContactSymbol(contact.kind)) + " " + std::string(ContactWord(contact.kind)) + " " +
                    PointGlyph(contact.femalePoint) + " " + std::string(ChartPointName(contact.femalePoint));
    scene.contacts.push_back(std::move(drawn));
  }
  return scene;
}

std::optional<std::size_t> ContactAt(const WheelScene& scene, CanvasPoint p, double tolerance) {
  std::optional<std::size_t> nearest;
  double best = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < scene.contacts.size(); ++i) {
    const double distance = DistanceToSegment(p, scene.contacts[i].from, scene.contacts[i].to);
    if (distance <= tolerance && distance < best) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

std::string WheelTitle(std::string_view maleName, std::string_view femaleName) {
  const std::string male = TrimmedName(maleName), female = TrimmedName(femaleName);
  if (male.empty() || female.empty()) return "The two charts";
  return male + " and " + female + ": their two charts";
}

std::string SpokenDescription(const WheelScene& scene) {
  const std::string male = scene.maleName.empty() ? std::string("The man") : scene.maleName;
  const std::string female = scene.femaleName.empty() ? std::string("the woman") : scene.femaleName;
  std::size_t adds = 0, takes = 0, aspects = 0;
  for (const SceneContact& c : scene.contacts) {
    adds += c.tone == ContactTone::Adds;
    takes += c.tone == ContactTone::TakesAway;
    aspects += c.contact.kind != ContactKind::Parallel;
  }
  const std::size_t neutral = scene.contacts.size() - adds - takes;
  std::string text = male + "'s chart is on the inner ring, with his houses; " + female +
                     "'s chart is on the outer ring. ";
  if (scene.porphyry) text += std::string(kPorphyryNote) + ". ";
  text += Plural(scene.contacts.size(), "scored contact is", "scored contacts are") + " drawn: " +
          Plural(aspects, "aspect", "aspects") + " as lines across the centre and " +
          Plural(scene.contacts.size() - aspects, "parallel", "parallels") +
          " of declination on the strip beside the wheel. " + Plural(adds, "adds", "add") +
          " to harmony (solid blue lines), " + Plural(takes, "takes", "take") +
          " away (dashed orange lines), " + std::to_string(neutral) +
          " change nothing (dotted grey lines). The arrow keys step through the contacts; the Explanation tab "
          "lists every one in a table.";
  return text;
}

}  // namespace kelvra
