// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

#include "cosmodynes/verdict.h"

namespace kelvra {

/// Texts of the entry form's five result boxes.
struct ResultBoxTexts {
  std::string power;       ///< txtPower
  std::string harmony;     ///< txtHarmony
  std::string ph;          ///< txtPH
  std::string percentage;  ///< txtPHPercentage
  std::string comment;     ///< txtComment
  bool operator==(const ResultBoxTexts&) const = default;
};

/// What the boxes show before any analysis writes them: their captions.
ResultBoxTexts InitialResultBoxTexts();

/// The boxes after an analysis: the texts the verdict states, the captions
/// where it states none.
ResultBoxTexts ResultBoxTextsOf(const Verdict& verdict);

}  // namespace kelvra
