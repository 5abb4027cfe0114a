// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

namespace kelvra {

/// "Kelvra v1.0": the product name with the project's version, as captions show it.
QString ProductCaption();

/// The product's picture, drawn rather than shipped so every size stays sharp.
QPixmap ProductPicture(int sizePx);

/// Verdana at the given size; where it is not installed, fontconfig picks the
/// nearest sans-serif face.
QFont VerdanaFont(double pointSize, bool bold = false);

}  // namespace kelvra
