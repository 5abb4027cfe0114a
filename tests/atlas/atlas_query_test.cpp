// SPDX-License-Identifier: AGPL-3.0-or-later
#include <dlfcn.h>
#include <geonames.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "atlas/atlas.h"

namespace kelvra {
namespace {

// The library's search as this program sees it: a gate in front of the real
// one that a test can shut, to hold the scan under way for as long as it
// likes, and a log of the texts scanned. So a test tells a wait that Cancel
// ended from one that the scan ended without timing either.
struct LibraryGate {
  std::mutex mutex;
  std::condition_variable changed;
  bool shut = false;
  std::vector<std::string> scanned;  // every text the library was asked for

  void Shut() {
    const std::lock_guard lock(mutex);
    shut = true;
    scanned.clear();
  }
  void Open() {
    {
      const std::lock_guard lock(mutex);
      shut = false;
    }
    changed.notify_all();
  }
  // Waits until the library has been asked for `count` texts. Only a fault
  // makes this wait long.
  bool WaitForScans(std::size_t count) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(60), [&] { return scanned.size() >= count; });
  }
  std::vector<std::string> Scanned() {
    const std::lock_guard lock(mutex);
    return scanned;
  }
};

LibraryGate& Gate() {
  static LibraryGate gate;
  return gate;
}

// Opens the gate when a test ends, whatever its checks found, so that no
// thread stays held.
struct OpenGateAtEnd {
  ~OpenGateAtEnd() { Gate().Open(); }
};

}  // namespace
}  // namespace kelvra

// Defined in this program, the function takes the place of the library's for
// the atlas code linked in; it passes every call on to the library.
extern "C" gint* geonames_query_cities_sync(const gchar* query, GeonamesQueryFlags flags, guint* length,
                                            GCancellable* cancellable, GError** error) {
  using Search = gint* (*)(const gchar*, GeonamesQueryFlags, guint*, GCancellable*, GError**);
  static const auto library = reinterpret_cast<Search>(dlsym(RTLD_NEXT, "geonames_query_cities_sync"));
  kelvra::LibraryGate& gate = kelvra::Gate();
  {
    std::unique_lock lock(gate.mutex);
    gate.scanned.emplace_back(query);
    gate.changed.notify_all();
    gate.changed.wait(lock, [&] { return !gate.shut; });
  }
  return library(query, flags, length, cancellable, error);
}

