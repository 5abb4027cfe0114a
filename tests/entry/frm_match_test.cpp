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
#include <random>
#include <stdexcept>
#include <tuple>

#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "cosmodynes/harmony.h"
#include "entry/birth_entries.h"
#include "entry/result_boxes.h"
#include "fake_director.h"
#include "recording_ephemeris.h"
#include "shell/command.h"
#include "shell/message.h"
#include "shell/month_name.h"

namespace kelvra {
namespace {

using testing::FakeDirector;

class MatchForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new frmMatch(director);
    form->show();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }
  void TearDown() override { delete form; }

  QLineEdit* text(const char* name) { return form->findChild<QLineEdit*>(name); }
  QComboBox* list(const char* name) { return form->findChild<QComboBox*>(name); }
  QRadioButton* option(const char* name) { return form->findChild<QRadioButton*>(name); }

  void FillComplete() {
    form->setEntries(Person::Male, testing::CompletePerson("Arthur", 13, 7, 1985, false, "London"));
    form->setEntries(Person::Female, testing::CompletePerson("Guinevere", 2, 11, 1950, true, "Sydney"));
  }

  QStringList messages;
  ScopedMessageFunction recorder_{[this](QWidget*, const QString& text) { messages << text; }};
  SwissEphemeris ephemeris;
  FakeDirector director{ephemeris};
  frmMatch* form = nullptr;
};

TEST_F(MatchForm, StartUpState) {
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

TEST_F(MatchForm, StartUpSetsTheEphemerisPathAfterTheLists) {
  testing::RecordingEphemeris recorder;
  FakeDirector recording(recorder);
  frmMatch other(recording);
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0].function, "swe_set_ephe_path");
  EXPECT_EQ(recorder.calls[0].path, "/usr/share/libswe/ephe");
}

TEST_F(MatchForm, ControlsCaptionsAndHiddenBoxes) {
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

  // The hidden boxes are made on first use; until then they read as made.
  EXPECT_EQ(form->findChild<QWidget*>("chartTable"), nullptr);
  EXPECT_EQ(form->chartTexts(Person::Female), ChartTexts{});
  EXPECT_EQ(form->resultTexts(), InitialResultBoxTexts());
  FillComplete();
  form->cmdCalculate_Click();
  for (const char* name : {"txtPower", "txtHarmony", "txtPH", "txtPHPercentage", "txtComment", "txtMSun",
                           "txtMNeptunes", "txtFNeptune", "txtMC", "txtFC", "txtMAsc", "txtFP"}) {
    ASSERT_NE(text(name), nullptr) << name;
    EXPECT_FALSE(text(name)->isVisible()) << name;
    EXPECT_EQ(text(name)->focusPolicy(), Qt::NoFocus) << name;
  }
}

