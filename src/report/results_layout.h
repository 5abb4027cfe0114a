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

/// The command bar's height on one line, and the right end of its co-branding
/// link (Label3), which the buttons must leave clear, in twips.
inline constexpr int kResultsBarHeight = 495;
inline constexpr int kCoBrandLinkRight = 4500 + 1950;

/// Left edges, in twips, that one resize gives the bar buttons and the banner
/// labels, and where the buttons stand.
struct ResultsBarLayout {
  int cmdExitLeft = 0;
  int cmdBackLeft = 0;
  int cmdPrintLeft = 0;
  int cmdWhyLeft = 0;
  int lblHeadingLeft = 0;
  int lblURLLeft = 0;
  int buttonsTop = 90;             ///< in the bar
  int barHeight = kResultsBarHeight;  ///< grows to a second line when the buttons need one
  bool operator==(const ResultsBarLayout&) const = default;
};

/// The buttons stand at the bar's right end, Why, Print, Back, Exit, 100 apart and
/// 300 short of the window's outer width (frame included); the banner labels
/// are centred in the banner. Where the buttons would come within 100 of the
/// co-branding link, they move to a second line under it and the bar grows.
/// All measures in twips.
ResultsBarLayout LayOutResultsBar(int outerWidth, int bannerWidth, const ResultsBarWidths& widths = {});

/// The width of the report's drawn scroll bar, which the centring leaves room for.
inline constexpr int kReportScrollBarWidth = 315;

/// Left edge of the report in the results window, in twips: centred in the
/// inner width with room for the scroll bar, computed in single precision,
/// and never left of 0, where the page's left edge would be cut off.
int CenteredReportLeft(int innerWidth, int reportWidth, int scrollBarWidth = kReportScrollBarWidth);

/// The results window's opening client height, in pixels: tall enough for the
/// whole page between the window's other parts (`chrome`: menu bar, banner,
/// command bar) when the screen's available height, less `frame` for the
/// title bar, allows; else as tall as it allows.
int ResultsWindowHeight(int pageHeight, int chrome, int availableHeight, int frame);

/// Room for a window manager's title bar and for its left and right borders,
/// in pixels, whose sizes are unknown until a window is shown.
inline constexpr int kTitleBarAllowance = 40;
inline constexpr int kBorderAllowance = 16;

/// A window's opening extent along one axis, in pixels: `wanted` where the
/// screen's available extent, less `frame` for the window manager's title bar
/// or borders, allows; else all it allows, but never under `minimum`, which
/// the window's layout needs to show every control.
int FittedWindowExtent(int wanted, int available, int frame, int minimum = 0);

/// Where the report's area scrolls to when it opens, in pixels: the top when
/// the view shows everything down to the bottom of `box` (the Compatibility
/// Report box), else just far enough to show that box's bottom.
int ResultsScrollTop(int boxBottom, int viewportHeight);

}  // namespace kelvra
