// SPDX-License-Identifier: AGPL-3.0-or-later
// Two couples whose pictures are kept as references: one from mid latitudes,
// a name too long for one line over the strip, and one whose man was born
// past the polar circle (Porphyry cusps).
#pragma once

#include "charts/swiss_ephemeris.h"
#include "cosmodynes/explanation.h"
#include "wheel/wheel_scene.h"

namespace kelvra {

inline BirthData FixedBirth(const char* name, const char* day, int month, const char* year, int hour, int minute,
                            int latDeg, LatitudeDirection latDir, int longDeg, LongitudeDirection longDir) {
  BirthData b;
  b.Name = name;
  b.Day = day;
  b.Month = month;
  b.Year = year;
  b.Hour = hour;
  b.Minute = minute;
  b.LatDeg = latDeg;
  b.LatDir = latDir;
  b.LongDeg = longDeg;
  b.LongDir = longDir;
  return b;
}

struct FixedCouple {
  const char* name;
  BirthData male;
  BirthData female;
};

inline const FixedCouple kFixedCouples[] = {
    {"london", FixedBirth("Arthur", "13", 7, "1985", 14, 30, 51, LatitudeDirection::North, 0, LongitudeDirection::West),
     FixedBirth("Guinevere of Camelot", "2", 2, "1987", 6, 5, 48, LatitudeDirection::North, 2, LongitudeDirection::East)},
    {"tromso", FixedBirth("Ola", "21", 12, "1979", 23, 50, 70, LatitudeDirection::North, 19, LongitudeDirection::East),
     FixedBirth("Kari", "1", 6, "1981", 12, 0, 59, LatitudeDirection::North, 10, LongitudeDirection::East)},
};

inline WheelScene FixedScene(const FixedCouple& couple) {
  SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kEphemerisDataPath);
  const CoupleCharts charts = ChartCouple(couple.male, couple.female, ephemeris);
  return BuildWheelScene(charts, ExplainAnalysis(charts, 0), couple.male.Name, couple.female.Name);
}

}  // namespace kelvra
