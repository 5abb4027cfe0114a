// SPDX-License-Identifier: AGPL-3.0-or-later
// Stands in for the lookup loader so the start-up benchmark can build kelvra
// as it would be without a lookup module at all.
#include <QString>

#include "lookup/lookup_browser.h"
#include "lookup/web_sandbox.h"

namespace kelvra {

QWidget* CreateLookupBrowser(WindowDirector&, QString* failure) {
  if (failure) *failure = QStringLiteral("not built");
  return nullptr;
}

void DisableWebSandboxForRoot() {}

}  // namespace kelvra
