// SPDX-License-Identifier: AGPL-3.0-or-later
// The words of "Why this result": the explanation's sentences, its contact
// table and its window.
#pragma once

#include <array>
#include <cstddef>

#include "cosmodynes/contacts.h"
#include "vocabulary/text.h"

namespace kelvra::words {

// The explanation's title and headings.
inline constexpr Template kWhyTitle = KELVRA_TR("Why this result", "Why this result");
inline constexpr Template kWhyTitleOfCouple = KELVRA_TR("Why this result", "Why this result: %1 and %2");
inline constexpr Template kWhyAddsMost = KELVRA_TR("Why this result", "What adds most to harmony");
inline constexpr Template kWhyTakesMost = KELVRA_TR("Why this result", "What takes most away from harmony");
inline constexpr Template kWhyCarried = KELVRA_TR("Why this result", "The amount carried in harmony");
inline constexpr Template kWhyBirthTimes = KELVRA_TR("Why this result", "How much the birth times matter");

/// A number that is not one.
inline constexpr Template kWhyNotANumber = KELVRA_TR("Why this result", "n/a");

/// One contact: the man's point, the kind between them, the woman's point.
inline constexpr Template kContactWords = KELVRA_TR("Why this result", "Male %1 %2 female %3");
/// The same inside a sentence.
inline constexpr Template kContactWordsInSentence = KELVRA_TR("Why this result", "the male %1 %2 the female %3");
/// The contact (kContactWords), its harmony delta and its strength.
inline constexpr Template kContactLine = KELVRA_TR("Why this result", "%1: %2 harmony (strength %3)");

// When fewer links than asked for add to harmony or take it away; %1 is
// the count in words (kWhyCountWords).
inline constexpr Template kNoLinkAdds = KELVRA_TR("Why this result", "No link adds to harmony.");
inline constexpr Template kNoLinkTakes = KELVRA_TR("Why this result", "No link takes harmony away.");
inline constexpr PluralTemplate kOnlyLinksAdd =
    KELVRA_TR_N("Why this result", "Only %1 links add to harmony.", "Only %1 link adds to harmony.");
inline constexpr PluralTemplate kOnlyLinksTake =
    KELVRA_TR_N("Why this result", "Only %1 links take harmony away.", "Only %1 link takes harmony away.");

/// Counts from one to ten in words; larger counts are written in figures.
inline constexpr std::array<Template, 10> kWhyCountWords = {
    KELVRA_TR("Count in words", "one"),   KELVRA_TR("Count in words", "two"),
    KELVRA_TR("Count in words", "three"), KELVRA_TR("Count in words", "four"),
    KELVRA_TR("Count in words", "five"),  KELVRA_TR("Count in words", "six"),
    KELVRA_TR("Count in words", "seven"), KELVRA_TR("Count in words", "eight"),
    KELVRA_TR("Count in words", "nine"),  KELVRA_TR("Count in words", "ten"),
};

// Where the carried amount comes from. %1 of the first two is kBiasAmount.
inline constexpr Template kBiasAmount = KELVRA_TR("Why this result", "100 x %1 = %2");
inline constexpr Template kBiasSetByLink = KELVRA_TR(
    "Why this result", "Harmony includes %1, set by %2, the last link in the scan that records an amount.");
inline constexpr Template kBiasCarried =
    KELVRA_TR("Why this result",
              "Harmony includes %1, the amount carried from an earlier analysis: no link of this couple records an "
              "amount of its own.");
inline constexpr Template kBiasNone =
    KELVRA_TR("Why this result",
              "Harmony includes no carried amount: no link of this couple records an amount, and no earlier analysis "
              "left one.");

// The totals.
inline constexpr Template kDeltasAreHarmony =
    KELVRA_TR("Why this result", "The links' harmony deltas add up to %1, which is harmony.");
inline constexpr Template kDeltasWithBias =
    KELVRA_TR("Why this result", "The links' harmony deltas add up to %1; with the %2 above, harmony is %3.");
inline constexpr Template kPowerTotal = KELVRA_TR("Why this result", "Power is the links' strengths added up: %1.");

/// How one person's birth time moves the percentage over +-15 minutes: the
/// percentage ranges from %1 to %2, or stays %1, and the comment (%3, or %2
/// when it stays) changes, is not given, or stays.
struct BirthTimeNearWords {
  Template rangesCommentChanges;
  Template rangesNoComment;
  Template rangesCommentStays;
  Template staysCommentChanges;
  Template staysNoComment;
  Template staysCommentStays;
};

inline constexpr BirthTimeNearWords kManBirthTimeNear = {
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage ranges %1 to %2 and the comment changes."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage ranges %1 to %2 and no comment is given."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage ranges %1 to %2 and the comment stays %3."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage stays %1 and the comment changes."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage stays %1 and no comment is given."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the man's birth time the percentage stays %1 and the comment stays %2."),
};
inline constexpr BirthTimeNearWords kWomanBirthTimeNear = {
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage ranges %1 to %2 and the comment changes."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage ranges %1 to %2 and no comment is given."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage ranges %1 to %2 and the comment stays %3."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage stays %1 and the comment changes."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage stays %1 and no comment is given."),
    KELVRA_TR("Why this result",
              "Over ±15 minutes of the woman's birth time the percentage stays %1 and the comment stays %2."),
};

