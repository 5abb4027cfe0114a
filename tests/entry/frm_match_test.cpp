// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/frm_match.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "cosmodynes/harmony.h"
#include "entry/month_name.h"
#include "entry/result_boxes.h"
#include "fake_director.h"
#include "recording_ephemeris.h"
#include "shell/message.h"

namespace kelvra {
namespace {

using testing::FakeDirector;

class EntryForm : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetMessageFunction([this](QWidget*, const QString& text) { messages << text; });
    form = new frmMatch(director);
    director.form = form;
    form->show();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }
  void TearDown() override {
    delete form;
    SetMessageFunction(previous_);
  }

  QLineEdit* text(const char* name) { return form->findChild<QLineEdit*>(name); }
  QComboBox* list(const char* name) { return form->findChild<QComboBox*>(name); }
  QRadioButton* option(const char* name) { return form->findChild<QRadioButton*>(name); }

  void FillPerson(char p, const char* name, int day, int monthIndex, int year, const char* latDeg, bool south,
                  const char* city) {
    auto n = [p](const char* pattern) { return QString::fromLatin1(pattern).arg(QChar(p)).toLatin1(); };
    text(n("txt%1Name"))->setText(name);
    list(n("cbo%1Date"))->setCurrentIndex(day - 1);
    list(n("cbo%1Month"))->setCurrentIndex(monthIndex);
    list(n("cbo%1Year"))->setCurrentIndex(year - 1900);
    list(n("cbo%1HH"))->setCurrentIndex(14);
    list(n("cbo%1MM"))->setCurrentIndex(30);
    text(n("txt%1LD"))->setText(latDeg);
    text(n("txt%1LM"))->setText("30");
    text(n("txt%1LoD"))->setText("0");
    text(n("txt%1LoM"))->setText("7");
    option(n(south ? "opt%1South" : "opt%1North"))->setChecked(true);
    option(n("opt%1West"))->setChecked(true);
    text(n("txt%1City"))->setText(city);
    text(n("txt%1State"))->setText("State");
    text(n("txt%1Country"))->setText("Country");
  }
  void FillComplete() {
    FillPerson('M', "Arthur", 13, 6, 1985, "51", false, "London");
    FillPerson('F', "Guinevere", 2, 10, 1950, "33", true, "Sydney");
  }

  SwissEphemeris ephemeris;
  FakeDirector director{ephemeris};
  frmMatch* form = nullptr;
  QStringList messages;

 private:
  MessageFunction previous_;
};

TEST_F(EntryForm, StartUpState) {
  EXPECT_EQ(form->windowTitle(), "Kelvra v1.0");
  EXPECT_EQ(form->centralWidget()->size(), QSize(581, 380));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());  // fixed size
  struct ListRow {
    const char* male;
    const char* female;
    int count;
    QString first, last;
  };
  const ListRow lists[] = {
      {"cboMDate", "cboFDate", 31, "1", "31"},        {"cboMMonth", "cboFMonth", 12, MonthName(1), MonthName(12)},
      {"cboMYear", "cboFYear", 151, "1900", "2050"},  {"cboMHH", "cboFHH", 25, "0", "24"},
      {"cboMMM", "cboFMM", 60, "0", "59"},            {"cboMSS", "cboFSS", 60, "0", "59"},
  };
  for (const auto& row : lists) {
    for (const char* name : {row.male, row.female}) {
      QComboBox* combo = list(name);
      ASSERT_NE(combo, nullptr) << name;
      EXPECT_EQ(combo->count(), row.count) << name;
      EXPECT_EQ(combo->currentIndex(), 0) << name;
      EXPECT_EQ(combo->itemText(0), row.first) << name;
      EXPECT_EQ(combo->itemText(row.count - 1), row.last) << name;
      EXPECT_FALSE(combo->isEditable()) << name;
    }
  }
  for (const char* p : {"M", "F"}) {
    for (const char* field : {"Name", "LD", "LM", "LoD", "LoM", "City", "State", "Country"}) {
      const QString name = QStringLiteral("txt%1%2").arg(p, field);
      ASSERT_NE(form->findChild<QLineEdit*>(name), nullptr) << name.toStdString();
      EXPECT_TRUE(form->findChild<QLineEdit*>(name)->text().isEmpty()) << name.toStdString();
    }
    for (const char* field : {"LD", "LM", "LoD", "LoM"}) {
      EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("txt%1%2").arg(p, field))->maxLength(), 3);
    }
    for (const char* direction : {"North", "South", "East", "West"}) {
      EXPECT_FALSE(form->findChild<QRadioButton*>(QStringLiteral("opt%1%2").arg(p, direction))->isChecked());
    }
  }
  EXPECT_EQ(QApplication::focusWidget(), text("txtMName"));
}

