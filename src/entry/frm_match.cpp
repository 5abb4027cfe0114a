// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/frm_match.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "charts/angles.h"
#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "cosmodynes/harmony.h"
#include "entry/filtered_line_edit.h"
#include "entry/month_name.h"
#include "entry/result_boxes.h"
#include "lookup/lookup_rules.h"
#include "shell/chart_boxes.h"
#include "shell/entry_state.h"
#include "shell/link_label.h"
#include "shell/message.h"
#include "shell/product.h"
#include "shell/shutdown.h"
#include "shell/twips.h"
#include "shell/web_links.h"
#include "shell/window_director.h"

namespace kelvra {

namespace {

// Captions of labels show a doubled ampersand as one, as buttons do.
QString LabelCaption(const char* caption) { return QString::fromUtf8(caption).replace("&&", "&"); }

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void Place(QWidget* widget, int x, int y, int w, int h) { widget->setGeometry(x, y, w, h); }

QLabel* Caption(QWidget* parent, const char* name, const char* text, int x, int y, int w, int h = 20) {
  auto* label = Named(new QLabel(LabelCaption(text), parent), name);
  Place(label, x, y, w, h);
  return label;
}

// Chart-table rows in chart-point order: point caption, male and female label.
struct ChartRow {
  const char* caption;
  const char* maleLabel;
  const char* femaleLabel;
};

constexpr ChartRow kChartRows[kChartPointCount] = {
    {"Sun", "Label18", "Label49"},     {"Mercury", "Label19", "Label48"}, {"Venus", "Label20", "Label47"},
    {"Mars", "Label21", "Label46"},    {"Jupiter", "Label22", "Label45"}, {"Saturn", "Label23", "Label44"},
    {"Uranus", "Label24", "Label43"},  {"Neptune", "Label25", "Label42"}, {"Pluto", "Label26", "Label41"},
    {"Moon", "Label27", "Label40"},    {"N. Node", "Label28", "Label39"}, {"S. Node", "Label29", "Label38"},
    {"P_of_F", "Label30", "Label37"},  {"Asc", "Label31", "Label36"},     {"MC", "Label32", "Label35"},
    {"Chiron", "Label33", "Label34"},
};

struct ResultBox {
  const char* name;
  std::string ResultBoxTexts::*text;
};

constexpr ResultBox kResultBoxes[] = {
    {"txtPower", &ResultBoxTexts::power},
    {"txtHarmony", &ResultBoxTexts::harmony},
    {"txtPH", &ResultBoxTexts::ph},
    {"txtPHPercentage", &ResultBoxTexts::percentage},
    {"txtComment", &ResultBoxTexts::comment},
};

// Captions of one entry group; the male and female controls differ only in
// the letter after the prefix.
struct GroupLabels {
  const char* name;
  const char* birthday;
  const char* time;
  const char* hms;
  const char* latitude;
  const char* latDegMin;
  const char* longitude;
  const char* longDegMin;
  const char* city;
  const char* state;
  const char* country;
  const char* latFrame;
  const char* longFrame;
  const char* lookup;
};

constexpr GroupLabels kMaleLabels = {"Label2",  "Label3",  "Label4",  "Label16", "Label5",  "Label50", "Label6",
                                     "Label13", "Label54", "Label55", "Label14", "Frame3",  "Frame4",  "Command1"};
constexpr GroupLabels kFemaleLabels = {"Label8",  "Label9",  "Label10", "Label17", "Label11", "Label51", "Label12",
                                       "Label53", "Label57", "Label56", "Label15", "Frame6",  "Frame7",  "Command2"};

}  // namespace

frmMatch::frmMatch(WindowDirector& director, QWidget* parent) : QMainWindow(parent), director_(director) {
  setObjectName(QStringLiteral("frmMatch"));
  setWindowTitle(ProductCaption());
  setAttribute(Qt::WA_DeleteOnClose);
  createControls();
  createMenus();
  setTabOrder();
  Form_Load();
  text("txtMName")->setFocus();
}

void frmMatch::createControls() {
  auto* central = Named(new QWidget(this), "centralWidget");
  central->setFixedSize(Twips(8715), Twips(5700));
  central->setFont(QFont(QStringLiteral("Verdana"), 8));
  const QFont small(QStringLiteral("Verdana"), 7);
  setCentralWidget(central);

  // The banner keeps its leading blanks; right-aligned in a label that ends
  // past the middle, the word itself sits centred.
  auto* banner = Named(new QLabel(QString(109, QChar(' ')) + QStringLiteral("Kelvra"), central), "Label1");
  QFont bannerFont(QStringLiteral("Verdana"), 18, QFont::Bold);
  banner->setFont(bannerFont);
  banner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  banner->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));
  const int wordWidth = QFontMetrics(bannerFont).horizontalAdvance(QStringLiteral("Kelvra"));
  Place(banner, 0, 0, (central->width() + wordWidth) / 2, 34);

  auto* forum = Named(
      new LinkLabel(QStringLiteral("Talk about your results in the Kelvra forum at ") + SiteHost(), central),
      "Label61");
  forum->setAlignment(Qt::AlignCenter);
  Place(forum, 0, 34, central->width(), 14);
  connect(forum, &LinkLabel::clicked, this, &frmMatch::Label61_Click);

  for (bool male : {true, false}) {
    const GroupLabels& labels = male ? kMaleLabels : kFemaleLabels;
    const char* letter = male ? "M" : "F";
    auto name = [letter](const char* prefix, const char* suffix) {
      return QString::fromLatin1(prefix) + letter + QString::fromLatin1(suffix);
    };
    auto* group = Named(new QGroupBox(male ? QStringLiteral("Male") : QStringLiteral("Female"), central),
                        male ? "Frame1" : "Frame2");
    Place(group, male ? 4 : 293, 50, 284, 240);

    // Screen readers announce each entry by its group and label ("Male Name").
    const QString person = male ? QStringLiteral("Male ") : QStringLiteral("Female ");
    auto lineEdit = [&](const char* suffix, const char* spoken, KeyRule rule, int x, int y, int w) {
      auto* edit = new FilteredLineEdit(rule, group);
      edit->setObjectName(name("txt", suffix));
      edit->setAccessibleName(person + QString::fromLatin1(spoken));
      if (rule == KeyRule::Numbers) edit->setMaxLength(3);
      Place(edit, x, y, w, 20);
      return edit;
    };
    auto comboBox = [&](const char* suffix, const char* spoken, int x, int y, int w) {
      auto* combo = new QComboBox(group);  // not editable: an item can only be picked
      combo->setObjectName(name("cbo", suffix));
      combo->setAccessibleName(person + QString::fromLatin1(spoken));
      Place(combo, x, y, w, 20);
      return combo;
    };
    auto directions = [&](const char* frameName, const char* coordinate, const char* first, const char* firstText,
                          const char* second, const char* secondText, int y) {
      // A frame of its own makes each pair an independent option group.
      auto* frame = Named(new QFrame(group), frameName);
      frame->setFrameShape(QFrame::NoFrame);
      frame->setFont(small);
      Place(frame, 188, y - 2, 94, 24);
      auto* a = new QRadioButton(QString::fromLatin1(firstText), frame);
      a->setObjectName(name("opt", first));
      a->setAccessibleName(person + coordinate + ' ' + firstText);
      Place(a, 0, 2, 47, 20);
      auto* b = new QRadioButton(QString::fromLatin1(secondText), frame);
      b->setObjectName(name("opt", second));
      b->setAccessibleName(person + coordinate + ' ' + secondText);
      Place(b, 47, 2, 47, 20);
    };

    Caption(group, labels.name, "Name:", 6, 18, 82);
    lineEdit("Name", "Name", KeyRule::Letters, 88, 18, 190);

    Caption(group, labels.birthday, "Birthday:", 6, 42, 82);
    comboBox("Date", "Birthday Day", 88, 42, 42);
    comboBox("Month", "Birthday Month", 132, 42, 86);
    comboBox("Year", "Birthday Year", 220, 42, 58);

    Caption(group, labels.time, "Time Of Birth:", 6, 66, 82);
    comboBox("HH", "Time Of Birth Hours", 88, 66, 42);
    comboBox("MM", "Time Of Birth Minutes", 132, 66, 42);
    comboBox("SS", "Time Of Birth Seconds", 176, 66, 42);
    Caption(group, labels.hms, "HH/MM/SS", 222, 66, 56)->setFont(small);

    Caption(group, labels.latitude, "Latitude:", 6, 90, 82);
    lineEdit("LD", "Latitude Degrees", KeyRule::Numbers, 88, 90, 28);
    lineEdit("LM", "Latitude Minutes", KeyRule::Numbers, 118, 90, 28);
    Caption(group, labels.latDegMin, "DEG/MIN", 148, 90, 40)->setFont(small);
    directions(labels.latFrame, "Latitude", "North", "North", "South", "South", 90);

    Caption(group, labels.longitude, "Longitude:", 6, 114, 82);
    lineEdit("LoD", "Longitude Degrees", KeyRule::Numbers, 88, 114, 28);
    lineEdit("LoM", "Longitude Minutes", KeyRule::Numbers, 118, 114, 28);
    Caption(group, labels.longDegMin, "DEG/MIN", 148, 114, 40)->setFont(small);
    directions(labels.longFrame, "Longitude", "East", "East", "West", "West", 114);

    Caption(group, labels.city, "City:", 6, 138, 82);
    lineEdit("City", "City", KeyRule::Letters, 88, 138, 190);
    Caption(group, labels.state, "State:", 6, 162, 82);
    lineEdit("State", "State", KeyRule::Letters, 88, 162, 190);
    Caption(group, labels.country, "Country:", 6, 186, 82);
    lineEdit("Country", "Country", KeyRule::Letters, 88, 186, 190);

    auto* lookup = Named(new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), group),
                         labels.lookup);
    lookup->setAccessibleName(QStringLiteral("Find ") + person + QStringLiteral("Latitude and Longitude"));
    Place(lookup, 6, 212, 272, 22);
    connect(lookup, &QPushButton::clicked, this, male ? &frmMatch::Command1_Click : &frmMatch::Command2_Click);
  }

  auto* instruction =
      Caption(central, "Label7",
              "Enter the city, state and country, click the button above, then find the latitude and longitude "
              "in the web search results.",
              4, 291, 573, 16);
  instruction->setFont(small);
  instruction->setAlignment(Qt::AlignCenter);
  instruction->setToolTip(
      QStringLiteral("To Find Latitude / Logitude Enter your City, State and Country and click Find Lat - Long"));

  auto* calculate = Named(new QPushButton(QStringLiteral("Analyze Compatibility"), central), "cmdCalculate");
  Place(calculate, 215, 307, 150, 24);
  connect(calculate, &QPushButton::clicked, this, &frmMatch::cmdCalculate_Click);

  auto* cobrand = Named(new QGroupBox(QStringLiteral("Co-Brand Options"), central), "Frame5");
  Place(cobrand, 4, 332, 573, 48);
  auto* pitch = Caption(cobrand,
                        "Label60",
                        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
                        "your site's name &&  link here.",
                        6, 15, 258, 31);
  pitch->setWordWrap(true);
  pitch->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pitch->setFont(small);
  auto* moreInfo = Named(new LinkLabel(QStringLiteral("Click Here for more info on Co-branding."), cobrand), "Label59");
  moreInfo->setFont(small);
  Place(moreInfo, 268, 17, 190, 12);
  connect(moreInfo, &LinkLabel::clicked, this, &frmMatch::Label59_Click);
  Caption(cobrand, "Label58", "Software made by", 268, 31, 84, 12)->setFont(small);
  auto* maker = Named(new LinkLabel(SiteHost(), cobrand), "Label52");
  maker->setFont(small);
  Place(maker, 352, 31, 108, 12);
  connect(maker, &LinkLabel::clicked, this, &frmMatch::Label52_Click);
  auto* donate = Named(new QPushButton(QStringLiteral("Donate"), cobrand), "Command3");
  Place(donate, 462, 17, 54, 24);
  connect(donate, &QPushButton::clicked, this, &frmMatch::Command3_Click);
  auto* exit = Named(new QPushButton(QStringLiteral("Exit"), cobrand), "cmdNav");
  exit->setProperty("index", 1);  // the one element of the cmdNav array
  Place(exit, 519, 17, 50, 24);
  connect(exit, &QPushButton::clicked, this, &frmMatch::cmdNav_Click);

  // The chart table and the result boxes: filled by the analysis and read by
  // the report, never shown and never focused. They sit in a window of their
  // own that is never shown, which also keeps them out of the form's
  // accessibility tree.
  auto* hidden = Named(new QWidget(this, Qt::Window), "chartTable");
  hidden->setGeometry(0, 0, central->width(), 400);
  int row = 0;
  for (const auto& chartRow : kChartRows) {
    for (bool male : {true, false}) {
      Caption(hidden, male ? chartRow.maleLabel : chartRow.femaleLabel, chartRow.caption, male ? 0 : 290, row * 22, 60);
      const ChartBoxPair& boxes = kChartBoxes[static_cast<std::size_t>(row)];
      auto* box = Named(new QLineEdit(hidden), male ? boxes.male : boxes.female);
      Place(box, male ? 62 : 352, row * 22, 80, 20);
    }
    ++row;
  }
  const ResultBoxTexts initial = InitialResultBoxTexts();
  for (const auto& result : kResultBoxes) {
    auto* box = Named(new QLineEdit(QString::fromStdString(initial.*result.text), hidden), result.name);
    Place(box, 0, row++ * 22, 100, 20);
  }
  for (auto* widget : hidden->findChildren<QWidget*>()) widget->setFocusPolicy(Qt::NoFocus);
}

