// SPDX-License-Identifier: AGPL-3.0-or-later
// The browser module's one entry point; see lookup_module.h. The loader has
// made the OpenGL share context the engine needs before mapping the module.
#include <QtGlobal>

#include "lookup/browser_window.h"

extern "C" Q_DECL_EXPORT QWidget* kelvra_create_lookup_browser_v2(const kelvra::LookupPlace* place,
                                                                 const kelvra::LookupBrowserOptions* options) {
  return new kelvra::frmBrowser(*place, *options);
}
