// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "people/person.h"

namespace kelvra::people {

/// A record a file gave, where it was: `line` of its first line (from 1) and
/// its number among the file's records (from 1: every AAF #A93:, every CSV
/// data row).
struct ReadRecord {
  Person person;
  std::size_t line = 0;
  std::size_t record = 0;
  /// What the import report says of it besides ("the Julian day gives
  /// 12:04, the record 12:00; the record's clock time is kept").
  std::vector<std::string> remarks;
};

/// A record refused, alone, and why, in words for a person.
struct RefusedRecord {
  std::size_t line = 0;
  std::size_t record = 0;
  std::string reason;
};

/// What reading a whole file gave.
struct ReadResult {
  std::vector<ReadRecord> records;
  std::vector<RefusedRecord> refused;
  /// Why the file as a whole is refused (a required column missing), in
  /// words for a person; empty when it was read. When set, nothing of the
  /// file is taken: records and refused are empty.
  std::string fileProblem;
};

/// What a writer had to change so that a person fits the format: one entry
/// per substitution, in words ("record 3: a comma in the name written as ';'").
struct WriteReport {
  std::vector<std::string> substitutions;
};

/// The time zone rules the formats need, given by the caller so that the
/// library stays free of any one zone implementation (the programs pass the
/// tz database through their birth time code).
struct ZoneRules {
  /// Whether `name` is a tz database zone this system knows (not an
  /// abbreviation such as "MEZ" or "LMT").
  std::function<bool(std::string_view name)> isValidZone;
  /// The offset from UT in seconds, east positive, of `zone` at a local
  /// clock time; nothing when the zone is unknown or the time does not exist.
  std::function<std::optional<std::int32_t>(std::string_view zone, int year, int month, int day, int hour, int minute,
                                            int second)>
      offsetAt;
  /// The zone's standard offset (without summer time) at a local clock time,
  /// if the rules can tell it; may be empty. A writer uses it to say summer
  /// time apart from the zone difference.
  std::function<std::optional<std::int32_t>(std::string_view zone, int year, int month, int day, int hour, int minute,
                                            int second)>
      standardOffsetAt;
};

}  // namespace kelvra::people
