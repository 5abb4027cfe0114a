// SPDX-License-Identifier: AGPL-3.0-or-later
// kelvra-cli --people: an import into, an export of or a listing of a
// people library.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/options.h"
#include "people/records.h"

namespace kelvra::cli {

/// The tz database rules through the birth time code, for the formats.
people::ZoneRules SystemZoneRules();

/// Does what `people` asks. `err` gets one line per refused or skipped
/// record ("FILE:LINE: record N: reason"), or, when the run cannot happen,
/// one "kelvra-cli: ..." line. `out` gets the listing's CSV for --list, and
/// for an import or export what the formats remarked or substituted and a
/// count. Returns kExitOk, kExitRowRefused (something refused) or
/// kExitFailure (nothing was done). `version` goes into an AAF export.
int RunPeople(const CommandLine::People& people, std::string_view version, std::ostream& out, std::ostream& err);

}  // namespace kelvra::cli
