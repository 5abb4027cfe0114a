// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/lookup_browser.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <utility>

#include "contracts/entry_form.h"
#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "lookup/web_sandbox.h"
#include "modules/module_loader.h"
#include "shell/web_links.h"
#include "vocabulary/lookup_words.h"

// Exported by Qt GUI, declared only in a private header; Qt WebEngine
// declares it the same way.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

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

// Qt WebEngine renders through the global OpenGL share context, which Qt
// makes at start-up only under Qt::AA_ShareOpenGLContexts: that loads the
// OpenGL driver at every start, browser or not, and triples the start-up time
// and memory on a software renderer. The engine, mapped as late as the first
// lookup, needs the context the moment it is loaded, so it is made here.
void ShareOpenGLContextForWebEngine() {
  if (QOpenGLContext::globalShareContext()) return;
  auto* context = new QOpenGLContext;
  context->setFormat(QSurfaceFormat::defaultFormat());
  // Without OpenGL (the offscreen platform, an X server without GLX) the
  // engine renders in software; told so, it does not try the context first.
  if (!context->create()) AddWebEngineSwitch("--disable-gpu");
  qt_gl_set_global_share_context(context);
  qAddPostRoutine([] {
    QOpenGLContext* context = QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
    delete context;
  });
}

// Runs before the module, and with it the engine, is loaded.
void PrepareForWebEngine() {
  ShareOpenGLContextForWebEngine();
  // Qt WebEngine 6.4 reports its graphics set-up at info level on every
  // start, some twenty lines; later versions report it at debug level,
  // which is off unless asked for. The same level here keeps standard error
  // for what goes wrong; QT_LOGGING_RULES still turns it back on.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

QString LookupModuleFailure(const ModuleRequest& request, const LoadedModule& loaded) {
  return QString::fromStdString(ModuleFailure(
      request, loaded,
      {.message = [](const std::string& problems) { return Tr(words::kLookupCannotOpen, {problems}); },
       .notLoadable = [](const std::string& path,
                         const std::string& reason) { return Tr(words::kLookupModuleNotLoadable, {path, reason}); },
       .noEntryPoint = [](const std::string& path) { return Tr(words::kLookupModuleNotOurs, {path}); },
       .notFound = [](const std::string& file,
                      const std::string& folders) { return Tr(words::kLookupModuleNotFound, {file, folders}); },
       .separator = Tr(words::kLookupProblemSeparator),
       .directorySeparator = Tr(words::kLookupFolderSeparator)}));
}

// Resolves the entry point from the first module found; the library stays
// loaded for the rest of the run, as WebEngine cannot be unloaded.
CreateLookupBrowserFunction LoadBrowserModule(QString* failure) {
  if (LoadedFunction()) return LoadedFunction();
  std::vector<std::string> directories;
  for (const QString& directory : LookupModuleDirectories()) directories.push_back(directory.toStdString());
  const ModuleRequest request{std::move(directories), KELVRA_LOOKUP_MODULE_FILE, kCreateLookupBrowserSymbol,
                              RTLD_LAZY | RTLD_LOCAL, PrepareForWebEngine};
  const LoadedModule loaded = LoadModule(request);
  if (auto function = loaded.Entry<CreateLookupBrowserFunction>()) return LoadedFunction() = function;
  if (failure) *failure = LookupModuleFailure(request, loaded);
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
  QStringList directories;
  for (const std::string& directory : DefaultModuleDirectories(true)) directories << QString::fromStdString(directory);
  return directories;
}

QStringList SetLookupModuleDirectories(QStringList directories) {
  return std::exchange(ReplacedDirectories(), std::move(directories));
}

bool LookupModuleLoaded() { return LoadedFunction() != nullptr; }

QWidget* CreateLookupBrowser(WindowDirector& director, QString* failure) {
  const CreateLookupBrowserFunction create = LoadBrowserModule(failure);
  if (!create) return nullptr;
  LookupPlace place;
  if (const EntryForm* form = director.entryForm()) {
    const PersonEntries entries = form->entries(director.entryState().bMaleSearch ? Person::Male : Person::Female);
    place = {entries.city, entries.state, entries.country};
  }
  return create(&place, &CurrentOptions());
}

}  // namespace kelvra
