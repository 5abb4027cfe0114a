// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/chart_words.h"

namespace kelvra {

namespace {

// U+FE0E asks for the text form of the signs that also have an emoji form.
#define KELVRA_TEXT_STYLE "\uFE0E"

using K = ContactKind;

struct KindRow {
  ContactKind kind;
  ContactKindWords words;
};

constexpr KindRow kKinds[] = {
    {K::Conjunction, {KELVRA_TR("Contact kind", "conjunction"), KELVRA_TR("Contact kind between points", "conjunct"),
                      KELVRA_TR("Contact kind title", "Conjunction"), "\u260C"}},
    {K::Sextile, {KELVRA_TR("Contact kind", "sextile"), KELVRA_TR("Contact kind between points", "sextile"),
                  KELVRA_TR("Contact kind title", "Sextile"), "\u26B9"}},
    {K::Square, {KELVRA_TR("Contact kind", "square"), KELVRA_TR("Contact kind between points", "square"),
                 KELVRA_TR("Contact kind title", "Square"), "\u25A1"}},
    {K::Trine, {KELVRA_TR("Contact kind", "trine"), KELVRA_TR("Contact kind between points", "trine"),
                KELVRA_TR("Contact kind title", "Trine"), "\u25B3"}},
    {K::Opposition, {KELVRA_TR("Contact kind", "opposition"), KELVRA_TR("Contact kind between points", "opposite"),
                     KELVRA_TR("Contact kind title", "Opposition"), "\u260D"}},
    {K::SemiSextile, {KELVRA_TR("Contact kind", "semi-sextile"),
                      KELVRA_TR("Contact kind between points", "semi-sextile"),
                      KELVRA_TR("Contact kind title", "Semi-sextile"), "\u26BA"}},
    {K::SemiSquare, {KELVRA_TR("Contact kind", "semi-square"), KELVRA_TR("Contact kind between points", "semi-square"),
                     KELVRA_TR("Contact kind title", "Semi-square"), "\u2220"}},
    {K::Sesquiquadrate, {KELVRA_TR("Contact kind", "sesquiquadrate"),
                         KELVRA_TR("Contact kind between points", "sesquiquadrate"),
                         KELVRA_TR("Contact kind title", "Sesquiquadrate"), "\u26BC"}},
    {K::Quincunx, {KELVRA_TR("Contact kind", "quincunx"), KELVRA_TR("Contact kind between points", "quincunx"),
                   KELVRA_TR("Contact kind title", "Quincunx"), "\u26BB"}},
    {K::Parallel, {KELVRA_TR("Contact kind", "parallel"), KELVRA_TR("Contact kind between points", "parallel"),
                   KELVRA_TR("Contact kind title", "Parallel"), "\u2225"}},
};

constexpr Template kPoints[] = {
    KELVRA_TR("Chart point", "Sun"),        KELVRA_TR("Chart point", "Mercury"),
    KELVRA_TR("Chart point", "Venus"),      KELVRA_TR("Chart point", "Mars"),
    KELVRA_TR("Chart point", "Jupiter"),    KELVRA_TR("Chart point", "Saturn"),
    KELVRA_TR("Chart point", "Uranus"),     KELVRA_TR("Chart point", "Neptune"),
    KELVRA_TR("Chart point", "Pluto"),      KELVRA_TR("Chart point", "Moon"),
    KELVRA_TR("Chart point", "North Node"), KELVRA_TR("Chart point", "South Node"),
    KELVRA_TR("Chart point", "Part of Fortune"), KELVRA_TR("Chart point", "Ascendant"),
    KELVRA_TR("Chart point", "Midheaven"),  KELVRA_TR("Chart point", "Chiron"),
};

constexpr std::string_view kGlyphs[] = {
    "\u2609", "\u263F", "\u2640" KELVRA_TEXT_STYLE, "\u2642" KELVRA_TEXT_STYLE, "\u2643", "\u2644", "\u2645", "\u2646",
    "\u2647", "\u263D", "\u260A", "\u260B", "\u2297", "AC", "MC", "\u26B7",
};
static_assert(std::size(kPoints) == kChartPointCount && std::size(kGlyphs) == kChartPointCount);

}  // namespace

Template PointWords(ChartPoint point) { return kPoints[Index(point) - 1]; }

std::string_view PointGlyph(ChartPoint point) { return kGlyphs[Index(point) - 1]; }

const ContactKindWords& WordsOf(ContactKind kind) {
  for (const KindRow& row : kKinds) {
    if (row.kind == kind) return row.words;
  }
  return kKinds[0].words;  // every kind has a row; the test walks them all
}

}  // namespace kelvra
