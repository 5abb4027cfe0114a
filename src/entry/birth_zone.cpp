// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_zone.h"

#include <QRegularExpression>
#include <cmath>

#include "shell/words.h"
#include "vocabulary/birth_time_words.h"

namespace kelvra {

BirthZone ZoneOfAtlasPlace(const AtlasPlace& place) {
  return {QByteArray::fromStdString(place.timeZone), ZoneSource::AtlasPlace, QString::fromStdString(place.city), 0};
}

std::optional<BirthZone> ZoneOfNearestPlace(const AtlasNearest& nearest) {
  if (!nearest.place || nearest.place->timeZone.empty()) return std::nullopt;
  return BirthZone{QByteArray::fromStdString(nearest.place->timeZone), ZoneSource::NearestPlace,
                   QString::fromStdString(nearest.place->city), nearest.distanceKm};
}

BirthZone ZonePickedByHand(const QByteArray& id) { return {id, ZoneSource::PickedByHand, {}, 0}; }

std::optional<BirthZone> ZoneAfterPlaceEdit(const std::optional<BirthZone>& zone) {
  if (zone && zone->source == ZoneSource::PickedByHand) return zone;
  return std::nullopt;
}

bool WantsSuggestion(const std::optional<BirthZone>& zone) {
  return !zone || zone->source == ZoneSource::NearestPlace;
}

QString ZoneNote(const std::optional<BirthZone>& zone, bool searching) {
  if (!zone) {
    return Text(searching ? words::kZoneNoteSearching : words::kZoneNoteNone);
  }
  const std::string id = zone->id.toStdString();
  const std::string place = zone->place.toStdString();
  switch (zone->source) {
    case ZoneSource::AtlasPlace: return Text(words::kZoneNoteAtlas, {place, id});
    case ZoneSource::PickedByHand: return Text(words::kZoneNoteByHand, {id});
    case ZoneSource::NearestPlace: {
      const long km = std::lround(zone->distanceKm);
      return km < 1 ? Text(words::kZoneNoteNearby, {place, id}) : Text(words::kZoneNoteNearest, km, {place, id});
    }
  }
  return QString::fromStdString(id);
}

QList<QByteArray> PickerZones(const QList<QByteArray>& ids) {
  static const QRegularExpression fixedOffset(QStringLiteral("^UTC([+-]\\d\\d:\\d\\d)?$"));
  QList<QByteArray> kept;
  for (const QByteArray& id : ids) {
    const bool location = id.contains('/') && !id.startsWith("Etc/") && !id.startsWith("SystemV/");
    if (location || fixedOffset.match(QString::fromLatin1(id)).hasMatch()) kept << id;
  }
  return kept;
}

}  // namespace kelvra
