// SPDX-License-Identifier: AGPL-3.0-or-later
#include "birthtime/month_name.h"

#include <QLocale>

namespace kelvra {

QString MonthName(int month) { return QLocale().standaloneMonthName(month, QLocale::LongFormat); }

QString EnglishMonthName(int month) { return QLocale::c().standaloneMonthName(month, QLocale::LongFormat); }

}  // namespace kelvra
