// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace kelvra {

/// Size of the library's error-text buffer (its AS_MAXCH), terminator included.
inline constexpr std::size_t kEphemerisErrorSize = 256;

/// Flag values and codes passed to the library, by their library names.
namespace swe_codes {
inline constexpr std::int32_t kGregorianCalendar = 1;       // SE_GREG_CAL
inline constexpr std::int32_t kEclipticNutation = -1;       // SE_ECL_NUT
inline constexpr std::int32_t kTrueNode = 11;               // SE_TRUE_NODE
inline constexpr std::int32_t kChiron = 15;                 // SE_CHIRON
inline constexpr std::int32_t kSwissEphemerisWithSpeed = 258;  // SEFLG_SWIEPH | SEFLG_SPEED
inline constexpr std::int32_t kEquatorial = 2048;           // SEFLG_EQUATORIAL
inline constexpr std::int32_t kPlacidus = 'P';              // 80
}  // namespace swe_codes

using PositionBuffer = std::span<double, 7>;
using CuspBuffer = std::span<double, 14>;
using AngleBuffer = std::span<double, 11>;
using HousePositionInput = std::span<double, 3>;
using ErrorText = std::span<char, kEphemerisErrorSize>;

/// The only door to the ephemeris library: one method per library function
/// the program uses, with the library's argument order and meaning. The fixed
/// buffer extents are the work areas one chart uses. The real implementation
/// is SwissEphemeris; tests substitute a recorder.
class Ephemeris {
 public:
  virtual ~Ephemeris() = default;

  /// swe_set_ephe_path
  virtual void SetEphePath(const char* path) = 0;
  /// swe_julday: Julian day number of a calendar date and hour (decimal).
  virtual double JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour,
                        std::int32_t gregflag) = 0;
  /// swe_houses: fills cusps[1..12] and ascmc[0..9]; returns the library's code.
  virtual std::int32_t Houses(double tjdUt, double geolat, double geolon, std::int32_t hsys, CuspBuffer cusps,
                              AngleBuffer ascmc) = 0;
  /// swe_calc: fills xx[0..5]; returns the library's flags or error code.
  virtual std::int32_t Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx,
                            ErrorText serr) = 0;
  /// swe_house_pos: house position 1 <= h < 13 of the point xpin.
  virtual double HousePos(double armc, double geolat, double eps, std::int32_t hsys, HousePositionInput xpin,
                          ErrorText serr) = 0;
  /// swe_close
  virtual void Close() = 0;
};

}  // namespace kelvra
