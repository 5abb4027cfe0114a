// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvra::cli {

/// Writes `contents` to `path` through a temporary file beside it, renamed
/// over `path` once wholly written, so a reader never sees part of a file.
/// Returns the system's reason when it cannot, leaving no temporary file.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace kelvra::cli
