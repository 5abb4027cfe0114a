// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/cli_words.h"
