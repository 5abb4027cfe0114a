// SPDX-License-Identifier: AGPL-3.0-or-later
// The installed command itself: arguments, files, standard input, exit codes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli_process.h"

namespace kelvra::cli {
namespace {

using testing::Outcome;
using testing::Slurp;

class KelvraCli : public testing::CliFolderTest {
 protected:
  // Runs the command through the shell so the test can redirect standard
  // input; `environment` goes first ("env -u DISPLAY").
  Outcome RunCli(const std::string& args, const std::string& output = "", const std::string& environment = "") {
    const std::string command = environment + " LANG=C LC_ALL=C '" KELVRA_CLI_PATH "' " + args + " >'" +
                                (output.empty() ? dir_ + "out" : output) + "' 2>'" + dir_ + "err'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.empty() ? Slurp(dir_ + "out") : "",
            Slurp(dir_ + "err")};
  }

  std::string WriteInput(const std::string& name, const std::string& text) {
    const std::string path = dir_ + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

std::string Header() {
  std::string line;
  for (const char* p : {"male_", "female_"}) {
    for (auto column : kPersonColumns) line += (line.empty() ? "" : ",") + std::string(p) + std::string(column);
  }
  return line + "\n";
}

const std::string kGood =
    "Bob,5,1,1980,14,30,0,51,30,N,0,7,W,London,Ldn,UK,Ann,2,11,1950,3,0,0,33,52,S,151,12,E,Sydney,NSW,AU\n";
const std::string kOtherGood =
    "Carl,17,8,1972,6,5,0,40,43,N,74,0,W,New York,NY,US,Dora,30,3,1975,22,45,0,48,51,N,2,21,E,Paris,IDF,FR\n";
const std::string kBad =
    "Bob,5,1,1980,14,30,0,51,30,X,0,7,W,London,Ldn,UK,Ann,2,11,1950,3,0,0,33,52,S,151,12,E,Sydney,NSW,AU\n";

TEST_F(KelvraCli, ExitCodes) {
  const std::string good = WriteInput("good.csv", Header() + kGood);
  const std::string mixed = WriteInput("mixed.csv", Header() + kGood + kBad);
  const std::string noColumn = WriteInput("nocolumn.csv", "male_name\nBob\n");
  const struct {
    std::string args;
    int code;
    std::string outStart, errStart;
  } cases[] = {
      {"'" + good + "'", kExitOk, "{\"row\":1,\"male\":{\"name\":\"Bob\",\"dob\":\"January 5, 1980\"", ""},
      {"- <'" + good + "'", kExitOk, "{\"row\":1,\"male\"", ""},
      {"--format csv <'" + good + "'", kExitOk, "male_name,male_dob,", ""},
      {"--format=csv '" + mixed + "'", kExitRowRefused, "male_name,", "row 2: male_lat_dir: must be N, S, North or South\n"},
      {"'" + mixed + "'", kExitRowRefused, "{\"row\":1,", ""},
      {"'" + noColumn + "'", kExitFailure, "", "kelvra-cli: missing column(s) in the header: male_day,"},
      {"'" + dir_ + "no such file.csv'", kExitFailure, "", "kelvra-cli: cannot open "},
      {"'" + dir_ + "'", kExitFailure, "", "kelvra-cli: "},
      {"--format xml '" + good + "'", kExitFailure, "", "kelvra-cli: unknown format 'xml'"},
      {"--format", kExitFailure, "", "kelvra-cli: --format needs a value"},
      {"--frobnicate", kExitFailure, "", "kelvra-cli: unknown option"},
      {"'" + good + "' '" + good + "'", kExitFailure, "", "kelvra-cli: only one input file"},
      {"--version", kExitOk, "kelvra-cli 1.0\n", ""},
      {"--help", kExitOk, "Usage: kelvra-cli [--format jsonl|csv] [--csv-safe] [--explain] [--true-ut] [--jobs N] [--wheel DIR] [FILE]", ""},
      {"--explain --format csv '" + good + "'", kExitFailure, "", "kelvra-cli: --explain needs --format jsonl\n"},
      {"--format=csv --explain", kExitFailure, "", "kelvra-cli: --explain needs --format jsonl\n"},
      {"--format csv --csv-safe '" + good + "'", kExitOk, "male_name,", ""},
      {"--jobs 3 '" + mixed + "'", kExitRowRefused, "{\"row\":1,", ""},
      {"--jobs=1 - <'" + good + "'", kExitOk, "{\"row\":1,", ""},
      {"--jobs 0 '" + good + "'", kExitFailure, "", "kelvra-cli: --jobs needs a number from 1 to 256, not '0'"},
      {"--jobs=two", kExitFailure, "", "kelvra-cli: --jobs needs a number from 1 to 256, not 'two'"},
      {"'" + good + "' --wheel", kExitFailure, "", "kelvra-cli: --wheel needs a directory\n"},
  };
  for (const auto& c : cases) {
    const Outcome r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args << "\n" << r.err;
    EXPECT_EQ(r.out.substr(0, c.outStart.size()), c.outStart) << c.args;
    EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.args;
    if (c.errStart.empty()) {
      EXPECT_EQ(r.err, "") << c.args;
    }
  }
}

// Each analysed row's bi-wheel replaces DIR/row-N.svg, drawn alike for every
// job count and output format, and the output itself does not change.
TEST_F(KelvraCli, WheelWritesOneSvgPerAnalysedRow) {
  const std::string input = "'" + WriteInput("couples.csv", Header() + kGood + kBad + kOtherGood) + "'";
  const struct {
    std::string options, directory;
  } runs[] = {
      {"--explain --jobs 1", dir_ + "flat"},
      {"--format csv --jobs 2", dir_ + "nested/wheels"},
  };
  std::filesystem::create_directory(dir_ + "flat");
  std::ofstream(dir_ + "flat/row-1.svg") << "an earlier run's";
  std::vector<std::string> pictures;
  for (const auto& run : runs) {
    const Outcome plain = RunCli(run.options + " " + input);
    const Outcome drawn = RunCli(run.options + " --wheel '" + run.directory + "' " + input);
    EXPECT_EQ(drawn.code, kExitRowRefused) << drawn.err;
    EXPECT_EQ(drawn.out, plain.out) << run.options;
    EXPECT_EQ(drawn.err, plain.err) << run.options;
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(run.directory))
      names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"row-1.svg", "row-3.svg"})) << run.options;
    for (const char* name : {"/row-1.svg", "/row-3.svg"}) {
      pictures.push_back(Slurp(run.directory + name));
      EXPECT_NE(pictures.back().find("<svg"), std::string::npos) << name;
      EXPECT_EQ(pictures.back().find("<text"), std::string::npos) << name;
    }
  }
  ASSERT_EQ(pictures.size(), 4u);
  EXPECT_EQ(pictures[0], pictures[2]);
  EXPECT_EQ(pictures[1], pictures[3]);
  EXPECT_NE(pictures[0], pictures[1]);
}

