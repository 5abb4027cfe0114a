// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include "cosmodynes/harmony.h"
#include "shell/entry_state.h"
#include "shell/window_director.h"

namespace kelvra::testing {

/// A director that records what windows ask of it and opens nothing.
class FakeDirector : public WindowDirector {
 public:
  explicit FakeDirector(Ephemeris& ephemeris) : ephemeris_(ephemeris) {}

  EntryState state;
  HarmonyMemory memory;
  QWidget* form = nullptr;
  QStringList calls;  ///< method names in call order

  EntryState& entryState() override { return state; }
  HarmonyMemory& harmonyMemory() override { return memory; }
  Ephemeris& ephemeris() override { return ephemeris_; }
  QWidget* entryForm() override { return form; }
  QWidget* ShowEntryForm() override { return Record("ShowEntryForm"), form; }
  void CloseEntryForm() override { Record("CloseEntryForm"); }
  void ShowResultsWindow() override { Record("ShowResultsWindow"); }
  void CloseResultsWindow() override { Record("CloseResultsWindow"); }
  void ShowLookupBrowser() override { Record("ShowLookupBrowser"); }
  void CloseLookupBrowser() override { Record("CloseLookupBrowser"); }
  void ShowAbout(QWidget*) override { Record("ShowAbout"); }

 private:
  void Record(const char* call) { calls << QString::fromLatin1(call); }
  Ephemeris& ephemeris_;
};

}  // namespace kelvra::testing
