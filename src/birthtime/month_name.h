// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

namespace kelvra {

/// The full name of month 1..12 in the user's locale, as the month lists and
/// the date of birth show it ("January" under LANG=C).
QString MonthName(int month);

/// The English name of month 1..12 whatever the locale, so that kelvra-cli
/// writes the same bytes on every machine.
QString EnglishMonthName(int month);

}  // namespace kelvra
