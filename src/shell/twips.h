// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QRect>

namespace kelvra {

/// Layouts are given in twips; 15 twips make one device-independent pixel.
/// Halves round up, so every layout figure maps the same way everywhere.
constexpr int Twips(int twips) { return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30); }

/// Pixels measured on a widget, in twips, for layout rules that work in twips.
constexpr int PixelsToTwips(int pixels) { return pixels * 15; }

/// A rectangle given as left, top, width and height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

}  // namespace kelvra
