// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/mdi_form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "contracts/entry_state.h"
#include "contracts/window_director.h"
#include "report/frm_report.h"
#include "report/report_printing.h"
#include "report/results_layout.h"
#include "report/return_to_entry.h"
#include "shell/command.h"
#include "shell/link_label.h"
#include "shell/product.h"
#include "shell/shutdown.h"
#include "shell/twips.h"
#include "shell/web_links.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/report_words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {

namespace {

const QColor kBarBackground(255, 192, 255);

QWidget* ColouredPanel(QWidget* parent, const char* name, int heightTwips) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFixedHeight(Twips(heightTwips));
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, kBarBackground);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  return panel;
}

QPushButton* BarButton(QWidget* bar, const char* name, const Template& text, bool bold) {
  auto* button = new QPushButton(Text(text), bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(VerdanaFont(8.25, bold));
  button->setGeometry(TwipsRect(0, 90, 1092, 312));
  return button;
}

QAction* NamedAction(QObject* parent, const char* name, const Template& text) {
  auto* action = new QAction(Text(text), parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

MDIForm1::MDIForm1(WindowDirector& director, QWidget* parent) : QMainWindow(parent), director_(director) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(Text(words::kResultsTitle));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  createBanner(central);
  mdiArea_ = new QMdiArea(central);
  mdiArea_->setObjectName(QStringLiteral("mdiArea"));
  mdiArea_->setFrameShape(QFrame::NoFrame);
  // The page is taller than most windows: let the user scroll to all of it.
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  createCommandBar(central);
  layout->addWidget(picTop_);
  layout->addWidget(mdiArea_, 1);
  layout->addWidget(Picture1_);
  setCentralWidget(central);

  createActions();
  createMenus();
  // As wide as the report page and its scroll bar (11325 + 315), which also
  // keeps the bar's four buttons clear of the co-branding link, and as tall
  // as the whole page where the screen allows.
  const EntryState& state = director_.entryState();
  const bool birthTimes = state.birthTime(Person::Male) && state.birthTime(Person::Female);
  const int chrome = menuBar()->sizeHint().height() + Twips(975) + Twips(kResultsBarHeight);
  // Narrower screens scroll the page sideways instead of hiding Back and Exit.
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  const QSize available = shown ? shown->availableGeometry().size() : QSize(Twips(11640), Twips(5985) + chrome);
  resize(FittedWindowExtent(Twips(11640), available.width(), kBorderAllowance),
         ResultsWindowHeight(Twips(frmReport::PageHeight(birthTimes)), chrome, available.height(),
                             kTitleBarAllowance));
}

void MDIForm1::createBanner(QWidget* central) {
  picTop_ = ColouredPanel(central, "picTop", 975);
  picTop_->installEventFilter(this);
  lblHeading_ = new QLabel(Text(words::kProgramName), picTop_);
  lblHeading_->setObjectName(QStringLiteral("lblHeading"));
  lblHeading_->setFont(VerdanaFont(18, true));
  lblHeading_->setAlignment(Qt::AlignCenter);
  lblHeading_->setGeometry(TwipsRect(0, 0, 8550, 435));
  lblURL_ = new LinkLabel(Text(words::kResultsFindMore, {SiteHost().toStdString()}), picTop_);
  lblURL_->setObjectName(QStringLiteral("lblURL"));
  lblURL_->setFont(VerdanaFont(9.75));
  lblURL_->setAlignment(Qt::AlignCenter);
  lblURL_->setGeometry(TwipsRect(0, 450, 5520, 465));
  ConnectCommand(lblURL_, &LinkLabel::clicked, this, words::kCommandVisitUsOnline, &MDIForm1::lblURL_Click);
}

void MDIForm1::createCommandBar(QWidget* central) {
  Picture1_ = ColouredPanel(central, "Picture1", kResultsBarHeight);
  Picture1_->installEventFilter(this);
  Label2_ = new QLabel(Text(words::kCoBrandOffer), Picture1_);
  Label2_->setObjectName(QStringLiteral("Label2"));
  Label2_->setTextFormat(Qt::PlainText);  // keeps the double blanks and the lone ampersand
  Label2_->setWordWrap(true);
  Label2_->setFont(VerdanaFont(6.75));
  Label2_->setGeometry(TwipsRect(60, 0, 4380, 495));
  Label3_ = new LinkLabel(Text(words::kCoBrandLink), Picture1_);
  Label3_->setObjectName(QStringLiteral("Label3"));
  Label3_->setWordWrap(true);
  Label3_->setFont(VerdanaFont(6.75));
  Label3_->setGeometry(TwipsRect(4500, 0, 1950, 495));
  ConnectCommand(Label3_, &LinkLabel::clicked, this, words::kCoBrandCommand, &MDIForm1::Label3_Click);

  cmdWhy_ = BarButton(Picture1_, "cmdWhy", words::kResultsWhyButton, false);
  cmdPrint_ = BarButton(Picture1_, "cmdPrint", words::kResultsPrintButton, true);
  cmdBack_ = BarButton(Picture1_, "cmdBack", words::kResultsBackButton, false);
  cmdExit_ = BarButton(Picture1_, "cmdExit", words::kResultsExitButton, false);
  ConnectCommand(cmdWhy_, &QPushButton::clicked, this, words::kCommandWhyThisResult, &MDIForm1::cmdWhy_Click);
  ConnectCommand(cmdPrint_, &QPushButton::clicked, this, words::kCommandPrint, &MDIForm1::cmdPrint_Click);
  ConnectCommand(cmdBack_, &QPushButton::clicked, this, words::kCommandBack, &MDIForm1::cmdBack_Click);
  ConnectCommand(cmdExit_, &QPushButton::clicked, this, words::kCommandExit, &MDIForm1::cmdExit_Click);
}

void MDIForm1::createActions() {
  mnuPrint_ = NamedAction(this, "mnuPrint", words::kResultsPrintItem);
  mnuWhy_ = NamedAction(this, "mnuWhy", words::kResultsWhyItem);
  mnuChart_ = NamedAction(this, "mnuChart", words::kResultsChartItem);
  mnuBack_ = NamedAction(this, "mnuBack", words::kResultsBackItem);
  mnuExit_ = NamedAction(this, "mnuExit", words::kResultsExitItem);
  mnuOnline_ = NamedAction(this, "mnuOnline", words::kResultsOnlineHelpItem);
  mnuVisit_ = NamedAction(this, "mnuVisit", words::kResultsVisitItem);
  mnuUpdate_ = NamedAction(this, "mnuUpdate", words::kResultsUpdateItem);
  mnuAbout_ = NamedAction(this, "mnuAbout", words::kResultsAboutItem);
  mnuDonate_ = NamedAction(this, "mnuDonate", words::kResultsDonateItem);
  // The keys desktop programs use: Back as a browser goes back, Ctrl+Y for
  // "Why" (F1 is the help's), Ctrl+Q even where the platform names no Quit
  // key. The menus show them.
  mnuPrint_->setShortcut(QKeySequence::Print);
  mnuWhy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  mnuBack_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  mnuExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  ConnectCommand(mnuPrint_, &QAction::triggered, this, words::kCommandPrint, &MDIForm1::mnuPrint_Click);
  ConnectCommand(mnuWhy_, &QAction::triggered, this, words::kCommandWhyThisResult, &MDIForm1::mnuWhy_Click);
  ConnectCommand(mnuChart_, &QAction::triggered, this, words::kCommandChart, &MDIForm1::mnuChart_Click);
  ConnectCommand(mnuBack_, &QAction::triggered, this, words::kCommandBack, &MDIForm1::mnuBack_Click);
  ConnectCommand(mnuExit_, &QAction::triggered, this, words::kCommandExit, &MDIForm1::mnuExit_Click);
  ConnectCommand(mnuOnline_, &QAction::triggered, this, words::kCommandOnlineHelp, &MDIForm1::mnuOnline_Click);
  ConnectCommand(mnuVisit_, &QAction::triggered, this, words::kCommandVisitUsOnline, &MDIForm1::mnuVisit_Click);
  ConnectCommand(mnuUpdate_, &QAction::triggered, this, words::kCommandCheckForUpdate, &MDIForm1::mnuUpdate_Click);
  ConnectCommand(mnuAbout_, &QAction::triggered, this, words::kCommandAboutSoftware, &MDIForm1::mnuAbout_Click);
  ConnectCommand(mnuDonate_, &QAction::triggered, this, words::kCommandDonate, &MDIForm1::mnuDonate_Click);
}

void MDIForm1::createMenus() {
  mnuFile_ = menuBar()->addMenu(Text(words::kResultsFileMenu));
  mnuFile_->setObjectName(QStringLiteral("mnuFile"));
  mnuFile_->addAction(mnuPrint_);
  mnuFile_->addAction(mnuWhy_);
  mnuFile_->addAction(mnuChart_);
  mnuFile_->addAction(mnuBack_);
  mnuFile_->addSeparator()->setObjectName(QStringLiteral("mnuB"));
  mnuFile_->addAction(mnuExit_);

  mnuHelp_ = menuBar()->addMenu(Text(words::kResultsHelpMenu));
  mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
  mnuHelp_->addAction(mnuOnline_);
  mnuHelp_->addAction(mnuVisit_);
  mnuHelp_->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
  mnuHelp_->addAction(mnuUpdate_);
  mnuHelp_->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
  mnuHelp_->addAction(mnuAbout_);

  // Donate has no items: the top-level entry is the command itself.
  menuBar()->addAction(mnuDonate_);
}

void MDIForm1::present() {
  show();
  raise();
  activateWindow();
}

void MDIForm1::setVisible(bool visible) {
  QMainWindow::setVisible(visible);
  // The first showing loads the report if no activation came first. It runs
  // after the window is visible, so closing the entry form then never leaves
  // the program without a window.
  if (visible && !report_) MDIForm_Activate();
}

bool MDIForm1::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) MDIForm_Activate();
  return handled;
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The explanation belongs to these results: Back, Exit and the title bar
  // all end them here.
  if (event->isAccepted()) director_.closeWhyWindow();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == picTop_ || watched == Picture1_)) MDIForm_Resize();
  // The report is the window's only content: it closes with the window, never alone.
  if (event->type() == QEvent::Close && watched == reportWindow_) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::loadReport() {
  report_ = new frmReport;
  report_->FillReport(director_);
  reportWindow_ = mdiArea_->addSubWindow(report_, Qt::FramelessWindowHint);
  reportWindow_->setObjectName(QStringLiteral("frmReportWindow"));
  reportWindow_->setWindowTitle(report_->windowTitle());
  reportWindow_->resize(report_->size());
  reportWindow_->installEventFilter(this);
}

