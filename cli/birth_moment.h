// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/birth_data.h"
#include "cli/person_reader.h"

namespace kelvra::cli {

/// What the atlas says of a birthplace: its time zone, or why there is none.
struct PlaceZone {
  enum class Found { One, None, Several };
  Found found = Found::None;
  std::string zone;  ///< with One: the place's tz database zone
  std::vector<std::string> candidates;  ///< with Several: "City, State, Country" of each, largest first
};

/// Looks a birthplace up by city, state (may be empty) and country.
using PlaceZoneFinder = std::function<PlaceZone(std::string_view city, std::string_view state,
                                                std::string_view country)>;

/// A clock time converted to Universal Time, as the output states it.
struct Conversion {
  std::string ut;         ///< "1950-07-01T16:00:00"
  std::string utcOffset;  ///< "-04:00", "+03:06:52"
};
using Conversions = std::array<std::optional<Conversion>, 2>;  ///< male, female

/// The optional columns that say how a person's clock time becomes UT.
inline constexpr std::array<std::string_view, 2> kZoneColumns = {"tz", "utc_offset"};

/// A birthplace as the refusals name it: "City, State, Country", or
/// "City, Country" without a state.
std::string PlaceText(std::string_view city, std::string_view state, std::string_view country);

/// Converts one person's clock time to Universal Time by the zone value
/// (a tz database zone), else the offset value (+HH:MM or -HH:MM), else the
/// zone of the atlas place of the birthplace; sets birth.Ut and `conversion`.
/// Gives the refusal instead, as "column: message" with the columns named
/// by `columns`.
std::optional<std::string> ConvertBirthTime(const PersonColumns& columns, BirthData& birth, std::string_view zone,
                                            std::string_view offset, const PlaceZoneFinder& findPlaceZone,
                                            Conversion& conversion);

}  // namespace kelvra::cli
