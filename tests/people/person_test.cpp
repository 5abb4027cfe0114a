// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/person.h"

#include <gtest/gtest.h>

#include <functional>

namespace kelvra::people {
namespace {

TEST(Person, SameBirthComparesTheRecordNotWhatIsKeptBesides) {
  Person base;
  base.name = "Ada";
  base.latDeg = 51;
  const struct {
    const char* what;
    std::function<void(Person&)> change;
    bool same;
  } rows[] = {
      {"notes", [](Person& p) { p.notes = "x"; }, true},
      {"zone", [](Person& p) { p.zone = "Europe/London"; }, true},
      {"place", [](Person& p) { p.city = "London"; }, true},
      {"sex", [](Person& p) { p.sex = Sex::Female; }, true},
      {"name bytes", [](Person& p) { p.name = "Ada "; }, false},
      {"second", [](Person& p) { p.second = 1; }, false},
      {"latitude direction", [](Person& p) { p.latDir = 'S'; }, false},
      {"longitude minutes", [](Person& p) { p.longMin = 1; }, false},
  };
  for (const auto& row : rows) {
    Person changed = base;
    row.change(changed);
    EXPECT_EQ(SameBirth(base, changed), row.same) << row.what;
  }
}

}  // namespace
}  // namespace kelvra::people
