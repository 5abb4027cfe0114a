// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string_view>

namespace kelvra {

/// Aspects with the program's own codes (7 is not used).
enum class AspectKind : int {
  None = 1,
  Conjunction = 2,
  Sextile = 3,
  Square = 4,
  Trine = 5,
  Opposition = 6,
  SemiSextile = 8,
  SemiSquare = 9,
  Sesquiquadrate = 10,
  Quincunx = 11,
};

/// What a contact is: one of the aspects other than None, or a parallel of
/// declination. Aspect contacts keep their AspectKind codes.
enum class ContactKind : int {
  Conjunction = 2,
  Sextile = 3,
  Square = 4,
  Trine = 5,
  Opposition = 6,
  SemiSextile = 8,
  SemiSquare = 9,
  Sesquiquadrate = 10,
  Quincunx = 11,
  Parallel = 100,
};

/// The contact kind of an aspect; `aspect` must not be None.
constexpr ContactKind ToContactKind(AspectKind aspect) { return static_cast<ContactKind>(static_cast<int>(aspect)); }

/// The enumerator's name, as "Sesquiquadrate" or "None".
std::string_view AspectKindName(AspectKind aspect);
/// The enumerator's name, as "Trine" or "Parallel".
std::string_view ContactKindName(ContactKind kind);

}  // namespace kelvra
