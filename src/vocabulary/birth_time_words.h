// SPDX-License-Identifier: AGPL-3.0-or-later
// What the entry form and kelvra-cli say when a birth time cannot simply be
// converted to Universal Time, and the notes on where a zone comes from.
#pragma once

#include "vocabulary/text.h"

namespace kelvra {

/// Why a person's clock time did not become one moment in UT.
enum class BirthTimeOutcome {
  Ambiguous,     ///< the clocks went back: the time happens twice
  DoesNotExist,  ///< the clocks jumped over it
  UnknownZone,   ///< the zone is not known on this computer
  InvalidDate,   ///< no such day in that month
  NoZone,        ///< nothing says which zone the birthplace is in
};

inline constexpr BirthTimeOutcome kAllBirthTimeOutcomes[] = {
    BirthTimeOutcome::Ambiguous, BirthTimeOutcome::DoesNotExist, BirthTimeOutcome::UnknownZone,
    BirthTimeOutcome::InvalidDate, BirthTimeOutcome::NoZone,
};

/// One outcome as the form's message box says it and as kelvra-cli's refusal
/// of a column does. The placeholders of each are listed with the table.
struct BirthTimeOutcomeWords {
  Template window;
  Template commandLine;
};

const BirthTimeOutcomeWords& WordsOf(BirthTimeOutcome outcome);

}  // namespace kelvra

namespace kelvra::words {

/// A reading the user may pick: %1 the offset, "UTC-04:00".
inline constexpr Template kSummerTimeReading = KELVRA_TR("Birth time", "%1 (summer time)");
/// Joins the answers of the question of a time that happens twice.
inline constexpr Template kOrAtReading = KELVRA_TR("Birth time", "%1 or at %2");
/// The zone list's prompt: %1 the person's adjective, "male".
inline constexpr Template kZonePrompt = KELVRA_TR("Birth time", "Time zone of the %1 birthplace:");

// The note under a person's entries: where the zone comes from, then the zone.
inline constexpr Template kZoneNoteSearching = KELVRA_TR("Birth time", "Time zone: looking for the\nnearest atlas place...");
inline constexpr Template kZoneNoteNone =
    KELVRA_TR("Birth time", "No time zone yet: choose the place\nin the atlas or pick a zone.");
/// %1 the place, %2 the zone.
inline constexpr Template kZoneNoteAtlas = KELVRA_TR("Birth time", "Time zone of %1, from the atlas:\n%2");
inline constexpr Template kZoneNoteByHand = KELVRA_TR("Birth time", "Time zone picked by hand:\n%1");
/// %1 the nearest place, %2 the zone; %n the whole kilometres to it.
inline constexpr PluralTemplate kZoneNoteNearest = KELVRA_TR_N(
    "Birth time", "%1, the nearest atlas place (%n km):\n%2", "%1, the nearest atlas place (%n km):\n%2");
inline constexpr Template kZoneNoteNearby = KELVRA_TR("Birth time", "%1, the nearest atlas place (under 1 km):\n%2");

// kelvra-cli's refusals of a zone value or a birthplace without a zone.
/// %1 the value given.
inline constexpr Template kUnknownZoneValue =
    KELVRA_TR("Command line", "unknown time zone '%1'; use a tz database name such as Europe/London");
inline constexpr Template kBadUtcOffset =
    KELVRA_TR("Command line", "must be +HH:MM or -HH:MM, hours 00 to 14 and minutes 00 to 59");
/// %1 the birthplace, %2 the places that match, %3 the state column, %4 and %5 the zone columns.
inline constexpr Template kSeveralAtlasPlaces =
    KELVRA_TR("Command line", "more than one atlas place matches %1 (%2); give %3, %4 or %5");
/// %1 the zone the atlas gives.
inline constexpr Template kAtlasZoneUnknown =
    KELVRA_TR("Command line", "the atlas gives the time zone %1, which this system does not know");
/// A birthplace by its parts; a place without a state has no state part.
inline constexpr Template kPlaceWithState = KELVRA_TR("Command line", "%1, %2, %3");
inline constexpr Template kPlaceWithoutState = KELVRA_TR("Command line", "%1, %2");
/// The list of matching places, and its end where more were left off.
inline constexpr Template kPlaceListNext = KELVRA_TR("Command line", "%1; %2");
inline constexpr Template kPlaceListLeftOff = KELVRA_TR("Command line", "%1; ...");

}  // namespace kelvra::words
