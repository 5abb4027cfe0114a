// SPDX-License-Identifier: AGPL-3.0-or-later
// The row reader alone: what it tells its handler for a given input.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "csv/csv_reader.h"

namespace kelvra::csv {
namespace {

// Everything told, one line per call: "header", "row N: a|b|c",
// "malformed N: ...", "failure: ...", and "wait" before each read that may wait.
struct Recorder final : CsvRowHandler {
  void OnHeader() noexcept override { told.push_back("header"); }
  void OnRow(std::uint64_t row, const std::vector<std::string_view>& values) noexcept override {
    std::string line = "row " + std::to_string(row) + ":";
    for (std::size_t i = 0; i < values.size(); ++i) line.append(i ? "|" : " ").append(values[i]);
    told.push_back(line);
    if (reader) lines.push_back(reader->RowLine());
    if (reader && row == stopAfter) reader->Stop();
  }
  void OnMalformedRow(std::uint64_t row, const std::string& problem) noexcept override {
    told.push_back("malformed " + std::to_string(row) + ": " + problem);
    if (reader) lines.push_back(reader->RowLine());
  }
  void OnFailure(const std::string& message) noexcept override { told.push_back("failure: " + message); }

  std::vector<std::string> told;
  std::vector<std::uint64_t> lines;  // RowLine of each row told
  CsvRowReader* reader = nullptr;
  std::uint64_t stopAfter = 0;
};

// Gives its text one byte per read, as a slow pipe may.
class Trickle final : public std::streambuf {
 public:
  explicit Trickle(std::string text) : text_(std::move(text)) {}

 protected:
  int_type underflow() override {
    if (next_ >= text_.size()) return traits_type::eof();
    setg(&text_[next_], &text_[next_], &text_[next_] + 1);
    ++next_;
    return traits_type::to_int_type(text_[next_ - 1]);
  }

 private:
  std::string text_;
  std::size_t next_ = 0;
};

// Columns "a" and "b" are required, "c" is not. With `trickle`, the input
// comes a byte a read, and each run of waits is told as one "wait".
std::vector<std::string> Read(const std::string& input, bool trickle = false, std::uint64_t stopAfter = 0) {
  Recorder recorder;
  CsvRowReader reader({"a", "b", "c"}, 2, recorder);
  recorder.reader = &reader;
  recorder.stopAfter = stopAfter;
  Trickle slow(input);
  std::istream slowStream(&slow);
  std::istringstream fast(input);
  std::function<void()> beforeWaiting;
  if (trickle) {
    beforeWaiting = [&recorder] {
      if (recorder.told.empty() || recorder.told.back() != "wait") recorder.told.push_back("wait");
    };
  }
  reader.Read(trickle ? slowStream : fast, "the input", beforeWaiting);
  return recorder.told;
}

using Told = std::vector<std::string>;

TEST(CsvRowReader, KeepsTheNamedColumnsOfEachRowWhereverTheyStand) {
  const struct {
    const char* what;
    std::string input;
    Told told;
  } cases[] = {
      {"in header order", "a,b,c\n1,2,3\n", {"header", "row 1: 1|2|3"}},
      {"reordered, with others", "x,c,b,a\r\n,3,2,1\r\n,,,\r\n", {"header", "row 1: 1|2|3", "row 2: ||"}},
      {"optional missing", "b,a\n2,1\n", {"header", "row 1: 1|2|"}},
      {"cut short", "a,x,b,c\n1\n1,x,2\n", {"header", "row 1: 1||", "row 2: 1|2|"}},
      {"quoted", "a,b\n\" 1,\"\"\n\",\"\"\n", {"header", "row 1:  1,\"\n||"}},
      {"no final line end", "a,b\n1,2", {"header", "row 1: 1|2|"}},
      {"a byte order mark", "\xEF\xBB\xBF" "a,b\n1,2\n", {"header", "row 1: 1|2|"}},
      {"a partial mark is data", "\xEF\xBB" "a,b\n", {"failure: missing column(s) in the header: a"}},
      {"malformed rows", "a,b\n1,x\"y\n\"2\"z,3\n4,5\n",
       {"header", "malformed 1: b: malformed CSV, a quote inside an unquoted field; the row is skipped to its line end",
        "malformed 2: a: malformed CSV, text after a closing quote; the row is skipped to its line end",
        "row 3: 4|5|"}},
      {"a field the header does not name", "a,b\n1,2,\"x\"y\n3,4\n",
       {"header", "malformed 1: column 3: malformed CSV, text after a closing quote; the row is skipped to its line end",
        "row 2: 3|4|"}},
      {"never closed", "a,b\n1,2\n3,\"4\n5,6\n",
       {"header", "row 1: 1|2|",
        "failure: data row 2: a quote opened in b is never closed, so the rest of the input lies inside it"}},
      {"a duplicate optional column", "a,b,c,c\n", {"failure: column c appears more than once in the header"}},
      {"nothing", "", {"failure: the input has no header row"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.input), c.told) << c.what;
}

// Read one byte at a time, the reader says before each read that may wait,
// so rows already read can be answered, and a mark in pieces is still a mark.
TEST(CsvRowReader, ToldBeforeAReadWaitsAndAMarkInPiecesIsDropped) {
  EXPECT_EQ(Read("\xEF\xBB\xBF" "a,b\n1,2\n", true), (Told{"wait", "header", "wait", "row 1: 1|2|", "wait"}));
}

TEST(CsvRowReader, StopEndsTheReading) {
  EXPECT_EQ(Read("a,b\n1,2\n3,4\n5,6\n", false, 2), (Told{"header", "row 1: 1|2|", "row 2: 3|4|"}));
}

// Where each row begins, however the input arrives: line breaks inside
// quotes, empty lines, CR LF split between reads and malformed rows count.
TEST(CsvRowReader, TellsTheLineEachRowBeginsOn) {
  const struct {
    const char* what;
    std::string input;
    std::vector<std::uint64_t> lines;
  } cases[] = {
      {"LF", "a,b\n1,2\n3,4\n", {2, 3}},
      {"CR LF and empty lines", "a,b\r\n\r\n1,2\r\n\r\n\r\n3,4", {3, 6}},
      {"CR alone", "a,b\r1,2\r3,4\r", {2, 3}},
      {"quoted breaks", "a,b\n\"x\r\ny\",\"\n\n\"\n3,4\n", {2, 6}},
      {"a quoted break in the header", "\"a\",b,\"c\nd\"\n1,2\n", {3}},
      {"malformed after quoted breaks", "a,b\n1,\"x\ny\"z\n3,4\n5,\"\n\"q\n6,7\n", {2, 4, 5, 7}},
  };
  for (const auto& c : cases) {
    for (int way = 0; way < 3; ++way) {
      Recorder recorder;
      CsvRowReader reader({"a", "b"}, 2, recorder);
      recorder.reader = &reader;
      Trickle slow(c.input);
      std::istream slowStream(&slow);
      std::istringstream fast(c.input);
      if (way == 0) reader.Read(c.input);
      if (way == 1) reader.Read(fast, "the input", {});
      if (way == 2) reader.Read(slowStream, "the input", {});
      EXPECT_EQ(recorder.lines, c.lines) << c.what << ", way " << way;
    }
  }
}

}  // namespace
}  // namespace kelvra::csv
