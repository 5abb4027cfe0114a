// SPDX-License-Identifier: AGPL-3.0-or-later
// What the analysis command costs beyond the computation: from the click on
// "Analyze Compatibility" to the filled report on screen, against the same
// couple's core analysis alone, alternating, medians compared.
// Usage: analysis_command_bench [runs]   (offscreen unless QT_QPA_PLATFORM is set)
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "charts/swiss_ephemeris.h"
#include "cosmodynes/analysis.h"
#include "entry/frm_match.h"
#include "report/mdi_form1.h"
#include "program/program.h"

namespace {

using namespace kelvra;

PersonEntries MakePerson(int year, bool south) {
  PersonEntries e;
  e.name = "Name";
  e.year = year;
  e.hour = 14;
  e.latDeg = e.latMin = e.longDeg = e.longMin = "33";
  (south ? e.south : e.north) = true;
  e.east = true;
  e.city = e.state = e.country = "Place";
  return e;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's notes about unsupported window calls are noise here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  SwissEphemeris ephemeris;
  std::vector<double> command, core;

  for (int run = 0; run <= runs; ++run) {
    Program program(ephemeris);
    program.showEntryForm();
    frmMatch* form = program.entryWindow();
    form->setEntries(kelvra::Person::Male, MakePerson(1985, false));
    form->setEntries(kelvra::Person::Female, MakePerson(1950, true));
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    form->findChild<QPushButton*>("cmdCalculate")->click();
    MDIForm1* results = program.resultsWindow();
    if (!QTest::qWaitFor([&] { return results && results->report() && !program.entryForm(); }, 10000)) {
      std::fprintf(stderr, "analysis_command_bench: the report did not appear\n");
      return 1;
    }
    QCoreApplication::processEvents();  // the report's first paint
    const double commandMs = timer.nsecsElapsed() / 1e6;

    const EntryState state = program.entryState();
    HarmonyMemory memory = program.harmonyMemory();
    timer.restart();
    const CoupleAnalysis analysis = AnalyzeCouple(state.male, state.female, ephemeris, memory);
    const double coreMs = timer.nsecsElapsed() / 1e6;
    if (analysis.verdict.result != state.result) std::fprintf(stderr, "the two paths disagree\n");

    if (run > 0) {  // the first round warms caches and fonts
      command.push_back(commandMs);
      core.push_back(coreMs);
    }
    program.closeResultsWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const double c = Median(command), k = Median(core);
  std::printf("analysis command to report shown %7.2f ms\ncore analysis alone              %7.2f ms\n", c, k);
  std::printf("\ncommand - core = %.2f ms (goal <= 30 ms), command / core = %.2f   (median of %d)\n", c - k, c / k,
              runs);
  return 0;
}
