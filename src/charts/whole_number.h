// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvra {

/// Rounds to the nearest whole number, halves to the even neighbour
/// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Non-finite values come back unchanged.
double RoundHalfEven(double x);

/// RoundHalfEven(x) as a 32-bit integer, or nothing when x is not finite or the
/// rounded value lies outside the 32-bit range.
std::optional<std::int32_t> ToInt32HalfEven(double x);

/// Converts a decimal text to a 32-bit integer the way the form's numbers are
/// read: leading and trailing blanks are ignored, an optional sign, digits, an
/// optional fraction; the fraction is rounded half to even exactly, from its
/// digits ("2.5" -> 2, "3.5" -> 4, "2.50001" -> 3). Gives nothing for text
/// that is not such a number or whose value does not fit in 32 bits.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

}  // namespace kelvra
