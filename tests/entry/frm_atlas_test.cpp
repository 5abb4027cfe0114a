// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas window over the real atlas: typing finds places, the keyboard
// alone chooses, and an empty answer says where else to look. That searches
// never hold up the GUI is checked over the held atlas
// (frm_atlas_held_test.cpp) and measured by bench/atlas_search_bench.
#include "entry/frm_atlas.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace kelvra {
namespace {

// Long enough for libgeonames' first search, which reads its data files.
constexpr int kAnswerTimeoutMs = 10000;

class AtlasWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QLineEdit* search() { return window.findChild<QLineEdit*>("txtSearch"); }
  QTreeWidget* list() { return window.findChild<QTreeWidget*>("lstPlaces"); }
  QString status() { return window.findChild<QLabel*>("lblStatus")->text(); }
  bool Answered() {
    return QTest::qWaitFor([this] { return !window.search().pending(); }, kAnswerTimeoutMs);
  }

  frmAtlas window{Person::Female, QString()};
};

TEST(AtlasStatusText, SaysWhatToDoNext) {
  const struct {
    const char* text;
    std::size_t found;
    bool searching;
    const char* status;
  } rows[] = {
      {"  ", 4, false, "Type the name of the birthplace."},
      {"Oslo", 0, true, "Searching..."},
      {" Qqx ", 0, false,
       "No place in the atlas is called \"Qqx\". Check the spelling, or close this window and look the place up on "
       "the web with \"Click here to find Latitude & Longitude\"."},
      {"Oslo", 1, false, "1 place found. Enter chooses it."},
      {"San", 2, false, "2 places found. Choose one with the arrow keys and Enter."},
      {"S", 1500, false, "1500 places found. Choose one with the arrow keys and Enter."},
  };
  for (const auto& row : rows)
    EXPECT_EQ(AtlasStatusText(row.text, row.found, row.searching), QString::fromUtf8(row.status)) << row.text;
}

TEST(AtlasCoordinatesText, WholeMinutesWithTheirDirections) {
  const struct {
    double latitude, longitude;
    const char* text;
  } rows[] = {
      {51.5074, -0.1166, "51° 30′ N, 0° 7′ W"},
      {-33.8688, 151.2093, "33° 52′ S, 151° 13′ E"},
      {-34.6037, -58.3816, "34° 36′ S, 58° 23′ W"},
      {40.7128, -74.006, "40° 43′ N, 74° 0′ W"},
      {10.9916666667, 179.99999, "11° 0′ N, 180° 0′ E"},
      {-0.0001, -0.0001, "0° 0′ N, 0° 0′ E"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(AtlasCoordinatesText(row.latitude, row.longitude), QString::fromUtf8(row.text)) << row.text;
}

TEST(ContrastRatio, ByRelativeLuminance) {
  const struct {
    QColor a, b;
    double low, high;
  } rows[] = {
      {Qt::black, Qt::white, 20.99, 21.01},
      {Qt::white, Qt::black, 20.99, 21.01},
      {QColor(0x77, 0x77, 0x77), Qt::white, 4.47, 4.49},  // just short of 4.5:1
      {QColor(0x76, 0x76, 0x76), Qt::white, 4.53, 4.55},
      {QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80), 1.0, 1.0},
  };
  for (const auto& row : rows) {
    const double ratio = ContrastRatio(row.a, row.b);
    EXPECT_GE(ratio, row.low) << row.a.name().toStdString();
    EXPECT_LE(ratio, row.high) << row.a.name().toStdString();
  }
}

TEST_F(AtlasWindow, TheCreditIsReadable) {
  const QLabel* credit = window.findChild<QLabel*>("lblCredit");
  ASSERT_TRUE(credit->isEnabled());
  const QPalette palette = credit->palette();
  EXPECT_GE(ContrastRatio(palette.color(credit->foregroundRole()), palette.color(credit->backgroundRole())), 4.5);
}

TEST_F(AtlasWindow, CaptionsAndColumns) {
  const QTreeWidgetItem* header = list()->headerItem();
  QStringList columns;
  for (int i = 0; i < header->columnCount(); ++i) columns << header->text(i);
  EXPECT_EQ(columns, (QStringList{"City", "State", "Country", "Population", "Time Zone", "Latitude, Longitude"}));
  EXPECT_EQ(window.findChild<QPushButton*>("cmdChoose")->text(), "&Use This Place");
  EXPECT_EQ(search()->accessibleName(), "Female Birthplace Search");
  EXPECT_EQ(list()->accessibleName(), "Places Found");
}

TEST_F(AtlasWindow, TypingFindsPlacesAndTheKeyboardChoosesOne) {
  EXPECT_EQ(window.windowTitle(), "Find Female Birthplace in Atlas");
  EXPECT_EQ(QApplication::focusWidget(), search());
  QTest::keyClicks(search(), "Tromso");
  ASSERT_TRUE(Answered());
  ASSERT_FALSE(window.places().empty());
  EXPECT_EQ(window.places().front().city, "Tromsø");
  EXPECT_EQ(list()->topLevelItem(0)->text(4), "Europe/Oslo");
  EXPECT_EQ(list()->topLevelItem(0)->text(3), QLocale().toString(qlonglong(window.places().front().population)));

  // A wider search has several rows: Down and Up move in the list while the
  // focus stays in the search field.
  search()->clear();
  QTest::keyClicks(search(), "San");
  ASSERT_TRUE(Answered());
  ASSERT_GE(window.places().size(), 3u);
  QTest::keyClick(search(), Qt::Key_Down);
  QTest::keyClick(search(), Qt::Key_Down);
  QTest::keyClick(search(), Qt::Key_Up);
  EXPECT_EQ(list()->indexOfTopLevelItem(list()->currentItem()), 1);
  EXPECT_EQ(QApplication::focusWidget(), search());

  QSignalSpy chosen(&window, &frmAtlas::placeChosen);
  QTest::keyClick(search(), Qt::Key_Return);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].value<AtlasPlace>().city, window.places()[1].city);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(AtlasWindow, ACountryAfterACommaNarrowsAndEveryNameShowsWhole) {
  QTest::keyClicks(search(), "Paris, France");
  ASSERT_TRUE(Answered());
  ASSERT_FALSE(window.places().empty());
  EXPECT_EQ(window.places().front().city, "Paris");
  for (const AtlasPlace& place : window.places()) EXPECT_EQ(place.countryCode, "FR") << place.city;
  const QFontMetrics metrics(list()->font());
  for (int row = 0; row < list()->topLevelItemCount(); ++row)
    for (int column = 0; column < list()->columnCount(); ++column) {
      const QString text = list()->topLevelItem(row)->text(column);
      EXPECT_GE(list()->columnWidth(column), metrics.horizontalAdvance(text)) << text.toStdString();
    }
}

