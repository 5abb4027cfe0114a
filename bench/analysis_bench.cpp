// SPDX-License-Identifier: AGPL-3.0-or-later
// Side-by-side timings; the ratios printed at the end are what to compare
// between runs, not the absolute times.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "charts/natal_chart.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"
#include "charts/swiss_ephemeris.h"
#include "cli/batch.h"
#include "cli/person_reader.h"

namespace {

using namespace kelvra;

BirthData Person(const char* day, int month, const char* year, int hour, int minute, int lat, int lon) {
  BirthData b;
  b.Day = day;
  b.Month = month;
  b.Year = year;
  b.Hour = hour;
  b.Minute = minute;
  b.LatDeg = lat;
  b.LongDeg = lon;
  return b;
}

const BirthData kMale = Person("13", 7, "1985", 14, 30, 51, 0);
const BirthData kFemale = Person("2", 11, "1950", 3, 0, 33, 151);

// Exactly the library calls of one chart, with nothing around them.
void BareChart(const BirthData& b) {
  const double jd = swe_julday(std::stoi(b.Year), b.Month, std::stoi(b.Day), b.Hour + b.Minute / 60.0, SE_GREG_CAL);
  double cusps[14], ascmc[11], xx[7], xpin[3] = {0, 0, 0};
  char err[AS_MAXCH] = {};
  swe_houses(jd, b.LatDeg, b.LongDeg, 'P', cusps, ascmc);
  swe_calc(jd, SE_ECL_NUT, 0, xx, err);
  const double eps = xx[0];
  for (int body : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15}) {
    std::memset(err, 0, sizeof err);
    swe_calc(jd, body, 258, xx, err);
    xpin[0] = xx[0];
    std::memset(err, 0, sizeof err);
    swe_calc(jd, body, 2306, xx, err);
    benchmark::DoNotOptimize(swe_house_pos(ascmc[2], b.LatDeg, eps, 'P', xpin, err));
  }
  swe_close();
}

void BM_BareLibraryTwoCharts(benchmark::State& state) {
  for (auto _ : state) {
    BareChart(kMale);
    BareChart(kFemale);
  }
}
BENCHMARK(BM_BareLibraryTwoCharts);

void BM_CalcChartTwoCharts(benchmark::State& state) {
  SwissEphemeris ephemeris;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalcChart(kMale, ephemeris));
    benchmark::DoNotOptimize(CalcChart(kFemale, ephemeris));
  }
}
BENCHMARK(BM_CalcChartTwoCharts);

// The engine's own share of an analysis: contacts, totals and verdict.
void BM_ContactsTotalsVerdict(benchmark::State& state) {
  SwissEphemeris ephemeris;
  const NatalChart male = CalcChart(kMale, ephemeris), female = CalcChart(kFemale, ephemeris);
  HarmonyMemory memory;
  for (auto _ : state) {
    const auto contacts = FindContacts(male, female);
    const auto totals = ComputeCosmodyneTotals(contacts, memory);
    benchmark::DoNotOptimize(DecideVerdict(totals.powerTotal, totals.harmonyTotal));
  }
}
BENCHMARK(BM_ContactsTotalsVerdict);

void BM_WholeAnalysis(benchmark::State& state) {
  SwissEphemeris ephemeris;
  HarmonyMemory memory;
  for (auto _ : state) benchmark::DoNotOptimize(AnalyzeCouple(kMale, kFemale, ephemeris, memory));
}
BENCHMARK(BM_WholeAnalysis);

// What explaining one couple adds: the explanation and the birth-time band
// (twelve more charts with their contacts and scores).
void BM_ExplanationAndBand(benchmark::State& state) {
  SwissEphemeris ephemeris;
  HarmonyMemory memory;
  const CoupleAnalysis analysis = AnalyzeCouple(kMale, kFemale, ephemeris, memory);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExplainAnalysis(analysis, 0.5));
    benchmark::DoNotOptimize(ComputeBirthTimeBand(kMale, kFemale, analysis, 0.5, analysis.verdict.result, ephemeris));
  }
}
BENCHMARK(BM_ExplanationAndBand);

// 10,000 couples spread over the accepted ranges, some with quoted names.
std::string CouplesCsv() {
  constexpr int kCouples = 10'000;
  std::mt19937 random(20240601);
  const auto pick = [&](int low, int high) { return std::to_string(std::uniform_int_distribution(low, high)(random)); };
  std::string csv;
  for (const char* partner : {"male_", "female_"}) {
    for (auto column : cli::kPersonColumns) csv += (csv.empty() ? "" : ",") + std::string(partner) + std::string(column);
  }
  csv += "\r\n";
  for (int i = 0; i < kCouples; ++i) {
    for (int p = 0; p < 2; ++p) {
      csv += i % 7 == 0 ? "\"Doe, Jane \"\"J\"\"\"," : "Person " + std::to_string(i) + ",";
      csv += pick(1, 28) + "," + pick(1, 12) + "," + pick(1900, 2050) + "," + pick(0, 24) + "," + pick(0, 59) + "," +
             pick(0, 59) + "," + pick(0, 66) + "," + pick(0, 59) + "," + (i % 2 ? "N" : "South") + "," +
             pick(0, 179) + "," + pick(0, 59) + "," + (i % 3 ? "E" : "west") + ",City,State,Country" +
             (p == 0 ? "," : "\r\n");
    }
  }
  return csv;
}

