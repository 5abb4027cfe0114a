// SPDX-License-Identifier: AGPL-3.0-or-later
// The browser module's one entry point; see lookup_module.h.
#include <QtGlobal>

#include "lookup/browser_window.h"

namespace QtWebEngineCore {
// Exported by Qt WebEngine Core; its declaration sits in a private header
// that distributions do not ship.
Q_DECL_IMPORT void initialize();
}  // namespace QtWebEngineCore

extern "C" Q_DECL_EXPORT QWidget* kelvra_create_lookup_browser_v2(const kelvra::LookupPlace* place,
                                                                 const kelvra::LookupBrowserOptions* options) {
  // WebEngine needs a global OpenGL share context, which it creates itself
  // only when it is linked before the QApplication exists; loaded later, as
  // here, the first page load crashes without one. main does not set
  // Qt::AA_ShareOpenGLContexts because that costs memory at every start,
  // browser or not, so the context is made here, once, on the first lookup.
  static const bool initialized = [] {
    QtWebEngineCore::initialize();
    return true;
  }();
  Q_UNUSED(initialized)
  return new kelvra::frmBrowser(*place, *options);
}
