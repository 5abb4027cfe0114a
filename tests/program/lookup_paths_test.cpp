// SPDX-License-Identifier: AGPL-3.0-or-later
// The lookup browser inside the whole program: loaded on the first lookup
// only, replaced by a second lookup, and closed by every path that closes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "charts/swiss_ephemeris.h"
#include "entry/frm_match.h"
#include "lookup/lookup_browser.h"
#include "loopback_server.h"
#include "report/mdi_form1.h"
#include "shell/message.h"
#include "program/program.h"
#include "shell/shutdown.h"

namespace kelvra {
namespace {

class LookupPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.setPage("/search", "Results");
    LookupBrowserOptions options = DefaultLookupBrowserOptions();
    options.searchEngine.endpoint = server_.url("/search");
    options.searchEngine.homePage = server_.url("/engine");
    options.searchEngine.logo = server_.url("/logo.png");
    options.homePage = server_.url("/");
    options_ = std::make_unique<ScopedLookupBrowserOptions>(options);
    program_ = std::make_unique<Program>(ephemeris_);
    program_->showEntryForm();
  }
  void TearDown() override {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  frmMatch* Form() { return program_->entryWindow(); }
  void FillPlace(Person person, const char* city) {
    PersonEntries e = Form()->entries(person);
    e.city = city;
    e.state = "NY";
    e.country = "USA";
    Form()->setEntries(person, e);
  }
  void FillCouple() {
    for (Person person : {Person::Male, Person::Female}) {
      PersonEntries e;
      e.name = "Name";
      e.latDeg = e.latMin = e.longDeg = e.longMin = "40";
      e.north = e.west = true;
      Form()->setEntries(person, e);
      FillPlace(person, "New York");
    }
  }
  QWidget* OpenBrowser(bool male) {
    Form()->findChild<QPushButton*>(male ? "Command1" : "Command2")->click();
    return program_->lookupBrowser();
  }
  bool Gone(QPointer<QWidget> browser) {
    return QTest::qWaitFor([&] { return browser.isNull(); }, 10000) && program_->lookupBrowser() == nullptr;
  }

  QStringList messages;

 private:
  ScopedMessageFunction messageStub_{[this](QWidget*, const QString& text) { messages << text; }};
  ScopedExitFunction exitStub_{[](int) {}};
  SwissEphemeris ephemeris_;
  testing::LoopbackServer server_;
  std::unique_ptr<ScopedLookupBrowserOptions> options_;

 protected:
  std::unique_ptr<Program> program_;
};

// Runs first in its own process (gtest's order): nothing loaded at start-up.
TEST_F(LookupPaths, TheModuleLoadsOnTheFirstLookupOnly) {
  EXPECT_FALSE(LookupModuleLoaded());
  FillPlace(Person::Male, "New York");
  ASSERT_NE(OpenBrowser(true), nullptr) << messages.join('\n').toStdString();
  EXPECT_TRUE(LookupModuleLoaded());
}

TEST_F(LookupPaths, ASecondLookupReplacesTheFirstWindow) {
  FillPlace(Person::Male, "New York");
  FillPlace(Person::Female, "Albany");
  QPointer<QWidget> first = OpenBrowser(true);
  ASSERT_NE(first, nullptr);
  QWidget* second = OpenBrowser(false);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first.data());
  EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 10000));
  EXPECT_FALSE(program_->entryState().bMaleSearch);
}

TEST_F(LookupPaths, ClosingTheEntryFormClosesTheBrowser) {
  FillPlace(Person::Male, "New York");
  QPointer<QWidget> browser = OpenBrowser(true);
  ASSERT_NE(browser, nullptr);
  Form()->close();
  EXPECT_TRUE(Gone(browser));
}

TEST_F(LookupPaths, TheReportHandOverClosesTheBrowser) {
  FillCouple();
  QPointer<QWidget> browser = OpenBrowser(true);
  ASSERT_NE(browser, nullptr);
  Form()->findChild<QPushButton*>("cmdCalculate")->click();
  EXPECT_TRUE(Gone(browser));
  EXPECT_NE(program_->resultsWindow(), nullptr);
}

TEST_F(LookupPaths, BackFromTheResultsClosesABrowserOpenedMeanwhile) {
  FillCouple();
  Form()->findChild<QPushButton*>("cmdCalculate")->click();
  MDIForm1* results = program_->resultsWindow();
  ASSERT_NE(results, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return program_->entryForm() == nullptr; }, 10000));
  // The program opens a browser even without an entry form when asked to.
  program_->showLookupBrowser();
  QPointer<QWidget> browser = program_->lookupBrowser();
  ASSERT_NE(browser, nullptr);
  results->cmdBack_Click();
  EXPECT_TRUE(Gone(browser));
}

TEST_F(LookupPaths, ShutDownClosesTheBrowser) {
  FillPlace(Person::Female, "Albany");
  QPointer<QWidget> browser = OpenBrowser(false);
  ASSERT_NE(browser, nullptr);
  ShutDownProgram();
  EXPECT_TRUE(Gone(browser));
  EXPECT_EQ(program_->entryForm(), nullptr);
}

}  // namespace
}  // namespace kelvra
