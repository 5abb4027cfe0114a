// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/svg_paint_device.h"

#include <QBuffer>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QTextLayout>
#include <utility>
#include <vector>

namespace kelvra {

namespace {

// `value` to `decimals` places, without trailing zeros or a leading zero.
void AppendNumber(QByteArray& out, double value, int decimals) {
  QByteArray digits = QByteArray::number(value, 'f', decimals);
  if (digits.contains('.')) {
    while (digits.endsWith('0')) digits.chop(1);
    if (digits.endsWith('.')) digits.chop(1);
  }
  if (digits == "-0") digits = "0";
  if (digits.startsWith("0.")) digits.remove(0, 1);
  else if (digits.startsWith("-0.")) digits.remove(1, 1);
  out += digits;
}

void AppendAttribute(QByteArray& out, const char* name, double value, int decimals = 2) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendNumber(out, value, decimals);
  out += '"';
}

void AppendPaint(QByteArray& out, const char* name, const QColor& colour) {
  const QRgb rgb = colour.rgb();
  const int channels[] = {qRed(rgb), qGreen(rgb), qBlue(rgb)};
  static const char kHex[] = "0123456789abcdef";
  bool doubled = true;
  for (int c : channels) doubled = doubled && c >> 4 == (c & 15);
  out += ' ';
  out += name;
  out += "=\"#";
  for (int c : channels) {
    out += kHex[c >> 4];
    if (!doubled) out += kHex[c & 15];
  }
  out += '"';
  if (colour.alpha() < 255) AppendAttribute(out, QByteArray(name).append("-opacity").constData(), colour.alphaF(), 3);
}

// The text as XML character data; characters XML 1.0 cannot carry at all
// (most control characters) are left out, so that the document stays readable.
QByteArray Escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (char32_t c : text.toUcs4()) {
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0xFFFE || c == 0xFFFF ||
        (c >= 0xD800 && c <= 0xDFFF))
      continue;
    switch (c) {
      case '&': out += QStringLiteral("&amp;"); break;
      case '<': out += QStringLiteral("&lt;"); break;
      case '>': out += QStringLiteral("&gt;"); break;
      default: out += QString::fromUcs4(&c, 1);
    }
  }
  return out.toUtf8();
}

// Path data in hundredths, relative but each point rounded where it lies,
// so that the rounding never adds up along a path.
class PathWriter {
 public:
  explicit PathWriter(QPointF offset) : offset_(offset) {}

  void moveTo(QPointF p) {
    endSubpath();
    const Point to = Rounded(p);
    if (started_) {
      command('m');
      pair(to - current_);
    } else {
      command('M');
      pair(to);
      started_ = true;
    }
    current_ = start_ = to;
  }

  void lineTo(QPointF p) {
    writePendingLine();
    pending_ = Rounded(p);
    hasPending_ = true;
    ++segments_;
  }

  void curveTo(QPointF c1, QPointF c2, QPointF end) {
    writePendingLine();
    command('c');
    pair(Rounded(c1) - current_);
    pair(Rounded(c2) - current_);
    const Point to = Rounded(end);
    pair(to - current_);
    current_ = to;
    ++segments_;
    drawn_ = true;
  }

  void close() {
    if (hasPending_ && pending_ == start_) hasPending_ = false;
    writePendingLine();
    command('z');
    current_ = start_;
    segments_ = 0;
    drawn_ = true;
  }

  /// The data; empty when the path draws nothing.
  QByteArray finish() {
    endSubpath();
    return drawn_ ? out_ : QByteArray();
  }

 private:
  struct Point {
    qint64 x = 0, y = 0;
    Point operator-(Point o) const { return {x - o.x, y - o.y}; }
    bool operator==(const Point&) const = default;
  };

  Point Rounded(QPointF p) const {
    return {qRound64((p.x() + offset_.x()) * 100), qRound64((p.y() + offset_.y()) * 100)};
  }

  // A subpath that comes back to its start is closed, as Qt's stroker takes
  // it: the ends joined, not capped.
  void endSubpath() {
    if (segments_ >= 2 && (hasPending_ ? pending_ : current_) == start_) close();
    writePendingLine();
    segments_ = 0;
  }

