// SPDX-License-Identifier: AGPL-3.0-or-later
// The bi-wheel's layout: where points land and how labels make room.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <random>

#include "vocabulary/wheel_words.h"
#include "wheel/wheel_scene.h"

namespace kelvra {
namespace {

constexpr double kExact = 1e-9;  // the layout's own arithmetic, nothing more

double Gap(double from, double to) { return std::fmod(to - from + 720, 360.0); }

// Angles in random sets, half of them with five marks crowded into 10 degrees.
std::vector<double> RandomAngles(std::mt19937& random) {
  std::uniform_real_distribution<double> turn(0, 360), within(0, 10);
  std::vector<double> angles(std::uniform_int_distribution<std::size_t>(1, 18)(random));
  for (double& a : angles) a = turn(random);
  if (angles.size() >= 5 && random() % 2) {
    const double crowd = turn(random);
    for (std::size_t i = 0; i < 5; ++i) angles[i] = std::fmod(crowd + within(random), 360.0);
  }
  if (angles.size() >= 3 && random() % 4 == 0) angles[1] = angles[2] = angles[0];  // the same degree
  return angles;
}

TEST(WheelLayout, EveryLongitudeLandsWhereTheAscendantSaysAt9OClock) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> turn(0, 360);
  for (int trial = 0; trial < 1000; ++trial) {
    const double ascendant = turn(random), longitude = turn(random), radius = 100;
    const CanvasPoint asc = OnWheel(WheelAngle(ascendant, ascendant), radius);
    EXPECT_NEAR(asc.x, wheel::kCentreX - radius, kExact);
    EXPECT_NEAR(asc.y, wheel::kCentreY, kExact);
    // Counter-clockwise: the point's direction, seen from the centre, is its
    // distance along the zodiac from the Ascendant, turning down from 9 o'clock.
    const CanvasPoint p = OnWheel(WheelAngle(longitude, ascendant), radius);
    const double screen = std::atan2(-(p.y - wheel::kCentreY), p.x - wheel::kCentreX) * 180 / std::numbers::pi;
    EXPECT_NEAR(std::cos((screen - 180 - (longitude - ascendant)) * std::numbers::pi / 180), 1, kExact)
        << ascendant << ' ' << longitude;
  }
}

TEST(WheelLayout, LabelsAroundTheCircleKeepOrderAndSeparation) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 2000; ++trial) {
    const std::vector<double> marks = RandomAngles(random);
    const double separation = trial % 3 == 0 ? 25 : 6;  // some sets cannot fit at 25
    const std::vector<double> labels = SpreadAround(marks, separation);
    ASSERT_EQ(labels.size(), marks.size());
    const double needed = std::min(separation, 360.0 / double(marks.size()));
    std::vector<std::size_t> order(marks.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return marks[a] < marks[b]; });
    // Going round once from some label, the labels meet in the marks' order.
    if (order.size() < 2) {
      EXPECT_EQ(labels, marks);
      continue;
    }
    double turned = 0;
    bool roomy = true;
    for (std::size_t k = 0; k < order.size(); ++k) {
      const std::size_t next = order[(k + 1) % order.size()];
      const double gap = Gap(labels[order[k]], labels[next]);
      EXPECT_GE(gap, needed - kExact) << "trial " << trial;
      turned += gap;
      roomy = roomy && Gap(marks[order[k]], marks[next]) >= needed;
    }
    EXPECT_NEAR(turned, 360, 1e-6) << "trial " << trial;
    // Marks that already have room keep their places.
    for (std::size_t i = 0; roomy && i < marks.size(); ++i) EXPECT_NEAR(labels[i], marks[i], kExact) << trial;
  }
}

TEST(WheelLayout, LabelsAlongALineKeepOrderSeparationAndBounds) {
  std::mt19937 random(13);
  std::uniform_real_distribution<double> where(-20, 620);
  for (int trial = 0; trial < 2000; ++trial) {
    std::vector<double> marks(std::uniform_int_distribution<std::size_t>(1, 30)(random));
    for (double& m : marks) m = where(random);
    if (marks.size() > 5) std::fill(marks.begin(), marks.begin() + 5, where(random));  // the same degree
    const std::vector<double> labels = SpreadAlong(marks, 19, 0, 600);
    const double needed = marks.size() > 1 ? std::min(19.0, 600.0 / double(marks.size() - 1)) : 0;
    std::vector<std::size_t> order(marks.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return marks[a] < marks[b]; });
    for (std::size_t k = 0; k < order.size(); ++k) {
      EXPECT_GE(labels[order[k]], -kExact);
      EXPECT_LE(labels[order[k]], 600 + kExact);
      if (k > 0) {
        EXPECT_GE(labels[order[k]] - labels[order[k - 1]], needed - kExact) << "trial " << trial;
      }
    }
  }
}

