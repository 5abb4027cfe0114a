// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

namespace kelvra {

/// Widths of the results window's bar buttons and banner labels, in twips.
struct ResultsBarWidths {
  int cmdExit = 1092;
  int cmdBack = 1092;
  int cmdPrint = 1092;
  int cmdWhy = 1092;
  int lblHeading = 8550;
  int lblURL = 5520;
};

/// Left edges, in twips, that one resize gives the bar buttons and the banner labels.
struct ResultsBarLayout {
  int cmdExitLeft = 0;
  int cmdBackLeft = 0;
  int cmdPrintLeft = 0;
  int cmdWhyLeft = 0;
  int lblHeadingLeft = 0;
  int lblURLLeft = 0;
  bool operator==(const ResultsBarLayout&) const = default;
};

/// The buttons stand at the bar's right end, Why, Print, Back, Exit, 100 apart and
/// 300 short of the window's outer width (frame included); the banner labels
/// are centred in the banner. All measures in twips.
ResultsBarLayout LayOutResultsBar(int outerWidth, int bannerWidth, const ResultsBarWidths& widths = {});

/// The width of the report's drawn scroll bar, which the centring leaves room for.
inline constexpr int kReportScrollBarWidth = 315;

/// Left edge of the report in the results window, in twips: centred in the
/// inner width with room for the scroll bar, computed in single precision.
/// Not clamped: narrower windows give a negative edge.
int CenteredReportLeft(int innerWidth, int reportWidth, int scrollBarWidth = kReportScrollBarWidth);

}  // namespace kelvra
