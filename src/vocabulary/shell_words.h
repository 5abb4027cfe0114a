// SPDX-License-Identifier: AGPL-3.0-or-later
// The words of what every window shares: the program's caption, the message
// a failed command gives, the About box, and the names of the commands of
// the results window and the About box as a failure message names them.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// Window captions: %1 the version, "Kelvra v1.2.0".
inline constexpr Template kProductCaption = KELVRA_TR("Program", "Kelvra v%1");

/// %1 the command as the user knows it, %2 why it failed.
inline constexpr Template kCommandFailed =
    KELVRA_TR("Command", "The command \"%1\" could not be completed: %2. Everything you entered is kept.");
/// The reason when a failure gave none of its own.
inline constexpr Template kUnexpectedError = KELVRA_TR("Command", "an unexpected error");
/// Ends a reason cut short.
inline constexpr Template kReasonCut = KELVRA_TR("Command", "%1...");

// The commands, named as their menu items and buttons name them.
inline constexpr Template kCommandVisitUsOnline = KELVRA_TR("Command", "Visit Us Online");
inline constexpr Template kCommandWhyThisResult = KELVRA_TR("Command", "Why this result");
inline constexpr Template kCommandPrint = KELVRA_TR("Command", "Print");
inline constexpr Template kCommandBack = KELVRA_TR("Command", "Back");
inline constexpr Template kCommandExit = KELVRA_TR("Command", "Exit");
inline constexpr Template kCommandChart = KELVRA_TR("Command", "Chart");
inline constexpr Template kCommandOnlineHelp = KELVRA_TR("Command", "Online Help");
inline constexpr Template kCommandCheckForUpdate = KELVRA_TR("Command", "Check for Software Update");
inline constexpr Template kCommandAboutSoftware = KELVRA_TR("Command", "About Software");
inline constexpr Template kCommandDonate = KELVRA_TR("Command", "Donate");
inline constexpr Template kCommandOK = KELVRA_TR("Command", "OK");

/// The co-branding offer of the About box and the results window; the
/// double blanks and the lone ampersand are shown as they are.
inline constexpr Template kCoBrandOffer =
    KELVRA_TR("Co-branding",
              "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
              "name &  link here.");

// The About box.
inline constexpr Template kAboutDescription =
    KELVRA_TR("About",
              "Kelvra calculates the compatibility between two individuals based on their birth information and "
              "planetary positions. This kind of analysis is highly accurate and gives an objective insight to our "
              "relationships. All calculations in this program are based on the natal charts of the individuals "
              "whose information is entered. Read it as a guide, not a verdict.");
/// %1 the web site's host name.
inline constexpr Template kAboutVisitUs = KELVRA_TR("About", "Visit us at %1");
inline constexpr Template kAboutOK = KELVRA_TR("About", "OK");

}  // namespace kelvra::words
