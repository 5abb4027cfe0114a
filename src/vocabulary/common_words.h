// SPDX-License-Identifier: AGPL-3.0-or-later
// Words more than one window shows.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// The program's name: message titles, banners, the creator of saved files.
inline constexpr Template kProgramName = KELVRA_TR("Program", "Kelvra");

/// The co-branding link of the entry form and the results window, and the
/// About box's, which has no full stop.
inline constexpr Template kCoBrandLink = KELVRA_TR("Co-branding", "Click Here for more info on Co-branding.");
inline constexpr Template kCoBrandLinkInAbout = KELVRA_TR("Co-branding", "Click Here for more info on Co-branding");
/// The command those links run, as a failure message names it.
inline constexpr Template kCoBrandCommand = KELVRA_TR("Command", "Co-branding Information");

}  // namespace kelvra::words
