// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "vocabulary/text.h"

namespace kelvra::words {}  // namespace kelvra::words
