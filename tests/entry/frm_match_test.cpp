// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/frm_match.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
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
#include "entry/atlas_search.h"
#include "entry/birth_entries.h"
#include "entry/birth_zone.h"
#include "entry/entry_dialogs.h"
#include "entry/frm_atlas.h"
#include "entry/result_boxes.h"
#include "builders.h"
#include "fake_director.h"
#include "recording_ephemeris.h"
#include "shell/command.h"
#include "shell/message.h"
#include "birthtime/month_name.h"
#include "shell/twips.h"
#include "shell/web_links.h"

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
  QCheckBox* utOption() { return form->findChild<QCheckBox*>("chkTrueUt"); }
  QLabel* zoneNote(const char* name) { return form->findChild<QLabel*>(name); }
  QComboBox* list(const char* name) { return form->findChild<QComboBox*>(name); }
  QRadioButton* option(const char* name) { return form->findChild<QRadioButton*>(name); }

  void FillComplete() {
    form->setEntries(Person::Male,
                     testing::MakeEntries({.name = "Arthur", .day = 13, .month = 7, .year = 1985, .city = "London"}));
    form->setEntries(Person::Female, testing::MakeEntries({.name = "Guinevere", .day = 2, .month = 11, .year = 1950,
                                                           .lat = "S", .city = "Sydney"}));
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

// What each control shows, tells and is called by a screen reader, as the
// form has always read; the captions of the chart table included.
TEST_F(MatchForm, EveryControlReadsAsBefore) {
  const auto shown = [this](const char* name) -> QString {
    QObject* object = form->findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
    ADD_FAILURE() << "no captioned control " << name;
    return {};
  };
  FillComplete();
  form->cmdCalculate_Click();  // makes the chart table
  const std::pair<const char*, const char*> captions[] = {
      {"Label7",
       "Enter the city, state and country, click the button above, then find the latitude and longitude in the web "
       "search results."},
      {"chkTrueUt", "Convert birth times to UT"},
      {"Frame5", "Co-Brand Options"},
      {"Label59", "Click Here for more info on Co-branding."},
      {"Label58", "Software made by"},
      {"Command3", "Donate"},
      {"cmdNav", "Exit"},
      {"Frame1", "Male"},
      {"Frame2", "Female"},
      {"Label2", "Name:"},
      {"Label9", "Birthday:"},
      {"Label4", "Time Of Birth:"},
      {"Label17", "HH/MM/SS"},
      {"Label5", "Latitude:"},
      {"Label51", "DEG/MIN"},
      {"Label12", "Longitude:"},
      {"Label54", "City:"},
      {"Label56", "State:"},
      {"Label15", "Country:"},
      {"optFNorth", "North"},
      {"optMSouth", "South"},
      {"optMEast", "East"},
      {"optFWest", "West"},
      {"cmdFAtlas", "Atlas..."},
      {"cmdMZone", "Zone..."},
      {"Label18", "Sun"},
      {"Label39", "N. Node"},
      {"Label29", "S. Node"},
      {"Label30", "P_of_F"},
      {"Label36", "Asc"},
      {"Label32", "MC"},
      {"Label34", "Chiron"},
  };
  for (const auto& [name, caption] : captions) EXPECT_EQ(shown(name), QString::fromUtf8(caption)) << name;
  EXPECT_EQ(shown("Label61"), "Talk about your results in the Kelvra forum at " + SiteHost());

  const std::pair<const char*, const char*> tips[] = {
      {"chkTrueUt",
       "Convert each birth time to Universal Time by the birthplace's time zone, summer time included, before the "
       "charts are computed. Off: the times are used as typed."},
      {"cmdMAtlas",
       "Choose the birthplace from the offline atlas: fills the city, state, country and coordinates"},
  };
  for (const auto& [name, tip] : tips) EXPECT_EQ(form->findChild<QWidget*>(name)->toolTip(), tip) << name;

  const std::pair<const char*, const char*> spoken[] = {
      {"cmdMAtlas", "Find Male Birthplace in Atlas"}, {"cmdFZone", "Pick Female Time Zone"},
      {"lblMZone", "Male Time Zone"},                  {"cboFHH", "Female Time Of Birth Hours"},
      {"txtMState", "Male State"},                     {"optMEast", "Male Longitude East"},
  };
  for (const auto& [name, words] : spoken) EXPECT_EQ(form->findChild<QWidget*>(name)->accessibleName(), words) << name;
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
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(node, nullptr) << control;
    EXPECT_EQ(node->text(QAccessible::Name), spoken) << control;
  }
}

