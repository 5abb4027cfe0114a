// SPDX-License-Identifier: AGPL-3.0-or-later
// Words more than one window shows.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// The program's name: message titles, banners, the creator of saved files.
inline constexpr Template kProgramName = KELVRA_TR("Program", "Kelvra");

/// A control's tool tip naming its key: what it does (%1), then the key (%2)
/// as the keyboard shows it, e.g. "Close (Ctrl+W)".
inline constexpr Template kToolTipWithShortcut = KELVRA_TR("Tool tip", "%1 (%2)");

/// The co-branding link of the entry form and the results window, and the
/// About box's, which has no full stop.
inline constexpr Template kCoBrandLink = KELVRA_TR("Co-branding", "Click Here for more info on Co-branding.");
inline constexpr Template kCoBrandLinkInAbout = KELVRA_TR("Co-branding", "Click Here for more info on Co-branding");
/// The command those links run, as a failure message names it.
inline constexpr Template kCoBrandCommand = KELVRA_TR("Command", "Co-branding Information");

/// How the windows and sentences name one of the two persons when the words
/// do not depend on the rest of the sentence; a sentence whose grammar does
/// is a template of its own for each person.
struct PersonWords {
  Template caption;    ///< a heading: "Male"
  Template adjective;  ///< before a noun: "the %1 birth time" with "male"
  Template noun;       ///< inside a sentence: "the man"
  Template start;      ///< starting a sentence: "The man"
  Template nameless;   ///< standing for a name that was not typed: "Man"
};

inline constexpr PersonWords kMan = {
    KELVRA_TR("Person", "Male"),    KELVRA_TR("Person", "male"),  KELVRA_TR("Person", "the man"),
    KELVRA_TR("Person", "The man"), KELVRA_TR("Person", "Man"),
};
inline constexpr PersonWords kWoman = {
    KELVRA_TR("Person", "Female"),    KELVRA_TR("Person", "female"), KELVRA_TR("Person", "the woman"),
    KELVRA_TR("Person", "The woman"), KELVRA_TR("Person", "Woman"),
};

}  // namespace kelvra::words
