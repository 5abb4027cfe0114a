// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace kelvra {

/// The web search engine the lookup browser submits to. Every address is
/// defined once, in DefaultSearchEngine(); tests put a loopback server here.
struct SearchEngine {
  QUrl endpoint;         ///< the form's action; answers a GET with q
  QUrl homePage;         ///< the logo's link and the toolbar's Search page
  QUrl logo;             ///< the logo image
  QString name;          ///< the logo's alternative text
  QString publisherId;   ///< "pub-" followed by 16 digits
};

/// The engine Kelvra uses outside the tests.
SearchEngine DefaultSearchEngine();

/// The one-field search page written into the blank start page: a centred
/// form (GET to the endpoint, target _top) whose single table cell holds the
/// logo link, the text field q, the submit button sa and the hidden fields
/// client, forid, ie, oe, cof and hl.
QString SearchPageHtml(const SearchEngine& engine);

}  // namespace kelvra
