// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/frm_why.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QDir>
#include <QSvgRenderer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "report/report_printing.h"
#include "report/wheel_view.h"
#include "drawing/wheel_painter.h"
#include "shell/message.h"
#include "shell/spoken_name.h"
#include "vocabulary/why_words.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

// Three links, their strengths chosen so that sorting by text would misorder
// them, between points at distinct places of the wheel.
WhyContent SampleContent() {
  CoupleCharts charts;
  for (const auto& [point, longitude] : {std::pair{ChartPoint::Sun, 10.0}, {ChartPoint::Mars, 100.0},
                                        {ChartPoint::Ascendant, 200.0}})
    charts.male.Longitude[point] = longitude;
  for (const auto& [point, longitude] : {std::pair{ChartPoint::Venus, 130.0}, {ChartPoint::Saturn, 190.0},
                                        {ChartPoint::Moon, 260.0}})
    charts.female.Longitude[point] = longitude;
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
  return MakeWhyContent(charts, explanation, {}, {}, "Arthur", "Guinevere");
}

QStringList Column(const QTableWidget& table, int column) {
  QStringList texts;
  for (int row = 0; row < table.rowCount(); ++row) texts << table.item(row, column)->text();
  return texts;
}

TEST(frmWhy, ShowsEveryParagraphAndSortsLinksByValue) {
  const WhyContent content = SampleContent();
  const WhyReport& report = content.report;
  frmWhy window(content);
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
  EXPECT_EQ(Column(table, 11), QStringList({"Rule of Sun +9.50", "Rule of Ascendant +2.00", "Rule of Mars -15.38"}));
}

// Names for screen readers are checked with every window's in tests/desktop.
TEST(frmWhy, TabReachesEveryControlInReadingOrder) {
  frmWhy window(SampleContent());
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
    frmWhy window(SampleContent());
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
    const ScopedLastSaveFolder lastFolder(folder.path());
    const ScopedMessageFunction messageStub([&](QWidget*, const QString& text) { messages << text; });
    const ScopedSaveFileNameFunction saveStub([&](QWidget*, const PdfSaveQuestion& question) {
      asked = question;
      return SaveAnswer{c.answer};
    });
    frmWhy window(SampleContent());
    window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    EXPECT_EQ(asked.suggestedName, folder.filePath(QStringLiteral("Arthur and Guinevere - explanation.pdf"))) << c.name;
    EXPECT_FALSE(asked.offerBirthData) << c.name;
    EXPECT_EQ(messages.size(), c.messages) << c.name;
    EXPECT_EQ(QFile::exists(c.answer), c.written) << c.name;
    EXPECT_EQ(window.statusLabel()->text(),
              c.written ? "Explanation saved to " + QDir::toNativeSeparators(c.answer) : QString())
        << c.name;
    if (!c.written) continue;
    const QString text = testing::PdfToolOutput(QStringLiteral("pdftotext"), c.answer);
    for (const char* expected : {"Why this result: Arthur and Guinevere", "What takes most away from harmony",
                                 "Male Mars square female Saturn: -15.38 harmony (strength 10.25)",
                                 "What the percentage says", "Detection", "Rule of Ascendant +2"})
      EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << c.name << ": " << expected;
    QFile saved(c.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Percentage: 0")) << c.name << ": the figures in its properties";
  }
}

