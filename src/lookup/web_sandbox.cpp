// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/web_sandbox.h"

#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace kelvra {

namespace {

constexpr char kChromiumFlags[] = "QTWEBENGINE_CHROMIUM_FLAGS";

}  // namespace

void DisableWebSandboxForRoot() {
  // The switch rather than QTWEBENGINE_DISABLE_SANDBOX, which has the engine
  // report on standard error that the user turned the sandbox off.
  if (geteuid() == 0) AddWebEngineSwitch("--no-sandbox");
}

void AddWebEngineSwitch(const char* name) {
  QByteArray flags = qgetenv(kChromiumFlags);
  if (flags.split(' ').contains(name)) return;
  if (!flags.isEmpty()) flags += ' ';
  qputenv(kChromiumFlags, flags + name);
}

}  // namespace kelvra
