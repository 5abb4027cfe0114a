// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "lookup/search_page.h"

class QWidget;

namespace kelvra {

/// The birthplace a lookup searches for, as the entry form held it when the
/// lookup was asked for.
struct LookupPlace {
  QString city;
  QString state;
  QString country;
};

/// Everything the browser window takes from the program besides the place.
struct LookupBrowserOptions {
  SearchEngine searchEngine = DefaultSearchEngine();
  QUrl homePage;                        ///< the maker's site root, opened inside the browser by Home
  std::function<void()> openHomePage;   ///< what the advertisement line Label61 runs
};

/// The browser lives in a module of its own so that Kelvra maps Qt WebEngine
/// only when the user first asks for a lookup. Loader and module agree on the
/// entry point's name; its number changes whenever the entry point,
/// LookupPlace or LookupBrowserOptions does.
inline constexpr char kCreateLookupBrowserSymbol[] = "kelvra_create_lookup_browser_v2";
using CreateLookupBrowserFunction = QWidget* (*)(const LookupPlace* place, const LookupBrowserOptions* options);

}  // namespace kelvra