// Keys step through the contacts and a screen reader reads each; pointing at
// a line names it without moving the selection.
TEST(frmWhy, ChartNamesTheContactSteppedToOrPointedAt) {
  const WhyContent content = SampleContent();
  frmWhy window(content);
  window.show();
  window.showTab(WhyTab::Chart);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  WheelView& wheel = *window.wheelView();
  EXPECT_EQ(QApplication::focusWidget(), &wheel);
  const auto shown = [&] { return window.contactLabel()->text(); };
  const auto line = [&](std::size_t i) {
    return QStringLiteral("%1. ").arg(i + 1) + QString::fromStdString(content.contactLines[i]);
  };
  const struct {
    Qt::Key key;
    std::size_t selected;
  } steps[] = {{Qt::Key_Right, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Right, 0}, {Qt::Key_Left, 2},
               {Qt::Key_Home, 0}};
  for (const auto& step : steps) {
    QTest::keyClick(&wheel, step.key);
    EXPECT_EQ(wheel.selected(), step.selected) << step.key;
    EXPECT_EQ(shown(), line(step.selected)) << step.key;
    // What a screen reader reads of the focused picture.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&wheel)->text(QAccessible::Name).endsWith(
        QString::fromStdString(content.chart.contacts[step.selected].caption)))
        << step.key;
  }

  const SceneContact& third = content.chart.contacts[2];
  const QPointF middle = WheelTransform(QRectF(wheel.rect())).map(QPointF((third.from.x + third.to.x) / 2,
                                                                           (third.from.y + third.to.y) / 2));
  QTest::mouseMove(&wheel, middle.toPoint());
  QTRY_COMPARE(wheel.pointedAt(), std::optional<std::size_t>(2));
  EXPECT_EQ(shown(), line(2));
  EXPECT_EQ(wheel.selected(), std::optional<std::size_t>(0));
  QTest::mouseClick(&wheel, Qt::LeftButton, Qt::NoModifier, middle.toPoint());
  EXPECT_EQ(wheel.selected(), std::optional<std::size_t>(2));
}

// What a screen reader reads, without a bus: the window as a window by its
// title, the contact stepped to in the line under the chart as that line
// changes, and each column title as one phrase.
TEST(frmWhy, ScreenReadersHearTheWindowTheContactAndWholeColumnTitles) {
  const WhyContent content = SampleContent();
  frmWhy window(content);
  window.show();
  window.showTab(WhyTab::Chart);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->role(), QAccessible::Window);
  EXPECT_EQ(top->text(QAccessible::Name), window.windowTitle());

  QLabel* status = window.contactLabel();
  QList<QObject*> renamed;
  const ScopedNameChangeFunction told([&](QObject* object) { renamed << object; });
  QTest::keyClick(window.wheelView(), Qt::Key_End);
  const QString line = QStringLiteral("3. ") + QString::fromStdString(content.contactLines[2]);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), line);
  EXPECT_TRUE(renamed.contains(status));
  QAccessibleInterface* focused = top->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_TRUE(focused->text(QAccessible::Name).endsWith(QString::fromStdString(content.chart.contacts[2].caption)));

  QStringList titles;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.linksTable());
  for (int i = 0; i < table->childCount(); ++i)
    if (QAccessibleInterface* cell = table->child(i); cell && cell->role() == QAccessible::ColumnHeader)
      titles << cell->text(QAccessible::Name);
  QStringList expected;
  for (const Template& column : words::kWhyColumns) expected << QString::fromUtf8(column.text);
  EXPECT_EQ(titles, expected);
  EXPECT_EQ(window.linksTable()->horizontalHeaderItem(1)->text(), QStringLiteral("Male\npoint"));  // as shown
}

