// SPDX-License-Identifier: AGPL-3.0-or-later
#include <glib.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "atlas/atlas.h"

namespace kelvra {

namespace {

using OwnedText = std::unique_ptr<gchar, decltype(&g_free)>;

// Dropped rather than made a space, so "Cox's" matches "Cox’s" and "Yan’an" matches "Yanan".
bool IsApostrophe(gunichar c) {
  return c == '\'' || c == '`' || c == 0x2018 || c == 0x2019 || c == 0x02BC || c == 0x02BB || c == 0x00B4;
}

void AppendUtf8(std::string& out, gunichar c) {
  char buffer[6];
  out.append(buffer, static_cast<std::size_t>(g_unichar_to_utf8(c, buffer)));
}

// Latin letters with no decomposition to strip, as people type them on an
// English keyboard ("Tromso", "Lodz"). Other scripts stay, lower-cased.
void AppendFoldedLetter(std::string& out, gunichar c) {
  c = g_unichar_tolower(c);
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  switch (c) {
    case 0x00DF: out += "ss"; return;  // ß
    case 0x00E6: out += "ae"; return;  // æ
    case 0x0153: out += "oe"; return;  // œ
    case 0x00FE: out += "th"; return;  // þ
    case 0x00F8: out += 'o'; return;   // ø
    case 0x00F0:                       // ð
    case 0x0111: out += 'd'; return;   // đ
    case 0x0127: out += 'h'; return;   // ħ
    case 0x0131: out += 'i'; return;   // ı
    case 0x0142: out += 'l'; return;   // ł
    case 0x014B: out += 'n'; return;   // ŋ
    case 0x0167: out += 't'; return;   // ŧ
    case 0x01DD:                       // ǝ
    case 0x0259: out += 'e'; return;   // ə
    default: AppendUtf8(out, c);
  }
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  // Most names are plain ASCII, which is already valid and decomposed: the
  // index folds some 24,000 of them at start.
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
  OwnedText decomposed(nullptr, &g_free);
  if (!ascii) {
    const OwnedText valid(g_utf8_make_valid(utf8.data(), static_cast<gssize>(utf8.size())), &g_free);
    // Compatibility decomposition: accents become separate marks, ligatures and
    // full-width forms plain letters.
    decomposed.reset(g_utf8_normalize(valid.get(), -1, G_NORMALIZE_ALL));
    utf8 = decomposed ? std::string_view(decomposed.get()) : std::string_view();
  }
  std::string out;
  bool gap = false;
  for (const gchar *p = utf8.data(), *end = p + utf8.size(); p < end; p = g_utf8_next_char(p)) {
    const gunichar c = g_utf8_get_char(p);
    if (g_unichar_ismark(c) || IsApostrophe(c)) continue;
    if (!g_unichar_isalnum(c)) {
      gap = !out.empty();
      continue;
    }
    if (gap) out += ' ';
    gap = false;
    AppendFoldedLetter(out, c);
  }
  return out;
}

double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2) {
  constexpr double kEarthRadiusKm = 6371.0088;  // IUGG mean radius
  constexpr double kRadians = std::numbers::pi / 180;
  const double phi1 = latitude1 * kRadians, phi2 = latitude2 * kRadians;
  const double sinHalfPhi = std::sin((phi2 - phi1) / 2);
  const double sinHalfLambda = std::sin((longitude2 - longitude1) * kRadians / 2);
  // Haversine: well conditioned for the short distances that matter here.
  const double h = sinHalfPhi * sinHalfPhi + std::cos(phi1) * std::cos(phi2) * sinHalfLambda * sinHalfLambda;
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, h)));
}

}  // namespace kelvra
