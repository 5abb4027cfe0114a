// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace kelvra {

/// A local clock time as entered for a birth. Hour runs 0..24, and 24:mm is
/// 0:mm of the next day. Seconds are not taken: they never enter the chart.
struct LocalBirthTime {
  int year = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

/// One reading of the local time as Universal Time: ut = local - offset.
struct UtCandidate {
  QDateTime ut;               ///< in UTC
  int offsetSeconds = 0;      ///< east of Greenwich positive
  QString abbreviation;       ///< the tz database's ("EDT", "LMT"), or OffsetText for a fixed offset
  bool daylightTime = false;
};

struct UtConversion {
  enum class Outcome { Converted, DoesNotExist, Ambiguous, UnknownZone, InvalidDate };
  Outcome outcome = Outcome::InvalidDate;
  /// Converted: the one reading. Ambiguous: each reading, earlier UT first.
  /// DoesNotExist: the offset in force before the gap, then the one after it,
  /// each read as if it applied, so a message can name both. Otherwise empty.
  std::vector<UtCandidate> candidates;
};

/// Universal Time of a local clock time in the tz zone zoneId, with the
/// zone's history (daylight time, war time, old standard times). Where the
/// zone still kept local mean time ("LMT"), the mean time of the birth
/// longitude is used rather than that of the zone's city.
UtConversion ConvertToUt(const LocalBirthTime& local, const QByteArray& zoneId, double longitudeDegreesEast);

/// Universal Time of a local clock time kept at a fixed offset from UT, for
/// births entered with "+HH:MM" rather than a zone. Never ambiguous.
UtConversion ConvertWithOffset(const LocalBirthTime& local, int offsetSeconds);

/// Seconds east of UT written exactly as +HH:MM or -HH:MM, HH 00..14 and
/// MM 00..59; anything else, blanks included, is refused.
std::optional<int> ParseUtcOffset(std::string_view text);

/// Whether id names a tz database zone (Europe/Kyiv, and its old name
/// Europe/Kiev, which Qt does not list) or one Qt lists (UTC, UTC+05:30).
/// A bare word is refused: Qt reads any word it cannot find as a POSIX TZ
/// rule at offset 0, so "London" would silently be UT.
bool IsValidZone(const QByteArray& id);

/// A tz zone's offsets from UT, in seconds east, at one local clock time.
struct ZoneOffsets {
  int offset = 0;          ///< in force then, summer time included
  int standardOffset = 0;  ///< the zone's standard time then
};

/// The offsets of the zone zoneId at a local clock time to the second (hour
/// 24 is the next day's 0 hours); nothing when the zone is not valid
/// (IsValidZone), the date or time is impossible, or the clock skipped that
/// time there. Where the time happened twice, one of its two readings.
std::optional<ZoneOffsets> ZoneOffsetsAt(std::string_view zoneId, int year, int month, int day, int hour, int minute,
                                         int second);

/// The zones to offer for choice: those Qt lists plus extra (such as every
/// zone the atlas names), valid ones only, sorted, each once.
QList<QByteArray> ZoneIdsForPicker(const QList<QByteArray>& extra);

/// An offset as "+02:00" or "-05:00"; old mean times keep their seconds
/// ("+05:53:28").
QString OffsetText(int offsetSeconds);

/// A moment as UT without a zone suffix: "1950-07-01T16:00:00".
QString UtText(const QDateTime& ut);

}  // namespace kelvra