// Each key runs the button its tab shows, and no other.
TEST(frmWhy, KeysRunTheButtonsOfTheTabShown) {
  const struct {
    WhyTab tab;
    QKeyCombination key;
    const char* clicked;  // nullptr: none
  } cases[] = {
      {WhyTab::Explanation, Qt::CTRL | Qt::Key_S, "cmdSave"},
      {WhyTab::Chart, Qt::CTRL | Qt::Key_S, "cmdSaveChart"},
      {WhyTab::Chart, Qt::CTRL | Qt::Key_P, "cmdPreview"},
      {WhyTab::Explanation, Qt::CTRL | Qt::Key_P, nullptr},
      {WhyTab::Explanation, Qt::CTRL | Qt::Key_W, "cmdClose"},
      {WhyTab::Chart, Qt::CTRL | Qt::Key_W, "cmdClose"},
  };
  for (const auto& c : cases) {
    frmWhy window(SampleContent());
    window.show();
    window.showTab(c.tab);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList clicked;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);  // no dialog opens
      QObject::connect(button, &QPushButton::clicked, [&clicked, button] { clicked << button->objectName(); });
    }
    const QString key = QKeySequence(c.key).toString();
    QTest::keyClick(QApplication::focusWidget(), c.key.key(), c.key.keyboardModifiers());
    EXPECT_EQ(clicked, c.clicked ? QStringList{QString::fromLatin1(c.clicked)} : QStringList()) << key.toStdString();
    if (c.clicked) {
      EXPECT_TRUE(window.findChild<QPushButton*>(QString::fromLatin1(c.clicked))->toolTip().endsWith(
          QStringLiteral("(%1)").arg(key)))
          << key.toStdString();
    }
  }
}

TEST(frmWhy, SaveChartAsWritesTheKindItsNameAsksFor) {
  QTemporaryDir folder;
  const auto png = [](const QString& file) {
    return QImageReader(file).format() == "png" &&
           QImageReader(file).size() == QSize(qRound(wheel::kCanvasWidth) * 2, qRound(wheel::kCanvasHeight) * 2);
  };
  const auto svg = [](const QString& file) { return QSvgRenderer(file).isValid(); };
  const auto pdf = [](const QString& file) {
    return testing::PdfToolOutput(QStringLiteral("pdftotext"), file).contains(QStringLiteral("Inner ring: Arthur"));
  };
  const struct {
    const char* name;
    std::function<bool(const QString&)> readable;
    int messages;
  } cases[] = {
      {"chart.png", png, 0}, {"chart.SVG", svg, 0}, {"chart.pdf", pdf, 0},
      {"chart.jpg", nullptr, 1}, {"no/such/folder/chart.png", nullptr, 1},
  };
  for (const auto& c : cases) {
    const QString file = folder.filePath(QLatin1String(c.name));
    QStringList messages;
    const ScopedMessageFunction messageStub([&](QWidget*, const QString& text) { messages << text; });
    const ScopedSaveFileNameFunction saveStub([&](QWidget*, const PdfSaveQuestion&) { return SaveAnswer{file}; });
    frmWhy window(SampleContent());
    window.cmdSaveChart_Click();
    EXPECT_EQ(messages.size(), c.messages) << c.name;
    EXPECT_EQ(window.statusLabel()->text(),
              c.messages ? QString() : "Chart saved to " + QDir::toNativeSeparators(file))
        << c.name;
    if (c.readable) {
      EXPECT_TRUE(c.readable(file)) << c.name;
    } else {
      EXPECT_FALSE(QFile::exists(file)) << c.name;
    }
  }
}

// pdfinfo's "Page N size" line: "842 x 595 pts (A4)" for a landscape A4.
QString PageSize(const QString& file, int page) {
  QProcess pdfinfo;
  const QString number = QString::number(page);
  pdfinfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number, file});
  pdfinfo.waitForFinished(30000);
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^Page\\s+%1 size:\\s+(.*)$").arg(page), QRegularExpression::MultilineOption)
          .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
  return match.captured(1).trimmed();
}

