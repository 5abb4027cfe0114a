// SPDX-License-Identifier: AGPL-3.0-or-later
#include "recording_ephemeris.h"

#include <algorithm>
#include <ostream>

namespace kelvra::testing {

namespace {

bool Cleared(ErrorText serr) {
  return std::all_of(serr.begin(), serr.end(), [](char c) { return c == '\0'; });
}

double ValueOr(const std::map<int, double>& values, int body, double fallback) {
  const auto it = values.find(body);
  return it == values.end() ? fallback : it->second;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const EphemerisCall& call) {
  out << call.function << '(';
  if (!call.path.empty()) out << '"' << call.path << '"';
  for (std::size_t i = 0; i < call.args.size(); ++i) out << (i ? ", " : "") << call.args[i];
  return out << ')' << (call.errorTextCleared ? " [error text cleared]" : "");
}

void RecordingEphemeris::SetEphePath(const char* path) { calls.push_back({"swe_set_ephe_path", {}, path, false}); }

double RecordingEphemeris::JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour,
                                  std::int32_t gregflag) {
  calls.push_back({"swe_julday", {double(year), double(month), double(day), hour, double(gregflag)}, {}, false});
  return julianDay;
}

std::int32_t RecordingEphemeris::Houses(double tjdUt, double geolat, double geolon, std::int32_t hsys,
                                        CuspBuffer cusps, AngleBuffer ascmc) {
  calls.push_back({"swe_houses", {tjdUt, geolat, geolon, double(hsys)}, {}, false});
  cusps[1] = ascendant;
  cusps[10] = midheaven;
  ascmc[2] = armc;
  return 0;
}

std::int32_t RecordingEphemeris::Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx,
                                      ErrorText serr) {
  calls.push_back({"swe_calc", {tjd, double(ipl), double(iflag)}, {}, Cleared(serr)});
  std::fill(xx.begin(), xx.end(), 0.0);
  if (ipl == -1) {
    xx[0] = obliquity;
  } else if (iflag & 2048) {
    xx[1] = ValueOr(declination, ipl, 0);
  } else {
    xx[0] = ValueOr(longitude, ipl, 0);
    xx[1] = 0.25;  // an ecliptic latitude the house position must not see
  }
  lastBody_ = ipl;
  return iflag;
}

double RecordingEphemeris::HousePos(double armc_, double geolat, double eps, std::int32_t hsys,
                                    HousePositionInput xpin, ErrorText serr) {
  calls.push_back({"swe_house_pos", {armc_, geolat, eps, double(hsys), xpin[0], xpin[1], xpin[2]}, {}, Cleared(serr)});
  return ValueOr(housePosition, lastBody_, 1.5);
}

void RecordingEphemeris::Close() { calls.push_back({"swe_close", {}, {}, false}); }

}  // namespace kelvra::testing
