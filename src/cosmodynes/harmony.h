// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <span>

#include "charts/natal_chart.h"
#include "cosmodynes/contacts.h"

namespace kelvra {

/// What the harmony rules remember across analyses: the amount the last
/// recording rule recorded. One lives as long as the program (or one CLI
/// run); it starts at 0 and no analysis resets it.
struct HarmonyMemory {
  double lastHarmonyGain = 0;
};

/// The harmony delta of one contact by the rule tables, positive or negative;
/// a recording rule sets memory.lastHarmonyGain, the later rule winning.
double ScoreContactHarmony(const Contact& contact, HarmonyMemory& memory);

/// 100 x lastHarmonyGain.
double HarmonyBias(const HarmonyMemory& memory);

struct CosmodyneTotals {
  double powerTotal = 0;    ///< sum of all contact strengths; never negative
  double harmonyTotal = 0;  ///< sum of the harmony deltas in grid order, plus the bias after the last
  bool operator==(const CosmodyneTotals&) const = default;
};

/// Totals over contacts already found, taken in the order given.
CosmodyneTotals ComputeCosmodyneTotals(std::span<const Contact> contacts, HarmonyMemory& memory);

/// FindContacts, then the totals over them.
CosmodyneTotals ComputeCosmodyneTotals(const NatalChart& male, const NatalChart& female, HarmonyMemory& memory);

}  // namespace kelvra