// The preview's document: the report page as printed, portrait, then the
// chart under its heading, landscape; without a report, the chart turned on
// the page begun portrait.
TEST(frmWhy, PreviewDocumentHasTheReportPageThenTheChartLandscape) {
  QTemporaryDir folder;
  const struct {
    bool withReport;
    int pages;
    const char* chartPage;
  } cases[] = {{true, 2, "842 x 595 pts (A4)"}, {false, 1, "595 x 842 pts (A4)"}};
  for (const auto& c : cases) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder.filePath(QStringLiteral("preview.pdf")));
    QWidget page;
    page.resize(200, 300);
    const ReportPagePainter reportPage = [&](QPainter& painter, QPrinter& target) {
      DrawPageImage(page, painter, target);
      return c.withReport;
    };
    ASSERT_TRUE(PrintChartDocument(printer, SampleContent().chart, QStringLiteral("Heading of the couple"), reportPage));
    const QString file = printer.outputFileName();
    EXPECT_EQ(testing::PdfPageCount(file), c.pages) << c.withReport;
    if (c.withReport) {
      EXPECT_EQ(PageSize(file, 1), QStringLiteral("595 x 842 pts (A4)"));
    }
    EXPECT_EQ(PageSize(file, c.pages), QLatin1String(c.chartPage)) << c.withReport;
    EXPECT_TRUE(testing::PdfToolOutput(QStringLiteral("pdftotext"), file).contains(QStringLiteral("Heading of the couple")))
        << c.withReport;
  }
}

TEST(LandscapeChartPage, TurnsThePageWhereTheDeviceShowsIt) {
  const struct {
    bool afterReport, pagesKeepTheirLayout, landscape;
  } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}, {false, false, true}};
  for (const auto& c : cases)
    EXPECT_EQ(LandscapeChartPage(c.afterReport, c.pagesKeepTheirLayout), c.landscape)
        << c.afterReport << c.pagesKeepTheirLayout;
}

TEST(frmWhy, PreviewOpensLargeWithTheWholePageInView) {
  frmWhy window(SampleContent());
  window.show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    seen = true;
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->zoomMode(), QPrintPreviewWidget::FitInView);
    const QSize available = window.screen()->availableGeometry().size();
    EXPECT_GE(dialog->width(), available.width() * 8 / 10);
    EXPECT_GE(dialog->height(), available.height() * 8 / 10);
    dialog->reject();
  });
  window.cmdPreview_Click();
  EXPECT_TRUE(seen);
}

// A semi-sextile reads the same in every place that shows it: its noun in
// the picture's caption, between the points in the line under the picture,
// its title in the table's Kind and Rules columns, never its identifier.
TEST(frmWhy, EveryPlaceUsesTheKindsOwnWords) {
  CoupleCharts charts;
  charts.male.Longitude[ChartPoint::Venus] = 10;
  charts.female.Longitude[ChartPoint::Mars] = 40;
  ContactExplanation e;
  e.contact = {ChartPoint::Venus, ChartPoint::Mars, ContactKind::SemiSextile, AspectKind::SemiSextile, 3};
  e.harmonyDelta = 3;
  e.effects = {{"SemiSextile", 3, 3}};
  Explanation explanation;
  explanation.contacts = {e};
  const WhyContent content = MakeWhyContent(charts, explanation, {}, {}, "", "");
  EXPECT_EQ(content.chart.contacts.at(0).caption,
            "\u2640\uFE0E Venus \u26BA semi-sextile \u2642\uFE0E Mars");
  EXPECT_EQ(content.contactLines.at(0), "Male Venus semi-sextile female Mars: +3.00 harmony (strength 3.00)");
  frmWhy window(content);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(Column(*window.linksTable(), 3), QStringList({"Semi-sextile"}));
  EXPECT_EQ(Column(*window.linksTable(), 11), QStringList({"Semi-sextile +3.00 (sets gain 3.00)"}));
  window.showTab(WhyTab::Chart);
  QTest::keyClick(window.wheelView(), Qt::Key_Home);
  EXPECT_EQ(window.contactLabel()->text(),
            QStringLiteral("1. Male Venus semi-sextile female Mars: +3.00 harmony (strength 3.00)"));
  EXPECT_FALSE(window.wordsView()->toPlainText().contains(QStringLiteral("SemiSextile")));
}

}  // namespace
}  // namespace kelvra

