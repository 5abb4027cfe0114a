// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_why.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "contracts/entry_state.h"
#include "report/chart_files.h"
#include "report/report_printing.h"
#include "report/results_layout.h"
#include "report/wheel_view.h"
#include "shell/command.h"
#include "shell/message.h"
#include "shell/product.h"
#include "shell/spoken_name.h"
#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/why_words.h"
#include "drawing/wheel_painter.h"

namespace kelvra {

namespace {

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Headings in bold, paragraphs close together: the words should fit the
// window without scrolling.
QString SectionsHtml(const WhyReport& report) {
  QString html = QStringLiteral("<p style=\"font-size: large; font-weight: bold; margin-bottom: 4px\">%1</p>")
                     .arg(Html(report.title));
  for (const WhySection& section : report.sections) {
    html += QStringLiteral("<p style=\"font-weight: bold; margin-top: 8px; margin-bottom: 2px\">%1</p>")
                .arg(Html(section.heading));
    for (const std::string& paragraph : section.paragraphs)
      html += QStringLiteral("<p style=\"margin: 0px\">%1</p>").arg(Html(paragraph));
  }
  return html;
}

// Sorts numbers by value where the text alone would put "10" before "9".
class LinkItem : public QTableWidgetItem {
 public:
  explicit LinkItem(const WhyCell& cell) : QTableWidgetItem(QString::fromStdString(cell.text)) {
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (cell.sortKey) {
      setData(Qt::UserRole, *cell.sortKey);
      setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant mine = data(Qt::UserRole), theirs = other.data(Qt::UserRole);
    if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
    return QTableWidgetItem::operator<(other);
  }
};

// Screen readers take a plain widget for a filler inside some other window;
// this one is a window of its own and is read as one, named by its title.
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(frmWhy::staticMetaObject.className()) || !object || !object->isWidgetType())
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

// The button's command on a key of the window's, named in its tool tip. The
// action follows the button: a hidden button's key does nothing.
QAction* AddShortcut(QWidget* window, QPushButton* button, const QKeySequence& key, const Template& name) {
  auto* action = new QAction(window);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  QObject::connect(action, &QAction::triggered, button, &QPushButton::click);
  button->setToolTip(
      Text(words::kToolTipWithShortcut, {Tr(name), action->shortcut().toString(QKeySequence::NativeText).toStdString()}));
  return action;
}

}  // namespace

WhyContent MakeWhyContent(const CoupleCharts& charts, const Explanation& explanation, const BirthTimeBand& band,
                          const CompatibilityResult& result, std::string_view maleName, std::string_view femaleName) {
  WhyContent content{DescribeAnalysis(explanation, band, result),
                     BuildWheelScene(charts, explanation, maleName, femaleName), {}, {}};
  content.report.title = WhyTitle(maleName, femaleName);
  content.facts.result = result;
  for (const ContactExplanation& contact : explanation.contacts) content.contactLines.push_back(ContactLine(contact));
  return content;
}

WhyContent ExplainLastAnalysis(const EntryState& state, Ephemeris& ephemeris) {
  const Explanation explanation = ExplainAnalysis(state.charts, state.startGain);
  const BirthTimeBand band =
      ComputeBirthTimeBand(state.male, state.female, state.charts, state.startGain, state.result, ephemeris);
  WhyContent content =
      MakeWhyContent(state.charts, explanation, band, state.result, state.male.Name, state.female.Name);
  content.facts.births = std::array{SavedBirthDataOf(state.male, state.birthTime(Person::Male)),
                                    SavedBirthDataOf(state.female, state.birthTime(Person::Female))};
  return content;
}

bool LandscapeChartPage(bool afterReportPage, bool pagesKeepTheirLayout) {
  return pagesKeepTheirLayout ? afterReportPage : !afterReportPage;
}

bool PrintChartDocument(QPrinter& printer, const WheelScene& chart, const QString& heading,
                        const ReportPagePainter& reportPage) {
  // The report's page is portrait; a layout left by an earlier run of the
  // preview must not turn it.
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const bool afterReport = reportPage && reportPage(painter, printer);
  // The preview records pages as pictures and shows them all in the layout
  // the printer has last; a PDF or print job starts each page in the layout
  // the printer has when the page begins.
  const bool pagesKeepTheirLayout = printer.paintEngine()->type() != QPaintEngine::Picture;
  if (LandscapeChartPage(afterReport, pagesKeepTheirLayout)) printer.setPageOrientation(QPageLayout::Landscape);
  if (afterReport && !printer.newPage()) return false;

  QSizeF room = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  if (room.height() > room.width()) {
    // A portrait page: the landscape drawing turned a quarter left, to be
    // read with the sheet turned, as printers print landscape pages.
    painter.translate(0, room.height());
    painter.rotate(-90);
    room.transpose();
  }
  // The heading above the chart, the chart in the rest, as large as fits.
  const QFont font = VerdanaFont(14, true);
  painter.setFont(QFont(font, painter.device()));
  const qreal headingHeight = QFontMetricsF(painter.font()).height() * 1.5;
  painter.setPen(Qt::black);
  painter.drawText(QRectF(0, 0, room.width(), headingHeight), Qt::AlignHCenter | Qt::AlignTop, heading);
  PaintWheel(painter, chart, QRectF(0, headingHeight, room.width(), room.height() - headingHeight),
             WheelText::AsText);
  return painter.end();
}

std::unique_ptr<QTextDocument> WhyDocument(const WhyReport& report) {
  // Shares of the page width per column, in percent: the rules need the most.
  static constexpr int kColumnWidths[] = {3, 7, 7, 8, 7, 6, 5, 8, 8, 6, 6, 29};
  static_assert(std::size(kColumnWidths) == words::kWhyColumns.size());
  QString html = SectionsHtml(report);
  html += QStringLiteral("<p style=\"font-weight: bold; margin-top: 8px; margin-bottom: 4px\">%1</p>"
                         "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                         "style=\"font-size: 6.5pt; border-collapse: collapse\"><thead><tr>")
              .arg(Text(words::kWhyLinksName).toHtmlEscaped());
  for (std::size_t i = 0; i < words::kWhyColumns.size(); ++i)
    html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(kColumnWidths[i]).arg(Html(Tr(words::kWhyColumns[i])));
  html += QStringLiteral("</tr></thead>");
  for (const WhyRow& row : report.rows) {
    html += QStringLiteral("<tr>");
    for (const WhyCell& cell : row)
      html += QStringLiteral("<td%1>%2</td>").arg(cell.sortKey ? QStringLiteral(" align=\"right\"") : QString(),
                                                   Html(cell.text));
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table>");
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(VerdanaFont(9));
  document->setHtml(html);
  return document;
}

frmWhy::frmWhy(WhyContent content, ReportPagePainter reportPage, QWidget* parent)
    : QWidget(parent, Qt::Window), content_(std::move(content)), reportPage_(std::move(reportPage)) {
  static const bool accessibleAsWindow = (QAccessible::installFactory(WindowAccessible), true);
  Q_UNUSED(accessibleAsWindow);
  setObjectName(QStringLiteral("frmWhy"));
  setWindowTitle(Text(words::kWhyWindowTitle, {Tr(words::kProgramName)}));
  setWindowIcon(ProductIcon());

  tabWhy_ = new QTabWidget(this);
  tabWhy_->setObjectName(QStringLiteral("tabWhy"));
  tabWhy_->setFont(VerdanaFont(8.25));
  tabWhy_->addTab(createExplanationTab(), Text(words::kWhyExplanationTab));
  tabWhy_->addTab(createChartTab(), Text(words::kWhyChartTab));

  cmdSave_ = new QPushButton(Text(words::kWhySaveButton));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdSave_->setAccessibleName(Text(words::kWhySaveName));
  cmdSaveChart_ = new QPushButton(Text(words::kWhySaveChartButton));
  cmdSaveChart_->setObjectName(QStringLiteral("cmdSaveChart"));
  cmdSaveChart_->setAccessibleName(Text(words::kWhySaveChartName));
  cmdPreview_ = new QPushButton(Text(words::kWhyPreviewButton));
  cmdPreview_->setObjectName(QStringLiteral("cmdPreview"));
  cmdPreview_->setAccessibleName(Text(words::kWhyPreviewName));
  cmdClose_ = new QPushButton(Text(words::kWhyCloseButton));
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  cmdClose_->setAccessibleName(Text(words::kWhyCloseName));
  for (QPushButton* button : {cmdSave_, cmdSaveChart_, cmdPreview_, cmdClose_}) button->setFont(VerdanaFont(8.25));
  ConnectCommand(cmdSave_, &QPushButton::clicked, this, words::kWhySaveAsPdfCommand,
                 &frmWhy::cmdSave_Click);
  ConnectCommand(cmdSaveChart_, &QPushButton::clicked, this, words::kWhySaveChartAsCommand,
                 &frmWhy::cmdSaveChart_Click);
  ConnectCommand(cmdPreview_, &QPushButton::clicked, this, words::kWhyPrintPreviewCommand,
                 &frmWhy::cmdPreview_Click);
  ConnectCommand(cmdClose_, &QPushButton::clicked, this, words::kWhyCloseCommand, &frmWhy::cmdClose_Click);

  actSave_ = AddShortcut(this, cmdSave_, QKeySequence::Save, words::kWhySaveName);
  actSaveChart_ = AddShortcut(this, cmdSaveChart_, QKeySequence::Save, words::kWhySaveChartName);
  actPreview_ = AddShortcut(this, cmdPreview_, QKeySequence::Print, words::kWhyPreviewName);
  // Ctrl+W, as desktops close a window: some platforms' Close list starts
  // with Ctrl+F4, which the tool tip would then name.
  AddShortcut(this, cmdClose_, QKeySequence(Qt::CTRL | Qt::Key_W), words::kWhyCloseName);

  // Where the last save went, left of the buttons; a long path is cut
  // rather than widening the window, and read whole in the tool tip.
  lblStatus_ = new QLabel;
  lblStatus_->setObjectName(QStringLiteral("lblStatus"));
  lblStatus_->setAccessibleDescription(Text(words::kWhyStatusName));
  lblStatus_->setFont(VerdanaFont(8.25));
  lblStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  lblStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblStatus_, 1);
  for (QPushButton* button : {cmdSave_, cmdSaveChart_, cmdPreview_, cmdClose_}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(Twips(120), Twips(120), Twips(120), Twips(120));
  layout->addWidget(tabWhy_, 1);
  layout->addLayout(buttons);

  setTabOrder(tabWhy_, txtWhy_);
  setTabOrder(txtWhy_, grdLinks_);
  setTabOrder(grdLinks_, picWheel_);
  setTabOrder(picWheel_, cmdSave_);
  setTabOrder(cmdSave_, cmdSaveChart_);
  setTabOrder(cmdSaveChart_, cmdPreview_);
  setTabOrder(cmdPreview_, cmdClose_);
  connect(tabWhy_, &QTabWidget::currentChanged, this, &frmWhy::tabChanged);
  tabChanged();
  txtWhy_->setFocus();
  // Smaller screens get all they have, title bar and borders allowed for, so
  // the buttons under the tabs stay within reach.
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize available = shown ? shown->availableGeometry().size() : QSize(Twips(14400), Twips(9900));
  const QSize minimum = minimumSizeHint();
  resize(FittedWindowExtent(Twips(14400), available.width(), kBorderAllowance, minimum.width()),
         FittedWindowExtent(Twips(9900), available.height(), kTitleBarAllowance, minimum.height()));
}

QWidget* frmWhy::createExplanationTab() {
  const WhyReport& report = content_.report;
  txtWhy_ = new QTextBrowser;
  txtWhy_->setObjectName(QStringLiteral("txtWhy"));
  txtWhy_->setAccessibleName(Text(words::kWhyWordsName));
  txtWhy_->setFont(VerdanaFont(9));
  txtWhy_->setOpenLinks(false);
  txtWhy_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  txtWhy_->setHtml(SectionsHtml(report));

  auto* lblLinks = new QLabel(Text(words::kWhyLinksLabel));
  lblLinks->setObjectName(QStringLiteral("lblLinks"));
  lblLinks->setFont(VerdanaFont(9, true));

  grdLinks_ = new QTableWidget(static_cast<int>(report.rows.size()), static_cast<int>(words::kWhyColumns.size()));
  grdLinks_->setObjectName(QStringLiteral("grdLinks"));
  grdLinks_->setAccessibleName(Text(words::kWhyLinksName));
  grdLinks_->setFont(VerdanaFont(8.25));
  grdLinks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdLinks_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
  grdLinks_->verticalHeader()->hide();
  grdLinks_->verticalHeader()->setDefaultSectionSize(grdLinks_->fontMetrics().height() + Twips(90));
  QStringList titles;
  // Two-word titles on two lines keep the number columns narrow.
  for (const Template& column : words::kWhyColumns) titles << Text(column).replace(QLatin1Char(' '), QLatin1Char('\n'));
  grdLinks_->setHorizontalHeaderLabels(titles);
  // A screen reader reads the title as one phrase, not as two lines.
  for (int column = 0; column < grdLinks_->columnCount(); ++column)
    grdLinks_->horizontalHeaderItem(column)->setData(Qt::AccessibleTextRole,
                                                     Text(words::kWhyColumns[std::size_t(column)]));
  for (int row = 0; row < grdLinks_->rowCount(); ++row) {
    for (int column = 0; column < grdLinks_->columnCount(); ++column)
      grdLinks_->setItem(row, column, new LinkItem(report.rows[std::size_t(row)][std::size_t(column)]));
  }
  // Every column as wide as its widest text: the rules are read in full,
  // scrolling sideways when the window is narrow.
  grdLinks_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grdLinks_->setSortingEnabled(true);
  grdLinks_->sortByColumn(0, Qt::AscendingOrder);  // the scan's order
  lblLinks->setBuddy(grdLinks_);

  auto* links = new QWidget;
  auto* linksLayout = new QVBoxLayout(links);
  linksLayout->setContentsMargins(0, Twips(60), 0, 0);
  linksLayout->addWidget(lblLinks);
  linksLayout->addWidget(grdLinks_, 1);

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->setObjectName(QStringLiteral("splWhy"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(txtWhy_);
  splitter->addWidget(links);
  splitter->setSizes({Twips(5100), Twips(4200)});
  return splitter;
}

QWidget* frmWhy::createChartTab() {
  picWheel_ = new WheelView(content_.chart);
  lblContact_ = new QLabel;
  lblContact_->setObjectName(QStringLiteral("lblContact"));
  lblContact_->setAccessibleDescription(Text(words::kWhyContactShownName));
  lblContact_->setFont(VerdanaFont(9));
  lblContact_->setWordWrap(true);
  lblContact_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(picWheel_, &WheelView::contactShown, this, &frmWhy::showContact);
  showContact(std::nullopt);

  auto* page = new QWidget;
  page->setAutoFillBackground(true);
  page->setBackgroundRole(QPalette::Base);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(Twips(60), Twips(60), Twips(60), Twips(60));
  layout->addWidget(picWheel_, 1);
  layout->addWidget(lblContact_);
  return page;
}

void frmWhy::showContact(std::optional<std::size_t> contact) {
  QString shown;
  if (contact && *contact < content_.chart.contacts.size()) {
    const std::size_t scanIndex = content_.chart.contacts[*contact].scanIndex;
    shown = Text(words::kWhyContactShown, {std::to_string(scanIndex + 1), content_.contactLines.at(scanIndex)});
  } else {
    shown = Text(words::kWhyNoContactShown);
  }
  lblContact_->setText(shown);
  // The line's words are its name, so a screen reader hears the contact.
  SetSpokenName(lblContact_, shown);
}

void frmWhy::showTab(WhyTab tab) {
  tabWhy_->setCurrentIndex(tab == WhyTab::Chart ? 1 : 0);
  (tab == WhyTab::Chart ? static_cast<QWidget*>(picWheel_) : txtWhy_)->setFocus();
}

void frmWhy::tabChanged() {
  const bool chart = tabWhy_->currentIndex() == 1;
  cmdSave_->setVisible(!chart);
  cmdSaveChart_->setVisible(chart);
  cmdPreview_->setVisible(chart);
  actSave_->setEnabled(!chart);
  actSaveChart_->setEnabled(chart);
  actPreview_->setEnabled(chart);
}

void frmWhy::showStatus(const QString& text) {
  lblStatus_->setText(text);
  lblStatus_->setToolTip(text);
  SetSpokenName(lblStatus_, text);
}

void frmWhy::cmdSave_Click() {
  const std::unique_ptr<QTextDocument> document = WhyDocument(content_.report);
  const QString title = QString::fromStdString(content_.report.title);
  const QString description = CoupleDescription(content_.facts, false);
  showStatus({});
  // Landscape: the table's twelve columns read without breaking their titles.
  const QString saved = SavePdfCopy(
      this,
      {Text(words::kWhySaveQuestion),
       CoupleFileName(words::kWhySaveFileName, content_.chart.maleName, content_.chart.femaleName)},
      [&](const QString& fileName) {
        return WriteDocumentPdf(*document, fileName, title, QPageLayout::Landscape, description);
      });
  if (!saved.isEmpty())
    showStatus(Text(words::kWhyExplanationSaved, {QDir::toNativeSeparators(saved).toStdString()}));
}

void frmWhy::cmdSaveChart_Click() {
  PdfSaveQuestion question{Text(words::kWhySaveChartQuestion),
                           CoupleFileName(words::kWhySaveChartFileName, content_.chart.maleName,
                                          content_.chart.femaleName),
                           Text(words::kWhyChartFileFilter)};
  question.offerBirthData = content_.facts.births.has_value();
  const SaveAnswer answer = AskSaveFileName(this, question);
  const QString& fileName = answer.fileName;
  if (fileName.isEmpty()) return;
  showStatus({});
  const QString shown = QDir::toNativeSeparators(fileName);
  const std::optional<ChartFileKind> kind = ChartFileKindOf(fileName);
  if (!kind) {
    ShowMessage(this, Text(words::kWhyChartFileKindUnknown, {Tr(words::kProgramName)}));
  } else if (!SaveChartFile(content_.chart, fileName, *kind,
                            ChartFileInfo(content_.chart, content_.facts, answer.includeBirthData))) {
    ShowMessage(this, Text(words::kWhyChartNotSaved, {shown.toStdString()}));
  } else {
    RememberSaveFolder(fileName);
    showStatus(Text(words::kWhyChartSaved, {shown.toStdString()}));
  }
}

void frmWhy::cmdPreview_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  const QString heading = QString::fromStdString(WheelTitle(content_.chart.maleName, content_.chart.femaleName));
  printer.setDocName(heading);
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setWindowTitle(Text(words::kWhyPreviewTitle, {Tr(words::kProgramName)}));
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this, heading](QPrinter* target) { PrintChartDocument(*target, content_.chart, heading, reportPage_); });
  // Large, the whole page in view: at the dialog's own small size thin lines
  // of the chart vanish.
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  if (shown) dialog.resize(shown->availableGeometry().size() * 0.9);
  if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) preview->setZoomMode(QPrintPreviewWidget::FitInView);
  dialog.exec();
}

void frmWhy::cmdClose_Click() { close(); }

void frmWhy::keyPressEvent(QKeyEvent* event) {
  // Every control lets Escape through to here.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kelvra
