// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/person.h"

#include <tuple>

namespace kelvra::people {

bool SameBirth(const Person& a, const Person& b) {
  const auto key = [](const Person& p) {
    return std::tie(p.name, p.day, p.month, p.year, p.hour, p.minute, p.second, p.latDeg, p.latMin, p.latDir,
                    p.longDeg, p.longMin, p.longDir);
  };
  return key(a) == key(b);
}

}  // namespace kelvra::people
