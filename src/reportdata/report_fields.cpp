// SPDX-License-Identifier: AGPL-3.0-or-later
#include "reportdata/report_fields.h"

namespace kelvra {

using R = CompatibilityReport;

const std::array<ReportField, 47> kReportFields = {{
    {"mName", &R::mName},       {"mDOB", &R::mDOB},         {"mCity", &R::mCity},
    {"mState", &R::mState},     {"Mcountry", &R::Mcountry}, {"fName", &R::fName},
    {"fDOB", &R::fDOB},         {"fCity", &R::fCity},       {"fState", &R::fState},
    {"fCountry", &R::fCountry}, {"mSun", &R::mSun},         {"mMercury", &R::mMercury},
    {"mVenus", &R::mVenus},     {"mMars", &R::mMars},       {"mJupiter", &R::mJupiter},
    {"mSaturn", &R::mSaturn},   {"mUranus", &R::mUranus},   {"mNeptune", &R::mNeptune},
    {"mPluto", &R::mPluto},     {"mMoon", &R::mMoon},       {"mNN", &R::mNN},
    {"mSN", &R::mSN},           {"mPF", &R::mPF},           {"mA", &R::mA},
    {"mMC", &R::mMC},           {"mC", &R::mC},             {"fSun", &R::fSun},
    {"fMercury", &R::fMercury}, {"fVenus", &R::fVenus},     {"fMars", &R::fMars},
    {"FJupiter", &R::FJupiter}, {"fSaturn", &R::fSaturn},   {"fUranus", &R::fUranus},
    {"fNeptune", &R::fNeptune}, {"fPluto", &R::fPluto},     {"fMoon", &R::fMoon},
    {"fNN", &R::fNN},           {"fSN", &R::fSN},           {"fPF", &R::fPF},
    {"fA", &R::fA},             {"fMC", &R::fMC},           {"fC", &R::fC},
    {"Power", &R::Power},       {"Harmony", &R::Harmony},   {"PH", &R::PH},
    {"Percentage", &R::Percentage}, {"Comment", &R::Comment},
}};

namespace {

// The chart rows' fields in chart-point order, for each person.
constexpr std::array<std::string R::*, kChartPointCount> kMaleChartFields = {
    &R::mSun, &R::mMercury, &R::mVenus, &R::mMars, &R::mJupiter, &R::mSaturn, &R::mUranus, &R::mNeptune,
    &R::mPluto, &R::mMoon, &R::mNN, &R::mSN, &R::mPF, &R::mA, &R::mMC, &R::mC};
constexpr std::array<std::string R::*, kChartPointCount> kFemaleChartFields = {
    &R::fSun, &R::fMercury, &R::fVenus, &R::fMars, &R::FJupiter, &R::fSaturn, &R::fUranus, &R::fNeptune,
    &R::fPluto, &R::fMoon, &R::fNN, &R::fSN, &R::fPF, &R::fA, &R::fMC, &R::fC};

}  // namespace

std::string DateOfBirthText(const ReportPerson& person) {
  return person.monthText + " " + person.dayText + ", " + person.yearText;
}

CompatibilityReport MakeCompatibilityReport(const ReportPerson& male, const ReportPerson& female,
                                            const ChartTexts& maleChart, const ChartTexts& femaleChart,
                                            const CompatibilityResult& result) {
  R report;
  report.mName = male.name;
  report.mDOB = DateOfBirthText(male);
  report.mCity = male.city;
  report.mState = male.state;
  report.Mcountry = male.country;
  report.fName = female.name;
  report.fDOB = DateOfBirthText(female);
  report.fCity = female.city;
  report.fState = female.state;
  report.fCountry = female.country;
  for (std::size_t i = 0; i < kChartPointCount; ++i) {
    report.*kMaleChartFields[i] = maleChart[i];
    report.*kFemaleChartFields[i] = femaleChart[i];
  }
  report.Power = std::to_string(result.Power);
  report.Harmony = std::to_string(result.Harmony);
  report.PH = std::to_string(result.PH);
  report.Percentage = std::to_string(result.phPercentage);
  report.Comment = result.strComment;
  return report;
}

}  // namespace kelvra
