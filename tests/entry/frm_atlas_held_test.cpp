// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas window over an atlas whose searches wait for the test (the held
// atlas module beside this program): a search runs off the GUI thread, which
// goes on serving its events while it is under way, and only the answer to
// the latest text reaches the list.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "entry/frm_atlas.h"
#include "held_atlas.h"

namespace kelvra {
namespace {

using testing::HeldAtlas;

// Only a fault waits this long: every wait ends on an event.
constexpr int kGuardMs = 60000;

class HeldAtlasWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    // The module the window's searches reach, loaded from beside this program.
    ASSERT_EQ(Atlas().TimeZones(), std::vector<std::string>{HeldAtlas::kName}) << "the held atlas is not loaded";
    atlas = &static_cast<HeldAtlas&>(Atlas());
    atlas->Reset();  // the searches of earlier tests ended with their windows
    atlas->SetGuiThread(std::this_thread::get_id());
    window = std::make_unique<frmAtlas>(Person::Male, QString());
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    if (atlas) atlas->ReleaseAll();
  }

  QLineEdit* search() { return window->findChild<QLineEdit*>("txtSearch"); }
  QString status() { return window->findChild<QLabel*>("lblStatus")->text(); }
  bool Started(std::size_t count) {
    return QTest::qWaitFor([&] { return atlas->Started().size() >= count; }, kGuardMs);
  }
  bool Answered() {
    return QTest::qWaitFor([&] { return !window->search().pending(); }, kGuardMs);
  }

  HeldAtlas* atlas = nullptr;
  std::unique_ptr<frmAtlas> window;
};

TEST_F(HeldAtlasWindow, TheGuiThreadServesItsEventsWhileASearchRuns) {
  QTest::keyClicks(search(), "Oslo");
  ASSERT_TRUE(Started(1));
  const HeldAtlas::Record held = atlas->Started()[0];
  EXPECT_EQ(held.text, "Oslo");
  EXPECT_NE(held.thread, std::this_thread::get_id()) << "the search ran on the GUI thread";

  // The search is held, so whatever the GUI thread does now it does while
  // the search runs: its own timer, a queued call, a keystroke.
  bool timerRan = false, queuedRan = false;
  QTimer::singleShot(1, window.get(), [&] { timerRan = true; });
  QMetaObject::invokeMethod(window.get(), [&] { queuedRan = true; }, Qt::QueuedConnection);
  ASSERT_TRUE(QTest::qWaitFor([&] { return timerRan && queuedRan; }, kGuardMs));
  QTest::keyClick(search(), Qt::Key_Left);
  EXPECT_EQ(search()->cursorPosition(), 3);
  EXPECT_FALSE(atlas->Started()[0].released);
  EXPECT_TRUE(window->search().pending());
  EXPECT_EQ(status().toStdString(), "Searching...");
  EXPECT_TRUE(window->places().empty());

  atlas->Release(0);
  ASSERT_TRUE(Answered());
  ASSERT_EQ(window->places().size(), 2u);
  EXPECT_EQ(window->places()[0].city, "Oslo 1");
  EXPECT_EQ(atlas->Started().size(), 1u);
  EXPECT_FALSE(atlas->Started()[0].gaveUp);
}

TEST_F(HeldAtlasWindow, ANewTextCancelsTheSearchUnderWayAndDropsItsAnswer) {
  QSignalSpy found(&window->search(), &AtlasSearch::found);
  QTest::keyClicks(search(), "Osl");
  ASSERT_TRUE(Started(1));
  QTest::keyClicks(search(), "o");
  ASSERT_TRUE(Started(2));
  const auto started = atlas->Started();
  EXPECT_EQ(started[0].text, "Osl");
  EXPECT_TRUE(started[0].cancelled);
  EXPECT_EQ(started[1].text, "Oslo");
  EXPECT_FALSE(started[1].cancelled);

  // The first search answered before the second started, on the same worker:
  // its answer is among the events posted so far.
  QCoreApplication::processEvents();
  EXPECT_TRUE(found.isEmpty());
  EXPECT_TRUE(window->places().empty());
  EXPECT_TRUE(window->search().pending());

  atlas->Release(1);
  ASSERT_TRUE(Answered());
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found[0][0].toString().toStdString(), "Oslo");
  ASSERT_FALSE(window->places().empty());
  EXPECT_EQ(window->places()[0].city, "Oslo 1");
  for (const auto& record : atlas->Started()) EXPECT_FALSE(record.gaveUp) << record.text;
}

// Closing the window cancels the search under way and waits for it, so that
// its answer never reaches a window that is gone.
TEST_F(HeldAtlasWindow, ClosingTheWindowCancelsTheSearchUnderWay) {
  QTest::keyClicks(search(), "Bergen");
  ASSERT_TRUE(Started(1));
  window.reset();
  QCoreApplication::processEvents();  // the answer, if it was queued, goes nowhere
  const auto started = atlas->Started();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_TRUE(started[0].cancelled);
  EXPECT_FALSE(started[0].released);
  EXPECT_FALSE(started[0].gaveUp);
}

}  // namespace
}  // namespace kelvra
