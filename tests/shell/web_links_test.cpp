// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/web_links.h"

#include <gtest/gtest.h>

#include "window_test_tools.h"

namespace kelvra {
namespace {

TEST(WebLinks, EachActionOpensExactlyItsPage) {
  const struct {
    void (*action)();
    const char* address;
  } links[] = {
      {OpenHomePage, "https://www.kelvra.example"},
      {OpenOnlineHelp, "https://www.kelvra.example/kelvra/kelvra-help.html"},
      {OpenUpdatePage, "https://www.kelvra.example/kelvra/download-kelvra.html"},
      {OpenDonatePage, "https://www.kelvra.example/donate.html"},
      {OpenCoBrandPage, "https://www.kelvra.example/co-brand.html"},
  };
  for (const auto& link : links) {
    testing::UrlRecorder recorder;
    link.action();
    link.action();  // no state: a second call opens the page again
    EXPECT_EQ(recorder.urls, QList<QUrl>(2, QUrl(QString::fromLatin1(link.address)))) << link.address;
  }
}

}  // namespace
}  // namespace kelvra
