// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/person_reader.h"

#include <cstdint>

#include "csv/entry_values.h"
#include "csv/utf8.h"
#include "vocabulary/entry_words.h"

namespace kelvra::cli {

namespace {

enum Column : std::size_t {
  kName, kDay, kMonth, kYear, kHour, kMinute, kSecond, kLatDeg, kLatMin, kLatDir,
  kLongDeg, kLongMin, kLongDir, kCity, kState, kCountry,
};

// The entry form's box for a column, where the form asks for it by name.
std::optional<EntryWordsField> FormField(Column column) {
  switch (column) {
    case kName: return EntryWordsField::Name;
    case kLatDeg: return EntryWordsField::LatDeg;
    case kLatMin: return EntryWordsField::LatMin;
    case kLatDir: return EntryWordsField::LatDir;
    case kLongDeg: return EntryWordsField::LongDeg;
    case kLongMin: return EntryWordsField::LongMin;
    case kLongDir: return EntryWordsField::LongDir;
    case kCity: return EntryWordsField::City;
    case kState: return EntryWordsField::State;
    case kCountry: return EntryWordsField::Country;
    default: return std::nullopt;
  }
}

// The entry form's message for an empty box, where it has one.
std::optional<std::string> EmptyMessage(Partner partner, Column column) {
  const std::optional<EntryWordsField> field = FormField(column);
  if (!field) return std::nullopt;
  return Tr(MissingEntryMessage(*field, partner == Partner::Male ? EntryWordsPerson::Man : EntryWordsPerson::Woman));
}

std::string WholeNumberFromTo(int low, int high) {
  return Tr(words::kWholeNumberFromTo, {std::to_string(low), std::to_string(high)});
}

std::string InvalidMessage(Column column) {
  switch (column) {
    case kDay: return WholeNumberFromTo(1, 31);
    case kMonth: return WholeNumberFromTo(1, 12);
    case kYear: return WholeNumberFromTo(1900, 2050);
    case kHour: return WholeNumberFromTo(0, 24);
    case kMinute:
    case kSecond: return WholeNumberFromTo(0, 59);
    case kLatDeg:
    case kLatMin:
    case kLongDeg:
    case kLongMin: return Tr(words::kCoordinateDigits);
    case kLatDir: return Tr(words::kLatitudeDirection);
    case kLongDir: return Tr(words::kLongitudeDirection);
    default: return Tr(words::kMustNotBeEmpty);
  }
}

}  // namespace

std::string_view ColumnPrefix(Partner partner) { return partner == Partner::Male ? "male_" : "female_"; }

std::string ColumnName(Partner partner, std::string_view column) {
  std::string name(ColumnPrefix(partner));
  name += column;
  return name;
}

PersonColumns CoupleColumns(Partner partner) { return {ColumnPrefix(partner), partner}; }

PersonResult ReadPerson(const PersonColumns& columns, const PersonFields& fields) {
  BirthData birth;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto column = static_cast<Column>(i);
    const std::string_view value = fields[i];
    const auto refuse = [&](const std::string& message) {
      std::string name(columns.prefix);
      name.append(kPersonColumns[i]);
      return PersonResult{std::nullopt, Tr(words::kColumnRefusal, {name, message})};
    };
    if (!csv::IsValidUtf8(value)) return refuse(Tr(words::kNotUtf8));
    if (value.empty()) {
      if (const std::optional<std::string> empty = EmptyMessage(columns.wording, column)) return refuse(*empty);
    }

    std::optional<std::int32_t> number;
    switch (column) {
      case kName: birth.Name = value; continue;
      case kCity: birth.City = value; continue;
      case kState: birth.State = value; continue;
      case kCountry: birth.Country = value; continue;
      case kLatDir:
        if (const std::optional<char> direction = csv::LatitudeDirection(value)) {
          birth.LatDir = *direction == 'N' ? LatitudeDirection::North : LatitudeDirection::South;
        } else {
          return refuse(InvalidMessage(column));
        }
        continue;
      case kLongDir:
        if (const std::optional<char> direction = csv::LongitudeDirection(value)) {
          birth.LongDir = *direction == 'E' ? LongitudeDirection::East : LongitudeDirection::West;
        } else {
          return refuse(InvalidMessage(column));
        }
        continue;
      case kDay: number = csv::WholeNumberIn(value, 1, 31); break;
      case kMonth: number = csv::WholeNumberIn(value, 1, 12); break;
      case kYear: number = csv::WholeNumberIn(value, 1900, 2050); break;
      case kHour: number = csv::WholeNumberIn(value, 0, 24); break;
      case kMinute:
      case kSecond: number = csv::WholeNumberIn(value, 0, 59); break;
      case kLatDeg:
      case kLatMin:
      case kLongDeg:
      case kLongMin: number = csv::CoordinatePart(value); break;
    }
    if (!number) return refuse(InvalidMessage(column));
    switch (column) {
      // The lists hold "5", not "05": the text is rebuilt from the number.
      case kDay: birth.Day = std::to_string(*number); break;
      case kMonth: birth.Month = *number; break;
      case kYear: birth.Year = std::to_string(*number); break;
      case kHour: birth.Hour = *number; break;
      case kMinute: birth.Minute = *number; break;
      case kSecond: birth.Second = *number; break;
      case kLatDeg: birth.LatDeg = *number; break;
      case kLatMin: birth.LatMin = *number; break;
      case kLongDeg: birth.LongDeg = *number; break;
      case kLongMin: birth.LongMin = *number; break;
      default: break;
    }
  }
  return {std::move(birth), {}};
}

PersonResult ReadPerson(Partner partner, const PersonFields& fields) {
  return ReadPerson(CoupleColumns(partner), fields);
}

}  // namespace kelvra::cli
