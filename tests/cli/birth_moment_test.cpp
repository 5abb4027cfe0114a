// SPDX-License-Identifier: AGPL-3.0-or-later
// The conversion of one person's clock time, with columns named as a file of
// one person a row names them, and an atlas that answers as told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builders.h"
#include "cli/birth_moment.h"

namespace kelvra::cli {
namespace {

BirthData Springfield() {
  return testing::MakeBirth({.name = "Homer", .day = 12, .month = 5, .year = 1986, .hour = 10, .minute = 15,
                             .longDeg = 89, .longDir = LongitudeDirection::West, .city = "Springfield", .state = "",
                             .country = "US"});
}

PlaceZoneFinder Atlas(PlaceZone answer, int* calls = nullptr) {
  return [answer, calls](std::string_view, std::string_view, std::string_view) {
    if (calls) ++*calls;
    return answer;
  };
}

const PersonColumns kUnprefixed{"", Partner::Female};

TEST(BirthMoment, TheAtlasDecidesOnlyWithoutZoneOrOffsetAndSaysWhyNot) {
  const PlaceZone none{};
  const PlaceZone chicago{PlaceZone::Found::One, "America/Chicago", {}};
  const PlaceZone several{PlaceZone::Found::Several, "", {"Springfield, IL, US", "Springfield, MA, US",
                                                          "Springfield, MO, US", "Springfield, OR, US"}};
  const PlaceZone unknown{PlaceZone::Found::One, "Atlantis/Capital", {}};
  const struct {
    std::string zone, offset;
    PlaceZone atlas;
    int atlasCalls;
    std::string outcome;  // the UT moment and offset, or the refusal
  } cases[] = {
      {"", "", chicago, 1, "1986-05-12T15:15:00 -05:00"},
      {"America/New_York", "", none, 0, "1986-05-12T14:15:00 -04:00"},
      {"", "+01:00", none, 0, "1986-05-12T09:15:00 +01:00"},
      {"America/New_York", "+01:00", none, 0, "1986-05-12T14:15:00 -04:00"},
      {"", "", none, 1, "city: no atlas place matches Springfield, US; give tz or utc_offset"},
      {"", "", several, 1,
       "city: more than one atlas place matches Springfield, US (Springfield, IL, US; Springfield, MA, US; "
       "Springfield, MO, US; ...); give state, tz or utc_offset"},
      {"", "", unknown, 1, "city: the atlas gives the time zone Atlantis/Capital, which this system does not know"},
      {"Springfield", "", none, 0,
       "tz: unknown time zone 'Springfield'; use a tz database name such as Europe/London"},
      {"", "+1:00", none, 0, "utc_offset: must be +HH:MM or -HH:MM, hours 00 to 14 and minutes 00 to 59"},
  };
  for (const auto& c : cases) {
    BirthData birth = Springfield();
    Conversion conversion;
    int calls = 0;
    const auto refusal = ConvertBirthTime(kUnprefixed, birth, c.zone, c.offset, Atlas(c.atlas, &calls), conversion);
    EXPECT_EQ(refusal.value_or(conversion.ut + " " + conversion.utcOffset), c.outcome) << c.zone << c.offset;
    EXPECT_EQ(calls, c.atlasCalls) << c.outcome;
    EXPECT_EQ(birth.Ut.has_value(), !refusal) << c.outcome;
  }
}

TEST(BirthMoment, ClockTimesThatDoNotExistOrRepeatNameBothOffsets) {
  const struct {
    int month, day, hour, minute;
    std::string refusal;
  } cases[] = {
      {4, 27, 2, 30, "hour: 02:30 does not exist in America/Chicago on 1986-04-27: the clocks went from -06:00 to -05:00"},
      {10, 26, 1, 30, "hour: 01:30 happens twice in America/Chicago on 1986-10-26, at -05:00 and -06:00; give utc_offset"},
      {2, 30, 12, 0, "day: there is no such day in that month, so the time cannot be converted"},
  };
  for (const auto& c : cases) {
    BirthData birth = Springfield();
    birth.Month = c.month;
    birth.Day = std::to_string(c.day);
    birth.Hour = c.hour;
    birth.Minute = c.minute;
    Conversion conversion;
    EXPECT_EQ(ConvertBirthTime(kUnprefixed, birth, "America/Chicago", "", {}, conversion), c.refusal);
    EXPECT_FALSE(birth.Ut);
  }
}

}  // namespace
}  // namespace kelvra::cli
