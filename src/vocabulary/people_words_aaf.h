// SPDX-License-Identifier: AGPL-3.0-or-later
// The AAF reader's and writer's words: why a record is refused, what the
// import says of a record besides, and what an export had to change.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

// Why a record is refused.
inline constexpr Template kAafEvent = KELVRA_TR("AAF file", "The record is an event, not a person.");
inline constexpr Template kAafCountry = KELVRA_TR("AAF file", "The record is a country, not a person.");
inline constexpr Template kAafOrganisation = KELVRA_TR("AAF file", "The record is an organisation, not a person.");
/// %1 the type as the file gives it.
inline constexpr Template kAafUnknownType =
    KELVRA_TR("AAF file", "The type \"%1\" is none of m, f, w, e, l, o and *.");
/// %1 how many fields the #A93 line has.
inline constexpr Template kAafTooFewFields =
    KELVRA_TR("AAF file", "The #A93 line has %1 fields, too few for a date and a time.");
inline constexpr Template kAafNoBirthTime = KELVRA_TR("AAF file", "The record gives no birth time.");
/// %1 the date as the file gives it.
inline constexpr Template kAafUnreadableDate =
    KELVRA_TR("AAF file", "The date \"%1\" cannot be read: it should be day.month.year.");
/// %1 the year.
inline constexpr Template kAafYearOutside = KELVRA_TR("AAF file", "The year %1 is outside 1900 to 2050.");
/// %1 the date as the file gives it.
inline constexpr Template kAafImpossibleDate = KELVRA_TR("AAF file", "The date %1 does not exist.");
/// %1 the date as the file gives it.
inline constexpr Template kAafJulianDate =
    KELVRA_TR("AAF file", "The date %1 is one of the Julian calendar, which Kelvra does not take.");
/// %1 the time as the file gives it.
inline constexpr Template kAafUnreadableTime =
    KELVRA_TR("AAF file", "The time \"%1\" cannot be read: it should be hours:minutes or hours:minutes:seconds.");
inline constexpr Template kAafNoCoordinates =
    KELVRA_TR("AAF file", "The record gives no coordinates (it has no #B93 line, or a * in their place).");
/// %1 the latitude as the file gives it.
inline constexpr Template kAafUnreadableLatitude = KELVRA_TR("AAF file", "The latitude \"%1\" cannot be read.");
/// %1 the longitude as the file gives it.
inline constexpr Template kAafUnreadableLongitude = KELVRA_TR("AAF file", "The longitude \"%1\" cannot be read.");
/// %1 the latitude as the file gives it.
inline constexpr Template kAafImpossibleLatitude =
    KELVRA_TR("AAF file", "The latitude %1 does not exist: beyond 90 degrees, or 60 minutes or seconds or more.");
/// %1 the longitude as the file gives it.
inline constexpr Template kAafImpossibleLongitude =
    KELVRA_TR("AAF file", "The longitude %1 does not exist: beyond 180 degrees, or 60 minutes or seconds or more.");
/// %1 the zone difference as the file gives it.
inline constexpr Template kAafUnreadableZone =
    KELVRA_TR("AAF file", "The zone difference \"%1\" cannot be read.");
/// %1 the time type as the file gives it.
inline constexpr Template kAafUnknownTimeType =
    KELVRA_TR("AAF file", "The time type \"%1\" is none of 0, 1, 2, D, L, m and *.");
/// %1 the Julian day as the file gives it.
inline constexpr Template kAafUnreadableJulianDay = KELVRA_TR("AAF file", "The Julian day \"%1\" cannot be read.");

// What the import says of a record it took.
/// %1 the local date and time the Julian day gives, %2 the record's, both "27.9.1970 11:04".
inline constexpr Template kAafJulianDayDisagrees =
    KELVRA_TR("AAF file", "The Julian day gives %1, the record %2; the record's clock time is kept.");
/// %1 the date and time in UT the Julian day gives, %2 the record's local date and time.
inline constexpr Template kAafJulianDayFarOff = KELVRA_TR(
    "AAF file", "The Julian day gives %1 UT, too far from the record's %2 for an offset; no UT offset is taken.");

// What an export had to change. %1 is always the record's number.
/// %2 the field, one of the field words below.
inline constexpr Template kAafCommaWritten = KELVRA_TR("AAF file", "Record %1: a comma in the %2 written as ';'.");
/// %2 the field, one of the field words below.
inline constexpr Template kAafLineBreakWritten =
    KELVRA_TR("AAF file", "Record %1: a line break in the %2 written as a blank.");
/// %2 the field, one of the field words below.
inline constexpr Template kAafNotUtf8Written =
    KELVRA_TR("AAF file", "Record %1: bytes in the %2 that are not UTF-8 written as U+FFFD.");
inline constexpr Template kAafStateWithoutCountry = KELVRA_TR(
    "AAF file",
    "Record %1: the state written in parentheses after the city; without a country a reader keeps it in the city.");
/// %2 the field, one of the field words below.
inline constexpr Template kAafMinutesCarried =
    KELVRA_TR("AAF file", "Record %1: the %2 minutes of 60 or more written carried into the degrees.");
/// %2 the field, one of the field words below.
inline constexpr Template kAafCoordinateBeyond =
    KELVRA_TR("AAF file", "Record %1: the %2 is beyond its range; a reader will refuse the record.");
/// %2 the date, "31.2.2000".
inline constexpr Template kAafDateNotReal =
    KELVRA_TR("AAF file", "Record %1: %2 is not a date; a reader will refuse the record.");
/// %2 the offset as the person holds it.
inline constexpr Template kAafOffsetNotWritable =
    KELVRA_TR("AAF file", "Record %1: the UT offset \"%2\" is not one AAF can hold; written as unknown.");

// The fields the export report names.
inline constexpr Template kAafFieldName = KELVRA_TR("AAF file", "name");
inline constexpr Template kAafFieldCity = KELVRA_TR("AAF file", "city");
inline constexpr Template kAafFieldState = KELVRA_TR("AAF file", "state");
inline constexpr Template kAafFieldCountry = KELVRA_TR("AAF file", "country");
inline constexpr Template kAafFieldZone = KELVRA_TR("AAF file", "time zone");
inline constexpr Template kAafFieldNotes = KELVRA_TR("AAF file", "notes");
inline constexpr Template kAafFieldSource = KELVRA_TR("AAF file", "source");
inline constexpr Template kAafFieldLatitude = KELVRA_TR("AAF file", "latitude");
inline constexpr Template kAafFieldLongitude = KELVRA_TR("AAF file", "longitude");

}  // namespace kelvra::words
