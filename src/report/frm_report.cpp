// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_report.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "contracts/entry_form.h"
#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "report/birth_time_row.h"
#include "birthtime/month_name.h"
#include "shell/product.h"
#include "shell/twips.h"
#include "shell/web_links.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/report_words.h"

namespace kelvra {

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kFrameLine(128, 128, 128);

// The chart rows' report fields in chart-point order, for each person; the
// captions are the vocabulary's.
struct ChartRow {
  const char* maleField;
  const char* femaleField;
};
constexpr ChartRow kChartRows[kChartPointCount] = {
    {"mSun", "fSun"},   {"mMercury", "fMercury"}, {"mVenus", "fVenus"},     {"mMars", "fMars"},
    {"mJupiter", "FJupiter"}, {"mSaturn", "fSaturn"}, {"mUranus", "fUranus"}, {"mNeptune", "fNeptune"},
    {"mPluto", "fPluto"}, {"mMoon", "fMoon"},     {"mNN", "fNN"},           {"mSN", "fSN"},
    {"mPF", "fPF"},     {"mA", "fA"},             {"mMC", "fMC"},           {"mC", "fC"},
};

constexpr const Template* kIdentityCaptions[] = {&words::kReportName, &words::kReportDateOfBirth, &words::kReportCity,
                                                 &words::kReportState, &words::kReportCountry};
constexpr const char* kMaleIdentityFields[] = {"mName", "mDOB", "mCity", "mState", "Mcountry"};
constexpr const char* kFemaleIdentityFields[] = {"fName", "fDOB", "fCity", "fState", "fCountry"};
constexpr int kIdentityRowTops[] = {240, 525, 810, 1095, 1380};
constexpr int kBirthTimeRowTop = 1665;  // the sixth row, one row pitch under Country

// The page's layout in twips; the birth time rows push everything under the
// persons' frames down by one row.
constexpr int kPageWidth = 11325;
constexpr int kPageHeight = frmReport::PageHeight(false);
constexpr int kIdentityFrameHeight = 1725;
constexpr int kScrollBarWidth = 315;
struct TwipsBox {
  int left, top, width, height;
  QRect moved(int down) const { return TwipsRect(left, top + down, width, height); }
};
constexpr TwipsBox kFrame3Box{525, 2550, 10275, 4365};
constexpr TwipsBox kFrame5Box{510, 7005, 10275, 3255};
constexpr TwipsBox kCreditBox{5805, 10260, 4335, 270};

constexpr const Template* kFigureCaptions[] = {&words::kReportPower, &words::kReportHarmony,
                                               &words::kReportPowerTimesHarmony, &words::kReportPercentage,
                                               &words::kReportComment};
constexpr const char* kFigureFields[] = {"Power", "Harmony", "PH", "Percentage", "Comment"};
constexpr int kFigureLefts[] = {1290, 2805, 4320, 5835, 7350};


}  // namespace

// A captioned group: white inside, a thin border, the caption in magenta
// breaking the top line. Its own class, so that it is announced as a group
// (see ReportGroupAccessible) where a plain widget would be an unnamed pane.
class ReportFrame : public QWidget {
  Q_OBJECT

 public:
  ReportFrame(QWidget* parent, const char* name, const QString& caption, const QFont& captionFont,
              const QRect& geometry)
      : QWidget(parent), caption_(caption), captionFont_(captionFont) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    // The caption is painted: the group's name tells a screen reader whose
    // data follows.
    setAccessibleName(QString(caption).remove(QLatin1Char(':')));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(captionFont_);
    const QFontMetrics metrics(captionFont_);
    const int lineY = metrics.height() / 2;
    painter.setPen(kFrameLine);
    painter.drawRect(QRect(0, lineY, width() - 1, height() - lineY - 1));
    const QRect captionRect(Twips(120), 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(captionRect, Qt::white);
    painter.setPen(kMagenta);
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
  }

 private:
  QString caption_;
  QFont captionFont_;
};

namespace {

// Qt's own factory, asked first, answers for every plain widget; asked for
// this class by name, ours comes first.
QAccessibleInterface* ReportGroupAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(ReportFrame::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
}

QLabel* AddLabel(QWidget* parent, const QString& text, const QFont& font, const QRect& geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);  // typed names show as typed, never as markup
  label->setFont(font);
  label->setAlignment(alignment);
  label->setGeometry(geometry);
  return label;
}

void SetColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// A chart cell: a white box with a single-line border.
void MakeCell(QLabel* cell) {
  cell->setFrameShape(QFrame::Box);
  cell->setFrameShadow(QFrame::Plain);
  cell->setLineWidth(1);
  cell->setIndent(Twips(45));
  cell->setAutoFillBackground(true);
}

