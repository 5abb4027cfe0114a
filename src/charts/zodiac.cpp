// SPDX-License-Identifier: AGPL-3.0-or-later
#include "charts/zodiac.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>

#include "charts/angles.h"

namespace kelvra {

namespace {

constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCprAquPis";

}  // namespace

double RoundTo2(double x) { return std::floor(x * 100 + 0.5) / 100; }

std::string PrintSignData(double z) {
  if (!std::isfinite(z)) throw std::domain_error("longitude is not a finite number");
  if (z < 0 || z >= 360) z = NormalizeDegrees(z);
  // Reduction of very large values can land on the bounds through rounding.
  if (z < 0 || z >= 360) z = 0;

  const double D = std::floor(z);
  const int S = static_cast<int>(std::floor(D / 30)) + 1;
  // The rounding to two decimals absorbs the error of D / 30 (D = 59 gives 29, not 28).
  const int d = static_cast<int>(std::floor(RoundTo2((D / 30 - std::floor(D / 30)) * 30)));
  int m = static_cast<int>(std::floor((z - D) * 60 + 0.5));
  if (m >= 60) m = 59;

  char text[32];
  std::snprintf(text, sizeof text, "%02d %.3s %02d", d, kSignAbbreviations.data() + 3 * (S - 1), m);
  return text;
}

ChartTexts ChartTextsOf(const NatalChart& chart) {
  ChartTexts texts;
  for (std::size_t i = 0; i < kChartPointCount; ++i) texts[i] = PrintSignData(chart.Longitude[kAllChartPoints[i]]);
  return texts;
}

}  // namespace kelvra