// A sign's glyph keeps clear of the axes crossing the zodiac ring, staying
// in its sign and as near its middle as that allows.
TEST(WheelLayout, SignGlyphsStepAsideFromTheAxes) {
  const struct {
    double start;
    std::vector<double> axes;
    double clearance, glyph;
  } rows[] = {
      {30, {180, 270, 0, 90}, 3, 45},   // no axis in the sign: its middle
      {179, {180, 0, 90, 270}, 3, 194},  // an axis near the sign's start
      {164, {180, 0, 90, 270}, 3, 177},  // past the middle: to the roomier side
      {166, {180, 0, 90, 270}, 3, 183},
      {350, {6, 186}, 3, 3},             // the sign runs over 0 degrees
      {0, {14, 18}, 3, 11},              // two axes in one sign, as far north
      {0, {15}, 14, 15},                 // no room either side: the middle
      {0, {}, 3, 15},
  };
  for (const auto& row : rows)
    EXPECT_NEAR(SignGlyphAngle(row.start, row.axes, row.clearance), row.glyph, kExact) << row.start;
}

// Text along a radius never reads upside down: its baseline never runs
// leftwards, and it lies along the radius.
TEST(WheelLayout, RadialTextReadsUpright) {
  const struct {
    double angle, turn;
  } rows[] = {{0, 0},     {45, -45},  {90, -90},  {135, 45},  {180, 0},   {225, -45},
              {269, -89}, {270, 90},  {315, 45},  {360, 0},   {-45, 45},  {585, -45}};
  for (const auto& row : rows) EXPECT_NEAR(RadialTextTurn(row.angle), row.turn, kExact) << row.angle;
  for (double angle = -720; angle <= 720; angle += 0.25) {
    const double turn = RadialTextTurn(angle) * std::numbers::pi / 180, a = angle * std::numbers::pi / 180;
    EXPECT_GE(std::cos(turn), -kExact) << angle;       // the baseline's x on the canvas
    EXPECT_NEAR(std::sin(a + turn), 0, kExact) << angle;  // across the radius (cos a, -sin a): nothing
  }
}

TEST(WheelLayout, CircleLeftEdgeOverRows) {
  const struct {
    double top, bottom, radius, x;
  } rows[] = {
      {370, 390, 100, 280},                 // rows through the centre: the widest
      {390, 370, 100, 280},                 // in either order
      {80, 180, 250, 230},                  // above: the row nearest the centre counts
      {620, 580, 250, 230},                 // and below
      {80, 180, 200, wheel::kCanvasWidth},  // rows that miss the circle
  };
  for (const auto& row : rows)
    EXPECT_NEAR(CircleLeftEdge(row.top, row.bottom, row.radius), row.x, kExact) << row.top << ' ' << row.bottom;
}

CoupleCharts RandomCharts(std::mt19937& random) {
  std::uniform_real_distribution<double> turn(0, 360), declination(-28, 28), start(0, 30);
  CoupleCharts charts;
  for (NatalChart* chart : {&charts.male, &charts.female}) {
    for (ChartPoint point : kAllChartPoints) {
      chart->Longitude[point] = turn(random);
      chart->Declination[point] = declination(random);
      chart->House[point] = double(random() % 12 + 1);
    }
    double cusp = turn(random);
    for (std::size_t house = 1; house <= 12; ++house) chart->Cusps[house] = std::fmod(cusp += start(random), 360.0);
    chart->Longitude[ChartPoint::Ascendant] = chart->Cusps[1];
  }
  charts.contacts = FindContacts(charts.male, charts.female);
  return charts;
}

