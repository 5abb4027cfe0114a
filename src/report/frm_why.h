// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "report/why_text.h"

class QPushButton;
class QTableWidget;
class QTextBrowser;
class QTextDocument;

namespace kelvra {

class Ephemeris;
struct EntryState;

/// The explanation of the last analysis: its contacts scored again from the
/// harmony memory it started with, and its birth times shifted. The program's
/// harmony memory is not touched.
WhyReport ExplainLastAnalysis(const EntryState& state, Ephemeris& ephemeris);

/// The whole explanation as one printable document: the title, the sections
/// and the table of every contact.
std::unique_ptr<QTextDocument> WhyDocument(const WhyReport& report);

/// "Why this result": the explanation in plain words, selectable, above a
/// sortable table of every contact, with Save as PDF and Close. A top-level
/// window of its own; it keeps the report it was made with.
class frmWhy : public QWidget {
  Q_OBJECT

 public:
  explicit frmWhy(WhyReport report, QWidget* parent = nullptr);

  QTextBrowser* wordsView() const { return txtWhy_; }
  QTableWidget* linksTable() const { return grdLinks_; }

  void cmdSave_Click();
  void cmdClose_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  WhyReport report_;
  QTextBrowser* txtWhy_ = nullptr;
  QTableWidget* grdLinks_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

}  // namespace kelvra
