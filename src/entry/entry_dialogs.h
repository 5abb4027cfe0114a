// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "entry/ut_reading.h"
#include "shell/scoped_replacement.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
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

/// What PickZone shows: whose zone, every zone offered, the one now set and
/// the birth date and time as entered, when they are a moment, at which the
/// offsets are given.
struct ZoneQuestion {
  Person person = Person::Male;
  QList<QByteArray> zones;
  QByteArray current;
  std::optional<LocalBirthTime> birth;
};

/// Lets the user pick a zone from the offered ones, listed by region with
/// their offsets and filtered as a search is typed; the zone, or nothing when
/// cancelled.
std::optional<QByteArray> PickZone(QWidget* parent, const ZoneQuestion& question);

/// The window PickZone shows. By keyboard alone: type to filter, Down and Up
/// move in the list, Enter picks, Escape cancels.
class ZonePicker : public QDialog {
  Q_OBJECT

 public:
  /// `nowUtc` gives the offsets when the question has no birth time.
  ZonePicker(const ZoneQuestion& question, const QDateTime& nowUtc, QWidget* parent = nullptr);

  /// The zone of the selected row, or nothing while a region heading or no row is.
  std::optional<QByteArray> chosenZone() const;

  /// Closes with the selected zone; without one the window stays open.
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void fill(const ZoneQuestion& question, const QDateTime& nowUtc);
  void filter(const QString& text);
  void updateChoice();

  QLineEdit* txtZoneSearch_ = nullptr;
  QTreeWidget* lstZones_ = nullptr;
  QLabel* lblZoneNote_ = nullptr;
  QPushButton* cmdUse_ = nullptr;
  QString offsetsNote_;
};

using ZonePickFunction = std::function<std::optional<QByteArray>(QWidget* parent, const ZoneQuestion& question)>;
ZonePickFunction SetZonePickFunction(ZonePickFunction function);
using ScopedZonePickFunction = ScopedReplacement<ZonePickFunction, &SetZonePickFunction>;

}  // namespace kelvra
