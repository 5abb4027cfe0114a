// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/report_words.h"

#include <iterator>

namespace kelvra::words {

namespace {

// Narrower than the chart's point names: the report's cells are small.
constexpr Template kRowCaptions[] = {
    KELVRA_TR("Report chart row", "Sun"),    KELVRA_TR("Report chart row", "Mercury"),
    KELVRA_TR("Report chart row", "Venus"),  KELVRA_TR("Report chart row", "Mars"),
    KELVRA_TR("Report chart row", "Jupiter"), KELVRA_TR("Report chart row", "Saturn"),
    KELVRA_TR("Report chart row", "Uranus"), KELVRA_TR("Report chart row", "Neptune"),
    KELVRA_TR("Report chart row", "Pluto"),  KELVRA_TR("Report chart row", "Moon"),
    KELVRA_TR("Report chart row", "N.Node"), KELVRA_TR("Report chart row", "S.Node"),
    KELVRA_TR("Report chart row", "P_of_F"), KELVRA_TR("Report chart row", "Asc"),
    KELVRA_TR("Report chart row", "MC"),     KELVRA_TR("Report chart row", "Chiron"),
};
static_assert(std::size(kRowCaptions) == kChartPointCount);

struct VerdictRow {
  std::string_view verdict;
  Template word;
};
constexpr VerdictRow kVerdicts[] = {
    {"Good", KELVRA_TR("Verdict", "Good")},
    {"Average", KELVRA_TR("Verdict", "Average")},
    {"Poor", KELVRA_TR("Verdict", "Poor")},
};

}  // namespace

Template ReportRowCaption(ChartPoint point) { return kRowCaptions[Index(point) - 1]; }

const Template* VerdictWord(std::string_view verdict) {
  for (const VerdictRow& row : kVerdicts) {
    if (row.verdict == verdict) return &row.word;
  }
  return nullptr;
}

}  // namespace kelvra::words