TEST(WheelScene, PointsCuspsAndContactsLieWhereTheChartsSay) {
  std::mt19937 random(17);
  for (int trial = 0; trial < 300; ++trial) {
    const CoupleCharts charts = RandomCharts(random);
    const WheelScene scene = BuildWheelScene(charts, ExplainAnalysis(charts, 0), "A", "B");
    const double ascendant = charts.male.Longitude[ChartPoint::Ascendant];
    ASSERT_EQ(scene.male.size(), std::size_t(kChartPointCount));
    for (std::size_t i = 0; i < scene.male.size(); ++i) {
      EXPECT_EQ(scene.male[i].angle, WheelAngle(charts.male.Longitude[scene.male[i].point], ascendant));
      EXPECT_EQ(scene.female[i].angle, WheelAngle(charts.female.Longitude[scene.female[i].point], ascendant));
    }
    EXPECT_NEAR(scene.cuspAngles[1], 180, kExact);
    double turned = 0;  // the cusps run once round, counter-clockwise
    for (std::size_t house = 1; house <= 12; ++house)
      turned += Gap(scene.cuspAngles[house], scene.cuspAngles[house % 12 + 1]);
    EXPECT_NEAR(turned, 360, 1e-6);
    ASSERT_EQ(scene.contacts.size(), charts.contacts.size());
    for (const SceneContact& c : scene.contacts) {
      // Every drawn contact can be found where it is drawn.
      const CanvasPoint middle{(c.from.x + c.to.x) / 2, (c.from.y + c.to.y) / 2};
      const auto found = ContactAt(scene, middle, 0.5);
      ASSERT_TRUE(found);
      EXPECT_LE(DistanceToSegment(middle, scene.contacts[*found].from, scene.contacts[*found].to), kExact);
      for (const StripMark& m : scene.maleStrip) EXPECT_LE(std::fabs(m.declination), scene.stripLimit);
    }
    EXPECT_FALSE(ContactAt(scene, {wheel::kCanvasWidth + 50, -50}, 5));
  }
}

TEST(WheelScene, WordsForTheReaderAndTheTitle) {
  std::mt19937 random(19);
  CoupleCharts charts = RandomCharts(random);
  charts.male.PorphyryCusps = true;
  const WheelScene scene = BuildWheelScene(charts, ExplainAnalysis(charts, 0), "  Ola ", "Kari");
  const std::string spoken = SpokenDescription(scene);
  EXPECT_NE(spoken.find("Ola's chart is on the inner ring"), std::string::npos) << spoken;
  EXPECT_NE(spoken.find(Tr(words::kPorphyryNote)), std::string::npos) << spoken;
  EXPECT_NE(spoken.find(std::to_string(scene.contacts.size()) + " scored contact"), std::string::npos) << spoken;
  EXPECT_EQ(WheelTitle(" Ola ", "Kari"), "Ola and Kari: their two charts");
  EXPECT_EQ(WheelTitle("", "Kari"), "The two charts");
}

// The words a screen reader hears, for a chart without names, and the
// picture's name for each contact.
TEST(WheelScene, SpokenWordsAndCaptionsOfAnUnnamedCouple) {
  CoupleCharts charts;
  charts.male.Longitude[ChartPoint::NorthNode] = 10;
  charts.female.Longitude[ChartPoint::Moon] = 190;
  charts.male.PorphyryCusps = true;
  Explanation explanation;
  const struct {
    ChartPoint male;
    ContactKind kind;
    double delta;
  } links[] = {{ChartPoint::NorthNode, ContactKind::Opposition, 2}, {ChartPoint::Sun, ContactKind::Parallel, 0}};
  for (const auto& link : links) {
    ContactExplanation e;
    e.contact = {link.male, ChartPoint::Moon, link.kind, AspectKind::None, 1};
    e.harmonyDelta = link.delta;
    explanation.contacts.push_back(e);
  }
  const WheelScene scene = BuildWheelScene(charts, explanation, " ", "");
  EXPECT_EQ(SpokenDescription(scene),
            "The man's chart is on the inner ring, with his houses; the woman's chart is on the outer ring. Porphyry "
            "houses (Placidus undefined at this latitude). 2 scored contacts are drawn: 1 aspect as lines across the "
            "centre and 1 parallel of declination on the strip beside the wheel. 1 adds to harmony (solid blue "
            "lines), 0 take away (dashed orange lines), 1 changes nothing (dotted grey lines). The arrow keys step "
            "through the contacts; the Explanation tab lists every one in a table.");
  ASSERT_EQ(scene.contacts.size(), 2u);
  EXPECT_EQ(scene.contacts[0].caption, "\u260A North Node \u260D opposition \u263D Moon");
  EXPECT_EQ(scene.contacts[1].caption, "\u2609 Sun \u2225 parallel \u263D Moon");
}

}  // namespace
}  // namespace kelvra
