// SPDX-License-Identifier: AGPL-3.0-or-later
#include "program/program.h"

#include "entry/frm_match.h"
#include "lookup/lookup_browser.h"
#include "report/frm_why.h"
#include "report/frm_report.h"
#include "report/mdi_form1.h"
#include "report/report_printing.h"
#include "shell/about.h"
#include "shell/message.h"
#include "shell/words.h"
#include "vocabulary/atlas_words.h"
#include "vocabulary/lookup_words.h"

namespace kelvra {

namespace {

void Close(QWidget* window) {
  if (window) window->close();
}

// A closed window lingers until its deferred deletion runs; it counts as
// gone from the moment it is closed (hidden), so showing it again in the
// same event creates a fresh one, as a reopened window must be.
template <typename W>
W* Open(const QPointer<W>& window) {
  return window && window->isVisible() ? window.data() : nullptr;
}

}  // namespace

Program::Program(Ephemeris& ephemeris) : ephemeris_(ephemeris) {}

Program::~Program() {
  // Windows still open when the program object goes (tests) go with it.
  delete browser_.data();
  delete why_.data();
  delete results_.data();
  delete entry_.data();
}

frmMatch* Program::entryWindow() const { return Open(entry_); }
MDIForm1* Program::resultsWindow() const { return Open(results_); }
frmWhy* Program::whyWindow() const { return Open(why_); }
QWidget* Program::lookupBrowser() const { return Open(browser_); }

EntryForm* Program::entryForm() { return entryWindow(); }

EntryForm& Program::showEntryForm() {
  if (!Open(entry_)) entry_ = new frmMatch(*this);
  entry_->show();
  entry_->activateWindow();
  return *entry_;
}

void Program::closeEntryForm() { Close(entryWindow()); }

void Program::showResultsWindow() {
  if (!Open(results_)) {
    results_ = new MDIForm1(*this);
    results_->setAttribute(Qt::WA_DeleteOnClose);  // a closed window is discarded
  }
  results_->present();
}

void Program::closeResultsWindow() { Close(resultsWindow()); }

void Program::showWhyWindow(WhyTab tab) {
  if (!Open(why_)) {
    // The preview's first page is the report as Print prints it, while the
    // results window is open.
    const ReportPagePainter reportPage = [this](QPainter& painter, QPrinter& printer) {
      MDIForm1* results = resultsWindow();
      if (!results || !results->report()) return false;
      DrawPageImage(*results->report(), painter, printer);
      return true;
    };
    why_ = new frmWhy(ExplainLastAnalysis(entryState_, ephemeris_), reportPage);  // top-level, without an owner
    why_->setAttribute(Qt::WA_DeleteOnClose);
  }
  why_->showTab(tab);
  why_->show();
  why_->raise();
  why_->activateWindow();
}

void Program::closeWhyWindow() { Close(whyWindow()); }

void Program::showLookupBrowser() {
  QString failure;
  QWidget* browser = CreateLookupBrowser(*this, &failure);
  if (!browser) {
    ShowMessage(entryWindow(), Text(words::kLookupNotAvailable, {failure.toStdString()}));
    return;
  }
  browser_ = browser;  // modeless, without an owner; deleted when closed
  browser->show();
}

void Program::closeLookupBrowser() { Close(lookupBrowser()); }

QString ProgramCredits() { return Text(words::kAtlasCredit); }

void Program::showAbout(QWidget* owner) { RunAboutBox(owner, ProgramCredits()); }

}  // namespace kelvra
