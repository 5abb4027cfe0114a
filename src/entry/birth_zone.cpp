// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_zone.h"

#include <QRegularExpression>
#include <cmath>

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
    return searching ? QStringLiteral("Time zone: looking for the\nnearest atlas place...")
                     : QStringLiteral("No time zone yet: choose the place\nin the atlas or pick a zone.");
  }
  const QString id = QString::fromLatin1(zone->id);
  switch (zone->source) {
    case ZoneSource::AtlasPlace: return QStringLiteral("Time zone of %1, from the atlas:\n%2").arg(zone->place, id);
    case ZoneSource::PickedByHand: return QStringLiteral("Time zone picked by hand:\n%1").arg(id);
    case ZoneSource::NearestPlace: {
      const long km = std::lround(zone->distanceKm);
      const QString away = km < 1 ? QStringLiteral("under 1 km away") : QStringLiteral("%1 km away").arg(km);
      return QStringLiteral("Time zone of %1, %2:\n%3").arg(zone->place, away, id);
    }
  }
  return id;
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
