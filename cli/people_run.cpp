// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/people_run.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "birthtime/birth_time.h"
#include "cli/batch.h"
#include "cli/replace_file.h"
#include "people/aaf.h"
#include "people/library.h"
#include "people/people_csv.h"
#include "vocabulary/cli_words.h"
#include "vocabulary/people_words_cli.h"

namespace kelvra::cli {

namespace {

enum class Format { Aaf, Csv, Other };

Format FormatOf(const std::string& file) {
  std::string extension = std::filesystem::path(file).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  if (extension == ".aaf") return Format::Aaf;
  if (extension == ".csv") return Format::Csv;
  return Format::Other;
}

int Failure(std::ostream& err, const std::string& message) {
  err << Tr(words::kCliComplaint, {message}) << '\n';
  return kExitFailure;
}

std::string Location(const std::string& file, std::size_t line, std::size_t record, const std::string& text) {
  return Tr(words::kCliPeopleRecord, {file, std::to_string(line), std::to_string(record), text});
}

bool ReadWhole(const std::string& file, std::string& bytes, std::string& problem) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    problem = Tr(words::kCliIsDirectory, {file});
    return false;
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) {
    const int error = errno;
    problem = Tr(words::kCliCannotOpen, {file, std::strerror(error)});
    return false;
  }
  std::ostringstream whole;
  whole << stream.rdbuf();
  if (stream.bad()) {
    const int error = errno;
    problem = Tr(words::kCliCannotRead, {file, std::strerror(error)});
    return false;
  }
  bytes = std::move(whole).str();
  return true;
}

int Import(people::Library& library, const std::string& file, Format format, const std::string& bytes,
           std::ostream& out, std::ostream& err) {
  people::ReadResult read = format == Format::Aaf ? people::ReadAaf(bytes, SystemZoneRules()) : people::ReadPeopleCsv(bytes);
  if (!read.fileProblem.empty()) return Failure(err, file + ": " + read.fileProblem);
  for (people::ReadRecord& record : read.records) record.person.origin = file + ":" + std::to_string(record.line);
  const people::Result<people::ImportReport> imported = library.Import(read.records);
  if (!imported) return Failure(err, imported.problem ? imported.problem->message : file);
  const people::ImportReport& report = *imported.value;

  // Refusals of the reader and of the library, and skips, in the file's order.
  struct Line {
    std::size_t record, line;
    std::string reason;
  };
  std::vector<Line> lines;
  for (const auto& refused : read.refused) lines.push_back({refused.record, refused.line, refused.reason});
  for (const auto& refused : report.refused) lines.push_back({refused.record, refused.line, refused.reason});
  for (const auto& skipped : report.skipped) lines.push_back({skipped.record, skipped.line, skipped.reason});
  std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.record < b.record; });
  for (const Line& line : lines) err << Location(file, line.line, line.record, line.reason) << '\n';

  // Remarks are no refusals: standard error is kept for those alone.
  for (const people::ReadRecord& record : read.records)
    for (const std::string& remark : record.remarks) out << Location(file, record.line, record.record, remark) << '\n';
  const std::size_t refused = read.refused.size() + report.refused.size();
  out << Tr(words::kCliPeopleImported,
            {std::to_string(report.added), std::to_string(report.skipped.size()), std::to_string(refused)})
      << '\n';
  return refused == 0 ? kExitOk : kExitRowRefused;
}

int Export(const people::Library& library, const std::string& file, Format format, std::string_view version,
           std::ostream& out, std::ostream& err) {
  const auto all = library.All();
  if (!all) return Failure(err, all.problem ? all.problem->message : library.Path().string());
  std::vector<people::Person> persons;
  persons.reserve(all.value->size());
  for (const people::SavedPerson& saved : *all.value) persons.push_back(saved.person);
  people::WriteReport report;
  const std::string bytes = format == Format::Aaf ? people::WriteAaf(persons, SystemZoneRules(), version, report)
                                                  : people::WritePeopleCsv(persons);
  if (const auto reason = ReplaceFile(file, bytes)) return Failure(err, Tr(words::kCliCannotWriteTo, {file, *reason}));
  for (const std::string& substitution : report.substitutions) out << file << ": " << substitution << '\n';
  out << TrN(words::kCliPeopleExported, static_cast<long long>(persons.size()), {file}) << '\n';
  return kExitOk;
}

}  // namespace

people::ZoneRules SystemZoneRules() {
  people::ZoneRules rules;
  rules.isValidZone = [](std::string_view name) {
    return IsValidZone(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  };
  rules.offsetAt = [](std::string_view zone, int year, int month, int day, int hour, int minute,
                      int second) -> std::optional<std::int32_t> {
    const auto offsets = ZoneOffsetsAt(zone, year, month, day, hour, minute, second);
    if (!offsets) return std::nullopt;
    return offsets->offset;
  };
  rules.standardOffsetAt = [](std::string_view zone, int year, int month, int day, int hour, int minute,
                              int second) -> std::optional<std::int32_t> {
    const auto offsets = ZoneOffsetsAt(zone, year, month, day, hour, minute, second);
    if (!offsets) return std::nullopt;
    return offsets->standardOffset;
  };
  return rules;
}

int RunPeople(const CommandLine::People& people, std::string_view version, std::ostream& out, std::ostream& err) {
  const std::string* file = people.importFile ? &*people.importFile : people.exportFile ? &*people.exportFile : nullptr;
  const Format format = file ? FormatOf(*file) : Format::Csv;
  // Checked before the library is opened, so a mistyped run makes no file.
  if (format == Format::Other) return Failure(err, Tr(words::kCliPeopleExtension, {*file}));

  // Read before the library is opened, so an unreadable file makes no library.
  std::string bytes;
  if (people.importFile) {
    std::string problem;
    if (!ReadWhole(*file, bytes, problem)) return Failure(err, problem);
  }

  people::Library::Opened opened = people::Library::Open(people.library);
  if (!opened.library) return Failure(err, opened.problem ? opened.problem->message : people.library);
  // A newer library opens for reading only; this Kelvra does not guess at it.
  if (opened.problem) return Failure(err, opened.problem->message);
  people::Library& library = *opened.library;

  if (people.importFile) return Import(library, *file, format, bytes, out, err);
  if (people.exportFile) return Export(library, *file, format, version, out, err);
  const auto all = library.All();
  if (!all) return Failure(err, all.problem ? all.problem->message : people.library);
  std::vector<people::Person> persons;
  persons.reserve(all.value->size());
  for (const people::SavedPerson& saved : *all.value) persons.push_back(saved.person);
  out << people::WritePeopleCsv(persons);
  return out ? kExitOk : kExitFailure;
}

}  // namespace kelvra::cli
