// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// The birthplace atlas: libgeonames' copy of the GeoNames cities (about 24,000
// towns, most with 15,000 people or more). Plain C++ with UTF-8 strings, so the
// CLI needs no Qt; GLib stays inside the .cpp files. Nothing here does any work
// until first called.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas_types.h"

namespace kelvra {

namespace atlas_detail {
struct QueryState;
}

/// One search as the user types, answered by libgeonames' own ranked query
/// (which also knows alternate names). Names come in the user's language, as
/// the process locale selects. Run blocks, so call it off the GUI thread; the
/// searches of all queries are answered one at a time, needing no GLib main
/// loop. Cancel, from any thread, makes Run return at once. A cancelled query
/// stays cancelled: use a new one for the next keystroke.
class AtlasQuery {
 public:
  AtlasQuery();
  ~AtlasQuery();  ///< cancels
  AtlasQuery(const AtlasQuery&) = delete;
  AtlasQuery& operator=(const AtlasQuery&) = delete;

  /// At most `maxResults` places, best first; empty when cancelled, when
  /// `text` is blank or when nothing fits.
  std::vector<AtlasPlace> Run(const std::string& text, std::size_t maxResults);
  void Cancel();
  bool IsCancelled() const;

 private:
  std::shared_ptr<atlas_detail::QueryState> state_;
};

/// Every atlas place in memory, for lookups that must not run the library's
/// query (about 50 ms each) per CSV row. Names are the atlas' English ones
/// whatever the locale, so the CLI reads the same files the same way anywhere.
class AtlasIndex {
 public:
  /// Built on the first call (about 0.15 s, 10 MB), from any thread.
  static const AtlasIndex& Instance();

  /// In libgeonames' order.
  const std::vector<AtlasPlace>& Places() const;

  /// The place with this city name, compared by FoldForSearch ("tromso"
  /// finds "Tromsø", "St. Louis" finds "St Louis"). `state` is a name,
  /// `country` a name or ISO code; either may be empty for "any".
  AtlasFindResult Find(std::string_view city, std::string_view state, std::string_view country) const;

  /// The place nearest by great-circle distance, for coordinates typed by hand.
  AtlasNearest Nearest(double latitude, double longitude) const;

  /// Every time zone the atlas names, sorted, each once.
  const std::vector<std::string>& TimeZones() const;

 private:
  AtlasIndex();
  struct UnitVector {
    double x, y, z;
  };
  std::vector<AtlasPlace> places_;
  std::vector<std::string> foldedCities_;  // parallel to places_
  std::vector<std::size_t> byCity_;        // places_ indices, ordered by folded city
  std::vector<UnitVector> positions_;      // parallel to places_, so Nearest needs no trigonometry per place
  std::vector<std::string> timeZones_;
};

/// The key names are compared by: lower case, accents and apostrophes dropped,
/// Latin letters such as ø, ß, ł spelt in ASCII, and any run of punctuation or
/// spaces made one space. Other scripts are kept, lower-cased.
std::string FoldForSearch(std::string_view utf8);

/// A search as typed in one box: "Paris, France" or "Portland, Oregon" is a
/// city name and, after the first comma, a country or state it lies in.
struct PlaceSearchText {
  std::string name;    ///< trimmed; the whole text when there is no comma
  std::string within;  ///< folded by FoldForSearch; empty for "anywhere"
  bool operator==(const PlaceSearchText&) const = default;
};
PlaceSearchText SplitPlaceSearch(std::string_view text);

/// Whether `place`'s state, country or country code, folded, begins with
/// `within` (already folded), so that "Fra" narrows as "France" does.
bool PlaceLiesWithin(const AtlasPlace& place, std::string_view within);

/// Great-circle distance in km on a sphere of the Earth's mean radius.
double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2);

}  // namespace kelvra
