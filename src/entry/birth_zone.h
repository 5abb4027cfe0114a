// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "atlas/atlas_types.h"
#include "birthtime/birth_time.h"
#include "contracts/entry_form.h"
#include "contracts/entry_state.h"

namespace kelvra {

/// The zone of a place chosen in the atlas.
BirthZone ZoneOfAtlasPlace(const AtlasPlace& place);

/// The zone a nearest-place search suggests, or nothing when it found none.
std::optional<BirthZone> ZoneOfNearestPlace(const AtlasNearest& nearest);

/// A zone picked from the list.
BirthZone ZonePickedByHand(const QByteArray& id);

/// What is left of a zone once the user changes the place or the coordinates
/// by hand: an atlas place's zone and a nearest-place suggestion belong to
/// the place and go; a zone picked by hand is the user's own and stays.
std::optional<BirthZone> ZoneAfterPlaceEdit(const std::optional<BirthZone>& zone);

/// Whether the nearest atlas place should (re)supply the zone: none is set,
/// or the one set is itself such a suggestion.
bool WantsSuggestion(const std::optional<BirthZone>& zone);

/// The small note under a person's entries, two lines: where the zone comes
/// from, then the zone. `searching` while the atlas is still being read.
/// When `fits` refuses the first line, the place's name is shortened with an
/// ellipsis until it fits, so the distance and the zone stay in view.
QString ZoneNote(const std::optional<BirthZone>& zone, bool searching,
                 const std::function<bool(const QString& line)>& fits = {});

/// The zones offered for picking: area/location names ("Europe/Oslo") and
/// the fixed offsets ("UTC", "UTC+05:30"); Qt's other ids ("EST5EDT", "Japan",
/// "Etc/GMT+5", whose sign is the reverse of what it reads) are left out.
/// Order is kept.
QList<QByteArray> PickerZones(const QList<QByteArray>& ids);

/// The region the picker lists a zone under: the first part of its id,
/// "America" for "America/Argentina/Buenos_Aires"; empty for a fixed offset
/// ("UTC", "UTC+05:30"), listed last.
QString ZoneRegion(const QByteArray& id);

/// A zone's name under its region, with blanks for underscores: "Oslo",
/// "Argentina / Buenos Aires"; a fixed offset as it is, "UTC+05:30".
QString ZoneDisplayName(const QByteArray& id);

/// The picker's order: by region, fixed offsets last and from west to east;
/// within a region by id.
bool ZoneListedBefore(const QByteArray& a, const QByteArray& b);

/// The zone's offset from UT at a local clock time. Where the clocks went
/// back or jumped over the time, the standard time's offset; nothing for an
/// unknown zone or a day that does not exist.
std::optional<int> ZoneOffsetAtClock(const QByteArray& id, const LocalBirthTime& local);

/// An offset as the picker shows it: "UTC+01:00", "UTC-03:00".
QString ZoneOffsetName(int offsetSeconds);

/// The birth date and time as entered, or nothing while they are no moment
/// (31 February).
std::optional<LocalBirthTime> EnteredBirthTime(const PersonEntries& entries);

/// Text as the picker's search compares it: case and accents dropped,
/// underscores, slashes and runs of blanks one blank, trimmed.
QString FoldForZoneSearch(const QString& text);

/// What the search looks in for one zone, folded: its id, its name and its
/// offset ("+05:30").
QString ZoneSearchText(const QByteArray& id, const QString& offsetText);

/// Whether every word of the folded search is found in a zone's search text;
/// an empty search matches every zone.
bool MatchesZoneSearch(const QString& foldedSearch, const QString& searchText);

}  // namespace kelvra
