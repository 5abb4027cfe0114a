// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/browser_window.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "lookup/browser_page.h"
#include "lookup/lookup_rules.h"
#include "shell/entry_state.h"
#include "shell/link_label.h"
#include "shell/twips.h"
#include "shell/window_director.h"

namespace kelvra {

namespace {

const QString kBlankPage = QStringLiteral("about:blank");

// Layout in twips, as the window was designed.
constexpr int kClientWidth = 8310;
constexpr int kClientHeight = 6630;
constexpr int kToolBarHeight = 540;
constexpr int kAddressBarHeight = 405;
constexpr int kAddressLeft = 840;
constexpr int kViewMargin = 50;

QString EntryText(QWidget* form, const QString& name) {
  QWidget* entry = form ? form->findChild<QWidget*>(name) : nullptr;
  return entry ? entry->property("text").toString() : QString();
}

}  // namespace

frmBrowser::frmBrowser(WindowDirector& director, LookupBrowserOptions options_, QWidget* parent)
    : QWidget(parent, Qt::Window), options(std::move(options_)), searchPageHtml(SearchPageHtml(options.searchEngine)) {
  setObjectName(QStringLiteral("frmBrowser"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Lookup Browser - Kelvra - %1").arg(options.homePage.host()));
  resize(Twips(kClientWidth), Twips(kClientHeight));

  createToolBar();
  createAddressBar();
  createView();

  timTimer = new QTimer(this);
  timTimer->setObjectName(QStringLiteral("timTimer"));
  timTimer->setInterval(5);
  connect(timTimer, &QTimer::timeout, this, &frmBrowser::handleTimerTick);

  // The birthplace is read once: later edits on the entry form belong to the next lookup.
  const bool male = director.entryState().bMaleSearch;
  QWidget* form = director.entryForm();
  strSearchQuery = LookupSearchText(EntryText(form, PlaceEntryName(male, PlaceEntry::City)),
                                    EntryText(form, PlaceEntryName(male, PlaceEntry::State)),
                                    EntryText(form, PlaceEntryName(male, PlaceEntry::Country)));
  navigate(QUrl(kBlankPage));
}

frmBrowser::~frmBrowser() {
  // The page must go before the profile it was made with, which is a later
  // child; what the view reports while it goes is of no interest any more.
  brwWebBrowser->disconnect(this);
  delete brwWebBrowser;
}

void frmBrowser::createToolBar() {
  tbToolBar = new QToolBar(this);
  tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar->setMovable(false);
  tbToolBar->setIconSize(QSize(16, 16));
  const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
      {"Back", QStyle::SP_ArrowBack},          {"Forward", QStyle::SP_ArrowForward},
      {"Stop", QStyle::SP_BrowserStop},        {"Refresh", QStyle::SP_BrowserReload},
      {"Home", QStyle::SP_DirHomeIcon},        {"Search", QStyle::SP_FileDialogContentsView},
  };
  for (const auto& [key, icon] : buttons) {
    QAction* action = tbToolBar->addAction(style()->standardIcon(icon), QString::fromLatin1(key));
    action->setObjectName(QString::fromLatin1(key));
    action->setData(QString::fromLatin1(key));
    action->setToolTip(QString::fromLatin1(key));
  }
  connect(tbToolBar, &QToolBar::actionTriggered, this, &frmBrowser::handleToolbarAction);

  Picture1 = new QWidget(tbToolBar);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(TwipsRect(2880, 60, 6525, 375));
  const int height = Picture1->height();
  Label1 = new QLabel(QStringLiteral("Kelvra"), Picture1);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setGeometry(0, 0, Twips(900), height);
  Label61 = new LinkLabel(QStringLiteral("Visit %1").arg(options.homePage.host()), Picture1);
  Label61->setObjectName(QStringLiteral("Label61"));
  Label61->setAlignment(Qt::AlignCenter);
  Label61->setGeometry(Twips(900), 0, Picture1->width() - Twips(900), height);
  connect(Label61, &LinkLabel::clicked, this, [this] {
    if (options.openHomePage) options.openHomePage();
  });
}

void frmBrowser::createAddressBar() {
  picAddress = new QWidget(this);
  picAddress->setObjectName(QStringLiteral("picAddress"));
  picAddress->setGeometry(0, Twips(kToolBarHeight), width(), Twips(kAddressBarHeight));

  cboAddress = new QComboBox(picAddress);
  cboAddress->setObjectName(QStringLiteral("cboAddress"));
  cboAddress->setEditable(true);
  // The list is the history of completed pages only; typed text navigates as
  // typed, so it is neither inserted nor completed from older entries.
  cboAddress->setInsertPolicy(QComboBox::NoInsert);
  cboAddress->setCompleter(nullptr);
  cboAddress->move(Twips(kAddressLeft), Twips(30));
  cboAddress->resize(cboAddress->width(), Twips(315));
  // The line edit reports Enter to the box as well; taking it here makes one
  // Enter one navigation.
  cboAddress->lineEdit()->installEventFilter(this);
  // Screen readers name the box, and the text field inside it that takes the
  // focus, after their label rather than "edit".
  cboAddress->setAccessibleName(QStringLiteral("Address"));
  cboAddress->lineEdit()->setAccessibleName(QStringLiteral("Address"));
  connect(cboAddress, &QComboBox::activated, this, &frmBrowser::handleAddressActivated);

  lblAddress = new QLabel(QStringLiteral("&Address:"), picAddress);
  lblAddress->setObjectName(QStringLiteral("lblAddress"));
  lblAddress->setBuddy(cboAddress);
  lblAddress->move(Twips(90), Twips(90));
  lblAddress->adjustSize();
}

void frmBrowser::createView() {
  profile = new QWebEngineProfile(this);  // no storage name: nothing of a lookup reaches the disk
  brwWebBrowser = new QWebEngineView(this);
  brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
  brwWebBrowser->setPage(new BrowserPage(profile, brwWebBrowser));
  brwWebBrowser->move(Twips(kViewMargin), Twips(kToolBarHeight + kAddressBarHeight + kViewMargin));
  connect(brwWebBrowser, &QWebEngineView::loadStarted, this, &frmBrowser::handleLoadStarted);
  connect(brwWebBrowser, &QWebEngineView::loadFinished, this, &frmBrowser::handleLoadFinished);
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tbToolBar->setGeometry(0, 0, width(), Twips(kToolBarHeight));
  picAddress->resize(width(), picAddress->height());
  const BrowserGeometry geometry =
      ResizeRule(size(), picAddress->width(), cboAddress->x(), picAddress->geometry().bottom() + 1);
  cboAddress->resize(geometry.addressWidth, cboAddress->height());
  brwWebBrowser->resize(geometry.view);
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboAddress->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      handleAddressActivated();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmBrowser::navigate(const QUrl& url) {
  if (!url.isValid()) return;
  navigationRequested = true;
  brwWebBrowser->load(url);
}

bool frmBrowser::isBusy() const { return navigationRequested || loading; }

QString frmBrowser::locationName() const {
  const QString title = brwWebBrowser->title();
  return title.isEmpty() ? brwWebBrowser->url().toString() : title;
}

void frmBrowser::handleLoadStarted() {
  navigationRequested = false;
  loading = true;
}

void frmBrowser::handleLoadFinished() {
  loading = false;
  setWindowTitle(locationName());
  const QString address = brwWebBrowser->url().toString(QUrl::FullyEncoded);

  // The engine reports completion of the top-level document only, so the
  // first completion is the blank start page's.
  if (!bSearchStarted) {
    bSearchStarted = true;
    if (address == kBlankPage) brwWebBrowser->page()->runJavaScript(SearchScript(searchPageHtml, strSearchQuery));
  }

  if (!EntersHistory(address)) return;
  QStringList history;
  for (int i = 0; i < cboAddress->count(); ++i) history << cboAddress->itemText(i);
  bSuppressNavigate = true;
  cboAddress->clear();
  cboAddress->addItems(RewriteHistory(history, address));
  cboAddress->setCurrentIndex(0);
  cboAddress->lineEdit()->setCursorPosition(0);  // show where the address begins
  bSuppressNavigate = false;
}

void frmBrowser::handleAddressActivated() {
  if (bSuppressNavigate) return;
  timTimer->start();
  navigate(QUrl::fromUserInput(cboAddress->currentText()));
}

void frmBrowser::handleToolbarAction(QAction* action) {
  timTimer->start();
  const QString key = action->data().toString();
  QWebEngineHistory* history = brwWebBrowser->history();
  if (key == QLatin1String("Back")) {
    // Without history there is nothing to go back to and nothing will load.
    if (history->canGoBack()) {
      navigationRequested = true;
      history->back();
    }
  } else if (key == QLatin1String("Forward")) {
    if (history->canGoForward()) {
      navigationRequested = true;
      history->forward();
    }
  } else if (key == QLatin1String("Refresh")) {
    navigationRequested = true;
    brwWebBrowser->reload();
  } else if (key == QLatin1String("Home")) {
    navigate(options.homePage);
  } else if (key == QLatin1String("Search")) {
    navigate(options.searchEngine.homePage);
  } else if (key == QLatin1String("Stop")) {
    timTimer->stop();
    navigationRequested = false;
    brwWebBrowser->stop();
    setWindowTitle(locationName());
  }
}

void frmBrowser::handleTimerTick() {
  const bool busy = isBusy();
  if (!busy) timTimer->stop();
  setWindowTitle(BusyCaption(busy, locationName()));
}

}  // namespace kelvra
