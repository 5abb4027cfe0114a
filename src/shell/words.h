// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <initializer_list>
#include <string_view>

#include "vocabulary/text.h"

namespace kelvra {

/// A vocabulary template as the windows show it.
inline QString Text(const Template& text) { return QString::fromStdString(Tr(text)); }

/// A vocabulary template with %1, %2, ... filled by `args`.
inline QString Text(const Template& text, std::initializer_list<std::string_view> args) {
  return QString::fromStdString(Tr(text, args));
}

/// A counting template for `n`, with %1, %2, ... filled by `args`.
inline QString Text(const PluralTemplate& text, long long n, std::initializer_list<std::string_view> args = {}) {
  return QString::fromStdString(TrN(text, n, args));
}

}  // namespace kelvra
