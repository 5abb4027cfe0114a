// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_entries.h"

#include <optional>

#include "charts/whole_number.h"

namespace kelvra {

namespace {

std::optional<std::int32_t> Number(const QString& text) {
  return ParseWholeNumber(text.trimmed().toStdString());
}

}  // namespace

std::variant<BirthData, EntryError> ReadBirthData(const PersonTexts& texts) {
  BirthData birth;
  birth.Name = texts.name.trimmed().toStdString();
  birth.Day = texts.day.trimmed().toStdString();
  birth.Month = texts.monthIndex + 1;
  birth.Year = texts.year.trimmed().toStdString();

  struct Field {
    const QString& text;
    std::int32_t BirthData::*target;
    const char* control;
  };
  const Field fields[] = {
      {texts.hour, &BirthData::Hour, "HH"},       {texts.minute, &BirthData::Minute, "MM"},
      {texts.second, &BirthData::Second, "SS"},   {texts.latDeg, &BirthData::LatDeg, "LD"},
      {texts.latMin, &BirthData::LatMin, "LM"},   {texts.longDeg, &BirthData::LongDeg, "LoD"},
      {texts.longMin, &BirthData::LongMin, "LoM"},
  };
  for (const auto& field : fields) {
    const auto value = Number(field.text);
    if (!value) return EntryError{QString::fromLatin1(field.control), QStringLiteral("Please enter only numbers")};
    birth.*field.target = *value;
  }
  // Day and year come from the lists, but are checked the same way.
  if (!Number(texts.day)) return EntryError{QStringLiteral("Date"), QStringLiteral("Please enter only numbers")};
  if (!Number(texts.year)) return EntryError{QStringLiteral("Year"), QStringLiteral("Please enter only numbers")};

  birth.LatDir = texts.south ? LatitudeDirection::South : LatitudeDirection::North;
  birth.LongDir = texts.west ? LongitudeDirection::West : LongitudeDirection::East;
  birth.City = texts.city.toStdString();
  birth.State = texts.state.toStdString();
  birth.Country = texts.country.toStdString();
  return birth;
}

}  // namespace kelvra
