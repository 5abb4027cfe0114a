// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "lookup/lookup_module.h"
#include "shell/scoped_replacement.h"

class QWidget;

namespace kelvra {

class WindowDirector;

/// Creates the lookup browser frmBrowser for the birthplace that
/// director.entryState().bMaleSearch names; loads the browser module on first
/// use. The window is top-level, modeless, not yet shown, and deletes itself
/// when closed; it has already been given the birthplace as the open entry
/// form holds it (empty without one) and started the search. Returns nullptr when the module cannot be loaded,
/// with a message for the user in *failure.
QWidget* CreateLookupBrowser(WindowDirector& director, QString* failure = nullptr);

/// The options every following CreateLookupBrowser passes to the window
/// (tests point the search at a loopback server); returns the previous ones.
LookupBrowserOptions SetLookupBrowserOptions(LookupBrowserOptions options);
LookupBrowserOptions DefaultLookupBrowserOptions();

/// SetLookupBrowserOptions for the guard's lifetime.
using ScopedLookupBrowserOptions = ScopedReplacement<LookupBrowserOptions, &SetLookupBrowserOptions>;

/// Where the browser module is looked for, in order: next to the running
/// program, where the installation puts it relative to the program (the
/// library directory's kelvra folder), then in the build tree's module
/// directory. SetLookupModuleDirectories replaces that list (an empty list
/// restores it) and returns the previous replacement.
QStringList LookupModuleDirectories();
QStringList SetLookupModuleDirectories(QStringList directories);

/// SetLookupModuleDirectories for the guard's lifetime.
using ScopedLookupModuleDirectories = ScopedReplacement<QStringList, &SetLookupModuleDirectories>;

/// Whether the browser module has been loaded into this process.
bool LookupModuleLoaded();

}  // namespace kelvra
