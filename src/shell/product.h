// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kelvra {

/// "Kelvra v1.0": the product name with the project's version, as captions show it.
QString ProductCaption();

/// The application icon, every window's icon: every size the desktop installs
/// can be drawn, but only the small ones are offered to the window system.
QIcon ProductIcon();

/// Gives every window of the running application the product's icon and names
/// its desktop entry, from which Wayland desktops take the icon instead.
void IdentifyApplication();

/// The first half of IdentifyApplication, for the program's start: names the
/// desktop entry. Before any window is shown, as each window takes it then.
void NameDesktopEntry();

/// The second half: gives every window the product's icon one event-loop turn
/// after `first` has painted, or once `first` is gone without painting.
/// Decoding the icon's sizes and handing them all to the window system would
/// otherwise hold up the first window.
void GiveIconAfterFirstPaint(QWidget& first);

/// The application icon as a picture of sizePx device-independent pixels,
/// with as many device pixels as the screen has (About box, report).
QPixmap ProductPicture(int sizePx);

/// Verdana at the given size; where it is not installed, fontconfig picks the
/// nearest sans-serif face.
QFont VerdanaFont(double pointSize, bool bold = false);

}  // namespace kelvra
