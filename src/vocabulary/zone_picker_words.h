// SPDX-License-Identifier: AGPL-3.0-or-later
// The time zone picker's words. Its label is kZonePrompt of the birth time
// words; the region and place names are the tz database's own.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// The window's title: %1 the person's adjective, "male".
inline constexpr Template kZonePickerTitle = KELVRA_TR("Time zone picker", "Time zone of the %1 birthplace");
/// What a screen reader says of the search field: %1 the person's caption, "Male".
inline constexpr Template kZoneSpokenSearch = KELVRA_TR("Time zone picker", "%1 Time Zone Search");
inline constexpr Template kZoneSpokenList = KELVRA_TR("Time zone picker", "Time Zones");
inline constexpr Template kZoneNameColumn = KELVRA_TR("Time zone picker", "Time Zone");
inline constexpr Template kZoneOffsetColumn = KELVRA_TR("Time zone picker", "Offset from UTC");
/// The heading of the zones that keep one offset all year, "UTC+05:30".
inline constexpr Template kZoneFixedOffsets = KELVRA_TR("Time zone picker", "Fixed offsets from UTC");
/// A place within an area of its region: %1 the area, "Argentina"; %2 the place, "Buenos Aires".
inline constexpr Template kZoneAreaAndPlace = KELVRA_TR("Time zone picker", "%1 / %2");
inline constexpr Template kZoneUseButton = KELVRA_TR("Time zone picker", "&Use This Zone");
/// %1 the birth date, "1985-07-13"; %2 the clock time, "14:30".
inline constexpr Template kZoneOffsetsAtBirth =
    KELVRA_TR("Time zone picker", "Offsets on %1 at %2, the birth date and time entered.");
inline constexpr Template kZoneOffsetsToday =
    KELVRA_TR("Time zone picker", "Offsets as of today: the birth date entered is not a valid date.");
/// %1 the text typed.
inline constexpr Template kZoneNothingFound = KELVRA_TR("Time zone picker", "No time zone matches \"%1\".");

}  // namespace kelvra::words