TEST_F(KelvraCli, AWheelFileThatCannotBeWrittenStopsTheRun) {
  const std::string input = WriteInput("good.csv", Header() + kGood + kOtherGood);
  const Outcome r = RunCli("--wheel '" + input + "/wheels' '" + input + "'");
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "kelvra-cli: cannot write " + input + "/wheels/row-1.svg: Not a directory\n");
  EXPECT_EQ(r.out, "");
}

// Only --wheel starts the GUI: with a platform that cannot start, the rest runs.
// Nor is the GUI library mapped: drawing lives in a module loaded for --wheel.
TEST_F(KelvraCli, WithoutWheelNoDisplayIsNeeded) {
  const std::string input = WriteInput("good.csv", Header() + kGood);
  const Outcome r = RunCli("--jobs 2 '" + input + "'", "", "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb");
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.substr(0, 8), "{\"row\":1");
  std::FILE* needed = ::popen("objdump -p '" KELVRA_CLI_PATH "'", "r");
  ASSERT_NE(needed, nullptr);
  std::string libraries;
  for (char buffer[4096]; std::fgets(buffer, sizeof buffer, needed);) libraries += buffer;
  EXPECT_EQ(::pclose(needed), 0);
  EXPECT_NE(libraries.find("NEEDED"), std::string::npos);
  EXPECT_EQ(libraries.find("libQt6Gui"), std::string::npos);
}

// Without a zone column, --true-ut takes the zone of the atlas place, found
// by name in any spelling; a name the atlas cannot pin refuses the row.
TEST_F(KelvraCli, TrueUtFindsTheZoneOfTheBirthplaceInTheAtlas) {
  const std::string input = WriteInput(
      "places.csv",
      Header() +
          "A,1,7,1950,12,0,0,40,43,N,74,0,W,new york,New York,US,B,1,7,1960,12,0,0,69,39,N,18,57,E,Tromso,"
          "Troms og Finnmark,Norway\n"
          "C,1,7,1950,12,0,0,40,43,N,74,0,W,Springfield,Somewhere,US,D,1,7,1960,12,0,0,18,31,N,73,51,E,Pune,"
          "Maharashtra,IN\n");
  const Outcome r = RunCli("--true-ut '" + input + "'");
  EXPECT_EQ(r.code, kExitRowRefused);
  EXPECT_NE(r.out.find("\"ut\":\"1950-07-01T16:00:00\",\"utcOffset\":\"-04:00\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"ut\":\"1960-07-01T10:00:00\",\"utcOffset\":\"+02:00\""), std::string::npos);
  EXPECT_NE(r.out.find("{\"row\":2,\"error\":\"male_city: no atlas place matches Springfield, Somewhere, US"),
            std::string::npos);
}

// A full disk is told with the stream and the system's reason.
TEST_F(KelvraCli, AFullDiskIsNamed) {
  const Outcome r = RunCli("'" + WriteInput("good.csv", Header() + kGood) + "'", "/dev/full");
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "kelvra-cli: cannot write to standard output: No space left on device\n");
}

// A row of twenty million empty fields is refused like any row without a
// name, and the run goes on, holding no more than the required columns' values.
TEST_F(KelvraCli, ALineOfManyEmptyFieldsRunsInBoundedMemory) {
  const std::string input = WriteInput("commas.csv", Header() + std::string(20'000'000, ',') + "\n" + kGood);
  const Outcome r = RunCli("--format csv '" + input + "'");
  EXPECT_EQ(r.code, kExitRowRefused);
  EXPECT_EQ(r.err, "row 1: male_name: Please Enter Male Name\n");
  EXPECT_NE(r.out.find("\r\nBob,"), std::string::npos);
  rusage children{};
  ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &children), 0);
  // Measured: about 10 MiB, 60 under the sanitizers; one string a field took 850.
  EXPECT_LT(children.ru_maxrss, 256 * 1024) << "peak KiB";
}

}  // namespace
}  // namespace kelvra::cli
