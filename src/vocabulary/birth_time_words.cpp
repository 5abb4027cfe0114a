// SPDX-License-Identifier: AGPL-3.0-or-later
#include "vocabulary/birth_time_words.h"