/// The same person's percentage over +-60 minutes, after the sentence above.
inline constexpr Template kBirthTimeFarRanges = KELVRA_TR("Why this result", "Over ±60 minutes it ranges %1 to %2.");
inline constexpr Template kBirthTimeFarStays = KELVRA_TR("Why this result", "Over ±60 minutes it stays %1.");

/// A spread of the percentage, filled into the sentences below.
inline constexpr PluralTemplate kPercentagePoints = KELVRA_TR_N("Why this result", "%n points", "%n point");
/// Whose birth time matters more; %1 is the spread of that person's, %2 the other's.
inline constexpr Template kManTimeMatters =
    KELVRA_TR("Why this result",
              "The man's birth time matters more: over ±60 minutes it spreads the percentage over %1, the woman's "
              "over %2.");
inline constexpr Template kWomanTimeMatters =
    KELVRA_TR("Why this result",
              "The woman's birth time matters more: over ±60 minutes it spreads the percentage over %1, the man's "
              "over %2.");
inline constexpr Template kNeitherTimeMatters =
    KELVRA_TR("Why this result", "Neither birth time moves the percentage within ±60 minutes.");
inline constexpr Template kBothTimesMatter = KELVRA_TR(
    "Why this result", "Both birth times matter equally: over ±60 minutes each spreads the percentage over %1.");

// The harmony rules of a contact, as the table's last column lists them.
inline constexpr Template kWhyNoRules = KELVRA_TR("Why this result", "none");
/// A rule (%1) and what it added (%2).
inline constexpr Template kRuleEffect = KELVRA_TR("Why this result", "%1 %2");
/// A rule, what it added and what it recorded for the analyses after it.
inline constexpr Template kRuleEffectRecording = KELVRA_TR("Why this result", "%1 %2 (records %3)");
/// Joins the rules of one contact: the list so far, then the next.
inline constexpr Template kRuleEffectsJoined = KELVRA_TR("Why this result", "%1; %2");
/// A rule about a contact kind (%1, its title) with one point: "Opposition Mars".
inline constexpr Template kRuleOfKindAndPoint = KELVRA_TR("Why this result rule", "%1 %2");
/// A rule about a contact kind between two points: "Opposition Sun–Moon".
inline constexpr Template kRuleOfKindAndPair = KELVRA_TR("Why this result rule", "%1 %2–%3");

/// A house number (%1) and its class, as the table shows a point's house.
Template HouseWords(HouseClass houseClass);

/// The contact table's column titles, left to right.
inline constexpr std::array<Template, 12> kWhyColumns = {
    KELVRA_TR("Why this result column", "#"),
    KELVRA_TR("Why this result column", "Male point"),
    KELVRA_TR("Why this result column", "Female point"),
    KELVRA_TR("Why this result column", "Kind"),
    KELVRA_TR("Why this result column", "Separation"),
    KELVRA_TR("Why this result column", "Detection orb"),
    KELVRA_TR("Why this result column", "Power orb"),
    KELVRA_TR("Why this result column", "Male house"),
    KELVRA_TR("Why this result column", "Female house"),
    KELVRA_TR("Why this result column", "Strength"),
    KELVRA_TR("Why this result column", "Harmony"),
    KELVRA_TR("Why this result column", "Rules"),
};

