// SPDX-License-Identifier: AGPL-3.0-or-later
// The atlas module: the library's searches and index behind AtlasService.
#include "atlas/atlas.h"
#include "atlas/atlas_service.h"

namespace kelvra {
namespace {

class LibrarySearch final : public PlaceSearch {
 public:
  std::vector<AtlasPlace> Run(const std::string& text, std::size_t maxResults) override {
    return query_.Run(text, maxResults);
  }
  void Cancel() override { query_.Cancel(); }

 private:
  AtlasQuery query_;
};

class LibraryAtlas final : public AtlasService {
 public:
  std::unique_ptr<PlaceSearch> NewSearch() override { return std::make_unique<LibrarySearch>(); }
  AtlasFindResult Find(std::string_view city, std::string_view state, std::string_view country) const override {
    return AtlasIndex::Instance().Find(city, state, country);
  }
  AtlasNearest Nearest(double latitude, double longitude) const override {
    return AtlasIndex::Instance().Nearest(latitude, longitude);
  }
  const std::vector<std::string>& TimeZones() const override { return AtlasIndex::Instance().TimeZones(); }
};

}  // namespace
}  // namespace kelvra

extern "C" __attribute__((visibility("default"))) kelvra::AtlasService* kelvra_atlas_service_v1() {
  static kelvra::LibraryAtlas atlas;
  return &atlas;
}
