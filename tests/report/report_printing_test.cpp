// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/report_printing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
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

namespace kelvra {
namespace {

TEST(SafeFileName, ReplacesRefusedCharactersAndKeepsTheExtensionWithinBounds) {
  const QString longName = QString(300, u'a') + QStringLiteral(" - chart.png");
  const QString accents = QString(150, QChar(0xE9)) + QStringLiteral(".svg");  // two bytes each
  QString faces;
  for (int i = 0; i < 100; ++i) faces += QString::fromUtf8("\xF0\x9F\x98\x80");  // four bytes, two UTF-16 units
  faces += QStringLiteral(".pdf");
  const struct {
    QString name, safe;
  } cases[] = {
      {QStringLiteral("John Smith and Marie Dubois - chart.png"), QStringLiteral("John Smith and Marie Dubois - chart.png")},
      {QStringLiteral("A/B\\C:D*E?F\"G<H>I|J.png"), QStringLiteral("A_B_C_D_E_F_G_H_I_J.png")},
      {QStringLiteral("tab\there\nnew\x7F.pdf"), QStringLiteral("tab_here_new_.pdf")},
      {QStringLiteral("  ..hidden and x.pdf. "), QStringLiteral("hidden and x.pdf")},
      {QStringLiteral("../../etc/passwd"), QStringLiteral("_.._etc_passwd")},
      {longName, QString(196, u'a') + QStringLiteral(".png")},
      {accents, QString(98, QChar(0xE9)) + QStringLiteral(".svg")},
      {faces, faces.left(98) + QStringLiteral(".pdf")},
  };
  for (const auto& c : cases) {
    const QString safe = SafeFileName(c.name);
    EXPECT_EQ(safe, c.safe) << c.name.toStdString();
    EXPECT_LE(safe.toUtf8().size(), kMaxFileNameBytes) << c.name.toStdString();
    EXPECT_EQ(QString::fromUtf8(safe.toUtf8()), safe) << "a character cut in half";
  }
}

// Each save dialog opens where the last successful save of the run went;
// a cancelled or failed save, or a folder removed since, leaves none there.
TEST(AskSaveFileName, SuggestsTheNameInTheFolderOfTheLastSave) {
  QTemporaryDir folder;
  QDir(folder.path()).mkdir(QStringLiteral("x"));
  QDir(folder.path()).mkdir(QStringLiteral("gone"));
  const QString x = folder.filePath(QStringLiteral("x"));
  const QString gone = folder.filePath(QStringLiteral("gone"));
  const ScopedLastSaveFolder lastFolder({});
  const struct {
    const char* step;
    QString answer;  // the dialog's, after the question
    bool removeGone;
    QString suggested;  // the folder of the question asked in this step
  } steps[] = {
      {"first", x + QStringLiteral("/a.pdf"), false, QDir::homePath()},
      {"after a save", QString(), false, x},
      {"after cancelling", folder.filePath(QStringLiteral("none/b.pdf")), false, x},
      {"after a failure", gone + QStringLiteral("/c.pdf"), false, x},
      {"after a save elsewhere", QString(), true, gone},
      {"once that folder is gone", QString(), false, QDir::homePath()},
  };
  for (const auto& step : steps) {
    PrintingStubs stubs;
    QString asked;
    const ScopedSaveFileNameFunction saveStub([&](QWidget*, const PdfSaveQuestion& question) {
      asked = question.suggestedName;
      return SaveAnswer{step.answer};
    });
    SavePdfCopy(nullptr, {QStringLiteral("Save"), QStringLiteral("name.pdf")}, [](const QString& fileName) {
      QFile file(fileName);
      return file.open(QIODevice::WriteOnly);
    });
    EXPECT_EQ(asked, QDir(step.suggested).filePath(QStringLiteral("name.pdf"))) << step.step;
    if (step.removeGone) QDir(gone).removeRecursively();
  }
}

// The standard dialog, answered as a user would: it opens on the suggested
// file, and offers the birth data unticked only where the question asks.
TEST(AskSaveFileName, TheDialogOffersBirthDataUntickedWhereAsked) {
  QTemporaryDir folder;
  const ScopedLastSaveFolder lastFolder(folder.path());
  const ScopedSaveFileNameFunction standardDialog({});
  const struct {
    bool offered, tick;
  } cases[] = {{false, false}, {true, false}, {true, true}};
  for (const auto& c : cases) {
    bool seen = false;
    const QString chosen = folder.filePath(QStringLiteral("chosen %1%2.png").arg(c.offered).arg(c.tick));
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      seen = true;
      EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
      auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("chkIncludeBirthData"));
      EXPECT_EQ(box != nullptr, c.offered);
      if (box) {
        EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(box->isVisible());
        box->setChecked(c.tick);
      }
      dialog->selectFile(chosen);
      static_cast<QDialog*>(dialog)->accept();
    });
    PdfSaveQuestion question{QStringLiteral("Save"), QStringLiteral("suggested.png"), QStringLiteral("PNG (*.png)")};
    question.offerBirthData = c.offered;
    const SaveAnswer answer = AskSaveFileName(nullptr, question);
    EXPECT_TRUE(seen);
    EXPECT_EQ(answer.fileName, chosen);
    EXPECT_EQ(answer.includeBirthData, c.tick);
  }
}

}  // namespace
}  // namespace kelvra
