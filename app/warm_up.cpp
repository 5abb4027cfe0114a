// SPDX-License-Identifier: AGPL-3.0-or-later
#include "warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>
#include <QThread>

namespace kelvra {

StartUpWarmer::StartUpWarmer() {
  // Qt takes the first thread that asks for it for the main thread.
  QThread::currentThread();
  thread_ = std::thread([] {
    FcInit();
    // Connects once; Qt hands every later caller this connection.
    QDBusConnection::sessionBus();
  });
}

StartUpWarmer::~StartUpWarmer() { thread_.join(); }

}  // namespace kelvra
