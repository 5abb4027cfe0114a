// SPDX-License-Identifier: AGPL-3.0-or-later
// The lookup browser inside the whole program: loaded on the first lookup
// only, replaced by a second lookup, and closed by every path that closes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "charts/swiss_ephemeris.h"
#include "entry/frm_match.h"
#include "lookup/lookup_browser.h"
#include "loopback_server.h"
#include "report/mdi_form1.h"
#include "shell/message.h"
#include "shell/program.h"
#include "shell/shutdown.h"

namespace kelvra {
namespace {

class LookupPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    previousMessage_ = SetMessageFunction([this](QWidget*, const QString& text) { messages << text; });
    previousExit_ = SetExitFunction([](int) {});
    server_.setPage("/search", "Results");
    LookupBrowserOptions options = DefaultLookupBrowserOptions();
    options.searchEngine.endpoint = server_.url("/search");
    options.searchEngine.homePage = server_.url("/engine");
    options.searchEngine.logo = server_.url("/logo.png");
    options.homePage = server_.url("/");
    previousOptions_ = SetLookupBrowserOptions(options);
    program_ = std::make_unique<Program>(ephemeris_);
    program_->ShowEntryForm();
  }
  void TearDown() override {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetLookupBrowserOptions(previousOptions_);
    SetMessageFunction(previousMessage_);
    SetExitFunction(previousExit_);
  }

  frmMatch* Form() { return qobject_cast<frmMatch*>(program_->entryForm()); }
  template <typename W>
  W* Child(const QString& name) {
    return Form()->findChild<W*>(name);
  }
  void FillPlace(char p, const char* city) {
    Child<QLineEdit>(QStringLiteral("txt%1City").arg(p))->setText(city);
    Child<QLineEdit>(QStringLiteral("txt%1State").arg(p))->setText("NY");
    Child<QLineEdit>(QStringLiteral("txt%1Country").arg(p))->setText("USA");
  }
  void FillCouple() {
    for (char p : {'M', 'F'}) {
      Child<QLineEdit>(QStringLiteral("txt%1Name").arg(p))->setText("Name");
      for (const char* box : {"LD", "LM", "LoD", "LoM"}) {
        Child<QLineEdit>(QStringLiteral("txt%1%2").arg(p).arg(box))->setText("40");
      }
      Child<QRadioButton>(QStringLiteral("opt%1North").arg(p))->setChecked(true);
      Child<QRadioButton>(QStringLiteral("opt%1West").arg(p))->setChecked(true);
      FillPlace(p, "New York");
    }
  }
  QWidget* OpenBrowser(bool male) {
    Child<QPushButton>(male ? "Command1" : "Command2")->click();
    return program_->lookupBrowser();
  }
  bool Gone(QPointer<QWidget> browser) {
    return QTest::qWaitFor([&] { return browser.isNull(); }, 10000) && program_->lookupBrowser() == nullptr;
  }

  QStringList messages;
  std::unique_ptr<Program> program_;

 private:
  SwissEphemeris ephemeris_;
  testing::LoopbackServer server_;
  MessageFunction previousMessage_;
  ExitFunction previousExit_;
  LookupBrowserOptions previousOptions_;
};

// Runs first in its own process (gtest's order): nothing loaded at start-up.
TEST_F(LookupPaths, TheModuleLoadsOnTheFirstLookupOnly) {
  EXPECT_FALSE(LookupModuleLoaded());
  FillPlace('M', "New York");
  ASSERT_NE(OpenBrowser(true), nullptr) << messages.join('\n').toStdString();
  EXPECT_TRUE(LookupModuleLoaded());
}

TEST_F(LookupPaths, ASecondLookupReplacesTheFirstWindow) {
  FillPlace('M', "New York");
  FillPlace('F', "Albany");
  QPointer<QWidget> first = OpenBrowser(true);
  ASSERT_NE(first, nullptr);
  QWidget* second = OpenBrowser(false);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first.data());
  EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 10000));
  EXPECT_FALSE(program_->entryState().bMaleSearch);
}

TEST_F(LookupPaths, ClosingTheEntryFormClosesTheBrowser) {
  FillPlace('M', "New York");
  QPointer<QWidget> browser = OpenBrowser(true);
  ASSERT_NE(browser, nullptr);
  Form()->close();
  EXPECT_TRUE(Gone(browser));
}

TEST_F(LookupPaths, TheReportHandOverClosesTheBrowser) {
  FillCouple();
  QPointer<QWidget> browser = OpenBrowser(true);
  ASSERT_NE(browser, nullptr);
  Child<QPushButton>("cmdCalculate")->click();
  EXPECT_TRUE(Gone(browser));
  EXPECT_NE(program_->resultsWindow(), nullptr);
}

TEST_F(LookupPaths, BackFromTheResultsClosesABrowserOpenedMeanwhile) {
  FillCouple();
  Child<QPushButton>("cmdCalculate")->click();
  auto* results = qobject_cast<MDIForm1*>(program_->resultsWindow());
  ASSERT_NE(results, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return program_->entryForm() == nullptr; }, 10000));
  // The program opens a browser even without an entry form when asked to.
  program_->ShowLookupBrowser();
  QPointer<QWidget> browser = program_->lookupBrowser();
  ASSERT_NE(browser, nullptr);
  results->cmdBack_Click();
  EXPECT_TRUE(Gone(browser));
}

TEST_F(LookupPaths, ShutDownClosesTheBrowser) {
  FillPlace('F', "Albany");
  QPointer<QWidget> browser = OpenBrowser(false);
  ASSERT_NE(browser, nullptr);
  ShutDownProgram();
  EXPECT_TRUE(Gone(browser));
  EXPECT_EQ(program_->entryForm(), nullptr);
}

}  // namespace
}  // namespace kelvra