// Fixed captions are sized for Verdana; a wider substitute face gets a
// slightly smaller size rather than a clipped word, and one size for all the
// captions of a table, never one caption smaller than its neighbours.
QFont FittingFont(QFont font, const QStringList& texts, int room) {
  const auto fits = [&] {
    // Hinted at this screen's pixels and unhinted as at twice as many, or in
    // a PDF: whichever is wider must fit.
    QFont unhinted = font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF hintedMetrics(font), unhintedMetrics(unhinted);
    return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
      return std::max(hintedMetrics.horizontalAdvance(text), unhintedMetrics.horizontalAdvance(text)) <= room;
    });
  };
  while (font.pointSizeF() > 6 && !fits()) font.setPointSizeF(font.pointSizeF() - 0.25);
  return font;
}

// The room a label gives its text: a letter may reach left of its advance
// ("J"), so the indent is kept on both sides.
int TextRoom(const QLabel& label) { return label.contentsRect().width() - 2 * qMax(0, label.indent()); }

// The report's faces: Verdana's sizes; no ligatures, so that a PDF's text
// extracts as the letters typed ("Springfield", not "Spring\uFB01eld").
QFont PageFont(double pointSize, bool bold = false) {
  QFont font = VerdanaFont(pointSize, bold);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// The identity captions' face, "Birth time:" included, whether shown or not.
QFont IdentityCaptionFont() {
  QStringList texts{Text(words::kReportBirthTime)};
  for (const Template* caption : kIdentityCaptions) texts << Text(*caption);
  return FittingFont(PageFont(9.75, true), texts, Twips(1485));
}

// The chart tables' captions share one face: their cells are alike.
QFont ChartCaptionFont() {
  QLabel cell;
  cell.setGeometry(TwipsRect(0, 0, 855, 285));
  MakeCell(&cell);
  QStringList texts;
  for (const ChartPoint point : kAllChartPoints) texts << Text(words::ReportRowCaption(point));
  return FittingFont(PageFont(9.75), texts, TextRoom(cell));
}

ReportPerson ReportPersonOf(const PersonEntries& entries) {
  return {entries.name.toStdString(),       MonthName(entries.month).toStdString(), std::to_string(entries.day),
          std::to_string(entries.year),     entries.city.toStdString(),             entries.state.toStdString(),
          entries.country.toStdString()};
}

}  // namespace

CompatibilityReport ReadCompatibilityReport(const EntryForm* entryForm, const CompatibilityResult& result) {
  if (!entryForm) return MakeCompatibilityReport({}, {}, {}, {}, result);
  return MakeCompatibilityReport(ReportPersonOf(entryForm->entries(Person::Male)),
                                 ReportPersonOf(entryForm->entries(Person::Female)),
                                 entryForm->chartTexts(Person::Male), entryForm->chartTexts(Person::Female), result);
}

