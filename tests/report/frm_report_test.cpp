// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_report.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "fake_director.h"
#include "fake_entry_form.h"
#include "recording_ephemeris.h"

namespace kelvra {
namespace {

QString Shown(const frmReport& report, const char* field) {
  auto* label = report.findChild<QLabel*>(QString::fromLatin1(field));
  return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(field));
}

void SetText(QWidget& form, const char* name, const QString& text) {
  form.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

void Pick(QWidget& form, const char* name, const QString& item) {
  auto* list = form.findChild<QComboBox*>(QString::fromLatin1(name));
  list->setCurrentIndex(list->findText(item));
}

struct FilledReport {
  testing::RecordingEphemeris ephemeris;
  testing::FakeDirector director{ephemeris};
  std::unique_ptr<QWidget> form = testing::MakeFakeEntryForm();
  frmReport report;

  explicit FilledReport(const CompatibilityResult& result = {}) {
    testing::FillEveryEntry(*form);  // each text box holds its own name
    director.form = form.get();
    director.state.result = result;
  }
  void Fill() { report.FillReport(director); }
};

TEST(FillReport, TakesEachFieldFromItsOwnEntryBox) {
  FilledReport filled;
  Pick(*filled.form, "cboMMonth", QStringLiteral("March"));
  Pick(*filled.form, "cboMDate", QStringLiteral("1"));
  Pick(*filled.form, "cboFDate", QStringLiteral("31"));
  Pick(*filled.form, "cboFYear", QStringLiteral("1900"));
  filled.Fill();

  const struct {
    const char* field;
    const char* text;
  } expected[] = {
      {"mName", "txtMName"},         {"mDOB", "March 1, 2050"},       {"mCity", "txtMCity"},
      {"mState", "txtMState"},       {"Mcountry", "txtMCountry"},     {"fName", "txtFName"},
      {"fDOB", "December 31, 1900"}, {"fCity", "txtFCity"},           {"fState", "txtFState"},
      {"fCountry", "txtFCountry"},   {"mSun", "txtMSun"},             {"mMercury", "txtMMercury"},
      {"mVenus", "txtMVenus"},       {"mMars", "txtMMars"},           {"mJupiter", "txtMJupiter"},
      {"mSaturn", "txtMSaturn"},     {"mUranus", "txtMUranus"},       {"mNeptune", "txtMNeptunes"},
      {"mPluto", "txtMPluto"},       {"mMoon", "txtMMoon"},           {"mNN", "txtMN"},
      {"mSN", "txtMS"},              {"mPF", "txtMP"},                {"mA", "txtMAsc"},
      {"mMC", "txtMMC"},             {"mC", "txtMC"},                 {"fSun", "txtFSun"},
      {"fMercury", "txtFMercury"},   {"fVenus", "txtFVenus"},         {"fMars", "txtFMars"},
      {"FJupiter", "txtFJupiter"},   {"fSaturn", "txtFSaturn"},       {"fUranus", "txtFUranus"},
      {"fNeptune", "txtFNeptune"},   {"fPluto", "txtFPluto"},         {"fMoon", "txtFMoon"},
      {"fNN", "txtFN"},              {"fSN", "txtFS"},                {"fPF", "txtFP"},
      {"fA", "txtFAsc"},             {"fMC", "txtFMC"},               {"fC", "txtFC"},
      {"Power", "0"},                {"Harmony", "0"},                {"PH", "0"},
      {"Percentage", "0"},           {"Comment", ""},
  };
  ASSERT_EQ(std::size(expected), kReportFields.size());
  for (const auto& [field, text] : expected) EXPECT_EQ(Shown(filled.report, field), QString::fromLatin1(text)) << field;
}

TEST(FillReport, CopiesTextsVerbatim) {
  FilledReport filled;
  const struct {
    const char* box;
    QString text;
    const char* field;
  } cases[] = {
      {"txtMName", QStringLiteral("  Arthur "), "mName"},
      {"txtFState", QStringLiteral("   "), "fState"},          // blanks only
      {"txtMCity", QStringLiteral("<b>Bold</b> & Co"), "mCity"},  // never taken as markup
      {"txtFName", QStringLiteral("Zoë Łucja"), "fName"},
      {"txtMNeptunes", QStringLiteral("15 Tau 15"), "mNeptune"},
      {"txtFC", QStringLiteral("0 Ari 0"), "fC"},
  };
  for (const auto& c : cases) SetText(*filled.form, c.box, c.text);
  filled.Fill();
  for (const auto& c : cases) {
    EXPECT_EQ(Shown(filled.report, c.field), c.text) << c.field;
    EXPECT_EQ(filled.report.findChild<QLabel*>(QString::fromLatin1(c.field))->textFormat(), Qt::PlainText);
  }
}

TEST(FillReport, WritesFiguresAsPlainDigitsWithALeadingMinus) {
  const struct {
    CompatibilityResult result;
    const char* power;
    const char* harmony;
    const char* ph;
    const char* percentage;
  } cases[] = {
      {{1500, -225, -3370, 0, "Poor"}, "1500", "-225", "-3370", "0"},
      {{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), -1, 100, "Good"},
       "-2147483648", "2147483647", "-1", "100"},
  };
  for (const auto& c : cases) {
    FilledReport filled(c.result);
    filled.Fill();
    EXPECT_EQ(Shown(filled.report, "Power"), QString::fromLatin1(c.power));
    EXPECT_EQ(Shown(filled.report, "Harmony"), QString::fromLatin1(c.harmony));
    EXPECT_EQ(Shown(filled.report, "PH"), QString::fromLatin1(c.ph));
    EXPECT_EQ(Shown(filled.report, "Percentage"), QString::fromLatin1(c.percentage));
    EXPECT_EQ(Shown(filled.report, "Comment"), QString::fromStdString(c.result.strComment));
  }
}

TEST(FillReport, ClosesTheEntryFormAfterReadingIt) {
  FilledReport filled({10, 20, 2, 50, "Average"});
  // The fake closes nothing, so make the close take the form away as the
  // program does; the report must already hold everything by then.
  struct ClosingDirector : testing::FakeDirector {
    using FakeDirector::FakeDirector;
    void CloseEntryForm() override {
      FakeDirector::CloseEntryForm();
      form = nullptr;
    }
  } director(filled.ephemeris);
  director.form = filled.form.get();
  director.state.result = filled.director.state.result;

  filled.report.FillReport(director);

  EXPECT_EQ(director.calls, QStringList{"CloseEntryForm"});
  EXPECT_EQ(Shown(filled.report, "fName"), QStringLiteral("txtFName"));
  EXPECT_EQ(Shown(filled.report, "Comment"), QStringLiteral("Average"));
}

TEST(FillReport, WithoutAnEntryFormShowsOnlyTheResult) {
  testing::RecordingEphemeris ephemeris;
  testing::FakeDirector director(ephemeris);
  director.state.result = {7, -8, -1, 3, "Poor"};
  frmReport report;
  report.FillReport(director);
  EXPECT_EQ(Shown(report, "mName"), QString());
  EXPECT_EQ(Shown(report, "Harmony"), QStringLiteral("-8"));
}

TEST(frmReport, ShownReportReadsBackEveryField) {
  CompatibilityReport written;
  int n = 0;
  for (const auto& [name, member] : kReportFields) written.*member = "value " + std::to_string(++n);
  frmReport report;
  report.ShowReport(written);
  EXPECT_EQ(report.ShownReport(), written);
}

}  // namespace
}  // namespace kelvra
