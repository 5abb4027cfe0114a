// SPDX-License-Identifier: AGPL-3.0-or-later
// The words and glyphs of chart points and contact kinds. Enumerator names
// (ChartPointName, ContactKindName) are identifiers that kelvra-cli writes as
// data; these are what a person reads.
#pragma once

#include <string_view>

#include "charts/chart_point.h"
#include "cosmodynes/contact_kinds.h"
#include "vocabulary/text.h"

namespace kelvra {

/// A chart point as sentences and tables name it: "North Node".
Template PointWords(ChartPoint point);

/// The point's glyph as the wheel draws it (a text-style sign, or "AC" and
/// "MC" for the angles).
std::string_view PointGlyph(ChartPoint point);

/// What a contact kind is called, in each role of a sentence.
struct ContactKindWords {
  Template noun;       ///< what it is: "a semi-sextile", "3 oppositions"
  Template between;    ///< between two points: "Sun opposite Moon", "Sun conjunct Moon"
  Template title;      ///< a heading or table cell: "Semi-square"
  std::string_view symbol;  ///< its glyph
};

/// The words of `kind`.
const ContactKindWords& WordsOf(ContactKind kind);

}  // namespace kelvra
