// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/birth_zone.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "shell/words.h"
#include "vocabulary/birth_time_words.h"
#include "vocabulary/zone_picker_words.h"

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

QString ZoneRegion(const QByteArray& id) {
  const qsizetype slash = id.indexOf('/');
  return slash < 0 ? QString() : QString::fromLatin1(id.left(slash));
}

QString ZoneDisplayName(const QByteArray& id) {
  QStringList parts = QString::fromLatin1(id).split(u'/');
  if (parts.size() < 2) return parts.front();
  parts.removeFirst();
  for (QString& part : parts) part.replace(u'_', u' ');
  QString name = parts.takeFirst();
  for (const QString& part : parts) name = Text(words::kZoneAreaAndPlace, {name.toStdString(), part.toStdString()});
  return name;
}

bool ZoneListedBefore(const QByteArray& a, const QByteArray& b) {
  // Fixed offsets after every region, ordered by the offset they keep.
  const auto key = [](const QByteArray& id) {
    const QString region = ZoneRegion(id);
    const int offset = region.isEmpty() ? ParseUtcOffset(id.mid(3).toStdString()).value_or(0) : 0;
    return std::tuple(region.isEmpty(), region, offset, id);
  };
  return key(a) < key(b);
}

std::optional<int> ZoneOffsetAtClock(const QByteArray& id, const LocalBirthTime& local) {
  // No birth longitude: where the zone kept local mean time, its own city's.
  const UtConversion conversion = ConvertToUt(local, id, std::numeric_limits<double>::quiet_NaN());
  if (conversion.candidates.empty()) return std::nullopt;
  if (conversion.outcome != UtConversion::Outcome::Converted) {
    const auto standard = std::find_if(conversion.candidates.begin(), conversion.candidates.end(),
                                       [](const UtCandidate& reading) { return !reading.daylightTime; });
    if (standard != conversion.candidates.end()) return standard->offsetSeconds;
  }
  return conversion.candidates.front().offsetSeconds;
}

QString ZoneOffsetName(int offsetSeconds) { return QStringLiteral("UTC") + OffsetText(offsetSeconds); }

std::optional<LocalBirthTime> EnteredBirthTime(const PersonEntries& entries) {
  const bool clock = entries.hour >= 0 && entries.hour <= 24 && entries.minute >= 0 && entries.minute <= 59;
  if (!clock || !QDate(entries.year, entries.month, entries.day).isValid()) return std::nullopt;
  return LocalBirthTime{entries.year, entries.month, entries.day, entries.hour, entries.minute};
}

QString FoldForZoneSearch(const QString& text) {
  QString folded;
  bool blank = false;
  for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
    if (c.category() == QChar::Mark_NonSpacing) continue;  // the accents split off by the normalization
    if (c == u'_' || c == u'/' || c.isSpace()) {
      blank = true;
      continue;
    }
    if (blank && !folded.isEmpty()) folded += u' ';
    blank = false;
    folded += c;
  }
  return folded.toCaseFolded();
}

QString ZoneSearchText(const QByteArray& id, const QString& offsetText) {
  return FoldForZoneSearch(QString::fromLatin1(id) + u' ' + ZoneDisplayName(id) + u' ' + offsetText);
}

bool MatchesZoneSearch(const QString& foldedSearch, const QString& searchText) {
  const QStringList words = foldedSearch.split(u' ', Qt::SkipEmptyParts);
  return std::all_of(words.begin(), words.end(), [&](const QString& word) { return searchText.contains(word); });
}

}  // namespace kelvra
