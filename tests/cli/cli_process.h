// SPDX-License-Identifier: AGPL-3.0-or-later
// What the tests that run the kelvra-cli binary share: a folder of their own
// (the tests may run side by side) and the outcome of one run.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvra::testing {

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Outcome {
  int code;
  std::string out, err;
};

/// A fresh folder per test, `dir_` ending in "/", removed afterwards.
class CliFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "kelvra_cli_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern + "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string dir_;
};

}  // namespace kelvra::testing
