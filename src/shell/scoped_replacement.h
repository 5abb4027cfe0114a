// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <utility>

namespace kelvra {

/// Puts a stand-in in place of one of the program's replaceable functions (or
/// settings) for as long as it lives, then restores what was there before, so
/// a test that fails halfway cannot leave its stand-in to the next one.
/// `Set` installs a value and returns the one it replaced.
template <typename Value, Value (*Set)(Value)>
class ScopedReplacement {
 public:
  explicit ScopedReplacement(Value replacement) : previous_(Set(std::move(replacement))) {}
  ~ScopedReplacement() { Set(std::move(previous_)); }
  ScopedReplacement(const ScopedReplacement&) = delete;
  ScopedReplacement& operator=(const ScopedReplacement&) = delete;

 private:
  Value previous_;
};

}  // namespace kelvra
