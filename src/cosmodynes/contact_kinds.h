// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
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

/// The contact kind of an aspect; none for AspectKind::None.
constexpr std::optional<ContactKind> ToContactKind(AspectKind aspect) {
  if (aspect == AspectKind::None) return std::nullopt;
  return static_cast<ContactKind>(static_cast<int>(aspect));
}

/// The aspect a contact kind is; AspectKind::None for a parallel.
constexpr AspectKind ToAspectKind(ContactKind kind) {
  if (kind == ContactKind::Parallel) return AspectKind::None;
  return static_cast<AspectKind>(static_cast<int>(kind));
}

/// The enumerator's name, as "Sesquiquadrate" or "None".
std::string_view AspectKindName(AspectKind aspect);
/// The enumerator's name, as "Trine" or "Parallel".
std::string_view ContactKindName(ContactKind kind);

}  // namespace kelvra
