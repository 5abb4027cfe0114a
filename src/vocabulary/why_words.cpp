// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/why_words.h"

namespace kelvra::words {

Template HouseWords(HouseClass houseClass) {
  switch (houseClass) {
    case HouseClass::Angular: return KELVRA_TR("Why this result", "%1 (angular)");
    case HouseClass::Succedent: return KELVRA_TR("Why this result", "%1 (succedent)");
    case HouseClass::Cadent: return KELVRA_TR("Why this result", "%1 (cadent)");
  }
  return {"Why this result", "%1"};  // no class: the number alone, nothing to translate
}

}  // namespace kelvra::words
