// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

namespace kelvra::testing {

/// The entry form's controls that the report and the return to an empty form
/// use, as plain named children: text boxes, lists holding the form's items,
/// direction options in exclusive pairs, and the 32 chart boxes.
std::unique_ptr<QWidget> MakeFakeEntryForm();

/// Names of one person's text entries, lists, direction options and chart
/// boxes ('M' or 'F').
QStringList TextEntryNames(QChar person);
QStringList ListNames(QChar person);
QStringList OptionNames(QChar person);
QStringList ChartBoxNames(QChar person);

/// Fills every entry with a value unlike its start-up one: each text box
/// with its own name, each list on its last item, one option of each pair chosen.
void FillEveryEntry(QWidget& form);

}  // namespace kelvra::testing
