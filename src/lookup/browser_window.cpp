// SPDX-License-Identifier: AGPL-3.0-or-later
#include "lookup/browser_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <utility>

#include "lookup/browser_icons.h"
#include "lookup/browser_page.h"
#include "lookup/lookup_rules.h"
#include "shell/command.h"
#include "shell/link_label.h"
#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/lookup_words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {

namespace {

const QString kBlankPage = QStringLiteral("about:blank");

// Layout in twips, like every window's, so that Twips() scales it with the screen.
constexpr int kClientWidth = 8310;
constexpr int kClientHeight = 6630;
constexpr int kToolBarHeight = 540;
constexpr int kAddressBarHeight = 405;
constexpr int kAddressLeft = 840;
constexpr int kViewMargin = 50;
// The gap between a label and the box it names, as the label's own left margin.
constexpr int kLabelGap = 90;

// A plain top-level widget reaches screen readers as a nameless pane (a
// "filler"), which they do not announce as a window of its own.
QAccessibleInterface* BrowserAccessible(const QString&, QObject* object) {
  auto* window = qobject_cast<frmBrowser*>(object);
  return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

}  // namespace

frmBrowser::frmBrowser(const LookupPlace& place, LookupBrowserOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window),
      options_(std::move(options)),
      searchPageHtml_(SearchPageHtml(options_.searchEngine)),
      strSearchQuery_(LookupSearchText(place.city, place.state, place.country)) {
  setObjectName(QStringLiteral("frmBrowser"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Text(words::kLookupTitle, {options_.homePage.host().toStdString()}));
  // The caption follows the page; the window itself keeps one name.
  static const bool announcedAsWindow = (QAccessible::installFactory(BrowserAccessible), true);
  Q_UNUSED(announcedAsWindow)
  setAccessibleName(Text(words::kLookupAccessibleName));
  resize(Twips(kClientWidth), Twips(kClientHeight));

  createToolBar();
  createAddressBar();
  createView();

  timTimer_ = new QTimer(this);
  timTimer_->setObjectName(QStringLiteral("timTimer"));
  timTimer_->setInterval(5);
  connect(timTimer_, &QTimer::timeout, this, &frmBrowser::handleTimerTick);

  // The birthplace came once, with the request: later edits on the entry
  // form belong to the next lookup.
  navigate(QUrl(kBlankPage));
}

frmBrowser::~frmBrowser() {
  // The page must go before the profile it was made with, which is a later
  // child; what the view reports while it goes is of no interest any more.
  brwWebBrowser_->disconnect(this);
  delete brwWebBrowser_;
}

void frmBrowser::createToolBar() {
  tbToolBar_ = new QToolBar(this);
  tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar_->setMovable(false);
  tbToolBar_->setIconSize(QSize(16, 16));
  // The style has no house or magnifying glass of its own.
  // The key names the button to the code; the words are what the user reads.
  const struct {
    const char* key;
    const Template& words;
    QIcon icon;
  } buttons[] = {
      {"Back", words::kLookupBack, style()->standardIcon(QStyle::SP_ArrowBack)},
      {"Forward", words::kLookupForward, style()->standardIcon(QStyle::SP_ArrowForward)},
      {"Stop", words::kLookupStop, style()->standardIcon(QStyle::SP_BrowserStop)},
      {"Refresh", words::kLookupRefresh, style()->standardIcon(QStyle::SP_BrowserReload)},
      {"Home", words::kLookupHome, HomeIcon()},
      {"Search", words::kLookupSearch, SearchIcon()},
  };
  for (const auto& button : buttons) {
    QAction* action = tbToolBar_->addAction(button.icon, Text(button.words));
    action->setObjectName(QString::fromLatin1(button.key));
    action->setData(QString::fromLatin1(button.key));
    action->setToolTip(Text(button.words));
  }
  // The button that shows the buttons a narrow window cuts off has no text.
  if (auto* more = tbToolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    more->setAccessibleName(Text(words::kLookupMoreButtons));
  connect(tbToolBar_, &QToolBar::actionTriggered, this, [this](QAction* action) {
    RunCommand(this, action->text(), [this, action] { handleToolbarAction(action); });
  });

  Picture1_ = new QWidget(tbToolBar_);
  Picture1_->setObjectName(QStringLiteral("Picture1"));
  Picture1_->setGeometry(TwipsRect(2880, 60, 6525, 375));
  const int height = Picture1_->height();
  Label1_ = new QLabel(Text(words::kProgramName), Picture1_);
  Label1_->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1_->font();
  bold.setBold(true);
  Label1_->setFont(bold);
  Label1_->setGeometry(0, 0, Twips(900), height);
  Label61_ = new LinkLabel(Text(words::kLookupVisit, {options_.homePage.host().toStdString()}), Picture1_);
  Label61_->setObjectName(QStringLiteral("Label61"));
  Label61_->setAlignment(Qt::AlignCenter);
  // Inside a tool bar a label paints its text in the button text colour,
  // which would cover the link's blue.
  Label61_->setForegroundRole(QPalette::WindowText);
  Label61_->setGeometry(Twips(900), 0, Picture1_->width() - Twips(900), height);
  ConnectCommand(Label61_, &LinkLabel::clicked, this, words::kCommandVisitUsOnline, [](frmBrowser* window) {
    if (window->options_.openHomePage) window->options_.openHomePage();
  });
}

void frmBrowser::createAddressBar() {
  picAddress_ = new QWidget(this);
  picAddress_->setObjectName(QStringLiteral("picAddress"));
  picAddress_->setGeometry(0, Twips(kToolBarHeight), width(), Twips(kAddressBarHeight));

  cboAddress_ = new QComboBox(picAddress_);
  cboAddress_->setObjectName(QStringLiteral("cboAddress"));
  cboAddress_->setEditable(true);
  // The list is the history of completed pages only; typed text navigates as
  // typed, so it is neither inserted nor completed from older entries.
  cboAddress_->setInsertPolicy(QComboBox::NoInsert);
  cboAddress_->setCompleter(nullptr);
  cboAddress_->resize(cboAddress_->width(), Twips(315));
  // The line edit reports Enter to the box as well; taking it here makes one
  // Enter one navigation.
  cboAddress_->lineEdit()->installEventFilter(this);
  // Screen readers name the box, and the text field inside it that takes the
  // focus, after their label rather than "edit".
  cboAddress_->setAccessibleName(Text(words::kLookupAddress));
  cboAddress_->lineEdit()->setAccessibleName(Text(words::kLookupAddress));
  ConnectCommand(cboAddress_, &QComboBox::activated, this, words::kCommandGoToAddress,
                 &frmBrowser::handleAddressActivated);

  lblAddress_ = new QLabel(Text(words::kLookupAddressLabel), picAddress_);
  lblAddress_->setObjectName(QStringLiteral("lblAddress"));
  lblAddress_->setBuddy(cboAddress_);
  lblAddress_->adjustSize();
  // The box starts at its layout position unless the label needs more room
  // in this font; the label sits level with it.
  const int boxLeft = qMax(Twips(kAddressLeft), Twips(kLabelGap) + lblAddress_->width() + Twips(kLabelGap));
  cboAddress_->move(boxLeft, Twips(30));
  lblAddress_->setGeometry(Twips(kLabelGap), cboAddress_->y(), lblAddress_->width(), cboAddress_->height());
  lblAddress_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void frmBrowser::createView() {
  profile_ = new QWebEngineProfile(this);  // no storage name: nothing of a lookup reaches the disk
  brwWebBrowser_ = new QWebEngineView(this);
  brwWebBrowser_->setObjectName(QStringLiteral("brwWebBrowser"));
  brwWebBrowser_->setPage(new BrowserPage(profile_, brwWebBrowser_));
  brwWebBrowser_->move(Twips(kViewMargin), Twips(kToolBarHeight + kAddressBarHeight + kViewMargin));
  connect(brwWebBrowser_, &QWebEngineView::loadStarted, this, &frmBrowser::handleLoadStarted);
  connect(brwWebBrowser_, &QWebEngineView::loadFinished, this, &frmBrowser::handleLoadFinished);
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tbToolBar_->setGeometry(0, 0, width(), Twips(kToolBarHeight));
  picAddress_->resize(width(), picAddress_->height());
  const BrowserGeometry geometry =
      ResizeRule(size(), picAddress_->width(), cboAddress_->x(), picAddress_->geometry().bottom() + 1);
  cboAddress_->resize(geometry.addressWidth, cboAddress_->height());
  brwWebBrowser_->resize(geometry.view);
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboAddress_->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunCommand(this, Text(words::kCommandGoToAddress), [this] { handleAddressActivated(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmBrowser::navigate(const QUrl& url) {
  if (!url.isValid()) return;
  navigationRequested_ = true;
  brwWebBrowser_->load(url);
}

bool frmBrowser::isBusy() const { return navigationRequested_ || loading_; }

QString frmBrowser::locationName() const {
  const QString title = brwWebBrowser_->title();
  return title.isEmpty() ? brwWebBrowser_->url().toString() : title;
}

void frmBrowser::handleLoadStarted() {
  navigationRequested_ = false;
  stoppedByUser_ = false;
  loading_ = true;
}

void frmBrowser::handleLoadFinished(bool ok) {
  loading_ = false;
  const QString address = brwWebBrowser_->url().toString(QUrl::FullyEncoded);
  const bool offlinePage = std::exchange(showingOffline_, false);
  const bool stopped = std::exchange(stoppedByUser_, false);
  if (!offlinePage && ShowsOfflinePage(ok, stopped, address)) {
    // The engine's own error page does not say that the atlas works without
    // the internet; ours does, in the view's place and size.
    showingOffline_ = true;
    brwWebBrowser_->setHtml(
        OfflinePageHtml(Text(words::kLookupOfflineNeedsInternet), Text(words::kLookupOfflineUseAtlas)),
        QUrl(kBlankPage));
    return;
  }
  setWindowTitle(locationName());
  if (offlinePage) return;  // not an address the user could go back to

  // The engine reports completion of the top-level document only, so the
  // first completion is the blank start page's.
  if (!bSearchStarted_) {
    bSearchStarted_ = true;
    if (address == kBlankPage) brwWebBrowser_->page()->runJavaScript(SearchScript(searchPageHtml_, strSearchQuery_));
  }

  if (!EntersHistory(address)) return;
  QStringList history;
  for (int i = 0; i < cboAddress_->count(); ++i) history << cboAddress_->itemText(i);
  bSuppressNavigate_ = true;
  cboAddress_->clear();
  cboAddress_->addItems(RewriteHistory(history, address));
  cboAddress_->setCurrentIndex(0);
  cboAddress_->lineEdit()->setCursorPosition(0);  // show where the address begins
  bSuppressNavigate_ = false;
}

void frmBrowser::handleAddressActivated() {
  if (bSuppressNavigate_) return;
  timTimer_->start();
  navigate(QUrl::fromUserInput(cboAddress_->currentText()));
}

void frmBrowser::handleToolbarAction(QAction* action) {
  timTimer_->start();
  const QString key = action->data().toString();
  QWebEngineHistory* history = brwWebBrowser_->history();
  if (key == QLatin1String("Back")) {
    // Without history there is nothing to go back to and nothing will load.
    if (history->canGoBack()) {
      navigationRequested_ = true;
      history->back();
    }
  } else if (key == QLatin1String("Forward")) {
    if (history->canGoForward()) {
      navigationRequested_ = true;
      history->forward();
    }
  } else if (key == QLatin1String("Refresh")) {
    navigationRequested_ = true;
    brwWebBrowser_->reload();
  } else if (key == QLatin1String("Home")) {
    navigate(options_.homePage);
  } else if (key == QLatin1String("Search")) {
    navigate(options_.searchEngine.homePage);
  } else if (key == QLatin1String("Stop")) {
    timTimer_->stop();
    stoppedByUser_ = isBusy();
    navigationRequested_ = false;
    brwWebBrowser_->stop();
    setWindowTitle(locationName());
  }
}

void frmBrowser::handleTimerTick() {
  const bool busy = isBusy();
  if (!busy) timTimer_->stop();
  setWindowTitle(BusyCaption(busy, locationName()));
}

}  // namespace kelvra
