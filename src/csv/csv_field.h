// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kelvra::csv {

/// Appends `field`, quoted (by RFC 4180) only where it would otherwise change
/// meaning or lose blanks. `scratch` is reused between calls.
void AppendCsvField(std::string& line, std::string_view field, std::string& scratch);

}  // namespace kelvra::csv