frmReport::frmReport(QWidget* parent) : QWidget(parent) {
  static const bool groupsAnnounced = (QAccessible::installFactory(ReportGroupAccessible), true);
  Q_UNUSED(groupsAnnounced);
  setObjectName(QStringLiteral("frmReport"));
  setWindowTitle(ProductCaption());
  setFixedSize(Twips(kPageWidth), Twips(kPageHeight));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setAutoFillBackground(true);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setGeometry(TwipsRect(1020, 60, 570, 570));
  picture->setPixmap(ProductPicture(Twips(570)));

  QLabel* title = AddLabel(this, Text(words::kProgramName), PageFont(18, true), TwipsRect(1650, 120, 8550, 435),
                           Qt::AlignCenter);
  title->setObjectName(QStringLiteral("Label1"));
  SetColour(title, kMagenta);

  identityFrames_[0] =
      addIdentity("Frame1", words::kReportMale, TwipsRect(525, 720, 5085, kIdentityFrameHeight), 120, 1650, true);
  identityFrames_[1] =
      addIdentity("Frame2", words::kReportFemale, TwipsRect(5715, 720, 5085, kIdentityFrameHeight), 150, 1680, false);

  auto* frame3 = new ReportFrame(this, "Frame3", Text(words::kReportCompatibility), PageFont(12, true),
                                 kFrame3Box.moved(0));
  frame3_ = frame3;
  const struct {
    const char* name;
    const Template& text;
    QRect geometry;
  } explanations[] = {
      {"Label15", words::kReportIntroduction, TwipsRect(180, 270, 9915, 465)},
      {"Label16", words::kReportPowerOfPlanets, TwipsRect(180, 825, 9915, 465)},
      {"Label17", words::kReportPowerAndHarmony, TwipsRect(180, 1380, 9915, 795)},
      {"Label19", words::kReportPercentageLevel, TwipsRect(180, 2265, 9915, 765)},
  };
  for (const auto& explanation : explanations) {
    QLabel* label = AddLabel(frame3, Text(explanation.text), PageFont(8.25), explanation.geometry,
                             Qt::AlignLeft | Qt::AlignTop);
    label->setObjectName(QString::fromLatin1(explanation.name));
    label->setWordWrap(true);
  }
  auto* frame4 = frame4_ =
      new ReportFrame(frame3, "Frame4", Text(words::kReportCompatibilityReport), PageFont(9.75, true),
                      TwipsRect(180, 3120, 9915, 1155));
  for (int column = 0; column < 5; ++column) {
    SetColour(AddLabel(frame4, Text(*kFigureCaptions[column]), PageFont(9.75, true),
                       TwipsRect(kFigureLefts[column], 390, 1245, 255), Qt::AlignCenter),
              kMagenta);
    SetColour(addField(frame4, kFigureFields[column], PageFont(9.75), TwipsRect(kFigureLefts[column], 720, 1245, 255),
                       Qt::AlignCenter),
              kMagenta);
  }

  auto* frame5 = new ReportFrame(this, "Frame5", Text(words::kReportNatalPositions), PageFont(12, true),
                                 kFrame5Box.moved(0));
  frame5_ = frame5;
  addChart(frame5, "Frame6", words::kReportMale, TwipsRect(300, 300, 4725, 2865), true);
  addChart(frame5, "Frame7", words::kReportFemale, TwipsRect(5280, 300, 4725, 2865), false);

  QFont creditFont = PageFont(11.25, true);
  creditFont.setUnderline(true);
  credit_ = AddLabel(this, Text(words::kReportCompiledBy, {SiteHost().toStdString()}), creditFont, kCreditBox.moved(0));
  credit_->setObjectName(QStringLiteral("Label21"));

  // The page never scrolls itself, the results window does.
  auto* scrollBar = new QScrollBar(Qt::Vertical, this);
  scrollBar_ = scrollBar;
  scrollBar->setObjectName(QStringLiteral("VScroll1"));
  scrollBar->setGeometry(TwipsRect(kPageWidth - kScrollBarWidth, 0, kScrollBarWidth, kPageHeight));
  scrollBar->setRange(0, 0);
  scrollBar->setFocusPolicy(Qt::NoFocus);
  // Kept for its place in the page's width, which the results window centres,
  // but neither shown nor printed: it never scrolls anything.
  scrollBar->hide();
}

int frmReport::compatibilityReportBottom() const { return frame4_->mapTo(this, QPoint(0, frame4_->height())).y(); }

QWidget* frmReport::addIdentity(const char* frameName, const Template& caption, const QRect& geometry,
                                int captionLeft, int valueLeft, bool male) {
  auto* frame = new ReportFrame(this, frameName, Text(caption), PageFont(9.75, true), geometry);
  const auto& fields = male ? kMaleIdentityFields : kFemaleIdentityFields;
  const QFont captionFont = IdentityCaptionFont();
  for (int row = 0; row < 5; ++row) {
    AddLabel(frame, Text(*kIdentityCaptions[row]), captionFont,
             TwipsRect(captionLeft, kIdentityRowTops[row], 1485, 225));
    addField(frame, fields[row], PageFont(9.75), TwipsRect(valueLeft, kIdentityRowTops[row], 3285, 225),
             Qt::AlignLeft | Qt::AlignVCenter);
  }
  // Where the birth time row goes if the analysis converted the times.
  frame->setProperty("captionLeft", captionLeft);
  frame->setProperty("valueLeft", valueLeft);
  return frame;
}