TEST_F(MatchForm, InputsHaveSpokenNames) {
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

TEST_F(MatchForm, HiddenBoxesStayOutOfTheAccessibilityTree) {
  QStringList seen;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (!node) return;
    if (node->object()) seen << node->object()->objectName();
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  FillComplete();
  form->cmdCalculate_Click();  // makes the hidden boxes
  walk(QAccessible::queryAccessibleInterface(form));
  EXPECT_TRUE(seen.contains("txtMName"));
  EXPECT_TRUE(seen.contains("cmdCalculate"));
  for (const char* hidden : {"txtMSun", "txtFC", "txtPower", "txtComment", "Label18", "chartTable"}) {
    EXPECT_FALSE(seen.contains(hidden)) << hidden;
  }
}

TEST_F(MatchForm, MenusInOrder) {
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

TEST_F(MatchForm, TabOrder) {
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

TEST_F(MatchForm, ValidationMessagesFocusAndSelection) {
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

TEST_F(MatchForm, TypingFollowsTheRules) {
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

TEST_F(MatchForm, TabMovesOnAndControlKeysAreRefused) {
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

TEST_F(MatchForm, PastedTextMeetsTheSameRule) {
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

TEST_F(MatchForm, MonthNamesFollowTheLocaleAndMapByPosition) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  frmMatch french(director);
  QLocale::setDefault(previous);
  auto* month = french.findChild<QComboBox*>("cboFMonth");
  EXPECT_EQ(month->itemText(0), QString::fromUtf8("janvier"));
  month->setCurrentIndex(2);
  PersonEntries entries = french.entries(Person::Female);
  EXPECT_EQ(entries.month, 3);
  entries.latDeg = entries.latMin = entries.longDeg = entries.longMin = "1";
  EXPECT_EQ(std::get<BirthData>(ReadBirthData(entries)).Month, 3);
}

TEST_F(MatchForm, AnalysisFillsChartsAndResults) {
  FillComplete();
  form->cmdCalculate_Click();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(director.calls, QStringList{"showResultsWindow"});

  // The one analysis the CLI runs too, from the records the form read.
  const EntryState& state = director.state;
  EXPECT_EQ(state.male.Name, "Arthur");
  EXPECT_EQ(state.male.Month, 7);
  EXPECT_EQ(state.female.LatDir, LatitudeDirection::South);
  HarmonyMemory memory;
  const CoupleAnalysis expected = AnalyzeCouple(state.male, state.female, ephemeris, memory);
  EXPECT_EQ(state.charts, static_cast<const CoupleCharts&>(expected));
  EXPECT_EQ(state.result, expected.verdict.result);
  EXPECT_DOUBLE_EQ(director.memory.lastHarmonyGain, memory.lastHarmonyGain);

  // Written to the chart and result boxes, each box holding its own point.
  EXPECT_EQ(form->chartTexts(Person::Male), ChartTextsOf(expected.male));
  EXPECT_EQ(form->chartTexts(Person::Female), ChartTextsOf(expected.female));
  EXPECT_EQ(text("txtMSun")->text().toStdString(), PrintSignData(expected.male.Longitude[ChartPoint::Sun]));
  EXPECT_EQ(text("txtMNeptunes")->text().toStdString(), PrintSignData(expected.male.Longitude[ChartPoint::Neptune]));
  EXPECT_EQ(text("txtFC")->text().toStdString(), PrintSignData(expected.female.Longitude[ChartPoint::Chiron]));
  EXPECT_EQ(form->resultTexts(), ResultBoxTextsOf(expected.verdict));
  EXPECT_EQ(text("txtPHPercentage")->text().toStdString(), form->resultTexts().percentage);

  // The menu runs the same analysis; the harmony memory carries on.
  const EntryState first = state;
  form->mnuCalculate_Click();
  EXPECT_EQ(director.state.charts, first.charts);
  EXPECT_EQ(director.state.result, first.result);
  EXPECT_EQ(director.calls.size(), 2);
}

TEST_F(MatchForm, MissingEntryStopsTheAnalysis) {
  FillComplete();
  text("txtFCountry")->clear();
  form->cmdCalculate_Click();
  EXPECT_EQ(messages, QStringList{"Please Enter Country"});
  EXPECT_TRUE(director.calls.isEmpty());
  EXPECT_EQ(form->chartTexts(Person::Male), ChartTexts{});
}

TEST_F(MatchForm, LookupRequestChecksThePlaceThenOpensAFreshBrowser) {
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
  EXPECT_EQ(director.calls, (QStringList{"closeLookupBrowser", "showLookupBrowser"}));

  // A male lookup after it closes the first browser and opens another.
  text("txtMCity")->setText("New York");
  text("txtMState")->setText("NY");
  text("txtMCountry")->setText("USA");
  director.calls.clear();
  form->Command1_Click();
  EXPECT_TRUE(director.state.bMaleSearch);
  EXPECT_EQ(director.calls, (QStringList{"closeLookupBrowser", "showLookupBrowser"}));
}

TEST_F(MatchForm, ClosingClosesTheLookupBrowser) {
  form->close();
  form = nullptr;  // deleted on close
  EXPECT_EQ(director.calls, QStringList{"closeLookupBrowser"});
}

// The typed entries and the controls are one: what goes in through one comes
// out through the other, for many generated persons.
TEST_F(MatchForm, TypedEntriesAreTheControlsValues) {
  std::mt19937 random(20261208);
  auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
  auto word = [&] {
    QString text;
    for (int n = pick(0, 6); n > 0; --n) text += QChar(pick(0, 4) == 0 ? ' ' : 'a' + pick(0, 25));
    return text;
  };
  for (int round = 0; round < 200; ++round) {
    const Person person = round % 2 ? Person::Male : Person::Female;
    PersonEntries e;
    e.name = word();
    e.day = pick(1, 31);
    e.month = pick(1, 12);
    e.year = pick(1900, 2050);
    e.hour = pick(0, 24);
    e.minute = pick(0, 59);
    e.second = pick(0, 59);
    e.latDeg = QString::number(pick(0, 999));
    e.latMin = QString::number(pick(0, 99));
    e.longDeg = QString::number(pick(0, 999));
    e.longMin = word().left(3);  // not filtered, but a number box holds three characters
    const int latitude = pick(0, 2), longitude = pick(0, 2);  // 0: none chosen
    e.north = latitude == 1;
    e.south = latitude == 2;
    e.east = longitude == 1;
    e.west = longitude == 2;
    e.city = word();
    e.state = word();
    e.country = word();
    form->setEntries(person, e);
    ASSERT_EQ(form->entries(person), e) << "round " << round;
  }
}

TEST_F(MatchForm, EachTypedEntryIsItsNamedControl) {
  PersonEntries e = testing::CompletePerson("Ann", 29, 2, 1988, true, "Mumbai");
  e.hour = 24;
  e.latDeg = "19";
  e.latMin = "4";
  e.longDeg = "72";
  e.longMin = "52";
  e.east = true;
  e.west = false;
  e.state = "Maharashtra";
  e.country = "India";
  form->setEntries(Person::Female, e);
  const std::pair<const char*, QString> texts[] = {
      {"txtFName", "Ann"},       {"txtFLD", "19"},          {"txtFLM", "4"},        {"txtFLoD", "72"},
      {"txtFLoM", "52"},         {"txtFCity", "Mumbai"},    {"txtFState", "Maharashtra"}, {"txtFCountry", "India"},
      {"cboFDate", "29"},        {"cboFMonth", MonthName(2)}, {"cboFYear", "1988"}, {"cboFHH", "24"},
      {"cboFMM", "30"},          {"cboFSS", "0"},
  };
  for (const auto& [name, shown] : texts) {
    QWidget* control = form->findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name;
    const auto* box = qobject_cast<QLineEdit*>(control);
    EXPECT_EQ(box ? box->text() : qobject_cast<QComboBox*>(control)->currentText(), shown) << name;
  }
  for (const auto& [name, checked] : {std::pair{"optFSouth", true}, {"optFNorth", false}, {"optFEast", true},
                                      {"optFWest", false}})
    EXPECT_EQ(option(name)->isChecked(), checked) << name;
  EXPECT_EQ(form->entries(Person::Male), PersonEntries{});  // the other person untouched

  // A value the list does not offer leaves the list as it was.
  e.day = 32;
  e.hour = 25;
  form->setEntries(Person::Female, e);
  EXPECT_EQ(list("cboFDate")->currentText(), "29");
  EXPECT_EQ(list("cboFHH")->currentText(), "24");
}

TEST_F(MatchForm, EmptyEntriesKeepsChartsAndResultsAndFocusFindsEveryEntry) {
  FillComplete();
  form->cmdCalculate_Click();
  const ChartTexts charts = form->chartTexts(Person::Male);
  const ResultBoxTexts results = form->resultTexts();
  form->emptyEntries();
  EXPECT_EQ(form->entries(Person::Male), PersonEntries{});
  EXPECT_EQ(form->entries(Person::Female), PersonEntries{});
  EXPECT_EQ(form->chartTexts(Person::Male), charts);
  EXPECT_EQ(form->resultTexts(), results);

  const std::tuple<Person, EntryField, const char*> targets[] = {
      {Person::Male, EntryField::Name, "txtMName"},       {Person::Female, EntryField::LongMin, "txtFLoM"},
      {Person::Male, EntryField::Month, "cboMMonth"},     {Person::Female, EntryField::Country, "txtFCountry"},
      {Person::Female, EntryField::West, "optFWest"},
  };
  for (const auto& [person, field, name] : targets) {
    form->focusEntry(person, field);
    EXPECT_EQ(QApplication::focusWidget(), form->findChild<QWidget*>(name)) << name;
  }
}

// An ephemeris whose library fails outright: the trap at the window edge
// turns the exception into one message and leaves the form as it was.
class FailingEphemeris : public testing::RecordingEphemeris {
 public:
  std::int32_t Calc(double, std::int32_t, std::int32_t, PositionBuffer, ErrorText) override {
    throw std::runtime_error("the ephemeris files cannot be read");
  }
};

TEST_F(MatchForm, AFailingAnalysisIsToldAndTheFormCarriesOn) {
  FailingEphemeris failing;
  FakeDirector failingDirector(failing);
  frmMatch other(failingDirector);
  other.show();
  other.setEntries(Person::Male, testing::CompletePerson("Arthur", 13, 7, 1985, false, "London"));
  other.setEntries(Person::Female, testing::CompletePerson("Guinevere", 2, 11, 1950, true, "Sydney"));
  const PersonEntries typed = other.entries(Person::Female);

  other.findChild<QPushButton*>("cmdCalculate")->click();
  other.findChild<QAction*>("mnuCalculate")->trigger();

  const QString told = CommandFailureMessage(QStringLiteral("Analyze Compatibility"),
                                             QStringLiteral("the ephemeris files cannot be read"));
  EXPECT_EQ(messages, QStringList({told, told}));
  EXPECT_TRUE(failingDirector.calls.isEmpty());  // no results window
  EXPECT_TRUE(other.isVisible());
  EXPECT_EQ(other.entries(Person::Female), typed);
}

}  // namespace
}  // namespace kelvra
