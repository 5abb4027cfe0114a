// SPDX-License-Identifier: AGPL-3.0-or-later
#include "wheel/wheel_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>

namespace kelvra {

namespace {

double Turn(double angle) {
  const double reduced = std::fmod(angle, 360.0);
  const double turned = reduced < 0 ? reduced + 360 : reduced;
  return turned >= 360 ? 0 : turned;  // -1e-17 + 360 rounds to 360
}

// Indexes of `values` in ascending order, equal values in the order given.
std::vector<std::size_t> Ascending(std::span<const double> values) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  return order;
}

// Sorted positions spread as a chain of blocks: each block's labels sit
// `separation` apart around the mean of what its members want, and a block
// that overlaps the one before merges with it (pool adjacent violators).
std::vector<double> SpreadSorted(const std::vector<double>& wanted, double separation, double low, double high) {
  struct Block {
    std::size_t first, count;
    double sum;  // of wanted[i] - (i - first) * separation
    double start;
  };
  const auto place = [&](Block& b) {
    b.start = std::clamp(b.sum / double(b.count), low, std::max(low, high - double(b.count - 1) * separation));
  };
  std::vector<Block> blocks;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    Block block{i, 1, wanted[i], 0};
    place(block);
    while (!blocks.empty() && blocks.back().start + double(blocks.back().count) * separation > block.start) {
      Block& before = blocks.back();
      block.sum = before.sum + block.sum - double(before.count) * separation * double(block.count);
      block.first = before.first;
      block.count += before.count;
      place(block);
      blocks.pop_back();
    }
    blocks.push_back(block);
  }
  std::vector<double> spread(wanted.size());
  for (const Block& b : blocks)
    for (std::size_t k = 0; k < b.count; ++k) spread[b.first + k] = b.start + double(k) * separation;
  return spread;
}

}  // namespace

double WheelAngle(double longitude, double ascendant) { return Turn(180 + longitude - ascendant); }

CanvasPoint OnWheel(double angle, double radius) {
  const double radians = angle * std::numbers::pi / 180;
  return {wheel::kCentreX + radius * std::cos(radians), wheel::kCentreY - radius * std::sin(radians)};
}

std::vector<double> SpreadAround(std::span<const double> angles, double separation) {
  const std::size_t n = angles.size();
  if (n < 2) return std::vector<double>(angles.begin(), angles.end());
  separation = std::min(separation, 360.0 / double(n));
  std::vector<double> turned(n);
  std::transform(angles.begin(), angles.end(), turned.begin(), Turn);
  const std::vector<std::size_t> order = Ascending(turned);

  // Open the circle in the middle of its widest gap, where spreading is least
  // likely to reach round to the other side.
  std::size_t cut = 0;  // the first mark after the gap
  double widest = -1;
  for (std::size_t k = 0; k < n; ++k) {
    const double before = turned[order[(k + n - 1) % n]];
    const double gap = Turn(turned[order[k]] - before);
    const double span = k == 0 ? turned[order[0]] + 360 - before : gap;
    if (span > widest) {
      widest = span;
      cut = k;
    }
  }
  const double gapStart = turned[order[(cut + n - 1) % n]];
  const double origin = gapStart + widest / 2;  // the line runs from here once round
  std::vector<double> wanted(n);
  for (std::size_t k = 0; k < n; ++k) {
    double a = turned[order[(cut + k) % n]];
    while (a < origin) a += 360;
    wanted[k] = a;
  }
  const std::vector<double> spread =
      SpreadSorted(wanted, separation, origin + separation / 2, origin + 360 - separation / 2);
  std::vector<double> labels(n);
  for (std::size_t k = 0; k < n; ++k) labels[order[(cut + k) % n]] = Turn(spread[k]);
  return labels;
}

std::vector<double> SpreadAlong(std::span<const double> positions, double separation, double low, double high) {
  const std::size_t n = positions.size();
  if (n == 0) return {};
  if (n > 1) separation = std::min(separation, (high - low) / double(n - 1));
  const std::vector<std::size_t> order = Ascending(positions);
  std::vector<double> wanted(n);
  for (std::size_t k = 0; k < n; ++k) wanted[k] = positions[order[k]];
  const std::vector<double> spread = SpreadSorted(wanted, separation, low, high);
  std::vector<double> labels(n);
  for (std::size_t k = 0; k < n; ++k) labels[order[k]] = spread[k];
  return labels;
}

double SignGlyphAngle(double signStart, std::span<const double> axes, double clearance) {
  const double middle = 15;  // all in degrees from the sign's start
  std::vector<double> across;
  for (double axis : axes) across.push_back(Turn(axis - signStart));
  const auto clear = [&](double at) {
    if (at < clearance - 1e-9 || at > 30 - clearance + 1e-9) return false;
    // Measured round the circle, so an axis just before the sign counts too.
    return std::all_of(across.begin(), across.end(), [&](double a) {
      const double apart = std::fabs(a - at);
      return std::min(apart, 360 - apart) >= clearance - 1e-9;
    });
  };
  if (clear(middle)) return Turn(signStart + middle);
  std::optional<double> best;
  for (double a : across)
    for (double at : {a - clearance, a + clearance})
      if (clear(at) && (!best || std::fabs(at - middle) < std::fabs(*best - middle))) best = at;
  return Turn(signStart + best.value_or(middle));
}

double RadialTextTurn(double angle) {
  const double turned = Turn(angle);
  // Outwards is a turn of -angle; on the left half that would read leftwards
  // and upside down, so the text turns half a circle further and reads inwards.
  if (turned <= 90) return -turned;
  if (turned < 270) return 180 - turned;
  return 360 - turned;
}

double CircleLeftEdge(double top, double bottom, double radius) {
  const double nearest = std::clamp(wheel::kCentreY, std::min(top, bottom), std::max(top, bottom));
  const double dy = std::fabs(nearest - wheel::kCentreY);
  if (dy >= radius) return wheel::kCanvasWidth;
  return wheel::kCentreX - std::sqrt(radius * radius - dy * dy);
}

double DistanceToSegment(CanvasPoint p, CanvasPoint a, CanvasPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace kelvra
