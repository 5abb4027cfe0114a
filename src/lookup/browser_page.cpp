// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/browser_page.h"

namespace kelvra {

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
  // The lookup browser is a single window: pages that ask for a new window or
  // tab (target="_blank", window.open) open in this one instead of nowhere.
  return this;
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) {
  // Result pages log freely; none of it concerns the user, and Kelvra keeps no log.
}

}  // namespace kelvra
