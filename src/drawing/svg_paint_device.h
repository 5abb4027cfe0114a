// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QGlyphRun>
#include <QList>
#include <QPaintDevice>
#include <QSize>
#include <memory>

class QColor;
class QFont;
class QPainter;
class QString;

namespace kelvra {

class SvgPaintEngine;

/// A paint device that writes a compact SVG document: coordinates to a
/// hundredth, consecutive shapes of one style in one group, and text given to
/// FillGlyphs as glyph outlines, each defined once and placed where it is
/// drawn. What it cannot write as such (gradients, patterns, perspective)
/// QPainter hands it as images; clipping is not written.
class SvgPaintDevice : public QPaintDevice {
 public:
  /// `canvas` is the view box, in the units the painter draws in.
  explicit SvgPaintDevice(QSize canvas);
  ~SvgPaintDevice() override;

  QPaintEngine* paintEngine() const override;

  /// The document of what has been painted, with its `title` and its
  /// `description` (plain text).
  QByteArray document(const QString& title, const QString& description) const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  friend bool FillGlyphs(QPainter& painter, const QString& text, const QFont& font, const QColor& colour);

  QSize canvas_;
  std::unique_ptr<SvgPaintEngine> engine_;
};

/// The glyphs of `text` in `font`, placed as QPainterPath::addText places
/// them with the left end of the baseline at the origin.
QList<QGlyphRun> GlyphRunsOf(const QString& text, const QFont& font);

/// Fills `text` in `font` as GlyphRunsOf places it, from the painter's origin,
/// when `painter` paints on an SvgPaintDevice; false, drawing nothing, on
/// any other device.
bool FillGlyphs(QPainter& painter, const QString& text, const QFont& font, const QColor& colour);

}  // namespace kelvra
