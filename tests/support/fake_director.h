// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "cosmodynes/harmony.h"
#include "fake_entry_form.h"

namespace kelvra::testing {

/// A director that records what windows ask of it and opens nothing; its
/// entry form is the stand-in `form`, open until closeEntryForm.
class FakeDirector : public WindowDirector {
 public:
  explicit FakeDirector(Ephemeris& ephemeris) : ephemeris_(ephemeris) {}

  EntryState state;
  HarmonyMemory memory;
  FakeEntryForm form;
  bool formOpen = true;
  QStringList calls;  ///< method names in call order

  EntryState& entryState() override { return state; }
  HarmonyMemory& harmonyMemory() override { return memory; }
  Ephemeris& ephemeris() override { return ephemeris_; }
  EntryForm* entryForm() override { return formOpen ? &form : nullptr; }
  EntryForm& showEntryForm() override {
    Record("showEntryForm");
    formOpen = true;
    return form;
  }
  void closeEntryForm() override {
    Record("closeEntryForm");
    formOpen = false;
  }
  void showResultsWindow() override { Record("showResultsWindow"); }
  void closeResultsWindow() override { Record("closeResultsWindow"); }
  void showWhyWindow(WhyTab tab) override {
    Record(tab == WhyTab::Chart ? "showWhyWindow(chart)" : "showWhyWindow");
  }
  void closeWhyWindow() override { Record("closeWhyWindow"); }
  void showLookupBrowser() override { Record("showLookupBrowser"); }
  void closeLookupBrowser() override { Record("closeLookupBrowser"); }
  void showAbout(QWidget*) override { Record("showAbout"); }

 private:
  void Record(const char* call) { calls << QString::fromLatin1(call); }
  Ephemeris& ephemeris_;
};

}  // namespace kelvra::testing
