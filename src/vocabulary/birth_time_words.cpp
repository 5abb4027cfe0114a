// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/birth_time_words.h"

#include <array>

namespace kelvra {

namespace {

// In BirthTimeOutcome order. The window's sentences name the person by
// their adjective ("male") as %1; the command line's stand after the column.
constexpr std::array<BirthTimeOutcomeWords, 5> kOutcomes = {{
    // Window: %2 the clock time, %3 the zone, %4 the day, %5 the readings
    // joined by "or at". Command line: %1 the clock time, %2 the zone, %3 the
    // day, %4 and %5 the two offsets, %6 the offset column.
    {KELVRA_TR("Birth time", "The %1 birth time %2 happens twice in %3 on %4: at %5?"),
     KELVRA_TR("Command line", "%1 happens twice in %2 on %3, at %4 and %5; give %6")},
    // Window: %2 the clock time, %3 the zone, %4 the day, %5 and %6 the
    // offsets before and after. Command line: %1 the clock time, %2 the zone,
    // %3 the day, %4 and %5 the offsets.
    {KELVRA_TR("Birth time",
               "The %1 birth time %2 does not exist in %3 on %4: the clocks went from %5 to %6. Correct the time, or "
               "pick a fixed offset such as %5 as the time zone."),
     KELVRA_TR("Command line", "%1 does not exist in %2 on %3: the clocks went from %4 to %5")},
    // Window: %1 the zone, %2 the person. Command line: %1 the zone.
    {KELVRA_TR("Birth time",
               "The time zone %1 of the %2 birthplace is not known on this computer. Pick another time zone."),
     KELVRA_TR("Command line", "unknown time zone '%1'")},
    // Window: %2 the month's name, %3 the day, %4 the year.
    {KELVRA_TR("Birth time",
               "The %1 birth date, %2 %3, %4, does not exist, so its time cannot be converted to UT. Correct the "
               "date."),
     KELVRA_TR("Command line", "there is no such day in that month, so the time cannot be converted")},
    // Command line: %1 the birthplace, %2 and %3 the zone columns.
    {KELVRA_TR("Birth time",
               "The %1 birthplace has no time zone: choose it in the atlas, type its coordinates, or pick a time "
               "zone."),
     KELVRA_TR("Command line", "no atlas place matches %1; give %2 or %3")},
}};

}  // namespace

const BirthTimeOutcomeWords& WordsOf(BirthTimeOutcome outcome) {
  return kOutcomes.at(static_cast<std::size_t>(outcome));
}

}  // namespace kelvra
