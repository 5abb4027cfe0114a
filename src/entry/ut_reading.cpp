// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/ut_reading.h"

#include <QDate>
#include <charconv>
#include <string>

#include "birthtime/month_name.h"
#include "shell/words.h"
#include "vocabulary/birth_time_words.h"
#include "vocabulary/common_words.h"

namespace kelvra {

namespace {

int NumberOrZero(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::string Whose(Person person) { return Tr((person == Person::Male ? words::kMan : words::kWoman).adjective); }

std::string ClockText(const LocalBirthTime& local) {
  return QStringLiteral("%1:%2")
      .arg(local.hour, 2, 10, QLatin1Char('0'))
      .arg(local.minute, 2, 10, QLatin1Char('0'))
      .toStdString();
}

std::string DayText(const LocalBirthTime& local) {
  return QStringLiteral("%1-%2-%3")
      .arg(local.year, 4, 10, QLatin1Char('0'))
      .arg(local.month, 2, 10, QLatin1Char('0'))
      .arg(local.day, 2, 10, QLatin1Char('0'))
      .toStdString();
}

std::string OffsetName(const UtCandidate& reading) {
  return (QStringLiteral("UTC") + OffsetText(reading.offsetSeconds)).toStdString();
}

}  // namespace

LocalBirthTime LocalBirthTimeOf(const BirthData& birth) {
  return {NumberOrZero(birth.Year), birth.Month, NumberOrZero(birth.Day), birth.Hour, birth.Minute};
}

QString ReadingAnswer(const UtCandidate& reading) {
  const std::string offset = OffsetName(reading);
  return reading.daylightTime ? Text(words::kSummerTimeReading, {offset}) : QString::fromStdString(offset);
}

UtReading DecideUtReading(Person person, const LocalBirthTime& local, const QByteArray& zoneId,
                          const UtConversion& conversion) {
  using Outcome = UtConversion::Outcome;
  const std::string zone = zoneId.toStdString();
  UtReading reading;
  switch (conversion.outcome) {
    case Outcome::Converted:
      reading.step = UtReading::Step::Use;
      return reading;
    case Outcome::Ambiguous: {
      reading.step = UtReading::Step::Ask;
      QStringList answers;
      std::string joined;
      for (const UtCandidate& candidate : conversion.candidates) {
        answers << ReadingAnswer(candidate);
        const std::string answer = answers.back().toStdString();
        joined = joined.empty() ? answer : Tr(words::kOrAtReading, {joined, answer});
      }
      reading.question.text = Text(WordsOf(BirthTimeOutcome::Ambiguous).window,
                                   {Whose(person), ClockText(local), zone, DayText(local), joined});
      reading.question.answers = answers;
      return reading;
    }
    case Outcome::DoesNotExist: {
      reading.message = Text(WordsOf(BirthTimeOutcome::DoesNotExist).window,
                             {Whose(person), ClockText(local), zone, DayText(local),
                              OffsetName(conversion.candidates.at(0)), OffsetName(conversion.candidates.at(1))});
      reading.field = EntryField::Hour;
      return reading;
    }
    case Outcome::UnknownZone:
      reading.message = Text(WordsOf(BirthTimeOutcome::UnknownZone).window, {zone, Whose(person)});
      reading.field = EntryField::City;
      return reading;
    case Outcome::InvalidDate:
      reading.message = Text(WordsOf(BirthTimeOutcome::InvalidDate).window,
                             {Whose(person), MonthName(local.month).toStdString(), std::to_string(local.day),
                              std::to_string(local.year)});
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
  return Text(WordsOf(BirthTimeOutcome::NoZone).window, {Whose(person)});
}

}  // namespace kelvra
