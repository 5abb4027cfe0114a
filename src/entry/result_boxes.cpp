// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/result_boxes.h"

#include "vocabulary/entry_words.h"

namespace kelvra {

ResultBoxTexts InitialResultBoxTexts() {
  return {Tr(words::kInitialPower), Tr(words::kInitialHarmony), Tr(words::kInitialPh), Tr(words::kInitialPercentage),
          Tr(words::kInitialComment)};
}

ResultBoxTexts ResultBoxTextsOf(const Verdict& verdict) {
  ResultBoxTexts texts = InitialResultBoxTexts();
  if (verdict.powerText) texts.power = *verdict.powerText;
  if (verdict.harmonyText) texts.harmony = *verdict.harmonyText;
  if (verdict.phText) texts.ph = *verdict.phText;
  if (verdict.percentageText) texts.percentage = *verdict.percentageText;
  if (verdict.commentText) texts.comment = *verdict.commentText;
  return texts;
}

}  // namespace kelvra