TEST_F(EntryForm, StartUpSetsTheEphemerisPathAfterTheLists) {
  testing::RecordingEphemeris recorder;
  FakeDirector recording(recorder);
  frmMatch other(recording);
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0].function, "swe_set_ephe_path");
  EXPECT_EQ(recorder.calls[0].path, "/usr/share/libswe/ephe");
}

TEST_F(EntryForm, ControlsCaptionsAndHiddenBoxes) {
  EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), QString(109, ' ') + "Kelvra");
  EXPECT_EQ(form->findChild<QLabel*>("Label7")->toolTip(),
            "To Find Latitude / Logitude Enter your City, State and Country and click Find Lat - Long");
  EXPECT_EQ(form->findChild<QPushButton*>("Command1")->text(), "Click here to find Latitude && Longitude");
  EXPECT_EQ(form->findChild<QPushButton*>("cmdCalculate")->text(), "Analyze Compatibility");
  EXPECT_EQ(form->findChild<QLabel*>("Label60")->text(),
            "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
            "name &  link here.");
  for (const char* link : {"Label52", "Label59", "Label61"}) {
    EXPECT_EQ(form->findChild<QLabel*>(link)->cursor().shape(), Qt::PointingHandCursor) << link;
  }
  // The option pairs are four independent groups.
  option("optMNorth")->setChecked(true);
  option("optMEast")->setChecked(true);
  option("optFSouth")->setChecked(true);
  EXPECT_TRUE(option("optMNorth")->isChecked());
  EXPECT_TRUE(option("optMEast")->isChecked());
  option("optMSouth")->setChecked(true);
  EXPECT_FALSE(option("optMNorth")->isChecked());
  EXPECT_TRUE(option("optMEast")->isChecked());

  const std::pair<const char*, const char*> results[] = {{"txtPower", "Power"},     {"txtHarmony", "Harmony"},
                                                         {"txtPH", "P*H"},          {"txtPHPercentage", "PHPercentage"},
                                                         {"txtComment", "Comment"}};
  for (const auto& [name, initial] : results) {
    EXPECT_EQ(text(name)->text(), initial) << name;
    EXPECT_FALSE(text(name)->isVisible()) << name;
    EXPECT_EQ(text(name)->focusPolicy(), Qt::NoFocus) << name;
  }
  for (const char* name : {"txtMSun", "txtMNeptunes", "txtFNeptune", "txtMC", "txtFC", "txtMAsc", "txtFP"}) {
    ASSERT_NE(text(name), nullptr) << name;
    EXPECT_TRUE(text(name)->text().isEmpty()) << name;
    EXPECT_FALSE(text(name)->isVisible()) << name;
    EXPECT_EQ(text(name)->focusPolicy(), Qt::NoFocus) << name;
  }
}

TEST_F(EntryForm, InputsHaveSpokenNames) {
  const std::pair<const char*, const char*> names[] = {
      {"txtMName", "Male Name"},
      {"txtFName", "Female Name"},
      {"cboMDate", "Male Birthday Day"},
      {"cboFMonth", "Female Birthday Month"},
      {"cboMSS", "Male Time Of Birth Seconds"},
      {"txtFLD", "Female Latitude Degrees"},
      {"txtMLoM", "Male Longitude Minutes"},
      {"optMNorth", "Male Latitude North"},
      {"optFWest", "Female Longitude West"},
      {"txtFCountry", "Female Country"},
      {"Command2", "Find Female Latitude and Longitude"},
  };
  for (const auto& [control, spoken] : names) {
    auto* widget = form->findChild<QWidget*>(control);
    ASSERT_NE(widget, nullptr) << control;
    EXPECT_EQ(widget->accessibleName(), spoken) << control;
    // On Linux a list reports its current item as its name, by Qt's design.
    if (qobject_cast<QComboBox*>(widget)) continue;
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(node, nullptr) << control;
    EXPECT_EQ(node->text(QAccessible::Name), spoken) << control;
  }
}

