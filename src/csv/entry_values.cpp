// SPDX-License-Identifier: AGPL-3.0-or-later
#include "csv/entry_values.h"

#include <charconv>
#include <system_error>

namespace kelvra::csv {

namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// True for the short or long spelling, in any case.
bool IsDirection(std::string_view text, std::string_view shortName, std::string_view longName) {
  return EqualsIgnoringCase(text, shortName) || EqualsIgnoringCase(text, longName);
}

}  // namespace

std::optional<std::int32_t> WholeNumberIn(std::string_view text, std::int32_t low, std::int32_t high) {
  if (!AllDigits(text)) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < static_cast<std::uint32_t>(low) || value > static_cast<std::uint32_t>(high)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> CoordinatePart(std::string_view text) {
  if (text.size() > 3) return std::nullopt;
  return WholeNumberIn(text, 0, 999);
}

std::optional<char> LatitudeDirection(std::string_view text) {
  if (IsDirection(text, "N", "North")) return 'N';
  if (IsDirection(text, "S", "South")) return 'S';
  return std::nullopt;
}

std::optional<char> LongitudeDirection(std::string_view text) {
  if (IsDirection(text, "E", "East")) return 'E';
  if (IsDirection(text, "W", "West")) return 'W';
  return std::nullopt;
}

}  // namespace kelvra::csv
