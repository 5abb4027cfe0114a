// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/chart_workers.h"

namespace kelvra::cli {

ChartWorkers::ChartWorkers(unsigned count, EphemerisMaker makeEphemeris) {
  threads_.reserve(count);
  for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this, makeEphemeris] { Work(makeEphemeris); });
}

ChartWorkers::~ChartWorkers() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  workAvailable_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void ChartWorkers::Submit(ChartJob& job) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(&job);
  }
  workAvailable_.notify_one();
}

bool ChartWorkers::Done(const ChartJob& job) {
  std::lock_guard lock(mutex_);
  return job.done_;
}

void ChartWorkers::Wait(const ChartJob& job) {
  std::unique_lock lock(mutex_);
  jobDone_.wait(lock, [&job] { return job.done_; });
}

void ChartWorkers::Work(const EphemerisMaker& makeEphemeris) {
  std::unique_ptr<Ephemeris> ephemeris;
  std::exception_ptr noEphemeris;
  try {
    ephemeris = makeEphemeris();
  } catch (...) {
    noEphemeris = std::current_exception();
  }
  for (;;) {
    ChartJob* job;
    {
      std::unique_lock lock(mutex_);
      workAvailable_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) break;  // stopping
      job = queue_.front();
      queue_.pop_front();
    }
    try {
      if (noEphemeris) std::rethrow_exception(noEphemeris);
      job->charts = ChartCouple(job->male, job->female, *ephemeris);
      if (job->shiftBirthTimes) job->shifted = ChartBirthTimeShifts(job->male, job->female, job->charts, *ephemeris);
    } catch (...) {
      job->failure = std::current_exception();
    }
    {
      std::lock_guard lock(mutex_);
      job->done_ = true;
    }
    jobDone_.notify_all();
  }
  if (ephemeris) ephemeris->Close();  // the library's files belong to this thread
}

}  // namespace kelvra::cli
