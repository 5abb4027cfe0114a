// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "birthtime/birth_time.h"
#include "charts/birth_data.h"
#include "contracts/entry_form.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// How a person's birthplace time zone was chosen.
enum class ZoneSource {
  AtlasPlace,    ///< the place picked in the atlas
  PickedByHand,  ///< picked from the list of zones
  NearestPlace,  ///< suggested by the atlas place nearest the typed coordinates
};

/// The time zone that converts one person's clock time to UT.
struct BirthZone {
  QByteArray id;  ///< tz database name, e.g. "Europe/Oslo", or a fixed offset such as "UTC+05:30"
  ZoneSource source = ZoneSource::PickedByHand;
  QString place;          ///< the atlas place it came from; empty when picked by hand
  double distanceKm = 0;  ///< NearestPlace only: how far that place is from the typed coordinates
  bool operator==(const BirthZone&) const = default;
};

/// One person's clock time as the last analysis converted it, for the report.
struct ConvertedBirthTime {
  QByteArray zoneId;
  LocalBirthTime local;  ///< as entered, hour 24 included
  UtCandidate reading;   ///< the reading used: UT, offset, abbreviation, daylight time
};

/// The entry form's variables. They belong to the program, not to the form's
/// window: closing the entry form and opening a new one keeps them until the
/// next analysis or lookup overwrites them.
struct EntryState {
  BirthData male;              ///< mName, mDate, ... as last read
  BirthData female;            ///< fName, fDate, ...
  CoupleCharts charts;         ///< both published charts and their contacts
  CompatibilityResult result;  ///< Power, Harmony, PH, phPercentage, strComment
  /// lastHarmonyGain as the last analysis found it, so that analysis can be
  /// explained and re-run without touching the program's harmony memory.
  double startGain = 0;
  bool bMaleSearch = false;    ///< which birthplace the lookup browser searches

  /// "Convert birth times to UT": off at start-up, kept across Back.
  bool convertToUt = false;
  /// Each person's zone (male, female); it belongs to the place entered, so
  /// emptied entries and a new entry form have none.
  std::array<std::optional<BirthZone>, 2> zones;
  /// What the last analysis converted (male, female); empty when it ran with
  /// the option off.
  std::array<std::optional<ConvertedBirthTime>, 2> birthTimes;

  std::optional<BirthZone>& zone(Person person) { return zones[person == Person::Male ? 0 : 1]; }
  const std::optional<BirthZone>& zone(Person person) const { return zones[person == Person::Male ? 0 : 1]; }
  const std::optional<ConvertedBirthTime>& birthTime(Person person) const {
    return birthTimes[person == Person::Male ? 0 : 1];
  }
};

}  // namespace kelvra
