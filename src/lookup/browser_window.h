// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>

#include "lookup/lookup_module.h"

class QAction;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QWebEngineProfile;
class QWebEngineView;

namespace kelvra {

class LinkLabel;

/// The lookup browser: on opening it searches the web for the birthplace that
/// the entry form's bMaleSearch names, then lets the user browse the results.
/// A modeless top-level window that deletes itself when closed.
class frmBrowser : public QWidget {
  Q_OBJECT

 public:
  frmBrowser(WindowDirector& director, LookupBrowserOptions options, QWidget* parent = nullptr);
  ~frmBrowser() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void handleLoadStarted();
  void handleLoadFinished();
  void handleAddressActivated();
  void handleToolbarAction(QAction* action);
  void handleTimerTick();

 private:
  void createToolBar();
  void createAddressBar();
  void createView();
  void navigate(const QUrl& url);
  bool isBusy() const;
  QString locationName() const;

  const LookupBrowserOptions options;
  const QString searchPageHtml;  // the page written into the blank start page
  QString strSearchQuery;
  bool bSearchStarted = false;
  bool bSuppressNavigate = false;
  // Busy as the user sees it: from asking for a page until its load ends,
  // including the moment before the engine reports the load as started.
  bool navigationRequested = false;
  bool loading = false;

  QWebEngineProfile* profile = nullptr;
  QToolBar* tbToolBar = nullptr;
  QWidget* Picture1 = nullptr;
  LinkLabel* Label61 = nullptr;
  QLabel* Label1 = nullptr;
  QWidget* picAddress = nullptr;
  QLabel* lblAddress = nullptr;
  QComboBox* cboAddress = nullptr;
  QWebEngineView* brwWebBrowser = nullptr;
  QTimer* timTimer = nullptr;
};

}  // namespace kelvra
