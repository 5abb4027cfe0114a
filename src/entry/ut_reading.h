// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>

#include "birthtime/birth_time.h"
#include "charts/birth_data.h"
#include "contracts/entry_form.h"

namespace kelvra {

/// A question with one answer per reading of a clock time, in the order of
/// UtConversion::candidates.
struct ReadingQuestion {
  QString text;
  QStringList answers;
  bool operator==(const ReadingQuestion&) const = default;
};

/// What the analysis does with one person's conversion.
struct UtReading {
  enum class Step {
    Use,   ///< the one reading: candidates[candidate]
    Ask,   ///< the time happens twice: the user picks one through `question`
    Stop,  ///< the time cannot be converted: show `message`, focus `field`
  };
  Step step = Step::Stop;
  std::size_t candidate = 0;
  ReadingQuestion question;
  QString message;
  EntryField field = EntryField::Hour;
};

/// The local clock time of a record: date from the lists, hour and minute;
/// the second never enters the chart. Day or year text that is no number
/// gives day or year 0, which ConvertToUt refuses as InvalidDate.
LocalBirthTime LocalBirthTimeOf(const BirthData& birth);

/// Decides how a conversion goes on. A time that does not exist (the clocks
/// jumped over it) stops the analysis rather than guess: it is almost always
/// a mistyped time, and a record kept in standard time all year can be
/// entered with a fixed offset such as UTC-05:00 as its zone.
UtReading DecideUtReading(Person person, const LocalBirthTime& local, const QByteArray& zoneId,
                          const UtConversion& conversion);

/// An answer naming a reading: "UTC-04:00 (summer time)" or "UTC-05:00".
QString ReadingAnswer(const UtCandidate& reading);

/// The moment a chart is computed for: the UT date and the hour with its
/// minutes and seconds as a fraction.
UniversalMoment UniversalMomentOf(const QDateTime& ut);

/// What the analysis says when a person has no zone at all.
QString MissingZoneMessage(Person person);

}  // namespace kelvra