// Qt's own interface on Linux would give a list's current item as its name.
TEST_F(MatchForm, ListsGiveTheirCurrentItemAsValueAndKeepTheirPopup) {
  const QList<QComboBox*> lists = form->findChildren<QComboBox*>();
  ASSERT_EQ(lists.size(), 12);
  for (QComboBox* combo : lists) {
    const std::string name = combo->objectName().toStdString();
    combo->setCurrentIndex(combo->count() - 1);
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(combo);
    ASSERT_NE(node, nullptr) << name;
    EXPECT_EQ(node->role(), QAccessible::ComboBox) << name;
    EXPECT_EQ(node->text(QAccessible::Name), combo->accessibleName()) << name;
    EXPECT_EQ(node->text(QAccessible::Value), combo->currentText()) << name;
    EXPECT_EQ(node->text(QAccessible::Description), combo->currentText()) << name;  // what the bus carries
    // The popup list, through which a screen reader reads and picks the items.
    ASSERT_EQ(node->childCount(), 1) << name;
    QAccessibleInterface* popup = node->child(0);
    ASSERT_NE(popup, nullptr) << name;
    EXPECT_EQ(popup->object(), combo->view()) << name;
    EXPECT_EQ(popup->parent(), node) << name;
    EXPECT_EQ(node->indexOfChild(popup), 0) << name;
  }
  QComboBox* year = list("cboFYear");
  QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(year)->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(year->view()->isVisible());
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(year->view()->isVisible());
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
  EXPECT_EQ(names, (QStringList{"mnuFile", "  mnuCalculate &Analyze Compatibility", "  mnuAtlasSep ",
                                "  mnuMAtlas Find &Male Birthplace in Atlas...",
                                "  mnuFAtlas Find &Female Birthplace in Atlas...", "  mnuFileSep ", "  mnuExit &Exit",
                                "mnuHelp", "  mnuOnline &Online Help", "  mnuVisit &Visit Us Online",
                                "  mnuHelpSep1 ", "  mnuUpdate Check for Software &Update", "  mnuHelpSep2 ",
                                "  mnuAbout &About Software", "mnuDonate"}));
}

// The form's fields judge every key typed in them: no menu takes one first,
// not even the keys the other windows give their commands.
TEST_F(MatchForm, MenusHaveNoKeysAndEveryKeyReachesTheField) {
  for (QAction* action : form->findChildren<QAction*>())
    EXPECT_TRUE(action->shortcuts().isEmpty()) << action->objectName().toStdString();
  for (const Qt::Key key : {Qt::Key_P, Qt::Key_Q, Qt::Key_S, Qt::Key_W, Qt::Key_Y}) {
    messages.clear();
    text("txtMName")->setFocus();
    QTest::keyClick(text("txtMName"), key, Qt::ControlModifier);
    EXPECT_EQ(messages, QStringList{"Please enter only letters"}) << key;
    EXPECT_TRUE(form->isVisible()) << key;
  }
}

