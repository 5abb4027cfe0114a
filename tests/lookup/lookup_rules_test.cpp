// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/lookup_rules.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include "lookup/search_page.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace kelvra {
namespace {

TEST(SearchText, KeepsEveryEntryAsTyped) {
  const struct {
    const char *city, *state, *country, *expected;
  } cases[] = {
      {"New York", "NY", "USA", "Latitude Longitude New York NY USA"},
      {"New York ", "NY", "USA", "Latitude Longitude New York  NY USA"},
      {" Bath", "Somerset", "UK ", "Latitude Longitude  Bath Somerset UK "},
      {"a\"b", "c\\d", "<e>", "Latitude Longitude a\"b c\\d <e>"},
      {"", "", "", "Latitude Longitude   "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupSearchText(c.city, c.state, c.country), QString::fromLatin1(c.expected));
}

struct HistoryCase {
  const char* name;
  QStringList before;
  QString address;
  QStringList after;
};

TEST(AddressHistory, HoldsEachAddressOnceNewestFirst) {
  const HistoryCase cases[] = {
      {"first page", {}, "http://a/", {"http://a/"}},
      {"new page on top", {"http://b/", "http://a/"}, "http://c/", {"http://c/", "http://b/", "http://a/"}},
      {"revisit moves up", {"http://c/", "http://b/", "http://a/"}, "http://a/",
       {"http://a/", "http://c/", "http://b/"}},
      {"newest again", {"http://c/", "http://b/"}, "http://c/", {"http://c/", "http://b/"}},
      {"case matters", {"http://a/X"}, "http://a/x", {"http://a/x", "http://a/X"}},
      {"only the first match goes", {"http://b/", "http://a/", "http://a/"}, "http://a/",
       {"http://a/", "http://b/", "http://a/"}},
      {"blank page never", {"http://a/"}, "about:blank", {"http://a/"}},
      {"nor anything naming it", {"http://a/"}, "http://a/?next=about:blank", {"http://a/"}},
      {"but only in lower case", {}, "http://a/?About:Blank", {"http://a/?About:Blank"}},
  };
  for (const HistoryCase& c : cases) EXPECT_EQ(RewriteHistory(c.before, c.address), c.after) << c.name;
}

TEST(ResizeRule, FillsTheWindowBelowTheAddressBar) {
  const struct {
    QSize inner;
    BrowserGeometry expected;
  } cases[] = {
      // The designed client area, 8310 by 6630 twips.
      {{554, 442}, {498, {547, 372}}},
      {{800, 600}, {744, {793, 530}}},
      // Too small to hold anything: nothing negative.
      {{40, 50}, {0, {33, 0}}},
      {{0, 0}, {0, {0, 0}}},
  };
  for (const auto& c : cases) {
    const BrowserGeometry geometry = ResizeRule(c.inner, c.inner.width(), 56, 63);
    EXPECT_EQ(geometry.addressWidth, c.expected.addressWidth) << c.inner.width() << 'x' << c.inner.height();
    EXPECT_EQ(geometry.view, c.expected.view) << c.inner.width() << 'x' << c.inner.height();
  }
}

TEST(JsStringLiteral, EscapesWhatCouldEndItOrBeReadAsMarkup) {
  const struct {
    QString text;
    const char* literal;
  } cases[] = {
      {"New York", R"("New York")"},
      {"", R"("")"},
      {"say \"hi\"", R"("say \"hi\"")"},
      {"back\\slash", R"("back\\slash")"},
      {"</script>", R"("\u003c/script\u003e")"},
      {"it's & more", R"("it\u0027s \u0026 more")"},
      {"line\nbreak\r\ttab", R"("line\nbreak\r\ttab")"},
      {QString(QChar(0x2028)) + QChar(0x2029), R"("\u2028\u2029")"},
      {QString::fromUtf8("Zürich"), R"("Z\u00fcrich")"},
      {QString(QChar(1)) + QChar(0x7f), R"("\u0001\u007f")"},
  };
  for (const auto& c : cases) EXPECT_EQ(JsStringLiteral(c.text), QString::fromLatin1(c.literal));
}

TEST(JsStringLiteral, ReadsBackAsTheSameTextAndStaysPlainAscii) {
  const QString texts[] = {
      QStringLiteral("\"); alert(1); (\""),
      QStringLiteral("\\\"\\\\\\"),
      QStringLiteral("<script>alert(1)</script><img src=x onerror=alert(2)>"),
      QString::fromUtf8("東京 \xF0\x9F\x8C\x8D Ωmega"),
      QString(QChar(0)) + QStringLiteral("nul"),
  };
  for (const QString& text : texts) {
    const QString literal = JsStringLiteral(text);
    const QJsonDocument parsed = QJsonDocument::fromJson(("[" + literal + "]").toUtf8());
    ASSERT_TRUE(parsed.isArray()) << literal.toStdString();
    EXPECT_EQ(parsed.array().at(0).toString(), text);
    EXPECT_FALSE(literal.contains(QRegularExpression(QStringLiteral("[^\\x20-\\x7e]|[<>&']"))))
        << literal.toStdString();
  }
}

TEST(SearchScript, CarriesBothTextsOnlyAsLiterals) {
  const QString html = QStringLiteral("<form><input name=\"q\"></form>");
  const QString query = QStringLiteral("Latitude Longitude \"); alert(1); (\" <b>");
  const QString script = SearchScript(html, query);
  EXPECT_TRUE(script.contains(QStringLiteral("document.body.innerHTML = ") + JsStringLiteral(html) + ";"));
  EXPECT_TRUE(script.contains(QStringLiteral("byName('q').value = ") + JsStringLiteral(query) + ";"));
  EXPECT_TRUE(script.contains(QStringLiteral("byName('sa').click();")));
  EXPECT_FALSE(script.contains(query));
  EXPECT_FALSE(script.contains(html));
}

// The search page's tags of one kind, each as its attribute map, in order.
QList<QMap<QString, QString>> Tags(const QString& html, const QString& tag) {
  static const QRegularExpression attribute(QStringLiteral("([a-z]+)=\"([^\"]*)\""));
  QList<QMap<QString, QString>> tags;
  const QRegularExpression element(QStringLiteral("<%1\\b([^>]*)>").arg(tag));
  for (auto it = element.globalMatch(html); it.hasNext();) {
    QMap<QString, QString> attributes;
    for (auto a = attribute.globalMatch(it.next().captured(1)); a.hasNext();) {
      const auto match = a.next();
      attributes[match.captured(1)] = match.captured(2);
    }
    tags << attributes;
  }
  return tags;
}

using Attributes = QMap<QString, QString>;

TEST(SearchPage, IsTheOneFieldFormOfTheEngine) {
  const SearchEngine engine{QUrl("http://127.0.0.1:8080/cse"), QUrl("http://127.0.0.1:8080/"),
                            QUrl("http://127.0.0.1:8080/logo.gif"), "Engine", "pub-1234567890123456"};
  const QString html = SearchPageHtml(engine);
  EXPECT_EQ(Tags(html, "form"),
            QList<Attributes>({{{"method", "get"}, {"action", "http://127.0.0.1:8080/cse"}, {"target", "_top"}}}));
  EXPECT_EQ(Tags(html, "table"), QList<Attributes>({{{"bgcolor", "#ffffff"}}}));
  EXPECT_EQ(html.count(QStringLiteral("<tr>")), 1);
  EXPECT_EQ(Tags(html, "td"), QList<Attributes>({{{"nowrap", "nowrap"}, {"valign", "top"}, {"align", "left"},
                                                  {"height", "32"}}}));
  EXPECT_EQ(Tags(html, "a"), QList<Attributes>({{{"href", "http://127.0.0.1:8080/"}}}));
  EXPECT_EQ(Tags(html, "img"), QList<Attributes>({{{"src", "http://127.0.0.1:8080/logo.gif"}, {"border", "0"},
                                                   {"alt", "Engine"}, {"align", "middle"}}}));
  const QString cof = QStringLiteral(
      "GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;BGC:FFFFFF;LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;"
      "GFNT:0000FF;GIMP:0000FF;FORID:1;");
  EXPECT_EQ(Tags(html, "input"),
            QList<Attributes>({
                {{"type", "text"}, {"name", "q"}, {"size", "31"}, {"maxlength", "255"}, {"value", ""}},
                {{"type", "submit"}, {"name", "sa"}, {"value", "Search"}},
                {{"type", "hidden"}, {"name", "client"}, {"value", "pub-1234567890123456"}},
                {{"type", "hidden"}, {"name", "forid"}, {"value", "1"}},
                {{"type", "hidden"}, {"name", "ie"}, {"value", "ISO-8859-1"}},
                {{"type", "hidden"}, {"name", "oe"}, {"value", "ISO-8859-1"}},
                {{"type", "hidden"}, {"name", "cof"}, {"value", cof}},
                {{"type", "hidden"}, {"name", "hl"}, {"value", "en"}},
            }));
  // The logo link comes first in the cell, the form sits in a centred block.
  EXPECT_LT(html.indexOf("<a "), html.indexOf("<input"));
  EXPECT_TRUE(html.startsWith("<center>"));
}

TEST(SearchPage, EscapesTheAddressesItIsGiven) {
  SearchEngine engine = DefaultSearchEngine();
  engine.endpoint = QUrl(QStringLiteral("http://127.0.0.1/cse?a=1&b=\"2\""));
  engine.name = QStringLiteral("\"><script>");
  const QString html = SearchPageHtml(engine);
  EXPECT_EQ(Tags(html, "form").value(0).value("action"), "http://127.0.0.1/cse?a=1&amp;b=%222%22");
  EXPECT_FALSE(html.contains("<script"));
}

TEST(SearchPage, OurEngineHasAPublisherIdOfSixteenDigits) {
  const SearchEngine engine = DefaultSearchEngine();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^pub-[0-9]{16}$")).match(engine.publisherId).hasMatch());
  EXPECT_TRUE(engine.endpoint.isValid());
  EXPECT_TRUE(engine.homePage.isValid());
  EXPECT_TRUE(engine.logo.isValid());
}

TEST(OfflinePage, FollowsOnlyLoadsThatFailedOnTheirOwn) {
  const struct {
    bool succeeded, stopped;
    const char* address;
    bool offline;
  } cases[] = {
      {true, false, "http://127.0.0.1/search?q=x", false},
      {false, false, "http://127.0.0.1/search?q=x", true},
      {false, false, "https://unreachable.invalid/", true},
      {false, true, "http://127.0.0.1/search?q=x", false},  // Stop is not being offline
      {true, true, "http://127.0.0.1/", false},
      {false, false, "about:blank", false},  // where the offline page is shown
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShowsOfflinePage(c.succeeded, c.stopped, QString::fromLatin1(c.address)), c.offline)
        << c.succeeded << c.stopped << ' ' << c.address;
}

TEST(OfflinePage, ShowsBothSentencesAsTextNeverAsMarkup) {
  const struct {
    QString needsInternet, useAtlas, title, paragraph;
  } cases[] = {
      {"Needs the internet.", "Atlas... works offline.", "<title>Needs the internet.</title>",
       "<p>Atlas... works offline.</p>"},
      {"<b>A & B</b>", "\"x\" <script>", "<title>&lt;b&gt;A &amp; B&lt;/b&gt;</title>",
       "<p>&quot;x&quot; &lt;script&gt;</p>"},
      // A placeholder inside a sentence stays as written.
      {"100% %2", "%1", "<title>100% %2</title>", "<p>%1</p>"},
  };
  for (const auto& c : cases) {
    const QString html = OfflinePageHtml(c.needsInternet, c.useAtlas);
    EXPECT_TRUE(html.contains(c.title)) << html.toStdString();
    EXPECT_TRUE(html.contains(c.paragraph)) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("<script"))) << html.toStdString();
  }
  const QString ours = OfflinePageHtml(QStringLiteral("T"), QStringLiteral("U"));
  EXPECT_TRUE(ours.contains(QStringLiteral("<h1")) && ours.contains(QStringLiteral(">T</h1>")));
}

}  // namespace
}  // namespace kelvra
