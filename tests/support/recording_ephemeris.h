// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "charts/ephemeris.h"

namespace kelvra::testing {

/// One library call as the chart made it.
struct EphemerisCall {
  std::string function;      ///< the library's name, e.g. "swe_calc"
  std::vector<double> args;  ///< scalar arguments in order; xpin's three values follow for swe_house_pos
  std::string path;          ///< swe_set_ephe_path only
  bool errorTextCleared = false;  ///< every byte of the error buffer was NUL when called

  bool operator==(const EphemerisCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EphemerisCall& call);

/// Records every call and answers with values a test sets, so a chart can be
/// built from chosen positions without the library.
class RecordingEphemeris : public Ephemeris {
 public:
  // Answers.
  double julianDay = 2451545.0;
  double ascendant = 0, midheaven = 0, armc = 0;
  double obliquity = 23.44;
  std::map<int, double> longitude;    ///< by body number; default 0
  std::map<int, double> declination;  ///< by body number; default 0
  std::map<int, double> housePosition;  ///< by body number; default 1.5

  std::vector<EphemerisCall> calls;

  void SetEphePath(const char* path) override;
  double JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour,
                std::int32_t gregflag) override;
  std::int32_t Houses(double tjdUt, double geolat, double geolon, std::int32_t hsys, CuspBuffer cusps,
                      AngleBuffer ascmc) override;
  std::int32_t Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx, ErrorText serr) override;
  double HousePos(double armc, double geolat, double eps, std::int32_t hsys, HousePositionInput xpin,
                  ErrorText serr) override;
  void Close() override;

 private:
  int lastBody_ = 0;  // swe_house_pos follows the calls for its body
};

}  // namespace kelvra::testing
