// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "fake_director.h"
#include "lookup/lookup_browser.h"
#include "lookup/lookup_rules.h"
#include "loopback_server.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

using testing::FakeDirector;
using testing::FormFields;
using testing::LoopbackServer;
using testing::RecordingEphemeris;

// WebEngine starts a renderer per window; on a loaded two-core machine a page
// can take many seconds, so every wait is long but bounded.
constexpr int kPageTimeoutMs = 60000;

bool WebEngineMapped() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

struct Place {
  const char* city;
  const char* state;
  const char* country;
};

class LookupBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    server.setPage("/search", "Results",
                   "<h1>New York, NY, USA</h1><p>Latitude 40&deg; 42&prime; N, Longitude 74&deg; 0&prime; W</p>"
                   "<p><a href=\"/page1\">Page one</a> <a href=\"/page2\">Page two</a></p>");
    server.setPage("/page1", "Page One");
    server.setPage("/page2", "Page Two");
    server.setPage("/home", "Maker Home");
    server.setPage("/engine", "Engine Home");
    server.hold("/slow");

    LookupBrowserOptions options;
    options.searchEngine = {server.url("/search"), server.url("/engine"), server.url("/logo.png"),
                            QStringLiteral("Engine"), QStringLiteral("pub-0123456789012345")};
    options.homePage = server.url("/home");
    options.openHomePage = [this] { ++homePagesOpened; };
    options_ = std::make_unique<ScopedLookupBrowserOptions>(options);
  }

  void TearDown() override { delete window.data(); }

  void SetPlace(bool male, const Place& place) {
    PersonEntries& entries = director.form.people[male ? 0 : 1];
    entries.city = QString::fromUtf8(place.city);
    entries.state = QString::fromUtf8(place.state);
    entries.country = QString::fromUtf8(place.country);
  }

  // Opens the browser as the entry form does and waits for the search's results page.
  void OpenAndSearch(bool male) {
    director.state.bMaleSearch = male;
    QString failure;
    window = CreateLookupBrowser(director, &failure);
    ASSERT_TRUE(window) << failure.toStdString();
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.count("/search") == 1; }, kPageTimeoutMs));
    WaitForTitle(QStringLiteral("Results"));
  }

  void WaitForTitle(const QString& title) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return view()->property("title").toString() == title; }, kPageTimeoutMs))
        << "page title: " << view()->property("title").toString().toStdString();
    // The caption follows when the load completes, just after the title.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == title; }, kPageTimeoutMs))
        << "caption: " << window->windowTitle().toStdString();
  }

  // Types an address and presses Enter, as the user does.
  void EnterAddress(const QString& text) {
    QLineEdit* edit = address()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  void Press(const char* key) { window->findChild<QAction*>(QString::fromLatin1(key))->trigger(); }

  QStringList History() const {
    QStringList items;
    for (int i = 0; i < address()->count(); ++i) items << address()->itemText(i);
    return items;
  }

  QWidget* view() const { return window->findChild<QWidget*>(QStringLiteral("brwWebBrowser")); }
  QComboBox* address() const { return window->findChild<QComboBox*>(QStringLiteral("cboAddress")); }
  QString Address(const char* path) const { return server.url(QString::fromLatin1(path)).toString(QUrl::FullyEncoded); }

  LoopbackServer server;
  RecordingEphemeris ephemeris;
  FakeDirector director{ephemeris};
  QPointer<QWidget> window;
  int homePagesOpened = 0;

 private:
  std::unique_ptr<ScopedLookupBrowserOptions> options_;
};

TEST_F(LookupBrowser, LoadsWebEngineOnlyOnTheFirstLookup) {
  EXPECT_FALSE(WebEngineMapped());
  EXPECT_FALSE(LookupModuleLoaded());
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  EXPECT_TRUE(LookupModuleLoaded());
  EXPECT_TRUE(WebEngineMapped());
}

