// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vocabulary/text.h"

struct csv_parser;  // libcsv's, kept out of this header

namespace kelvra::csv {

/// What a CsvRowReader tells as it reads, in input order. Called from inside
/// the C parser: nothing may be thrown through these.
class CsvRowHandler {
 public:
  /// The header holds every required column once.
  virtual void OnHeader() noexcept = 0;
  /// Data row `row` (from 1): the kept columns' values, in the order the
  /// reader was given them; empty where a row ends before a column or an
  /// optional column is missing. Valid during the call only.
  virtual void OnRow(std::uint64_t row, const std::vector<std::string_view>& values) noexcept = 0;
  /// Data row `row` is not well-formed CSV ("COLUMN: malformed CSV, ...");
  /// reading goes on after its line end.
  virtual void OnMalformedRow(std::uint64_t row, const std::string& problem) noexcept = 0;
  /// The input cannot be read on; nothing more is told.
  virtual void OnFailure(const std::string& message) noexcept = 0;

 protected:
  ~CsvRowHandler() = default;
};

/// Reads CSV (RFC 4180, UTF-8) with a header row: drops a byte order mark in
/// front of it, finds the wanted columns by their header names, and keeps
/// only their values of each row, so a row of millions of other fields costs
/// no memory to speak of. A malformed record is skipped to its line end; a
/// quote never closed stops the reading.
class CsvRowReader {
 public:
  /// `columns` are the header names to keep; the first `required` of them
  /// must each appear, the others may.
  CsvRowReader(std::vector<std::string> columns, std::size_t required, CsvRowHandler& handler);
  ~CsvRowReader();
  CsvRowReader(const CsvRowReader&) = delete;
  CsvRowReader& operator=(const CsvRowReader&) = delete;

  /// Reads `in` to its end, or until Stop. `beforeWaiting`, when set, is
  /// called before every read that may have to wait for more input.
  /// `inputName` names the input in the message of a failed read.
  void Read(std::istream& in, std::string_view inputName, const std::function<void()>& beforeWaiting);

  /// Reads `bytes`, a whole input, to their end, or until Stop.
  void Read(std::string_view bytes);

  /// The line (from 1, the header's) where the row being told begins: valid
  /// during OnRow and OnMalformedRow. Line breaks are CR LF, LF or CR.
  std::uint64_t RowLine() const { return rowLine_; }

  /// Reads no further: told by the handler when the run cannot go on.
  void Stop() { stopped_ = true; }

  /// Header names are kept for messages for this many columns, this long.
  static constexpr std::size_t kNamedColumns = 1024;
  static constexpr std::size_t kLongestColumnName = 64;

 private:
  bool StartParser();
  void StopParser();
  void Feed(const char* data, std::size_t size);
  std::size_t ParseLines(const char* data, std::size_t size);
  void CountLineBreak(char c, bool alone);
  static std::uint64_t BreaksIn(std::string_view text);
  void Parse(const char* data, std::size_t size);
  void Finish();
  void Malformed(const std::string& cause);
  void Fail(const std::string& message);
  std::string ColumnLabel(std::size_t index) const;
  void KeepHeaderName(std::string_view field);
  void Header();
  void Row();
  static void OnField(void* data, std::size_t size, void* self);
  static void OnRowEnd(int, void* self) noexcept;

  static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

  const std::vector<std::string> columns_;
  const std::size_t required_;
  CsvRowHandler& handler_;

  std::unique_ptr<csv_parser> parser_;
  bool parserLive_ = false;
  bool skippingRow_ = false;
  std::size_t bomMatched_ = 0;
  bool pastBom_ = false;
  bool haveHeader_ = false;
  bool stopped_ = false;
  std::uint64_t row_ = 0;

  // Lines: the breaks handed to the parser so far, and those inside the
  // current row's quoted fields, which its end line counts too.
  std::uint64_t lineBreaks_ = 0;
  bool lastWasCr_ = false;
  std::uint64_t fieldBreaks_ = 0;
  std::uint64_t rowLine_ = 0;

  // The header: where each wanted column stands, a name per column for
  // messages, and what made it unreadable.
  std::vector<std::size_t> places_;
  std::vector<std::string> headerNames_;
  std::string duplicate_;
  const Template* headerProblem_ = nullptr;

  // The current row: the wanted columns' values, reused from row to row.
  std::vector<std::pair<std::size_t, std::size_t>> keptByPlace_;  // (place, column), present columns only
  std::size_t nextKept_ = 0;
  std::vector<std::string> values_;
  std::vector<std::string_view> rowValues_;
  std::size_t fieldCount_ = 0;
};

}  // namespace kelvra::csv
