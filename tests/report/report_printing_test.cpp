// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/report_printing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "report/frm_report.h"
#include "shell/message.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

// Replaces the message box, the save dialog and the printer for one test.
struct PrintingStubs {
  QStringList messages;
  int saveDialogs = 0;
  QString saveAnswer;
  std::function<std::unique_ptr<QPrinter>()> printer = [] { return nullptr; };

  ScopedMessageFunction messageStub{[this](QWidget*, const QString& text) { messages << text; }};
  ScopedSaveFileNameFunction saveStub{[this](QWidget*, const PdfSaveQuestion&) { return ++saveDialogs, SaveAnswer{saveAnswer}; }};
  ScopedPrinterFunction printerStub{[this] { return printer(); }};
};

std::unique_ptr<QPrinter> PdfPrinter(const QString& fileName) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(fileName);
  return printer;
}

CompatibilityReport SampleReport() {
  CompatibilityReport report;
  report.mName = "Arthur Pendragon";
  report.fName = "Guinevere";
  report.mCity = "Springfield";  // "fi" must stay two letters, not a ligature, for a search to find it
  report.mSun = "15 Tau 15";
  report.Harmony = "-225";
  report.Comment = "Average";
  return report;
}

TEST(PrintReportPage, WithoutAPrinterSaysSoThenSavesAPdfWhoseTextIsText) {
  QTemporaryDir folder;
  const struct {
    const char* why;
    std::function<std::unique_ptr<QPrinter>()> printer;
  } failures[] = {
      {"no printer", [] { return nullptr; }},
      {"printer will not open", [&] { return PdfPrinter(folder.filePath(QStringLiteral("missing/dir/out.pdf"))); }},
  };
  for (const auto& failure : failures) {
    PrintingStubs stubs;
    stubs.printer = failure.printer;
    stubs.saveAnswer = folder.filePath(QStringLiteral("copy.pdf"));
    QFile::remove(stubs.saveAnswer);
    frmReport page;
    page.showReport(SampleReport());

    PrintReportPage(page, nullptr);

    EXPECT_EQ(stubs.messages.size(), 1) << failure.why;
    EXPECT_EQ(stubs.saveDialogs, 1) << failure.why;
    EXPECT_EQ(testing::PdfPageCount(stubs.saveAnswer), 1) << failure.why;
    const QString text = testing::PdfToolOutput(QStringLiteral("pdftotext"), stubs.saveAnswer);
    for (const char* expected : {"Arthur Pendragon", "Guinevere", "Springfield", "15 Tau 15", "-225", "Average",
                                 "Compatibility Report:", "Natal Position Data:"})
      EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << failure.why << ": " << expected;
  }
}

TEST(PrintReportPage, CancellingTheSaveWritesNothing) {
  QTemporaryDir folder;
  PrintingStubs stubs;  // no printer; the save dialog answers nothing
  frmReport page;
  PrintReportPage(page, nullptr);
  EXPECT_EQ(stubs.messages.size(), 1);
  EXPECT_EQ(stubs.saveDialogs, 1);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(PrintReportPage, AnUnwritablePdfIsReportedNotPassedOver) {
  QTemporaryDir folder;
  PrintingStubs stubs;
  stubs.saveAnswer = folder.filePath(QStringLiteral("no/such/folder/copy.pdf"));
  frmReport page;
  PrintReportPage(page, nullptr);
  ASSERT_EQ(stubs.messages.size(), 2);
  EXPECT_TRUE(stubs.messages[1].contains(QStringLiteral("copy.pdf")));
}

TEST(PrintReportPage, APrinterGetsOnePageAndNoQuestions) {
  QTemporaryDir folder;
  const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
  PrintingStubs stubs;
  stubs.printer = [&] { return PdfPrinter(printed); };
  frmReport page;
  page.showReport(SampleReport());

  PrintReportPage(page, nullptr);

  EXPECT_TRUE(stubs.messages.isEmpty());
  EXPECT_EQ(stubs.saveDialogs, 0);
  EXPECT_EQ(testing::PdfPageCount(printed), 1);
}

}  // namespace
}  // namespace kelvra
