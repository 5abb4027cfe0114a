// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/return_to_entry.h"

#include <gtest/gtest.h>

#include "fake_director.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

TEST(ReturnToEmptyEntryForm, ClosesResultsThenShowsAnEmptiedFormFocusedOnTheMaleName) {
  testing::RecordingEphemeris ephemeris;
  testing::FakeDirector director(ephemeris);
  director.formOpen = false;

  ReturnToEmptyEntryForm(director);

  EXPECT_EQ(director.calls, QStringList({"closeResultsWindow", "showEntryForm"}));
  EXPECT_EQ(director.form.calls, QStringList({"emptyEntries", "focusEntry M Name"}));
}

}  // namespace
}  // namespace kelvra