TEST_F(LookupBrowser, SubmitsTheSearchFormForTheBirthplace) {
  SetPlace(true, {"New York", "NY", "USA"});
  SetPlace(false, {"Paris", "IDF", "France"});
  OpenAndSearch(true);

  const QList<std::pair<QString, QString>> expected = {
      {"q", "Latitude Longitude New York NY USA"},
      {"sa", "Search"},
      {"client", "pub-0123456789012345"},
      {"forid", "1"},
      {"ie", "ISO-8859-1"},
      {"oe", "ISO-8859-1"},
      {"cof",
       "GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;BGC:FFFFFF;LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;"
       "GFNT:0000FF;GIMP:0000FF;FORID:1;"},
      {"hl", "en"},
  };
  EXPECT_EQ(FormFields(server.first("/search").query), expected);

  // The blank start page never enters the history; the results page does.
  EXPECT_EQ(History(), QStringList{view()->property("url").toUrl().toString(QUrl::FullyEncoded)});
  EXPECT_TRUE(History().value(0).startsWith(Address("/search") + "?q=Latitude+Longitude+New+York+NY+USA"));
  EXPECT_EQ(address()->currentIndex(), 0);
}

struct QueryCase {
  const char* name;
  bool male;
  Place place;
  const char* q;
};

void PrintTo(const QueryCase& row, std::ostream* out) { *out << row.name; }

class LookupQuery : public LookupBrowser, public ::testing::WithParamInterface<QueryCase> {};

// Place texts may name the server as {origin}, so that anything they make the
// page load would be seen.
TEST_P(LookupQuery, ArrivesVerbatim) {
  const QueryCase& row = GetParam();
  const QByteArray origin = server.url(QString()).toString(QUrl::StripTrailingSlash).toUtf8();
  auto withOrigin = [&](const char* text) { return QByteArray(text).replace("{origin}", origin); };
  const QByteArray city = withOrigin(row.place.city), state = withOrigin(row.place.state),
                   country = withOrigin(row.place.country);
  SetPlace(row.male, {city.constData(), state.constData(), country.constData()});
  SetPlace(!row.male, {"Other", "Person", "Entirely"});
  OpenAndSearch(row.male);
  const auto fields = FormFields(server.first("/search").query);
  ASSERT_FALSE(fields.isEmpty());
  EXPECT_EQ(fields.first(), std::make_pair(QStringLiteral("q"), QString::fromUtf8(withOrigin(row.q))));
  for (const LoopbackServer::Request& request : server.requests)
    EXPECT_FALSE(request.path.startsWith("/pwned")) << "markup or script from a place text ran: " << request.path.data();
}

INSTANTIATE_TEST_SUITE_P(
    Places, LookupQuery,
    ::testing::Values(
        QueryCase{"FemaleBirthplace", false, {"Lyon", "Rhone", "France"}, "Latitude Longitude Lyon Rhone France"},
        QueryCase{"BlankAfterCity", true, {"New York ", "NY", "USA"}, "Latitude Longitude New York  NY USA"},
        QueryCase{"BlanksAtTheEnds", true, {" Bath", "Somerset ", " UK "}, "Latitude Longitude  Bath Somerset   UK "},
        QueryCase{"QuotesBackslashesMarkupAndScript", true,
                  {"O'Hare \"City\" \\n\\", "</script><script>fetch('{origin}/pwned1')</script>",
                   "\"); fetch(\"{origin}/pwned2\"); (\" <img src={origin}/pwned3 onerror=\"fetch('{origin}/pwned4')\">"},
                  "Latitude Longitude O'Hare \"City\" \\n\\ </script><script>fetch('{origin}/pwned1')</script> "
                  "\"); fetch(\"{origin}/pwned2\"); (\" <img src={origin}/pwned3 onerror=\"fetch('{origin}/pwned4')\">"}),
    [](const ::testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.name); });

