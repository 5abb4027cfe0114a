// SPDX-License-Identifier: AGPL-3.0-or-later
// The pure rules behind "Convert birth times to UT" and the atlas: whole
// minutes, places into entries, where a zone comes from, and what the
// analysis does with each kind of conversion.
#include <gtest/gtest.h>

#include "entry/birth_place.h"
#include "entry/birth_zone.h"
#include "entry/ut_reading.h"
#include "builders.h"
#include "fake_entry_form.h"

namespace kelvra {
namespace {

TEST(ToWholeMinutes, RoundsToTheNearestMinuteHalfUp) {
  const struct {
    double degrees;
    WholeMinutes expected;
  } rows[] = {
      {69.6489, {69, 39, false}},            // Tromsø: 38.93'
      {18.95508, {18, 57, false}},           // 57.30'
      {10 + 30.5 / 60, {10, 31, false}},     // half a minute goes up
      {10 + 30.49 / 60, {10, 30, false}},
      {10 + 59.5 / 60, {11, 0, false}},      // 59.5' is the next degree
      {0.9916666666666667, {1, 0, false}},   // 59.5' written as a decimal
      {10 + 59.49 / 60, {10, 59, false}},
      {-33.8688, {33, 52, true}},            // Sydney: South
      {-0.1275, {0, 8, true}},               // 7.65' West
      {-0.004, {0, 0, false}},               // rounds to nothing: no direction of its own
      {0, {0, 0, false}},
      {90, {90, 0, false}},
      {-179.99, {179, 59, true}},            // 59.4'
      {-179.995, {180, 0, true}},            // 59.7' makes 180
  };
  for (const auto& row : rows) {
    const WholeMinutes got = ToWholeMinutes(row.degrees);
    EXPECT_EQ(got, row.expected) << row.degrees << " gave " << got.degrees << "° " << got.minutes << "' "
                                 << (got.negative ? "negative" : "positive");
  }
}

AtlasPlace Tromso() {
  return {"Tromsø", "Troms og Finnmark", "Norway", "NO", "Europe/Oslo", 69.6489, 18.95508, 52436};
}

TEST(WithAtlasPlace, FillsPlaceCoordinatesAndDirectionsOnly) {
  const PersonEntries before =
      testing::MakeEntries({.lat = "S", .city = "Old", .state = "Old State", .country = "Old Country"});
  const PersonEntries after = WithAtlasPlace(before, Tromso());
  PersonEntries expected = before;
  expected.city = QString::fromUtf8("Tromsø");
  expected.state = "Troms og Finnmark";
  expected.country = "Norway";
  expected.latDeg = "69";
  expected.latMin = "39";
  expected.longDeg = "18";
  expected.longMin = "57";
  expected.north = true;
  expected.south = false;
  expected.east = true;
  expected.west = false;
  EXPECT_EQ(after, expected);

  AtlasPlace lima{"Lima", "Lima", "Peru", "PE", "America/Lima", -12.04318, -77.02824, 7737002};
  const PersonEntries south = WithAtlasPlace(before, lima);
  EXPECT_TRUE(south.south && !south.north && south.west && !south.east);
  EXPECT_EQ(south.latMin, "3");
  EXPECT_EQ(south.longMin, "2");
}

TEST(TypedCoordinates, NeedReadableNumbersBothDirectionsAndARealPoint) {
  auto entries = [](const char* latDeg, const char* latMin, const char* longDeg, const char* longMin,
                    std::string_view lat, std::string_view lon) {
    return testing::MakeEntries(
        {.latDeg = latDeg, .latMin = latMin, .lat = lat, .longDeg = longDeg, .longMin = longMin, .lon = lon});
  };
  const struct {
    PersonEntries entries;
    std::optional<GeoPoint> point;
  } rows[] = {
      {entries("70", "40", "23", "41", "N", "E"), GeoPoint{70 + 40 / 60.0, 23 + 41 / 60.0}},
      {entries("33", "52", "151", "12", "S", "W"), GeoPoint{-(33 + 52 / 60.0), -(151 + 12 / 60.0)}},
      {entries("90", "0", "180", "0", "N", "E"), GeoPoint{90, 180}},
      {entries("70", "40", "23", "41", "", "E"), std::nullopt},  // no latitude direction
      {entries("70", "40", "23", "41", "N", ""), std::nullopt},
      {entries("70", "", "23", "41", "N", "E"), std::nullopt},  // an empty box
      {entries("90", "1", "23", "41", "N", "E"), std::nullopt},  // past the pole
      {entries("179", "61", "23", "41", "N", "E"), std::nullopt},
      {entries("10", "0", "180", "1", "N", "W"), std::nullopt},
  };
  for (const auto& row : rows) {
    const auto got = TypedCoordinates(row.entries);
    ASSERT_EQ(got.has_value(), row.point.has_value()) << row.entries.latDeg.toStdString();
    if (got) {
      EXPECT_DOUBLE_EQ(got->latitude, row.point->latitude);
      EXPECT_DOUBLE_EQ(got->longitude, row.point->longitude);
    }
  }
}

TEST(PlaceDiffers, OnlyThePlaceAndTheCoordinatesCount) {
  const PersonEntries base = testing::MakeEntries({.city = "Oslo"});
  const std::pair<const char*, void (*)(PersonEntries&)> rows[] = {
      {"city", [](PersonEntries& e) { e.city += "x"; }},       {"state", [](PersonEntries& e) { e.state += "x"; }},
      {"country", [](PersonEntries& e) { e.country += "x"; }}, {"latDeg", [](PersonEntries& e) { e.latDeg = "1"; }},
      {"latMin", [](PersonEntries& e) { e.latMin = "1"; }},    {"longDeg", [](PersonEntries& e) { e.longDeg = "1"; }},
      {"longMin", [](PersonEntries& e) { e.longMin = "1"; }},
      {"south", [](PersonEntries& e) { e.north = false, e.south = true; }},
      {"west", [](PersonEntries& e) { e.east = false, e.west = true; }},
  };
  for (const auto& [field, change] : rows) {
    PersonEntries changed = base;
    change(changed);
    EXPECT_TRUE(PlaceDiffers(base, changed)) << field;
  }
  PersonEntries other = base;
  other.name = "Bob";
  other.hour = 3;
  other.year = 2000;
  EXPECT_FALSE(PlaceDiffers(base, other));
}

TEST(BirthZoneRules, AHandEditKeepsOnlyAZonePickedByHand) {
  const BirthZone atlas = ZoneOfAtlasPlace(Tromso());
  const BirthZone picked = ZonePickedByHand("Europe/Berlin");
  const AtlasPlace tromso = Tromso();
  const BirthZone nearest = *ZoneOfNearestPlace({&tromso, 211.0});
  EXPECT_EQ(atlas, (BirthZone{"Europe/Oslo", ZoneSource::AtlasPlace, QString::fromUtf8("Tromsø"), 0}));
  EXPECT_EQ(nearest, (BirthZone{"Europe/Oslo", ZoneSource::NearestPlace, QString::fromUtf8("Tromsø"), 211.0}));
  EXPECT_FALSE(ZoneOfNearestPlace({nullptr, 0}));

  const struct {
    const char* name;
    std::optional<BirthZone> zone;
    std::optional<BirthZone> afterEdit;
    bool wantsSuggestion;
  } rows[] = {
      {"none", std::nullopt, std::nullopt, true},
      {"atlas place", atlas, std::nullopt, false},
      {"nearest place", nearest, std::nullopt, true},
      {"picked by hand", picked, picked, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ZoneAfterPlaceEdit(row.zone), row.afterEdit) << row.name;
    EXPECT_EQ(WantsSuggestion(row.zone), row.wantsSuggestion) << row.name;
  }
}

TEST(BirthZoneRules, TheNoteSaysWhereTheZoneComesFrom) {
  const AtlasPlace tromso = Tromso();
  const struct {
    std::optional<BirthZone> zone;
    bool searching;
    const char* note;
  } rows[] = {
      {ZoneOfAtlasPlace(tromso), false, "Time zone of Tromsø, from the atlas:\nEurope/Oslo"},
      {ZoneOfNearestPlace({&tromso, 210.6}), false, "Tromsø, the nearest atlas place (211 km):\nEurope/Oslo"},
      {ZoneOfNearestPlace({&tromso, 1.4}), false, "Tromsø, the nearest atlas place (1 km):\nEurope/Oslo"},
      {ZoneOfNearestPlace({&tromso, 0.4}), false, "Tromsø, the nearest atlas place (under 1 km):\nEurope/Oslo"},
      {ZonePickedByHand("UTC-05:00"), false, "Time zone picked by hand:\nUTC-05:00"},
      {std::nullopt, false, "No time zone yet: choose the place\nin the atlas or pick a zone."},
      {std::nullopt, true, "Time zone: looking for the\nnearest atlas place..."},
  };
  for (const auto& row : rows) EXPECT_EQ(ZoneNote(row.zone, row.searching), QString::fromUtf8(row.note));
}

TEST(BirthZoneRules, ALongPlaceIsShortenedUntilTheNoteFits) {
  AtlasPlace place = Tromso();
  place.city = "Llanfairpwllgwyngyll";
  const auto within = [](qsizetype characters) {
    return [characters](const QString& line) { return line.size() <= characters; };
  };
  const struct {
    BirthZone zone;
    qsizetype room;
    const char* note;
  } rows[] = {
      {*ZoneOfNearestPlace({&place, 12}), 100, "Llanfairpwllgwyngyll, the nearest atlas place (12 km):\nEurope/Oslo"},
      {*ZoneOfNearestPlace({&place, 12}), 40, "Llanf…, the nearest atlas place (12 km):\nEurope/Oslo"},
      {ZoneOfAtlasPlace(place), 38, "Time zone of Llanfai…, from the atlas:\nEurope/Oslo"},
      // Never less than one letter, even when nothing fits.
      {*ZoneOfNearestPlace({&place, 12}), 5, "L…, the nearest atlas place (12 km):\nEurope/Oslo"},
      {ZonePickedByHand("UTC-05:00"), 5, "Time zone picked by hand:\nUTC-05:00"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ZoneNote(row.zone, false, within(row.room)), QString::fromUtf8(row.note)) << row.room;
}

TEST(BirthZoneRules, ThePickerOffersPlacesAndFixedOffsets) {
  const QList<QByteArray> ids = {"Africa/Abidjan", "America/Argentina/Buenos_Aires", "CST6CDT", "EST5EDT",
                                 "Etc/GMT+5",      "Europe/Oslo",  "Japan", "SystemV/AST4", "UTC",
                                 "UTC+05:30",      "UTC-12:00",    "UTC+5", "Zulu"};
  EXPECT_EQ(PickerZones(ids), (QList<QByteArray>{"Africa/Abidjan", "America/Argentina/Buenos_Aires", "Europe/Oslo",
                                                 "UTC", "UTC+05:30", "UTC-12:00"}));
}

TEST(UtReading, EachConversionOutcomeHasItsStep) {
  using Step = UtReading::Step;
  const struct {
    const char* name;
    Person person;
    QByteArray zone;
    LocalBirthTime local;
    Step step;
    const char* text;  // the question or the message
    QStringList answers;
    EntryField field;
  } rows[] = {
      {"one reading", Person::Male, "Europe/Oslo", {1985, 7, 13, 14, 30}, Step::Use, "", {}, EntryField::Hour},
      {"twice", Person::Female, "America/New_York", {2021, 11, 7, 1, 30}, Step::Ask,
       "The female birth time 01:30 happens twice in America/New_York on 2021-11-07: at UTC-04:00 (summer time) or "
       "at UTC-05:00?",
       {"UTC-04:00 (summer time)", "UTC-05:00"}, EntryField::Hour},
      {"never", Person::Male, "America/New_York", {2021, 3, 14, 2, 30}, Step::Stop,
       "The male birth time 02:30 does not exist in America/New_York on 2021-03-14: the clocks went from UTC-05:00 "
       "to UTC-04:00. Correct the time, or pick a fixed offset such as UTC-05:00 as the time zone.",
       {}, EntryField::Hour},
      {"unknown zone", Person::Female, "Atlantis/Poseidonia", {1985, 7, 13, 14, 30}, Step::Stop,
       "The time zone Atlantis/Poseidonia of the female birthplace is not known on this computer. Pick another "
       "time zone.",
       {}, EntryField::City},
      {"no such day", Person::Male, "Europe/Oslo", {1985, 2, 30, 14, 30}, Step::Stop,
       "The male birth date, February 30, 1985, does not exist, so its time cannot be converted to UT. Correct the "
       "date.",
       {}, EntryField::Day},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const UtConversion conversion = ConvertToUt(row.local, row.zone, 10);
    const UtReading reading = DecideUtReading(row.person, row.local, row.zone, conversion);
    EXPECT_EQ(reading.step, row.step);
    EXPECT_EQ(reading.step == Step::Ask ? reading.question.text : reading.message, QString::fromUtf8(row.text));
    EXPECT_EQ(reading.question.answers, row.answers);
    if (row.step == Step::Stop) {
      EXPECT_EQ(reading.field, row.field);
    }
  }
}

TEST(UtReading, RecordsAndMomentsConvertBothWays) {
  // The second never enters the chart.
  const LocalBirthTime local = LocalBirthTimeOf(
      testing::MakeBirth({.day = 13, .month = 7, .year = 1985, .hour = 24, .minute = 15, .second = 59}));
  EXPECT_EQ(std::tie(local.year, local.month, local.day, local.hour, local.minute),
            std::make_tuple(1985, 7, 13, 24, 15));

  const struct {
    QDateTime ut;
    UniversalMoment moment;
  } rows[] = {
      {QDateTime(QDate(2021, 11, 7), QTime(5, 30), Qt::UTC), {2021, 11, 7, 5.5}},
      {QDateTime(QDate(1890, 1, 1), QTime(13, 36, 32), Qt::UTC), {1890, 1, 1, 13 + 36 / 60.0 + 32 / 3600.0}},
      {QDateTime(QDate(2000, 12, 31), QTime(23, 59), Qt::UTC), {2000, 12, 31, 23 + 59 / 60.0}},
  };
  for (const auto& row : rows) {
    const UniversalMoment got = UniversalMomentOf(row.ut);
    EXPECT_EQ(std::tie(got.Year, got.Month, got.Day), std::tie(row.moment.Year, row.moment.Month, row.moment.Day));
    EXPECT_DOUBLE_EQ(got.Hour, row.moment.Hour);
  }
}

}  // namespace
}  // namespace kelvra
