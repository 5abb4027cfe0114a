// SPDX-License-Identifier: AGPL-3.0-or-later
// The entry form's words: its captions, commands and messages, the atlas
// window's, and the refusals kelvra-cli gives for a person's columns. The
// form and the command line ask for a missing entry in the same words.
#pragma once

#include "charts/chart_point.h"
#include "vocabulary/text.h"

namespace kelvra {

/// The entries the form asks for by name when they are missing, in the
/// order of its checks.
enum class EntryWordsField { Name, LatDeg, LatMin, LongDeg, LongMin, City, State, Country, LatDir, LongDir };

/// Whose entry is missing: some messages name the person or word the same
/// box differently for the two.
enum class EntryWordsPerson { Man, Woman };

/// The message for a missing entry: "Please Enter Male Name".
Template MissingEntryMessage(EntryWordsField field, EntryWordsPerson person);

/// The caption of a chart point in the chart table beside the form: "N. Node".
Template ChartTableCaption(ChartPoint point);

}  // namespace kelvra

namespace kelvra::words {

// Typed characters a box does not take.
inline constexpr Template kOnlyLetters = KELVRA_TR("Entry form", "Please enter only letters");
inline constexpr Template kOnlyNumbers = KELVRA_TR("Entry form", "Please enter only numbers");

// The form's texts. A doubled ampersand shows as one.
inline constexpr Template kForumLink = KELVRA_TR("Entry form", "Talk about your results in the Kelvra forum at %1");
inline constexpr Template kLookupInstruction =
    KELVRA_TR("Entry form",
              "Enter the city, state and country, click the button above, then find the latitude and longitude "
              "in the web search results.");
inline constexpr Template kLookupInstructionTip =
    KELVRA_TR("Entry form", "To Find Latitude / Logitude Enter your City, State and Country and click Find Lat - Long");
inline constexpr Template kAnalyzeButton = KELVRA_TR("Entry form", "Analyze Compatibility");
inline constexpr Template kConvertToUtOption = KELVRA_TR("Entry form", "Convert birth times to UT");
inline constexpr Template kConvertToUtTip =
    KELVRA_TR("Entry form",
              "Convert each birth time to Universal Time by the birthplace's time zone, summer time included, "
              "before the charts are computed. Off: the times are used as typed.");
inline constexpr Template kCoBrandFrame = KELVRA_TR("Entry form", "Co-Brand Options");
inline constexpr Template kCoBrandPitch =
    KELVRA_TR("Entry form",
              "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
              "name &&  link here.");
inline constexpr Template kMadeBy = KELVRA_TR("Entry form", "Software made by");
/// The button and the menu-bar command.
inline constexpr Template kDonateButton = KELVRA_TR("Entry form", "Donate");
inline constexpr Template kExitButton = KELVRA_TR("Entry form", "Exit");

// One person's entry group.
inline constexpr Template kNameCaption = KELVRA_TR("Entry form", "Name:");
inline constexpr Template kBirthdayCaption = KELVRA_TR("Entry form", "Birthday:");
inline constexpr Template kTimeOfBirthCaption = KELVRA_TR("Entry form", "Time Of Birth:");
inline constexpr Template kTimeUnitsCaption = KELVRA_TR("Entry form", "HH/MM/SS");
inline constexpr Template kLatitudeCaption = KELVRA_TR("Entry form", "Latitude:");
inline constexpr Template kLongitudeCaption = KELVRA_TR("Entry form", "Longitude:");
inline constexpr Template kDegMinCaption = KELVRA_TR("Entry form", "DEG/MIN");
inline constexpr Template kCityCaption = KELVRA_TR("Entry form", "City:");
inline constexpr Template kStateCaption = KELVRA_TR("Entry form", "State:");
inline constexpr Template kCountryCaption = KELVRA_TR("Entry form", "Country:");
inline constexpr Template kNorthOption = KELVRA_TR("Entry form", "North");
inline constexpr Template kSouthOption = KELVRA_TR("Entry form", "South");
inline constexpr Template kEastOption = KELVRA_TR("Entry form", "East");
inline constexpr Template kWestOption = KELVRA_TR("Entry form", "West");
inline constexpr Template kAtlasButton = KELVRA_TR("Entry form", "Atlas...");
inline constexpr Template kAtlasButtonTip =
    KELVRA_TR("Entry form",
              "Choose the birthplace from the offline atlas: fills the city, state, country and coordinates");
inline constexpr Template kLookupButton = KELVRA_TR("Entry form", "Click here to find Latitude && Longitude");
inline constexpr Template kZoneButton = KELVRA_TR("Entry form", "Zone...");

// What a screen reader says of each entry; %1 is the person's caption, "Male".
inline constexpr Template kSpokenName = KELVRA_TR("Entry form", "%1 Name");
inline constexpr Template kSpokenBirthdayDay = KELVRA_TR("Entry form", "%1 Birthday Day");
inline constexpr Template kSpokenBirthdayMonth = KELVRA_TR("Entry form", "%1 Birthday Month");
inline constexpr Template kSpokenBirthdayYear = KELVRA_TR("Entry form", "%1 Birthday Year");
inline constexpr Template kSpokenBirthHours = KELVRA_TR("Entry form", "%1 Time Of Birth Hours");
inline constexpr Template kSpokenBirthMinutes = KELVRA_TR("Entry form", "%1 Time Of Birth Minutes");
inline constexpr Template kSpokenBirthSeconds = KELVRA_TR("Entry form", "%1 Time Of Birth Seconds");
inline constexpr Template kSpokenLatDegrees = KELVRA_TR("Entry form", "%1 Latitude Degrees");
inline constexpr Template kSpokenLatMinutes = KELVRA_TR("Entry form", "%1 Latitude Minutes");
inline constexpr Template kSpokenLongDegrees = KELVRA_TR("Entry form", "%1 Longitude Degrees");
inline constexpr Template kSpokenLongMinutes = KELVRA_TR("Entry form", "%1 Longitude Minutes");
inline constexpr Template kSpokenNorth = KELVRA_TR("Entry form", "%1 Latitude North");
inline constexpr Template kSpokenSouth = KELVRA_TR("Entry form", "%1 Latitude South");
inline constexpr Template kSpokenEast = KELVRA_TR("Entry form", "%1 Longitude East");
inline constexpr Template kSpokenWest = KELVRA_TR("Entry form", "%1 Longitude West");
inline constexpr Template kSpokenCity = KELVRA_TR("Entry form", "%1 City");
inline constexpr Template kSpokenState = KELVRA_TR("Entry form", "%1 State");
inline constexpr Template kSpokenCountry = KELVRA_TR("Entry form", "%1 Country");
inline constexpr Template kSpokenTimeZone = KELVRA_TR("Entry form", "%1 Time Zone");

// Commands, as the buttons' screen-reader names and a failure message name
// them; %1 is the person's caption, "Male".
inline constexpr Template kAnalyzeCommand = KELVRA_TR("Command", "Analyze Compatibility");
inline constexpr Template kConvertToUtCommand = KELVRA_TR("Command", "Convert birth times to UT");
inline constexpr Template kVisitCommand = KELVRA_TR("Command", "Visit Us Online");
inline constexpr Template kDonateCommand = KELVRA_TR("Command", "Donate");
inline constexpr Template kExitCommand = KELVRA_TR("Command", "Exit");
inline constexpr Template kOnlineHelpCommand = KELVRA_TR("Command", "Online Help");
inline constexpr Template kUpdateCommand = KELVRA_TR("Command", "Check for Software Update");
inline constexpr Template kAboutCommand = KELVRA_TR("Command", "About Software");
inline constexpr Template kFindBirthplaceCommand = KELVRA_TR("Command", "Find %1 Birthplace in Atlas");
inline constexpr Template kFindCoordinatesCommand = KELVRA_TR("Command", "Find %1 Latitude and Longitude");
inline constexpr Template kPickZoneCommand = KELVRA_TR("Command", "Pick %1 Time Zone");

// The form's menus; an ampersand marks the key of an item.
inline constexpr Template kFileMenu = KELVRA_TR("Entry form", "&File");
inline constexpr Template kAnalyzeItem = KELVRA_TR("Entry form", "&Analyze Compatibility");
inline constexpr Template kFindMaleBirthplaceItem = KELVRA_TR("Entry form", "Find &Male Birthplace in Atlas...");
inline constexpr Template kFindFemaleBirthplaceItem = KELVRA_TR("Entry form", "Find &Female Birthplace in Atlas...");
inline constexpr Template kExitItem = KELVRA_TR("Entry form", "&Exit");
inline constexpr Template kHelpMenu = KELVRA_TR("Entry form", "&Help");
inline constexpr Template kOnlineHelpItem = KELVRA_TR("Entry form", "&Online Help");
inline constexpr Template kVisitItem = KELVRA_TR("Entry form", "&Visit Us Online");
inline constexpr Template kUpdateItem = KELVRA_TR("Entry form", "Check for Software &Update");
inline constexpr Template kAboutItem = KELVRA_TR("Entry form", "&About Software");

// The result boxes until an analysis fills them.
inline constexpr Template kInitialPower = KELVRA_TR("Result boxes", "Power");
inline constexpr Template kInitialHarmony = KELVRA_TR("Result boxes", "Harmony");
inline constexpr Template kInitialPh = KELVRA_TR("Result boxes", "P*H");
inline constexpr Template kInitialPercentage = KELVRA_TR("Result boxes", "PHPercentage");
inline constexpr Template kInitialComment = KELVRA_TR("Result boxes", "Comment");

// The atlas window; %1 is the person's caption, "Male".
inline constexpr Template kAtlasTitle = KELVRA_TR("Atlas", "Find %1 Birthplace in Atlas");
inline constexpr Template kAtlasSearchCaption = KELVRA_TR("Atlas", "&City:");
inline constexpr Template kAtlasSpokenSearch = KELVRA_TR("Atlas", "%1 Birthplace Search");
inline constexpr Template kAtlasSpokenPlaces = KELVRA_TR("Atlas", "Places Found");
inline constexpr Template kAtlasCityColumn = KELVRA_TR("Atlas", "City");
inline constexpr Template kAtlasStateColumn = KELVRA_TR("Atlas", "State");
inline constexpr Template kAtlasCountryColumn = KELVRA_TR("Atlas", "Country");
inline constexpr Template kAtlasPopulationColumn = KELVRA_TR("Atlas", "Population");
inline constexpr Template kAtlasTimeZoneColumn = KELVRA_TR("Atlas", "Time Zone");
inline constexpr Template kAtlasCoordinatesColumn = KELVRA_TR("Atlas", "Latitude, Longitude");
/// A place's coordinates in whole degrees (%1, %3) and minutes (%2, %4), one
/// template per pair of directions: "51° 30′ N, 0° 7′ W".
inline constexpr Template kAtlasNorthEast = KELVRA_TR("Atlas", "%1° %2′ N, %3° %4′ E");
inline constexpr Template kAtlasNorthWest = KELVRA_TR("Atlas", "%1° %2′ N, %3° %4′ W");
inline constexpr Template kAtlasSouthEast = KELVRA_TR("Atlas", "%1° %2′ S, %3° %4′ E");
inline constexpr Template kAtlasSouthWest = KELVRA_TR("Atlas", "%1° %2′ S, %3° %4′ W");
inline constexpr Template kAtlasUseButton = KELVRA_TR("Atlas", "&Use This Place");
inline constexpr Template kAtlasTypeName = KELVRA_TR("Atlas", "Type the name of the birthplace.");
inline constexpr Template kAtlasSearching = KELVRA_TR("Atlas", "Searching...");
/// %1 the name typed, %2 the web lookup button's caption.
inline constexpr Template kAtlasNothingFound =
    KELVRA_TR("Atlas",
              "No place in the atlas is called \"%1\". Check the spelling, or close this window and look the place "
              "up on the web with \"%2\".");
/// One place differs in what to do next, not only in number.
inline constexpr Template kAtlasOneFound = KELVRA_TR("Atlas", "1 place found. Enter chooses it.");
inline constexpr PluralTemplate kAtlasSeveralFound =
    KELVRA_TR_N("Atlas", "%n places found. Choose one with the arrow keys and Enter.",
                "%n place found. Choose one with the arrow keys and Enter.");

// kelvra-cli's refusal of a value: "male_day: must be ...", %1 the column.
inline constexpr Template kColumnRefusal = KELVRA_TR("Command line", "%1: %2");
inline constexpr Template kNotUtf8 = KELVRA_TR("Command line", "not valid UTF-8");
inline constexpr Template kMustNotBeEmpty = KELVRA_TR("Command line", "must not be empty");
/// %1 and %2 the lowest and highest value.
inline constexpr Template kWholeNumberFromTo = KELVRA_TR("Command line", "must be a whole number from %1 to %2");
inline constexpr Template kCoordinateDigits = KELVRA_TR("Command line", "must be a whole number of 1 to 3 digits");
inline constexpr Template kLatitudeDirection = KELVRA_TR("Command line", "must be N, S, North or South");
inline constexpr Template kLongitudeDirection = KELVRA_TR("Command line", "must be E, W, East or West");

}  // namespace kelvra::words
