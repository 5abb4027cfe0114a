// SPDX-License-Identifier: AGPL-3.0-or-later
// What the analysis command costs beyond the computation: from the click on
// "Analyze Compatibility" to the filled report on screen, against the same
// couple's core analysis alone, alternating, medians compared.
// Usage: analysis_command_bench [runs]   (offscreen unless QT_QPA_PLATFORM is set)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "charts/swiss_ephemeris.h"
#include "cosmodynes/analysis.h"
#include "entry/frm_match.h"
#include "report/mdi_form1.h"
#include "shell/program.h"

namespace {

using namespace kelvra;

void Fill(QWidget& form, char p, int yearIndex, bool south) {
  auto child = [&form, p](const char* pattern) {
    return form.findChild<QWidget*>(QString::fromLatin1(pattern).arg(QChar(p)));
  };
  static_cast<QLineEdit*>(child("txt%1Name"))->setText("Name");
  static_cast<QComboBox*>(child("cbo%1Year"))->setCurrentIndex(yearIndex);
  static_cast<QComboBox*>(child("cbo%1HH"))->setCurrentIndex(14);
  for (const char* box : {"txt%1LD", "txt%1LM", "txt%1LoD", "txt%1LoM"}) static_cast<QLineEdit*>(child(box))->setText("33");
  static_cast<QRadioButton*>(child(south ? "opt%1South" : "opt%1North"))->setChecked(true);
  static_cast<QRadioButton*>(child("opt%1East"))->setChecked(true);
  for (const char* box : {"txt%1City", "txt%1State", "txt%1Country"}) static_cast<QLineEdit*>(child(box))->setText("Place");
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
    QWidget* form = program.ShowEntryForm();
    Fill(*form, 'M', 85, false);
    Fill(*form, 'F', 50, true);
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    form->findChild<QPushButton*>("cmdCalculate")->click();
    auto* results = qobject_cast<MDIForm1*>(program.resultsWindow());
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
    program.CloseResultsWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const double c = Median(command), k = Median(core);
  std::printf("analysis command to report shown %7.2f ms\ncore analysis alone              %7.2f ms\n", c, k);
  std::printf("\ncommand - core = %.2f ms (goal <= 30 ms), command / core = %.2f   (median of %d)\n", c - k, c / k,
              runs);
  return 0;
}
