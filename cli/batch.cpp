// SPDX-License-Identifier: AGPL-3.0-or-later
// The run: rows from the reader, analysed in order with one harmony memory,
// their charts computed ahead by workers, written as each is finished.
#include "cli/batch.h"

#include <sched.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <deque>
#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "birthtime/month_name.h"
#include "charts/zodiac.h"
#include "cli/chart_workers.h"
#include "csv/csv_reader.h"
#include "cli/csv_rows.h"
#include "cli/json_line.h"
#include "cli/json_rows.h"
#include "cli/person_reader.h"
#include "csv/system_reason.h"
#include "cosmodynes/analysis.h"
#include "cosmodynes/explanation.h"
#include "reportdata/report_fields.h"
#include "vocabulary/cli_words.h"

namespace kelvra::cli {

namespace {

constexpr std::size_t kRequiredColumns = 2 * kPersonColumns.size();

// Each person's sixteen columns, then, when times are converted, each
// person's zone columns.
std::vector<std::string> KeptColumns(bool trueUt) {
  std::vector<std::string> names;
  for (const Partner partner : {Partner::Male, Partner::Female}) {
    for (const std::string_view column : kPersonColumns) names.push_back(ColumnName(partner, column));
  }
  if (trueUt) {
    for (const Partner partner : {Partner::Male, Partner::Female}) {
      for (const std::string_view column : kZoneColumns) names.push_back(ColumnName(partner, column));
    }
  }
  return names;
}

std::size_t PartnerIndex(Partner partner) { return partner == Partner::Male ? 0 : 1; }

class Run final : public csv::CsvRowHandler {
 public:
  Run(std::ostream& out, std::ostream& err, const BatchOptions& options, Ephemeris& ephemeris)
      : out_(out), err_(err), options_(options), ephemeris_(ephemeris),
        reader_(KeptColumns(options.trueUt), kRequiredColumns, *this) {
    for (int m = 1; m <= 12; ++m) monthNames_[static_cast<std::size_t>(m)] = EnglishMonthName(m).toStdString();
    if (options_.jobs > 1 && options_.workerEphemeris) {
      workers_ = std::make_unique<ChartWorkers>(options_.jobs, options_.workerEphemeris);
      rowsInFlight_ = kRowsInFlightPerJob * options_.jobs;
    }
  }

  int Go(std::istream& in) {
    std::function<void()> beforeWaiting;
    // Rows in flight are answered before a read that may wait for more.
    if (workers_ && options_.inputMayWait) beforeWaiting = [this] { Guarded([this] { Answer(true); }); };
    reader_.Read(in, options_.inputName, beforeWaiting);
    if (!stopped_) Guarded([this] { Answer(true); });
    return status_;
  }

 private:
  void OnHeader() noexcept override {
    Guarded([this] {
      if (options_.format == OutputFormat::Csv) Emit(CsvHeaderLine(options_.trueUt));
    });
  }

  void OnRow(std::uint64_t row, const std::vector<std::string_view>& values) noexcept override {
    Guarded([&] { Row(row, values); });
  }

  void OnMalformedRow(std::uint64_t row, const std::string& problem) noexcept override {
    Guarded([&] { Refuse(row, problem); });
  }

  // A failure of the input ends the run after the rows before it are answered.
  void OnFailure(const std::string& message) noexcept override {
    Guarded([this] { Answer(true); });
    if (!stopped_) Fail(message);
  }

  void Row(std::uint64_t row, const std::vector<std::string_view>& values) {
    Conversions conversions;
    std::array<BirthData, 2> births;
    for (const Partner partner : {Partner::Male, Partner::Female}) {
      const std::size_t offset = PartnerIndex(partner) * kPersonColumns.size();
      PersonFields fields;
      std::copy_n(values.begin() + static_cast<std::ptrdiff_t>(offset), fields.size(), fields.begin());
      PersonResult person = ReadPerson(partner, fields);
      if (!person.birth) return Refuse(row, person.error);
      if (const auto refusal = Convert(partner, *person.birth, values, conversions)) return Refuse(row, *refusal);
      births[PartnerIndex(partner)] = std::move(*person.birth);
    }
    if (!workers_) {
      const double startGain = memory_.lastHarmonyGain;
      const CoupleAnalysis analysis = AnalyzeCouple(births[0], births[1], ephemeris_, memory_);
      ShiftedContacts shifted;
      if (options_.explain) shifted = ChartBirthTimeShifts(births[0], births[1], analysis, ephemeris_);
      return WriteAnalysis(row, births[0], births[1], analysis, startGain, shifted, conversions);
    }
    PendingRow& pending = pending_.emplace_back();
    pending.row = row;
    pending.conversions = std::move(conversions);
    pending.job.male = std::move(births[0]);
    pending.job.female = std::move(births[1]);
    pending.job.shiftBirthTimes = options_.explain;
    workers_->Submit(pending.job);
    Answer(false);
  }

  // With --true-ut: the person's clock time converted by their zone columns
  // or birthplace; the refusal when it cannot be.
  std::optional<std::string> Convert(Partner partner, BirthData& birth, const std::vector<std::string_view>& values,
                                     Conversions& conversions) {
    if (!options_.trueUt) return std::nullopt;
    const std::size_t zone = kRequiredColumns + PartnerIndex(partner) * kZoneColumns.size();
    Conversion& conversion = conversions[PartnerIndex(partner)].emplace();
    return ConvertBirthTime(CoupleColumns(partner), birth, values[zone], values[zone + 1], options_.findPlaceZone,
                            conversion);
  }

