// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "cosmodynes/harmony.h"

namespace kelvra {

class frmMatch;
class frmWhy;
class MDIForm1;

/// The credits the About box shows for the data the program ships: the
/// atlas' place data, whose licence asks for it.
QString ProgramCredits();

/// The running program, its composition root: the ephemeris, the state that
/// outlives windows, and at most one window of each kind. Windows are created
/// when first shown and deleted when closed; closing the last one ends the
/// program.
class Program final : public WindowDirector {
 public:
  explicit Program(Ephemeris& ephemeris);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  EntryState& entryState() override { return entryState_; }
  HarmonyMemory& harmonyMemory() override { return harmonyMemory_; }
  Ephemeris& ephemeris() override { return ephemeris_; }

  EntryForm* entryForm() override;
  EntryForm& showEntryForm() override;
  void closeEntryForm() override;
  void showResultsWindow() override;
  void closeResultsWindow() override;
  void showWhyWindow(WhyTab tab) override;
  void closeWhyWindow() override;
  void showLookupBrowser() override;
  void closeLookupBrowser() override;
  void showAbout(QWidget* owner) override;

  /// The open windows, or nullptr.
  frmMatch* entryWindow() const;
  MDIForm1* resultsWindow() const;
  frmWhy* whyWindow() const;
  QWidget* lookupBrowser() const;

 private:
  Ephemeris& ephemeris_;
  EntryState entryState_;
  HarmonyMemory harmonyMemory_;
  QPointer<frmMatch> entry_;
  QPointer<MDIForm1> results_;
  QPointer<frmWhy> why_;
  QPointer<QWidget> browser_;
};

}  // namespace kelvra
