// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"

namespace kelvra::cli {

/// Writes a picture of one analysed row: its number (as output names it),
/// the partners' names, the analysis and its explanation. Returns why it
/// could not, which stops the run, or nothing.
using RowPictureWriter = std::function<std::optional<std::string>(
    std::uint64_t row, const std::string& maleName, const std::string& femaleName, const CoupleAnalysis& analysis,
    const Explanation& explanation)>;

}  // namespace kelvra::cli
