// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "charts/ephemeris.h"

namespace kelvra {

/// Where Debian's swe-basic-data installs the ephemeris files.
inline constexpr const char* kEphemerisDataPath = "/usr/share/libswe/ephe";

/// The real library. Debian's libswe keeps its state (data path, open files,
/// caches) in thread-local storage, so one of these serves one thread: main
/// owns the program's and passes it by reference, and each kelvra-cli worker
/// makes its own on its own thread, sets the path there and closes the
/// library there before the thread ends. Copying is refused so two owners on
/// one thread can never close each other's files.
class SwissEphemeris final : public Ephemeris {
 public:
  SwissEphemeris() = default;
  SwissEphemeris(const SwissEphemeris&) = delete;
  SwissEphemeris& operator=(const SwissEphemeris&) = delete;

  void SetEphePath(const char* path) override;
  double JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour, std::int32_t gregflag) override;
  std::int32_t Houses(double tjdUt, double geolat, double geolon, std::int32_t hsys, CuspBuffer cusps,
                      AngleBuffer ascmc) override;
  std::int32_t Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx, ErrorText serr) override;
  double HousePos(double armc, double geolat, double eps, std::int32_t hsys, HousePositionInput xpin,
                  ErrorText serr) override;
  void Close() override;
};

}  // namespace kelvra
