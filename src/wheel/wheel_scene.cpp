// SPDX-License-Identifier: AGPL-3.0-or-later
#include "wheel/wheel_scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "charts/zodiac.h"
#include "cosmodynes/contacts.h"
#include "vocabulary/chart_words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/wheel_words.h"

namespace kelvra {

namespace {

std::string Glyph(ChartPoint point) { return std::string(PointGlyph(point)); }

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
    marks.push_back({point, WheelAngle(longitude, ascendant), 0, Glyph(point), DegreesText(longitude)});
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
    marks.push_back({point, declination, StripY(declination, limit), 0, Glyph(point)});
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
    const ContactKindWords& kind = WordsOf(contact.kind);
    drawn.caption = Tr(words::kContactCaption,
                       {PointGlyph(contact.malePoint), Tr(PointWords(contact.malePoint)), kind.symbol, Tr(kind.noun),
                        PointGlyph(contact.femalePoint), Tr(PointWords(contact.femalePoint))});
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
  if (male.empty() || female.empty()) return Tr(words::kTwoCharts);
  return Tr(words::kTwoChartsOfCouple, {male, female});
}

std::string SpokenDescription(const WheelScene& scene) {
  const std::string male = scene.maleName.empty() ? Tr(words::kMan.start) : scene.maleName;
  const std::string female = scene.femaleName.empty() ? Tr(words::kWoman.noun) : scene.femaleName;
  long long adds = 0, takes = 0, aspects = 0;
  for (const SceneContact& c : scene.contacts) {
    adds += c.tone == ContactTone::Adds;
    takes += c.tone == ContactTone::TakesAway;
    aspects += c.contact.kind != ContactKind::Parallel;
  }
  const auto all = static_cast<long long>(scene.contacts.size());
  std::string text = Tr(words::kSpokenRings, {male, female});
  if (scene.porphyry) text = Tr(words::kSpokenSentences, {text, Tr(words::kSpokenPorphyry)});
  const std::string contacts =
      Tr(words::kSpokenContacts, {TrN(words::kSpokenContactsDrawn, all), TrN(words::kSpokenAspects, aspects),
                                  TrN(words::kSpokenParallels, all - aspects)});
  const std::string tones = Tr(words::kSpokenTones, {TrN(words::kSpokenAdds, adds), TrN(words::kSpokenTakes, takes),
                                                     TrN(words::kSpokenNeutral, all - adds - takes)});
  for (const std::string& sentence : {contacts, tones, Tr(words::kSpokenKeys)})
    text = Tr(words::kSpokenSentences, {text, sentence});
  return text;
}

}  // namespace kelvra
