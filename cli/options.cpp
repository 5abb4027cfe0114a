// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/options.h"

#include <charconv>

#include "vocabulary/cli_words.h"
#include "vocabulary/people_words_cli.h"

namespace kelvra::cli {

namespace {

// Whether `arg` is the option `name`, as "--name value" or "--name=value";
// `value` is then its value, or empty with no data when the value is missing.
bool TakesValue(std::string_view arg, std::string_view name, int& i, int argc, const char* const* argv,
                std::string_view& value) {
  if (arg == name) {
    value = ++i < argc ? std::string_view(argv[i]) : std::string_view();
    return true;
  }
  if (!arg.starts_with(name) || arg.substr(name.size(), 1) != "=") return false;
  value = arg.substr(name.size() + 1);
  return true;
}

CommandLine Usage(std::string problem) {
  CommandLine line;
  line.action = CommandLine::Action::Usage;
  line.problem = std::move(problem);
  return line;
}

CommandLine Just(CommandLine::Action action) {
  CommandLine line;
  line.action = action;
  return line;
}

}  // namespace

std::string HelpText() { return Tr(words::kCliHelp) + Tr(words::kCliPeopleHelp); }

CommandLine ParseCommandLine(int argc, const char* const* argv, unsigned defaultJobs) {
  CommandLine line;
  BatchOptions& options = line.batch;
  options.jobs = defaultJobs;
  bool optionsDone = false;
  // The couples run's first option or input, to refuse it beside --people.
  std::string couplesArgument;
  std::optional<std::string> library, importFile, exportFile;
  int peopleActions = 0;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string_view value;
    if (optionsDone || arg == "-" || !arg.starts_with("-")) {
      if (line.file) return Usage(Tr(words::kCliOneInputFile));
      line.file = argv[i];
      if (couplesArgument.empty()) couplesArgument = argv[i];
      continue;
    }
    if (!arg.starts_with("--people") && !arg.starts_with("--import") && !arg.starts_with("--export") &&
        arg != "--list" && arg != "--help" && arg != "--version" && arg != "--" && couplesArgument.empty())
      couplesArgument = arg.substr(0, arg.find('='));
    if (arg == "--") {
      optionsDone = true;
    } else if (arg == "--help") {
      return Just(CommandLine::Action::Help);
    } else if (arg == "--version") {
      return Just(CommandLine::Action::Version);
    } else if (arg == "--csv-safe") {
      options.csvSafe = true;
    } else if (arg == "--explain") {
      options.explain = true;
    } else if (arg == "--true-ut") {
      options.trueUt = true;
    } else if (TakesValue(arg, "--people", i, argc, argv, value)) {
      if (value.empty()) return Usage(Tr(words::kCliPeopleLibraryMissing));
      library = value;
    } else if (TakesValue(arg, "--import", i, argc, argv, value)) {
      if (value.empty()) return Usage(Tr(words::kCliPeopleFileMissing, {"--import"}));
      importFile = value;
      ++peopleActions;
    } else if (TakesValue(arg, "--export", i, argc, argv, value)) {
      if (value.empty()) return Usage(Tr(words::kCliPeopleFileMissing, {"--export"}));
      exportFile = value;
      ++peopleActions;
    } else if (arg == "--list") {
      list = true;
      ++peopleActions;
    } else if (TakesValue(arg, "--jobs", i, argc, argv, value)) {
      if (value.data() == nullptr) return Usage(Tr(words::kCliJobsMissing));
      unsigned jobs = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
      if (ec != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > 256)
        return Usage(Tr(words::kCliJobsBad, {value}));
      options.jobs = jobs;
    } else if (TakesValue(arg, "--wheel", i, argc, argv, value)) {
      if (value.empty()) return Usage(Tr(words::kCliWheelMissing));
      line.wheelDirectory = value;
    } else if (TakesValue(arg, "--format", i, argc, argv, value)) {
      if (value.data() == nullptr) return Usage(Tr(words::kCliFormatMissing));
      if (value == "jsonl") {
        options.format = OutputFormat::JsonLines;
      } else if (value == "csv") {
        options.format = OutputFormat::Csv;
      } else {
        return Usage(Tr(words::kCliFormatUnknown, {value}));
      }
    } else {
      return Usage(Tr(words::kCliOptionUnknown, {arg}));
    }
  }
  if (library || peopleActions > 0) {
    if (!library) return Usage(Tr(words::kCliPeopleNeedsLibrary));
    if (!couplesArgument.empty()) return Usage(Tr(words::kCliPeopleNotWithCouples, {couplesArgument}));
    if (peopleActions != 1) return Usage(Tr(words::kCliPeopleOneAction));
    line.people = CommandLine::People{*library, importFile, exportFile, list};
    return line;
  }
  if (options.explain && options.format != OutputFormat::JsonLines) return Usage(Tr(words::kCliExplainNeedsJsonl));
  return line;
}

}  // namespace kelvra::cli
