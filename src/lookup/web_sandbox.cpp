// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/web_sandbox.h"

#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>

namespace kelvra {

void DisableWebSandboxForRoot() {
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace kelvra
