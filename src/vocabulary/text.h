// SPDX-License-Identifier: AGPL-3.0-or-later
// Every word Kelvra shows is a template of this library: whole sentences with
// numbered placeholders, each with the context a translator sees. lupdate
// finds them through two aliases:
//   lupdate -tr-function-alias QT_TRANSLATE_NOOP+=KELVRA_TR,QT_TRANSLATE_N_NOOP3+=KELVRA_TR_N
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvra {

/// A text in English and its translation context. `text` may hold the
/// placeholders %1 to %9, filled after the text has been looked up.
struct Template {
  const char* context;
  const char* text;
};

/// A text that counts something: `text` is the English form for every count
/// but one, `one` the form for one; %n stands for the count. Translators get
/// `text` with the plural forms of their language (`one` is their note).
struct PluralTemplate {
  const char* context;
  const char* text;
  const char* one;
};

}  // namespace kelvra

/// Marks a template for lupdate; read as QT_TRANSLATE_NOOP(context, text).
#define KELVRA_TR(context, text) (::kelvra::Template{context, text})
/// Marks a counting template; read as QT_TRANSLATE_N_NOOP3(context, text, one).
#define KELVRA_TR_N(context, text, one) (::kelvra::PluralTemplate{context, text, one})

namespace kelvra {

/// Finds the translation of a text: (context, text, disambiguation, count),
/// with count -1 for a text that counts nothing. Gives the text to show.
using TextLookup = std::string (*)(const char* context, const char* text, const char* disambiguation, int n);

/// Installs the lookup every later Tr and TrN uses (nullptr: the English
/// templates themselves) and returns the one before. Meant for start-up,
/// before any thread reads a text.
TextLookup SetTextLookup(TextLookup lookup);

/// The template's text, as the lookup gives it.
std::string Tr(const Template& text);
/// The template's text with %1, %2, ... replaced by `args` in order.
std::string Tr(const Template& text, std::initializer_list<std::string_view> args);
/// The form for `n`, with %n replaced by n and then %1, %2, ... by `args`.
std::string TrN(const PluralTemplate& text, long long n, std::initializer_list<std::string_view> args = {});

/// `text` with each %1 to %9 replaced by the argument of that number, in one
/// pass (what an argument contains is never replaced in turn); a placeholder
/// without an argument, and every other %, stays as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace kelvra
