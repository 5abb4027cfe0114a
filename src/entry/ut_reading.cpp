// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/ut_reading.h"

#include <QDate>
#include <charconv>
#include <string>

#include "birthtime/month_name.h"

namespace kelvra {

namespace {

int NumberOrZero(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

QString Whose(Person person) { return person == Person::Male ? QStringLiteral("male") : QStringLiteral("female"); }

QString ClockText(const LocalBirthTime& local) {
  return QStringLiteral("%1:%2").arg(local.hour, 2, 10, QLatin1Char('0')).arg(local.minute, 2, 10, QLatin1Char('0'));
}

QString DayText(const LocalBirthTime& local) {
  return QStringLiteral("%1-%2-%3")
      .arg(local.year, 4, 10, QLatin1Char('0'))
      .arg(local.month, 2, 10, QLatin1Char('0'))
      .arg(local.day, 2, 10, QLatin1Char('0'));
}

}  // namespace

LocalBirthTime LocalBirthTimeOf(const BirthData& birth) {
  return {NumberOrZero(birth.Year), birth.Month, NumberOrZero(birth.Day), birth.Hour, birth.Minute};
}

QString ReadingAnswer(const UtCandidate& reading) {
  const QString offset = QStringLiteral("UTC") + OffsetText(reading.offsetSeconds);
  return reading.daylightTime ? offset + QStringLiteral(" (summer time)") : offset;
}

UtReading DecideUtReading(Person person, const LocalBirthTime& local, const QByteArray& zoneId,
                          const UtConversion& conversion) {
  using Outcome = UtConversion::Outcome;
  const QString zone = QString::fromLatin1(zoneId);
  UtReading reading;
  switch (conversion.outcome) {
    case Outcome::Converted:
      reading.step = UtReading::Step::Use;
      return reading;
    case Outcome::Ambiguous: {
      reading.step = UtReading::Step::Ask;
      QStringList answers;
      for (const UtCandidate& candidate : conversion.candidates) answers << ReadingAnswer(candidate);
      reading.question.text = QStringLiteral("The %1 birth time %2 happens twice in %3 on %4: at %5?")
                                  .arg(Whose(person), ClockText(local), zone, DayText(local),
                                       answers.join(QStringLiteral(" or at ")));
      reading.question.answers = answers;
      return reading;
    }
    case Outcome::DoesNotExist: {
      const QString before = QStringLiteral("UTC") + OffsetText(conversion.candidates.at(0).offsetSeconds);
      const QString after = QStringLiteral("UTC") + OffsetText(conversion.candidates.at(1).offsetSeconds);
      reading.message = QStringLiteral(
                            "The %1 birth time %2 does not exist in %3 on %4: the clocks went from %5 to %6. "
                            "Correct the time, or pick a fixed offset such as %5 as the time zone.")
                            .arg(Whose(person), ClockText(local), zone, DayText(local), before, after);
      reading.field = EntryField::Hour;
      return reading;
    }
    case Outcome::UnknownZone:
      reading.message = QStringLiteral("The time zone %1 of the %2 birthplace is not known on this computer. "
                                       "Pick another time zone.")
                            .arg(zone, Whose(person));
      reading.field = EntryField::City;
      return reading;
    case Outcome::InvalidDate:
      reading.message = QStringLiteral("The %1 birth date, %2 %3, %4, does not exist, so its time cannot be "
                                       "converted to UT. Correct the date.")
                            .arg(Whose(person), MonthName(local.month))
                            .arg(local.day)
                            .arg(local.year);
      reading.field = EntryField::Day;
      return reading;
  }
  return reading;
}

UniversalMoment UniversalMomentOf(const QDateTime& ut) {
  const QDateTime utc = ut.toUTC();
  const QDate date = utc.date();
  const QTime time = utc.time();
  return {date.year(), date.month(), date.day(), time.hour() + time.minute() / 60.0 + time.second() / 3600.0};
}

QString MissingZoneMessage(Person person) {
  return QStringLiteral("The %1 birthplace has no time zone: choose it in the atlas, type its coordinates, or "
                        "pick a time zone.")
      .arg(Whose(person));
}

}  // namespace kelvra
