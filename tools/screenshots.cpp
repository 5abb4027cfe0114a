// SPDX-License-Identifier: AGPL-3.0-or-later
// kelvra_screenshots OUTPUT_FOLDER: saves every window a user sees as a PNG,
// at the screen's device pixel ratio, for a reviewer to look at. The lookup
// browser searches a loopback server, so no picture depends on the network.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QMdiArea>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "charts/swiss_ephemeris.h"
#include "entry/entry_dialogs.h"
#include "entry/frm_atlas.h"
#include "entry/frm_match.h"
#include "lookup/lookup_browser.h"
#include "lookup/web_sandbox.h"
#include "tests/lookup/loopback_server.h"
#include "program/program.h"
#include "report/frm_report.h"
#include "report/frm_why.h"
#include "report/mdi_form1.h"
#include "report/report_printing.h"
#include "report/wheel_view.h"
#include "shell/about.h"
#include "shell/message.h"
#include "shell/product.h"
#include "shell/shutdown.h"
#include "shell/twips.h"

namespace kelvra {
namespace {

// WebEngine starts a renderer per window, which can take many seconds on a
// loaded machine; the other windows appear within one event loop pass.
constexpr int kBrowserTimeoutMs = 60000;
constexpr int kWindowTimeoutMs = 10000;

constexpr char kResultsTitle[] = "London - Latitude and Longitude";

int Fail(const QString& text) {
  std::fprintf(stderr, "kelvra_screenshots: %s\n", qPrintable(text));
  return 1;
}

PersonEntries Entries(const char* name, int day, int month, int year, int hour, int minute, const char* latDeg,
                      const char* latMin, bool north, const char* longDeg, const char* longMin, bool east,
                      const char* city, const char* state, const char* country) {
  PersonEntries e;
  e.name = QString::fromUtf8(name);
  e.day = day;
  e.month = month;
  e.year = year;
  e.hour = hour;
  e.minute = minute;
  e.latDeg = QString::fromUtf8(latDeg);
  e.latMin = QString::fromUtf8(latMin);
  e.longDeg = QString::fromUtf8(longDeg);
  e.longMin = QString::fromUtf8(longMin);
  (north ? e.north : e.south) = true;
  (east ? e.east : e.west) = true;
  e.city = QString::fromUtf8(city);
  e.state = QString::fromUtf8(state);
  e.country = QString::fromUtf8(country);
  return e;
}

// A couple whose percentage falls within 0 to 100, so the report shows a comment too.
const PersonEntries kArthur = Entries("Arthur Pendragon", 13, 7, 1985, 14, 30, "51", "30", true, "0", "7", false,
                                      "London", "England", "United Kingdom");
const PersonEntries kGuinevere = Entries("Guinevere of Camelot", 2, 11, 1952, 6, 15, "33", "52", false, "151", "12",
                                         true, "Sydney", "New South Wales", "Australia");

void FillBoth(Program& program) {
  program.entryWindow()->setEntries(Person::Male, kArthur);
  program.entryWindow()->setEntries(Person::Female, kGuinevere);
}

class Shooter {
 public:
  explicit Shooter(const QString& folder) : folder_(folder) {}

  // Saves the window as the user sees it; prints the file's path.
  bool save(QWidget* window, const char* name) {
    // Layouts and scroll bars settle over several event loop passes, and the
    // document area rearranges on a timer after a resize.
    QTest::qWait(500);
    const QString file = folder_.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
      Fail(QStringLiteral("cannot write ") + file);
      return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
  }

 private:
  QDir folder_;
};

// Saves the dialog `open` shows and waits on, then what `more` saves of it,
// then closes it unanswered.
bool SaveModal(Shooter& shooter, const char* name, const std::function<void()>& open,
               const std::function<bool(QDialog&)>& more = {}) {
  bool shot = false;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      shot = shooter.save(dialog, name) && (!more || more(*dialog));
      dialog->reject();
    }
  });
  open();
  if (!shot) Fail(QStringLiteral("no dialog for ") + QString::fromLatin1(name));
  return shot;
}

