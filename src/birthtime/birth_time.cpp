// SPDX-License-Identifier: AGPL-3.0-or-later
#include "birthtime/birth_time.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace kelvra {
namespace {

constexpr int kSecondsPerDay = 86400;

using Outcome = UtConversion::Outcome;

// The clock time as if it were UT, so offsets can be subtracted from it.
std::optional<QDateTime> ClockAsUtc(const LocalBirthTime& local) {
  const QDate date(local.year, local.month, local.day);
  if (!date.isValid() || local.hour < 0 || local.hour > 24 || local.minute < 0 || local.minute > 59)
    return std::nullopt;
  return QDateTime(date.addDays(local.hour / 24), QTime(local.hour % 24, local.minute), Qt::UTC);
}

// Mean time of the birth longitude, kept on the same side of the date line as
// the zone's own mean time: Alaska and Manila once kept the other side's date.
int LongitudeMeanTime(double longitudeDegreesEast, int zoneMeanTime) {
  if (!std::isfinite(longitudeDegreesEast)) return zoneMeanTime;
  const auto offset = static_cast<int>(std::lround(std::remainder(longitudeDegreesEast, 360.0) * 240));
  const auto days = static_cast<int>(std::lround(double(zoneMeanTime - offset) / kSecondsPerDay));
  return offset + days * kSecondsPerDay;
}

// The zone's state at a UT moment, local mean time taken at the birth longitude.
UtCandidate ZoneAt(const QTimeZone& zone, const QDateTime& ut, double longitudeDegreesEast) {
  UtCandidate state{ut, zone.offsetFromUtc(ut), zone.abbreviation(ut), zone.isDaylightTime(ut)};
  if (state.abbreviation == QLatin1String("LMT"))
    state.offsetSeconds = LongitudeMeanTime(longitudeDegreesEast, state.offsetSeconds);
  return state;
}

// Every offset the zone keeps within a day of the clock time. No offset
// reaches a day, so every reading of the clock time falls in that window.
std::vector<int> OffsetsNear(const QTimeZone& zone, const QDateTime& clock, double longitudeDegreesEast) {
  const QDateTime from = clock.addDays(-1);
  const QDateTime to = clock.addDays(1);
  std::vector<int> offsets;
  const auto add = [&](const QDateTime& ut) {
    const int offset = ZoneAt(zone, ut, longitudeDegreesEast).offsetSeconds;
    if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end()) offsets.push_back(offset);
  };
  add(from);
  add(to);
  for (const auto& transition : zone.transitions(from, to)) add(transition.atUtc);
  return offsets;
}

// A state as if it held at the clock time, for naming both sides of a gap.
UtCandidate ReadWith(UtCandidate state, const QDateTime& clock) {
  state.ut = clock.addSecs(-state.offsetSeconds);
  return state;
}

}  // namespace

// Qt 6.4 quietly picks one reading of a clock time that is skipped or
// repeated, so each offset near it is tried and kept only where the zone agrees.
UtConversion ConvertToUt(const LocalBirthTime& local, const QByteArray& zoneId, double longitudeDegreesEast) {
  if (!IsValidZone(zoneId)) return {Outcome::UnknownZone, {}};
  const auto clock = ClockAsUtc(local);
  if (!clock) return {Outcome::InvalidDate, {}};
  const QTimeZone zone(zoneId);
  std::vector<UtCandidate> states;
  for (const int offset : OffsetsNear(zone, *clock, longitudeDegreesEast))
    states.push_back(ZoneAt(zone, clock->addSecs(-offset), longitudeDegreesEast));
  std::sort(states.begin(), states.end(), [](const auto& a, const auto& b) { return a.ut < b.ut; });
  std::vector<UtCandidate> readings;
  std::copy_if(states.begin(), states.end(), std::back_inserter(readings),
               [&](const UtCandidate& state) { return state.ut.addSecs(state.offsetSeconds) == *clock; });
  if (readings.size() == 1) return {Outcome::Converted, readings};
  if (readings.size() > 1) return {Outcome::Ambiguous, readings};
  // In a gap the earliest reading still falls before it, the latest after it.
  return {Outcome::DoesNotExist, {ReadWith(states.front(), *clock), ReadWith(states.back(), *clock)}};
}

UtConversion ConvertWithOffset(const LocalBirthTime& local, int offsetSeconds) {
  const auto clock = ClockAsUtc(local);
  if (!clock) return {Outcome::InvalidDate, {}};
  return {Outcome::Converted, {{clock->addSecs(-offsetSeconds), offsetSeconds, OffsetText(offsetSeconds), false}}};
}

std::optional<int> ParseUtcOffset(std::string_view text) {
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return std::nullopt;
  for (const std::size_t i : {1, 2, 4, 5})
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  const int hours = (text[1] - '0') * 10 + (text[2] - '0');
  const int minutes = (text[4] - '0') * 10 + (text[5] - '0');
  if (hours > 14 || minutes > 59) return std::nullopt;
  const int seconds = hours * 3600 + minutes * 60;
  return text[0] == '-' ? -seconds : seconds;
}

bool IsValidZone(const QByteArray& id) {
  return (id.contains('/') || QTimeZone::isTimeZoneIdAvailable(id)) && QTimeZone(id).isValid();
}

QList<QByteArray> ZoneIdsForPicker(const QList<QByteArray>& extra) {
  QList<QByteArray> ids = QTimeZone::availableTimeZoneIds() + extra;
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  ids.removeIf([](const QByteArray& id) { return !IsValidZone(id); });
  return ids;
}

QString OffsetText(int offsetSeconds) {
  const qint64 size = std::abs(qint64{offsetSeconds});
  const auto twoDigits = [](qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
  QString text = QChar(offsetSeconds < 0 ? u'-' : u'+') + twoDigits(size / 3600) + u':' + twoDigits(size / 60 % 60);
  if (size % 60 != 0) text += u':' + twoDigits(size % 60);
  return text;
}

QString UtText(const QDateTime& ut) { return ut.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")); }

std::optional<ZoneOffsets> ZoneOffsetsAt(std::string_view zoneId, int year, int month, int day, int hour, int minute,
                                         int second) {
  const QByteArray id(zoneId.data(), static_cast<qsizetype>(zoneId.size()));
  if (!IsValidZone(id)) return std::nullopt;
  QDate date(year, month, day);
  if (!date.isValid()) return std::nullopt;
  if (hour == 24) {
    hour = 0;
    date = date.addDays(1);
  }
  const QTime time(hour, minute, second);
  if (!time.isValid()) return std::nullopt;
  const QTimeZone zone(id);
  const QDateTime local(date, time, zone);
  // Qt moves a time in a gap past it; such a time never existed there.
  if (!local.isValid() || local.date() != date || local.time() != time) return std::nullopt;
  return ZoneOffsets{local.offsetFromUtc(), zone.standardTimeOffset(local)};
}

}  // namespace kelvra
