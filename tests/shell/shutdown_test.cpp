// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/shutdown.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>

namespace kelvra {
namespace {

// A window that refuses to close, standing for a close that goes wrong.
class StubbornWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// Closing it closes its companion too, as the entry form takes the lookup
// browser with it.
class LeadingWindow : public QWidget {
 public:
  QPointer<QWidget> companion;

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (companion) companion->close();
    event->accept();
  }
};

TEST(ShutDownProgram, ClosesEveryWindowThenEndsWhateverTheyDo) {
  std::vector<int> exits;
  const ScopedExitFunction exit([&](int code) { exits.push_back(code); });

  auto* results = new QMainWindow;
  results->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<QMainWindow> resultsGuard(results);
  auto* browser = new QWidget;
  browser->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<QWidget> browserGuard(browser);
  LeadingWindow entry;
  entry.companion = browser;
  StubbornWindow stubborn;
  QWidget hiddenWindow;  // not open: left alone
  for (QWidget* window : {static_cast<QWidget*>(results), browser, static_cast<QWidget*>(&entry),
                          static_cast<QWidget*>(&stubborn)})
    window->show();

  ShutDownProgram();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_TRUE(resultsGuard.isNull());
  EXPECT_TRUE(browserGuard.isNull());
  EXPECT_FALSE(entry.isVisible());
  EXPECT_EQ(exits, std::vector<int>{0});  // once, even though one window stayed open
}

}  // namespace
}  // namespace kelvra
