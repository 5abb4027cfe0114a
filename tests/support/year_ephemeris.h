// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "recording_ephemeris.h"

namespace kelvra::testing {

/// Puts every point of a chart at one longitude and declination chosen by the
/// birth year, so that a couple can have a contact of one kind or none at all:
/// 1950 at 10 degrees, 1960 trines it, 1970 squares it, any other year (2000)
/// aspects nothing.
class YearEphemeris : public RecordingEphemeris {
 public:
  double JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour, std::int32_t flag) override {
    const double lon = year == 1950 ? 10 : year == 1960 ? 130 : year == 1970 ? 100 : 29;
    const double dec = year == 1950 ? 20 : -12;
    for (int body : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15}) {
      longitude[body] = lon;
      declination[body] = dec;
    }
    ascendant = midheaven = lon;
    calls.clear();
    return RecordingEphemeris::JulDay(year, month, day, hour, flag);
  }
};

}  // namespace kelvra::testing
