// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "cli/birth_moment.h"
#include "cli/json_line.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"
#include "reportdata/report_fields.h"

namespace kelvra::cli {

/// Starts a new line for an analysed row: {"row": N, "male": {...},
/// "female": {...}, "contacts": [...], "powerTotal", "harmonyTotal",
/// "Power", "Harmony", "PH", "phPercentage", "comment", leaving the object
/// open for what an explained row adds. A person converted to Universal
/// Time also has "ut" and "utcOffset".
void StartAnalysisLine(JsonLine& json, std::uint64_t row, const CoupleAnalysis& analysis, const ReportPerson& male,
                       const ReportPerson& female, const ChartTexts& maleTexts, const ChartTexts& femaleTexts,
                       const Conversions& conversions);

/// Adds "explanation": per contact its separation, orbs, houses, strength,
/// harmony delta and rules, and the harmony memory, bias and its source.
void AddExplanation(JsonLine& json, const Explanation& explanation);

/// Adds "birthTimeBand": the figures' ranges with each birth time moved.
void AddBirthTimeBand(JsonLine& json, const BirthTimeBand& band);

/// Starts a new line for a refused row: {"row": N, "error": "..."}, closed.
void WriteRefusalLine(JsonLine& json, std::uint64_t row, std::string_view message);

}  // namespace kelvra::cli
