// SPDX-License-Identifier: AGPL-3.0-or-later
// What the user waits for in the atlas window, against one atlas search (the
// time the GUI would freeze if a search ran on its thread), all in one run:
//   - the longest time the GUI thread goes without serving its events while
//     a 10-letter name is typed at an unhurried pace (goal: one frame, 16 ms);
//   - how long a cancelled search takes to return (goal: at once);
//   - the search after a burst of 20 superseded keystrokes (goal: no more
//     than the scan under way plus its own).
// Usage: atlas_search_bench [runs]   (offscreen unless QT_QPA_PLATFORM is set)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "entry/atlas_search.h"
#include "entry/frm_atlas.h"

namespace {

using namespace kelvra;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double OneSearchMs(const char* text) {
  const auto start = Clock::now();
  Atlas().NewSearch()->Run(text, AtlasSearch::kMaxPlaces);
  return Ms(Clock::now() - start);
}

// From Cancel to the cancelled Run's return, the search cancelled a tenth of
// a scan after it started.
double CancelMs(double scanMs) {
  const std::unique_ptr<PlaceSearch> search = Atlas().NewSearch();
  Clock::time_point returned;
  std::thread running([&] {
    search->Run("s", AtlasSearch::kMaxPlaces);
    returned = Clock::now();
  });
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(scanMs / 10));
  const auto cancelled = Clock::now();
  search->Cancel();
  running.join();
  return Ms(returned - cancelled);
}

// A burst of 20 searches, each superseded by the next while the first is
// scanned, then the one the user waits for: from its start to its answer.
double AfterBurstMs(double scanMs) {
  std::vector<std::unique_ptr<PlaceSearch>> stale;
  std::vector<std::thread> runs;
  for (int i = 0; i < 20; ++i) {
    stale.push_back(Atlas().NewSearch());
    runs.emplace_back([search = stale.back().get()] { search->Run("san", AtlasSearch::kMaxPlaces); });
  }
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(scanMs / 4));
  for (auto& search : stale) search->Cancel();
  const double ms = OneSearchMs("san");
  for (auto& run : runs) run.join();
  return ms;
}

// Runs the event loop for `ms`, as the application does between keystrokes
// (QTest::qWait sleeps in steps of 10 ms, which would hide shorter stalls).
void RunEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// The longest gap between the ticks of a 1 ms timer on the GUI thread while
// "Copenhagen" is typed into the atlas window, each pause long enough for
// that letter's search to start.
double LongestStallMs() {
  frmAtlas window(Person::Female, QString());
  window.show();
  auto* field = window.findChild<QLineEdit*>("txtSearch");
  QElapsedTimer clock;
  qint64 last = 0, longest = 0;
  QTimer watchdog;
  watchdog.setTimerType(Qt::PreciseTimer);
  watchdog.setInterval(1);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
  });
  clock.start();
  watchdog.start();
  for (QChar letter : QStringLiteral("Copenhagen")) {
    QTest::keyClick(field, letter.toLatin1());
    RunEventLoop(AtlasSearch::kDelayMs + 60);
  }
  while (window.search().pending()) RunEventLoop(10);
  RunEventLoop(50);
  watchdog.stop();
  if (window.places().empty()) std::fprintf(stderr, "atlas_search_bench: the atlas found no Copenhagen\n");
  return longest / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  OneSearchMs("s");  // the first search loads the module and reads the place files

  std::vector<double> scan, stall, cancel, burst;
  for (int run = 0; run < runs; ++run) {
    scan.push_back(OneSearchMs("s"));
    stall.push_back(LongestStallMs());
    cancel.push_back(CancelMs(scan.back()));
    burst.push_back(AfterBurstMs(scan.back()));
  }
  const double s = Median(scan), g = Median(stall), c = Median(cancel), b = Median(burst);
  std::printf("one atlas search                  %7.2f ms\n", s);
  std::printf("longest GUI stall while typing    %7.2f ms   stall / search  = %.3f   (goal: 16 ms, one frame)\n", g,
              g / s);
  std::printf("cancelled search returns after    %7.2f ms   cancel / search = %.3f   (goal: at once)\n", c, c / s);
  std::printf("search after 20 superseded ones   %7.2f ms   burst / search  = %.3f   (goal: <= 2)\n", b, b / s);
  std::printf("(median of %d)\n", runs);
  return 0;
}
