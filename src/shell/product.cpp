// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/product.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <iterator>

#include "shell/words.h"
#include "vocabulary/shell_words.h"

namespace kelvra {

QString ProductCaption() { return Text(words::kProductCaption, {KELVRA_VERSION}); }

namespace {

// The sizes of the application icon, as installed in the hicolor theme.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) { return QStringLiteral(":/kelvra/kelvra-%1.png").arg(size); }

// The sizes a window manager draws a window's icon at; larger ones come from
// the desktop entry's theme icons.
constexpr int kLargestWindowIconSize = 64;

// Offers a window only the small sizes: the window system is sent every size
// an icon offers, and decoding and sending the large ones costs start-up time
// and memory. A larger size asked for by name is still drawn from its own
// file, never scaled up.
class ProductIconEngine : public QIconEngine {
 public:
  ProductIconEngine() {
    for (int size : kIconSizes) all_.addFile(IconFile(size), QSize(size, size));
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    all_.paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    // In device pixels: the caller has applied any device pixel ratio.
    return all_.pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return all_.actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int size : kIconSizes) {
      if (size <= kLargestWindowIconSize) sizes << QSize(size, size);
    }
    return sizes;
  }
  QString key() const override { return QStringLiteral("kelvra-product"); }
  QIconEngine* clone() const override { return new ProductIconEngine(*this); }

 private:
  QIcon all_;
};

}  // namespace

QIcon ProductIcon() { return QIcon(new ProductIconEngine); }

namespace {

void GiveIconSoon() {
  QTimer::singleShot(0, qApp, [] { QGuiApplication::setWindowIcon(ProductIcon()); });
}

// Watches the first window: gives the icon after its first paint, or when the
// window goes before painting, so that later windows never lack it.
class IconAfterFirstPaint : public QObject {
 public:
  explicit IconAfterFirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
  ~IconAfterFirstPaint() override {
    if (!given_ && qApp) GiveIconSoon();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !given_) {
      given_ = true;
      GiveIconSoon();
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  bool given_ = false;
};

}  // namespace

void IdentifyApplication() {
  QGuiApplication::setWindowIcon(ProductIcon());
  NameDesktopEntry();
}

void NameDesktopEntry() { QGuiApplication::setDesktopFileName(QStringLiteral("kelvra")); }

void GiveIconAfterFirstPaint(QWidget& first) { new IconAfterFirstPaint(first); }

QPixmap ProductPicture(int sizePx) {
  // One device pixel per screen pixel keeps the picture sharp at a device
  // pixel ratio above 1; the label still lays it out at sizePx.
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  const int devicePx = qMax(1, qRound(sizePx * ratio));
  int source = kIconSizes[std::size(kIconSizes) - 1];
  for (int size : kIconSizes) {
    if (size >= devicePx) {
      source = size;
      break;
    }
  }
  QPixmap picture = QPixmap(IconFile(source)).scaled(devicePx, devicePx, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QFont VerdanaFont(double pointSize, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace kelvra