TEST_F(MatchForm, TabOrder) {
  QStringList expected;
  for (const char* p : {"M", "F"}) {
    for (const char* n : {"txt%1Name", "cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "cbo%1SS",
                          "txt%1LD", "txt%1LM", "txt%1LoD", "txt%1LoM", "txt%1City", "txt%1State", "txt%1Country",
                          "cmd%1Atlas"}) {
      expected << QString::fromLatin1(n).arg(QLatin1String(p));
    }
  }
  expected << "cmdCalculate" << "Command3" << "cmdNav";
  for (const char* p : {"M", "F"}) {
    for (const char* n : {"opt%1North", "opt%1South", "opt%1East", "opt%1West"})
      expected << QString::fromLatin1(n).arg(QLatin1String(p));
  }
  // The zone buttons follow the option that shows them.
  expected << "Command1" << "Command2" << "chkTrueUt" << "cmdMZone" << "cmdFZone";
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
  PersonEntries e = testing::MakeEntries({.day = 29, .month = 2, .year = 1988, .hour = 24, .latDeg = "19",
                                          .latMin = "4", .lat = "S", .longDeg = "72", .longMin = "52",
                                          .city = "Mumbai", .state = "Maharashtra", .country = "India"});
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
  other.setEntries(Person::Male,
                   testing::MakeEntries({.name = "Arthur", .day = 13, .month = 7, .year = 1985, .city = "London"}));
  other.setEntries(Person::Female, testing::MakeEntries({.name = "Guinevere", .day = 2, .month = 11, .year = 1950,
                                                         .lat = "S", .city = "Sydney"}));
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

// ---------------------------------------------------------------------------
// The atlas and "Convert birth times to UT"

AtlasPlace Oslo() { return {"Oslo", "Oslo", "Norway", "NO", "Europe/Oslo", 59.91273, 10.74609, 580000}; }

// Answers the zone list with one zone, checking it was offered.
ZonePickFunction Picks(const char* zone) {
  return [zone](QWidget*, const ZoneQuestion& question) -> std::optional<QByteArray> {
    EXPECT_TRUE(question.zones.contains(zone)) << zone;
    return QByteArray(zone);
  };
}

TEST(MatchFormStartUp, ReadsNothingOfTheAtlas) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        SwissEphemeris ephemeris;
        FakeDirector director(ephemeris);
        frmMatch form(director);
        form.show();
        QCoreApplication::processEvents();
        _exit(AtlasIndexIfReady() || form.findChild<AtlasSearch*>() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(MatchForm, TheUtOptionStartsOffAndTheAnalysisUsesTheClockTimes) {
  ASSERT_NE(utOption(), nullptr);
  EXPECT_EQ(utOption()->text(), "Convert birth times to UT");
  EXPECT_FALSE(utOption()->isChecked());
  EXPECT_FALSE(director.state.convertToUt);
  for (const char* name : {"lblMZone", "lblFZone", "cmdMZone", "cmdFZone"})
    EXPECT_FALSE(form->findChild<QWidget*>(name)->isVisible()) << name;

  FillComplete();
  form->useAtlasPlace(Person::Male, Oslo());  // a zone the option, being off, leaves unused
  form->cmdCalculate_Click();
  EXPECT_TRUE(messages.isEmpty());
  const EntryState& state = director.state;
  EXPECT_FALSE(state.male.Ut.has_value());
  EXPECT_FALSE(state.female.Ut.has_value());
  EXPECT_FALSE(state.birthTime(Person::Male) || state.birthTime(Person::Female));
  EXPECT_EQ(state.male.Hour, 14);
  HarmonyMemory memory;
  const CoupleAnalysis asTyped = AnalyzeCouple(state.male, state.female, ephemeris, memory);
  EXPECT_EQ(state.result, asTyped.verdict.result);
  EXPECT_EQ(form->chartTexts(Person::Male), ChartTextsOf(asTyped.male));
}

TEST_F(MatchForm, WithTheUtOptionEachClockTimeIsConvertedByItsZone) {
  FillComplete();  // both born at 14:30
  form->useAtlasPlace(Person::Male, Oslo());  // 13 July 1985: summer time, UT+2
  utOption()->click();
  EXPECT_TRUE(director.state.convertToUt);
  {
    const ScopedZonePickFunction pick(Picks("Australia/Sydney"));  // 2 November 1950: no summer time, UT+10
    form->findChild<QPushButton*>("cmdFZone")->click();
  }
  EXPECT_EQ(zoneNote("lblFZone")->text(), "Time zone picked by hand:\nAustralia/Sydney");
  form->cmdCalculate_Click();
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();

  const EntryState& state = director.state;
  EXPECT_EQ(state.male.Ut, (UniversalMoment{1985, 7, 13, 12.5}));
  EXPECT_EQ(state.female.Ut, (UniversalMoment{1950, 11, 2, 4.5}));
  ASSERT_TRUE(state.birthTime(Person::Male));
  EXPECT_EQ(state.birthTime(Person::Male)->zoneId, "Europe/Oslo");
  EXPECT_EQ(state.birthTime(Person::Male)->reading.offsetSeconds, 7200);
  EXPECT_TRUE(state.birthTime(Person::Male)->reading.daylightTime);
  EXPECT_EQ(state.birthTime(Person::Female)->reading.offsetSeconds, 36000);

  // The charts are those of the UT moments, not of the clock times.
  HarmonyMemory memory;
  const CoupleAnalysis converted = AnalyzeCouple(state.male, state.female, ephemeris, memory);
  EXPECT_EQ(form->chartTexts(Person::Male), ChartTextsOf(converted.male));
  BirthData asTyped = state.male;
  asTyped.Ut.reset();
  const auto clockChart = ChartCouple(asTyped, state.female, ephemeris).male;
  EXPECT_NE(state.charts.male.Longitude[ChartPoint::Ascendant], clockChart.Longitude[ChartPoint::Ascendant]);
  EXPECT_EQ(state.male.Hour, 14);  // the record keeps the clock time for the report
}

TEST_F(MatchForm, ChoosingInTheAtlasFillsThePlaceAndKeepsItsZone) {
  text("txtFCity")->setText("Tromso");
  form->findChild<QPushButton*>("cmdFAtlas")->click();
  auto* atlas = form->findChild<frmAtlas*>();
  ASSERT_NE(atlas, nullptr);
  EXPECT_TRUE(atlas->isVisible());
  EXPECT_EQ(atlas->windowTitle(), "Find Female Birthplace in Atlas");
  EXPECT_EQ(atlas->findChild<QLineEdit*>("txtSearch")->text(), "Tromso");  // the city entry searched at once
  ASSERT_TRUE(QTest::qWaitFor([&] { return !atlas->search().pending(); }, 10000));
  QTest::keyClick(atlas->findChild<QLineEdit*>("txtSearch"), Qt::Key_Return);

  const PersonEntries e = form->entries(Person::Female);
  EXPECT_EQ(e.city, QString::fromUtf8("Tromsø"));
  EXPECT_EQ(e.state, "Troms og Finnmark");
  EXPECT_EQ(e.country, "Norway");
  EXPECT_EQ(std::tie(e.latDeg, e.latMin, e.longDeg, e.longMin),
            std::make_tuple(QString("69"), QString("39"), QString("18"), QString("57")));
  EXPECT_TRUE(e.north && !e.south && e.east && !e.west);
  ASSERT_TRUE(director.state.zone(Person::Female));
  EXPECT_EQ(director.state.zone(Person::Female)->id, "Europe/Oslo");
  EXPECT_EQ(director.state.zone(Person::Female)->source, ZoneSource::AtlasPlace);
  EXPECT_FALSE(director.state.zone(Person::Male));

  // The menu opens the other person's atlas.
  form->findChild<QAction*>("mnuMAtlas")->trigger();
  QTRY_VERIFY(form->findChild<frmAtlas*>() && form->findChild<frmAtlas*>()->windowTitle().contains("Male"));
  form->findChild<frmAtlas*>()->reject();
}

TEST_F(MatchForm, EditingThePlaceByHandDropsTheAtlasZoneButNotAPickedOne) {
  const struct {
    const char* control;
    std::function<void(frmMatch&)> edit;
  } edits[] = {
      {"txtMCity", [](frmMatch& f) { QTest::keyClicks(f.findChild<QLineEdit*>("txtMCity"), "x"); }},
      {"txtMState", [](frmMatch& f) { QTest::keyClicks(f.findChild<QLineEdit*>("txtMState"), "x"); }},
      {"txtMCountry", [](frmMatch& f) { QTest::keyClick(f.findChild<QLineEdit*>("txtMCountry"), Qt::Key_Backspace); }},
      {"txtMLD", [](frmMatch& f) { QTest::keyClick(f.findChild<QLineEdit*>("txtMLD"), Qt::Key_Backspace); }},
      {"txtMLoM", [](frmMatch& f) { QTest::keyClicks(f.findChild<QLineEdit*>("txtMLoM"), "1"); }},
      {"optMSouth", [](frmMatch& f) { QTest::mouseClick(f.findChild<QRadioButton*>("optMSouth"), Qt::LeftButton); }},
      {"setEntries", [](frmMatch& f) {
         PersonEntries e = f.entries(Person::Male);
         e.city = "Bergen";
         f.setEntries(Person::Male, e);
       }},
  };
  for (const auto& edit : edits) {
    form->useAtlasPlace(Person::Male, Oslo());
    ASSERT_EQ(director.state.zone(Person::Male)->source, ZoneSource::AtlasPlace);
    edit.edit(*form);
    EXPECT_FALSE(director.state.zone(Person::Male)) << edit.control;
  }
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();  // "Oslo" and such stay editable

  // Untouched by the other person's edits and by the rest of the record.
  form->useAtlasPlace(Person::Male, Oslo());
  QTest::keyClicks(text("txtFCity"), "x");
  QTest::keyClicks(text("txtMName"), "x");
  EXPECT_TRUE(director.state.zone(Person::Male));

  // A zone picked by hand is the user's: it outlasts an edit, not emptying.
  const ScopedZonePickFunction pick(Picks("Europe/Berlin"));
  form->findChild<QPushButton*>("cmdMZone")->click();
  QTest::keyClicks(text("txtMCity"), "x");
  EXPECT_EQ(director.state.zone(Person::Male), ZonePickedByHand("Europe/Berlin"));
  form->emptyEntries();
  EXPECT_FALSE(director.state.zone(Person::Male));
}

TEST_F(MatchForm, TheZoneListIsAskedAtTheBirthTimeEntered) {
  FillComplete();
  form->useAtlasPlace(Person::Male, Oslo());
  utOption()->click();
  const struct {
    int day, month;
    bool moment;
  } rows[] = {{13, 7, true}, {31, 2, false}};
  for (const auto& row : rows) {
    PersonEntries male = form->entries(Person::Male);
    male.day = row.day, male.month = row.month, male.hour = 14, male.minute = 30;
    form->setEntries(Person::Male, male);
    std::optional<ZoneQuestion> asked;
    const ScopedZonePickFunction pick([&](QWidget*, const ZoneQuestion& question) {
      asked = question;
      return std::nullopt;
    });
    form->findChild<QPushButton*>("cmdMZone")->click();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->person, Person::Male);
    EXPECT_EQ(asked->current, "Europe/Oslo");
    ASSERT_EQ(asked->birth.has_value(), row.moment) << row.day << "." << row.month;
    if (row.moment) {
      EXPECT_EQ(std::tie(asked->birth->year, asked->birth->month, asked->birth->day, asked->birth->hour,
                         asked->birth->minute),
                std::tuple(1985, 7, 13, 14, 30));
    }
  }
  EXPECT_EQ(director.state.zone(Person::Male), ZoneOfAtlasPlace(Oslo()));  // cancelled: the zone stays
}

TEST_F(MatchForm, TypedCoordinatesTakeTheNearestAtlasPlacesZone) {
  form->setEntries(Person::Male, testing::MakeEntries({.latDeg = "70", .latMin = "40", .longDeg = "23",
                                                       .longMin = "41", .city = "Hammerfest"}));
  EXPECT_FALSE(director.state.zone(Person::Male));  // nothing asked of the atlas while the option is off
  utOption()->click();
  QTRY_COMPARE_WITH_TIMEOUT(zoneNote("lblMZone")->text(),
                            QString::fromUtf8("Time zone of Tromsø, 211 km away:\nEurope/Oslo"), 10000);
  EXPECT_EQ(director.state.zone(Person::Male)->source, ZoneSource::NearestPlace);

  // Coordinates that name no point leave no zone; the analysis says so.
  QTest::keyClicks(text("txtMLD"), "9");  // 709 degrees
  EXPECT_FALSE(director.state.zone(Person::Male));
  EXPECT_EQ(zoneNote("lblMZone")->text(), ZoneNote(std::nullopt, false));
  form->setEntries(Person::Female, testing::MakeEntries({.name = "Bo", .city = "Oslo"}));
  form->cmdCalculate_Click();
  EXPECT_EQ(messages, QStringList{MissingZoneMessage(Person::Male)});
  EXPECT_EQ(QApplication::focusWidget(), form->findChild<QPushButton*>("cmdMZone"));
  EXPECT_TRUE(director.calls.isEmpty());
}

TEST_F(MatchForm, AClockTimeThatHappensTwiceIsAskedAndOneThatNeverHappenedStops) {
  FillComplete();
  utOption()->click();
  for (const char* button : {"cmdMZone", "cmdFZone"}) {
    const ScopedZonePickFunction pick(Picks("America/New_York"));
    form->findChild<QPushButton*>(button)->click();
  }
  PersonEntries male = form->entries(Person::Male);
  male.day = 7, male.month = 11, male.year = 2021, male.hour = 1, male.minute = 30;
  form->setEntries(Person::Male, male);

  const struct {
    std::optional<int> answer;
    std::optional<double> utHour;  // none: the analysis stopped
  } rows[] = {{0, 5.5}, {1, 6.5}, {std::nullopt, std::nullopt}};
  for (const auto& row : rows) {
    director.calls.clear();
    director.state.male.Ut.reset();
    QList<ReadingQuestion> asked;
    const ScopedReadingChoiceFunction choice([&](QWidget*, const ReadingQuestion& question) {
      asked << question;
      return row.answer;
    });
    form->cmdCalculate_Click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].answers, (QStringList{"UTC-04:00 (summer time)", "UTC-05:00"}));
    EXPECT_TRUE(messages.isEmpty());  // cancelling is no fault
    EXPECT_EQ(director.calls, row.utHour ? QStringList{"showResultsWindow"} : QStringList{});
    if (row.utHour) {
      EXPECT_EQ(director.state.male.Ut, (UniversalMoment{2021, 11, 7, *row.utHour}));
    }
  }

  male.day = 14, male.month = 3, male.hour = 2;
  form->setEntries(Person::Male, male);
  director.calls.clear();
  form->cmdCalculate_Click();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("The male birth time 02:30 does not exist in America/New_York on 2021-03-14"));
  EXPECT_EQ(QApplication::focusWidget(), list("cboMHH"));
  EXPECT_TRUE(director.calls.isEmpty());

  // The way out the message names: a record kept in standard time takes a fixed offset.
  const ScopedZonePickFunction pick(Picks("UTC-05:00"));
  form->findChild<QPushButton*>("cmdMZone")->click();
  form->cmdCalculate_Click();
  EXPECT_EQ(director.calls, QStringList{"showResultsWindow"});
  EXPECT_EQ(director.state.male.Ut, (UniversalMoment{2021, 3, 14, 7.5}));
}

