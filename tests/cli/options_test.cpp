// SPDX-License-Identifier: AGPL-3.0-or-later
// What the arguments ask for; the installed command's exit codes and
// messages are checked end to end in cli_binary_test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/options.h"

namespace kelvra::cli {
namespace {

CommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "kelvra-cli");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), 7);
}

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
  const CommandLine line =
      Parse({"--format=csv", "--csv-safe", "--true-ut", "--jobs", "3", "--wheel=out dir", "couples.csv"});
  ASSERT_EQ(line.action, CommandLine::Action::Run) << line.problem;
  EXPECT_EQ(line.batch.format, OutputFormat::Csv);
  EXPECT_TRUE(line.batch.csvSafe);
  EXPECT_TRUE(line.batch.trueUt);
  EXPECT_FALSE(line.batch.explain);
  EXPECT_EQ(line.batch.jobs, 3u);
  EXPECT_EQ(line.wheelDirectory, "out dir");
  EXPECT_EQ(line.file, "couples.csv");

  const CommandLine defaults = Parse({});
  EXPECT_EQ(defaults.batch.jobs, 7u);
  EXPECT_EQ(defaults.batch.format, OutputFormat::JsonLines);
  EXPECT_FALSE(defaults.file);
}

TEST(CommandLine, TheFirstProblemOrRequestEndsTheReading) {
  const struct {
    std::vector<const char*> args;
    CommandLine::Action action;
    std::string problem;
  } cases[] = {
      {{"--help", "--frobnicate"}, CommandLine::Action::Help, ""},
      {{"--frobnicate", "--help"}, CommandLine::Action::Usage, "unknown option '--frobnicate'"},
      {{"--version"}, CommandLine::Action::Version, ""},
      {{"-", "more.csv"}, CommandLine::Action::Usage, "only one input file may be given"},
      {{"--", "--help"}, CommandLine::Action::Run, ""},
      {{"--jobs=257"}, CommandLine::Action::Usage, "--jobs needs a number from 1 to 256, not '257'"},
      {{"--jobs"}, CommandLine::Action::Usage, "--jobs needs a number from 1 to 256"},
      {{"--jobs", "2x"}, CommandLine::Action::Usage, "--jobs needs a number from 1 to 256, not '2x'"},
      {{"--wheel="}, CommandLine::Action::Usage, "--wheel needs a directory"},
      {{"--format=xml"}, CommandLine::Action::Usage, "unknown format 'xml': use jsonl or csv"},
      {{"--formats=csv"}, CommandLine::Action::Usage, "unknown option '--formats=csv'"},
      {{"--explain", "--format", "csv"}, CommandLine::Action::Usage, "--explain needs --format jsonl"},
      {{"--format", "csv", "--format", "jsonl", "--explain"}, CommandLine::Action::Run, ""},
  };
  for (const auto& c : cases) {
    const CommandLine line = Parse(c.args);
    EXPECT_EQ(line.action, c.action) << c.args.front();
    EXPECT_EQ(line.problem, c.problem) << c.args.front();
  }
  EXPECT_EQ(Parse({"--", "--help"}).file, "--help");
}

}  // namespace
}  // namespace kelvra::cli