TEST_F(LookupBrowser, EnterNavigatesOnceAndTypedTextIsNotInserted) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  const QString results = History().value(0);

  // Typed without a scheme: only the completed page's address enters the list.
  EnterAddress(QStringLiteral("127.0.0.1:%1/page1").arg(server.url("/").port()));
  WaitForTitle(QStringLiteral("Page One"));
  EXPECT_EQ(History(), (QStringList{Address("/page1"), results}));
  QTest::qWait(500);
  EXPECT_EQ(server.count("/page1"), 1);
  EXPECT_EQ(server.count("/search"), 1) << "selecting the newest entry must not navigate";

  // Typed exactly as a history entry, which the box itself would also report.
  EnterAddress(results);
  WaitForTitle(QStringLiteral("Results"));
  QTest::qWait(500);
  EXPECT_EQ(server.count("/search"), 2);
  EXPECT_EQ(History(), (QStringList{results, Address("/page1")}));
}

TEST_F(LookupBrowser, RevisitedAddressMovesToTheTop) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  const QString results = History().value(0);
  EnterAddress(Address("/page1"));
  WaitForTitle(QStringLiteral("Page One"));
  EnterAddress(Address("/page2"));
  WaitForTitle(QStringLiteral("Page Two"));
  EXPECT_EQ(History(), (QStringList{Address("/page2"), Address("/page1"), results}));

  // Choosing an entry from the list navigates to it.
  address()->setCurrentIndex(2);
  emit address()->activated(2);
  WaitForTitle(QStringLiteral("Results"));
  EXPECT_EQ(History(), (QStringList{results, Address("/page2"), Address("/page1")}));
  EXPECT_EQ(server.count("/search"), 2);
}

TEST_F(LookupBrowser, StopEndsTheWorkingCaptionAtOnce) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  auto* timer = window->findChild<QTimer*>(QStringLiteral("timTimer"));
  ASSERT_TRUE(timer);
  EXPECT_EQ(timer->interval(), 5);
  EXPECT_FALSE(timer->isActive());

  EnterAddress(Address("/slow"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return server.count("/slow") == 1; }, kPageTimeoutMs));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Working..."));
  EXPECT_TRUE(timer->isActive());

  Press("Stop");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Results"));
  EXPECT_FALSE(timer->isActive());
  QTest::qWait(300);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Results"));
}

TEST_F(LookupBrowser, UnreachableSearchGivesWayToTheOfflinePage) {
  // A port that was just open and is closed again refuses, as the search
  // engine's does without the internet.
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
  const quint16 port = closed.serverPort();
  closed.close();
  LookupBrowserOptions options;
  const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(port);
  options.searchEngine = {QUrl(origin + "/search"), QUrl(origin + "/engine"), QUrl(origin + "/logo.png"),
                          QStringLiteral("Engine"), QStringLiteral("pub-0123456789012345")};
  options.homePage = QUrl(origin + "/home");
  ScopedLookupBrowserOptions unreachable(options);

  SetPlace(true, {"New York", "NY", "USA"});
  QString failure;
  window = CreateLookupBrowser(director, &failure);
  ASSERT_TRUE(window) << failure.toStdString();
  window->show();
  const QSize viewSize = view()->size();
  WaitForTitle(QStringLiteral("The latitude and longitude search needs a connection to the internet."));
  EXPECT_EQ(view()->size(), viewSize);
  EXPECT_TRUE(History().isEmpty()) << History().join(' ').toStdString();

  // The view still browses: a page that answers replaces the offline one.
  EnterAddress(Address("/page1"));
  WaitForTitle(QStringLiteral("Page One"));
}