TEST_F(AtlasWindow, FindGoesBackToTheSearchToTypeOver) {
  QTest::keyClicks(search(), "Oslo");
  ASSERT_TRUE(Answered());
  list()->setFocus();
  QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), search());
  EXPECT_EQ(search()->selectedText(), "Oslo");
  EXPECT_TRUE(search()->toolTip().endsWith(QStringLiteral("(Ctrl+F)")));
}

TEST_F(AtlasWindow, EnterWaitsForTheLatestAnswerAndEscapeCloses) {
  QSignalSpy chosen(&window, &frmAtlas::placeChosen);
  QTest::keyClicks(search(), "Oslo");
  QTest::keyClick(search(), Qt::Key_Return);  // before the answer: nothing to choose yet
  EXPECT_TRUE(chosen.isEmpty());
  EXPECT_TRUE(window.isVisible());
  ASSERT_TRUE(Answered());
  QTest::keyClick(search(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(AtlasWindow, NothingFoundSaysSoAndPointsToTheWebLookup) {
  QTest::keyClicks(search(), "Qqxzzyv");
  EXPECT_EQ(status(), "Searching...");
  ASSERT_TRUE(Answered());
  EXPECT_TRUE(window.places().empty());
  EXPECT_EQ(list()->topLevelItemCount(), 0);
  EXPECT_EQ(status(), AtlasStatusText("Qqxzzyv", 0, false));
  EXPECT_TRUE(status().contains("No place in the atlas is called \"Qqxzzyv\""));
  EXPECT_TRUE(status().contains("Click here to find Latitude & Longitude"));
}

// Typed at an unhurried pace, each pause long enough for a search to start,
// so that most letters' searches are superseded while they run: the list ends
// with the answer to the whole name.
TEST_F(AtlasWindow, TypingOnWhileSearchesRunEndsWithTheLatestAnswer) {
  QSignalSpy found(&window.search(), &AtlasSearch::found);
  for (QChar letter : QStringLiteral("Copenhagen")) {
    QTest::keyClick(search(), letter.toLatin1());
    QTest::qWait(AtlasSearch::kDelayMs + 60);
  }
  ASSERT_TRUE(Answered());
  ASSERT_FALSE(found.isEmpty());
  EXPECT_EQ(found.back()[0].toString().toStdString(), "Copenhagen");
  ASSERT_FALSE(window.places().empty());
  EXPECT_EQ(window.places().front().countryCode, "DK");
}

}  // namespace
}  // namespace kelvra