void frmReport::showBirthTimes(const ConvertedBirthTime& male, const ConvertedBirthTime& female) {
  if (birthTimeRowsShown_) return;
  birthTimeRowsShown_ = true;
  const int down = kBirthTimeRowHeight;
  const std::pair<const ConvertedBirthTime*, const char*> rows[] = {{&male, "mBirthTime"}, {&female, "fBirthTime"}};
  for (std::size_t i = 0; i < 2; ++i) {
    QWidget* frame = identityFrames_[i];
    const int captionLeft = frame->property("captionLeft").toInt();
    const int valueLeft = frame->property("valueLeft").toInt();
    const QRect box = frame->geometry();
    frame->setGeometry(QRect(box.topLeft(), QSize(box.width(), Twips(kIdentityFrameHeight + down))));
    AddLabel(frame, Text(words::kReportBirthTime), IdentityCaptionFont(),
             TwipsRect(captionLeft, kBirthTimeRowTop, 1485, 225));
    const BirthTimeRow row = BirthTimeRowOf(*rows[i].first);
    QLabel* value = AddLabel(frame, row.text, PageFont(9.75), TwipsRect(valueLeft, kBirthTimeRowTop, 3285, 225));
    value->setObjectName(QString::fromLatin1(rows[i].second));
    value->setToolTip(row.toolTip);
    // A date change and an old mean time's seconds make the longest texts.
    value->setFont(FittingFont(value->font(), {value->text()}, TextRoom(*value)));
    value->show();
  }
  frame3_->setGeometry(kFrame3Box.moved(down));
  frame5_->setGeometry(kFrame5Box.moved(down));
  credit_->setGeometry(kCreditBox.moved(down));
  scrollBar_->setGeometry(TwipsRect(kPageWidth - kScrollBarWidth, 0, kScrollBarWidth, kPageHeight + down));
  setFixedSize(Twips(kPageWidth), Twips(kPageHeight + down));
  update();
}

void frmReport::addChart(QWidget* parent, const char* frameName, const Template& caption, const QRect& geometry,
                         bool male) {
  auto* frame = new ReportFrame(parent, frameName, Text(caption), PageFont(9.75, true), geometry);
  const QFont captionFont = ChartCaptionFont();
  for (int i = 0; i < static_cast<int>(kChartPointCount); ++i) {
    const int top = 240 + 315 * (i % 8);
    const int captionLeft = i < 8 ? 120 : 2400;
    const int valueLeft = i < 8 ? 960 : 3240;
    const ChartPoint point = kAllChartPoints[static_cast<std::size_t>(i)];
    QLabel* rowCaption = AddLabel(frame, Text(words::ReportRowCaption(point)), captionFont,
                                  TwipsRect(captionLeft, top, 855, 285));
    MakeCell(rowCaption);
    MakeCell(addField(frame, male ? kChartRows[i].maleField : kChartRows[i].femaleField, PageFont(9.75),
                      TwipsRect(valueLeft, top, 1365, 285), Qt::AlignLeft | Qt::AlignVCenter));
  }
}

QLabel* frmReport::addField(QWidget* parent, std::string_view name, const QFont& font, const QRect& geometry,
                            Qt::Alignment alignment) {
  const auto field = std::find_if(kReportFields.begin(), kReportFields.end(),
                                  [name](const ReportField& f) { return f.first == name; });
  // The page's tables name only report fields; anything else is a build mistake.
  if (field == kReportFields.end()) qFatal("frmReport: %s is no report field", std::string(name).c_str());
  QLabel* label = AddLabel(parent, QString(), font, geometry, alignment);
  label->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  fields_[static_cast<std::size_t>(field - kReportFields.begin())] = label;
  return label;
}

void frmReport::FillReport(WindowDirector& director) {
  const EntryState& state = director.entryState();
  showReport(ReadCompatibilityReport(director.entryForm(), state.result));
  if (state.birthTime(Person::Male) && state.birthTime(Person::Female))
    showBirthTimes(*state.birthTime(Person::Male), *state.birthTime(Person::Female));
  director.closeEntryForm();
}

void frmReport::showReport(const CompatibilityReport& report) {
  for (std::size_t i = 0; i < kReportFields.size(); ++i) {
    const std::string& text = report.*kReportFields[i].second;
    // The verdict is the analysis's data; the page shows its word.
    const Template* verdict =
        kReportFields[i].second == &CompatibilityReport::Comment ? words::VerdictWord(text) : nullptr;
    fields_[i]->setText(verdict ? Text(*verdict) : QString::fromStdString(text));
  }
}

CompatibilityReport frmReport::shownReport() const {
  CompatibilityReport report;
  for (std::size_t i = 0; i < kReportFields.size(); ++i) report.*kReportFields[i].second = fields_[i]->text().toStdString();
  return report;
}

void frmReport::paintEvent(QPaintEvent*) {
  // Line1 to Line8: a double magenta border around the page.
  QPainter painter(this);
  painter.setPen(QPen(kMagenta, 1));
  const int down = birthTimeRowsShown_ ? kBirthTimeRowHeight : 0;
  for (const QRect& border : {TwipsRect(300, 15, 10650, 10740 + down), TwipsRect(360, 60, 10530, 10650 + down)})
    painter.drawRect(border.adjusted(0, 0, -1, -1));
}

}  // namespace kelvra

#include "frm_report.moc"
