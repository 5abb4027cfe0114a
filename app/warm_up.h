// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <thread>

namespace kelvra {

/// Does two slow pieces of start-up on a second core while the main thread
/// connects to the display and builds the entry form: reading fontconfig's
/// configuration and font list, and connecting to the session bus, which
/// Qt's accessibility layer does when the first label is made. Both are
/// shared, locked caches; done here first, the main thread finds them ready
/// instead of waiting for them.
class StartUpWarmer {
 public:
  /// Construct it first thing in main, before QApplication.
  StartUpWarmer();
  ~StartUpWarmer();
  StartUpWarmer(const StartUpWarmer&) = delete;
  StartUpWarmer& operator=(const StartUpWarmer&) = delete;

 private:
  std::thread thread_;
};

}  // namespace kelvra
