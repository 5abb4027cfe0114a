// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/text.h"

#include <atomic>

namespace kelvra {

namespace {

std::atomic<TextLookup> g_lookup{nullptr};

std::string LookUp(const char* context, const char* text, const char* disambiguation, int n) {
  const TextLookup lookup = g_lookup.load(std::memory_order_acquire);
  return lookup ? lookup(context, text, disambiguation, n) : std::string(text);
}

}  // namespace

TextLookup SetTextLookup(TextLookup lookup) { return g_lookup.exchange(lookup, std::memory_order_acq_rel); }

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto k = static_cast<std::size_t>(text[i + 1] - '1');
      if (k < args.size()) {
        filled.append(args.begin()[k]);
        ++i;
        continue;
      }
    }
    filled += c;
  }
  return filled;
}

std::string Tr(const Template& text) { return LookUp(text.context, text.text, nullptr, -1); }

std::string Tr(const Template& text, std::initializer_list<std::string_view> args) { return Fill(Tr(text), args); }

std::string TrN(const PluralTemplate& text, long long n, std::initializer_list<std::string_view> args) {
  const TextLookup lookup = g_lookup.load(std::memory_order_acquire);
  const int count = n > 2147483647LL ? 2147483647 : n < -2147483647LL ? -2147483647 : static_cast<int>(n);
  std::string form = lookup ? lookup(text.context, text.text, text.one, count) : std::string(n == 1 ? text.one : text.text);
  const std::string number = std::to_string(n);
  std::string counted;
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '%' && i + 1 < form.size() && form[i + 1] == 'n') {
      counted += number;
      ++i;
    } else {
      counted += form[i];
    }
  }
  return Fill(counted, args);
}

}  // namespace kelvra
