// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace kelvra {

/// The text the lookup browser searches for: "Latitude Longitude " + city +
/// " " + state + " " + country, every entry exactly as typed.
QString LookupSearchText(const QString& city, const QString& state, const QString& country);

/// Whether a completed page's address belongs in the address history:
/// every address except those containing "about:blank" (case-sensitive).
bool EntersHistory(const QString& address);

/// The address history after a page at `address` completes: the first entry
/// equal to it (case-sensitive) is removed and the address goes to the top.
/// A history that already holds it elsewhere keeps its other entries in order;
/// an address that does not enter the history leaves the list unchanged.
QStringList RewriteHistory(QStringList history, const QString& address);

/// The window caption while the busy poll runs: "Working..." while the page
/// is loading, the page title once it is not.
QString BusyCaption(bool busy, const QString& pageTitle);

/// Pixel sizes the resize rule gives the address box and the page view.
struct BrowserGeometry {
  int addressWidth = 0;  ///< cboAddress
  QSize view;            ///< brwWebBrowser

  bool operator==(const BrowserGeometry&) const = default;
};

/// The resize rule, in pixels: the address box reaches the right edge of the
/// address bar; the page view is the window's inner size less a 100-twip
/// margin across and the address bar's bottom plus 100 twips down. Sizes a
/// window too small to hold them come out as 0 rather than negative.
BrowserGeometry ResizeRule(QSize inner, int addressBarInnerWidth, int addressLeft, int addressBarBottom);

/// `text` as a JavaScript (and JSON) string literal, quotes included. Every
/// character outside printable ASCII, and every character that means something
/// to HTML, is written as a \u escape, so the literal can neither end early nor
/// be read as markup wherever it is placed.
QString JsStringLiteral(const QString& text);

/// The script run in the blank start page: it writes `pageHtml` into the body,
/// sets the element named "q" (name compared without regard to case) to
/// `searchText` and clicks the element named "sa". Both texts enter the script
/// only as string literals.
QString SearchScript(const QString& pageHtml, const QString& searchText);

/// Whether a finished load of the page view gives way to the offline page:
/// only a load that failed on its own. A load the user stopped, and the blank
/// page the offline page itself is shown in, keep what the engine shows.
bool ShowsOfflinePage(bool loadSucceeded, bool stoppedByUser, const QString& address);

/// The offline page: `needsInternet` as its title and heading, `useAtlas`
/// below it, both escaped so that no word is read as markup.
QString OfflinePageHtml(const QString& needsInternet, const QString& useAtlas);

}  // namespace kelvra
