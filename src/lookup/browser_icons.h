// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QIcon>

namespace kelvra {

/// The Home and Search tool bar icons: the desktop icon theme's own where it
/// has them, otherwise a house and a magnifying glass drawn at whatever pixel
/// size is asked for, so they stay sharp at every device pixel ratio.
QIcon HomeIcon();
QIcon SearchIcon();

}  // namespace kelvra
