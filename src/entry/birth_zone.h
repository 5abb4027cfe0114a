// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "atlas/atlas_types.h"
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

}  // namespace kelvra
