// SPDX-License-Identifier: AGPL-3.0-or-later
#include "atlas/atlas_loader.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

// The program reaches the atlas only through its module, loaded on first use.
TEST(AtlasLoader, LoadsTheModuleOnFirstUseAndServesThroughIt) {
  EXPECT_FALSE(AtlasLoaded());
  std::string failure;
  AtlasService* atlas = LoadAtlas(&failure);
  ASSERT_NE(atlas, nullptr) << failure;
  EXPECT_TRUE(AtlasLoaded());
  EXPECT_EQ(LoadAtlas(), atlas);

  const AtlasFindResult found = atlas->Find("tromso", "", "NO");
  ASSERT_EQ(found.outcome, AtlasFindResult::Outcome::Found);
  EXPECT_EQ(found.Place()->timeZone, "Europe/Oslo");
  EXPECT_FALSE(atlas->NewSearch()->Run("Tromsø", 5).empty());
  const AtlasNearest nearest = atlas->Nearest(70 + 40 / 60.0, 23 + 41 / 60.0);  // Hammerfest
  ASSERT_NE(nearest.place, nullptr);
  EXPECT_NEAR(nearest.distanceKm, 211, 10);
  EXPECT_FALSE(atlas->TimeZones().empty());
}

}  // namespace
}  // namespace kelvra
