// SPDX-License-Identifier: AGPL-3.0-or-later
// The whole program in one process: entry form, analysis, results window,
// report, Back, links and Exit, with the real engine and ephemeris files.
#include "program/program.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <unistd.h>

#include "atlas/atlas_types.h"
#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "entry/frm_match.h"
#include "entry/result_boxes.h"
#include "builders.h"
#include "fake_entry_form.h"
#include "recording_ephemeris.h"
#include "report/frm_report.h"
#include "report/frm_why.h"
#include "report/mdi_form1.h"
#include "shell/about.h"
#include "shell/message.h"
#include "shell/shutdown.h"
#include "shell/web_links.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

// Male and female bodies far apart, so a couple's scan finds only squares and
// records no harmony gain: what the bias then adds comes from earlier analyses.
class NoGainEphemeris : public testing::RecordingEphemeris {
 public:
  NoGainEphemeris() { ascendant = 200; }
  double JulDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour, std::int32_t flag) override {
    female_ = year == 1950;
    return RecordingEphemeris::JulDay(year, month, day, hour, flag);
  }
  std::int32_t Calc(double tjd, std::int32_t ipl, std::int32_t iflag, PositionBuffer xx, ErrorText serr) override {
    const auto result = RecordingEphemeris::Calc(tjd, ipl, iflag, xx, serr);
    if (ipl >= 0 && female_) {
      xx[0] = (iflag & 2048) ? 0 : 105;  // 105 degrees from every male body: no aspect
      xx[1] = (iflag & 2048) ? 50 : 0;   // declinations far apart: no parallel
    }
    return result;
  }

 private:
  bool female_ = false;
};

class WholeProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  Program& StartProgram(Ephemeris& ephemeris) {
    program_ = std::make_unique<Program>(ephemeris);
    program_->showEntryForm();
    return *program_;
  }
  frmMatch* Form() { return program_->entryWindow(); }
  MDIForm1* Results() { return program_->resultsWindow(); }

  template <typename W>
  W* Child(const char* name) {
    return Form()->findChild<W*>(name);
  }
  void FillCouple() {
    Form()->setEntries(Person::Male, testing::MakeEntries({.name = "Arthur", .day = 13, .month = 7, .year = 1985,
                                                           .city = "London", .state = " State "}));
    Form()->setEntries(Person::Female, testing::MakeEntries({.name = " Guinevere ", .day = 2, .month = 11,
                                                             .year = 1950, .lat = "S", .city = "Sydney",
                                                             .state = " State "}));
  }
  /// Runs the analysis and waits until the report is filled and the entry form gone.
  CompatibilityReport Analyse(bool throughMenu) {
    if (throughMenu) {
      Form()->findChild<QAction*>("mnuCalculate")->trigger();
    } else {
      Form()->findChild<QPushButton*>("cmdCalculate")->click();
    }
    EXPECT_NE(Results(), nullptr);
    if (!Results()) return {};
    EXPECT_TRUE(QTest::qWaitFor([this] { return Results()->report() != nullptr; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return program_->entryForm() == nullptr; }, 5000));
    if (!Results()->report()) return {};
    return Results()->report()->shownReport();
  }

  QStringList messages;
  QList<int> exitCodes;

 private:
  ScopedMessageFunction messageStub_{[this](QWidget*, const QString& text) { messages << text; }};
  ScopedExitFunction exitStub_{[this](int code) { exitCodes << code; }};
  std::unique_ptr<Program> program_;
};

TEST_F(WholeProgram, TheReportShowsTheAnalysisAndTheEntryFormIsGone) {
  SwissEphemeris ephemeris;
  Program& program = StartProgram(ephemeris);
  FillCouple();
  const CompatibilityReport report = Analyse(false);
  EXPECT_TRUE(messages.isEmpty());

  const EntryState& state = program.entryState();
  EXPECT_EQ(report.mName, "Arthur");
  EXPECT_EQ(report.fName, " Guinevere ");  // verbatim, blanks included
  EXPECT_EQ(report.fState, " State ");
  EXPECT_EQ(report.mDOB, QLocale().standaloneMonthName(7).toStdString() + " 13, 1985");
  const auto& m = state.charts.male.Longitude;
  const auto& f = state.charts.female.Longitude;
  EXPECT_EQ(report.mSun, PrintSignData(m[ChartPoint::Sun]));
  EXPECT_EQ(report.mNeptune, PrintSignData(m[ChartPoint::Neptune]));
  EXPECT_EQ(report.FJupiter, PrintSignData(f[ChartPoint::Jupiter]));
  EXPECT_EQ(report.fC, PrintSignData(f[ChartPoint::Chiron]));
  EXPECT_EQ(report.Power, std::to_string(state.result.Power));
  EXPECT_EQ(report.Harmony, std::to_string(state.result.Harmony));
  EXPECT_EQ(report.PH, std::to_string(state.result.PH));
  EXPECT_EQ(report.Percentage, std::to_string(state.result.phPercentage));
  EXPECT_EQ(report.Comment, state.result.strComment);
  const auto windows = QApplication::topLevelWidgets();
  EXPECT_EQ(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}

TEST_F(WholeProgram, ButtonAndMenuGiveIdenticalReports) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  FillCouple();
  const CompatibilityReport byButton = Analyse(false);
  Results()->cmdBack_Click();
  ASSERT_NE(Form(), nullptr);
  FillCouple();
  EXPECT_EQ(Analyse(true), byButton);
}

