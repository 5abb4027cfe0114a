// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_why.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "contracts/entry_state.h"
#include "report/report_printing.h"
#include "shell/command.h"
#include "shell/product.h"
#include "shell/twips.h"

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

}  // namespace

WhyReport ExplainLastAnalysis(const EntryState& state, Ephemeris& ephemeris) {
  const Explanation explanation = ExplainAnalysis(state.charts, state.startGain);
  const BirthTimeBand band =
      ComputeBirthTimeBand(state.male, state.female, state.charts, state.startGain, state.result, ephemeris);
  WhyReport report = DescribeAnalysis(explanation, band, state.result);
  report.title = WhyTitle(state.male.Name, state.female.Name);
  return report;
}

std::unique_ptr<QTextDocument> WhyDocument(const WhyReport& report) {
  // Shares of the page width per column, in percent: the rules need the most.
  static constexpr int kColumnWidths[] = {3, 7, 7, 8, 7, 6, 5, 8, 8, 6, 6, 29};
  static_assert(std::size(kColumnWidths) == kWhyColumns.size());
  QString html = SectionsHtml(report);
  html += QStringLiteral("<p style=\"font-weight: bold; margin-top: 8px; margin-bottom: 4px\">"
                         "Every link between the two charts</p>"
                         "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                         "style=\"font-size: 6.5pt; border-collapse: collapse\"><thead><tr>");
  for (std::size_t i = 0; i < kWhyColumns.size(); ++i)
    html += QStringLiteral("<th width=\"%1%\">%2</th>").arg(kColumnWidths[i]).arg(Html(std::string(kWhyColumns[i])));
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

frmWhy::frmWhy(WhyReport report, QWidget* parent) : QWidget(parent, Qt::Window), report_(std::move(report)) {
  setObjectName(QStringLiteral("frmWhy"));
  setWindowTitle(QStringLiteral("Kelvra - Why This Result"));
  setWindowIcon(ProductIcon());

  txtWhy_ = new QTextBrowser(this);
  txtWhy_->setObjectName(QStringLiteral("txtWhy"));
  txtWhy_->setAccessibleName(QStringLiteral("Why this result, in plain words"));
  txtWhy_->setFont(VerdanaFont(9));
  txtWhy_->setOpenLinks(false);
  txtWhy_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  txtWhy_->setHtml(SectionsHtml(report_));

  auto* lblLinks = new QLabel(QStringLiteral("&Every link between the two charts (click a column title to sort):"));
  lblLinks->setObjectName(QStringLiteral("lblLinks"));
  lblLinks->setFont(VerdanaFont(9, true));

  grdLinks_ = new QTableWidget(static_cast<int>(report_.rows.size()), static_cast<int>(kWhyColumns.size()));
  grdLinks_->setObjectName(QStringLiteral("grdLinks"));
  grdLinks_->setAccessibleName(QStringLiteral("Every link between the two charts"));
  grdLinks_->setFont(VerdanaFont(8.25));
  grdLinks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdLinks_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
  grdLinks_->verticalHeader()->hide();
  grdLinks_->verticalHeader()->setDefaultSectionSize(grdLinks_->fontMetrics().height() + Twips(90));
  QStringList titles;
  // Two-word titles on two lines keep the number columns narrow.
  for (std::string_view column : kWhyColumns)
    titles << QString::fromUtf8(column.data(), qsizetype(column.size())).replace(QLatin1Char(' '), QLatin1Char('\n'));
  grdLinks_->setHorizontalHeaderLabels(titles);
  for (int row = 0; row < grdLinks_->rowCount(); ++row) {
    for (int column = 0; column < grdLinks_->columnCount(); ++column)
      grdLinks_->setItem(row, column, new LinkItem(report_.rows[std::size_t(row)][std::size_t(column)]));
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

  cmdSave_ = new QPushButton(QStringLiteral("&Save as PDF..."));
  cmdSave_->setObjectName(QStringLiteral("cmdSave"));
  cmdSave_->setAccessibleName(QStringLiteral("Save as PDF"));
  cmdClose_ = new QPushButton(QStringLiteral("&Close"));
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  cmdClose_->setAccessibleName(QStringLiteral("Close"));
  for (QPushButton* button : {cmdSave_, cmdClose_}) button->setFont(VerdanaFont(8.25));
  ConnectCommand(cmdSave_, &QPushButton::clicked, this, "Save as PDF", &frmWhy::cmdSave_Click);
  ConnectCommand(cmdClose_, &QPushButton::clicked, this, "Close", &frmWhy::cmdClose_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdSave_);
  buttons->addWidget(cmdClose_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(Twips(120), Twips(120), Twips(120), Twips(120));
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);

  setTabOrder(txtWhy_, grdLinks_);
  setTabOrder(grdLinks_, cmdSave_);
  setTabOrder(cmdSave_, cmdClose_);
  txtWhy_->setFocus();
  resize(Twips(14400), Twips(9900));
}

void frmWhy::cmdSave_Click() {
  const std::unique_ptr<QTextDocument> document = WhyDocument(report_);
  const QString title = QString::fromStdString(report_.title);
  // Landscape: the table's twelve columns read without breaking their titles.
  SavePdfCopy(this, {QStringLiteral("Save a PDF copy of the explanation"), QStringLiteral("Kelvra explanation.pdf")},
              [&](const QString& fileName) {
                return WriteDocumentPdf(*document, fileName, title, QPageLayout::Landscape);
              });
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
