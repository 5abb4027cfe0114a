// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/return_to_entry.h"

#include "contracts/entry_form.h"
#include "contracts/window_director.h"

namespace kelvra {

void ReturnToEmptyEntryForm(WindowDirector& director) {
  director.closeResultsWindow();
  EntryForm& form = director.showEntryForm();
  form.emptyEntries();
  form.focusEntry(Person::Male, EntryField::Name);
}

}  // namespace kelvra
