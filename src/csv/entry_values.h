// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvra::csv {

/// The sixteen columns of one person's birth record, without a prefix, in
/// the order their values are checked.
inline constexpr std::array<std::string_view, 16> kPersonColumns = {
    "name",    "day",     "month",   "year",     "hour",     "minute", "second", "lat_deg",
    "lat_min", "lat_dir", "long_deg", "long_min", "long_dir", "city",   "state",  "country",
};

/// Digits only, any number of leading zeros, within [low, high]: a value of
/// one of the entry form's lists as a text column gives it.
std::optional<std::int32_t> WholeNumberIn(std::string_view text, std::int32_t low, std::int32_t high);

/// Degrees or minutes of a coordinate: one to three digits and no range
/// check, as the form's boxes take them.
std::optional<std::int32_t> CoordinatePart(std::string_view text);

/// 'N' or 'S' for "N", "S", "North" or "South" in any case; nothing else.
std::optional<char> LatitudeDirection(std::string_view text);

/// 'E' or 'W' for "E", "W", "East" or "West" in any case; nothing else.
std::optional<char> LongitudeDirection(std::string_view text);

}  // namespace kelvra::csv
