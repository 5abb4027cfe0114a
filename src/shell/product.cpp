// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/product.h"

#include <QGuiApplication>
#include <iterator>

namespace kelvra {

QString ProductCaption() { return QStringLiteral("Kelvra v" KELVRA_VERSION); }

namespace {

// The sizes of the application icon, as installed in the hicolor theme.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) { return QStringLiteral(":/kelvra/kelvra-%1.png").arg(size); }

}  // namespace

QIcon ProductIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addFile(IconFile(size), QSize(size, size));
  return icon;
}

void IdentifyApplication() {
  QGuiApplication::setWindowIcon(ProductIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("kelvra"));
}

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
