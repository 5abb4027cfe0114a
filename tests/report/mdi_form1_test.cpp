// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/mdi_form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "fake_director.h"
#include "recording_ephemeris.h"
#include "report/frm_report.h"
#include "report/report_printing.h"
#include "report/results_layout.h"
#include "shell/message.h"
#include "shell/shutdown.h"
#include "shell/twips.h"
#include "window_test_tools.h"

namespace kelvra {
namespace {

// Records the About box's owner as well as the call.
struct Director : testing::FakeDirector {
  using FakeDirector::FakeDirector;
  QWidget* aboutOwner = nullptr;
  void showAbout(QWidget* owner) override {
    FakeDirector::showAbout(owner);
    aboutOwner = owner;
  }
};

// A results window over a filled stand-in entry form.
struct Results {
  testing::RecordingEphemeris ephemeris;
  Director director{ephemeris};
  std::unique_ptr<MDIForm1> window;

  Results() {
    testing::FillEveryEntry(director.form);
    director.state.result = {1500, -225, -3370, 0, "Poor"};
    window = std::make_unique<MDIForm1>(director);
  }
  void Present() {
    window->present();
    director.calls.clear();
  }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  QWidget* Control(const char* name) const { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
};

TEST(MDIForm1, FirstShowFillsTheReportOnceAndClosesTheEntryForm) {
  Results results;
  EXPECT_EQ(results.window->report(), nullptr);
  results.window->present();
  ASSERT_NE(results.window->report(), nullptr);
  EXPECT_EQ(results.director.calls, QStringList{"closeEntryForm"});
  EXPECT_EQ(results.window->report()->findChild<QLabel*>(QStringLiteral("Harmony"))->text(), QStringLiteral("-225"));
  EXPECT_EQ(results.window->mdiArea()->subWindowList().size(), 1);

  // Later activations neither reload nor refill.
  results.director.formOpen = true;
  results.director.form.people[0].name = QStringLiteral("changed");
  frmReport* report = results.window->report();
  EXPECT_TRUE(QTest::qWaitForWindowActive(results.window.get()));
  results.window->MDIForm_Activate();
  EXPECT_EQ(results.window->report(), report);
  EXPECT_EQ(results.director.calls, QStringList{"closeEntryForm"});
  EXPECT_EQ(report->findChild<QLabel*>(QStringLiteral("mName"))->text(), QStringLiteral("M name"));
}

TEST(MDIForm1, EveryActivationRecentresTheReport) {
  for (int width : {400, 698, 776, 1200}) {
    Results results;
    results.Present();
    results.window->resize(width, 500);
    QMdiSubWindow* page = results.window->reportWindow();
    page->move(123, 45);
    results.window->MDIForm_Activate();
    const int expected = Twips(CenteredReportLeft(results.window->mdiArea()->width() * 15, page->width() * 15));
    EXPECT_EQ(page->pos(), QPoint(expected, 0)) << width;
    if (width < 776) {
      EXPECT_EQ(page->x(), 0) << width;  // narrower than the page plus its scroll bar: its left edge shows
    }
  }
}

TEST(MDIForm1, TheWholePageCanBeScrolledTo) {
  Results results;
  results.Present();
  results.window->resize(500, 400);
  QCoreApplication::processEvents();
  QMdiArea* area = results.window->mdiArea();
  const QSize page = results.window->reportWindow()->size();
  EXPECT_GE(area->verticalScrollBar()->maximum() - area->verticalScrollBar()->minimum(),
            page.height() - area->viewport()->height());
  EXPECT_GE(area->horizontalScrollBar()->maximum() - area->horizontalScrollBar()->minimum(),
            page.width() - area->viewport()->width());
}

TEST(MDIForm1, ResizeKeepsButtonsRightAlignedAndHeadingCentred) {
  Results results;
  results.Present();
  for (int width : {520, 698, 1000, 1600}) {
    results.window->resize(width, 450);
    QCoreApplication::processEvents();
    const QRect why = results.Control("cmdWhy")->geometry();
    const QRect print = results.Control("cmdPrint")->geometry();
    const QRect back = results.Control("cmdBack")->geometry();
    const QRect exit = results.Control("cmdExit")->geometry();
    const int outer = results.window->frameGeometry().width();
    // 300 twips from the outer right edge, 100 twips apart; a pixel of rounding allowed.
    EXPECT_NEAR(outer - (exit.x() + exit.width()), 300 / 15.0, 1.0) << width;
    EXPECT_NEAR(exit.x() - (back.x() + back.width()), 100 / 15.0, 1.0) << width;
    EXPECT_NEAR(back.x() - (print.x() + print.width()), 100 / 15.0, 1.0) << width;
    EXPECT_NEAR(print.x() - (why.x() + why.width()), 100 / 15.0, 1.0) << width;
    EXPECT_EQ(why.size(), print.size()) << width;
    // Never over the co-branding link; the page stays centred as the window changes.
    EXPECT_FALSE(why.intersects(results.Control("Label3")->geometry())) << width;
    const int centred = Twips(CenteredReportLeft(results.window->mdiArea()->width() * 15,
                                                 results.window->reportWindow()->width() * 15));
    EXPECT_EQ(results.window->reportWindow()->x(), centred) << width;
    const int banner = results.Control("picTop")->width();
    for (const char* label : {"lblHeading", "lblURL"}) {
      const QRect geometry = results.Control(label)->geometry();
      EXPECT_NEAR(geometry.x() + geometry.width() / 2.0, banner / 2.0, 1.0) << width << label;
    }
  }
}

TEST(MDIForm1, AtItsOpeningSizeTheWholePageWidthShowsAndTheButtonsClearTheLinks) {
  Results results;
  results.Present();
  QCoreApplication::processEvents();
  EXPECT_GE(results.window->mdiArea()->width(), Twips(11325 + kReportScrollBarWidth));
  EXPECT_GT(results.Control("cmdWhy")->x(), results.Control("Label3")->geometry().right());
  // Both names and the figures' box show together, on this screen too.
  QWidget* view = results.window->mdiArea()->viewport();
  const QRect shown = view->rect();
  frmReport* page = results.window->report();
  for (const char* field : {"mName", "fName", "Frame4"}) {
    QWidget* widget = page->findChild<QWidget*>(QString::fromLatin1(field));
    const QRect where(widget->mapTo(view, QPoint(0, 0)), widget->size());
    EXPECT_TRUE(shown.contains(where)) << field << " at " << where.y() << ".." << where.bottom() << " in "
                                       << shown.height();
  }
}

TEST(MDIForm1, MenusInOrder) {
  Results results;
  QStringList bar;
  for (QAction* top : results.window->menuBar()->actions()) {
    QString entry = top->menu() ? top->menu()->objectName() : top->objectName();
    if (top->menu())
      for (QAction* item : top->menu()->actions()) entry += QLatin1Char(' ') + item->objectName();
    bar << entry;
  }
  EXPECT_EQ(bar, QStringList({"mnuFile mnuPrint mnuWhy mnuChart mnuBack mnuB mnuExit",
                              "mnuHelp mnuOnline mnuVisit mnuHelpSep1 mnuUpdate mnuHelpSep2 mnuAbout", "mnuDonate"}));
}

TEST(MDIForm1, EveryLinkOpensExactlyItsPage) {
  const struct {
    const char* trigger;
    const char* address;
  } links[] = {
      {"mnuOnline", "https://www.kelvra.example/kelvra/kelvra-help.html"},
      {"mnuVisit", "https://www.kelvra.example"},
      {"mnuUpdate", "https://www.kelvra.example/kelvra/download-kelvra.html"},
      {"mnuDonate", "https://www.kelvra.example/donate.html"},
      {"lblURL", "https://www.kelvra.example"},
      {"Label3", "https://www.kelvra.example/co-brand.html"},
  };
  Results results;
  results.Present();
  for (const auto& link : links) {
    testing::UrlRecorder recorder;
    if (QAction* action = results.Action(link.trigger))
      action->trigger();
    else
      QTest::mouseClick(results.Control(link.trigger), Qt::LeftButton);
    EXPECT_EQ(recorder.urls, QList<QUrl>{QUrl(QString::fromLatin1(link.address))}) << link.trigger;
  }
  EXPECT_TRUE(results.director.calls.isEmpty());
}

TEST(MDIForm1, BackButtonShowsTheEntryFormAsItStarts) {
  Results results;
  results.Present();
  static_cast<QPushButton*>(results.Control("cmdBack"))->click();
  EXPECT_EQ(results.director.calls, QStringList({"closeLookupBrowser", "showEntryForm", "closeResultsWindow"}));
  EXPECT_TRUE(results.director.form.calls.isEmpty());  // nothing emptied: a new form starts empty by itself
}

TEST(MDIForm1, BackMenuShowsTheEntryFormEmptied) {
  Results results;
  results.Present();
  results.Action("mnuBack")->trigger();
  EXPECT_EQ(results.director.calls, QStringList({"closeResultsWindow", "showEntryForm"}));
  EXPECT_EQ(results.director.form.calls, QStringList({"emptyEntries", "focusEntry M Name"}));
}

TEST(MDIForm1, WhyButtonAndMenusOpenTheExplanationAndClosingTheWindowClosesIt) {
  const struct {
    const char* trigger;
    const char* call;
  } cases[] = {{"cmdWhy", "showWhyWindow"}, {"mnuWhy", "showWhyWindow"}, {"mnuChart", "showWhyWindow(chart)"}};
  for (const auto [trigger, call] : cases) {
    Results results;
    results.Present();
    if (QAction* action = results.Action(trigger))
      action->trigger();
    else
      static_cast<QPushButton*>(results.Control(trigger))->click();
    EXPECT_EQ(results.director.calls, QStringList{call}) << trigger;
    EXPECT_TRUE(results.window->report()->isVisible()) << trigger;  // the report page stays as it is
    results.window->close();
    EXPECT_EQ(results.director.calls, QStringList({call, "closeWhyWindow"})) << trigger;
  }
}

TEST(MDIForm1, AboutIsOwnedByTheResultsWindow) {
  Results results;
  results.Present();
  results.Action("mnuAbout")->trigger();
  EXPECT_EQ(results.director.calls, QStringList{"showAbout"});
  EXPECT_EQ(results.director.aboutOwner, results.window.get());
}

TEST(MDIForm1, ExitButtonAndMenuEndTheProgram) {
  for (const char* trigger : {"cmdExit", "mnuExit"}) {
    Results results;
    results.Present();
    int exits = 0;
    const ScopedExitFunction exit([&](int) { ++exits; });
    if (QAction* action = results.Action(trigger))
      action->trigger();
    else
      static_cast<QPushButton*>(results.Control(trigger))->click();
    EXPECT_EQ(exits, 1) << trigger;
    EXPECT_FALSE(results.window->isVisible()) << trigger;
  }
}

TEST(MDIForm1, PrintButtonAndMenuPrintOnePage) {
  for (const char* trigger : {"cmdPrint", "mnuPrint"}) {
    QTemporaryDir folder;
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    QStringList messages;
    const ScopedMessageFunction messageStub([&](QWidget*, const QString& text) { messages << text; });
    const ScopedPrinterFunction printerStub([&] {
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(printed);
      return printer;
    });
    Results results;
    results.Present();
    if (QAction* action = results.Action(trigger))
      action->trigger();
    else
      static_cast<QPushButton*>(results.Control(trigger))->click();
    EXPECT_EQ(testing::PdfPageCount(printed), 1) << trigger;
    EXPECT_TRUE(messages.isEmpty()) << trigger;
  }
}

// Each key runs its menu item's command, which the menu shows beside it.
TEST(MDIForm1, KeysRunTheirMenuCommands) {
  const struct {
    const char* item;
    QKeyCombination key;
    QStringList calls;
    int exits;
    int pages;
  } cases[] = {
      {"mnuPrint", Qt::CTRL | Qt::Key_P, {}, 0, 1},
      {"mnuWhy", Qt::CTRL | Qt::Key_Y, {"showWhyWindow"}, 0, 0},
      {"mnuBack", Qt::ALT | Qt::Key_Left, {"closeResultsWindow", "showEntryForm"}, 0, 0},
      {"mnuExit", Qt::CTRL | Qt::Key_Q, {"closeWhyWindow"}, 1, 0},  // the window closes
  };
  for (const auto& c : cases) {
    QTemporaryDir folder;
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    const ScopedPrinterFunction printerStub([&] {
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(printed);
      return printer;
    });
    int exits = 0;
    const ScopedExitFunction exit([&](int) { ++exits; });
    Results results;
    results.Present();
    QApplication::setActiveWindow(results.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(results.window.get()));
    EXPECT_EQ(results.Action(c.item)->shortcut(), QKeySequence(c.key)) << c.item;
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : results.window.get();
    QTest::keyClick(focused, c.key.key(), c.key.keyboardModifiers());
    EXPECT_EQ(results.director.calls, c.calls) << c.item;
    EXPECT_EQ(exits, c.exits) << c.item;
    EXPECT_EQ(QFile::exists(printed) ? testing::PdfPageCount(printed) : 0, c.pages) << c.item;
  }
}

}  // namespace
}  // namespace kelvra