namespace kelvra {
namespace {

TEST(CoupleFileName, NamesTheCoupleAndStandsInForAMissingName) {
  const struct {
    const char *male, *female, *name;
  } cases[] = {
      {"John Smith", "Marie Dubois", "John Smith and Marie Dubois - chart.png"},
      {"  John Smith\t", "", "John Smith and Woman - chart.png"},
      {"", "", "Man and Woman - chart.png"},
      {"AC/DC", "Who? Me", "AC_DC and Who_ Me - chart.png"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CoupleFileName(words::kWhySaveChartFileName, c.male, c.female), QString::fromUtf8(c.name)) << c.name;
}

WhyContent ContentWithBirthData() {
  WhyContent content = SampleContent();
  content.facts.result = {120, -45, -5400, 87, "Good"};
  BirthData male;
  male.Name = "Arthur";
  male.Day = "1";
  male.Month = 3;
  male.Year = "1980";
  male.Hour = 14;
  male.Minute = 30;
  male.LatDeg = 51;
  male.LatMin = 30;
  male.LongDeg = 0;
  male.LongMin = 7;
  male.LongDir = LongitudeDirection::West;
  male.City = "Springfield";
  BirthData female;
  female.Name = "Guinevere";
  female.Day = "12";
  female.Month = 7;
  female.Year = "1982";
  female.Hour = 9;
  female.Minute = 5;
  female.LatDeg = 48;
  female.LatMin = 51;
  female.LongDeg = 2;
  female.LongMin = 21;
  female.City = "Camelford";
  content.facts.births = std::array{SavedBirthDataOf(male, std::nullopt), SavedBirthDataOf(female, std::nullopt)};
  return content;
}

// Every text the file holds where a reader or a search might find it: its
// bytes, its properties as read back, and a PDF's text.
QString FileTexts(const QString& file) {
  QFile bytes(file);
  bytes.open(QIODevice::ReadOnly);
  QString texts = QString::fromUtf8(bytes.readAll());
  if (file.endsWith(QLatin1String(".png"))) {
    QImageReader reader(file);
    texts += reader.text(QStringLiteral("Title")) + u'\n' + reader.text(QStringLiteral("Description"));
  } else if (file.endsWith(QLatin1String(".pdf"))) {
    texts += testing::PdfToolOutput(QStringLiteral("pdftotext"), file);
  }
  return texts;
}

// Each kind carries the title and the figures; the birth data only when the
// save dialog's box is ticked.
TEST(frmWhy, SavedChartsCarryTheFiguresAndBirthDataOnlyWhenAsked) {
  QTemporaryDir folder;
  const QStringList always{QStringLiteral("Arthur and Guinevere: their two charts"), QStringLiteral("Power: 120"),
                           QStringLiteral("Harmony: -45"), QStringLiteral("P * H: -5400"),
                           QStringLiteral("Percentage: 87"), QStringLiteral("Comment: Good")};
  const QStringList birthData{QStringLiteral("March 1, 1980"), QStringLiteral("14:30"),
                              QStringLiteral("Springfield"), QString::fromUtf8("51° 30′ N, 0° 7′ W"),
                              QStringLiteral("July 12, 1982"), QStringLiteral("09:05"),
                              QStringLiteral("Camelford"), QString::fromUtf8("48° 51′ N, 2° 21′ E")};
  for (const char* kind : {"png", "svg", "pdf"}) {
    for (const bool tick : {false, true}) {
      const QString file = folder.filePath(QStringLiteral("chart%1.%2").arg(tick).arg(QLatin1String(kind)));
      bool offered = false;
      const ScopedSaveFileNameFunction saveStub([&](QWidget*, const PdfSaveQuestion& question) {
        offered = question.offerBirthData;
        return SaveAnswer{file, tick};
      });
      frmWhy window(ContentWithBirthData());
      window.cmdSaveChart_Click();
      EXPECT_TRUE(offered) << kind;
      const QString texts = FileTexts(file);
      for (const QString& text : always) EXPECT_TRUE(texts.contains(text)) << kind << " " << text.toStdString();
      for (const QString& text : birthData)
        EXPECT_EQ(texts.contains(text), tick) << kind << " ticked " << tick << ": " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace kelvra