// The window.
inline constexpr Template kWhyWindowTitle = KELVRA_TR("Why this result window", "%1 - Why This Result");
inline constexpr Template kWhyExplanationTab = KELVRA_TR("Why this result window", "&Explanation");
inline constexpr Template kWhyChartTab = KELVRA_TR("Why this result window", "C&hart");
inline constexpr Template kWhySaveButton = KELVRA_TR("Why this result window", "&Save as PDF...");
inline constexpr Template kWhySaveName = KELVRA_TR("Why this result window", "Save as PDF");
inline constexpr Template kWhySaveChartButton = KELVRA_TR("Why this result window", "Save Chart &As...");
inline constexpr Template kWhySaveChartName = KELVRA_TR("Why this result window", "Save the chart as PNG, SVG or PDF");
inline constexpr Template kWhyPreviewButton = KELVRA_TR("Why this result window", "Print Pre&view...");
inline constexpr Template kWhyPreviewName =
    KELVRA_TR("Why this result window", "Print preview of the report and the chart");
inline constexpr Template kWhyCloseButton = KELVRA_TR("Why this result window", "&Close");
inline constexpr Template kWhyCloseName = KELVRA_TR("Why this result window", "Close");
inline constexpr Template kWhyWordsName = KELVRA_TR("Why this result window", "Why this result, in plain words");
inline constexpr Template kWhyLinksLabel =
    KELVRA_TR("Why this result window", "Every &link between the two charts (click a column title to sort):");
/// The contact table's name, and its heading in the saved explanation.
inline constexpr Template kWhyLinksName = KELVRA_TR("Why this result window", "Every link between the two charts");
inline constexpr Template kWhyContactShownName = KELVRA_TR("Why this result window", "Contact shown");
/// The contact's number in the table (%1) and its line (kContactLine).
inline constexpr Template kWhyContactShown = KELVRA_TR("Why this result window", "%1. %2");
inline constexpr Template kWhyNoContactShown =
    KELVRA_TR("Why this result window",
              "Point at a line, or click the chart and press the arrow keys, to name a contact and its figures.");
inline constexpr Template kWhySaveQuestion = KELVRA_TR("Why this result window", "Save a PDF copy of the explanation");
/// The file name offered; %1 is the program's name.
inline constexpr Template kWhySaveFileName = KELVRA_TR("Why this result window", "%1 explanation.pdf");
inline constexpr Template kWhySaveChartQuestion = KELVRA_TR("Why this result window", "Save the chart");
inline constexpr Template kWhySaveChartFileName = KELVRA_TR("Why this result window", "%1 chart.png");
/// What the chart's save dialog offers, PNG first.
inline constexpr Template kWhyChartFileFilter =
    KELVRA_TR("Why this result window", "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");
inline constexpr Template kWhyChartFileKindUnknown =
    KELVRA_TR("Why this result window",
              "%1 saves the chart as a PNG image, an SVG drawing or a PDF document: end the file name with .png, .svg "
              "or .pdf.");
inline constexpr Template kWhyChartNotSaved =
    KELVRA_TR("Why this result window", "The chart could not be saved to %1.");
inline constexpr Template kWhyPreviewTitle = KELVRA_TR("Why this result window", "%1 - Print Preview");

// The window's commands, as a failure message names them.
inline constexpr Template kWhySaveAsPdfCommand = KELVRA_TR("Command", "Save as PDF");
inline constexpr Template kWhySaveChartAsCommand = KELVRA_TR("Command", "Save Chart As");
inline constexpr Template kWhyPrintPreviewCommand = KELVRA_TR("Command", "Print Preview");
inline constexpr Template kWhyCloseCommand = KELVRA_TR("Command", "Close");

}  // namespace kelvra::words
