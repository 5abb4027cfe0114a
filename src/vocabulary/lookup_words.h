// SPDX-License-Identifier: AGPL-3.0-or-later
// The words of the lookup browser, the window that searches the web for a
// birthplace's latitude and longitude, and of its failure to open.
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

/// %1 the home page's host name.
inline constexpr Template kLookupTitle = KELVRA_TR("Lookup browser", "Lookup Browser - Kelvra - %1");
/// The window's one name for screen readers, whatever page it shows.
inline constexpr Template kLookupAccessibleName = KELVRA_TR("Lookup browser", "Lookup Browser - Kelvra");
/// What the browser searches the web for: %1 the city, %2 the state, %3
/// the country, each as typed.
inline constexpr Template kLookupSearchText = KELVRA_TR("Lookup browser", "Latitude Longitude %1 %2 %3");
/// The caption while a page loads.
inline constexpr Template kLookupWorking = KELVRA_TR("Lookup browser", "Working...");
inline constexpr Template kLookupBack = KELVRA_TR("Lookup browser", "Back");
inline constexpr Template kLookupForward = KELVRA_TR("Lookup browser", "Forward");
inline constexpr Template kLookupStop = KELVRA_TR("Lookup browser", "Stop");
inline constexpr Template kLookupRefresh = KELVRA_TR("Lookup browser", "Refresh");
inline constexpr Template kLookupHome = KELVRA_TR("Lookup browser", "Home");
inline constexpr Template kLookupSearch = KELVRA_TR("Lookup browser", "Search");
/// The tool bar's button that shows the buttons a narrow window cuts off.
inline constexpr Template kLookupMoreButtons = KELVRA_TR("Lookup browser", "More Buttons");
/// %1 the home page's host name.
inline constexpr Template kLookupVisit = KELVRA_TR("Lookup browser", "Visit %1");
inline constexpr Template kLookupAddressLabel = KELVRA_TR("Lookup browser", "&Address:");
/// The address box, as screen readers name it.
inline constexpr Template kLookupAddress = KELVRA_TR("Lookup browser", "Address");
/// The command Enter in the address box runs, as a failure names it.
inline constexpr Template kCommandGoToAddress = KELVRA_TR("Command", "Go to Address");

/// %1 why: one or more of the sentences below, joined by a blank.
inline constexpr Template kLookupNotAvailable =
    KELVRA_TR("Lookup browser", "The latitude and longitude lookup is not available: %1");
inline constexpr Template kLookupCannotOpen = KELVRA_TR("Lookup browser", "The lookup browser cannot be opened. %1");
/// %1 the file, %2 the system's reason, in the words Qt gives a library
/// that does not load.
inline constexpr Template kLookupModuleNotLoadable = KELVRA_TR("Lookup browser", "Cannot load library %1: (%2)");
/// %1 the file.
inline constexpr Template kLookupModuleNotOurs =
    KELVRA_TR("Lookup browser", "%1 is not a lookup browser module of this Kelvra version.");
/// %1 the module's file name, %2 the folders searched, joined by ", ".
inline constexpr Template kLookupModuleNotFound = KELVRA_TR("Lookup browser", "Its module %1 was not found in %2.");
inline constexpr Template kLookupFolderSeparator = KELVRA_TR("Lookup browser", ", ");
inline constexpr Template kLookupProblemSeparator = KELVRA_TR("Lookup browser", " ");

/// The page shown in the browser's place when a page cannot be reached; the
/// first sentence is also its title.
inline constexpr Template kLookupOfflineNeedsInternet =
    KELVRA_TR("Lookup browser", "The latitude and longitude search needs a connection to the internet.");
inline constexpr Template kLookupOfflineUseAtlas =
    KELVRA_TR("Lookup browser", "Without one, Atlas... on the entry form finds places offline.");

/// The button of the search page the browser opens with.
inline constexpr Template kSearchButton = KELVRA_TR("Lookup browser", "Search");

}  // namespace kelvra::words
