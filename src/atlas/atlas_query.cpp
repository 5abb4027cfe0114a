// SPDX-License-Identifier: AGPL-3.0-or-later
// geonames.h brings in GIO; it stays in .cpp files, away from Qt's `signals`.
#include <geonames.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "atlas/atlas.h"
#include "atlas/geonames_places.h"

namespace kelvra {

struct atlas_detail::QueryState {
  QueryState() : cancellable(g_cancellable_new()) {}
  ~QueryState() { g_object_unref(cancellable); }
  QueryState(const QueryState&) = delete;
  QueryState& operator=(const QueryState&) = delete;

  GCancellable* cancellable;
  std::mutex mutex;
  std::condition_variable changed;  // a search done, or cancelled
};

namespace {

struct Search {
  std::shared_ptr<atlas_detail::QueryState> query;  // kept alive for a search that outlives its AtlasQuery
  std::string text;
  std::size_t maxResults = 0;
  bool done = false;  // guarded by query->mutex, like places
  std::vector<AtlasPlace> places;
};

// libgeonames 0.3.0's synchronous query ignores its GCancellable and scans
// every city (about 50 ms), so it runs here, one search at a time, while Run
// waits for either the answer or Cancel. Searches cancelled while queued are
// never run, so fast typing costs one scan, not one per keystroke.
class SearchWorker {
 public:
  static SearchWorker& Instance() {
    static SearchWorker worker;
    return worker;
  }

  void Post(std::shared_ptr<Search> search) {
    {
      const std::lock_guard lock(mutex_);
      queue_.push_back(std::move(search));
    }
    wake_.notify_one();
  }

  // Static destruction: finish the scan under way, so the thread is gone
  // before libgeonames unloads, and answer the rest empty, so that no Run
  // keeps a thread pool's exit waiting.
  ~SearchWorker() {
    std::deque<std::shared_ptr<Search>> dropped;
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
      dropped.swap(queue_);
    }
    wake_.notify_one();
    thread_.join();
    for (const auto& search : dropped) Finish(*search, {});
  }

 private:
  SearchWorker() : thread_([this] { Serve(); }) {}

  void Serve() {
    for (;;) {
      std::shared_ptr<Search> search;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        search = std::move(queue_.front());
        queue_.pop_front();
      }
      GCancellable* cancellable = search->query->cancellable;
      Finish(*search, g_cancellable_is_cancelled(cancellable)
                          ? std::vector<AtlasPlace>()
                          : Query(search->text, search->maxResults, cancellable));
    }
  }

  static void Finish(Search& search, std::vector<AtlasPlace> places) {
    {
      const std::lock_guard lock(search.query->mutex);
      search.places = std::move(places);
      search.done = true;
    }
    search.query->changed.notify_all();
  }

  static std::vector<AtlasPlace> Query(const std::string& text, std::size_t maxResults, GCancellable* cancellable) {
    // The library knows city names only; what follows a comma narrows its
    // answer here, before the limit, so that the places kept all fit.
    const PlaceSearchText search = SplitPlaceSearch(text);
    if (search.name.empty()) return {};
    guint length = 0;
    // Passed on in case a later libgeonames honours it.
    gint* found =
        geonames_query_cities_sync(search.name.c_str(), GEONAMES_QUERY_DEFAULT, &length, cancellable, nullptr);
    std::vector<AtlasPlace> places;
    for (guint i = 0; found && i < length && places.size() < maxResults; ++i) {
      if (g_cancellable_is_cancelled(cancellable)) break;
      AtlasPlace place = atlas_detail::LibraryPlace(found[i]);
      if (PlaceLiesWithin(place, search.within)) places.push_back(std::move(place));
    }
    g_free(found);
    return places;
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::shared_ptr<Search>> queue_;
  bool stopping_ = false;
  std::thread thread_;  // last: started once the members it uses exist
};

}  // namespace

PlaceSearchText SplitPlaceSearch(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const auto trimmed = [&](std::string_view part) {
    const std::size_t first = part.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return std::string();
    return std::string(part.substr(first, part.find_last_not_of(kBlank) - first + 1));
  };
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return {trimmed(text), {}};
  return {trimmed(text.substr(0, comma)), FoldForSearch(text.substr(comma + 1))};
}

bool PlaceLiesWithin(const AtlasPlace& place, std::string_view within) {
  if (within.empty()) return true;
  for (const std::string* name : {&place.state, &place.country, &place.countryCode})
    if (FoldForSearch(*name).starts_with(within)) return true;
  return false;
}

AtlasQuery::AtlasQuery() : state_(std::make_shared<atlas_detail::QueryState>()) {}

AtlasQuery::~AtlasQuery() { Cancel(); }

std::vector<AtlasPlace> AtlasQuery::Run(const std::string& text, std::size_t maxResults) {
  if (maxResults == 0 || IsCancelled() || text.find_first_not_of(" \t\r\n") == std::string::npos) return {};
  auto search = std::make_shared<Search>();
  search->query = state_;
  search->text = text;
  search->maxResults = maxResults;
  SearchWorker::Instance().Post(search);

  std::unique_lock lock(state_->mutex);
  state_->changed.wait(lock, [&] { return search->done || IsCancelled(); });
  if (IsCancelled()) return {};
  return std::move(search->places);
}

void AtlasQuery::Cancel() {
  g_cancellable_cancel(state_->cancellable);
  // Under the mutex, so a Run between its check and its wait cannot miss it.
  { const std::lock_guard lock(state_->mutex); }
  state_->changed.notify_all();
}

bool AtlasQuery::IsCancelled() const { return g_cancellable_is_cancelled(state_->cancellable); }

}  // namespace kelvra
