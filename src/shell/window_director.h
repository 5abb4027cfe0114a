// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

class QWidget;

namespace kelvra {

struct EntryState;
struct HarmonyMemory;
class Ephemeris;

/// What the windows ask of the program: its lasting state and the other
/// windows. At most one window of each kind exists; showing a closed one
/// creates it afresh. The program implements this; window tests use a fake.
class WindowDirector {
 public:
  virtual ~WindowDirector() = default;

  virtual EntryState& entryState() = 0;
  virtual HarmonyMemory& harmonyMemory() = 0;
  virtual Ephemeris& ephemeris() = 0;

  /// The open entry form (controls found by objectName), or nullptr.
  virtual QWidget* entryForm() = 0;
  /// Creates the entry form if it is closed, shows it and returns it.
  virtual QWidget* ShowEntryForm() = 0;
  virtual void CloseEntryForm() = 0;

  /// Creates the results window if it is closed and shows it, modeless.
  virtual void ShowResultsWindow() = 0;
  virtual void CloseResultsWindow() = 0;

  /// Opens the lookup browser for the birthplace entryState().bMaleSearch names.
  virtual void ShowLookupBrowser() = 0;
  virtual void CloseLookupBrowser() = 0;

  /// The About box, modal over `owner`.
  virtual void ShowAbout(QWidget* owner) = 0;
};

}  // namespace kelvra
