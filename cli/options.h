// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/batch.h"

namespace kelvra::cli {

/// What kelvra-cli's arguments ask for.
struct CommandLine {
  enum class Action { Run, Help, Version, Usage };
  Action action = Action::Run;
  std::string problem;  ///< with Usage: what is wrong, as "kelvra-cli: PROBLEM" tells it
  /// The run's format, flags and jobs; the input and what the program
  /// supplies (ephemerides, atlas, pictures) are left to the caller.
  BatchOptions batch;
  std::optional<std::string> file;            ///< the input; none or "-" for standard input
  std::optional<std::string> wheelDirectory;  ///< with --wheel
  /// With --people: the library and the one thing to do with it.
  struct People {
    std::string library;
    std::optional<std::string> importFile;
    std::optional<std::string> exportFile;
    bool list = false;
  };
  std::optional<People> people;
};

/// Reads the arguments after the program's name. The first problem, or
/// --help or --version, ends the reading. `defaultJobs` is the number of
/// jobs without --jobs.
CommandLine ParseCommandLine(int argc, const char* const* argv, unsigned defaultJobs);

/// What --help shows.
std::string HelpText();

}  // namespace kelvra::cli