// Takes what it is given and keeps nothing.
class DiscardBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// kelvra-cli's cost per couple: reading, checking, analysing and writing one
// JSON line. One iteration is the whole file; the time reported is per couple.
void TimeCliPerCouple(benchmark::State& state, const cli::BatchOptions& options) {
  static const std::string csv = CouplesCsv();
  const auto couples = static_cast<double>(std::count(csv.begin(), csv.end(), '\n') - 1);
  SwissEphemeris ephemeris;
  DiscardBuffer discard;
  std::ostream out(&discard);
  std::ostringstream err;
  for (auto _ : state) {
    std::istringstream in(csv);
    const auto start = std::chrono::steady_clock::now();
    const int status = cli::RunBatch(in, out, err, options, ephemeris);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (status != cli::kExitOk) state.SkipWithError(("RunBatch failed: " + err.str()).c_str());
    state.SetIterationTime(elapsed.count() / couples);
  }
}

void BM_CliPerCouple(benchmark::State& state) { TimeCliPerCouple(state, cli::BatchOptions{}); }
BENCHMARK(BM_CliPerCouple)->UseManualTime()->Iterations(3);

// The same run with a worker per processor, as kelvra-cli runs by default;
// wall time per couple, against one thread's bare library calls.
void BM_CliParallelPerCouple(benchmark::State& state) {
  cli::BatchOptions options;
  options.jobs = cli::AvailableProcessors();
  options.workerEphemeris = [] {
    auto worker = std::make_unique<SwissEphemeris>();
    worker->SetEphePath(kEphemerisDataPath);
    return worker;
  };
  TimeCliPerCouple(state, options);
}
BENCHMARK(BM_CliParallelPerCouple)->UseManualTime()->Iterations(3);

// Collects each benchmark's real time per iteration so ratios can be
// printed: the median when repetitions are reported as aggregates, else the
// single run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> seconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        seconds[name] = run.GetAdjustedRealTime();
      } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !medians_.contains(name)) {
        seconds[name] = run.GetAdjustedRealTime();
      }
      if (run.run_type == Run::RT_Aggregate) medians_.insert(name);
    }
  }

 private:
  std::set<std::string> medians_;
};

void PrintRatio(const RatioReporter& r, const std::string& num, const std::string& den, const char* goal) {
  const auto n = r.seconds.find(num), d = r.seconds.find(den);
  if (n == r.seconds.end() || d == r.seconds.end() || d->second <= 0) return;
  std::cout << num << " / " << den << " = " << n->second / d->second << "  (goal " << goal << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
  swe_set_ephe_path(kEphemerisDataPath);
  // Ratios are only as good as their worst side: by default repeat every
  // benchmark, interleave the repetitions so a busy spell hits all alike,
  // and compare medians. Flags given on the command line come later and win.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), aggregates.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::cout << '\n';
  PrintRatio(reporter, "BM_CalcChartTwoCharts", "BM_BareLibraryTwoCharts", "<= 1.10");
  PrintRatio(reporter, "BM_WholeAnalysis", "BM_BareLibraryTwoCharts", "<= 1.10");
  PrintRatio(reporter, "BM_CliPerCouple", "BM_WholeAnalysis", "<= 1.2");
  if (const auto e = reporter.seconds.find("BM_ExplanationAndBand"); e != reporter.seconds.end()) {
    std::cout << "explanation and birth-time band per couple: " << e->second / 1e6 << " ms  (goal < 10 ms)\n";
  }
  PrintRatio(reporter, "BM_ExplanationAndBand", "BM_WholeAnalysis", "about 6: twelve charts against two");
  double load[3] = {0, 0, 0};
  getloadavg(load, 3);
  std::cout << "\nkelvra-cli on " << cli::AvailableProcessors() << " processors (load average " << load[0]
            << " before the end of the run):\n";
  PrintRatio(reporter, "BM_CliParallelPerCouple", "BM_BareLibraryTwoCharts", "<= 0.75 with two cores free");
  PrintRatio(reporter, "BM_CliParallelPerCouple", "BM_CliPerCouple", "below 1");
  benchmark::Shutdown();
}