  void writePendingLine() {
    if (!hasPending_) return;
    hasPending_ = false;
    const Point by = pending_ - current_;
    if (by.y == 0 && by.x != 0) {
      command('h');
      number(by.x);
    } else if (by.x == 0 && by.y != 0) {
      command('v');
      number(by.y);
    } else {
      command('l');
      pair(by);
    }
    current_ = pending_;
    drawn_ = true;
  }

  void command(char c) {
    if (c == last_ && c != 'M' && c != 'm' && c != 'z') return;  // repeated implicitly
    out_ += c;
    last_ = c;
    needSpace_ = pointed_ = false;
  }

  void pair(Point p) {
    number(p.x);
    number(p.y);
  }

  // Numbers apart by a blank only where the second could be read as part of
  // the first: not before a sign, nor before a point after a point.
  void number(qint64 hundredths) {
    const bool negative = hundredths < 0;
    if (negative) hundredths = -hundredths;
    const qint64 whole = hundredths / 100, part = hundredths % 100;
    if (negative) out_ += '-';
    else if (needSpace_ && !(pointed_ && whole == 0 && part != 0)) out_ += ' ';
    if (whole != 0 || part == 0) out_ += QByteArray::number(whole);
    if (part != 0) {
      out_ += '.';
      out_ += char('0' + part / 10);
      if (part % 10 != 0) out_ += char('0' + part % 10);
    }
    needSpace_ = true;
    pointed_ = part != 0;
  }

  QPointF offset_;
  QByteArray out_;
  Point current_, start_, pending_;
  bool hasPending_ = false, started_ = false, drawn_ = false, needSpace_ = false, pointed_ = false;
  int segments_ = 0;
  char last_ = 0;
};

QByteArray PathData(const QPainterPath& path, QPointF offset) {
  PathWriter writer(offset);
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element& e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement: writer.moveTo(e); break;
      case QPainterPath::LineToElement: writer.lineTo(e); break;
      case QPainterPath::CurveToElement:
        if (i + 2 < path.elementCount()) writer.curveTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
        i += 2;
        break;
      case QPainterPath::CurveToDataElement: break;
    }
  }
  return writer.finish();
}

// Where a shape goes: a move is taken into its coordinates; any other
// transform stays a transform, so that strokes widen with it as in Qt.
struct Placement {
  QPointF offset;
  QByteArray transform;  // an attribute, or empty
};

Placement PlacementOf(const QTransform& t) {
  if (t.type() <= QTransform::TxTranslate) return {{t.dx(), t.dy()}, {}};
  QByteArray out = " transform=\"matrix(";
  const double parts[] = {t.m11(), t.m12(), t.m21(), t.m22()};
  for (double part : parts) {
    AppendNumber(out, part, 5);
    out += ' ';
  }
  AppendNumber(out, t.dx(), 2);
  out += ' ';
  AppendNumber(out, t.dy(), 2);
  out += ")\"";
  return {{}, out};
}

// What the shapes are drawn with unless they say otherwise: nothing filled,
// even-odd, and the ends and joins of Qt's default pen.
constexpr char kDefaults[] = " fill=\"none\" fill-rule=\"evenodd\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\"";

// What the device writes itself; the rest QPainter turns into what it can.
QPaintEngine::PaintEngineFeatures Features() {
  using E = QPaintEngine;
  const E::PaintEngineFeatures unwritten = E::PatternBrush | E::LinearGradientFill | E::RadialGradientFill |
                                           E::ConicalGradientFill | E::PerspectiveTransform | E::BrushStroke |
                                           E::MaskedBrush | E::PorterDuff | E::BlendModes | E::RasterOpModes |
                                           E::ObjectBoundingModeGradients | E::PatternTransform;
  return E::PaintEngineFeatures(E::AllFeatures) & ~unwritten;
}

}  // namespace

class SvgPaintEngine final : public QPaintEngine {
 public:
  SvgPaintEngine() : QPaintEngine(Features()) {}

