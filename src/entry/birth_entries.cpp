// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_entries.h"

#include <string>

#include "charts/whole_number.h"
#include "shell/words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {

std::variant<BirthData, EntryError> ReadBirthData(const PersonEntries& entries) {
  BirthData birth;
  birth.Name = entries.name.trimmed().toStdString();
  birth.Day = std::to_string(entries.day);
  birth.Month = entries.month;
  birth.Year = std::to_string(entries.year);
  birth.Hour = entries.hour;
  birth.Minute = entries.minute;
  birth.Second = entries.second;

  struct Field {
    const QString& text;
    std::int32_t BirthData::*target;
    EntryField field;
  };
  const Field fields[] = {
      {entries.latDeg, &BirthData::LatDeg, EntryField::LatDeg},
      {entries.latMin, &BirthData::LatMin, EntryField::LatMin},
      {entries.longDeg, &BirthData::LongDeg, EntryField::LongDeg},
      {entries.longMin, &BirthData::LongMin, EntryField::LongMin},
  };
  for (const auto& field : fields) {
    const auto value = ParseWholeNumber(field.text.trimmed().toStdString());
    if (!value) return EntryError{field.field, Text(words::kOnlyNumbers)};
    birth.*field.target = *value;
  }

  birth.LatDir = entries.south ? LatitudeDirection::South : LatitudeDirection::North;
  birth.LongDir = entries.west ? LongitudeDirection::West : LongitudeDirection::East;
  birth.City = entries.city.toStdString();
  birth.State = entries.state.toStdString();
  birth.Country = entries.country.toStdString();
  return birth;
}

}  // namespace kelvra
