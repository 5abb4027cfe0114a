// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "contracts/entry_form.h"
#include "cosmodynes/verdict.h"

namespace kelvra {

/// What the boxes show before any analysis writes them: their captions.
ResultBoxTexts InitialResultBoxTexts();

/// The boxes after an analysis: the texts the verdict states, the captions
/// where it states none.
ResultBoxTexts ResultBoxTextsOf(const Verdict& verdict);

}  // namespace kelvra
