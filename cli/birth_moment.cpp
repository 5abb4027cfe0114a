// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/birth_moment.h"

#include "birthtime/birth_time.h"
#include "vocabulary/birth_time_words.h"
#include "vocabulary/entry_words.h"

namespace kelvra::cli {

namespace {

std::string TwoDigits(int n) {
  std::string digits = std::to_string(n);
  // Padded in place: GCC 12 warns falsely (-Wrestrict) of "0" + string at -O2.
  if (n >= 0 && n < 10) digits.insert(digits.begin(), '0');
  return digits;
}

std::string ClockText(const BirthData& birth) { return TwoDigits(birth.Hour) + ":" + TwoDigits(birth.Minute); }

std::string Offset(const UtCandidate& candidate) { return OffsetText(candidate.offsetSeconds).toStdString(); }

const Template& Refusal(BirthTimeOutcome outcome) { return WordsOf(outcome).commandLine; }

}  // namespace

std::string PlaceText(std::string_view city, std::string_view state, std::string_view country) {
  return state.empty() ? Tr(words::kPlaceWithoutState, {city, country})
                       : Tr(words::kPlaceWithState, {city, state, country});
}

std::optional<std::string> ConvertBirthTime(const PersonColumns& columns, BirthData& birth,
                                            std::string_view zoneValue, std::string_view offsetValue,
                                            const PlaceZoneFinder& findPlaceZone, Conversion& conversion) {
  const auto name = [&columns](std::string_view column) { return std::string(columns.prefix) + std::string(column); };
  const auto refuse = [&name](std::string_view column, const std::string& message) {
    return Tr(words::kColumnRefusal, {name(column), message});
  };
  const LocalBirthTime local{std::stoi(birth.Year), birth.Month, std::stoi(birth.Day), birth.Hour, birth.Minute};
  UtConversion result;
  std::string zone;
  if (!zoneValue.empty()) {
    zone = zoneValue;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return refuse("tz", Tr(words::kUnknownZoneValue, {zone}));
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  } else if (!offsetValue.empty()) {
    const std::optional<int> offset = ParseUtcOffset(offsetValue);
    if (!offset) return refuse("utc_offset", Tr(words::kBadUtcOffset));
    zone = "UTC" + std::string(offsetValue);
    result = ConvertWithOffset(local, *offset);
  } else {
    const std::string place = PlaceText(birth.City, birth.State, birth.Country);
    const PlaceZone found = findPlaceZone ? findPlaceZone(birth.City, birth.State, birth.Country) : PlaceZone{};
    if (found.found == PlaceZone::Found::None)
      return refuse("city", Tr(Refusal(BirthTimeOutcome::NoZone), {place, name("tz"), name("utc_offset")}));
    if (found.found == PlaceZone::Found::Several) {
      std::string which;
      for (std::size_t i = 0; i < found.candidates.size() && i < 3; ++i)
        which = i ? Tr(words::kPlaceListNext, {which, found.candidates[i]}) : found.candidates[i];
      if (found.candidates.size() > 3) which = Tr(words::kPlaceListLeftOff, {which});
      return refuse("city", Tr(words::kSeveralAtlasPlaces,
                               {place, which, name("state"), name("tz"), name("utc_offset")}));
    }
    zone = found.zone;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return refuse("city", Tr(words::kAtlasZoneUnknown, {zone}));
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  }
  const std::string day = birth.Year + "-" + TwoDigits(birth.Month) + "-" + TwoDigits(std::stoi(birth.Day));
  switch (result.outcome) {
    case UtConversion::Outcome::Converted: break;
    case UtConversion::Outcome::InvalidDate: return refuse("day", Tr(Refusal(BirthTimeOutcome::InvalidDate)));
    case UtConversion::Outcome::UnknownZone: return refuse("tz", Tr(Refusal(BirthTimeOutcome::UnknownZone), {zone}));
    case UtConversion::Outcome::DoesNotExist:
      return refuse("hour", Tr(Refusal(BirthTimeOutcome::DoesNotExist),
                               {ClockText(birth), zone, day, Offset(result.candidates[0]),
                                Offset(result.candidates[1])}));
    case UtConversion::Outcome::Ambiguous:
      return refuse("hour", Tr(Refusal(BirthTimeOutcome::Ambiguous),
                               {ClockText(birth), zone, day, Offset(result.candidates[0]),
                                Offset(result.candidates[1]), name("utc_offset")}));
  }
  const UtCandidate& moment = result.candidates.front();
  const QDate date = moment.ut.date();
  const QTime time = moment.ut.time();
  birth.Ut = UniversalMoment{date.year(), date.month(), date.day(),
                             time.hour() + time.minute() / 60.0 + time.second() / 3600.0};
  conversion = {UtText(moment.ut).toStdString(), Offset(moment)};
  return std::nullopt;
}

}  // namespace kelvra::cli
