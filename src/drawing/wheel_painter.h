// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

#include "wheel/wheel_scene.h"

class QPainter;

namespace kelvra {

/// How the drawing's text reaches the device: as outlines (the same on every
/// device, and in an SVG file shown without our fonts) or as text (kept
/// searchable and selectable in a PDF file).
enum class WheelText { AsPaths, AsText };

/// Draws `scene` into `target`, keeping the canvas's proportions, centred.
/// `selected` (a scene contact index) is drawn highlighted and named.
void PaintWheel(QPainter& painter, const WheelScene& scene, const QRectF& target,
                WheelText text = WheelText::AsPaths, std::optional<std::size_t> selected = std::nullopt);

/// The transform PaintWheel uses from the canvas to `target`.
QTransform WheelTransform(const QRectF& target);

/// The drawing on a white image of `size` device-independent pixels at
/// `devicePixelRatio`.
QImage WheelImage(const WheelScene& scene, QSize size, qreal devicePixelRatio = 1);

/// What a saved drawing says of itself in the file's properties.
struct WheelFileInfo {
  QString title;
  QString description;  ///< plain text, lines apart by "\n"
};

/// The properties of a drawing saved on its own: its title, and the words
/// said of the picture to a screen reader.
WheelFileInfo PlainWheelFileInfo(const WheelScene& scene);

/// The drawing as an SVG document, its text drawn as paths; `info` gives
/// its title and description.
QByteArray WheelSvg(const WheelScene& scene, const WheelFileInfo& info);

/// Writes the drawing to a one-page landscape PDF, its text kept as text and
/// `info` in its properties; false when the file cannot be written.
bool WriteWheelPdf(const WheelScene& scene, const QString& fileName, const WheelFileInfo& info);

/// A name set in its room: its lines and the font they take.
struct FittedName {
  QStringList lines;
  QFont font;
};

/// `text` set within `width`: at the largest pixel size from `largest`'s
/// down to `smallestPixels` that takes it on one line or, broken at its
/// spaces, on up to `maxLines` lines; else at the smallest size with its
/// last line cut short by an ellipsis. No line is wider than `width`.
FittedName FitName(const QString& text, const QFont& largest, int smallestPixels, qreal width, int maxLines = 1);

/// The outline of an aspect symbol that fonts seldom have (sextile,
/// semisextile, quincunx, sesquiquadrate: U+26B9 to U+26BC) in a box of
/// `size` with its top left at the origin, stroked rather than filled;
/// an empty path for any other character.
QPainterPath AspectSymbolPath(char32_t symbol, qreal size);

}  // namespace kelvra
