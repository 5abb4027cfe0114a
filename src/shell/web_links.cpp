// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/web_links.h"

#include <QDesktopServices>

namespace kelvra {

namespace {

constexpr const char* kSiteAddress = "https://www.kelvra.example";

void Open(WebPage page) { QDesktopServices::openUrl(WebPageUrl(page)); }

}  // namespace

QString SiteAddress() { return QString::fromLatin1(kSiteAddress); }

QString SiteHost() { return QUrl(SiteAddress()).host(); }

QUrl WebPageUrl(WebPage page) {
  const char* path = "";
  switch (page) {
    case WebPage::Home: path = ""; break;
    case WebPage::OnlineHelp: path = "/kelvra/kelvra-help.html"; break;
    case WebPage::Update: path = "/kelvra/download-kelvra.html"; break;
    case WebPage::Donate: path = "/donate.html"; break;
    case WebPage::CoBrand: path = "/co-brand.html"; break;
  }
  return QUrl(SiteAddress() + QString::fromLatin1(path));
}

void OpenHomePage() { Open(WebPage::Home); }
void OpenOnlineHelp() { Open(WebPage::OnlineHelp); }
void OpenUpdatePage() { Open(WebPage::Update); }
void OpenDonatePage() { Open(WebPage::Donate); }
void OpenCoBrandPage() { Open(WebPage::CoBrand); }

}  // namespace kelvra