TEST_F(EntryForm, HiddenBoxesStayOutOfTheAccessibilityTree) {
  QStringList seen;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (!node) return;
    if (node->object()) seen << node->object()->objectName();
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  walk(QAccessible::queryAccessibleInterface(form));
  EXPECT_TRUE(seen.contains("txtMName"));
  EXPECT_TRUE(seen.contains("cmdCalculate"));
  for (const char* hidden : {"txtMSun", "txtFC", "txtPower", "txtComment", "Label18", "chartTable"}) {
    EXPECT_FALSE(seen.contains(hidden)) << hidden;
  }
}

TEST_F(EntryForm, MenusInOrder) {
  QStringList names;
  for (QAction* top : form->menuBar()->actions()) {
    names << (top->menu() ? top->menu()->objectName() : top->objectName());
    if (top->menu()) {
      for (QAction* item : top->menu()->actions()) names << "  " + item->objectName() + " " + item->text();
    }
  }
  EXPECT_EQ(names, (QStringList{"mnuFile", "  mnuCalculate &Analyze Compatibility", "  mnuFileSep ", "  mnuExit &Exit",
                                "mnuHelp", "  mnuOnline &Online Help", "  mnuVisit &Visit Us Online",
                                "  mnuHelpSep1 ", "  mnuUpdate Check for Software &Update", "  mnuHelpSep2 ",
                                "  mnuAbout &About Software", "mnuDonate"}));
}

