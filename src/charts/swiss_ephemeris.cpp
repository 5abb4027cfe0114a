// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/swiss_ephemeris.h"

#include <swephexp.h>

namespace kelvra {

static_assert(kEphemerisErrorSize == AS_MAXCH, "error buffer must hold everything the library may write");
static_assert(swe_codes::kGregorianCalendar == SE_GREG_CAL);
static_assert(swe_codes::kEclipticNutation == SE_ECL_NUT);
static_assert(swe_codes::kTrueNode == SE_TRUE_NODE);
static_assert(swe_codes::kChiron == SE_CHIRON);
static_assert(swe_codes::kSwissEphemerisWithSpeed == (SEFLG_SWIEPH | SEFLG_SPEED));
static_assert(swe_codes::kEquatorial == SEFLG_EQUATORIAL);
// swe_houses writes cusps[0..12] (more only for Gauquelin sectors) and ascmc[0..9].
static_assert(CuspBuffer::extent >= 13 && AngleBuffer::extent >= 10 && PositionBuffer::extent >= 6);

void SwissEphemeris::SetEphePath(const char* path) { swe_set_ephe_path(path); }

double SwissEphemeris::JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour,
                              std::int32_t gregflag) {
  return swe_julday(year, month, day, hour, gregflag);
}

std::int32_t SwissEphemeris::Houses(double tjdUt, double geolat, double geolon, std::int32_t hsys, CuspBuffer cusps,
                                    AngleBuffer ascmc) {
  return swe_houses(tjdUt, geolat, geolon, hsys, cusps.data(), ascmc.data());
}

std::int32_t SwissEphemeris::Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx,
                                  ErrorText serr) {
  return swe_calc(tjd, ipl, iflag, xx.data(), serr.data());
}

double SwissEphemeris::HousePos(double armc, double geolat, double eps, std::int32_t hsys, HousePositionInput xpin,
                                ErrorText serr) {
  return swe_house_pos(armc, geolat, eps, hsys, xpin.data(), serr.data());
}

void SwissEphemeris::Close() { swe_close(); }

}  // namespace kelvra
