// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/entry_words.h"

#include <array>

namespace kelvra {

namespace {

struct MissingEntry {
  Template man;
  Template woman;  // the form words two boxes differently for her
};

// In EntryWordsField order.
constexpr std::array<MissingEntry, 10> kMissingEntries = [] {
  constexpr Template latDeg = KELVRA_TR("Entry form", "Please Enter Degree in Latitude");
  constexpr Template latMin = KELVRA_TR("Entry form", "Please Enter Minutes in Latitude");
  constexpr Template longDeg = KELVRA_TR("Entry form", "Please Enter Degree in Longitude");
  constexpr Template city = KELVRA_TR("Entry form", "Please Enter City");
  constexpr Template state = KELVRA_TR("Entry form", "Please Enter State");
  constexpr Template country = KELVRA_TR("Entry form", "Please Enter Country");
  constexpr Template latDir = KELVRA_TR("Entry form", "Please Select Direction For The Latitude");
  constexpr Template longDir = KELVRA_TR("Entry form", "Please Select Direction For The Longitude");
  return std::array<MissingEntry, 10>{{
      {KELVRA_TR("Entry form", "Please Enter Male Name"), KELVRA_TR("Entry form", "Please Enter Female Name")},
      {latDeg, latDeg},
      {latMin, latMin},
      {longDeg, longDeg},
      {KELVRA_TR("Entry form", "Please Enter Minute in Longitude"),
       KELVRA_TR("Entry form", "Please Enter Minutes in Longitude")},
      {city, city},
      {state, state},
      {country, country},
      {latDir, latDir},
      {longDir, longDir},
  }};
}();

// In chart-point order. These differ on purpose from the points' names in
// sentences ("North Node") and from the rows' "N.Node".
constexpr std::array<Template, kChartPointCount> kChartTableCaptions = {{
    KELVRA_TR("Chart table", "Sun"),
    KELVRA_TR("Chart table", "Mercury"),
    KELVRA_TR("Chart table", "Venus"),
    KELVRA_TR("Chart table", "Mars"),
    KELVRA_TR("Chart table", "Jupiter"),
    KELVRA_TR("Chart table", "Saturn"),
    KELVRA_TR("Chart table", "Uranus"),
    KELVRA_TR("Chart table", "Neptune"),
    KELVRA_TR("Chart table", "Pluto"),
    KELVRA_TR("Chart table", "Moon"),
    KELVRA_TR("Chart table", "N. Node"),
    KELVRA_TR("Chart table", "S. Node"),
    KELVRA_TR("Chart table", "P_of_F"),
    KELVRA_TR("Chart table", "Asc"),
    KELVRA_TR("Chart table", "MC"),
    KELVRA_TR("Chart table", "Chiron"),
}};

}  // namespace

Template MissingEntryMessage(EntryWordsField field, EntryWordsPerson person) {
  const MissingEntry& entry = kMissingEntries.at(static_cast<std::size_t>(field));
  return person == EntryWordsPerson::Man ? entry.man : entry.woman;
}

Template ChartTableCaption(ChartPoint point) {
  return kChartTableCaptions.at(static_cast<std::size_t>(static_cast<int>(point) - 1));
}

}  // namespace kelvra