  bool begin(QPaintDevice*) override { return true; }

  bool end() override {
    flushGroup();
    return true;
  }

  void updateState(const QPaintEngineState&) override {}  // read from `state` when drawing

  Type type() const override { return User; }

  void drawPath(const QPainterPath& path) override {
    const bool mapped = mapsCosmetic();
    const Placement placement = mapped ? Placement{} : PlacementOf(state->transform());
    QByteArray attributes;
    if (!style(attributes, true, path.fillRule())) return;
    const QByteArray d = PathData(mapped ? state->transform().map(path) : path, placement.offset);
    if (!d.isEmpty()) addPath(attributes + placement.transform, d, opaqueStroke(true));
  }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (count < 2) return;
    const bool mapped = mapsCosmetic();
    const Placement placement = mapped ? Placement{} : PlacementOf(state->transform());
    QByteArray attributes;
    if (!style(attributes, mode != PolylineMode, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill)) return;
    const auto at = [&](QPointF p) { return mapped ? state->transform().map(p) : p; };
    PathWriter writer(placement.offset);
    writer.moveTo(at(points[0]));
    for (int i = 1; i < count; ++i) writer.lineTo(at(points[i]));
    if (mode != PolylineMode) writer.close();
    addPath(attributes + placement.transform, writer.finish(), opaqueStroke(mode != PolylineMode));
  }

  void drawEllipse(const QRectF& rect) override {
    if (mapsCosmetic()) {
      QPainterPath path;
      path.addEllipse(rect);
      drawPath(path);
      return;
    }
    const Placement placement = PlacementOf(state->transform());
    QByteArray attributes;
    if (!style(attributes, true, Qt::OddEvenFill)) return;
    const QPointF centre = rect.center() + placement.offset;
    QByteArray rest;
    AppendAttribute(rest, "cx", centre.x());
    AppendAttribute(rest, "cy", centre.y());
    const bool circle = qRound64(rect.width() * 50) == qRound64(rect.height() * 50);
    if (circle) {
      AppendAttribute(rest, "r", rect.width() / 2);
    } else {
      AppendAttribute(rest, "rx", rect.width() / 2);
      AppendAttribute(rest, "ry", rect.height() / 2);
    }
    add(attributes + placement.transform, circle ? "circle" : "ellipse", rest + "/>");
  }

  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    const Placement placement = PlacementOf(state->transform());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    (source == QRectF(pixmap.rect()) ? pixmap : pixmap.copy(source.toAlignedRect())).save(&buffer, "PNG");
    QByteArray rest;
    AppendAttribute(rest, "x", rect.x() + placement.offset.x());
    AppendAttribute(rest, "y", rect.y() + placement.offset.y());
    AppendAttribute(rest, "width", rect.width());
    AppendAttribute(rest, "height", rect.height());
    rest += " preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>";
    QByteArray attributes;
    if (state->opacity() < 1) AppendAttribute(attributes, "opacity", state->opacity(), 3);
    add(attributes + placement.transform, "image", rest);
  }

  void fillGlyphs(const QTransform& transform, qreal opacity, const QColor& colour, const QList<QGlyphRun>& runs) {
    const Placement placement = PlacementOf(transform);
    QByteArray attributes;
    AppendPaint(attributes, "fill", colour);
    if (opacity < 1) AppendAttribute(attributes, "opacity", opacity, 3);
    attributes += placement.transform;
    for (const QGlyphRun& run : runs) {
      const QRawFont font = run.rawFont();
      const QList<quint32> indexes = run.glyphIndexes();
      const QList<QPointF> positions = run.positions();
      for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        const QByteArray id = glyphId(font, indexes[i]);
        if (id.isEmpty()) continue;  // a space
        QByteArray rest = " xlink:href=\"#" + id + '"';
        const QPointF at = positions[i] + placement.offset;
        if (qRound64(at.x() * 100) != 0) AppendAttribute(rest, "x", at.x());
        if (qRound64(at.y() * 100) != 0) AppendAttribute(rest, "y", at.y());
        add(attributes, "use", rest + "/>");
      }
    }
  }

  QByteArray defs, body;

 private:
  // The attributes of the current pen and brush, against the document's
  // group (kDefaults); false when the shape would not show.
  bool style(QByteArray& out, bool fillable, Qt::FillRule rule) const {
    bool shows = false;
    const QBrush& brush = state->brush();
    if (fillable && brush.style() != Qt::NoBrush) {
      AppendPaint(out, "fill", brush.color());
      if (rule == Qt::WindingFill) out += " fill-rule=\"nonzero\"";
      shows = true;
    }
    const QPen& pen = state->pen();
    if (pen.style() != Qt::NoPen && pen.brush().style() != Qt::NoBrush) {
      AppendPaint(out, "stroke", pen.color());
      const qreal width = pen.widthF() > 0 ? pen.widthF() : 1;
      if (width != 1) AppendAttribute(out, "stroke-width", width);
      if (pen.capStyle() == Qt::FlatCap) out += " stroke-linecap=\"butt\"";
      if (pen.capStyle() == Qt::RoundCap) out += " stroke-linecap=\"round\"";
      if (pen.joinStyle() == Qt::RoundJoin) out += " stroke-linejoin=\"round\"";
      if (pen.joinStyle() == Qt::MiterJoin || pen.joinStyle() == Qt::SvgMiterJoin) {
        out += " stroke-linejoin=\"miter\"";
        if (pen.miterLimit() != 4) AppendAttribute(out, "stroke-miterlimit", pen.miterLimit());
      }
      if (pen.style() != Qt::SolidLine) {
        // Qt measures dashes in line widths.
        out += " stroke-dasharray=\"";
        const QList<qreal> pattern = pen.dashPattern();
        for (qsizetype i = 0; i < pattern.size(); ++i) {
          if (i) out += ' ';
          AppendNumber(out, pattern[i] * width, 2);
        }
        out += '"';
        if (pen.dashOffset() != 0) AppendAttribute(out, "stroke-dashoffset", pen.dashOffset() * width);
      }
      shows = true;
    }
    if (state->opacity() < 1) AppendAttribute(out, "opacity", state->opacity(), 3);
    return shows;
  }

  // A hairline keeps its width whatever the transform: the shape is written
  // in the document's coordinates, as not every renderer knows
  // vector-effect="non-scaling-stroke".
  bool mapsCosmetic() const {
    return state->pen().style() != Qt::NoPen && state->pen().isCosmetic() &&
           state->transform().type() > QTransform::TxTranslate;
  }

  // Whether the shape is a stroke alone, in an opaque colour.
  bool opaqueStroke(bool fillable) const {
    return !(fillable && state->brush().style() != Qt::NoBrush) && state->pen().color().alpha() == 255 &&
           state->opacity() == 1;
  }

  QByteArray glyphId(const QRawFont& font, quint32 index) {
    const QString key = font.familyName() + QChar(0x1F) + font.styleName() + QChar(0x1F) +
                        QString::number(font.pixelSize()) + QChar(0x1F) + QString::number(font.weight()) +
                        QChar(0x1F) + QString::number(int(font.style())) + QChar(0x1F) + QString::number(index);
    if (const auto found = glyphIds_.constFind(key); found != glyphIds_.constEnd()) return *found;
    const QByteArray d = PathData(font.pathForGlyph(index), {});
    QByteArray id;
    if (!d.isEmpty()) {
      // Two glyphs of one shape (a font may map characters to copies) share it.
      if (const auto same = idsByOutline_.constFind(d); same != idsByOutline_.constEnd()) {
        id = *same;
      } else {
        id = "g" + QByteArray::number(idsByOutline_.size());
        idsByOutline_.insert(d, id);
        defs += "<path id=\"" + id + "\" d=\"" + d + "\"/>\n";
      }
    }
    glyphIds_.insert(key, id);
    return id;
  }

  // Shapes in a row with the same attributes share one group.
  void add(const QByteArray& attributes, const char* tag, const QByteArray& rest) {
    if (attributes != groupAttributes_) {
      flushGroup();
      groupAttributes_ = attributes;
    }
    group_.push_back({tag, rest, {}});
  }

  // A path; strokes of one opaque colour in a row make one path, which shows
  // them alike.
  void addPath(const QByteArray& attributes, const QByteArray& d, bool mergeable) {
    if (attributes != groupAttributes_) {
      flushGroup();
      groupAttributes_ = attributes;
    }
    if (mergeable && !group_.empty() && group_.back().mergeablePath) {
      group_.back().d += d;
      return;
    }
    group_.push_back({"path", {}, d, mergeable});
  }

  void flushGroup() {
    const bool grouped = group_.size() > 1 && !groupAttributes_.isEmpty();
    if (grouped) body += "<g" + groupAttributes_ + ">\n";
    for (const Shape& shape : group_) {
      body += '<';
      body += shape.tag;
      if (!grouped) body += groupAttributes_;
      if (shape.rest.isEmpty()) body += " d=\"" + shape.d + "\"/>";
      body += shape.rest;
      body += '\n';
    }
    if (grouped) body += "</g>\n";
    group_.clear();
  }

  struct Shape {
    const char* tag;
    QByteArray rest;  // the attributes after the group's, and the end of the tag
    QByteArray d;     // a path's data, when `rest` is empty
    bool mergeablePath = false;
  };

  QHash<QString, QByteArray> glyphIds_;
  QHash<QByteArray, QByteArray> idsByOutline_;
  QByteArray groupAttributes_;
  std::vector<Shape> group_;
};

