// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas window over the real atlas: typing searches without holding up
// the GUI, the keyboard alone chooses, and an empty answer says where else
// to look.
#include "entry/frm_atlas.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <iostream>

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

// Runs the event loop for `ms`, as the application does between keystrokes
// (QTest::qWait sleeps in steps of 10 ms, which would hide shorter stalls).
void RunEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// The longest time the GUI thread goes without running its event loop while
// a 10-letter name is typed at an unhurried pace, each pause long enough for
// a search to start: a 1 ms timer measures the gaps between its own ticks.
TEST_F(AtlasWindow, TheGuiThreadStaysResponsiveWhileTyping) {
  // One search first, so the measurement is of typing, not of libgeonames
  // reading its files, which happens off the GUI thread anyway.
  QTest::keyClicks(search(), "Oslo");
  ASSERT_TRUE(Answered());
  search()->clear();

  QElapsedTimer clock;
  qint64 last = 0, longest = 0;
  QTimer watchdog;
  watchdog.setTimerType(Qt::PreciseTimer);
  watchdog.setInterval(1);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
  });
  clock.start();
  watchdog.start();
  for (QChar letter : QStringLiteral("Copenhagen")) {
    QTest::keyClick(search(), letter.toLatin1());
    RunEventLoop(AtlasSearch::kDelayMs + 60);  // each letter's search starts, and most answer, while typing goes on
  }
  for (int waited = 0; window.search().pending() && waited < kAnswerTimeoutMs; waited += 10) RunEventLoop(10);
  RunEventLoop(50);
  watchdog.stop();
  ASSERT_FALSE(window.search().pending());

  const double longestMs = double(longest) / 1e6;
  RecordProperty("longest_gui_stall_us", static_cast<int>(longest / 1000));
  std::cout << "longest GUI thread stall while typing: " << longestMs << " ms\n";
  EXPECT_FALSE(window.places().empty());
  // Goal 16 ms, one frame; measured 4 ms. The bound leaves room for a loaded
  // test machine, while one search on the GUI thread (50 ms each) exceeds it.
  EXPECT_LT(longestMs, 30.0);
}

}  // namespace
}  // namespace kelvra
