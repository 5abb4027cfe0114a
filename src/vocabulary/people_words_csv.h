// SPDX-License-Identifier: AGPL-3.0-or-later
// What the people CSV reader says of a value it refuses; the column comes
// first, through kColumnRefusal ("sex: must be male, female or empty").
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {

inline constexpr Template kPeopleCsvSex = KELVRA_TR("People files", "must be male, female or empty");
inline constexpr Template kPeopleCsvUtcOffset =
    KELVRA_TR("People files", "must be +HH:MM or -HH:MM (hours 00 to 14, minutes 00 to 59), LMT, or empty");

}  // namespace kelvra::words
