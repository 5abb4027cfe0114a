// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kelvra {

/// "Kelvra v1.0": the product name with the project's version, as captions show it.
QString ProductCaption();

/// The application icon, every size the desktop installs; every window's icon.
QIcon ProductIcon();

/// Gives every window of the running application the product's icon and names
/// its desktop entry, from which Wayland desktops take the icon instead.
void IdentifyApplication();

/// The application icon as a picture of sizePx device-independent pixels,
/// with as many device pixels as the screen has (About box, report).
QPixmap ProductPicture(int sizePx);

/// Verdana at the given size; where it is not installed, fontconfig picks the
/// nearest sans-serif face.
QFont VerdanaFont(double pointSize, bool bold = false);

}  // namespace kelvra