void MDIForm1::MDIForm_Activate() {
  const bool first = !report_;
  if (first) loadReport();
  reportWindow_->move(centredReportLeft(), 0);
  reportWindow_->show();
  // Opened on a screen too low for the whole page: the figures first.
  if (first) {
    const int top = ResultsScrollTop(report_->compatibilityReportBottom() + Twips(60), mdiArea_->viewport()->height());
    if (top > 0) mdiArea_->verticalScrollBar()->setValue(top);
  }
}

int MDIForm1::centredReportLeft() const {
  return Twips(CenteredReportLeft(PixelsToTwips(mdiArea_->width()), PixelsToTwips(reportWindow_->width())));
}

void MDIForm1::MDIForm_Resize() {
  if (!cmdExit_ || !lblURL_) return;  // still being built
  const ResultsBarLayout bar = LayOutResultsBar(PixelsToTwips(frameGeometry().width()), PixelsToTwips(picTop_->width()));
  cmdExit_->move(Twips(bar.cmdExitLeft), cmdExit_->y());
  cmdBack_->move(Twips(bar.cmdBackLeft), cmdBack_->y());
  cmdPrint_->move(Twips(bar.cmdPrintLeft), cmdPrint_->y());
  cmdWhy_->move(Twips(bar.cmdWhyLeft), cmdWhy_->y());
  for (QPushButton* button : {cmdWhy_, cmdPrint_, cmdBack_, cmdExit_}) button->move(button->x(), Twips(bar.buttonsTop));
  Picture1_->setFixedHeight(Twips(bar.barHeight));
  lblHeading_->move(Twips(bar.lblHeadingLeft), lblHeading_->y());
  lblURL_->move(Twips(bar.lblURLLeft), lblURL_->y());
  // The page stays centred as the window changes, where the user scrolled it.
  if (reportWindow_) reportWindow_->move(centredReportLeft(), reportWindow_->y());
}