bool WaitFor(const std::function<bool()>& ready, int timeoutMs, const char* what) {
  if (QTest::qWaitFor(ready, timeoutMs)) return true;
  Fail(QStringLiteral("%1 did not appear within %2 s").arg(QString::fromLatin1(what)).arg(timeoutMs / 1000));
  return false;
}

int Run(const QString& folder) {
  if (!QDir().mkpath(folder)) return Fail(QStringLiteral("cannot create ") + folder);
  Shooter shooter(folder);

  // A message box would block the run; every message is a fault here.
  bool messaged = false;
  ScopedMessageFunction messages([&](QWidget*, const QString& text) {
    std::fprintf(stderr, "kelvra_screenshots: message: %s\n", qPrintable(text));
    messaged = true;
  });
  ScopedExitFunction exit([](int) {});

  testing::LoopbackServer server;
  server.setPage("/search", kResultsTitle,
                 "<h1>London, England, United Kingdom</h1>"
                 "<p>Latitude 51&deg; 30&prime; N, Longitude 0&deg; 7&prime; W</p>");
  server.setPage("/home", "Maker Home");
  server.setPage("/engine", "Engine Home");
  LookupBrowserOptions options;
  options.searchEngine = {server.url("/search"), server.url("/engine"), server.url("/logo.png"),
                          QStringLiteral("Engine"), QStringLiteral("pub-0123456789012345")};
  options.homePage = server.url("/home");
  options.openHomePage = [] {};
  ScopedLookupBrowserOptions browserOptions(options);

  SwissEphemeris ephemeris;
  Program program(ephemeris);
  program.showEntryForm();
  FillBoth(program);
  if (!shooter.save(program.entryWindow(), "entry-form")) return 1;

  program.entryWindow()->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  if (!WaitFor([&] { return program.resultsWindow() && program.resultsWindow()->report() && !program.entryForm(); },
               kWindowTimeoutMs, "the results window"))
    return 1;
  MDIForm1* results = program.resultsWindow();
  if (!shooter.save(results, "results-window")) return 1;
  // Grow the window until its document area holds the whole page with room
  // for a scroll bar, so that nothing of the report is hidden.
  const QSize page(Twips(11325 + 315), Twips(10800 + 315));
  results->resize(results->size() + (page - results->mdiArea()->size()).expandedTo(QSize(0, 0)));
  // The page is centred when the window is activated, as when the user comes
  // back to it; a resize alone leaves it where the opening size put it.
  results->MDIForm_Activate();
  if (!shooter.save(results, "results-window-large")) return 1;
  if (!shooter.save(results->report(), "report-page")) return 1;

  results->findChild<QPushButton*>(QStringLiteral("cmdWhy"))->click();
  if (!WaitFor([&] { return program.whyWindow() != nullptr; }, kWindowTimeoutMs, "the why window")) return 1;
  if (!shooter.save(program.whyWindow(), "why-window")) return 1;
  results->findChild<QAction*>(QStringLiteral("mnuChart"))->trigger();
  frmWhy* why = program.whyWindow();
  if (!shooter.save(why, "why-window-chart")) return 1;
  // A contact selected from the keyboard, as a screen reader user steps through them.
  QTest::keyClick(why->wheelView(), Qt::Key_Right);
  QTest::keyClick(why->wheelView(), Qt::Key_Right);
  if (!shooter.save(why, "why-window-chart-contact")) return 1;
  // The chart's save dialog, opening on a folder of no one's files, and its print preview.
  {
    QTemporaryDir empty;
    const ScopedLastSaveFolder folder(empty.path());
    if (!SaveModal(shooter, "save-chart-dialog",
                   [&] { why->findChild<QPushButton*>(QStringLiteral("cmdSaveChart"))->click(); }))
      return 1;
  }
  if (!SaveModal(
          shooter, "print-preview", [&] { why->findChild<QPushButton*>(QStringLiteral("cmdPreview"))->click(); },
          [&](QDialog& dialog) {
            // The dialog's own button, so its page counter follows.
            for (QAction* action : dialog.findChildren<QAction*>())
              if (action->text() == QStringLiteral("Last page")) action->trigger();
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            if (!preview || preview->currentPage() != preview->pageCount()) return false;
            return shooter.save(&dialog, "print-preview-chart");
          }))
    return 1;

  {
    frmAbout about(nullptr, ProgramCredits());
    about.show();
    if (!shooter.save(&about, "about-box")) return 1;
  }

  // The lookup is asked for from an entry form, as the user does after Back.
  results->cmdBack_Click();
  if (!WaitFor([&] { return program.entryWindow() && !program.resultsWindow(); }, kWindowTimeoutMs,
               "the entry form after Back"))
    return 1;
  program.entryWindow()->setEntries(Person::Male, kArthur);
  program.entryWindow()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  if (!WaitFor([&] { return program.lookupBrowser() && program.lookupBrowser()->windowTitle() == kResultsTitle; },
               kBrowserTimeoutMs, "the lookup browser's results page"))
    return 1;
  if (!shooter.save(program.lookupBrowser(), "lookup-browser")) return 1;
  program.closeLookupBrowser();

  // Birth times converted to UT: the form's zone rows, the atlas window and
  // the report's birth time rows.
  frmMatch* form = program.entryWindow();
  FillBoth(program);
  form->findChild<QCheckBox*>(QStringLiteral("chkTrueUt"))->click();
  if (!WaitFor([&] { return !form->findChild<QLabel*>(QStringLiteral("lblFZone"))->text().contains("looking"); },
               kWindowTimeoutMs, "the nearest-place suggestion"))
    return 1;
  if (!shooter.save(form, "entry-form-true-ut")) return 1;
  form->findChild<QPushButton*>(QStringLiteral("cmdMAtlas"))->click();
  auto* atlas = form->findChild<frmAtlas*>();
  if (!atlas) return Fail(QStringLiteral("no atlas window"));
  auto* search = atlas->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
  search->selectAll();
  QTest::keyClicks(search, QStringLiteral("Tromso"));
  if (!WaitFor([&] { return !atlas->search().pending() && !atlas->places().empty(); }, kWindowTimeoutMs,
               "the atlas' places"))
    return 1;
  if (!shooter.save(atlas, "atlas-window")) return 1;
  QTest::keyClicks(search, QStringLiteral("xyz"));
  if (!WaitFor([&] { return !atlas->search().pending(); }, kWindowTimeoutMs, "the atlas' empty answer")) return 1;
  if (!shooter.save(atlas, "atlas-window-nothing-found")) return 1;
  QTest::keyClick(search, Qt::Key_Escape);
  // The zone picker as it opens on the man's suggested zone, then narrowed by a search.
  {
    bool shot = false;
    const ScopedZonePickFunction pick([&](QWidget* parent, const ZoneQuestion& question) -> std::optional<QByteArray> {
      ZonePicker picker(question, QDateTime::currentDateTimeUtc(), parent);
      picker.show();
      shot = shooter.save(&picker, "zone-picker");
      QTest::keyClicks(picker.findChild<QLineEdit*>(QStringLiteral("txtZoneSearch")), QStringLiteral("buenos"));
      shot = shot && shooter.save(&picker, "zone-picker-search");
      return std::nullopt;
    });
    form->findChild<QPushButton*>(QStringLiteral("cmdMZone"))->click();
    if (!shot) return 1;
  }
  form->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
  if (!WaitFor([&] { return program.resultsWindow() && program.resultsWindow()->report() && !program.entryForm(); },
               kWindowTimeoutMs, "the results window with birth times"))
    return 1;
  if (!shooter.save(program.resultsWindow()->report(), "report-page-true-ut")) return 1;

  return messaged ? Fail(QStringLiteral("the program showed a message")) : 0;
}

}  // namespace
}  // namespace kelvra

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelvra_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  // WebEngine reads both when it starts; a reviewer's run needs no display.
  kelvra::DisableWebSandboxForRoot();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kelvra::IdentifyApplication();
  return kelvra::Run(QString::fromLocal8Bit(argv[1]));
}