void frmMatch::createMenus() {
  QMenuBar* bar = menuBar();
  auto action = [this](QMenu* menu, const char* text, const char* name, auto slot) {
    QAction* a = menu->addAction(QString::fromLatin1(text));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

  QMenu* file = Named(bar->addMenu(QStringLiteral("&File")), "mnuFile");
  action(file, "&Analyze Compatibility", "mnuCalculate", &frmMatch::mnuCalculate_Click);
  separator(file, "mnuFileSep");
  action(file, "&Exit", "mnuExit", &frmMatch::mnuExit_Click);

  QMenu* help = Named(bar->addMenu(QStringLiteral("&Help")), "mnuHelp");
  action(help, "&Online Help", "mnuOnline", &frmMatch::mnuOnline_Click);
  action(help, "&Visit Us Online", "mnuVisit", &frmMatch::mnuVisit_Click);
  separator(help, "mnuHelpSep1");
  action(help, "Check for Software &Update", "mnuUpdate", &frmMatch::mnuUpdate_Click);
  separator(help, "mnuHelpSep2");
  action(help, "&About Software", "mnuAbout", &frmMatch::mnuAbout_Click);

  // A menu-bar command without items.
  QAction* donate = bar->addAction(QStringLiteral("Donate"));
  donate->setObjectName(QStringLiteral("mnuDonate"));
  connect(donate, &QAction::triggered, this, &frmMatch::mnuDonate_Click);

  layout()->setSizeConstraint(QLayout::SetFixedSize);  // the user cannot resize the form
}

void frmMatch::setTabOrder() {
  QStringList order;
  for (const char* person : {"M", "F"}) {
    for (const char* name : {"txt%1Name", "cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "cbo%1SS",
                             "txt%1LD", "txt%1LM", "txt%1LoD", "txt%1LoM", "txt%1City", "txt%1State",
                             "txt%1Country"}) {
      order << QString::fromLatin1(name).arg(QLatin1String(person));
    }
  }
  order << "cmdCalculate" << "Command3" << "cmdNav";
  for (const char* person : {"M", "F"}) {
    for (const char* name : {"opt%1North", "opt%1South", "opt%1East", "opt%1West"}) {
      order << QString::fromLatin1(name).arg(QLatin1String(person));
    }
  }
  order << "Command1" << "Command2";
  QWidget* previous = nullptr;
  for (const QString& name : order) {
    auto* widget = findChild<QWidget*>(name);
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void frmMatch::Form_Load() {
  auto fill = [this](const char* male, const char* female, int from, int to) {
    for (int value = from; value <= to; ++value) {
      list(male)->addItem(QString::number(value));
      list(female)->addItem(QString::number(value));
    }
  };
  fill("cboMDate", "cboFDate", 1, 31);
  for (int month = 1; month <= 12; ++month) {
    list("cboMMonth")->addItem(MonthName(month));
    list("cboFMonth")->addItem(MonthName(month));
  }
  fill("cboMYear", "cboFYear", 1900, 2050);
  fill("cboMHH", "cboFHH", 0, 24);
  fill("cboMMM", "cboFMM", 0, 59);
  fill("cboMSS", "cboFSS", 0, 59);
  for (const char* name : {"cboMDate", "cboMMonth", "cboMYear", "cboFDate", "cboFMonth", "cboFYear", "cboMHH",
                           "cboMMM", "cboMSS", "cboFHH", "cboFMM", "cboFSS"}) {
    list(name)->setCurrentIndex(0);
  }
  director_.ephemeris().SetEphePath(kEphemerisDataPath);
}

PersonEntries frmMatch::Entries(bool male) const {
  const QString p = male ? QStringLiteral("M") : QStringLiteral("F");
  PersonEntries entries;
  entries.name = text("txt" + p + "Name")->text();
  entries.latDeg = text("txt" + p + "LD")->text();
  entries.latMin = text("txt" + p + "LM")->text();
  entries.longDeg = text("txt" + p + "LoD")->text();
  entries.longMin = text("txt" + p + "LoM")->text();
  entries.city = text("txt" + p + "City")->text();
  entries.state = text("txt" + p + "State")->text();
  entries.country = text("txt" + p + "Country")->text();
  entries.north = option("opt" + p + "North")->isChecked();
  entries.south = option("opt" + p + "South")->isChecked();
  entries.east = option("opt" + p + "East")->isChecked();
  entries.west = option("opt" + p + "West")->isChecked();
  return entries;
}

PersonTexts frmMatch::Texts(bool male) const {
  const QString p = male ? QStringLiteral("M") : QStringLiteral("F");
  PersonTexts texts;
  texts.name = text("txt" + p + "Name")->text();
  texts.day = list("cbo" + p + "Date")->currentText();
  texts.monthIndex = list("cbo" + p + "Month")->currentIndex();
  texts.year = list("cbo" + p + "Year")->currentText();
  texts.hour = list("cbo" + p + "HH")->currentText();
  texts.minute = list("cbo" + p + "MM")->currentText();
  texts.second = list("cbo" + p + "SS")->currentText();
  texts.latDeg = text("txt" + p + "LD")->text();
  texts.latMin = text("txt" + p + "LM")->text();
  texts.longDeg = text("txt" + p + "LoD")->text();
  texts.longMin = text("txt" + p + "LoM")->text();
  texts.south = option("opt" + p + "South")->isChecked();
  texts.west = option("opt" + p + "West")->isChecked();
  texts.city = text("txt" + p + "City")->text();
  texts.state = text("txt" + p + "State")->text();
  texts.country = text("txt" + p + "Country")->text();
  return texts;
}

bool frmMatch::ValidateEntries() {
  const auto failure = FirstFailingCheck(Entries(true), Entries(false));
  if (!failure) return true;
  ShowMessage(this, failure->message);
  if (failure->selectsOption) {
    option(failure->control)->setChecked(true);
  } else {
    text(failure->control)->setFocus();
  }
  return false;
}

bool frmMatch::CalcNatalData() {
  EntryState& state = director_.entryState();
  for (bool male : {true, false}) {
    auto read = ReadBirthData(Texts(male));
    if (const auto* error = std::get_if<EntryError>(&read)) {
      ShowMessage(this, error->message);
      const QString name = (error->control == "Date" || error->control == "Year" || error->control == "HH" ||
                            error->control == "MM" || error->control == "SS")
                               ? QStringLiteral("cbo")
                               : QStringLiteral("txt");
      if (auto* widget = findChild<QWidget*>(name + (male ? "M" : "F") + error->control)) widget->setFocus();
      return false;
    }
    (male ? state.male : state.female) = std::get<BirthData>(std::move(read));
  }
  // Each chart is built whole before it is published.
  NatalChart maleChart = CalcChart(state.male, director_.ephemeris());
  state.maleChart = maleChart;
  NatalChart femaleChart = CalcChart(state.female, director_.ephemeris());
  state.femaleChart = femaleChart;
  return true;
}

bool frmMatch::UpdateDisplayData() {
  if (!CalcNatalData()) return false;
  const EntryState& state = director_.entryState();
  for (bool male : {true, false}) {
    const NatalChart& chart = male ? state.maleChart : state.femaleChart;
    for (std::size_t i = 0; i < kAllChartPoints.size(); ++i) {
      text(male ? kChartBoxes[i].male : kChartBoxes[i].female)
          ->setText(PrintSignData(chart.Longitude[kAllChartPoints[i]]));
    }
  }
  update();
  return true;
}

void frmMatch::CalcDualCosmodynes() {
  EntryState& state = director_.entryState();
  const CosmodyneTotals totals = ComputeCosmodyneTotals(state.maleChart, state.femaleChart, director_.harmonyMemory());
  const Verdict verdict = DecideVerdict(totals.powerTotal, totals.harmonyTotal);
  state.result = verdict.result;
  const ResultBoxTexts boxes = ResultBoxTextsOf(verdict);
  for (const auto& result : kResultBoxes) text(result.name)->setText(QString::fromStdString(boxes.*result.text));
}

QString frmMatch::PrintSignData(double longitude) { return QString::fromStdString(kelvra::PrintSignData(longitude)); }

double frmMatch::Degrees(double radians) { return kelvra::Degrees(radians); }

void frmMatch::cmdCalculate_Click() {
  if (!ValidateEntries()) return;
  if (!UpdateDisplayData()) return;
  CalcDualCosmodynes();
  director_.ShowResultsWindow();
}

void frmMatch::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMatch::Command1_Click() { LookupRequest(true); }
void frmMatch::Command2_Click() { LookupRequest(false); }

void frmMatch::LookupRequest(bool male) {
  const QString p = male ? QStringLiteral("M") : QStringLiteral("F");
  const PlaceCheck check =
      CheckPlaceEntries(text("txt" + p + "City")->text(), text("txt" + p + "State")->text(),
                        text("txt" + p + "Country")->text());
  if (check.missing != PlaceEntry::None) {
    ShowMessage(this, check.message);
    text(PlaceEntryName(male, check.missing))->setFocus();
    return;
  }
  director_.entryState().bMaleSearch = male;
  // Every request gets a fresh browser that reads the entries as they are now.
  director_.CloseLookupBrowser();
  director_.ShowLookupBrowser();
}

void frmMatch::Command3_Click() { OpenDonatePage(); }
void frmMatch::cmdNav_Click() { ShutDownProgram(); }
void frmMatch::mnuExit_Click() { ShutDownProgram(); }
void frmMatch::mnuOnline_Click() { OpenOnlineHelp(); }
void frmMatch::mnuVisit_Click() { OpenHomePage(); }
void frmMatch::mnuUpdate_Click() { OpenUpdatePage(); }
void frmMatch::mnuDonate_Click() { OpenDonatePage(); }
void frmMatch::mnuAbout_Click() { director_.ShowAbout(this); }
void frmMatch::Label52_Click() { OpenHomePage(); }
void frmMatch::Label59_Click() { OpenCoBrandPage(); }
void frmMatch::Label61_Click() { OpenHomePage(); }

void frmMatch::closeEvent(QCloseEvent* event) {
  director_.CloseLookupBrowser();
  event->accept();
}

QLineEdit* frmMatch::text(const QString& name) const { return findChild<QLineEdit*>(name); }
QComboBox* frmMatch::list(const QString& name) const { return findChild<QComboBox*>(name); }
QRadioButton* frmMatch::option(const QString& name) const { return findChild<QRadioButton*>(name); }

}  // namespace kelvra