  // Refuses a row, in its turn among the rows in flight.
  void Refuse(std::uint64_t row, const std::string& message) {
    if (status_ == kExitOk) status_ = kExitRowRefused;
    if (!workers_) return WriteRefusal(row, message);
    pending_.push_back({row, message, {}, {}});
    Answer(false);
  }

  // Writes the rows in flight that are finished, in row order, finishing each
  // analysis with the harmony memory as it stands after the rows before it.
  // Waits for the next row when too many are in flight, or for all of them
  // when `all`.
  void Answer(bool all) {
    while (!pending_.empty() && !stopped_) {
      PendingRow& next = pending_.front();
      if (!next.refusal.empty()) {
        WriteRefusal(next.row, next.refusal);
      } else {
        if (!workers_->Done(next.job)) {
          if (!all && pending_.size() < rowsInFlight_) return;
          workers_->Wait(next.job);
        }
        if (next.job.failure) std::rethrow_exception(next.job.failure);
        const double startGain = memory_.lastHarmonyGain;
        WriteAnalysis(next.row, next.job.male, next.job.female,
                      CompleteAnalysis(std::move(next.job.charts), memory_), startGain, next.job.shifted,
                      next.conversions);
      }
      pending_.pop_front();
    }
  }

  // `startGain` is the harmony memory the analysis started from; `shifted`
  // holds the birth-time shifts' contacts when the run explains its rows.
  void WriteAnalysis(std::uint64_t row, const BirthData& maleBirth, const BirthData& femaleBirth,
                     const CoupleAnalysis& analysis, double startGain, const ShiftedContacts& shifted,
                     const Conversions& conversions) {
    std::optional<Explanation> explanation;
    if (options_.explain || options_.writePicture) explanation = ExplainAnalysis(analysis, startGain);
    // The picture comes first, so a reader that sees the row's line finds its file.
    if (options_.writePicture) {
      if (const auto failure = options_.writePicture(row, maleBirth.Name, femaleBirth.Name, analysis, *explanation))
        return Fail(*failure);
    }
    const ChartTexts maleTexts = ChartTextsOf(analysis.male);
    const ChartTexts femaleTexts = ChartTextsOf(analysis.female);
    const ReportPerson male = ReportPersonOf(maleBirth);
    const ReportPerson female = ReportPersonOf(femaleBirth);
    if (options_.format == OutputFormat::Csv) {
      line_.clear();
      AppendCsvRow(line_, MakeCompatibilityReport(male, female, maleTexts, femaleTexts, analysis.verdict.result),
                   conversions, options_.csvSafe, scratch_);
      return Emit(line_);
    }
    StartAnalysisLine(json_, row, analysis, male, female, maleTexts, femaleTexts, conversions);
    if (options_.explain) {
      AddExplanation(json_, *explanation);
      AddBirthTimeBand(json_, ScoreBirthTimeShifts(shifted, startGain, analysis.verdict.result));
    }
    json_.EndObject();
    EmitJson();
  }

  void WriteRefusal(std::uint64_t row, const std::string& message) {
    if (options_.format == OutputFormat::Csv) {
      err_ << Tr(words::kCliRowRefused, {std::to_string(row), message}) << '\n';
      err_.flush();
      return;
    }
    WriteRefusalLine(json_, row, message);
    EmitJson();
  }

  ReportPerson ReportPersonOf(const BirthData& birth) const {
    return {birth.Name, monthNames_[static_cast<std::size_t>(birth.Month)], birth.Day, birth.Year,
            birth.City, birth.State, birth.Country};
  }

  void EmitJson() {
    json_.EndLine();
    Emit(json_.text());
  }

  // Each row leaves as soon as it is done, so a reader of the output sees it
  // while later rows are still being computed.
  void Emit(std::string_view text) {
    errno = 0;
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) Fail(Tr(words::kCliCannotWriteTo, {options_.outputName, csv::SystemReason(errno)}));
  }

  void Fail(const std::string& message) {
    err_ << Tr(words::kCliComplaint, {message}) << '\n';
    err_.flush();
    status_ = kExitFailure;
    stopped_ = true;
    reader_.Stop();
  }

  // Runs work that may throw where nothing may be thrown through: the
  // reader's callbacks and the run's own loop.
  template <typename Work>
  void Guarded(Work work) noexcept {
    try {
      work();
    } catch (const std::exception& e) {
      Fail(Tr(words::kCliInternalErrorBecause, {e.what()}));
    } catch (...) {
      Fail(Tr(words::kCliInternalError));
    }
  }

  std::ostream& out_;
  std::ostream& err_;
  const BatchOptions options_;
  Ephemeris& ephemeris_;
  HarmonyMemory memory_;  // one for the whole run, as in one run of the program
  std::array<std::string, 13> monthNames_;
  csv::CsvRowReader reader_;
  bool stopped_ = false;
  int status_ = kExitOk;

  JsonLine json_;
  std::string line_, scratch_;

  // Rows read but not yet written, in row order, and the workers computing
  // their charts; the workers go first, while every job still exists.
  struct PendingRow {
    std::uint64_t row = 0;
    std::string refusal;  ///< refused with this message when not empty
    Conversions conversions;
    ChartJob job;
  };
  std::deque<PendingRow> pending_;
  std::size_t rowsInFlight_ = 0;
  std::unique_ptr<ChartWorkers> workers_;
};

}  // namespace

unsigned AvailableProcessors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options,
             Ephemeris& ephemeris) {
  return Run(out, err, options, ephemeris).Go(in);
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, OutputFormat format, Ephemeris& ephemeris) {
  BatchOptions options;
  options.format = format;
  return RunBatch(in, out, err, options, ephemeris);
}

}  // namespace kelvra::cli
