// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "charts/zodiac.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// One person's identity as the entry form shows it; every text verbatim.
struct ReportPerson {
  std::string name;
  std::string monthText;  ///< the month list's text, e.g. "March"
  std::string dayText;    ///< "1".."31"
  std::string yearText;   ///< "1900".."2050"
  std::string city;
  std::string state;
  std::string country;
};

/// The report's 47 text fields, named after the report labels that show them.
struct CompatibilityReport {
  std::string mName, mDOB, mCity, mState, Mcountry;
  std::string fName, fDOB, fCity, fState, fCountry;
  std::string mSun, mMercury, mVenus, mMars, mJupiter, mSaturn, mUranus, mNeptune;
  std::string mPluto, mMoon, mNN, mSN, mPF, mA, mMC, mC;
  std::string fSun, fMercury, fVenus, fMars, FJupiter, fSaturn, fUranus, fNeptune;
  std::string fPluto, fMoon, fNN, fSN, fPF, fA, fMC, fC;
  std::string Power, Harmony, PH, Percentage, Comment;

  bool operator==(const CompatibilityReport&) const = default;
};

using ReportField = std::pair<std::string_view, std::string CompatibilityReport::*>;

/// Every field with its name, in the order the report fills them.
extern const std::array<ReportField, 47> kReportFields;

/// "March 1, 2050": month text, a blank, day text, a comma and a blank, year text.
std::string DateOfBirthText(const ReportPerson& person);

/// The report of one finished analysis: identity texts and chart texts copied
/// verbatim, the figures as decimal integers, the comment unchanged.
CompatibilityReport MakeCompatibilityReport(const ReportPerson& male, const ReportPerson& female,
                                            const ChartTexts& maleChart, const ChartTexts& femaleChart,
                                            const CompatibilityResult& result);

}  // namespace kelvra
