// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "atlas/atlas_service.h"

namespace kelvra {

/// The atlas search behind the atlas window, off the GUI thread: a new text
/// waits kDelayMs for the next keystroke, then one atlas search runs on the
/// search's worker thread. Every new search cancels the one before, so only
/// the answer to the latest text is ever reported, on the GUI thread.
class AtlasSearch : public QObject {
  Q_OBJECT

 public:
  /// Long enough to skip the keystrokes of someone typing, short enough to
  /// feel immediate.
  static constexpr int kDelayMs = 150;
  static constexpr std::size_t kMaxPlaces = 50;

  explicit AtlasSearch(QObject* parent = nullptr);
  ~AtlasSearch() override;  ///< cancels the running query and waits for the worker

  /// Searches for `text` once the typing pauses.
  void setText(const QString& text);
  /// Searches for the last text now.
  void searchNow();
  /// True from setText until its answer is reported.
  bool pending() const { return pending_; }

 signals:
  /// The answer for `text`, best first; empty when nothing fits.
  void found(const QString& text, const std::vector<kelvra::AtlasPlace>& places);

 private:
  void handleAnswer(quint64 generation, const QString& text, const std::vector<AtlasPlace>& places);

  QTimer delay_;
  QThread thread_;
  QObject* worker_;  // lives in thread_
  AtlasService& atlas_;
  std::shared_ptr<PlaceSearch> query_;
  quint64 generation_ = 0;
  QString text_;
  bool pending_ = false;
};

/// Calls `ready` on `context`'s thread once the atlas index is built: at once
/// when it is, else after building it on a worker thread, so the GUI never
/// waits the index's build time. Nothing is called once `context` is gone.
void WhenAtlasIndexReady(QObject* context, std::function<void()> ready);

/// The atlas when its index is built, else nullptr (and nothing is loaded).
const AtlasService* AtlasIndexIfReady();

/// The atlas with its index, loaded and built now on this thread if need be;
/// an atlas that knows no place when its module cannot be loaded.
const AtlasService& AtlasIndexNow();

/// The atlas module, loaded on the first call; an atlas that knows no place
/// when the module cannot be loaded.
AtlasService& Atlas();

}  // namespace kelvra
