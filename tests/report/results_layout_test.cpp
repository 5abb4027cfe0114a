// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/results_layout.h"

#include <gtest/gtest.h>

namespace kelvra {
namespace {

TEST(LayOutResultsBar, ButtonsRightAlignedAndBannerCentred) {
  const struct {
    int outerWidth, bannerWidth;
    ResultsBarLayout expected;
  } cases[] = {
      // The original design size: 10470 inside, frame borders make it 10590
      // outside. Why would cover the co-branding link (right edge 6450): the
      // buttons take a second line.
      {10590, 10470, {9198, 8006, 6814, 5622, 960, 2475, 495, 897}},
      // The opening size, page and scroll bar wide: Why clears the link by 342.
      {11760, 11640, {10368, 9176, 7984, 6792, 1545, 3060, 90, 495}},
      // The last width on one line: Why 100 clear of the link.
      {11518, 11398, {10126, 8934, 7742, 6550, 1424, 2939, 90, 495}},
      // Narrower than the buttons: positions run negative, nothing is clamped.
      {2000, 1880, {608, -584, -1776, -2968, -3335, -1820, 495, 897}},
      // An odd difference lands on the even twip.
      {20001, 8551, {18609, 17417, 16225, 15033, 0, 1516}},
  };
  for (const auto& c : cases) EXPECT_EQ(LayOutResultsBar(c.outerWidth, c.bannerWidth), c.expected) << c.outerWidth;
}

TEST(LayOutResultsBar, FollowsTheButtonsOwnWidths) {
  const ResultsBarLayout layout = LayOutResultsBar(10000, 9000, {1000, 800, 600, 500, 2000, 3000});
  EXPECT_EQ(layout.cmdExitLeft, 10000 - 1000 - 300);
  EXPECT_EQ(layout.cmdBackLeft, layout.cmdExitLeft - 800 - 100);
  EXPECT_EQ(layout.cmdPrintLeft, layout.cmdBackLeft - 600 - 100);
  EXPECT_EQ(layout.cmdWhyLeft, layout.cmdPrintLeft - 500 - 100);
  EXPECT_EQ(layout.lblHeadingLeft, 3500);
  EXPECT_EQ(layout.lblURLLeft, 3000);
}

TEST(CenteredReportLeft, CentresWithRoomForTheScrollBarNeverLeftOfZero) {
  const struct {
    int inner, report, expected;
  } cases[] = {
      {11640, 11325, 0},       // exactly the page plus its scroll bar
      {20000, 11325, 4180},
      {10470, 11325, 0},       // the design width is narrower than the page: its left edge shows
      {0, 11325, 0},
      {11641, 11325, 0},       // half a twip goes to the even neighbour
      {11643, 11325, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CenteredReportLeft(c.inner, c.report), c.expected) << c.inner;
}

TEST(ResultsWindow, OpensAsTallAsThePageWhereTheScreenAllowsAndScrollsToTheFigures) {
  const struct {
    int page, chrome, available, frame, height;
  } heights[] = {
      {720, 120, 984, 40, 840},  // 1280 x 1024 less a task bar: the whole page
      {720, 120, 600, 40, 560},  // 800 x 600: the screen's height
      {720, 120, 30, 40, 0},     // nothing to speak of
  };
  for (const auto& h : heights)
    EXPECT_EQ(ResultsWindowHeight(h.page, h.chrome, h.available, h.frame), h.height) << h.available;
  EXPECT_EQ(ResultsScrollTop(455, 600), 0);  // the figures show from the top
  EXPECT_EQ(ResultsScrollTop(455, 400), 55);
}

TEST(FittedWindow, TakesWhatItWantsWhereTheScreenAllows) {
  const struct {
    int wanted, available, frame, minimum, extent;
  } extents[] = {
      {776, 1280, 16, 0, 776},    // the results window on 1280 x 1024
      {776, 640, 16, 0, 624},     // and on a quarter of it: the page scrolls
      {960, 640, 16, 500, 624},
      {660, 512, 40, 300, 472},   // the why window's height at scale 2
      {660, 200, 40, 300, 300},   // below its minimum the layout would cut controls off
      {660, 20, 40, 0, 0},
  };
  for (const auto& e : extents)
    EXPECT_EQ(FittedWindowExtent(e.wanted, e.available, e.frame, e.minimum), e.extent) << e.available;
}

}  // namespace
}  // namespace kelvra
