// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/program.h"

#include "entry/frm_match.h"
#include "report/mdi_form1.h"
#include "shell/about.h"

namespace kelvra {

namespace {

void Close(QWidget* window) {
  if (window) window->close();
}

}  // namespace

Program::Program(Ephemeris& ephemeris) : ephemeris_(ephemeris) {}

Program::~Program() {
  // Windows still open when the program object goes (tests) go with it.
  delete browser_.data();
  delete results_.data();
  delete entry_.data();
}

QWidget* Program::entryForm() { return entry_; }

QWidget* Program::ShowEntryForm() {
  if (!entry_) entry_ = new frmMatch(*this);
  entry_->show();
  entry_->activateWindow();
  return entry_;
}

void Program::CloseEntryForm() { Close(entry_); }

void Program::ShowResultsWindow() {
  if (!results_) {
    results_ = new MDIForm1(*this);
    results_->setAttribute(Qt::WA_DeleteOnClose);  // a closed window is discarded
  }
  static_cast<MDIForm1*>(results_.data())->Present();
}

void Program::CloseResultsWindow() { Close(results_); }

void Program::ShowLookupBrowser() {}

void Program::CloseLookupBrowser() { Close(browser_); }

void Program::ShowAbout(QWidget* owner) { RunAboutBox(owner); }

}  // namespace kelvra
