// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "atlas/atlas.h"

namespace kelvra {
namespace {

TEST(FoldForSearch, MatchesWhatPeopleType) {
  struct Row {
    const char *typed, *folded;
  };
  const Row rows[] = {
      {"Tromsø", "tromso"},          {"TROMSØ", "tromso"},          {"Straßgang", "strassgang"},
      {"St. Louis", "st louis"},     {"Saint-Louis", "saint louis"}, {"  New   York ", "new york"},
      {"Cox’s Bāzār", "coxs bazar"}, {"Cox's Bazar", "coxs bazar"}, {"Şǝki", "seki"},
      {"Łódź", "lodz"},              {"Київ", "киів"},              {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(FoldForSearch(row.typed), row.folded) << row.typed;
}

TEST(GreatCircleKm, KnownDistances) {
  struct Row {
    double lat1, lon1, lat2, lon2, km;
  };
  const Row rows[] = {
      {51.5074, -0.1278, 51.5074, -0.1278, 0},      // same point
      {51.5074, -0.1278, 48.8566, 2.3522, 343.56},  // London - Paris
      {0, 179.5, 0, -179.5, 111.19},                // across the date line
      {10, 20, -10, -160, 20015.11},                // antipodes
  };
  for (const auto& r : rows) EXPECT_NEAR(GreatCircleKm(r.lat1, r.lon1, r.lat2, r.lon2), r.km, 0.1) << r.km;
}

TEST(AtlasIndex, FindsBirthplacesAsTyped) {
  struct Row {
    const char *city, *state, *country;
    const char *expectedCity, *expectedState, *timeZone;
  };
  const Row rows[] = {
      {"New York", "", "US", "New York", "New York", "America/New_York"},
      {"St. Louis", "Missouri", "United States of America", "St Louis", "Missouri", "America/Chicago"},
      {"pune", "", "India", "Pune", "Maharashtra", "Asia/Kolkata"},
      {"Tromsø", "", "Norway", "Tromsø", "Troms og Finnmark", "Europe/Oslo"},
      {"Tromso", "", "no", "Tromsø", "Troms og Finnmark", "Europe/Oslo"},
      {"Kyiv", "", "Ukraine", "Kyiv", "Kyiv City", "Europe/Kiev"},
      {"Springfield", "illinois", "", "Springfield", "Illinois", "America/Chicago"},
  };
  for (const auto& row : rows) {
    const AtlasFindResult found = AtlasIndex::Instance().Find(row.city, row.state, row.country);
    ASSERT_EQ(found.outcome, AtlasFindResult::Outcome::Found) << row.city;
    EXPECT_EQ(found.Place()->city, row.expectedCity);
    EXPECT_EQ(found.Place()->state, row.expectedState) << row.city;
    EXPECT_EQ(found.Place()->timeZone, row.timeZone) << row.city;
  }
}

TEST(AtlasIndex, RefusesWhatItCannotPin) {
  using Outcome = AtlasFindResult::Outcome;
  struct Row {
    const char *city, *state, *country;
    Outcome outcome;
  };
  const Row rows[] = {
      {"Springfield", "", "US", Outcome::Ambiguous},  // eight states have one
      {"Xqzzyvil", "", "", Outcome::NotFound},
      {"Pune", "Kerala", "IN", Outcome::NotFound},
      {"Louis", "", "US", Outcome::NotFound},  // a whole name, not part of "St Louis"
      {"", "", "US", Outcome::NotFound},
  };
  for (const auto& row : rows) {
    const AtlasFindResult found = AtlasIndex::Instance().Find(row.city, row.state, row.country);
    EXPECT_EQ(found.outcome, row.outcome) << row.city << "/" << row.state << "/" << row.country;
    EXPECT_EQ(found.Place(), nullptr) << row.city;
  }
  // Every candidate is offered, the largest first.
  const auto springfields = AtlasIndex::Instance().Find("Springfield", "", "US").places;
  ASSERT_GE(springfields.size(), 5u);
  EXPECT_EQ(springfields.front()->state, "Missouri");
  EXPECT_TRUE(std::is_sorted(springfields.begin(), springfields.end(),
                             [](auto* a, auto* b) { return a->population > b->population; }));
}

TEST(AtlasIndex, NearestPlaceToTypedCoordinates) {
  const AtlasIndex& atlas = AtlasIndex::Instance();
  // Hammerfest (70°40'N 23°41'E) is too small for the atlas; Tromsø is the nearest it has.
  const AtlasNearest hammerfest = atlas.Nearest(70 + 40 / 60.0, 23 + 41 / 60.0);
  ASSERT_NE(hammerfest.place, nullptr);
  EXPECT_EQ(hammerfest.place->city, "Tromsø");
  EXPECT_NEAR(hammerfest.distanceKm, 211, 5);

  // Over the date line: Fiji's Labasa (16.43°S 179.36°E) from 179.9°W.
  const AtlasNearest dateLine = atlas.Nearest(-16.43, -179.9);
  ASSERT_NE(dateLine.place, nullptr);
  EXPECT_EQ(dateLine.place->city, "Labasa");
  EXPECT_NEAR(dateLine.distanceKm, 79, 2);

  EXPECT_EQ(atlas.Nearest(std::nan(""), 0).place, nullptr);
}

TEST(AtlasIndex, TimeZonesAreSortedAndDistinct) {
  const auto& zones = AtlasIndex::Instance().TimeZones();
  EXPECT_GT(zones.size(), 300u);
  EXPECT_TRUE(std::adjacent_find(zones.begin(), zones.end(), std::greater_equal<>()) == zones.end());
  for (const char* zone : {"Europe/Kiev", "Asia/Kolkata", "Pacific/Fiji"}) {
    EXPECT_TRUE(std::binary_search(zones.begin(), zones.end(), zone)) << zone;
  }
}

}  // namespace
}  // namespace kelvra
