// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "contracts/window_director.h"
#include "report/chart_files.h"
#include "report/why_text.h"
#include "wheel/wheel_scene.h"

class QAction;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTextBrowser;
class QTextDocument;

namespace kelvra {

class Ephemeris;
struct EntryState;

class WheelView;

/// What the "Why this result" window shows: the explanation in words and
/// table, and the two charts as a picture with a sentence per contact.
struct WhyContent {
  WhyReport report;
  WheelScene chart;
  std::vector<std::string> contactLines;  ///< ContactLine of each scored contact, in scan order
  CoupleFacts facts;                      ///< what saved files say of the couple
};

/// The window's content from an analysis's charts, explanation and
/// birth-time band; the names give the titles. Without birth data: they
/// come with the analysis (ExplainLastAnalysis).
WhyContent MakeWhyContent(const CoupleCharts& charts, const Explanation& explanation, const BirthTimeBand& band,
                          const CompatibilityResult& result, std::string_view maleName, std::string_view femaleName);

/// The explanation of the last analysis: its contacts scored again from the
/// harmony memory it started with, and its birth times shifted. The program's
/// harmony memory is not touched.
WhyContent ExplainLastAnalysis(const EntryState& state, Ephemeris& ephemeris);

/// Draws the report page, as Print prints it, on `printer`'s current page;
/// false when there is no report to draw.
using ReportPagePainter = std::function<bool(QPainter& painter, QPrinter& printer)>;

/// Whether the chart's page is turned to landscape: after the report's page
/// where each page keeps a layout of its own (PDF and print jobs), or where
/// it is the only page if every page shows the last page's layout (the
/// preview). Otherwise the page stays portrait and the chart is drawn turned.
bool LandscapeChartPage(bool afterReportPage, bool pagesKeepTheirLayout);

/// The print preview's document: the report page (when there is one), on a
/// portrait page, then the chart under `heading` on a landscape page of its
/// own, or turned on a portrait one (LandscapeChartPage). False when the
/// printer cannot be opened.
bool PrintChartDocument(QPrinter& printer, const WheelScene& chart, const QString& heading,
                        const ReportPagePainter& reportPage);

/// The whole explanation as one printable document: the title, the sections
/// and the table of every contact.
std::unique_ptr<QTextDocument> WhyDocument(const WhyReport& report);

/// "Why this result", in two tabs. Explanation: the explanation in plain
/// words, selectable, above a sortable table of every contact, with Save as
/// PDF. Chart: the bi-wheel with the declination strip and a line naming the
/// contact pointed at or selected, with Save Chart As and Print Preview. The
/// platform's Save, Print and Close keys (Ctrl+S, Ctrl+P, Ctrl+W) run the
/// buttons the tab shows, Save being the tab's own. A top-level window of its
/// own; it keeps the content it was made with.
class frmWhy : public QWidget {
  Q_OBJECT

 public:
  explicit frmWhy(WhyContent content, ReportPagePainter reportPage = {}, QWidget* parent = nullptr);

  QTextBrowser* wordsView() const { return txtWhy_; }
  QTableWidget* linksTable() const { return grdLinks_; }
  WheelView* wheelView() const { return picWheel_; }
  QLabel* contactLabel() const { return lblContact_; }
  QLabel* statusLabel() const { return lblStatus_; }
  QTabWidget* tabs() const { return tabWhy_; }

  void showTab(WhyTab tab);

  void cmdSave_Click();
  void cmdSaveChart_Click();
  void cmdPreview_Click();
  void cmdClose_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* createExplanationTab();
  QWidget* createChartTab();
  void showContact(std::optional<std::size_t> contact);
  void tabChanged();
  void showStatus(const QString& text);

  WhyContent content_;
  ReportPagePainter reportPage_;
  QTabWidget* tabWhy_ = nullptr;
  QTextBrowser* txtWhy_ = nullptr;
  QTableWidget* grdLinks_ = nullptr;
  WheelView* picWheel_ = nullptr;
  QLabel* lblContact_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdSaveChart_ = nullptr;
  QPushButton* cmdPreview_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
  QAction* actSave_ = nullptr;
  QAction* actSaveChart_ = nullptr;
  QAction* actPreview_ = nullptr;
};

}  // namespace kelvra
