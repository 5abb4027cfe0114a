// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstring>
#include <string>

#include "vocabulary/cli_words.h"

namespace kelvra::csv {

/// The system's words for `error` (an errno value), for "cannot ...: reason".
inline std::string SystemReason(int error) {
  return error != 0 ? std::string(std::strerror(error)) : Tr(words::kCliNoSystemReason);
}

}  // namespace kelvra::csv
