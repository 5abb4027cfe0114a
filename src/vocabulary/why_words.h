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
inline constexpr Template kWhyPercentage = KELVRA_TR("Why this result", "What the percentage says");
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

// What the percentage says, before anything else. %1 the reference
// couple's power times harmony divided by 100, %2..%4 the comments Good,
// Average and Poor.
inline constexpr Template kPercentageRule = KELVRA_TR(
    "Why this result",
    "The percentage compares a reference couple with this one. This couple's power times harmony, both unrounded, is "
    "rounded to a whole number and divided by 100; the reference couple's figure of %1 is divided by it, times 100, "
    "and rounded to a whole number. So 100 means as much power times harmony as the reference couple, and more of "
    "it gives a smaller percentage. The comment is %2 for 61 to 100, %3 for 41 to 60 and %4 for 0 to 40; above 100 "
    "or below 0 there is no comment.");
/// Where this couple stands: %1 its percentage, %2 its comment.
inline constexpr Template kPercentageWithComment =
    KELVRA_TR("Why this result", "This couple's percentage is %1, so the comment is %2.");
inline constexpr Template kPercentageAbove =
    KELVRA_TR("Why this result", "This couple's percentage is %1, above 100, so there is no comment.");
inline constexpr Template kPercentageBelow =
    KELVRA_TR("Why this result", "This couple's percentage is %1, below 0, so there is no comment.");
inline constexpr Template kPercentageNone = KELVRA_TR(
    "Why this result",
    "This couple's power times harmony rounds to 0, so there is no percentage to compare and no comment.");
/// %1 this couple's harmony.
inline constexpr Template kHarmonyBelowZero = KELVRA_TR(
    "Why this result", "This couple's harmony is %1, below 0, so no figures are given: no percentage and no comment.");
/// Two sentences of one paragraph, in reading order.
inline constexpr Template kSentencesJoined = KELVRA_TR("Why this result sentences", "%1 %2");

// Where the amount carried in harmony comes from.
inline constexpr Template kBiasRule = KELVRA_TR(
    "Why this result",
    "Trines, sextiles, semi-sextiles, the favourable conjunctions and oppositions, and most links with Jupiter or "
    "Venus set a harmony gain, each replacing the gain before it in the order of the table's # column. Harmony "
    "then adds 100 times the last gain as a bias.");
/// 100 times the gain (%1) is the bias (%2).
inline constexpr Template kBiasAmount = KELVRA_TR("Why this result", "100 x %1 = %2");
/// %1 the link (kContactWordsInSentence), %2 its number in the table, %3 kBiasAmount.
inline constexpr Template kBiasSetByLink = KELVRA_TR(
    "Why this result", "The last link to set a gain is %1, number %2 in the table, so the bias is %3.");
inline constexpr Template kBiasCarried =
    KELVRA_TR("Why this result",
              "No link of this couple sets a gain, so the gain the previous analysis left stays, and the bias is %1.");
inline constexpr Template kBiasNone = KELVRA_TR(
    "Why this result",
    "No link of this couple sets a gain and no earlier analysis left one, so harmony has no bias.");
/// How much of harmony (%2) the bias (%1) makes.
inline constexpr Template kBiasShare =
    KELVRA_TR("Why this result", "%1 of the harmony of %2 comes from this one amount.");
/// The bias (%1) is more than harmony (%2), the links' deltas (%3) being below 0.
inline constexpr Template kBiasExceedsHarmony = KELVRA_TR(
    "Why this result",
    "This one amount, %1, is more than the whole harmony of %2: the links' own harmony adds up to %3.");

// The totals.
inline constexpr Template kDeltasAreHarmony = KELVRA_TR(
    "Why this result", "The links' own harmony, the table's Harmony column, adds up to %1, and that is harmony.");
inline constexpr Template kDeltasWithBias = KELVRA_TR(
    "Why this result",
    "The links' own harmony, the table's Harmony column, adds up to %1; with the bias of %2, harmony is %3.");
inline constexpr Template kPowerTotal =
    KELVRA_TR("Why this result", "Power is the links' strengths, the table's Strength column, added up: %1.");

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
/// A rule, what it added and the harmony gain it set.
inline constexpr Template kRuleEffectRecording = KELVRA_TR("Why this result", "%1 %2 (sets gain %3)");
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
/// The file names offered: %1 the man's name, %2 the woman's (a nameless
/// person's word when none was typed). The chart's extension is the first
/// kind kWhyChartFileFilter offers.
inline constexpr Template kWhySaveFileName = KELVRA_TR("Why this result window", "%1 and %2 - explanation.pdf");
inline constexpr Template kWhySaveChartQuestion = KELVRA_TR("Why this result window", "Save the chart");
inline constexpr Template kWhySaveChartFileName = KELVRA_TR("Why this result window", "%1 and %2 - chart.png");
/// The status line after a save; %1 the file as the system writes paths.
inline constexpr Template kWhyChartSaved = KELVRA_TR("Why this result window", "Chart saved to %1");
inline constexpr Template kWhyExplanationSaved = KELVRA_TR("Why this result window", "Explanation saved to %1");
inline constexpr Template kWhyStatusName = KELVRA_TR("Why this result window", "Status");
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
