// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/atlas_search.h"

#include "atlas/atlas_loader.h"

#include <QCoreApplication>
#include <QPointer>
#include <atomic>
#include <utility>

namespace kelvra {

AtlasSearch::AtlasSearch(QObject* parent) : QObject(parent), worker_(new QObject), atlas_(Atlas()) {
  delay_.setSingleShot(true);
  delay_.setInterval(kDelayMs);
  connect(&delay_, &QTimer::timeout, this, &AtlasSearch::searchNow);
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.setObjectName(QStringLiteral("atlas search"));
  thread_.start();
}

AtlasSearch::~AtlasSearch() {
  if (query_) query_->Cancel();  // Run returns at once, so the wait is short
  thread_.quit();
  thread_.wait();
}

void AtlasSearch::setText(const QString& text) {
  text_ = text;
  pending_ = true;
  delay_.start();
}

void AtlasSearch::searchNow() {
  delay_.stop();
  pending_ = true;
  if (query_) query_->Cancel();
  query_ = atlas_.NewSearch();
  const quint64 generation = ++generation_;
  QMetaObject::invokeMethod(worker_, [this, query = query_, generation, text = text_] {
    const std::vector<AtlasPlace> places = query->Run(text.toStdString(), kMaxPlaces);
    // The destructor waits for this thread, so `this` outlives the call; an
    // answer still queued when it goes is dropped with it.
    QMetaObject::invokeMethod(this, [this, generation, text, places] { handleAnswer(generation, text, places); },
                              Qt::QueuedConnection);
  });
}

void AtlasSearch::handleAnswer(quint64 generation, const QString& text, const std::vector<AtlasPlace>& places) {
  if (generation != generation_) return;  // a newer search is under way
  pending_ = delay_.isActive();
  emit found(text, places);
}

namespace {

std::atomic<bool> indexBuilt{false};

// The one build running, so several callers share it.
QPointer<QThread>& BuildingThread() {
  static QPointer<QThread> thread;
  return thread;
}

}  // namespace

namespace {

// Stands in when the atlas module cannot be loaded: the atlas then finds
// nothing, and the window says so.
class NoAtlas final : public AtlasService {
 public:
  class NoSearch final : public PlaceSearch {
   public:
    std::vector<AtlasPlace> Run(const std::string&, std::size_t) override { return {}; }
    void Cancel() override {}
  };
  std::unique_ptr<PlaceSearch> NewSearch() override { return std::make_unique<NoSearch>(); }
  AtlasFindResult Find(std::string_view, std::string_view, std::string_view) const override { return {}; }
  AtlasNearest Nearest(double, double) const override { return {}; }
  const std::vector<std::string>& TimeZones() const override { return zones_; }

 private:
  std::vector<std::string> zones_;
};

}  // namespace

AtlasService& Atlas() {
  if (AtlasService* loaded = LoadAtlas()) return *loaded;
  static NoAtlas none;
  return none;
}

const AtlasService* AtlasIndexIfReady() { return indexBuilt ? &Atlas() : nullptr; }

const AtlasService& AtlasIndexNow() {
  const AtlasService& atlas = Atlas();
  atlas.TimeZones();  // builds the index
  indexBuilt = true;
  return atlas;
}

void WhenAtlasIndexReady(QObject* context, std::function<void()> ready) {
  if (indexBuilt) {
    ready();
    return;
  }
  QPointer<QThread>& thread = BuildingThread();
  if (!thread) {
    thread = QThread::create([] { AtlasIndexNow(); });
    thread->setObjectName(QStringLiteral("atlas index"));
    // Owned by the application, which outlives every window that waits for it.
    thread->setParent(QCoreApplication::instance());
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
  }
  // The build may end between the check above and the connection below, when
  // its signal has gone out already: then the check after the connection
  // answers instead. Either way `ready` runs once.
  auto once = std::make_shared<std::function<void()>>(std::move(ready));
  auto call = [once] {
    if (*once) std::exchange(*once, nullptr)();
  };
  QObject::connect(thread, &QThread::finished, context, call);
  if (indexBuilt) QMetaObject::invokeMethod(context, call, Qt::QueuedConnection);
}

}  // namespace kelvra
