// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/search_page.h"

#include "shell/words.h"
#include "vocabulary/lookup_words.h"

namespace kelvra {

namespace {

QString Attribute(const QUrl& url) { return url.toString(QUrl::FullyEncoded).toHtmlEscaped(); }

}  // namespace

SearchEngine DefaultSearchEngine() {
  return {QUrl(QStringLiteral("https://www.google.com/search")), QUrl(QStringLiteral("https://www.google.com/")),
          QUrl(QStringLiteral("https://www.google.com/images/branding/googlelogo/1x/googlelogo_color_92x30dp.png")),
          QStringLiteral("Google"), QStringLiteral("pub-0000000000000000")};
}

QString SearchPageHtml(const SearchEngine& engine) {
  return QStringLiteral(
             "<center>\n"
             "<form method=\"get\" action=\"%1\" target=\"_top\">\n"
             "<table bgcolor=\"#ffffff\">\n"
             "<tr><td nowrap=\"nowrap\" valign=\"top\" align=\"left\" height=\"32\">\n"
             "<a href=\"%2\"><img src=\"%3\" border=\"0\" alt=\"%4\" align=\"middle\"></a>\n"
             "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">\n"
             "<input type=\"submit\" name=\"sa\" value=\"%6\">\n"
             "<input type=\"hidden\" name=\"client\" value=\"%5\">\n"
             "<input type=\"hidden\" name=\"forid\" value=\"1\">\n"
             "<input type=\"hidden\" name=\"ie\" value=\"ISO-8859-1\">\n"
             "<input type=\"hidden\" name=\"oe\" value=\"ISO-8859-1\">\n"
             "<input type=\"hidden\" name=\"cof\" value=\"GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;"
             "BGC:FFFFFF;LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;FORID:1;\">\n"
             "<input type=\"hidden\" name=\"hl\" value=\"en\">\n"
             "</td></tr>\n"
             "</table>\n"
             "</form>\n"
             "</center>\n")
      .arg(Attribute(engine.endpoint), Attribute(engine.homePage), Attribute(engine.logo),
           engine.name.toHtmlEscaped(), engine.publisherId.toHtmlEscaped(), Text(words::kSearchButton).toHtmlEscaped());
}

}  // namespace kelvra
