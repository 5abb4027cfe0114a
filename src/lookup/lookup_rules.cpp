// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/lookup_rules.h"

#include <algorithm>

#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/lookup_words.h"

namespace kelvra {

QString LookupSearchText(const QString& city, const QString& state, const QString& country) {
  return Text(words::kLookupSearchText, {city.toStdString(), state.toStdString(), country.toStdString()});
}

bool EntersHistory(const QString& address) { return !address.contains(QStringLiteral("about:blank")); }

QStringList RewriteHistory(QStringList history, const QString& address) {
  if (!EntersHistory(address)) return history;
  const qsizetype existing = history.indexOf(address);
  if (existing >= 0) history.removeAt(existing);
  history.prepend(address);
  return history;
}

QString BusyCaption(bool busy, const QString& pageTitle) {
  return busy ? Text(words::kLookupWorking) : pageTitle;
}

BrowserGeometry ResizeRule(QSize inner, int addressBarInnerWidth, int addressLeft, int addressBarBottom) {
  const int margin = Twips(100);
  return {std::max(0, addressBarInnerWidth - addressLeft),
          QSize(std::max(0, inner.width() - margin), std::max(0, inner.height() - addressBarBottom - margin))};
}

QString JsStringLiteral(const QString& text) {
  QString literal;
  literal.reserve(text.size() + 2);
  literal += QLatin1Char('"');
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    switch (u) {
      case u'"': literal += QStringLiteral("\\\""); continue;
      case u'\\': literal += QStringLiteral("\\\\"); continue;
      case u'\n': literal += QStringLiteral("\\n"); continue;
      case u'\r': literal += QStringLiteral("\\r"); continue;
      case u'\t': literal += QStringLiteral("\\t"); continue;
      default: break;
    }
    const bool markup = u == u'<' || u == u'>' || u == u'&' || u == u'\'';
    if (u < 0x20 || u >= 0x7f || markup) {
      literal += QStringLiteral("\\u") + QString::number(u, 16).rightJustified(4, QLatin1Char('0'));
    } else {
      literal += c;
    }
  }
  literal += QLatin1Char('"');
  return literal;
}

QString SearchScript(const QString& pageHtml, const QString& searchText) {
  // Search pages spell their field names in either case, so names match
  // without regard to case; the texts arrive only as literals, never as code.
  return QStringLiteral(
             "(function () {\n"
             "  function byName(name) {\n"
             "    var all = document.body.querySelectorAll('[name]');\n"
             "    for (var i = 0; i < all.length; ++i)\n"
             "      if (all[i].getAttribute('name').toLowerCase() === name) return all[i];\n"
             "    return null;\n"
             "  }\n"
             "  document.body.innerHTML = %1;\n"
             "  byName('q').value = %2;\n"
             "  byName('sa').click();\n"
             "})();\n")
      .arg(JsStringLiteral(pageHtml), JsStringLiteral(searchText));
}

bool ShowsOfflinePage(bool loadSucceeded, bool stoppedByUser, const QString& address) {
  return !loadSucceeded && !stoppedByUser && address != QLatin1String("about:blank");
}

QString OfflinePageHtml(const QString& needsInternet, const QString& useAtlas) {
  const QString heading = needsInternet.toHtmlEscaped();
  return QStringLiteral(
             "<!DOCTYPE html>\n"
             "<html><head><meta charset=\"utf-8\"><title>%1</title></head>\n"
             "<body style=\"font-family: sans-serif; margin: 2em;\">\n"
             "<h1 style=\"font-size: 1.2em;\">%1</h1>\n"
             "<p>%2</p>\n"
             "</body></html>\n")
      .arg(heading, useAtlas.toHtmlEscaped());
}

}  // namespace kelvra
