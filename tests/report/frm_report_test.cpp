// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_report.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <limits>

#include "fake_director.h"
#include "recording_ephemeris.h"
#include "birthtime/month_name.h"
#include "shell/twips.h"

namespace kelvra {
namespace {

QString Shown(const frmReport& report, const char* field) {
  auto* label = report.findChild<QLabel*>(QString::fromLatin1(field));
  return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(field));
}

struct FilledReport {
  testing::RecordingEphemeris ephemeris;
  testing::FakeDirector director{ephemeris};
  frmReport report;

  explicit FilledReport(const CompatibilityResult& result = {}) {
    testing::FillEveryEntry(director.form);
    director.state.result = result;
  }
  PersonEntries& person(Person p) { return director.form.people[testing::FakeEntryForm::Index(p)]; }
  void Fill() { report.FillReport(director); }
};

TEST(FillReport, TakesEachFieldFromItsOwnEntry) {
  FilledReport filled;
  filled.person(Person::Male).month = 3;
  filled.person(Person::Male).day = 1;
  filled.person(Person::Female).day = 31;
  filled.person(Person::Female).year = 1900;
  filled.Fill();

  const QString march = MonthName(3), december = MonthName(12);
  const struct {
    const char* field;
    QString text;
  } expected[] = {
      {"mName", "M name"},   {"mDOB", march + " 1, 2050"},     {"mCity", "M city"},   {"mState", "M state"},
      {"Mcountry", "M country"}, {"fName", "F name"},          {"fDOB", december + " 31, 1900"},
      {"fCity", "F city"},   {"fState", "F state"},            {"fCountry", "F country"},
      {"mSun", "M 1"},       {"mMercury", "M 2"},  {"mVenus", "M 3"},  {"mMars", "M 4"},   {"mJupiter", "M 5"},
      {"mSaturn", "M 6"},    {"mUranus", "M 7"},   {"mNeptune", "M 8"}, {"mPluto", "M 9"}, {"mMoon", "M 10"},
      {"mNN", "M 11"},       {"mSN", "M 12"},      {"mPF", "M 13"},    {"mA", "M 14"},     {"mMC", "M 15"},
      {"mC", "M 16"},        {"fSun", "F 1"},      {"fMercury", "F 2"}, {"fVenus", "F 3"}, {"fMars", "F 4"},
      {"FJupiter", "F 5"},   {"fSaturn", "F 6"},   {"fUranus", "F 7"}, {"fNeptune", "F 8"}, {"fPluto", "F 9"},
      {"fMoon", "F 10"},     {"fNN", "F 11"},      {"fSN", "F 12"},    {"fPF", "F 13"},    {"fA", "F 14"},
      {"fMC", "F 15"},       {"fC", "F 16"},       {"Power", "0"},     {"Harmony", "0"},   {"PH", "0"},
      {"Percentage", "0"},   {"Comment", ""},
  };
  ASSERT_EQ(std::size(expected), kReportFields.size());
  for (const auto& [field, text] : expected) EXPECT_EQ(Shown(filled.report, field), text) << field;
}

TEST(FillReport, CopiesTextsVerbatim) {
  FilledReport filled;
  filled.person(Person::Male).name = QStringLiteral("  Arthur ");
  filled.person(Person::Female).state = QStringLiteral("   ");               // blanks only
  filled.person(Person::Male).city = QStringLiteral("<b>Bold</b> & Co");     // never taken as markup
  filled.person(Person::Female).name = QStringLiteral("Zoë Łucja");
  filled.director.form.charts[0][7] = "15 Tau 15";
  filled.Fill();
  const std::pair<const char*, QString> cases[] = {
      {"mName", QStringLiteral("  Arthur ")},       {"fState", QStringLiteral("   ")},
      {"mCity", QStringLiteral("<b>Bold</b> & Co")}, {"fName", QStringLiteral("Zoë Łucja")},
      {"mNeptune", QStringLiteral("15 Tau 15")},
  };
  for (const auto& [field, text] : cases) {
    EXPECT_EQ(Shown(filled.report, field), text) << field;
    EXPECT_EQ(filled.report.findChild<QLabel*>(QString::fromLatin1(field))->textFormat(), Qt::PlainText);
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
  filled.Fill();
  EXPECT_EQ(filled.director.calls, QStringList{"closeEntryForm"});
  EXPECT_FALSE(filled.director.formOpen);
  EXPECT_EQ(Shown(filled.report, "fName"), QStringLiteral("F name"));
  EXPECT_EQ(Shown(filled.report, "Comment"), QStringLiteral("Average"));
}

TEST(FillReport, WithoutAnEntryFormShowsOnlyTheResult) {
  FilledReport filled({7, -8, -1, 3, "Poor"});
  filled.director.formOpen = false;
  filled.Fill();
  EXPECT_EQ(Shown(filled.report, "mName"), QString());
  EXPECT_EQ(Shown(filled.report, "Harmony"), QStringLiteral("-8"));
}

TEST(FillReport, ConvertedBirthTimesAddARowToEachFrameAndGrowThePage) {
  FilledReport plain;
  plain.Fill();
  EXPECT_EQ(plain.report.findChild<QLabel*>("mBirthTime"), nullptr);
  EXPECT_EQ(plain.report.size(), QSize(Twips(11325), Twips(10800)));

  FilledReport converted;
  const QDateTime ut(QDate(2050, 12, 31), QTime(22, 59), Qt::UTC);
  converted.director.state.birthTimes = {
      ConvertedBirthTime{"Europe/Oslo", {2050, 12, 31, 24, 59}, {ut, 3600, "CET", false}},
      ConvertedBirthTime{"UTC", {2050, 12, 31, 24, 59}, {ut.addSecs(3600), 0, "UTC", false}}};
  converted.Fill();
  frmReport& page = converted.report;
  EXPECT_EQ(Shown(page, "mBirthTime"), QStringLiteral("24:59 UTC+01:00 = 22:59 UT"));
  EXPECT_EQ(page.findChild<QLabel*>("mBirthTime")->toolTip(), QStringLiteral("Europe/Oslo (CET)"));
  EXPECT_EQ(Shown(page, "fBirthTime"), QStringLiteral("24:59 UTC+00:00 = 23:59 UT"));
  EXPECT_EQ(page.shownReport(), plain.report.shownReport());  // the 47 fields as without the rows

  // Everything under the persons' frames moves down by one row, the page grows by it.
  const int row = frmReport::kBirthTimeRowHeight;
  EXPECT_EQ(page.size(), QSize(Twips(11325), Twips(10800 + row)));
  const struct {
    const char* name;
    int top, height;
  } moved[] = {{"Frame1", 720, 1725 + row}, {"Frame2", 720, 1725 + row}, {"Frame3", 2550 + row, 4365},
               {"Frame5", 7005 + row, 3255}, {"Label21", 10260 + row, 270}, {"VScroll1", 0, 10800 + row}};
  for (const auto& [name, top, height] : moved) {
    const QRect geometry = page.findChild<QWidget*>(name)->geometry();
    EXPECT_EQ(geometry.top(), Twips(top)) << name;
    EXPECT_EQ(geometry.height(), Twips(height)) << name;
  }
  // The row lies inside its frame, under Country.
  const QRect country = page.findChild<QLabel*>("Mcountry")->geometry();
  const QRect birthTime = page.findChild<QLabel*>("mBirthTime")->geometry();
  EXPECT_GT(birthTime.top(), country.bottom());
  EXPECT_LE(birthTime.bottom(), page.findChild<QWidget*>("Frame1")->height());
}

TEST(frmReport, ShownReportReadsBackEveryField) {
  CompatibilityReport written;
  int n = 0;
  for (const auto& [name, member] : kReportFields) written.*member = "value " + std::to_string(++n);
  frmReport report;
  report.showReport(written);
  EXPECT_EQ(report.shownReport(), written);
}

// Whose data follows is said by the groups' names, as the page shows it by
// their painted captions.
TEST(frmReport, ScreenReadersHearWhoseDataFollows) {
  frmReport page;
  page.show();
  QStringList groups;
  std::function<void(QAccessibleInterface*, const QString&)> walk = [&](QAccessibleInterface* node,
                                                                          const QString& within) {
    QString path = within;
    if (node->role() == QAccessible::Grouping) {
      path += QLatin1Char('/') + node->text(QAccessible::Name);
      groups << path;
    }
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), path);
  };
  walk(QAccessible::queryAccessibleInterface(&page), QString());
  EXPECT_EQ(groups, QStringList({"/Male", "/Female", "/Compatibility", "/Compatibility/Compatibility Report",
                                 "/Natal Position Data", "/Natal Position Data/Male", "/Natal Position Data/Female"}));
  EXPECT_TRUE(page.findChild<QWidget*>("VScroll1")->isHidden());  // it scrolls nothing: not shown, not printed
}

// With any face, each table's captions share one size and keep clear of
// their cells' edges on both sides.
TEST(frmReport, CaptionsFitTheirCellsAtOneSizePerTable) {
  frmReport page;
  const struct {
    const char* frame;
    QStringList captions;
  } tables[] = {
      {"Frame1", {"Name:", "Date of Birth:", "City:", "State:", "Country:"}},
      {"Frame6", {"Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Moon",
                  "N.Node", "S.Node", "P_of_F", "Asc", "MC", "Chiron"}},
  };
  for (const auto& table : tables) {
    std::set<qreal> sizes;
    for (QLabel* label : page.findChild<QWidget*>(table.frame)->findChildren<QLabel*>()) {
      if (!table.captions.contains(label->text())) continue;
      sizes.insert(label->font().pointSizeF());
      const int room = label->contentsRect().width() - 2 * std::max(0, label->indent());
      EXPECT_LE(QFontMetrics(label->font()).boundingRect(label->text()).width(), room) << label->text().toStdString();
    }
    EXPECT_EQ(sizes.size(), 1u) << table.frame;
  }
}

}  // namespace
}  // namespace kelvra
