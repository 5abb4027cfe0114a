// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra {

enum class LatitudeDirection { North, South };
enum class LongitudeDirection { East, West };

/// A birth moment in Universal Time, for a clock time converted with its
/// time zone.
struct UniversalMoment {
  std::int32_t Year = 2000;
  std::int32_t Month = 1;
  std::int32_t Day = 1;
  double Hour = 0;  ///< 0 <= Hour < 24, minutes and seconds included
  bool operator==(const UniversalMoment&) const = default;
};

/// One person's birth record as entered. Day and Year stay text, as the
/// lists give them, and become numbers only when the chart is computed.
/// Times are local clock time as typed, and the chart is computed for them
/// as if they were Universal Time, unless the record carries the converted
/// moment in Ut.
struct BirthData {
  std::string Name;
  std::string Day;   ///< "1".."31"; not checked against the month
  std::int32_t Month = 1;  ///< 1..12
  std::string Year;  ///< "1900".."2050"
  std::int32_t Hour = 0;    ///< 0..24 (24 is offered and means the next day's 0 hours)
  std::int32_t Minute = 0;  ///< 0..59
  std::int32_t Second = 0;  ///< 0..59; kept with the record, no input of the chart
  std::int32_t LatDeg = 0;  ///< whole degrees, up to three digits, never range-checked
  std::int32_t LatMin = 0;  ///< minutes, up to three digits, never range-checked
  LatitudeDirection LatDir = LatitudeDirection::North;
  std::int32_t LongDeg = 0;
  std::int32_t LongMin = 0;
  LongitudeDirection LongDir = LongitudeDirection::East;
  std::string City;
  std::string State;
  std::string Country;
  /// When set, the chart is computed for this moment instead of the clock
  /// time above, which is then kept for what the report shows.
  std::optional<UniversalMoment> Ut;
};

/// Geographic latitude in decimal degrees, north positive:
/// LatDeg + LatMin / 60, negated for South. Not reduced to +-90: the value
/// goes to the ephemeris as entered (999 degrees 999 minutes gives 1015.65).
double GeographicLatitude(const BirthData& birth);

/// Geographic longitude in decimal degrees, east positive:
/// LongDeg + LongMin / 60, negated for West. Not reduced either.
double GeographicLongitude(const BirthData& birth);

/// A name as titles show it: without leading or trailing blanks and tabs.
std::string TrimmedName(std::string_view name);

}  // namespace kelvra
