// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "charts/birth_data.h"
#include "charts/ephemeris.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"

namespace kelvra::cli {

/// One couple's first analysis stage, to be done by a worker.
struct ChartJob {
  BirthData male;
  BirthData female;
  bool shiftBirthTimes = false;  ///< also compute the birth-time shifts
  CoupleCharts charts;           ///< the result
  ShiftedContacts shifted;       ///< with shiftBirthTimes: the shifts' contacts
  std::exception_ptr failure;  ///< what the stage threw instead

 private:
  friend class ChartWorkers;
  bool done_ = false;  // guarded by the workers' lock
};

/// Threads that compute the first analysis stage (charts and contacts) of the
/// couples they are given, each with an ephemeris of its own: the library
/// keeps its state per thread, so each worker makes its ephemeris on its own
/// thread, and closes it there before the thread ends.
class ChartWorkers {
 public:
  using EphemerisMaker = std::function<std::unique_ptr<Ephemeris>()>;

  ChartWorkers(unsigned count, EphemerisMaker makeEphemeris);
  /// Drops the jobs not yet started, waits for those under way, ends the threads.
  ~ChartWorkers();
  ChartWorkers(const ChartWorkers&) = delete;
  ChartWorkers& operator=(const ChartWorkers&) = delete;

  /// Queues a job; it must stay where it is until Wait has returned for it
  /// or the workers are gone.
  void Submit(ChartJob& job);
  /// Whether a submitted job is finished, without waiting.
  bool Done(const ChartJob& job);
  /// Waits until a submitted job is finished.
  void Wait(const ChartJob& job);

 private:
  void Work(const EphemerisMaker& makeEphemeris);

  std::mutex mutex_;
  std::condition_variable workAvailable_;
  std::condition_variable jobDone_;
  std::deque<ChartJob*> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace kelvra::cli
