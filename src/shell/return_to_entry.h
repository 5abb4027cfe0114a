// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

class QWidget;

namespace kelvra {

class WindowDirector;

/// Leaves the results for an entry form with every entry emptied: closes the
/// results window (and the report with it), shows the entry form, empties
/// both persons' entries and puts the focus on the male name.
void ReturnToEmptyEntryForm(WindowDirector& director);

/// Empties the entry form's entries, found by objectName: names, places,
/// latitudes and longitudes to empty text, date and time lists to their first
/// entry, direction options unselected. Chart and result boxes stay as they
/// are. Controls the form lacks are skipped.
void EmptyEntryFields(QWidget& form);

}  // namespace kelvra
