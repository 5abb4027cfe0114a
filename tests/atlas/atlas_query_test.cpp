// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "atlas/atlas.h"

namespace kelvra {
namespace {

using Clock = std::chrono::steady_clock;

// How long the library takes to answer, once loaded; a cancelled search must
// return well within that.
Clock::duration OneScan(const char* text) {
  AtlasQuery().Run(text, 10);
  const auto start = Clock::now();
  EXPECT_FALSE(AtlasQuery().Run(text, 10).empty());
  return Clock::now() - start;
}

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

TEST(AtlasQuery, KeepsToTheLimitAndIgnoresBlankText) {
  EXPECT_EQ(AtlasQuery().Run("a", 3).size(), 3u);
  EXPECT_GT(AtlasQuery().Run("a", 100).size(), 3u);
  EXPECT_TRUE(AtlasQuery().Run("  ", 10).empty());
  EXPECT_TRUE(AtlasQuery().Run("Pune", 0).empty());
  EXPECT_TRUE(AtlasQuery().Run("Xqzzyvil", 10).empty());
}

TEST(AtlasQuery, CancelStopsTheWaitAtOnce) {
  const auto scan = OneScan("s");
  AtlasQuery query;
  auto running = std::async(std::launch::async, [&] { return query.Run("s", 10); });
  std::this_thread::sleep_for(scan / 10);
  const auto cancelledAt = Clock::now();
  query.Cancel();
  ASSERT_EQ(running.wait_for(scan * 2), std::future_status::ready);
  EXPECT_TRUE(running.get().empty());
  EXPECT_LT(Clock::now() - cancelledAt, scan / 2);
  EXPECT_TRUE(query.IsCancelled());

  // Once cancelled, later runs return at once, and a fresh query still answers.
  EXPECT_TRUE(query.Run("Pune", 5).empty());
  EXPECT_FALSE(AtlasQuery().Run("Pune", 5).empty());
}

TEST(AtlasQuery, SearchesCancelledWhileQueuedNeverRun) {
  const auto scan = OneScan("san");

  // A burst of keystrokes, all superseded while the first is being answered.
  std::vector<std::unique_ptr<AtlasQuery>> stale;
  std::vector<std::future<std::vector<AtlasPlace>>> runs;
  for (int i = 0; i < 20; ++i) {
    stale.push_back(std::make_unique<AtlasQuery>());
    runs.push_back(std::async(std::launch::async, [query = stale.back().get()] { return query->Run("san", 10); }));
  }
  std::this_thread::sleep_for(scan / 4);
  for (auto& query : stale) query->Cancel();
  // On a busy machine the one under way may have been answered before Cancel.
  int answered = 0;
  for (auto& run : runs) answered += !run.get().empty();
  EXPECT_LE(answered, 1);

  // Only the scan under way stands before the next search, not twenty.
  const auto start = Clock::now();
  EXPECT_FALSE(AtlasQuery().Run("san", 10).empty());
  EXPECT_LT(Clock::now() - start, scan * 5);
}

}  // namespace
}  // namespace kelvra
