// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/json_line.h"

#include <charconv>
#include <cmath>

namespace kelvra::cli {

void JsonLine::Clear() {
  text_.clear();
  hasMembers_.clear();
  afterKey_ = false;
}

void JsonLine::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasMembers_.empty()) return;
  if (hasMembers_.back()) text_ += ',';
  hasMembers_.back() = true;
}

void JsonLine::StartObject() {
  BeforeValue();
  text_ += '{';
  hasMembers_.push_back(false);
}

void JsonLine::EndObject() {
  text_ += '}';
  hasMembers_.pop_back();
}

void JsonLine::StartArray() {
  BeforeValue();
  text_ += '[';
  hasMembers_.push_back(false);
}

void JsonLine::EndArray() {
  text_ += ']';
  hasMembers_.pop_back();
}

void JsonLine::Key(std::string_view key) {
  BeforeValue();
  Quoted(key);
  text_ += ':';
  afterKey_ = true;
}

void JsonLine::String(std::string_view value) {
  BeforeValue();
  Quoted(value);
}

void JsonLine::Int(std::int64_t value) {
  BeforeValue();
  char digits[24];
  text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonLine::Uint(std::uint64_t value) {
  BeforeValue();
  char digits[24];
  text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonLine::Double(double value) {
  if (!std::isfinite(value)) return Null();  // JSON has no NaN or infinity
  BeforeValue();
  char digits[32];
  text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void JsonLine::Null() {
  BeforeValue();
  text_ += "null";
}

void JsonLine::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

namespace {

// Bytes that must be escaped: the quote, the backslash and the controls.
constexpr bool NeedsEscape(unsigned char byte) { return byte < 0x20 || byte == '"' || byte == '\\'; }

}  // namespace

void JsonLine::Quoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text_ += '"';
  std::size_t plain = 0;  // start of the run not yet copied
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!NeedsEscape(byte)) continue;
    text_.append(text, plain, i - plain);
    plain = i + 1;
    switch (byte) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\b': text_ += "\\b"; break;
      case '\t': text_ += "\\t"; break;
      case '\n': text_ += "\\n"; break;
      case '\f': text_ += "\\f"; break;
      case '\r': text_ += "\\r"; break;
      default:
        text_ += "\\u00";
        text_ += kHex[byte >> 4];
        text_ += kHex[byte & 0xF];
    }
  }
  text_.append(text, plain);
  text_ += '"';
}

void JsonLine::EndLine() { text_ += '\n'; }

}  // namespace kelvra::cli
