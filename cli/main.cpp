// SPDX-License-Identifier: AGPL-3.0-or-later
// kelvra-cli: the desktop program's analysis over a CSV file of couples.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "atlas/atlas.h"
#include "charts/swiss_ephemeris.h"
#include "cli/atlas_zones.h"
#include "cli/batch.h"
#include "cli/options.h"
#include "cli/people_run.h"
#include "cli/picture_module.h"
#include "vocabulary/atlas_words.h"
#include "vocabulary/cli_words.h"

namespace {

// Regular files never make a read wait; pipes and terminals may.
bool MayWait(int fd) {
  struct stat status {};
  return fstat(fd, &status) != 0 || !S_ISREG(status.st_mode);
}

int Failure(const std::string& message) {
  std::cerr << kelvra::Tr(kelvra::words::kCliComplaint, {message}) << '\n';
  return kelvra::cli::kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  namespace cli = kelvra::cli;
  std::ios::sync_with_stdio(false);
  cli::CommandLine line = cli::ParseCommandLine(argc, argv, cli::AvailableProcessors());
  switch (line.action) {
    case cli::CommandLine::Action::Help: std::cout << cli::HelpText(); return 0;
    case cli::CommandLine::Action::Version:
      std::cout << "kelvra-cli " << KELVRA_VERSION << '\n' << kelvra::Tr(kelvra::words::kAtlasCredit) << '\n';
      return 0;
    case cli::CommandLine::Action::Usage:
      std::cerr << kelvra::Tr(kelvra::words::kCliComplaint, {line.problem}) << '\n'
                << kelvra::Tr(kelvra::words::kCliTryHelp) << '\n';
      return cli::kExitFailure;
    case cli::CommandLine::Action::Run: break;
  }
  if (line.people) return cli::RunPeople(*line.people, KELVRA_VERSION, std::cout, std::cerr);
  cli::BatchOptions& options = line.batch;
  if (options.trueUt) options.findPlaceZone = cli::FindAtlasPlaceZone;

  std::ifstream stream;
  std::istream* in = &std::cin;
  if (line.file && *line.file != "-") {
    const std::string& file = *line.file;
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return Failure(kelvra::Tr(kelvra::words::kCliIsDirectory, {file}));
    stream.open(file, std::ios::binary);
    if (!stream) {
      const int error = errno;
      return Failure(kelvra::Tr(kelvra::words::kCliCannotOpen, {file, std::strerror(error)}));
    }
    in = &stream;
    options.inputName = file;
  }
  options.inputMayWait = in == &std::cin ? MayWait(STDIN_FILENO) : false;
  options.workerEphemeris = [] {
    auto ephemeris = std::make_unique<kelvra::SwissEphemeris>();
    ephemeris->SetEphePath(kelvra::kEphemerisDataPath);
    return ephemeris;
  };

  // Only pictures need fonts and a painter, from a module loaded for them:
  // without --wheel nothing of the GUI is mapped or started, so the tool
  // starts quickly and runs where no display or platform plugin is.
  std::unique_ptr<cli::PictureSession> pictures;
  if (line.wheelDirectory) {
    std::string failure;
    pictures = cli::StartPictureSession(argv[0], *line.wheelDirectory, failure);
    if (!pictures) return Failure(failure);
    options.writePicture = pictures->writer();
  }

  kelvra::SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kelvra::kEphemerisDataPath);
  return cli::RunBatch(*in, std::cout, std::cerr, options, ephemeris);
}
