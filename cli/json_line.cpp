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

void JsonLine::Quoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  text_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': text_ += "\\\""; continue;
      case '\\': text_ += "\\\\"; continue;
      case '\b': text_ += "\\b"; continue;
      case '\t': text_ += "\\t"; continue;
      case '\n': text_ += "\\n"; continue;
      case '\f': text_ += "\\f"; continue;
      case '\r': text_ += "\\r"; continue;
      default: break;
    }
    if (byte < 0x20) {
      text_ += "\\u00";
      text_ += kHex[byte >> 4];
      text_ += kHex[byte & 0xF];
    } else {
      text_ += c;
    }
  }
  text_ += '"';
}

}  // namespace kelvra::cli
