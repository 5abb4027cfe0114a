// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/birth_moment.h"

#include "birthtime/birth_time.h"

namespace kelvra::cli {

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ClockText(const BirthData& birth) { return TwoDigits(birth.Hour) + ":" + TwoDigits(birth.Minute); }

std::string Offset(const UtCandidate& candidate) { return OffsetText(candidate.offsetSeconds).toStdString(); }

}  // namespace

std::optional<std::string> ConvertBirthTime(const PersonColumns& columns, BirthData& birth,
                                            std::string_view zoneValue, std::string_view offsetValue,
                                            const PlaceZoneFinder& findPlaceZone, Conversion& conversion) {
  const auto name = [&columns](std::string_view column) { return std::string(columns.prefix) + std::string(column); };
  const auto column = [&name](std::string_view column) { return name(column) + ": "; };
  const LocalBirthTime local{std::stoi(birth.Year), birth.Month, std::stoi(birth.Day), birth.Hour, birth.Minute};
  UtConversion result;
  std::string zone;
  if (!zoneValue.empty()) {
    zone = zoneValue;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return column("tz") + "unknown time zone '" + zone + "'; use a tz database name such as Europe/London";
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  } else if (!offsetValue.empty()) {
    const std::optional<int> offset = ParseUtcOffset(offsetValue);
    if (!offset) return column("utc_offset") + "must be +HH:MM or -HH:MM, hours 00 to 14 and minutes 00 to 59";
    zone = "UTC" + std::string(offsetValue);
    result = ConvertWithOffset(local, *offset);
  } else {
    const std::string place = birth.City + ", " + (birth.State.empty() ? "" : birth.State + ", ") + birth.Country;
    const PlaceZone found = findPlaceZone ? findPlaceZone(birth.City, birth.State, birth.Country) : PlaceZone{};
    if (found.found == PlaceZone::Found::None)
      return column("city") + "no atlas place matches " + place + "; give " + name("tz") + " or " + name("utc_offset");
    if (found.found == PlaceZone::Found::Several) {
      std::string which;
      for (std::size_t i = 0; i < found.candidates.size() && i < 3; ++i) which += (i ? "; " : "") + found.candidates[i];
      if (found.candidates.size() > 3) which += "; ...";
      return column("city") + "more than one atlas place matches " + place + " (" + which + "); give " +
             name("state") + ", " + name("tz") + " or " + name("utc_offset");
    }
    zone = found.zone;
    if (!IsValidZone(QByteArray::fromStdString(zone)))
      return column("city") + "the atlas gives the time zone " + zone + ", which this system does not know";
    result = ConvertToUt(local, QByteArray::fromStdString(zone), GeographicLongitude(birth));
  }
  const std::string day = birth.Year + "-" + TwoDigits(birth.Month) + "-" + TwoDigits(std::stoi(birth.Day));
  switch (result.outcome) {
    case UtConversion::Outcome::Converted: break;
    case UtConversion::Outcome::InvalidDate:
      return column("day") + "there is no such day in that month, so the time cannot be converted";
    case UtConversion::Outcome::UnknownZone: return column("tz") + "unknown time zone '" + zone + "'";
    case UtConversion::Outcome::DoesNotExist:
      return column("hour") + ClockText(birth) + " does not exist in " + zone + " on " + day +
             ": the clocks went from " + Offset(result.candidates[0]) + " to " + Offset(result.candidates[1]);
    case UtConversion::Outcome::Ambiguous:
      return column("hour") + ClockText(birth) + " happens twice in " + zone + " on " + day + ", at " +
             Offset(result.candidates[0]) + " and " + Offset(result.candidates[1]) + "; give " + name("utc_offset");
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
