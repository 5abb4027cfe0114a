// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace kelvra {

/// The maker's web site; every page below lives on it.
QString SiteAddress();
/// The site's host name, for texts that name the site.
QString SiteHost();

enum class WebPage { Home, OnlineHelp, Update, Donate, CoBrand };

/// The address of one page of the site.
QUrl WebPageUrl(WebPage page);

// Each hands its page to the desktop's default browser and returns at once;
// whether the page opens is not reported, by design.
void OpenHomePage();
void OpenOnlineHelp();
void OpenUpdatePage();
void OpenDonatePage();
void OpenCoBrandPage();

}  // namespace kelvra