// Every visible control inside `parent` keeps clear of its siblings.
QStringList Overlaps(QWidget* parent) {
  QStringList found;
  QList<QWidget*> visible;
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isVisible()) visible << child;
  for (int i = 0; i < visible.size(); ++i) {
    for (int j = i + 1; j < visible.size(); ++j)
      if (visible[i]->geometry().intersects(visible[j]->geometry()))
        found << visible[i]->objectName() + "/" + visible[j]->objectName();
    found << Overlaps(visible[i]);
  }
  return found;
}

TEST_F(MatchForm, TheZoneRowsShowOnlyWithTheOptionAndOverlapNothing) {
  const QSize off = form->centralWidget()->size();
  EXPECT_EQ(off, QSize(581, 380));
  EXPECT_EQ(Overlaps(form->centralWidget()), QStringList{});
  utOption()->click();
  for (const char* name : {"lblMZone", "lblFZone", "cmdMZone", "cmdFZone"})
    EXPECT_TRUE(form->findChild<QWidget*>(name)->isVisible()) << name;
  EXPECT_EQ(form->centralWidget()->size(), QSize(Twips(8715), Twips(5700 + 510)));
  EXPECT_EQ(form->findChild<QWidget*>("Frame5")->y(), Twips(4980 + 510));
  EXPECT_EQ(Overlaps(form->centralWidget()), QStringList{});
  utOption()->click();
  EXPECT_EQ(form->centralWidget()->size(), off);
  EXPECT_FALSE(form->findChild<QWidget*>("cmdMZone")->isVisible());
  EXPECT_FALSE(director.state.convertToUt);
}

}  // namespace
}  // namespace kelvra
