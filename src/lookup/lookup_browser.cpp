// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/lookup_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <utility>

#include "contracts/entry_form.h"
#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "shell/web_links.h"

namespace kelvra {

namespace {

LookupBrowserOptions& CurrentOptions() {
  static LookupBrowserOptions options = DefaultLookupBrowserOptions();
  return options;
}

QStringList& ReplacedDirectories() {
  static QStringList directories;
  return directories;
}

CreateLookupBrowserFunction& LoadedFunction() {
  static CreateLookupBrowserFunction function = nullptr;
  return function;
}

// Resolves the entry point from the first module found; the library stays
// loaded for the rest of the run, as WebEngine cannot be unloaded.
CreateLookupBrowserFunction LoadModule(QString* failure) {
  if (LoadedFunction()) return LoadedFunction();
  const QString fileName = QStringLiteral(KELVRA_LOOKUP_MODULE_FILE);
  const QStringList directories = LookupModuleDirectories();
  QStringList problems;
  for (const QString& directory : directories) {
    const QString path = QDir(directory).filePath(fileName);
    if (!QFileInfo::exists(path)) continue;
    QLibrary library(path);
    if (!library.load()) {
      problems << library.errorString();
      continue;
    }
    auto function = reinterpret_cast<CreateLookupBrowserFunction>(library.resolve(kCreateLookupBrowserSymbol));
    if (function) return LoadedFunction() = function;
    problems << QStringLiteral("%1 is not a lookup browser module of this Kelvra version.").arg(path);
  }
  if (failure) {
    if (problems.isEmpty())
      problems << QStringLiteral("Its module %1 was not found in %2.").arg(fileName, directories.join(QStringLiteral(", ")));
    *failure = QStringLiteral("The lookup browser cannot be opened. ") + problems.join(QLatin1Char(' '));
  }
  return nullptr;
}

}  // namespace

LookupBrowserOptions DefaultLookupBrowserOptions() {
  LookupBrowserOptions options;
  options.homePage = WebPageUrl(WebPage::Home);
  options.openHomePage = OpenHomePage;
  return options;
}

LookupBrowserOptions SetLookupBrowserOptions(LookupBrowserOptions options) {
  LookupBrowserOptions previous = std::move(CurrentOptions());
  CurrentOptions() = std::move(options);
  return previous;
}

QStringList LookupModuleDirectories() {
  if (!ReplacedDirectories().isEmpty()) return ReplacedDirectories();
  const QString programDirectory = QCoreApplication::applicationDirPath();
  return {programDirectory,
          QDir::cleanPath(programDirectory + QStringLiteral("/" KELVRA_LOOKUP_INSTALLED_MODULE_DIR)),
          QStringLiteral(KELVRA_LOOKUP_BUILD_MODULE_DIR)};
}

QStringList SetLookupModuleDirectories(QStringList directories) {
  return std::exchange(ReplacedDirectories(), std::move(directories));
}

bool LookupModuleLoaded() { return LoadedFunction() != nullptr; }

QWidget* CreateLookupBrowser(WindowDirector& director, QString* failure) {
  const CreateLookupBrowserFunction create = LoadModule(failure);
  if (!create) return nullptr;
  LookupPlace place;
  if (const EntryForm* form = director.entryForm()) {
    const PersonEntries entries = form->entries(director.entryState().bMaleSearch ? Person::Male : Person::Female);
    place = {entries.city, entries.state, entries.country};
  }
  return create(&place, &CurrentOptions());
}

}  // namespace kelvra