TEST_F(WholeProgram, AMissingEntryShowsOneMessageAndNoResults) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  FillCouple();
  PersonEntries male = Form()->entries(Person::Male);
  male.longMin.clear();
  Form()->setEntries(Person::Male, male);
  Form()->cmdCalculate_Click();
  EXPECT_EQ(messages, QStringList{"Please Enter Minute in Longitude"});
  EXPECT_EQ(Results(), nullptr);
  EXPECT_NE(Form(), nullptr);
}

TEST_F(WholeProgram, BackButtonGivesAFreshForm) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  FillCouple();
  Analyse(false);
  Results()->findChild<QPushButton*>("cmdBack")->click();
  ASSERT_NE(Form(), nullptr);
  EXPECT_EQ(Results(), nullptr);
  // A form as at start-up: a new window, whatever the last one held.
  EXPECT_EQ(Form()->entries(Person::Male), PersonEntries{});
  EXPECT_EQ(Form()->entries(Person::Female), PersonEntries{});
  EXPECT_EQ(Form()->chartTexts(Person::Male), ChartTexts{});
  EXPECT_EQ(Form()->resultTexts(), InitialResultBoxTexts());
}

TEST_F(WholeProgram, BackMenuGivesAnEmptiedForm) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  FillCouple();
  Analyse(false);
  Results()->findChild<QAction*>("mnuBack")->trigger();
  ASSERT_NE(Form(), nullptr);
  EXPECT_EQ(Results(), nullptr);
  EXPECT_EQ(Form()->entries(Person::Male), PersonEntries{});
  EXPECT_EQ(Form()->entries(Person::Female), PersonEntries{});
  QApplication::setActiveWindow(Form());
  EXPECT_EQ(Form()->focusWidget(), Child<QLineEdit>("txtMName"));
}

TEST_F(WholeProgram, TheHarmonyGainOutlivesTheEntryForm) {
  NoGainEphemeris ephemeris;
  Program& program = StartProgram(ephemeris);
  program.harmonyMemory().lastHarmonyGain = 2.5;  // as if an earlier analysis recorded it

  FillCouple();
  const CompatibilityReport first = Analyse(false);
  HarmonyMemory expectedMemory{2.5};
  const auto totals = ComputeCosmodyneTotals(program.entryState().charts.contacts, expectedMemory);
  EXPECT_DOUBLE_EQ(expectedMemory.lastHarmonyGain, 2.5);  // this couple records nothing
  EXPECT_EQ(first.Harmony, std::to_string(DecideVerdict(totals.powerTotal, totals.harmonyTotal).result.Harmony));

  Results()->cmdBack_Click();  // a new entry form, the same program
  FillCouple();
  EXPECT_EQ(Analyse(false), first);
  EXPECT_DOUBLE_EQ(program.harmonyMemory().lastHarmonyGain, 2.5);
}

TEST_F(WholeProgram, ExitClosesEveryWindow) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  FillCouple();
  Analyse(false);
  Results()->findChild<QPushButton*>("cmdExit")->click();
  EXPECT_EQ(exitCodes, QList<int>{0});
  EXPECT_EQ(Results(), nullptr);
  EXPECT_EQ(Form(), nullptr);
}

// Back, by button or menu, gives a form with the option as the user left it
// and no zone, since the places it belonged to are gone.
TEST_F(WholeProgram, BackKeepsTheUtOptionAndDropsTheZones) {
  SwissEphemeris ephemeris;
  Program& program = StartProgram(ephemeris);
  const std::pair<const char*, std::function<void(MDIForm1&)>> backs[] = {
      {"Back button", [](MDIForm1& r) { r.findChild<QPushButton*>("cmdBack")->click(); }},
      {"Back menu", [](MDIForm1& r) { r.findChild<QAction*>("mnuBack")->trigger(); }},
  };
  for (const auto& [name, back] : backs) {
    SCOPED_TRACE(name);
    FillCouple();
    if (!Child<QCheckBox>("chkTrueUt")->isChecked()) Child<QCheckBox>("chkTrueUt")->click();
    Form()->useAtlasPlace(Person::Male, {"Oslo", "Oslo", "Norway", "NO", "Europe/Oslo", 59.91273, 10.74609, 580000});
    Form()->useAtlasPlace(Person::Female, {"Sydney", "New South Wales", "Australia", "AU", "Australia/Sydney",
                                           -33.86785, 151.20732, 4627345});
    const CompatibilityReport report = Analyse(false);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(Results()->report()->findChild<QLabel*>("mBirthTime")->text(), "14:30 UTC+02:00 = 12:30 UT");
    EXPECT_EQ(report.mCity, "Oslo");

    back(*Results());
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(program.entryState().convertToUt);
    EXPECT_TRUE(Child<QCheckBox>("chkTrueUt")->isChecked());
    EXPECT_TRUE(Child<QWidget>("cmdMZone")->isVisible());
    EXPECT_FALSE(program.entryState().zone(Person::Male));
    EXPECT_FALSE(program.entryState().zone(Person::Female));
    EXPECT_EQ(Form()->entries(Person::Male), PersonEntries{});
  }
}

