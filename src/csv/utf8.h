// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string_view>

namespace kelvra::csv {

/// Whether `text` is well-formed UTF-8: no stray continuation byte, no
/// sequence cut short, no overlong form or surrogate.
bool IsValidUtf8(std::string_view text);

}  // namespace kelvra::csv