TEST_F(EntryForm, TabOrder) {
  QStringList expected;
  for (const char* p : {"M", "F"}) {
    for (const char* n : {"txt%1Name", "cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "cbo%1SS",
                          "txt%1LD", "txt%1LM", "txt%1LoD", "txt%1LoM", "txt%1City", "txt%1State", "txt%1Country"}) {
      expected << QString::fromLatin1(n).arg(QLatin1String(p));
    }
  }
  expected << "cmdCalculate" << "Command3" << "cmdNav";
  QStringList chain;
  QWidget* widget = text("txtMName");
  for (int i = 0; i < expected.size(); ++i) {
    chain << widget->objectName();
    widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty()) widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(EntryForm, ValidationMessagesFocusAndSelection) {
  EXPECT_FALSE(form->ValidateEntries());
  EXPECT_EQ(messages, QStringList{"Please Enter Male Name"});
  EXPECT_EQ(QApplication::focusWidget(), text("txtMName"));

  FillComplete();
  option("optMNorth")->setAutoExclusive(false);
  option("optMNorth")->setChecked(false);
  option("optMNorth")->setAutoExclusive(true);
  messages.clear();
  EXPECT_FALSE(form->ValidateEntries());
  EXPECT_EQ(messages, QStringList{"Please Select Direction For The Latitude"});
  EXPECT_TRUE(option("optMNorth")->isChecked());
  EXPECT_TRUE(form->ValidateEntries());  // the selected option passes the second run
  EXPECT_EQ(messages.size(), 1);

  text("txtFLoM")->clear();
  messages.clear();
  EXPECT_FALSE(form->ValidateEntries());
  EXPECT_EQ(messages, QStringList{"Please Enter Minutes in Longitude"});
  EXPECT_EQ(QApplication::focusWidget(), text("txtFLoM"));
}

TEST_F(EntryForm, TypingFollowsTheRules) {
  QTest::keyClicks(text("txtMCity"), "New York");
  EXPECT_EQ(text("txtMCity")->text(), "New York");
  EXPECT_TRUE(messages.isEmpty());

  QTest::keyClicks(text("txtFCity"), "St. Louis");
  EXPECT_EQ(text("txtFCity")->text(), "St Louis");
  EXPECT_EQ(messages, QStringList{"Please enter only letters"});

  messages.clear();
  text("txtMLD")->setFocus();
  QTest::keyClicks(text("txtMLD"), "4-5");
  EXPECT_EQ(text("txtMLD")->text(), "45");
  EXPECT_EQ(messages, QStringList{"Please enter only numbers"});

  messages.clear();
  QTest::keyClicks(text("txtMLM"), "1234");  // the fourth digit is the box's to drop, silently
  EXPECT_EQ(text("txtMLM")->text(), "123");
  QTest::keyClick(text("txtMLM"), Qt::Key_Backspace);
  EXPECT_EQ(text("txtMLM")->text(), "12");
  QTest::keyClicks(text("txtMName"), "Al7");
  EXPECT_EQ(text("txtMName")->text(), "Al");
  EXPECT_EQ(messages, QStringList{"Please enter only letters"});

  messages.clear();
  QTest::sendKeyEvent(QTest::Press, text("txtMName"), Qt::Key_Eacute, QString::fromUtf8("é"), Qt::NoModifier);
  EXPECT_EQ(text("txtMName")->text(), "Al");
  EXPECT_EQ(messages, QStringList{"Please enter only letters"});
}

TEST_F(EntryForm, TabMovesOnAndControlKeysAreRefused) {
  text("txtMName")->setFocus();
  QTest::keyClick(text("txtMName"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), list("cboMDate"));
  EXPECT_TRUE(messages.isEmpty());

  QApplication::clipboard()->setText("Bob");
  text("txtMName")->setText("Al");
  text("txtMName")->setFocus();
  QTest::keyClick(text("txtMName"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("txtMName")->text(), "Al");
  EXPECT_EQ(messages, QStringList{"Please enter only letters"});
  EXPECT_EQ(QApplication::focusWidget(), text("txtMName"));

  messages.clear();
  QTest::keyClick(text("txtMLoD"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(messages, QStringList{"Please enter only numbers"});
}

TEST_F(EntryForm, PastedTextMeetsTheSameRule) {
  struct Row {
    const char* field;
    const char* before;
    const char* pasted;
    const char* after;
    bool refused;
  };
  const Row rows[] = {
      {"txtMCity", "Abc", "St. Louis", "Abc", true}, {"txtMCity", "Abc", " Louis", "Abc Louis", false},
      {"txtFLD", "1", "2x", "1", true},              {"txtFLD", "1", "23", "123", false},
      {"txtFLM", "", "-5", "", true},                {"txtFName", "Al", "Zoë", "Al", true},
  };
  for (const auto& row : rows) {
    messages.clear();
    QLineEdit* edit = text(row.field);
    edit->setText(row.before);
    edit->end(false);
    QApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
    edit->paste();
    EXPECT_EQ(edit->text(), row.after) << row.field << " <- " << row.pasted;
    EXPECT_EQ(messages.size(), row.refused ? 1 : 0) << row.field << " <- " << row.pasted;
  }
  // Text the program sets is not filtered.
  text("txtMLD")->setText("9x");
  EXPECT_EQ(text("txtMLD")->text(), "9x");
}

TEST_F(EntryForm, MonthNamesFollowTheLocaleAndMapByPosition) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  frmMatch french(director);
  QLocale::setDefault(previous);
  auto* month = french.findChild<QComboBox*>("cboFMonth");
  EXPECT_EQ(month->itemText(0), QString::fromUtf8("janvier"));
  month->setCurrentIndex(2);
  EXPECT_EQ(french.Texts(false).monthIndex, 2);
  french.findChild<QComboBox*>("cboFDate")->setCurrentIndex(0);
  PersonTexts texts = french.Texts(false);
  texts.latDeg = texts.latMin = texts.longDeg = texts.longMin = "1";
  EXPECT_EQ(std::get<BirthData>(ReadBirthData(texts)).Month, 3);
}

TEST_F(EntryForm, AnalysisFillsChartsAndResults) {
  FillComplete();
  form->cmdCalculate_Click();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(director.calls, QStringList{"ShowResultsWindow"});

  const EntryState& state = director.state;
  EXPECT_EQ(state.male.Name, "Arthur");
  EXPECT_EQ(state.male.Month, 7);
  EXPECT_EQ(state.female.LatDir, LatitudeDirection::South);
  EXPECT_EQ(text("txtMSun")->text().toStdString(), PrintSignData(state.maleChart.Longitude[ChartPoint::Sun]));
  EXPECT_EQ(text("txtFC")->text().toStdString(), PrintSignData(state.femaleChart.Longitude[ChartPoint::Chiron]));
  EXPECT_EQ(text("txtMNeptunes")->text().size(), 9);

  // The figures are the engine's for these charts, written to variables and boxes alike.
  HarmonyMemory memory;
  const auto totals = ComputeCosmodyneTotals(state.maleChart, state.femaleChart, memory);
  const Verdict verdict = DecideVerdict(totals.powerTotal, totals.harmonyTotal);
  EXPECT_EQ(state.result, verdict.result);
  EXPECT_EQ(text("txtPower")->text().toStdString(), ResultBoxTextsOf(verdict).power);
  EXPECT_EQ(text("txtComment")->text().toStdString(), ResultBoxTextsOf(verdict).comment);

  // The menu runs the same analysis; the harmony memory carries on.
  const EntryState first = state;
  form->mnuCalculate_Click();
  EXPECT_EQ(director.state.maleChart, first.maleChart);
  EXPECT_EQ(director.state.result, first.result);
  EXPECT_EQ(director.calls.size(), 2);
}

TEST_F(EntryForm, MissingEntryStopsTheAnalysis) {
  FillComplete();
  text("txtFCountry")->clear();
  form->cmdCalculate_Click();
  EXPECT_EQ(messages, QStringList{"Please Enter Country"});
  EXPECT_TRUE(director.calls.isEmpty());
  EXPECT_TRUE(text("txtMSun")->text().isEmpty());
}

TEST_F(EntryForm, LookupRequestChecksThePlaceThenOpensAFreshBrowser) {
  struct Row {
    const char* city;
    const char* state;
    const char* country;
    const char* message;  // nullptr: the browser opens
    const char* focus;
  };
  const Row rows[] = {
      {"", "NY", "USA", "Please Enter City", "txtMCity"},
      {"New York", "", "USA", "Please Enter State", "txtMState"},
      {"New York", "NY", "", "Please Enter Country", "txtMCountry"},
      {"", "", "", "Please Enter City", "txtMCity"},
  };
  for (const auto& row : rows) {
    messages.clear();
    director.calls.clear();
    text("txtMCity")->setText(row.city);
    text("txtMState")->setText(row.state);
    text("txtMCountry")->setText(row.country);
    form->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(messages, QStringList{row.message}) << row.city << '/' << row.state << '/' << row.country;
    EXPECT_EQ(QApplication::focusWidget(), text(row.focus));
    EXPECT_TRUE(director.calls.isEmpty());
  }

  // Only the female place filled, blanks included: a female lookup.
  messages.clear();
  director.state.bMaleSearch = true;
  text("txtFCity")->setText(" ");
  text("txtFState")->setText("NSW");
  text("txtFCountry")->setText("Australia");
  form->Command2_Click();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(director.state.bMaleSearch);
  EXPECT_EQ(director.calls, (QStringList{"CloseLookupBrowser", "ShowLookupBrowser"}));

  // A male lookup after it closes the first browser and opens another.
  text("txtMCity")->setText("New York");
  text("txtMState")->setText("NY");
  text("txtMCountry")->setText("USA");
  director.calls.clear();
  form->Command1_Click();
  EXPECT_TRUE(director.state.bMaleSearch);
  EXPECT_EQ(director.calls, (QStringList{"CloseLookupBrowser", "ShowLookupBrowser"}));
}

TEST_F(EntryForm, ClosingClosesTheLookupBrowser) {
  form->close();
  form = nullptr;  // deleted on close
  EXPECT_EQ(director.calls, QStringList{"CloseLookupBrowser"});
}

TEST_F(EntryForm, Screenshot) {
  FillComplete();
  QDir().mkpath("screenshots");
  EXPECT_TRUE(form->grab().save("screenshots/entry-form.png"));
}

}  // namespace
}  // namespace kelvra
