// SPDX-License-Identifier: AGPL-3.0-or-later
// The words of the two charts' picture: what it writes, its titles, and what
// a screen reader says of it.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// "Arthur and Guinevere: their two charts"; without either name, kTwoCharts.
inline constexpr Template kTwoChartsOfCouple = KELVRA_TR("Chart", "%1 and %2: their two charts");
inline constexpr Template kTwoCharts = KELVRA_TR("Chart", "The two charts");

/// One contact as the picture names it: the man's point's glyph (%1) and
/// word (%2), the kind's symbol (%3) and noun (%4), the woman's point's
/// glyph (%5) and word (%6): "☉ Sun △ trine ♀ Venus".
inline constexpr Template kContactCaption = KELVRA_TR("Chart", "%1 %2 %3 %4 %5 %6");

/// The caption of the picture when his houses are not Placidus's.
inline constexpr Template kPorphyryNote = KELVRA_TR("Chart", "Porphyry houses (Placidus undefined at this latitude)");

// What the picture writes.
inline constexpr Template kDeclination = KELVRA_TR("Chart", "Declination");
/// The strip's ends: north and south.
inline constexpr Template kNorthMark = KELVRA_TR("Chart", "N");
inline constexpr Template kSouthMark = KELVRA_TR("Chart", "S");
/// Whose chart each ring holds: a name, or the person's noun (the man).
inline constexpr Template kInnerRing = KELVRA_TR("Chart", "Inner ring: %1");
inline constexpr Template kOuterRing = KELVRA_TR("Chart", "Outer ring: %1");
// The legend of the contact lines.
inline constexpr Template kLegendAdds = KELVRA_TR("Chart", "adds to harmony");
inline constexpr Template kLegendTakes = KELVRA_TR("Chart", "takes harmony away");
inline constexpr Template kLegendNeutral = KELVRA_TR("Chart", "changes nothing");

// What a screen reader says of the whole picture, sentence by sentence.
/// Whose chart is where: each a name, or the person's word (The man, the woman).
inline constexpr Template kSpokenRings =
    KELVRA_TR("Chart", "%1's chart is on the inner ring, with his houses; %2's chart is on the outer ring.");
inline constexpr Template kSpokenPorphyry =
    KELVRA_TR("Chart", "Porphyry houses (Placidus undefined at this latitude).");
/// The contacts drawn (%1), the aspects among them (%2) and the parallels (%3).
inline constexpr Template kSpokenContacts = KELVRA_TR("Chart", "%1: %2 and %3.");
inline constexpr PluralTemplate kSpokenContactsDrawn =
    KELVRA_TR_N("Chart", "%n scored contacts are drawn", "%n scored contact is drawn");
inline constexpr PluralTemplate kSpokenAspects =
    KELVRA_TR_N("Chart", "%n aspects as lines across the centre", "%n aspect as lines across the centre");
inline constexpr PluralTemplate kSpokenParallels =
    KELVRA_TR_N("Chart", "%n parallels of declination on the strip beside the wheel",
                "%n parallel of declination on the strip beside the wheel");
/// How many add to harmony (%1), take it away (%2) and change nothing (%3).
inline constexpr Template kSpokenTones = KELVRA_TR("Chart", "%1, %2, %3.");
inline constexpr PluralTemplate kSpokenAdds =
    KELVRA_TR_N("Chart", "%n add to harmony (solid blue lines)", "%n adds to harmony (solid blue lines)");
inline constexpr PluralTemplate kSpokenTakes =
    KELVRA_TR_N("Chart", "%n take away (dashed orange lines)", "%n takes away (dashed orange lines)");
inline constexpr PluralTemplate kSpokenNeutral =
    KELVRA_TR_N("Chart", "%n change nothing (dotted grey lines)", "%n changes nothing (dotted grey lines)");
inline constexpr Template kSpokenKeys =
    KELVRA_TR("Chart", "The arrow keys step through the contacts; the Explanation tab lists every one in a table.");
/// Joins the sentences above.
inline constexpr Template kSpokenSentences = KELVRA_TR("Chart", "%1 %2");

// The picture in the window: its name for a screen reader, and with the
// contact selected (its caption, %2).
inline constexpr Template kChartViewName = KELVRA_TR("Chart", "Chart: %1");
inline constexpr Template kChartViewNameWithContact = KELVRA_TR("Chart", "Chart: %1, %2");

}  // namespace kelvra::words