namespace kelvra {
namespace {

// No GLib main loop runs here, as in the CLI or a Qt program built with QT_NO_GLIB.
TEST(AtlasQuery, FindsPlacesAsTheUserTypes) {
  struct Row {
    const char* text;
    const char *city, *countryCode, *timeZone;
  };
  const Row rows[] = {
      {"Tromso", "Tromsø", "NO", "Europe/Oslo"},
      {"tromsø", "Tromsø", "NO", "Europe/Oslo"},
      {"Kyiv", "Kyiv", "UA", "Europe/Kiev"},
  };
  for (const auto& row : rows) {
    const auto places = AtlasQuery().Run(row.text, 5);
    ASSERT_FALSE(places.empty()) << row.text;
    EXPECT_EQ(places.front().city, row.city) << row.text;
    EXPECT_EQ(places.front().countryCode, row.countryCode) << row.text;
    EXPECT_EQ(places.front().timeZone, row.timeZone) << row.text;
  }
}

TEST(AtlasQuery, TextAfterACommaNarrowsToACountryOrState) {
  struct Row {
    const char* text;
    const char *city, *state, *countryCode;
  };
  const Row rows[] = {
      {"Paris, France", "Paris", nullptr, "FR"},
      {"paris,fr", "Paris", nullptr, "FR"},
      {"Paris, Texas", "Paris", "Texas", "US"},
      {"Portland, Oregon", "Portland", "Oregon", "US"},
  };
  for (const auto& row : rows) {
    const auto places = AtlasQuery().Run(row.text, 50);
    ASSERT_FALSE(places.empty()) << row.text;
    EXPECT_EQ(places.front().city, row.city) << row.text;
    EXPECT_EQ(places.front().countryCode, row.countryCode) << row.text;
    if (row.state) {
      EXPECT_EQ(places.front().state, row.state) << row.text;
    }
    const std::string within = SplitPlaceSearch(row.text).within;
    for (const AtlasPlace& place : places) EXPECT_TRUE(PlaceLiesWithin(place, within)) << row.text << place.city;
  }
  EXPECT_TRUE(AtlasQuery().Run("Paris, Atlantis", 50).empty());
  EXPECT_TRUE(AtlasQuery().Run(" , France", 50).empty());
}

TEST(SplitPlaceSearch, CityAndWhereItLies) {
  const struct {
    const char* text;
    PlaceSearchText split;
  } rows[] = {
      {"Paris", {"Paris", ""}},
      {"  San Jose ", {"San Jose", ""}},
      {"Paris, France", {"Paris", "france"}},
      {"Saint-Étienne ,  Auvergne-Rhône-Alpes", {"Saint-Étienne", "auvergne rhone alpes"}},
      {"Paris,", {"Paris", ""}},
      {", Texas", {"", "texas"}},
      {"Washington, D.C., USA", {"Washington", "d c usa"}},
  };
  for (const auto& row : rows) EXPECT_EQ(SplitPlaceSearch(row.text), row.split) << row.text;
}

TEST(AtlasQuery, KeepsToTheLimitAndIgnoresBlankText) {
  EXPECT_EQ(AtlasQuery().Run("a", 3).size(), 3u);
  EXPECT_GT(AtlasQuery().Run("a", 100).size(), 3u);
  EXPECT_TRUE(AtlasQuery().Run("  ", 10).empty());
  EXPECT_TRUE(AtlasQuery().Run("Pune", 0).empty());
  EXPECT_TRUE(AtlasQuery().Run("Xqzzyvil", 10).empty());
}

// The scan is held at the gate, so only Cancel can end the wait.
TEST(AtlasQuery, CancelEndsTheWaitWhileTheScanIsUnderWay) {
  Gate().Shut();
  AtlasQuery query;
  auto running = std::async(std::launch::async, [&] { return query.Run("s", 10); });
  const OpenGateAtEnd openGate;  // before the run's end is waited for
  ASSERT_TRUE(Gate().WaitForScans(1));
  query.Cancel();
  ASSERT_EQ(running.wait_for(std::chrono::seconds(60)), std::future_status::ready) << "Cancel did not end the wait";
  EXPECT_TRUE(running.get().empty());
  EXPECT_TRUE(query.IsCancelled());
  Gate().Open();

  // Once cancelled, later runs return at once without a scan, and a fresh
  // query still answers.
  EXPECT_TRUE(query.Run("Pune", 5).empty());
  EXPECT_FALSE(AtlasQuery().Run("Pune", 5).empty());
  EXPECT_EQ(Gate().Scanned(), (std::vector<std::string>{"s", "Pune"}));
}

TEST(AtlasQuery, SearchesCancelledWhileQueuedNeverRun) {
  Gate().Shut();
  // A burst of keystrokes, all superseded while the first is being answered.
  std::vector<std::unique_ptr<AtlasQuery>> stale;
  std::vector<std::future<std::vector<AtlasPlace>>> runs;
  const OpenGateAtEnd openGate;  // before the runs' ends are waited for
  for (int i = 0; i < 20; ++i) {
    stale.push_back(std::make_unique<AtlasQuery>());
    runs.push_back(std::async(std::launch::async, [query = stale.back().get(), i] {
      return query->Run("san " + std::to_string(i), 10);
    }));
    if (i == 0) {
      ASSERT_TRUE(Gate().WaitForScans(1));  // the first one's scan is held at the gate
    }
  }
  // Time for the others to queue behind the held scan. One that comes late
  // sees its Cancel before it queues, which the checks accept as well.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  for (auto& query : stale) query->Cancel();
  for (auto& run : runs) EXPECT_TRUE(run.get().empty());
  Gate().Open();

  // Only the scan under way stood before the next search: none of the
  // cancelled ones was scanned.
  EXPECT_FALSE(AtlasQuery().Run("san", 10).empty());
  EXPECT_EQ(Gate().Scanned(), (std::vector<std::string>{"san 0", "san"}));
}

}  // namespace
}  // namespace kelvra