SvgPaintDevice::SvgPaintDevice(QSize canvas) : canvas_(canvas), engine_(std::make_unique<SvgPaintEngine>()) {}

SvgPaintDevice::~SvgPaintDevice() = default;

QPaintEngine* SvgPaintDevice::paintEngine() const { return engine_.get(); }

int SvgPaintDevice::metric(PaintDeviceMetric metric) const {
  constexpr int kDpi = 72;  // a unit of the canvas is a point, as QSvgGenerator has it
  switch (metric) {
    case PdmWidth: return canvas_.width();
    case PdmHeight: return canvas_.height();
    case PdmWidthMM: return qRound(canvas_.width() * 25.4 / kDpi);
    case PdmHeightMM: return qRound(canvas_.height() * 25.4 / kDpi);
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
  }
  return QPaintDevice::metric(metric);
}

QByteArray SvgPaintDevice::document(const QString& title, const QString& description) const {
  QByteArray out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.2\" "
      "baseProfile=\"tiny\"";
  // Its size on paper as QSvgGenerator gives it, a unit a point.
  out += " width=\"";
  AppendNumber(out, canvas_.width() * 25.4 / 72, 3);
  out += "mm\" height=\"";
  AppendNumber(out, canvas_.height() * 25.4 / 72, 3);
  out += "mm\" viewBox=\"0 0 " + QByteArray::number(canvas_.width()) + ' ' + QByteArray::number(canvas_.height()) +
         "\">\n<title>" + Escaped(title) + "</title>\n<desc>" + Escaped(description) + "</desc>\n<defs>\n" +
         engine_->defs + "</defs>\n<g" + kDefaults + ">\n" + engine_->body + "</g>\n</svg>\n";
  return out;
}

QList<QGlyphRun> GlyphRunsOf(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  QTextOption option = layout.textOption();
  option.setUseDesignMetrics(true);  // as QPainterPath::addText lays text out
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);  // from the origin, whichever way the text reads
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  if (!line.isValid()) return {};
  QList<QGlyphRun> runs = line.glyphRuns();
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& at : positions) at.ry() -= line.ascent();
    run.setPositions(positions);
  }
  return runs;
}

bool FillGlyphs(QPainter& painter, const QString& text, const QFont& font, const QColor& colour) {
  auto* device = dynamic_cast<SvgPaintDevice*>(painter.device());
  if (!device || !painter.isActive()) return false;
  device->engine_->fillGlyphs(painter.combinedTransform(), painter.opacity(), colour, GlyphRunsOf(text, font));
  return true;
}

}  // namespace kelvra
