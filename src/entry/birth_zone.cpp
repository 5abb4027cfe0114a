// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_zone.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
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

namespace {

QString NoteAbout(const BirthZone& zone, const QString& place) {
  const std::string id = zone.id.toStdString();
  const std::string name = place.toStdString();
  switch (zone.source) {
    case ZoneSource::AtlasPlace: return Text(words::kZoneNoteAtlas, {name, id});
    case ZoneSource::PickedByHand: return Text(words::kZoneNoteByHand, {id});
    case ZoneSource::NearestPlace: {
      const long km = std::lround(zone.distanceKm);
      return km < 1 ? Text(words::kZoneNoteNearby, {name, id}) : Text(words::kZoneNoteNearest, km, {name, id});
    }
  }
  return QString::fromStdString(id);
}

}  // namespace

QString ZoneNote(const std::optional<BirthZone>& zone, bool searching,
                 const std::function<bool(const QString& line)>& fits) {
  if (!zone) return Text(searching ? words::kZoneNoteSearching : words::kZoneNoteNone);
  QString note = NoteAbout(*zone, zone->place);
  if (!fits || zone->source == ZoneSource::PickedByHand) return note;
  // Whole characters (a letter and its accents) go, never half of one.
  QList<qsizetype> ends;
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, zone->place);
  for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary()) ends << at;
  for (qsizetype kept = ends.size() - 1; kept > 0 && !fits(note.section(u'\n', 0, 0)); --kept)
    note = NoteAbout(*zone, zone->place.left(ends[kept - 1]).trimmed() + QChar(0x2026));
  return note;
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
