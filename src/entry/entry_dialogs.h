// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "entry/ut_reading.h"
#include "shell/scoped_replacement.h"

class QWidget;

namespace kelvra {

/// Asks which reading of a clock time is meant: a modal box with one button
/// per answer and Cancel. The answer's index, or nothing when cancelled.
std::optional<int> AskWhichReading(QWidget* parent, const ReadingQuestion& question);

/// Replaces what AskWhichReading does (tests answer without a box); an empty
/// function restores the real box. Returns the previous function.
using ReadingChoiceFunction = std::function<std::optional<int>(QWidget* parent, const ReadingQuestion& question)>;
ReadingChoiceFunction SetReadingChoiceFunction(ReadingChoiceFunction function);
using ScopedReadingChoiceFunction = ScopedReplacement<ReadingChoiceFunction, &SetReadingChoiceFunction>;

/// What PickZone shows: whose zone, every zone offered and the one now set.
struct ZoneQuestion {
  QString prompt;
  QList<QByteArray> zones;
  QByteArray current;
};

/// Lets the user pick a zone from a list that completes as it is typed into;
/// the zone, or nothing when cancelled or when the text names no offered zone.
std::optional<QByteArray> PickZone(QWidget* parent, const ZoneQuestion& question);

using ZonePickFunction = std::function<std::optional<QByteArray>(QWidget* parent, const ZoneQuestion& question)>;
ZonePickFunction SetZonePickFunction(ZonePickFunction function);
using ScopedZonePickFunction = ScopedReplacement<ZonePickFunction, &SetZonePickFunction>;

}  // namespace kelvra