void MDIForm1::cmdWhy_Click() { director_.showWhyWindow(WhyTab::Explanation); }

void MDIForm1::cmdPrint_Click() {
  if (report_) PrintReportPage(*report_, this);
}

void MDIForm1::cmdBack_Click() {
  director_.closeLookupBrowser();
  director_.showEntryForm();
  director_.closeResultsWindow();
}

void MDIForm1::cmdExit_Click() { ShutDownProgram(); }
void MDIForm1::mnuWhy_Click() { cmdWhy_Click(); }
void MDIForm1::mnuChart_Click() { director_.showWhyWindow(WhyTab::Chart); }
void MDIForm1::mnuPrint_Click() { cmdPrint_Click(); }
void MDIForm1::mnuBack_Click() { ReturnToEmptyEntryForm(director_); }
void MDIForm1::mnuExit_Click() { ShutDownProgram(); }
void MDIForm1::mnuOnline_Click() { OpenOnlineHelp(); }
void MDIForm1::mnuVisit_Click() { OpenHomePage(); }
void MDIForm1::mnuUpdate_Click() { OpenUpdatePage(); }
void MDIForm1::mnuDonate_Click() { OpenDonatePage(); }
void MDIForm1::mnuAbout_Click() { director_.showAbout(this); }
void MDIForm1::lblURL_Click() { OpenHomePage(); }
void MDIForm1::Label3_Click() { OpenCoBrandPage(); }

}  // namespace kelvra
