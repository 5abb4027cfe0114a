// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/birth_time_row.h"

#include <QDate>
#include <QStringList>

#include "shell/words.h"
#include "vocabulary/report_words.h"

namespace kelvra {

namespace {

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

BirthTimeRow BirthTimeRowOf(const ConvertedBirthTime& time) {
  const UtCandidate& reading = time.reading;
  const QDateTime ut = reading.ut.toUTC();
  QString utText = TwoDigits(ut.time().hour()) + QLatin1Char(':') + TwoDigits(ut.time().minute());
  if (ut.time().second() != 0) utText += QLatin1Char(':') + TwoDigits(ut.time().second());

  BirthTimeRow row;
  row.text =
      Text(words::kBirthTimeRow, {TwoDigits(time.local.hour).toStdString(), TwoDigits(time.local.minute).toStdString(),
                                  OffsetText(reading.offsetSeconds).toStdString(), utText.toStdString()});
  // Against the date of birth the report shows above, as typed: 24:15 on the
  // 13th read at UT+0 is 00:15 UT on the 14th, one day after it.
  const qint64 days = QDate(time.local.year, time.local.month, time.local.day).daysTo(ut.date());
  if (days != 0) {
    const char* sign = days < 0 ? "\u2212" : "+";  // a true minus, as typeset
    row.text = Text(words::kBirthTimeOtherDay, qAbs(days), {row.text.toStdString(), sign});
  }

  QStringList details;
  const QString zone = QString::fromLatin1(time.zoneId);
  // A fixed offset's abbreviation only repeats the offset.
  if (!reading.abbreviation.isEmpty() && reading.abbreviation != zone &&
      reading.abbreviation != QStringLiteral("UTC") + OffsetText(reading.offsetSeconds))
    details << reading.abbreviation;
  if (reading.daylightTime) details << Text(words::kBirthTimeSummerTime);
  row.toolTip = details.isEmpty()
                    ? zone
                    : Text(words::kBirthTimeZoneNotes,
                           {zone.toStdString(), details.join(Text(words::kBirthTimeNoteSeparator)).toStdString()});
  return row;
}

}  // namespace kelvra
