// SPDX-License-Identifier: AGPL-3.0-or-later
#include "csv/csv_reader.h"

#include <csv.h>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <istream>

#include "csv/system_reason.h"
#include "csv/utf8.h"
#include "vocabulary/cli_words.h"

namespace kelvra::csv {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// libcsv grows its field buffer by its block size. Between reads the block
// is raised to the buffer's size, so a long field doubles the buffer instead
// of adding a block at a time (which copies quadratically).
constexpr std::size_t kFirstBlock = 4096;

}  // namespace

CsvRowReader::CsvRowReader(std::vector<std::string> columns, std::size_t required, CsvRowHandler& handler)
    : columns_(std::move(columns)),
      required_(required),
      handler_(handler),
      parser_(std::make_unique<csv_parser>()),
      places_(columns_.size(), kAbsent),
      values_(columns_.size()),
      rowValues_(columns_.size()) {}

CsvRowReader::~CsvRowReader() { StopParser(); }

bool CsvRowReader::StartParser() {
  if (csv_init(parser_.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
    Fail(Tr(words::kCliReaderNotStarted));
    return false;
  }
  parserLive_ = true;
  // Blanks are data: names and places are kept exactly as written.
  csv_set_space_func(parser_.get(), [](unsigned char) { return 0; });
  csv_set_blk_size(parser_.get(), kFirstBlock);
  fieldCount_ = 0;
  nextKept_ = 0;
  fieldBreaks_ = 0;
  return true;
}

void CsvRowReader::StopParser() {
  if (parserLive_) csv_free(parser_.get());
  parserLive_ = false;
}

void CsvRowReader::Read(std::istream& in, std::string_view inputName, const std::function<void()>& beforeWaiting) {
  if (!StartParser()) return;
  std::vector<char> buffer(64 * 1024);
  // peek waits for input; readsome then takes only what has arrived, so
  // rows from a slow pipe are told as they come.
  errno = 0;
  for (;;) {
    if (beforeWaiting && in.rdbuf()->in_avail() <= 0) beforeWaiting();
    if (stopped_ || in.peek() == std::char_traits<char>::eof()) break;
    std::streamsize n = in.readsome(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (n <= 0) {
      buffer[0] = static_cast<char>(in.get());
      n = 1;
    }
    Feed(buffer.data(), static_cast<std::size_t>(n));
  }
  if (!stopped_ && in.bad()) Fail(Tr(words::kCliCannotRead, {inputName, SystemReason(errno)}));
  if (!stopped_) Finish();
  StopParser();
}

void CsvRowReader::Read(std::string_view bytes) {
  if (!StartParser()) return;
  Feed(bytes.data(), bytes.size());
  if (!stopped_) Finish();
  StopParser();
}

// Drops a byte order mark in front of the header, even when it arrives in pieces.
void CsvRowReader::Feed(const char* data, std::size_t size) {
  while (bomMatched_ < kBom.size() && !pastBom_ && size > 0) {
    if (*data != kBom[bomMatched_]) {
      pastBom_ = true;
      Parse(kBom.data(), bomMatched_);
      break;
    }
    ++bomMatched_;
    ++data;
    --size;
  }
  if (bomMatched_ == kBom.size()) pastBom_ = true;
  if (size > 0) Parse(data, size);
}

void CsvRowReader::Parse(const char* data, std::size_t size) {
  while (!stopped_ && size > 0) {
    if (skippingRow_) {
      // A malformed record ends at the next line end; a fresh parser starts after it.
      const char* end = std::find_if(data, data + size, [](char c) { return c == '\n' || c == '\r'; });
      if (end == data + size) {
        lastWasCr_ = false;
        return;
      }
      CountLineBreak(*end, end == data);
      size -= static_cast<std::size_t>(end + 1 - data);
      data = end + 1;
      skippingRow_ = false;
      if (!StartParser()) return;
      continue;
    }
    const std::size_t done = ParseLines(data, size);
    if (done == size || stopped_) return;
    if (csv_error(parser_.get()) != CSV_EPARSE) {
      Fail(Tr(words::kCliCsvUnreadable, {csv_strerror(csv_error(parser_.get()))}));
      return;
    }
    // Strict reading stops at the offending byte: a quote inside an unquoted
    // field, or anything but a comma or line end after a closing quote.
    Malformed(Tr(data[done] == '"' ? words::kCliQuoteInsideField : words::kCliTextAfterQuote));
    data += done;
    size -= done;
  }
}

// Hands libcsv one line at a time, so that a row's end is known to lie on
// the line after the breaks counted so far. Gives the bytes it took.
std::size_t CsvRowReader::ParseLines(const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size && !stopped_) {
    const char* start = data + done;
    const char* end = std::find_if(start, data + size, [](char c) { return c == '\n' || c == '\r'; });
    const std::size_t piece = end == data + size ? size - done : static_cast<std::size_t>(end + 1 - start);
    csv_set_blk_size(parser_.get(), std::max(kFirstBlock, csv_get_buffer_size(parser_.get())));
    const std::size_t parsed = csv_parse(parser_.get(), start, piece, OnField, OnRowEnd, this);
    done += parsed;
    if (parsed < piece) return done;
    if (end != data + size) {
      CountLineBreak(*end, piece == 1);
    } else if (piece > 0) {
      lastWasCr_ = false;
    }
  }
  return done;
}

// CR LF is one break: its LF comes alone, straight after the CR.
void CsvRowReader::CountLineBreak(char c, bool alone) {
  if (c == '\r' || !(alone && lastWasCr_)) ++lineBreaks_;
  lastWasCr_ = c == '\r';
}

std::uint64_t CsvRowReader::BreaksIn(std::string_view text) {
  std::uint64_t breaks = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) ++breaks;
  }
  return breaks;
}

