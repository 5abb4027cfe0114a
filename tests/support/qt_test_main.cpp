// SPDX-License-Identifier: AGPL-3.0-or-later
// GoogleTest main for tests that need a QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Whether one of Qt's pooled threads, which painting runs on, is still there.
bool PooledThreadLeft() {
  std::error_code ec;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    if (name == "Thread (pooled)") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Widget tests never need a screen; test discovery at build time runs
  // without the test environment, so default to offscreen here too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int result = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  // The application ends its painting threads but does not wait for them to
  // be gone. One still on its way out when the program exits holds its
  // thread data, which the sanitizer build's leak check then reports as
  // leaked; so wait until they have left (at most a second, for a thread
  // that never does).
  for (int i = 0; i < 1000 && PooledThreadLeft(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return result;
}
