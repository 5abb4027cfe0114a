// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;

namespace kelvra {

class LinkLabel;
class WindowDirector;
class frmReport;

/// The results window: a banner, the report as the only child of a
/// multiple-document area, and a command bar with Why, Print, Back and Exit.
/// It owns no data; the report is filled from the entry form when the window
/// is first shown or activated, whichever comes first. Why opens the
/// explanation in a window of its own, which closes with this one.
class MDIForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDIForm1(WindowDirector& director, QWidget* parent = nullptr);

  /// Shows the window and asks for activation, which a window manager that
  /// prevents focus stealing (or none at all) would not give on its own.
  void present();

  frmReport* report() const { return report_; }  ///< nullptr until first shown
  QMdiSubWindow* reportWindow() const { return reportWindow_; }
  QMdiArea* mdiArea() const { return mdiArea_; }

  void MDIForm_Activate();
  void MDIForm_Resize();
  void cmdWhy_Click();
  void cmdPrint_Click();
  void cmdBack_Click();
  void cmdExit_Click();
  void mnuWhy_Click();
  void mnuChart_Click();
  void mnuPrint_Click();
  void mnuBack_Click();
  void mnuExit_Click();
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuDonate_Click();
  void mnuAbout_Click();
  void lblURL_Click();
  void Label3_Click();

  void setVisible(bool visible) override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createBanner(QWidget* central);
  void createCommandBar(QWidget* central);
  void createActions();
  void createMenus();
  void loadReport();
  /// The report's left edge, in pixels, centred in the report area.
  int centredReportLeft() const;

  WindowDirector& director_;
  QMdiArea* mdiArea_ = nullptr;
  QWidget* picTop_ = nullptr;
  QLabel* lblHeading_ = nullptr;
  LinkLabel* lblURL_ = nullptr;
  QWidget* Picture1_ = nullptr;
  QPushButton* cmdWhy_ = nullptr;
  QPushButton* cmdPrint_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmdExit_ = nullptr;
  QLabel* Label2_ = nullptr;
  LinkLabel* Label3_ = nullptr;

  QMenu* mnuFile_ = nullptr;
  QMenu* mnuHelp_ = nullptr;
  QAction* mnuWhy_ = nullptr;
  QAction* mnuChart_ = nullptr;
  QAction* mnuPrint_ = nullptr;
  QAction* mnuBack_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QAction* mnuOnline_ = nullptr;
  QAction* mnuVisit_ = nullptr;
  QAction* mnuUpdate_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  QAction* mnuDonate_ = nullptr;

  frmReport* report_ = nullptr;
  QMdiSubWindow* reportWindow_ = nullptr;
};

}  // namespace kelvra
