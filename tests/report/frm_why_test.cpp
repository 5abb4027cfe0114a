// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_why.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "report/report_printing.h"
#include "shell/message.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

// Three links, their strengths chosen so that sorting by text would misorder them.
WhyReport SampleReport() {
  Explanation explanation;
  const struct {
    ChartPoint male;
    ContactKind kind;
    ChartPoint female;
    double strength, delta;
  } links[] = {
      {ChartPoint::Sun, ContactKind::Trine, ChartPoint::Venus, 9.5, 9.5},
      {ChartPoint::Mars, ContactKind::Square, ChartPoint::Saturn, 10.25, -15.375},
      {ChartPoint::Ascendant, ContactKind::Sextile, ChartPoint::Moon, 2, 2},
  };
  for (const auto& link : links) {
    ContactExplanation e;
    e.contact = {link.male, link.female, link.kind, AspectKind::None, link.strength};
    e.harmonyDelta = link.delta;
    e.effects = {{"Rule of " + std::string(ChartPointName(link.male)), link.delta, std::nullopt}};
    explanation.contacts.push_back(e);
  }
  WhyReport report = DescribeAnalysis(explanation, {}, {});
  report.title = WhyTitle("Arthur", "Guinevere");
  return report;
}

QStringList Column(const QTableWidget& table, int column) {
  QStringList texts;
  for (int row = 0; row < table.rowCount(); ++row) texts << table.item(row, column)->text();
  return texts;
}

TEST(frmWhy, ShowsEveryParagraphAndSortsLinksByValue) {
  const WhyReport report = SampleReport();
  frmWhy window(report);
  const QString words = window.wordsView()->toPlainText();
  EXPECT_TRUE(words.contains(QStringLiteral("Why this result: Arthur and Guinevere")));
  for (const WhySection& section : report.sections) {
    EXPECT_TRUE(words.contains(QString::fromStdString(section.heading))) << section.heading;
    for (const std::string& paragraph : section.paragraphs)
      EXPECT_TRUE(words.contains(QString::fromStdString(paragraph))) << paragraph;
  }
  QTableWidget& table = *window.linksTable();
  ASSERT_EQ(table.rowCount(), 3);
  EXPECT_EQ(Column(table, 1), QStringList({"Sun", "Mars", "Ascendant"}));  // the scan's order first
  table.sortByColumn(9, Qt::AscendingOrder);
  EXPECT_EQ(Column(table, 9), QStringList({"2.00", "9.50", "10.25"}));
  table.sortByColumn(10, Qt::DescendingOrder);
  EXPECT_EQ(Column(table, 10), QStringList({"+9.50", "+2.00", "-15.38"}));
  EXPECT_EQ(Column(table, 11), QStringList({"Rule of Sun +9.5", "Rule of Ascendant +2", "Rule of Mars -15.38"}));
}

// Names for screen readers are checked with every window's in tests/desktop.
TEST(frmWhy, TabReachesEveryControlInReadingOrder) {
  frmWhy window(SampleReport());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QStringList order;
  for (int i = 0; i < 4 && QApplication::focusWidget(); ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, QStringList({"txtWhy", "grdLinks", "cmdSave", "cmdClose"}));
}

TEST(frmWhy, EscapeAndCloseCloseTheWindow) {
  for (const char* control : {"txtWhy", "grdLinks", "cmdSave", "cmdClose"}) {
    frmWhy window(SampleReport());
    window.show();
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control));
    ASSERT_NE(widget, nullptr) << control;
    if (QLatin1String(control) == QLatin1String("cmdClose"))
      static_cast<QPushButton*>(widget)->click();
    else
      QTest::keyClick(widget, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible()) << control;
  }
}

TEST(frmWhy, SaveAsPdfWritesTheTextAsTextOrSaysWhyNot) {
  QTemporaryDir folder;
  const struct {
    const char* name;
    QString answer;  // the save dialog's
    bool written;
    int messages;
  } cases[] = {
      {"saved", folder.filePath(QStringLiteral("why.pdf")), true, 0},
      {"cancelled", QString(), false, 0},
      {"unwritable", folder.filePath(QStringLiteral("no/such/folder/why.pdf")), false, 1},
  };
  for (const auto& c : cases) {
    QStringList messages;
    PdfSaveQuestion asked;
    const ScopedMessageFunction messageStub([&](QWidget*, const QString& text) { messages << text; });
    const ScopedSaveFileNameFunction saveStub([&](QWidget*, const PdfSaveQuestion& question) {
      asked = question;
      return c.answer;
    });
    frmWhy window(SampleReport());
    window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    EXPECT_EQ(asked.suggestedName, QStringLiteral("Kelvra explanation.pdf")) << c.name;
    EXPECT_EQ(messages.size(), c.messages) << c.name;
    EXPECT_EQ(QFile::exists(c.answer), c.written) << c.name;
    if (!c.written) continue;
    const QString text = testing::PdfToolOutput(QStringLiteral("pdftotext"), c.answer);
    for (const char* expected : {"Why this result: Arthur and Guinevere", "What takes most away from harmony",
                                 "Male Mars square female Saturn: -15.38 harmony (strength 10.25)",
                                 "Harmony includes no carried amount", "Detection", "Rule of Ascendant +2"})
      EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << c.name << ": " << expected;
  }
}

}  // namespace
}  // namespace kelvra
