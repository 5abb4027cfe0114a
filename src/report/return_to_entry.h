// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

namespace kelvra {

class WindowDirector;

/// Leaves the results for an entry form with every entry emptied: closes the
/// results window (and the report with it), shows the entry form, empties
/// both persons' entries and puts the focus on the male name.
void ReturnToEmptyEntryForm(WindowDirector& director);

}  // namespace kelvra
