// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/frm_match.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>
#include <vector>

#include "charts/angles.h"
#include "charts/swiss_ephemeris.h"
#include "charts/zodiac.h"
#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "cosmodynes/analysis.h"
#include "entry/atlas_search.h"
#include "entry/birth_entries.h"
#include "entry/birth_place.h"
#include "entry/birth_zone.h"
#include "entry/entry_dialogs.h"
#include "entry/filtered_line_edit.h"
#include "entry/frm_atlas.h"
#include "entry/named_list.h"
#include "entry/result_boxes.h"
#include "entry/ut_reading.h"
#include "entry/validation.h"
#include "shell/command.h"
#include "shell/link_label.h"
#include "shell/message.h"
#include "birthtime/month_name.h"
#include "shell/product.h"
#include "shell/shutdown.h"
#include "shell/twips.h"
#include "shell/web_links.h"
#include "shell/words.h"
#include "vocabulary/birth_time_words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {

namespace {

// The lists' first values; an item's value is its position plus these.
constexpr int kFirstDay = 1;
constexpr int kFirstMonth = 1;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;
constexpr int kLastHour = 24;  // 24 is offered: the next day's 0 hours

// Form geometry in twips. The zone rows show only with the UT option, under
// the analysis command, so the option's check box stays where it was clicked
// and only the co-branding frame and the form's bottom move down.
constexpr int kFormWidth = 8715;
constexpr int kFormHeight = 5700;
constexpr int kFrame5Top = 4980;
constexpr int kZoneRowsTop = 5040;
constexpr int kZoneRowsHeight = 510;

// Captions of labels show a doubled ampersand as one, as buttons do.
QString LabelCaption(const Template& caption) {
  return Text(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

/// Places a widget at left, top, width and height in twips.
void Place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

QLabel* Caption(QWidget* parent, const char* name, const Template& text, int left, int top, int width,
                int height = 300) {
  auto* label = Named(new QLabel(LabelCaption(text), parent), name);
  Place(label, left, top, width, height);
  return label;
}

// Chart-table rows in chart-point order: the labels and the boxes of each
// person. The male Neptune box really is txtMNeptunes.
struct ChartRow {
  const char* maleLabel;
  const char* femaleLabel;
  const char* maleBox;
  const char* femaleBox;
};

constexpr ChartRow kChartRows[kChartPointCount] = {
    {"Label18", "Label49", "txtMSun", "txtFSun"},
    {"Label19", "Label48", "txtMMercury", "txtFMercury"},
    {"Label20", "Label47", "txtMVenus", "txtFVenus"},
    {"Label21", "Label46", "txtMMars", "txtFMars"},
    {"Label22", "Label45", "txtMJupiter", "txtFJupiter"},
    {"Label23", "Label44", "txtMSaturn", "txtFSaturn"},
    {"Label24", "Label43", "txtMUranus", "txtFUranus"},
    {"Label25", "Label42", "txtMNeptunes", "txtFNeptune"},
    {"Label26", "Label41", "txtMPluto", "txtFPluto"},
    {"Label27", "Label40", "txtMMoon", "txtFMoon"},
    {"Label28", "Label39", "txtMN", "txtFN"},
    {"Label29", "Label38", "txtMS", "txtFS"},
    {"Label30", "Label37", "txtMP", "txtFP"},
    {"Label31", "Label36", "txtMAsc", "txtFAsc"},
    {"Label32", "Label35", "txtMMC", "txtFMC"},
    {"Label33", "Label34", "txtMC", "txtFC"},
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

// A checked option in an exclusive set refuses to be unchecked, so lift the
// exclusivity for the moment of unchecking.
void Unselect(QAbstractButton& option) {
  QButtonGroup* group = option.group();
  const bool groupExclusive = group && group->exclusive();
  const bool autoExclusive = option.autoExclusive();
  if (groupExclusive) group->setExclusive(false);
  option.setAutoExclusive(false);
  option.setChecked(false);
  option.setAutoExclusive(autoExclusive);
  if (groupExclusive) group->setExclusive(true);
}

// One direction pair as given: the first option wins if both are asked for.
void SetPair(QRadioButton& first, QRadioButton& second, bool firstChosen, bool secondChosen) {
  if (firstChosen) {
    first.setChecked(true);
  } else if (secondChosen) {
    second.setChecked(true);
  } else {
    Unselect(first);
    Unselect(second);
  }
}

// The list's item for `value` when its items run from `first` upwards.
void Pick(QComboBox& list, int value, int first) {
  const int index = value - first;
  if (index >= 0 && index < list.count()) list.setCurrentIndex(index);
}

// Both persons' lists get the same items, each list in one go: adding items
// one by one costs a model notification and a size recalculation apiece.
void Fill(QComboBox& male, QComboBox& female, const QStringList& items) {
  male.addItems(items);
  female.addItems(items);
}

void Fill(QComboBox& male, QComboBox& female, int from, int to) {
  QStringList items;
  items.reserve(to - from + 1);
  for (int value = from; value <= to; ++value) items << QString::number(value);
  Fill(male, female, items);
}

}  // namespace

frmMatch::frmMatch(WindowDirector& director, QWidget* parent) : QMainWindow(parent), director_(director) {
  setObjectName(QStringLiteral("frmMatch"));
  setWindowTitle(ProductCaption());
  setAttribute(Qt::WA_DeleteOnClose);
  InstallNamedListAccessibility();  // before the lists are made
  createControls();
  createMenus();
  createTabOrder();
  Form_Load();
  controls(Person::Male).txtName->setFocus();
}

void frmMatch::createControls() {
  auto* central = Named(new QWidget(this), "centralWidget");
  central->setFixedSize(Twips(kFormWidth), Twips(kFormHeight));
  central->setFont(QFont(QStringLiteral("Verdana"), 8));
  const QFont small(QStringLiteral("Verdana"), 7);
  setCentralWidget(central);

  // The banner keeps its leading blanks; right-aligned in a label that ends
  // past the middle, the word itself sits centred.
  const QString programName = Text(words::kProgramName);
  auto* banner = Named(new QLabel(QString(109, QChar(' ')) + programName, central), "Label1");
  QFont bannerFont(QStringLiteral("Verdana"), 18, QFont::Bold);
  banner->setFont(bannerFont);
  banner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  banner->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));
  const int wordWidth = QFontMetrics(bannerFont).horizontalAdvance(programName);
  Place(banner, 0, 0, (PixelsToTwips(central->width()) + PixelsToTwips(wordWidth)) / 2, 510);

  auto* forum = Named(new LinkLabel(Text(words::kForumLink, {SiteHost().toStdString()}), central), "Label61");
  forum->setAlignment(Qt::AlignCenter);
  Place(forum, 0, 510, 8715, 210);
  ConnectCommand(forum, &LinkLabel::clicked, this, words::kVisitCommand, &frmMatch::Label61_Click);

  createPersonGroup(Person::Male, central);
  createPersonGroup(Person::Female, central);

  auto* instruction = Caption(central, "Label7", words::kLookupInstruction, 60, 4365, 8595, 240);
  instruction->setFont(small);
  instruction->setAlignment(Qt::AlignCenter);
  instruction->setToolTip(Text(words::kLookupInstructionTip));

  cmdCalculate_ = Named(new QPushButton(Text(words::kAnalyzeButton), central), "cmdCalculate");
  Place(cmdCalculate_, 3225, 4605, 2250, 360);
  ConnectCommand(cmdCalculate_, &QPushButton::clicked, this, words::kAnalyzeCommand,
                 &frmMatch::cmdCalculate_Click);

  // Beside the command it changes; its right edge is the female frame's.
  chkTrueUt_ = Named(new QCheckBox(Text(words::kConvertToUtOption), central), "chkTrueUt");
  Place(chkTrueUt_, 5595, 4635, 3060, 300);
  chkTrueUt_->setToolTip(Text(words::kConvertToUtTip));
  ConnectCommand(chkTrueUt_, &QCheckBox::clicked, this, words::kConvertToUtCommand,
                 &frmMatch::chkTrueUt_Click);
  createZoneRow(Person::Male, central);
  createZoneRow(Person::Female, central);

  auto* cobrand = Named(new QGroupBox(Text(words::kCoBrandFrame), central), "Frame5");
  Frame5_ = cobrand;
  Place(cobrand, 60, kFrame5Top, 8595, 720);
  // The frame's top border runs below its title, about 270 twips down, so
  // its contents start clear of that.
  auto* pitch = Caption(cobrand, "Label60", words::kCoBrandPitch, 90, 315, 3870, 390);
  pitch->setWordWrap(true);
  pitch->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pitch->setFont(small);
  auto* moreInfo = Named(new LinkLabel(Text(words::kCoBrandLink), cobrand), "Label59");
  moreInfo->setFont(small);
  Place(moreInfo, 4020, 300, 2850, 180);
  ConnectCommand(moreInfo, &LinkLabel::clicked, this, words::kCoBrandCommand, &frmMatch::Label59_Click);
  Caption(cobrand, "Label58", words::kMadeBy, 4020, 480, 1260, 180)->setFont(small);
  auto* maker = Named(new LinkLabel(SiteHost(), cobrand), "Label52");
  maker->setFont(small);
  Place(maker, 5280, 480, 1620, 180);
  ConnectCommand(maker, &LinkLabel::clicked, this, words::kVisitCommand, &frmMatch::Label52_Click);
  Command3_ = Named(new QPushButton(Text(words::kDonateButton), cobrand), "Command3");
  Place(Command3_, 6930, 315, 810, 360);
  ConnectCommand(Command3_, &QPushButton::clicked, this, words::kDonateCommand, &frmMatch::Command3_Click);
  cmdNav_ = Named(new QPushButton(Text(words::kExitButton), cobrand), "cmdNav");
  cmdNav_->setProperty("index", 1);  // the one element of the cmdNav array
  Place(cmdNav_, 7785, 315, 750, 360);
  ConnectCommand(cmdNav_, &QPushButton::clicked, this, words::kExitCommand, &frmMatch::cmdNav_Click);
}

void frmMatch::createPersonGroup(Person person, QWidget* central) {
  const bool male = person == Person::Male;
  const GroupLabels& labels = male ? kMaleLabels : kFemaleLabels;
  const QString letter = male ? QStringLiteral("M") : QStringLiteral("F");
  auto name = [&letter](const char* prefix, const char* suffix) {
    return QString::fromLatin1(prefix) + letter + QString::fromLatin1(suffix);
  };
  PersonControls& c = controls(person);
  const words::PersonWords& personWords = male ? words::kMan : words::kWoman;
  // Screen readers announce each entry by its group and label ("Male Name").
  const std::string whose = Tr(personWords.caption);
  auto* group = Named(new QGroupBox(QString::fromStdString(whose), central), male ? "Frame1" : "Frame2");
  Place(group, male ? 60 : 4395, 750, 4260, 3600);
  const QFont small(QStringLiteral("Verdana"), 7);

  auto lineEdit = [&](const char* suffix, const Template& spoken, KeyRule rule, int left, int top, int width) {
    auto* edit = Named(new FilteredLineEdit(rule, group), name("txt", suffix));
    edit->setAccessibleName(Text(spoken, {whose}));
    if (rule == KeyRule::Numbers) edit->setMaxLength(3);
    Place(edit, left, top, width, 300);
    return edit;
  };
  auto comboBox = [&](const char* suffix, const Template& spoken, int left, int top, int width) {
    // Not editable: an item can only be picked.
    auto* combo = Named(new NamedList(group), name("cbo", suffix));
    combo->setAccessibleName(Text(spoken, {whose}));
    Place(combo, left, top, width, 300);
    return combo;
  };
  // One option of a direction pair: its name's suffix, its caption, what a
  // screen reader calls it, and its width.
  struct Direction {
    const char* suffix;
    const Template& caption;
    const Template& spoken;
    int width;
  };
  // A frame of its own makes each pair an independent option group.
  auto directions = [&](const char* frameName, const Direction& first, const Direction& second, int top) {
    auto* frame = Named(new QFrame(group), frameName);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setFont(small);
    // The pair starts 45 twips clear of the DEG/MIN caption. To keep both
    // words inside the person's frame, each circle sits closer to its own
    // word than to the word before it.
    frame->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
    Place(frame, 2865, top - 30, 1365, 360);
    std::pair<QRadioButton*, QRadioButton*> pair;
    int left = 0;
    for (auto [option, direction] : {std::pair{&pair.first, &first}, std::pair{&pair.second, &second}}) {
      *option = Named(new QRadioButton(Text(direction->caption), frame), name("opt", direction->suffix));
      (*option)->setAccessibleName(Text(direction->spoken, {whose}));
      (*option)->setFont(small);  // a style sheet stops the frame's font from reaching it
      Place(*option, left, 30, direction->width, 300);
      left += direction->width;
    }
    return pair;
  };

  Caption(group, labels.name, words::kNameCaption, 90, 270, 1230);
  c.txtName = lineEdit("Name", words::kSpokenName, KeyRule::Letters, 1320, 270, 2850);

  Caption(group, labels.birthday, words::kBirthdayCaption, 90, 630, 1230);
  c.cboDate = comboBox("Date", words::kSpokenBirthdayDay, 1320, 630, 630);
  c.cboMonth = comboBox("Month", words::kSpokenBirthdayMonth, 1980, 630, 1290);
  c.cboYear = comboBox("Year", words::kSpokenBirthdayYear, 3300, 630, 870);

  Caption(group, labels.time, words::kTimeOfBirthCaption, 90, 990, 1230);
  c.cboHH = comboBox("HH", words::kSpokenBirthHours, 1320, 990, 630);
  c.cboMM = comboBox("MM", words::kSpokenBirthMinutes, 1980, 990, 630);
  c.cboSS = comboBox("SS", words::kSpokenBirthSeconds, 2640, 990, 630);
  Caption(group, labels.hms, words::kTimeUnitsCaption, 3330, 990, 840)->setFont(small);

  Caption(group, labels.latitude, words::kLatitudeCaption, 90, 1350, 1230);
  c.txtLD = lineEdit("LD", words::kSpokenLatDegrees, KeyRule::Numbers, 1320, 1350, 420);
  c.txtLM = lineEdit("LM", words::kSpokenLatMinutes, KeyRule::Numbers, 1770, 1350, 420);
  Caption(group, labels.latDegMin, words::kDegMinCaption, 2220, 1350, 600)->setFont(small);
  std::tie(c.optNorth, c.optSouth) =
      directions(labels.latFrame, {"North", words::kNorthOption, words::kSpokenNorth, 690},
                 {"South", words::kSouthOption, words::kSpokenSouth, 675}, 1350);

  Caption(group, labels.longitude, words::kLongitudeCaption, 90, 1710, 1230);
  c.txtLoD = lineEdit("LoD", words::kSpokenLongDegrees, KeyRule::Numbers, 1320, 1710, 420);
  c.txtLoM = lineEdit("LoM", words::kSpokenLongMinutes, KeyRule::Numbers, 1770, 1710, 420);
  Caption(group, labels.longDegMin, words::kDegMinCaption, 2220, 1710, 600)->setFont(small);
  std::tie(c.optEast, c.optWest) =
      directions(labels.longFrame, {"East", words::kEastOption, words::kSpokenEast, 690},
                 {"West", words::kWestOption, words::kSpokenWest, 675}, 1710);

  Caption(group, labels.city, words::kCityCaption, 90, 2070, 1230);
  // The city ends where the month and seconds lists end; the atlas button
  // takes the year list's column.
  c.txtCity = lineEdit("City", words::kSpokenCity, KeyRule::Letters, 1320, 2070, 1950);
  c.atlas = Named(new QPushButton(Text(words::kAtlasButton), group), name("cmd", "Atlas"));
  const std::string atlasCommand = Tr(words::kFindBirthplaceCommand, {whose});
  c.atlas->setAccessibleName(QString::fromStdString(atlasCommand));
  c.atlas->setToolTip(Text(words::kAtlasButtonTip));
  Place(c.atlas, 3300, 2070, 870, 300);
  ConnectCommand(c.atlas, &QPushButton::clicked, this, atlasCommand.c_str(),
                 male ? &frmMatch::cmdMAtlas_Click : &frmMatch::cmdFAtlas_Click);
  Caption(group, labels.state, words::kStateCaption, 90, 2430, 1230);
  c.txtState = lineEdit("State", words::kSpokenState, KeyRule::Letters, 1320, 2430, 2850);
  Caption(group, labels.country, words::kCountryCaption, 90, 2790, 1230);
  c.txtCountry = lineEdit("Country", words::kSpokenCountry, KeyRule::Letters, 1320, 2790, 2850);

  c.lookup = Named(new QPushButton(Text(words::kLookupButton), group), labels.lookup);
  const std::string command = Tr(words::kFindCoordinatesCommand, {whose});
  c.lookup->setAccessibleName(QString::fromStdString(command));
  Place(c.lookup, 90, 3180, 4080, 330);
  ConnectCommand(c.lookup, &QPushButton::clicked, this, command.c_str(),
                 male ? &frmMatch::Command1_Click : &frmMatch::Command2_Click);

  // Typing in the place or the coordinates, or choosing a direction, makes
  // them the user's own: a zone taken from an atlas place no longer fits.
  for (QLineEdit* edit : {c.txtLD, c.txtLM, c.txtLoD, c.txtLoM, c.txtCity, c.txtState, c.txtCountry})
    connect(edit, &QLineEdit::textEdited, this, [this, person] { handlePlaceEdited(person); });
  for (QRadioButton* option : {c.optNorth, c.optSouth, c.optEast, c.optWest})
    connect(option, &QRadioButton::clicked, this, [this, person] { handlePlaceEdited(person); });
}

void frmMatch::createZoneRow(Person person, QWidget* central) {
  const bool male = person == Person::Male;
  PersonControls& c = controls(person);
  const int frameLeft = male ? 60 : 4395;  // the person's frame above
  const std::string whose = Tr((male ? words::kMan : words::kWoman).caption);
  c.zoneNote = Named(new QLabel(central), male ? "lblMZone" : "lblFZone");
  c.zoneNote->setFont(QFont(QStringLiteral("Verdana"), 7));
  c.zoneNote->setTextFormat(Qt::PlainText);
  c.zoneNote->setAccessibleName(Text(words::kSpokenTimeZone, {whose}));
  Place(c.zoneNote, frameLeft + 90, kZoneRowsTop, 3180, 360);
  c.zonePick = Named(new QPushButton(Text(words::kZoneButton), central), male ? "cmdMZone" : "cmdFZone");
  const std::string command = Tr(words::kPickZoneCommand, {whose});
  c.zonePick->setAccessibleName(QString::fromStdString(command));
  // Under the atlas button, in its column.
  Place(c.zonePick, frameLeft + 3300, kZoneRowsTop + 30, 870, 300);
  ConnectCommand(c.zonePick, &QPushButton::clicked, this, command.c_str(),
                 male ? &frmMatch::cmdMZone_Click : &frmMatch::cmdFZone_Click);
  c.zoneNote->hide();
  c.zonePick->hide();
}

void frmMatch::layOutZoneRows() {
  const bool on = director_.entryState().convertToUt;
  for (Person person : {Person::Male, Person::Female}) {
    controls(person).zoneNote->setVisible(on);
    controls(person).zonePick->setVisible(on);
  }
  const int grow = on ? kZoneRowsHeight : 0;
  Frame5_->move(Frame5_->x(), Twips(kFrame5Top + grow));
  centralWidget()->setFixedSize(Twips(kFormWidth), Twips(kFormHeight + grow));
}

void frmMatch::createChartTable() {
  // The chart table and the result boxes: filled by the analysis and read by
  // the report, never shown and never focused. They sit in a window of their
  // own that is never shown, which also keeps them out of the form's
  // accessibility tree. Nothing needs them before the first analysis, so
  // they are made then rather than with the form.
  if (chartTable_) return;
  auto* hidden = Named(new QWidget(this, Qt::Window), "chartTable");
  chartTable_ = hidden;
  hidden->setGeometry(QRect(0, 0, centralWidget()->width(), Twips(6000)));
  int row = 0;
  for (const ChartRow& chartRow : kChartRows) {
    for (Person person : {Person::Male, Person::Female}) {
      const bool male = person == Person::Male;
      Caption(hidden, male ? chartRow.maleLabel : chartRow.femaleLabel,
              ChartTableCaption(kAllChartPoints[static_cast<std::size_t>(row)]), male ? 0 : 4350, row * 330, 900);
      auto* box = Named(new QLineEdit(hidden), male ? chartRow.maleBox : chartRow.femaleBox);
      box->setFocusPolicy(Qt::NoFocus);
      Place(box, male ? 930 : 5280, row * 330, 1200, 300);
      chartBoxes_[male ? 0 : 1][static_cast<std::size_t>(row)] = box;
    }
    ++row;
  }
  const ResultBoxTexts initial = InitialResultBoxTexts();
  const std::pair<QLineEdit**, const std::string*> results[] = {
      {&txtPower_, &initial.power}, {&txtHarmony_, &initial.harmony}, {&txtPH_, &initial.ph},
      {&txtPHPercentage_, &initial.percentage}, {&txtComment_, &initial.comment}};
  const char* const names[] = {"txtPower", "txtHarmony", "txtPH", "txtPHPercentage", "txtComment"};
  for (std::size_t i = 0; i < std::size(results); ++i) {
    auto* box = Named(new QLineEdit(QString::fromStdString(*results[i].second), hidden), names[i]);
    box->setFocusPolicy(Qt::NoFocus);
    Place(box, 0, row++ * 330, 1500, 300);
    *results[i].first = box;
  }
}

void frmMatch::createMenus() {
  QMenuBar* bar = menuBar();
  auto action = [this](QMenu* menu, const Template& text, const char* name, const std::string& command, auto slot) {
    QAction* a = Named(menu->addAction(Text(text)), name);
    ConnectCommand(a, &QAction::triggered, this, command.c_str(), slot);
  };
  auto separator = [](QMenu* menu, const char* name) { Named(menu->addSeparator(), name); };

  QMenu* file = Named(bar->addMenu(Text(words::kFileMenu)), "mnuFile");
  action(file, words::kAnalyzeItem, "mnuCalculate", Tr(words::kAnalyzeCommand), &frmMatch::mnuCalculate_Click);
  separator(file, "mnuAtlasSep");
  action(file, words::kFindMaleBirthplaceItem, "mnuMAtlas",
         Tr(words::kFindBirthplaceCommand, {Tr(words::kMan.caption)}), &frmMatch::cmdMAtlas_Click);
  action(file, words::kFindFemaleBirthplaceItem, "mnuFAtlas",
         Tr(words::kFindBirthplaceCommand, {Tr(words::kWoman.caption)}), &frmMatch::cmdFAtlas_Click);
  separator(file, "mnuFileSep");
  action(file, words::kExitItem, "mnuExit", Tr(words::kExitCommand), &frmMatch::mnuExit_Click);

  QMenu* help = Named(bar->addMenu(Text(words::kHelpMenu)), "mnuHelp");
  action(help, words::kOnlineHelpItem, "mnuOnline", Tr(words::kOnlineHelpCommand), &frmMatch::mnuOnline_Click);
  action(help, words::kVisitItem, "mnuVisit", Tr(words::kVisitCommand), &frmMatch::mnuVisit_Click);
  separator(help, "mnuHelpSep1");
  action(help, words::kUpdateItem, "mnuUpdate", Tr(words::kUpdateCommand), &frmMatch::mnuUpdate_Click);
  separator(help, "mnuHelpSep2");
  action(help, words::kAboutItem, "mnuAbout", Tr(words::kAboutCommand), &frmMatch::mnuAbout_Click);

  // A menu-bar command without items.
  QAction* donate = Named(bar->addAction(Text(words::kDonateButton)), "mnuDonate");
  ConnectCommand(donate, &QAction::triggered, this, words::kDonateCommand, &frmMatch::mnuDonate_Click);

  layout()->setSizeConstraint(QLayout::SetFixedSize);  // the user cannot resize the form
}

void frmMatch::createTabOrder() {
  std::vector<QWidget*> order;
  for (Person person : {Person::Male, Person::Female}) {
    const PersonControls& c = controls(person);
    order.insert(order.end(), {c.txtName, c.cboDate, c.cboMonth, c.cboYear, c.cboHH, c.cboMM, c.cboSS, c.txtLD,
                               c.txtLM, c.txtLoD, c.txtLoM, c.txtCity, c.txtState, c.txtCountry, c.atlas});
  }
  order.insert(order.end(), {cmdCalculate_, Command3_, cmdNav_});
  for (Person person : {Person::Male, Person::Female}) {
    const PersonControls& c = controls(person);
    order.insert(order.end(), {c.optNorth, c.optSouth, c.optEast, c.optWest});
  }
  order.insert(order.end(), {controls(Person::Male).lookup, controls(Person::Female).lookup, chkTrueUt_,
                             controls(Person::Male).zonePick, controls(Person::Female).zonePick});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMatch::Form_Load() {
  PersonControls& m = controls(Person::Male);
  PersonControls& f = controls(Person::Female);
  Fill(*m.cboDate, *f.cboDate, kFirstDay, 31);
  QStringList months;
  for (int month = kFirstMonth; month <= 12; ++month) months << MonthName(month);
  Fill(*m.cboMonth, *f.cboMonth, months);
  Fill(*m.cboYear, *f.cboYear, kFirstYear, kLastYear);
  Fill(*m.cboHH, *f.cboHH, 0, kLastHour);
  Fill(*m.cboMM, *f.cboMM, 0, 59);
  Fill(*m.cboSS, *f.cboSS, 0, 59);
  for (QComboBox* list : {m.cboDate, m.cboMonth, m.cboYear, f.cboDate, f.cboMonth, f.cboYear, m.cboHH, m.cboMM,
                          m.cboSS, f.cboHH, f.cboMM, f.cboSS}) {
    list->setCurrentIndex(0);
  }
  director_.ephemeris().SetEphePath(kEphemerisDataPath);

  // A new form's places are empty, so no zone of an earlier place is kept;
  // the option is the program's and stays as the user left it.
  EntryState& state = director_.entryState();
  state.zones = {};
  chkTrueUt_->setChecked(state.convertToUt);
  layOutZoneRows();
  for (Person person : {Person::Male, Person::Female}) refreshZone(person);
}

PersonEntries frmMatch::entries(Person person) const {
  const PersonControls& c = controls(person);
  PersonEntries e;
  e.name = c.txtName->text();
  e.day = kFirstDay + c.cboDate->currentIndex();
  e.month = kFirstMonth + c.cboMonth->currentIndex();
  e.year = kFirstYear + c.cboYear->currentIndex();
  e.hour = c.cboHH->currentIndex();
  e.minute = c.cboMM->currentIndex();
  e.second = c.cboSS->currentIndex();
  e.latDeg = c.txtLD->text();
  e.latMin = c.txtLM->text();
  e.longDeg = c.txtLoD->text();
  e.longMin = c.txtLoM->text();
  e.north = c.optNorth->isChecked();
  e.south = c.optSouth->isChecked();
  e.east = c.optEast->isChecked();
  e.west = c.optWest->isChecked();
  e.city = c.txtCity->text();
  e.state = c.txtState->text();
  e.country = c.txtCountry->text();
  return e;
}

void frmMatch::setEntries(Person person, const PersonEntries& values) {
  PersonControls& c = controls(person);
  const bool placeChanged = PlaceDiffers(entries(person), values);
  c.txtName->setText(values.name);
  Pick(*c.cboDate, values.day, kFirstDay);
  Pick(*c.cboMonth, values.month, kFirstMonth);
  Pick(*c.cboYear, values.year, kFirstYear);
  Pick(*c.cboHH, values.hour, 0);
  Pick(*c.cboMM, values.minute, 0);
  Pick(*c.cboSS, values.second, 0);
  c.txtLD->setText(values.latDeg);
  c.txtLM->setText(values.latMin);
  c.txtLoD->setText(values.longDeg);
  c.txtLoM->setText(values.longMin);
  SetPair(*c.optNorth, *c.optSouth, values.north, values.south);
  SetPair(*c.optEast, *c.optWest, values.east, values.west);
  c.txtCity->setText(values.city);
  c.txtState->setText(values.state);
  c.txtCountry->setText(values.country);
  if (placeChanged) handlePlaceEdited(person);
}

ChartTexts frmMatch::chartTexts(Person person) const {
  ChartTexts texts;
  if (!chartTable_) return texts;  // the boxes as they would be made: empty
  const auto& boxes = chartBoxes_[person == Person::Male ? 0 : 1];
  for (std::size_t i = 0; i < boxes.size(); ++i) texts[i] = boxes[i]->text().toStdString();
  return texts;
}

ResultBoxTexts frmMatch::resultTexts() const {
  if (!chartTable_) return InitialResultBoxTexts();
  return {txtPower_->text().toStdString(), txtHarmony_->text().toStdString(), txtPH_->text().toStdString(),
          txtPHPercentage_->text().toStdString(), txtComment_->text().toStdString()};
}

void frmMatch::setResultTexts(const ResultBoxTexts& texts) {
  createChartTable();
  txtPower_->setText(QString::fromStdString(texts.power));
  txtHarmony_->setText(QString::fromStdString(texts.harmony));
  txtPH_->setText(QString::fromStdString(texts.ph));
  txtPHPercentage_->setText(QString::fromStdString(texts.percentage));
  txtComment_->setText(QString::fromStdString(texts.comment));
}

void frmMatch::emptyEntries() {
  for (Person person : {Person::Male, Person::Female}) {
    PersonControls& c = controls(person);
    c.txtName->clear();
    for (QComboBox* list : {c.cboDate, c.cboMonth, c.cboYear, c.cboHH, c.cboMM, c.cboSS}) list->setCurrentIndex(0);
    for (QLineEdit* box : {c.txtLD, c.txtLM, c.txtLoD, c.txtLoM, c.txtCity, c.txtState, c.txtCountry}) box->clear();
    for (QRadioButton* option : {c.optEast, c.optWest, c.optNorth, c.optSouth}) Unselect(*option);
  }
  director_.entryState().zones = {};
  for (Person person : {Person::Male, Person::Female}) refreshZone(person);
}

void frmMatch::focusEntry(Person person, EntryField field) {
  activateWindow();
  control(person, field)->setFocus(Qt::OtherFocusReason);
}

QWidget* frmMatch::control(Person person, EntryField field) const {
  const PersonControls& c = controls(person);
  switch (field) {
    case EntryField::Name: return c.txtName;
    case EntryField::Day: return c.cboDate;
    case EntryField::Month: return c.cboMonth;
    case EntryField::Year: return c.cboYear;
    case EntryField::Hour: return c.cboHH;
    case EntryField::Minute: return c.cboMM;
    case EntryField::Second: return c.cboSS;
    case EntryField::LatDeg: return c.txtLD;
    case EntryField::LatMin: return c.txtLM;
    case EntryField::LongDeg: return c.txtLoD;
    case EntryField::LongMin: return c.txtLoM;
    case EntryField::City: return c.txtCity;
    case EntryField::State: return c.txtState;
    case EntryField::Country: return c.txtCountry;
    case EntryField::North: return c.optNorth;
    case EntryField::South: return c.optSouth;
    case EntryField::East: return c.optEast;
    case EntryField::West: return c.optWest;
  }
  return c.txtName;
}

bool frmMatch::ValidateEntries() {
  const auto failure = FirstFailingCheck(entries(Person::Male), entries(Person::Female));
  if (!failure) return true;
  ShowMessage(this, failure->message);
  const Person person = failure->check <= 10 ? Person::Male : Person::Female;
  QWidget* target = control(person, failure->field);
  if (auto* option = qobject_cast<QRadioButton*>(target)) {
    option->setChecked(true);  // a missing direction is chosen for the user; the focus stays
  } else {
    target->setFocus();
  }
  return false;
}

bool frmMatch::CalcNatalData() {
  EntryState& state = director_.entryState();
  std::array<BirthData, 2> births;
  std::array<std::optional<ConvertedBirthTime>, 2> converted;
  for (Person person : {Person::Male, Person::Female}) {
    const std::size_t index = person == Person::Male ? 0 : 1;
    auto read = ReadBirthData(entries(person));
    if (const auto* error = std::get_if<EntryError>(&read)) {
      ShowMessage(this, error->message);
      control(person, error->field)->setFocus();
      return false;
    }
    births[index] = std::get<BirthData>(std::move(read));
    if (state.convertToUt && !convertBirthTime(person, births[index], converted[index])) return false;
  }
  // Published only once both persons are read, so a stopped analysis leaves
  // the last one's records whole.
  state.male = std::move(births[0]);
  state.female = std::move(births[1]);
  state.birthTimes = converted;
  state.charts = ChartCouple(state.male, state.female, director_.ephemeris());
  return true;
}

std::optional<BirthZone> frmMatch::zoneForAnalysis(Person person) {
  std::optional<BirthZone>& zone = director_.entryState().zone(person);
  if (WantsSuggestion(zone)) {
    // The suggestion may not be in yet when the user is quick; the analysis
    // waits for the atlas rather than go on without a zone.
    const auto point = TypedCoordinates(entries(person));
    zone = point ? ZoneOfNearestPlace(AtlasIndexNow().Nearest(point->latitude, point->longitude)) : std::nullopt;
    refreshZone(person);
  }
  return zone;
}

bool frmMatch::convertBirthTime(Person person, BirthData& birth, std::optional<ConvertedBirthTime>& converted) {
  const std::optional<BirthZone> zone = zoneForAnalysis(person);
  if (!zone) {
    ShowMessage(this, MissingZoneMessage(person));
    controls(person).zonePick->setFocus();
    return false;
  }
  const LocalBirthTime local = LocalBirthTimeOf(birth);
  const UtConversion conversion = ConvertToUt(local, zone->id, GeographicLongitude(birth));
  const UtReading reading = DecideUtReading(person, local, zone->id, conversion);
  std::size_t chosen = reading.candidate;
  switch (reading.step) {
    case UtReading::Step::Use: break;
    case UtReading::Step::Ask: {
      const std::optional<int> answer = AskWhichReading(this, reading.question);
      if (!answer || *answer < 0 || static_cast<std::size_t>(*answer) >= conversion.candidates.size()) return false;
      chosen = static_cast<std::size_t>(*answer);
      break;
    }
    case UtReading::Step::Stop:
      ShowMessage(this, reading.message);
      // An unknown zone is mended by picking another one.
      (conversion.outcome == UtConversion::Outcome::UnknownZone ? controls(person).zonePick
                                                                : control(person, reading.field))
          ->setFocus();
      return false;
  }
  const UtCandidate& candidate = conversion.candidates.at(chosen);
  birth.Ut = UniversalMomentOf(candidate.ut);
  converted = ConvertedBirthTime{zone->id, local, candidate};
  return true;
}

bool frmMatch::UpdateDisplayData() {
  if (!CalcNatalData()) return false;
  const CoupleCharts& charts = director_.entryState().charts;
  createChartTable();
  for (Person person : {Person::Male, Person::Female}) {
    const ChartTexts texts = ChartTextsOf(person == Person::Male ? charts.male : charts.female);
    const auto& boxes = chartBoxes_[person == Person::Male ? 0 : 1];
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setText(QString::fromStdString(texts[i]));
  }
  return true;
}

void frmMatch::CalcDualCosmodynes() {
  EntryState& state = director_.entryState();
  state.startGain = director_.harmonyMemory().lastHarmonyGain;
  const CoupleScore score = ScoreCouple(state.charts, director_.harmonyMemory());
  state.result = score.verdict.result;
  setResultTexts(ResultBoxTextsOf(score.verdict));
}

QString frmMatch::PrintSignData(double longitude) { return QString::fromStdString(kelvra::PrintSignData(longitude)); }

double frmMatch::Degrees(double radians) { return kelvra::Degrees(radians); }

void frmMatch::cmdCalculate_Click() {
  if (!ValidateEntries()) return;
  if (!UpdateDisplayData()) return;
  CalcDualCosmodynes();
  director_.showResultsWindow();
}

void frmMatch::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMatch::Command1_Click() { requestLookup(Person::Male); }
void frmMatch::Command2_Click() { requestLookup(Person::Female); }

void frmMatch::requestLookup(Person person) {
  const PersonControls& c = controls(person);
  if (const auto gap = CheckPlaceEntries(c.txtCity->text(), c.txtState->text(), c.txtCountry->text())) {
    ShowMessage(this, gap->message);
    control(person, gap->field)->setFocus();
    return;
  }
  director_.entryState().bMaleSearch = person == Person::Male;
  // Every request gets a fresh browser that reads the entries as they are now.
  director_.closeLookupBrowser();
  director_.showLookupBrowser();
}

void frmMatch::cmdMAtlas_Click() { openAtlas(Person::Male); }
void frmMatch::cmdFAtlas_Click() { openAtlas(Person::Female); }

void frmMatch::openAtlas(Person person) {
  auto* atlas = new frmAtlas(person, controls(person).txtCity->text(), this);
  atlas->setAttribute(Qt::WA_DeleteOnClose);
  connect(atlas, &frmAtlas::placeChosen, this,
          [this, person](const AtlasPlace& place) { useAtlasPlace(person, place); });
  atlas->open();  // modal to the form, without blocking the analysis' callers
}

void frmMatch::useAtlasPlace(Person person, const AtlasPlace& place) {
  setEntries(person, WithAtlasPlace(entries(person), place));
  director_.entryState().zone(person) = ZoneOfAtlasPlace(place);
  refreshZone(person);
}

void frmMatch::cmdMZone_Click() { pickZone(Person::Male); }
void frmMatch::cmdFZone_Click() { pickZone(Person::Female); }

void frmMatch::pickZone(Person person) {
  QList<QByteArray> atlasZones;
  for (const std::string& zone : AtlasIndexNow().TimeZones()) atlasZones << QByteArray::fromStdString(zone);
  std::optional<BirthZone>& zone = director_.entryState().zone(person);
  const ZoneQuestion question{person, PickerZones(ZoneIdsForPicker(atlasZones)), zone ? zone->id : QByteArray(),
                              EnteredBirthTime(entries(person))};
  const std::optional<QByteArray> picked = PickZone(this, question);
  if (!picked) return;
  zone = ZonePickedByHand(*picked);
  refreshZone(person);
}

void frmMatch::chkTrueUt_Click() {
  director_.entryState().convertToUt = chkTrueUt_->isChecked();
  layOutZoneRows();
  for (Person person : {Person::Male, Person::Female}) refreshZone(person);
}

void frmMatch::handlePlaceEdited(Person person) {
  std::optional<BirthZone>& zone = director_.entryState().zone(person);
  zone = ZoneAfterPlaceEdit(zone);
  refreshZone(person);
}

void frmMatch::refreshZone(Person person) {
  const EntryState& state = director_.entryState();
  std::optional<BirthZone>& zone = director_.entryState().zone(person);
  bool searching = false;
  // Without the option nothing reads the atlas: it stays unloaded.
  if (state.convertToUt && WantsSuggestion(zone)) {
    if (const AtlasService* index = AtlasIndexIfReady()) {
      const auto point = TypedCoordinates(entries(person));
      zone = point ? ZoneOfNearestPlace(index->Nearest(point->latitude, point->longitude)) : std::nullopt;
    } else {
      searching = true;
      WhenAtlasIndexReady(this, [this, person] { refreshZone(person); });
    }
  }
  QLabel* note = controls(person).zoneNote;
  const QFontMetrics metrics(note->font());
  const int room = note->contentsRect().width();
  const QString text =
      ZoneNote(zone, searching, [&](const QString& line) { return metrics.horizontalAdvance(line) <= room; });
  note->setText(text);
  // A shortened place is still there in full for whoever points at it.
  const QString full = ZoneNote(zone, searching);
  note->setToolTip(text == full ? QString() : full);
}

void frmMatch::Command3_Click() { OpenDonatePage(); }
void frmMatch::cmdNav_Click() { ShutDownProgram(); }
void frmMatch::mnuExit_Click() { ShutDownProgram(); }
void frmMatch::mnuOnline_Click() { OpenOnlineHelp(); }
void frmMatch::mnuVisit_Click() { OpenHomePage(); }
void frmMatch::mnuUpdate_Click() { OpenUpdatePage(); }
void frmMatch::mnuDonate_Click() { OpenDonatePage(); }
void frmMatch::mnuAbout_Click() { director_.showAbout(this); }
void frmMatch::Label52_Click() { OpenHomePage(); }
void frmMatch::Label59_Click() { OpenCoBrandPage(); }
void frmMatch::Label61_Click() { OpenHomePage(); }

void frmMatch::closeEvent(QCloseEvent* event) {
  director_.closeLookupBrowser();
  event->accept();
}

}  // namespace kelvra
