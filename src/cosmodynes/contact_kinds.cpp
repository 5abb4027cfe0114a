// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cosmodynes/contact_kinds.h"

namespace kelvra {

std::string_view AspectKindName(AspectKind aspect) {
  switch (aspect) {
    case AspectKind::None: return "None";
    case AspectKind::Conjunction: return "Conjunction";
    case AspectKind::Sextile: return "Sextile";
    case AspectKind::Square: return "Square";
    case AspectKind::Trine: return "Trine";
    case AspectKind::Opposition: return "Opposition";
    case AspectKind::SemiSextile: return "SemiSextile";
    case AspectKind::SemiSquare: return "SemiSquare";
    case AspectKind::Sesquiquadrate: return "Sesquiquadrate";
    case AspectKind::Quincunx: return "Quincunx";
  }
  return {};
}

std::string_view ContactKindName(ContactKind kind) {
  if (kind == ContactKind::Parallel) return "Parallel";
  return AspectKindName(ToAspectKind(kind));
}

}  // namespace kelvra
