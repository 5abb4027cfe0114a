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

/// The lookup browser: on opening it searches the web for the birthplace it
/// is given, then lets the user browse the results. A modeless top-level
/// window that deletes itself when closed.
class frmBrowser : public QWidget {
  Q_OBJECT

 public:
  frmBrowser(const LookupPlace& place, LookupBrowserOptions options, QWidget* parent = nullptr);
  ~frmBrowser() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void handleLoadStarted();
  void handleLoadFinished(bool ok);
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

  const LookupBrowserOptions options_;
  const QString searchPageHtml_;  // the page written into the blank start page
  QString strSearchQuery_;
  bool bSearchStarted_ = false;
  bool bSuppressNavigate_ = false;
  // Busy as the user sees it: from asking for a page until its load ends,
  // including the moment before the engine reports the load as started.
  bool navigationRequested_ = false;
  bool loading_ = false;
  bool stoppedByUser_ = false;  // the load now ending was stopped with Stop
  bool showingOffline_ = false;  // the load now ending is the offline page's

  QWebEngineProfile* profile_ = nullptr;
  QToolBar* tbToolBar_ = nullptr;
  QWidget* Picture1_ = nullptr;
  LinkLabel* Label61_ = nullptr;
  QLabel* Label1_ = nullptr;
  QWidget* picAddress_ = nullptr;
  QLabel* lblAddress_ = nullptr;
  QComboBox* cboAddress_ = nullptr;
  QWebEngineView* brwWebBrowser_ = nullptr;
  QTimer* timTimer_ = nullptr;
};

}  // namespace kelvra