void CsvRowReader::Malformed(const std::string& cause) {
  const std::string column = ColumnLabel(fieldCount_);
  // The field cut short may hold quoted line breaks of its own.
  const std::string_view pending(reinterpret_cast<const char*>(parser_->entry_buf),
                                 parser_->entry_buf ? parser_->entry_pos : 0);
  rowLine_ = lineBreaks_ + 1 - std::min(lineBreaks_, fieldBreaks_ + BreaksIn(pending));
  StopParser();
  if (!haveHeader_) {
    Fail(Tr(words::kCliHeaderMalformed, {column, cause}));
    return;
  }
  ++row_;
  handler_.OnMalformedRow(row_, Tr(words::kCliRowMalformed, {column, cause}));
  skippingRow_ = true;
}

void CsvRowReader::Finish() {
  if (!pastBom_) Parse(kBom.data(), bomMatched_);  // a lone partial mark is data
  if (stopped_ || skippingRow_) return;
  if (csv_fini(parser_.get(), OnField, OnRowEnd, this) != 0 && !stopped_) {
    // Only an unterminated quote fails here: it took every later line into one field.
    const std::string column = ColumnLabel(fieldCount_);
    Fail(haveHeader_ ? Tr(words::kCliRowQuoteNeverClosed, {std::to_string(row_ + 1), column})
                     : Tr(words::kCliHeaderQuoteNeverClosed, {column}));
    return;
  }
  if (!stopped_ && !haveHeader_) Fail(Tr(words::kCliNoHeader));
}

void CsvRowReader::Fail(const std::string& message) {
  stopped_ = true;
  handler_.OnFailure(message);
}

// A column as messages name it: its header name where that is plain text,
// else its place ("column 3").
std::string CsvRowReader::ColumnLabel(std::size_t index) const {
  if (index < headerNames_.size()) {
    const std::string& name = headerNames_[index];
    const bool plain = !name.empty() && name.size() <= kLongestColumnName && IsValidUtf8(name) &&
                       std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (plain) return name;
  }
  return Tr(words::kCliColumnAt, {std::to_string(index + 1)});
}

void CsvRowReader::OnField(void* data, std::size_t size, void* self) {
  auto& reader = *static_cast<CsvRowReader*>(self);
  if (reader.stopped_) return;
  const std::string_view field(static_cast<const char*>(data), size);
  reader.fieldBreaks_ += BreaksIn(field);
  if (!reader.haveHeader_) {
    reader.KeepHeaderName(field);
  } else if (reader.nextKept_ < reader.keptByPlace_.size() &&
             reader.keptByPlace_[reader.nextKept_].first == reader.fieldCount_) {
    reader.values_[reader.keptByPlace_[reader.nextKept_++].second].assign(field);
  }
  ++reader.fieldCount_;
}

void CsvRowReader::KeepHeaderName(std::string_view field) {
  if (fieldCount_ == 0 && field.starts_with(kBom)) headerProblem_ = &words::kCliTwoByteOrderMarks;
  if (field.find('\0') != std::string_view::npos ||
      (fieldCount_ == 0 && (field.starts_with("\xFF\xFE") || field.starts_with("\xFE\xFF"))))
    headerProblem_ = &words::kCliLooksLikeUtf16;
  if (fieldCount_ < kNamedColumns) headerNames_.emplace_back(field.substr(0, kLongestColumnName + 1));
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (field != columns_[c]) continue;
    if (places_[c] != kAbsent && duplicate_.empty()) duplicate_ = std::string(field);
    places_[c] = fieldCount_;
  }
}

// Called by the C parser: nothing may be thrown through it.
void CsvRowReader::OnRowEnd(int, void* self) noexcept {
  auto& reader = *static_cast<CsvRowReader*>(self);
  if (reader.stopped_) return;
  reader.rowLine_ = reader.lineBreaks_ + 1 - std::min(reader.lineBreaks_, reader.fieldBreaks_);
  reader.fieldBreaks_ = 0;
  try {
    if (reader.haveHeader_) {
      reader.Row();
    } else {
      reader.Header();
    }
  } catch (const std::exception& e) {
    reader.Fail(Tr(words::kCliInternalErrorBecause, {e.what()}));
  }
  reader.fieldCount_ = 0;
  reader.nextKept_ = 0;
}

void CsvRowReader::Header() {
  haveHeader_ = true;
  if (!duplicate_.empty()) return Fail(Tr(words::kCliDuplicateColumn, {duplicate_}));
  std::string missing;
  for (std::size_t c = 0; c < required_; ++c) {
    if (places_[c] == kAbsent) {
      if (!missing.empty()) missing += Tr(words::kCliColumnSeparator);
      missing += columns_[c];
    }
  }
  if (!missing.empty()) {
    // A wrong encoding hides every column; say so rather than list them all.
    return Fail(headerProblem_ ? Tr(*headerProblem_) : Tr(words::kCliMissingColumns, {missing}));
  }
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (places_[c] != kAbsent) keptByPlace_.push_back({places_[c], c});
  }
  std::sort(keptByPlace_.begin(), keptByPlace_.end());
  handler_.OnHeader();
}

void CsvRowReader::Row() {
  // A row cut short lacks its last values, and a missing column has none: they count as empty.
  for (std::size_t c = 0; c < columns_.size(); ++c)
    rowValues_[c] = places_[c] < fieldCount_ ? std::string_view(values_[c]) : std::string_view();
  handler_.OnRow(++row_, rowValues_);
}

}  // namespace kelvra::csv
