// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWebEnginePage>

namespace kelvra {

/// The lookup browser's page policy: one window, quiet consoles.
class BrowserPage : public QWebEnginePage {
  Q_OBJECT

 public:
  BrowserPage(QWebEngineProfile* profile, QObject* parent);

 protected:
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                const QString& sourceID) override;
};

}  // namespace kelvra
