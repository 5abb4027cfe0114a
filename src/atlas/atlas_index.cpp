// SPDX-License-Identifier: AGPL-3.0-or-later
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>

#include "atlas/atlas.h"
#include "atlas/geonames_places.h"

namespace kelvra {

namespace {

// libgeonames translates names by the locale's LC_MESSAGES and LANGUAGE; the
// "C" locale (not "C.UTF-8", for which gettext still reads LANGUAGE) keeps
// the atlas' own names. Only this thread's locale changes, and only while
// the index is read.
class UntranslatedNames {
 public:
  UntranslatedNames() : c_(newlocale(LC_ALL_MASK, "C", locale_t{})), previous_(c_ ? uselocale(c_) : locale_t{}) {}
  ~UntranslatedNames() {
    if (!c_) return;
    uselocale(previous_);
    freelocale(c_);
  }
  UntranslatedNames(const UntranslatedNames&) = delete;
  UntranslatedNames& operator=(const UntranslatedNames&) = delete;

 private:
  locale_t c_;
  locale_t previous_;
};

bool IsCountryCode(std::string_view text, const std::string& code) {
  return text.size() == 2 && code.size() == 2 &&
         std::toupper(static_cast<unsigned char>(text[0])) == code[0] &&
         std::toupper(static_cast<unsigned char>(text[1])) == code[1];
}

// Orders place indices by their keys, and compares a key with an index.
struct ByKey {
  const std::vector<std::string>& keys;
  bool operator()(std::size_t a, std::size_t b) const { return keys[a] < keys[b]; }
  bool operator()(std::size_t a, const std::string& key) const { return keys[a] < key; }
  bool operator()(const std::string& key, std::size_t b) const { return key < keys[b]; }
};

}  // namespace

const AtlasIndex& AtlasIndex::Instance() {
  static const AtlasIndex index;
  return index;
}

AtlasIndex::AtlasIndex() {
  {
    const UntranslatedNames untranslated;
    const int count = atlas_detail::LibraryPlaceCount();
    places_.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) places_.push_back(atlas_detail::LibraryPlace(i));
  }
  foldedCities_.reserve(places_.size());
  positions_.reserve(places_.size());
  byCity_.resize(places_.size());
  constexpr double kRadians = std::numbers::pi / 180;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const AtlasPlace& place = places_[i];
    foldedCities_.push_back(FoldForSearch(place.city));
    const double phi = place.latitude * kRadians, lambda = place.longitude * kRadians;
    positions_.push_back({std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)});
    byCity_[i] = i;
    timeZones_.push_back(place.timeZone);
  }
  std::sort(byCity_.begin(), byCity_.end(), ByKey{foldedCities_});
  std::sort(timeZones_.begin(), timeZones_.end());
  timeZones_.erase(std::unique(timeZones_.begin(), timeZones_.end()), timeZones_.end());
  std::erase(timeZones_, std::string());
}

const std::vector<AtlasPlace>& AtlasIndex::Places() const { return places_; }

const std::vector<std::string>& AtlasIndex::TimeZones() const { return timeZones_; }

AtlasFindResult AtlasIndex::Find(std::string_view city, std::string_view state, std::string_view country) const {
  const std::string cityKey = FoldForSearch(city);
  const std::string stateKey = FoldForSearch(state);
  const std::string countryKey = FoldForSearch(country);
  AtlasFindResult result;
  if (cityKey.empty()) return result;

  const auto [first, last] = std::equal_range(byCity_.begin(), byCity_.end(), cityKey, ByKey{foldedCities_});
  for (auto it = first; it != last; ++it) {
    const AtlasPlace& place = places_[*it];
    if (!stateKey.empty() && FoldForSearch(place.state) != stateKey) continue;
    if (!countryKey.empty() && !IsCountryCode(countryKey, place.countryCode) &&
        FoldForSearch(place.country) != countryKey) {
      continue;
    }
    result.places.push_back(&place);
  }
  std::stable_sort(result.places.begin(), result.places.end(),
                   [](const AtlasPlace* a, const AtlasPlace* b) { return a->population > b->population; });
  using Outcome = AtlasFindResult::Outcome;
  result.outcome = result.places.empty() ? Outcome::NotFound
                   : result.places.size() == 1 ? Outcome::Found
                                               : Outcome::Ambiguous;
  return result;
}

AtlasNearest AtlasIndex::Nearest(double latitude, double longitude) const {
  constexpr double kRadians = std::numbers::pi / 180;
  const double phi = latitude * kRadians, lambda = longitude * kRadians;
  const UnitVector target{std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
  // The largest dot product of unit vectors is the smallest angle between them.
  double best = -std::numeric_limits<double>::infinity();
  const AtlasPlace* nearest = nullptr;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const UnitVector& p = positions_[i];
    const double dot = p.x * target.x + p.y * target.y + p.z * target.z;
    if (dot > best) {
      best = dot;
      nearest = &places_[i];
    }
  }
  if (!nearest) return {};
  return {nearest, GreatCircleKm(latitude, longitude, nearest->latitude, nearest->longitude)};
}

}  // namespace kelvra
