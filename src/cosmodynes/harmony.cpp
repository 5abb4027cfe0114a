// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/harmony.h"

namespace kelvra {

namespace {

using P = ChartPoint;

class Pair {
 public:
  Pair(P male, P female) : a_(male), b_(female) {}
  bool Has(P p) const { return a_ == p || b_ == p; }
  bool Both(P p) const { return a_ == p && b_ == p; }
  /// One point is x and the other is y, whichever side each is on.
  bool Is(P x, P y) const { return (a_ == x && b_ == y) || (a_ == y && b_ == x); }
  /// The point opposite x in the pair (x itself when both are x).
  P Other(P x) const { return a_ == x ? b_ : a_; }
  bool HasOuterPlanet() const { return Has(P::Uranus) || Has(P::Neptune) || Has(P::Pluto); }

 private:
  P a_, b_;
};

// A rule's effect: its delta and, for a recording rule, the amount recorded.
class Score {
 public:
  explicit Score(HarmonyMemory& memory) : memory_(memory) {}
  void Add(double delta) { total_ += delta; }
  void AddAndRecord(double delta, double recorded) {
    total_ += delta;
    memory_.lastHarmonyGain = recorded;
  }
  double total() const { return total_; }

 private:
  HarmonyMemory& memory_;
  double total_ = 0;
};

struct ConjunctionRule {
  P x, y;
  double share;  // of s added to harmony; negative takes away
  bool records;
};

constexpr ConjunctionRule kConjunctionRules[] = {
    {P::Sun, P::Moon, 1, true},         {P::Sun, P::Venus, 1, true},       {P::Sun, P::Jupiter, 0.5, true},
    {P::Venus, P::Moon, 0.5, true},     {P::Mars, P::Saturn, -0.5, false}, {P::Mars, P::Pluto, -0.5, false},
    {P::Saturn, P::Pluto, -0.5, false}, {P::Saturn, P::Ascendant, -0.5, false},
    {P::Pluto, P::Ascendant, -0.5, false},
};

// The favourable opposition rows; every one records s.
struct OppositionRule {
  P x, y;
  double share;
};

constexpr OppositionRule kOppositionRules[] = {
    {P::Sun, P::Moon, 0.5},       {P::Sun, P::Venus, 0.5},     {P::Sun, P::Ascendant, 0.5},
    {P::Moon, P::Ascendant, 0.5}, {P::Venus, P::Moon, 0.5},    {P::Venus, P::Jupiter, 1},
    {P::Venus, P::Ascendant, 0.5}, {P::Jupiter, P::Ascendant, 0.5}, {P::Mercury, P::Venus, 0.25},
};

bool OtherIsNoneOf(const Pair& pair, P hard, std::initializer_list<P> excused) {
  if (!pair.Has(hard)) return false;
  const P other = pair.Other(hard);
  for (P p : excused) {
    if (other == p) return false;
  }
  return true;
}

void ScoreOpposition(const Pair& pair, double s, Score& score) {
  if (OtherIsNoneOf(pair, P::Mars, {P::Jupiter, P::Ascendant, P::Venus})) score.Add(-s);
  if (OtherIsNoneOf(pair, P::Saturn, {P::Jupiter, P::Ascendant, P::Mars})) score.Add(pair.Both(P::Saturn) ? 0 : -s);
  if (OtherIsNoneOf(pair, P::Pluto, {P::Jupiter, P::Ascendant, P::Mars, P::Saturn})) score.Add(-s);
  for (const auto& rule : kOppositionRules) {
    if (pair.Is(rule.x, rule.y)) score.AddAndRecord(rule.share * s, s);
  }
}

void ScoreAspect(AspectKind aspect, const Pair& pair, double s, Score& score) {
  switch (aspect) {
    case AspectKind::Sextile:
    case AspectKind::Trine:
    case AspectKind::SemiSextile: score.AddAndRecord(s, s); break;
    case AspectKind::Square:
    case AspectKind::SemiSquare:
    case AspectKind::Sesquiquadrate: score.Add(-s); break;
    case AspectKind::Conjunction:
      for (const auto& rule : kConjunctionRules) {
        if (!pair.Is(rule.x, rule.y)) continue;
        if (rule.records) {
          score.AddAndRecord(rule.share * s, s);
        } else {
          score.Add(rule.share * s);
        }
        break;
      }
      break;
    case AspectKind::Opposition: ScoreOpposition(pair, s, score); break;
    case AspectKind::Quincunx:
    case AspectKind::None: break;
  }
}

}  // namespace

double ScoreContactHarmony(const Contact& contact, HarmonyMemory& memory) {
  const Pair pair(contact.malePoint, contact.femalePoint);
  const double s = contact.strength;
  const bool parallel = contact.kind == ContactKind::Parallel;
  // A parallel is judged by its pair's aspect for the Jupiter and Saturn exceptions.
  const AspectKind aspect = parallel ? contact.pairAspect : static_cast<AspectKind>(static_cast<int>(contact.kind));
  Score score(memory);

  if (!parallel) ScoreAspect(aspect, pair, s, score);

  if (pair.Has(P::Jupiter) && !(pair.Both(P::Jupiter) && aspect == AspectKind::Conjunction)) {
    score.AddAndRecord(s / 2, s / 2);
  }
  const bool venusExcused =
      pair.HasOuterPlanet() && (parallel || aspect == AspectKind::Conjunction || aspect == AspectKind::Opposition ||
                                aspect == AspectKind::Quincunx);
  if (pair.Has(P::Venus) && !venusExcused) score.AddAndRecord(s / 4, s / 4);
  if (pair.Has(P::Saturn) && !(pair.Both(P::Saturn) && aspect == AspectKind::Conjunction)) score.Add(-s / 2);
  if (pair.Has(P::Mars)) score.Add(-s / 4);

  return score.total();
}

double HarmonyBias(const HarmonyMemory& memory) { return 100 * memory.lastHarmonyGain; }

CosmodyneTotals ComputeCosmodyneTotals(std::span<const Contact> contacts, HarmonyMemory& memory) {
  CosmodyneTotals totals;
  for (const auto& contact : contacts) {
    totals.powerTotal += contact.strength;
    totals.harmonyTotal += ScoreContactHarmony(contact, memory);
  }
  totals.harmonyTotal += HarmonyBias(memory);
  return totals;
}

CosmodyneTotals ComputeCosmodyneTotals(const NatalChart& male, const NatalChart& female, HarmonyMemory& memory) {
  const auto contacts = FindContacts(male, female);
  return ComputeCosmodyneTotals(contacts, memory);
}

}  // namespace kelvra
