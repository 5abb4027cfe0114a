// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charts/natal_chart.h"
#include "cosmodynes/contacts.h"

namespace kelvra {

/// What the harmony rules remember across analyses: the amount the last
/// recording rule recorded. One lives as long as the program (or one CLI
/// run); it starts at 0 and no analysis resets it.
struct HarmonyMemory {
  double lastHarmonyGain = 0;
};

/// One harmony rule applied to one contact: its name ("Trine", "Opposition
/// Sun-Moon", "Opposition Mars", "Jupiter", ...), the amount it added and
/// the amount it recorded into lastHarmonyGain, if it records.
struct HarmonyEffect {
  std::string rule;
  double amount = 0;
  std::optional<double> records;
  bool operator==(const HarmonyEffect&) const = default;
};

/// The harmony delta of one contact by the rule tables, positive or negative;
/// a recording rule sets memory.lastHarmonyGain, the later rule winning.
/// With `effects`, every rule that applied is appended to it in order.
double ScoreContactHarmony(const Contact& contact, HarmonyMemory& memory,
                           std::vector<HarmonyEffect>* effects = nullptr);

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
