// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/results_layout.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// Positions are whole twips; halves go to the even neighbour.
int WholeTwips(double twips) { return static_cast<int>(std::nearbyint(twips)); }

}  // namespace

ResultsBarLayout LayOutResultsBar(int outerWidth, int bannerWidth, const ResultsBarWidths& widths) {
  ResultsBarLayout layout;
  layout.cmdExitLeft = outerWidth - widths.cmdExit - 300;
  layout.cmdBackLeft = layout.cmdExitLeft - widths.cmdBack - 100;
  layout.cmdPrintLeft = layout.cmdBackLeft - widths.cmdPrint - 100;
  layout.cmdWhyLeft = layout.cmdPrintLeft - widths.cmdWhy - 100;
  if (layout.cmdWhyLeft < kCoBrandLinkRight + 100) {
    // Under the offer and the link, whose texts stay as they are.
    layout.buttonsTop = kResultsBarHeight;
    layout.barHeight = kResultsBarHeight + 402;
  }
  layout.lblHeadingLeft = WholeTwips((bannerWidth - widths.lblHeading) / 2.0);
  layout.lblURLLeft = WholeTwips((bannerWidth - widths.lblURL) / 2.0);
  return layout;
}

int CenteredReportLeft(int innerWidth, int reportWidth, int scrollBarWidth) {
  const float left =
      (static_cast<float>(innerWidth) - static_cast<float>(reportWidth) - static_cast<float>(scrollBarWidth)) / 2.0f;
  return std::max(0, WholeTwips(left));
}

int ResultsWindowHeight(int pageHeight, int chrome, int availableHeight, int frame) {
  return std::max(0, std::min(pageHeight + chrome, availableHeight - frame));
}

int FittedWindowExtent(int wanted, int available, int frame, int minimum) {
  return std::max({0, minimum, std::min(wanted, available - frame)});
}

int ResultsScrollTop(int boxBottom, int viewportHeight) { return std::max(0, boxBottom - viewportHeight); }

}  // namespace kelvra
