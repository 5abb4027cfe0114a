// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "cosmodynes/harmony.h"
#include "shell/entry_state.h"
#include "shell/window_director.h"

namespace kelvra {

class frmMatch;

/// The running program: the ephemeris, the state that outlives windows, and
/// at most one window of each kind. Windows are created when first shown and
/// deleted when closed; closing the last one ends the program.
class Program final : public WindowDirector {
 public:
  explicit Program(Ephemeris& ephemeris);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  EntryState& entryState() override { return entryState_; }
  HarmonyMemory& harmonyMemory() override { return harmonyMemory_; }
  Ephemeris& ephemeris() override { return ephemeris_; }

  QWidget* entryForm() override;
  QWidget* ShowEntryForm() override;
  void CloseEntryForm() override;
  void ShowResultsWindow() override;
  void CloseResultsWindow() override;
  void ShowLookupBrowser() override;
  void CloseLookupBrowser() override;
  void ShowAbout(QWidget* owner) override;

  /// The open results window and lookup browser, or nullptr.
  QWidget* resultsWindow() const { return results_ && results_->isVisible() ? results_.data() : nullptr; }
  QWidget* lookupBrowser() const { return browser_ && browser_->isVisible() ? browser_.data() : nullptr; }

 private:
  Ephemeris& ephemeris_;
  EntryState entryState_;
  HarmonyMemory harmonyMemory_;
  QPointer<frmMatch> entry_;
  QPointer<QWidget> results_;
  QPointer<QWidget> browser_;
};

}  // namespace kelvra