TEST_F(LookupBrowser, ToolbarButtonsMoveThroughPages) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);

  const QStringList keys = {"Back", "Forward", "Stop", "Refresh", "Home", "Search"};
  QStringList tips;
  for (QAction* action : window->findChild<QWidget*>(QStringLiteral("tbToolBar"))->actions())
    if (!action->isSeparator()) tips << action->toolTip();
  EXPECT_EQ(tips, keys);

  // Forward without history is skipped; the page and caption stay.
  Press("Forward");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->findChild<QTimer*>("timTimer")->isActive(); }, kPageTimeoutMs));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Results"));

  Press("Home");
  WaitForTitle(QStringLiteral("Maker Home"));
  Press("Search");
  WaitForTitle(QStringLiteral("Engine Home"));
  Press("Back");
  WaitForTitle(QStringLiteral("Maker Home"));
  Press("Forward");
  WaitForTitle(QStringLiteral("Engine Home"));
  Press("Refresh");
  EXPECT_TRUE(QTest::qWaitFor([&] { return server.count("/engine") == 2; }, kPageTimeoutMs));
  WaitForTitle(QStringLiteral("Engine Home"));
  EXPECT_EQ(History(), (QStringList{Address("/engine"), Address("/home"), History().value(2)}));
}

TEST_F(LookupBrowser, AdvertisementOpensTheMakersSiteOutside) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  auto* label = window->findChild<QLabel*>(QStringLiteral("Label61"));
  ASSERT_TRUE(label);
  EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(label->palette().color(label->foregroundRole()).name().toStdString(), "#0000ff")
      << "a link is blue in the tool bar too";
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(homePagesOpened, 1);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Results"));
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Kelvra"));
}

// A screen reader says "Address" for the box and for the text field in it
// that takes the typing, not just "edit".
TEST_F(LookupBrowser, AddressBoxIsNamedForScreenReaders) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  EXPECT_EQ(address()->accessibleName(), QStringLiteral("Address"));
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(address()->lineEdit());
  ASSERT_TRUE(field);
  EXPECT_EQ(field->text(QAccessible::Name), QStringLiteral("Address"));
}

// Announced as a window of Kelvra's whatever page it shows, and no button is
// announced only as "button".
TEST_F(LookupBrowser, IsANamedWindowWithNamedButtons) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
  ASSERT_TRUE(top);
  EXPECT_EQ(top->role(), QAccessible::Window);
  EXPECT_EQ(top->text(QAccessible::Name).toStdString(), "Lookup Browser - Kelvra");

  QStringList buttons, unnamed;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    const QAccessible::Role role = node->role();
    if (role == QAccessible::PushButton || role == QAccessible::ButtonMenu || role == QAccessible::ButtonDropDown) {
      const QString name = node->text(QAccessible::Name);
      buttons << name;
      if (name.trimmed().isEmpty()) unnamed << node->object()->objectName();
    }
    for (int i = 0; i < node->childCount(); ++i)
      if (QAccessibleInterface* child = node->child(i)) walk(child);
  };
  walk(top);
  EXPECT_GE(buttons.size(), 6) << buttons.join(", ").toStdString();
  EXPECT_TRUE(unnamed.isEmpty()) << "unnamed: " << unnamed.join(", ").toStdString();
}

TEST_F(LookupBrowser, ResizingFollowsTheRule) {
  SetPlace(true, {"New York", "NY", "USA"});
  OpenAndSearch(true);
  window->resize(800, 600);
  // Address bar 540..945 twips (36..63 px) high; the box from 840 twips
  // (56 px), or further right where its label needs the room, to the edge.
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("picAddress"))->geometry(), QRect(0, 36, 800, 27));
  const QRect box = address()->geometry();
  EXPECT_GE(box.left(), 56);
  EXPECT_EQ(box.right(), 799);
  EXPECT_EQ(box.top(), 2);
  EXPECT_EQ(box.height(), 21);
  // The label keeps the gap it has on its left from the box on its right.
  const auto* label = window->findChild<QLabel*>(QStringLiteral("lblAddress"));
  EXPECT_GE(box.left() - label->x() - label->sizeHint().width(), label->x());
  EXPECT_EQ(view()->size(), QSize(793, 530));
}

}  // namespace
}  // namespace kelvra
