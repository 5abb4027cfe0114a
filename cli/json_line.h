// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

/// Writes one compact JSON text into a string, as kelvra-cli's lines have it:
/// no blanks, strings escaped as RFC 8259 requires (quote, backslash and the
/// control characters below 0x20; \b \t \n \f \r by name, the others as
/// \u00XX with capital hex digits), everything else copied byte for byte, so
/// valid UTF-8 stays as it is. Numbers: integers in decimal, doubles in the
/// shortest form that reads back as the same value, null when not finite.
/// Commas between members and elements are placed by the writer.
class JsonLine {
 public:
  /// Starts a new text; the buffer keeps its capacity from line to line.
  void Clear();
  const std::string& text() const { return text_; }

  void StartObject();
  void EndObject();
  void StartArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view value);
  void Int(std::int64_t value);
  void Uint(std::uint64_t value);
  void Double(double value);
  void Null();
  void Bool(bool value);

  /// Ends the text with a line feed, as a JSON Lines record.
  void EndLine();

  /// Key, then String.
  void KeyString(std::string_view key, std::string_view value) {
    Key(key);
    String(value);
  }
  /// Key, then Double.
  void KeyDouble(std::string_view key, double value) {
    Key(key);
    Double(value);
  }
  /// Key, then Int.
  void KeyInt(std::string_view key, std::int64_t value) {
    Key(key);
    Int(value);
  }

 private:
  void BeforeValue();
  void Quoted(std::string_view text);

  std::string text_;
  std::vector<bool> hasMembers_;  // per open object or array
  bool afterKey_ = false;
};

}  // namespace kelvra::cli
