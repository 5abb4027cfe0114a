// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstring>
#include <string>

namespace kelvra::cli {

/// The system's words for `error` (an errno value), for "cannot ...: reason".
inline std::string SystemReason(int error) { return error != 0 ? std::strerror(error) : "the system gave no reason"; }

}  // namespace kelvra::cli
