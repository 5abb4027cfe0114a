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

// A rule's name for the explanation, spelled out only when one is asked for.
struct RuleName {
  enum class Form { Kind, Row, Hard, Modifier } form;
  AspectKind aspect = AspectKind::None;
  P x = P::Sun, y = P::Sun;

  static RuleName Kind(AspectKind aspect) { return {Form::Kind, aspect}; }
  static RuleName Row(AspectKind aspect, P x, P y) { return {Form::Row, aspect, x, y}; }
  static RuleName Hard(P point) { return {Form::Hard, AspectKind::Opposition, point}; }
  static RuleName Modifier(P point) { return {Form::Modifier, AspectKind::None, point}; }

  std::string Text() const {
    std::string text;
    if (form != Form::Modifier) text = AspectKindName(aspect);
    if (form != Form::Kind) {
      if (!text.empty()) text += ' ';
      text += ChartPointName(x);
    }
    if (form == Form::Row) {
      text += '-';
      text += ChartPointName(y);
    }
    return text;
  }
};

// A contact's running harmony delta: each rule's effect is added in the
// order the rules apply, and an effect that records sets the memory.
class Score {
 public:
  Score(HarmonyMemory& memory, std::vector<HarmonyEffect>* effects) : memory_(memory), effects_(effects) {}
  void Add(double delta, const RuleName& rule) {
    total_ += delta;
    if (effects_) effects_->push_back({rule.Text(), delta, std::nullopt});
  }
  void AddAndRecord(double delta, double recorded, const RuleName& rule) {
    total_ += delta;
    memory_.lastHarmonyGain = recorded;
    if (effects_) effects_->push_back({rule.Text(), delta, recorded});
  }
  double total() const { return total_; }

 private:
  HarmonyMemory& memory_;
  std::vector<HarmonyEffect>* effects_;
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
  if (OtherIsNoneOf(pair, P::Mars, {P::Jupiter, P::Ascendant, P::Venus})) score.Add(-s, RuleName::Hard(P::Mars));
  if (OtherIsNoneOf(pair, P::Saturn, {P::Jupiter, P::Ascendant, P::Mars})) {
    score.Add(pair.Both(P::Saturn) ? 0 : -s, RuleName::Hard(P::Saturn));
  }
  if (OtherIsNoneOf(pair, P::Pluto, {P::Jupiter, P::Ascendant, P::Mars, P::Saturn})) {
    score.Add(-s, RuleName::Hard(P::Pluto));
  }
  for (const auto& rule : kOppositionRules) {
    if (pair.Is(rule.x, rule.y)) score.AddAndRecord(rule.share * s, s, RuleName::Row(AspectKind::Opposition, rule.x, rule.y));
  }
}

void ScoreAspect(AspectKind aspect, const Pair& pair, double s, Score& score) {
  switch (aspect) {
    case AspectKind::Sextile:
    case AspectKind::Trine:
    case AspectKind::SemiSextile: score.AddAndRecord(s, s, RuleName::Kind(aspect)); break;
    case AspectKind::Square:
    case AspectKind::SemiSquare:
    case AspectKind::Sesquiquadrate: score.Add(-s, RuleName::Kind(aspect)); break;
    case AspectKind::Conjunction:
      for (const auto& rule : kConjunctionRules) {
        if (!pair.Is(rule.x, rule.y)) continue;
        const RuleName name = RuleName::Row(aspect, rule.x, rule.y);
        if (rule.records) {
          score.AddAndRecord(rule.share * s, s, name);
        } else {
          score.Add(rule.share * s, name);
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

double ScoreContactHarmony(const Contact& contact, HarmonyMemory& memory, std::vector<HarmonyEffect>* effects) {
  const Pair pair(contact.malePoint, contact.femalePoint);
  const double s = contact.strength;
  const bool parallel = contact.kind == ContactKind::Parallel;
  // A parallel is judged by its pair's aspect for the Jupiter and Saturn exceptions.
  const AspectKind aspect = parallel ? contact.pairAspect : ToAspectKind(contact.kind);
  Score score(memory, effects);

  if (!parallel) ScoreAspect(aspect, pair, s, score);

  if (pair.Has(P::Jupiter) && !(pair.Both(P::Jupiter) && aspect == AspectKind::Conjunction)) {
    score.AddAndRecord(s / 2, s / 2, RuleName::Modifier(P::Jupiter));
  }
  const bool venusExcused =
      pair.HasOuterPlanet() && (parallel || aspect == AspectKind::Conjunction || aspect == AspectKind::Opposition ||
                                aspect == AspectKind::Quincunx);
  if (pair.Has(P::Venus) && !venusExcused) score.AddAndRecord(s / 4, s / 4, RuleName::Modifier(P::Venus));
  if (pair.Has(P::Saturn) && !(pair.Both(P::Saturn) && aspect == AspectKind::Conjunction)) {
    score.Add(-s / 2, RuleName::Modifier(P::Saturn));
  }
  if (pair.Has(P::Mars)) score.Add(-s / 4, RuleName::Modifier(P::Mars));

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
