// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/program.h"

#include "entry/frm_match.h"
#include "lookup/lookup_browser.h"
#include "report/mdi_form1.h"
#include "shell/about.h"
#include "shell/message.h"

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
  delete results_.data();
  delete entry_.data();
}

QWidget* Program::entryForm() { return Open(entry_); }

QWidget* Program::ShowEntryForm() {
  if (!Open(entry_)) entry_ = new frmMatch(*this);
  entry_->show();
  entry_->activateWindow();
  return entry_;
}

void Program::CloseEntryForm() { Close(Open(entry_)); }

void Program::ShowResultsWindow() {
  if (!Open(results_)) {
    results_ = new MDIForm1(*this);
    results_->setAttribute(Qt::WA_DeleteOnClose);  // a closed window is discarded
  }
  static_cast<MDIForm1*>(results_.data())->Present();
}

void Program::CloseResultsWindow() { Close(Open(results_)); }

void Program::ShowLookupBrowser() {
  QString failure;
  QWidget* browser = CreateLookupBrowser(*this, &failure);
  if (!browser) {
    ShowMessage(entryForm(), QStringLiteral("The latitude and longitude lookup is not available: ") + failure);
    return;
  }
  browser_ = browser;  // modeless, without an owner; deleted when closed
  browser->show();
}

void Program::CloseLookupBrowser() { Close(Open(browser_)); }

void Program::ShowAbout(QWidget* owner) { RunAboutBox(owner); }

}  // namespace kelvra
