// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/natal_chart.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "charts/angles.h"
#include "charts/whole_number.h"

namespace kelvra {

namespace {

struct BodySource {
  std::int32_t body;  // ephemeris body number
  ChartPoint point;
};

// Increasing body numbers; the mean node (10) and bodies 12 to 14 are not used.
constexpr std::array<BodySource, 12> kBodies = {{
    {0, ChartPoint::Sun},
    {1, ChartPoint::Moon},
    {2, ChartPoint::Mercury},
    {3, ChartPoint::Venus},
    {4, ChartPoint::Mars},
    {5, ChartPoint::Jupiter},
    {6, ChartPoint::Saturn},
    {7, ChartPoint::Uranus},
    {8, ChartPoint::Neptune},
    {9, ChartPoint::Pluto},
    {swe_codes::kTrueNode, ChartPoint::NorthNode},
    {swe_codes::kChiron, ChartPoint::Chiron},
}};

std::int32_t DateField(const std::string& text, const char* field) {
  if (const auto value = ParseWholeNumber(text)) return *value;
  throw std::invalid_argument(std::string(field) + " is not a whole number: \"" + text + "\"");
}

// The library's return codes are not examined; a value it leaves undefined
// becomes 0 rather than spreading NaN through the analysis.
double FiniteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

double HouseOf(double housePosition) {
  if (!std::isfinite(housePosition)) return 1;
  const double house = std::floor(housePosition);
  if (house >= 1 && house <= 12) return house;
  return std::fmod(std::fmod(house - 1, 12.0) + 12.0, 12.0) + 1;
}

}  // namespace

NatalChart CalcChart(const BirthData& birth, Ephemeris& ephemeris) { return CalcShiftedChart(birth, 0, ephemeris); }

NatalChart CalcShiftedChart(const BirthData& birth, int shiftMinutes, Ephemeris& ephemeris) {
  const double latitude = GeographicLatitude(birth);
  const double longitude = GeographicLongitude(birth);

  const std::optional<UniversalMoment>& ut = birth.Ut;
  double hour = ut ? ut->Hour : birth.Hour + birth.Minute / 60.0;
  if (shiftMinutes != 0) hour += shiftMinutes / 60.0;
  const double jd = ut ? ephemeris.JulDay(ut->Year, ut->Month, ut->Day, hour, swe_codes::kGregorianCalendar)
                       : ephemeris.JulDay(DateField(birth.Year, "Year"), birth.Month, DateField(birth.Day, "Day"),
                                          hour, swe_codes::kGregorianCalendar);

  std::array<double, 14> cusps{};
  std::array<double, 11> angles{};
  // The library answers an impossible Placidus with an error code and Porphyry cusps.
  const bool porphyry = ephemeris.Houses(jd, latitude, longitude, swe_codes::kPlacidus, cusps, angles) < 0;
  const double armc = angles[2];

  std::array<double, 7> xx{};
  std::array<char, kEphemerisErrorSize> err{};
  ephemeris.Calc(jd, swe_codes::kEclipticNutation, 0, xx, err);
  const double obliquity = xx[0];

  NatalChart chart;
  for (std::size_t house = 1; house <= 12; ++house) chart.Cusps[house] = NormalizeDegrees(FiniteOrZero(cusps[house]));
  chart.PorphyryCusps = porphyry;
  for (const auto& [body, point] : kBodies) {
    err.fill('\0');
    ephemeris.Calc(jd, body, swe_codes::kSwissEphemerisWithSpeed, xx, err);
    chart.Longitude[point] = FiniteOrZero(xx[0]);
    // The house is that of the body's longitude on the ecliptic itself.
    std::array<double, 3> housePositionInput{xx[0], 0.0, 0.0};

    err.fill('\0');
    ephemeris.Calc(jd, body, swe_codes::kSwissEphemerisWithSpeed + swe_codes::kEquatorial, xx, err);
    chart.Declination[point] = FiniteOrZero(xx[1]);

    chart.House[point] =
        HouseOf(ephemeris.HousePos(armc, latitude, obliquity, swe_codes::kPlacidus, housePositionInput, err));
  }

  using P = ChartPoint;
  chart.Declination[P::NorthNode] = FiniteOrZero(EclipticDeclination(chart.Longitude[P::NorthNode], obliquity));

  chart.Longitude[P::SouthNode] = NormalizeDegrees(chart.Longitude[P::NorthNode] + 180);
  chart.Declination[P::SouthNode] = FiniteOrZero(EclipticDeclination(chart.Longitude[P::SouthNode], obliquity));
  const double southHouse = chart.House[P::NorthNode] + 6;
  chart.House[P::SouthNode] = southHouse > 12 ? southHouse - 12 : southHouse;

  chart.Longitude[P::Ascendant] = FiniteOrZero(cusps[1]);
  chart.Declination[P::Ascendant] = FiniteOrZero(EclipticDeclination(chart.Longitude[P::Ascendant], obliquity));
  chart.House[P::Ascendant] = 1;

  chart.Longitude[P::Midheaven] = FiniteOrZero(cusps[10]);
  chart.Declination[P::Midheaven] = FiniteOrZero(EclipticDeclination(chart.Longitude[P::Midheaven], obliquity));
  chart.House[P::Midheaven] = 10;

  // One formula for day and night births.
  chart.Longitude[P::PartOfFortune] =
      NormalizeDegrees(chart.Longitude[P::Ascendant] + chart.Longitude[P::Moon] - chart.Longitude[P::Sun]);
  chart.Declination[P::PartOfFortune] =
      FiniteOrZero(EclipticDeclination(chart.Longitude[P::PartOfFortune], obliquity));
  chart.House[P::PartOfFortune] = 1;

  ephemeris.Close();
  return chart;
}

}  // namespace kelvra