TEST_F(WholeProgram, TheAboutBoxCreditsThePlaceData) {
  SwissEphemeris ephemeris;
  Program& program = StartProgram(ephemeris);
  QString credits;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    credits = box->findChild<QLabel*>("lblCredits")->text();
    box->accept();
  });
  program.showAbout(Form());
  EXPECT_EQ(credits, "Place data: GeoNames (https://www.geonames.org), licensed under CC BY 4.0");
}

int VisibleWindows() {
  const auto windows = QApplication::topLevelWidgets();
  return int(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }));
}

TEST_F(WholeProgram, TheWhyWindowOpensOnceAndEndsWithTheResults) {
  const struct {
    const char* ending;
    std::function<void(MDIForm1&)> end;
    int windowsLeft;  // the entry form after Back; none once the program ends
  } endings[] = {
      {"Back button", [](MDIForm1& r) { r.findChild<QPushButton*>("cmdBack")->click(); }, 1},
      {"Back menu", [](MDIForm1& r) { r.findChild<QAction*>("mnuBack")->trigger(); }, 1},
      {"Exit", [](MDIForm1& r) { r.findChild<QPushButton*>("cmdExit")->click(); }, 0},
      {"title bar", [](MDIForm1& r) { r.close(); }, 0},
  };
  SwissEphemeris ephemeris;
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.ending);
    Program& program = StartProgram(ephemeris);
    FillCouple();
    Analyse(false);
    const double gain = program.harmonyMemory().lastHarmonyGain;

    Results()->findChild<QAction*>("mnuWhy")->trigger();
    frmWhy* why = program.whyWindow();
    ASSERT_NE(why, nullptr);
    EXPECT_TRUE(why->wordsView()->toPlainText().contains(QStringLiteral("Why this result: Arthur and Guinevere")));
    Results()->findChild<QPushButton*>("cmdWhy")->click();
    EXPECT_EQ(program.whyWindow(), why);
    EXPECT_EQ(VisibleWindows(), 2);  // the results and one explanation
    EXPECT_EQ(program.harmonyMemory().lastHarmonyGain, gain);  // explaining changes no later analysis

    ending.end(*Results());
    EXPECT_EQ(program.whyWindow(), nullptr);
    EXPECT_EQ(VisibleWindows(), ending.windowsLeft);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
  }
}

TEST_F(WholeProgram, EveryEntryFormLinkOpensItsAddress) {
  SwissEphemeris ephemeris;
  StartProgram(ephemeris);
  testing::UrlRecorder recorder;
  struct Trigger {
    const char* control;
    WebPage page;
  };
  const Trigger triggers[] = {
      {"Label52", WebPage::Home},       {"Label61", WebPage::Home},      {"mnuVisit", WebPage::Home},
      {"mnuOnline", WebPage::OnlineHelp}, {"mnuUpdate", WebPage::Update}, {"Command3", WebPage::Donate},
      {"mnuDonate", WebPage::Donate},   {"Label59", WebPage::CoBrand},
  };
  for (const auto& trigger : triggers) {
    recorder.urls.clear();
    if (auto* action = Form()->findChild<QAction*>(trigger.control)) {
      action->trigger();
    } else if (auto* button = Form()->findChild<QPushButton*>(trigger.control)) {
      button->click();
    } else {
      auto* label = Form()->findChild<QLabel*>(trigger.control);
      ASSERT_NE(label, nullptr) << trigger.control;
      QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_EQ(recorder.urls, QList<QUrl>{WebPageUrl(trigger.page)}) << trigger.control;
  }
}

// Once for real: a child process whose Exit ends it with status 0.
TEST(WholeProgramProcess, ExitEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        SwissEphemeris ephemeris;
        Program program(ephemeris);
        program.showEntryForm();
        QTimer::singleShot(0, [] { ShutDownProgram(); });
        // _exit: the child ends here without tearing down the QApplication
        // that main owns, so leak checks at exit would only see that.
        _exit(QApplication::exec());
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kelvra
