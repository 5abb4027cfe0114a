// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

class QWidget;

namespace kelvra {

class EntryForm;

/// The tabs of the window that explains the last analysis.
enum class WhyTab { Explanation, Chart };
class Ephemeris;
struct EntryState;
struct HarmonyMemory;

/// What the windows ask of the program: its lasting state and the other
/// windows. At most one window of each kind exists; showing a closed one
/// creates it afresh. The program implements this; window tests use a fake.
class WindowDirector {
 public:
  virtual ~WindowDirector() = default;

  virtual EntryState& entryState() = 0;
  virtual HarmonyMemory& harmonyMemory() = 0;
  virtual Ephemeris& ephemeris() = 0;

  /// The open entry form, or nullptr.
  virtual EntryForm* entryForm() = 0;
  /// Creates the entry form if it is closed, shows it and returns it.
  virtual EntryForm& showEntryForm() = 0;
  virtual void closeEntryForm() = 0;

  /// Creates the results window if it is closed and shows it, modeless.
  virtual void showResultsWindow() = 0;
  virtual void closeResultsWindow() = 0;

  /// Opens the window that explains the last analysis, a top-level window of
  /// its own, or raises it when it is open already, on `tab`. It belongs to
  /// the results: whatever ends them closes it.
  virtual void showWhyWindow(WhyTab tab) = 0;
  virtual void closeWhyWindow() = 0;

  /// Opens the lookup browser for the birthplace entryState().bMaleSearch names.
  virtual void showLookupBrowser() = 0;
  virtual void closeLookupBrowser() = 0;

  /// The About box, modal over `owner`.
  virtual void showAbout(QWidget* owner) = 0;
};

}  // namespace kelvra
