// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/wheel_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <cmath>
#include <numbers>

#include "drawing/pdf_metadata.h"
#include "drawing/svg_paint_device.h"
#include "vocabulary/common_words.h"
#include "vocabulary/wheel_words.h"

namespace kelvra {

namespace {

namespace w = wheel;

// Colours that stay apart for colour-blind eyes (Okabe and Ito's palette),
// and line styles that tell the same story without colour.
const QColor kAdds(0, 114, 178);
const QColor kTakesAway(213, 94, 0);
const QColor kNeutral(110, 110, 110);
const QColor kMale(24, 64, 120);
const QColor kFemale(136, 34, 100);
const QColor kInk(60, 60, 60);
const QColor kFaint(170, 170, 170);
const QColor kHighlight(255, 214, 0);

QColor ToneColour(ContactTone tone) {
  switch (tone) {
    case ContactTone::Adds: return kAdds;
    case ContactTone::TakesAway: return kTakesAway;
    case ContactTone::Neutral: return kNeutral;
  }
  return kNeutral;
}

// Dash and gap lengths in line widths; dashes drawn as segments of their own,
// so that every SVG renderer puts them where Qt does.
struct Dashes {
  qreal dash = 0, gap = 0;  // 0: a solid line
};

Dashes ToneDashes(ContactTone tone) {
  switch (tone) {
    case ContactTone::Adds: return {};
    case ContactTone::TakesAway: return {4, 2};
    case ContactTone::Neutral: return {1, 2};
  }
  return {};
}

void StyledLine(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width, Dashes dashes) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  if (dashes.dash <= 0) {
    p.drawLine(a, b);
    return;
  }
  const QLineF line(a, b);
  const qreal length = line.length(), dash = dashes.dash * width, period = (dashes.dash + dashes.gap) * width;
  QPainterPath path;
  for (qreal at = 0; at < length; at += period) {
    path.moveTo(line.pointAt(at / length));
    path.lineTo(line.pointAt(std::min(at + dash, length) / length));
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// Fire, earth, air and water, as the signs take them in turn.
const QColor kElementInk[] = {QColor(176, 58, 46), QColor(61, 122, 52), QColor(140, 110, 0), QColor(42, 94, 168)};
const QColor kElementTint[] = {QColor(253, 238, 235), QColor(238, 246, 234), QColor(252, 248, 228),
                               QColor(234, 241, 251)};

QPointF At(double angle, double radius) {
  const CanvasPoint p = OnWheel(angle, radius);
  return {p.x, p.y};
}

QPointF At(CanvasPoint p) { return {p.x, p.y}; }

QFont Font(qreal pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(qRound(pixels));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);  // the same shapes at every scale
  return font;
}

bool DrawnAsPath(char32_t c) { return c >= U'\u26B9' && c <= U'\u26BC'; }

// Outlining text costs more than filling it, and the drawing repaints the
// same texts again and again: each text's outline, at the origin of its
// baseline, is kept.
const QPainterPath& OutlineOf(const QString& text, const QFont& font) {
  thread_local QHash<QString, QPainterPath> cache;
  const QString key = text + QChar(0x1F) + QString::number(font.pixelSize()) + (font.bold() ? u'b' : u'n');
  if (const auto found = cache.constFind(key); found != cache.constEnd()) return *found;
  if (cache.size() > 4096) cache.clear();  // bounded: a chart brings some fifty new texts
  QPainterPath outline;
  outline.addText(0, 0, font, text);
  return *cache.insert(key, std::move(outline));
}

// One painter for every text of the drawing: as outlines or as text, with the
// four symbols no font of ours has drawn as strokes.
class Writer {
 public:
  Writer(QPainter& painter, WheelText mode) : painter_(painter), mode_(mode) {}

  qreal width(const QString& text, const QFont& font) const {
    const QFontMetricsF metrics(font);
    qreal total = 0;
    for (const Run& run : Runs(text)) total += run.symbol ? SymbolSize(font) : metrics.horizontalAdvance(run.text);
    return total;
  }

  // `anchor` is the text's centre when `align` is Qt::AlignHCenter, its left
  // end with Qt::AlignLeft, its right end with Qt::AlignRight; vertically it
  // is always the middle of the capital letters.
  void write(const QString& text, const QFont& font, QPointF anchor, Qt::Alignment align, const QColor& colour) {
    const QFontMetricsF metrics(font);
    qreal x = anchor.x();
    if (align & Qt::AlignHCenter) x -= width(text, font) / 2;
    if (align & Qt::AlignRight) x -= width(text, font);
    const qreal baseline = anchor.y() + metrics.capHeight() / 2;
    for (const Run& run : Runs(text)) {
      if (run.symbol) {
        const qreal size = SymbolSize(font);
        QPen pen(colour, size / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter_.strokePath(AspectSymbolPath(run.symbol, size).translated(x, baseline - size * 0.86), pen);
        x += size;
      } else if (mode_ == WheelText::AsPaths) {
        painter_.save();
        painter_.translate(x, baseline);
        if (!FillGlyphs(painter_, run.text, font, colour)) painter_.fillPath(OutlineOf(run.text, font), colour);
        painter_.restore();
        x += metrics.horizontalAdvance(run.text);
      } else {
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(QPointF(x, baseline), run.text);
        x += metrics.horizontalAdvance(run.text);
      }
    }
  }

  // Text along the radius at `angle`, centred at `radius`, reading outwards
  // on the right half of the wheel and inwards on the left, never upside down.
  void writeRadial(const QString& text, const QFont& font, double angle, double radius, const QColor& colour) {
    painter_.save();
    painter_.translate(At(angle, radius));
    painter_.rotate(RadialTextTurn(angle));
    write(text, font, {0, 0}, Qt::AlignHCenter, colour);
    painter_.restore();
  }

 private:
  struct Run {
    QString text;
    char32_t symbol = 0;
  };

  static qreal SymbolSize(const QFont& font) { return font.pixelSize() * 0.9; }

  static std::vector<Run> Runs(const QString& text) {
    std::vector<Run> runs;
    QString pending;
    for (char32_t c : text.toUcs4()) {
      if (DrawnAsPath(c)) {
        if (!pending.isEmpty()) runs.push_back({pending, 0});
        pending.clear();
        runs.push_back({{}, c});
      } else {
        pending += QString::fromUcs4(&c, 1);
      }
    }
    if (!pending.isEmpty()) runs.push_back({pending, 0});
    return runs;
  }

  QPainter& painter_;
  WheelText mode_;
};

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString Text(const Template& words) { return QString::fromStdString(Tr(words)); }

QString Text(const Template& words, std::initializer_list<std::string_view> args) {
  return QString::fromStdString(Tr(words, args));
}

// A name cut to `width` with an ellipsis, so a long one never runs into the wheel.
QString Fitted(const QString& text, const QFont& font, qreal width) {
  return QFontMetricsF(font).elidedText(text, Qt::ElideRight, width);
}

// `text` broken at its spaces into lines no wider than `width` where the
// words allow; a word wider than that stays whole on its line.
QStringList Wrapped(const QString& text, const QFontMetricsF& metrics, qreal width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + u' ' + word;
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
    } else {
      lines.append(line);
      line = word;
    }
  }
  if (!line.isEmpty()) lines.append(line);
  return lines;
}

void Circle(QPainter& p, double radius, const QPen& pen) {
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(w::kCentreX, w::kCentreY), radius, radius);
}

// The lines of the Ascendant, the Descendant, the Midheaven and the Imum
// Coeli: they cross the zodiac ring.
std::array<double, 4> Axes(const WheelScene& scene) {
  return {scene.cuspAngles[1], scene.cuspAngles[4], scene.cuspAngles[7], scene.cuspAngles[10]};
}

void DrawZodiac(QPainter& p, Writer& writer, const WheelScene& scene) {
  const double ascendant = scene.ascendant;
  const std::array<double, 4> axes = Axes(scene);
  static const char16_t kSigns[12] = {u'\u2648', u'\u2649', u'\u264A', u'\u264B', u'\u264C', u'\u264D',
                                      u'\u264E', u'\u264F', u'\u2650', u'\u2651', u'\u2652', u'\u2653'};
  const QRectF outer(w::kCentreX - w::kZodiacOuter, w::kCentreY - w::kZodiacOuter, 2 * w::kZodiacOuter,
                     2 * w::kZodiacOuter);
  for (int sign = 0; sign < 12; ++sign) {
    const double start = WheelAngle(sign * 30.0, ascendant);
    QPainterPath band;
    band.arcMoveTo(outer, start);
    band.arcTo(outer, start, 30);
    band.arcTo(QRectF(w::kCentreX - w::kZodiacInner, w::kCentreY - w::kZodiacInner, 2 * w::kZodiacInner,
                      2 * w::kZodiacInner),
               start + 30, -30);
    band.closeSubpath();
    p.fillPath(band, kElementTint[sign % 4]);
    p.setPen(QPen(kInk, 1));
    p.drawLine(At(start, w::kZodiacInner), At(start, w::kZodiacOuter));
    // U+FE0E: the text form, never a colour emoji.
    const QString glyph = QString(QChar(kSigns[sign])) + QChar(0xFE0E);
    const QFont glyphFont = Font(24);
    // The glyph keeps clear of an axis by its half diagonal and a gap, as
    // an angle on the band's middle.
    const QRectF box = OutlineOf(glyph, glyphFont).boundingRect();
    const double radius = (w::kZodiacInner + w::kZodiacOuter) / 2;
    const double clearance = (std::hypot(box.width(), box.height()) / 2 + 2) / radius * 180 / std::numbers::pi;
    writer.write(glyph, glyphFont, At(SignGlyphAngle(start, axes, clearance), radius), Qt::AlignHCenter,
                 kElementInk[sign % 4]);
  }
  // A tick every degree, longer every five, on the ring's inner edge.
  p.setPen(QPen(kInk, 0.8));
  for (int degree = 0; degree < 360; ++degree) {
    const double angle = WheelAngle(degree, ascendant);
    const double length = degree % 5 == 0 ? 7 : 3.5;
    p.drawLine(At(angle, w::kZodiacInner), At(angle, w::kZodiacInner + length));
  }
  Circle(p, w::kZodiacOuter, QPen(kInk, 1.4));
  Circle(p, w::kZodiacInner, QPen(kInk, 1));
}

void DrawHouses(QPainter& p, Writer& writer, const WheelScene& scene) {
  for (int house = 1; house <= 12; ++house) {
    const double angle = scene.cuspAngles[std::size_t(house)];
    const bool axis = house == 1 || house == 4 || house == 7 || house == 10;
    // Cusps mark the edges of his ring and leave its labels clear; the axes
    // go on across the zodiac.
    p.setPen(QPen(axis ? kMale : kFaint, axis ? 2 : 1));
    p.drawLine(At(angle, w::kInnerRingInner), At(angle, w::kInnerRingInner + 12));
    p.drawLine(At(angle, w::kOuterRingInner - 12), At(angle, w::kOuterRingInner));
    if (axis) p.drawLine(At(angle, w::kZodiacInner), At(angle, w::kZodiacOuter + 4));
    // The house number halfway to the next cusp, just inside the man's ring.
    const double next = scene.cuspAngles[std::size_t(house % 12 + 1)];
    const double middle = angle + std::fmod(next - angle + 360, 360.0) / 2;
    writer.write(QString::number(house), Font(9), At(middle, w::kInnerRingInner + 7), Qt::AlignHCenter, kFaint);
  }
  // The Ascendant's end of its axis as an arrow, the Midheaven's as a dot,
  // both outside the zodiac ring so that neither covers a sign.
  const double asc = scene.cuspAngles[1], mc = scene.cuspAngles[10];
  const double tip = w::kZodiacOuter + 1, base = tip + w::kAscendantArrowLength;
  QPainterPath arrow;
  arrow.moveTo(At(asc, tip));
  arrow.lineTo(At(asc + 1.5, base));
  arrow.lineTo(At(asc - 1.5, base));
  arrow.closeSubpath();
  p.fillPath(arrow, kMale);
  p.setPen(Qt::NoPen);
  p.setBrush(kMale);
  p.drawEllipse(At(mc, w::kZodiacOuter + 4), 3.5, 3.5);
}

// One person's ring: a tick where each point is, its glyph and its degree
// where its label fits, joined to the tick when moved aside.
void DrawRing(QPainter& p, Writer& writer, const std::vector<RingMark>& marks, double inner, double outer,
              const QColor& colour, bool markAngles) {
  const double glyphRadius = outer - 19, textRadius = inner + 31;
  for (const RingMark& mark : marks) {
    p.setPen(QPen(colour, 1.2));
    p.drawLine(At(mark.angle, outer), At(mark.angle, outer - 6));
    p.setPen(QPen(colour, 0.8));
    p.drawLine(At(mark.angle, outer - 6), At(mark.labelAngle, glyphRadius + 10));
    const bool word = mark.glyph.size() == 2;  // "AC", "MC"
    writer.write(Text(mark.glyph), Font(word ? 13 : 19, word), At(mark.labelAngle, glyphRadius), Qt::AlignHCenter,
                 colour);
    writer.writeRadial(Text(mark.degrees), Font(11), mark.labelAngle, textRadius, colour);
    // Where the contact lines end.
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(At(mark.angle, w::kInnerRingInner), 2, 2);
    if (markAngles && word) {
      p.setPen(QPen(colour, 2));
      p.drawLine(At(mark.angle, inner), At(mark.angle, inner + 8));
    }
  }
  Circle(p, inner, QPen(kInk, 1));
}

void ContactLine(QPainter& p, const SceneContact& contact, bool selected) {
  const qreal width = std::min(0.7 + contact.contact.strength * 0.25, 3.4);
  if (selected) {
    p.setPen(QPen(kHighlight, width + 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(At(contact.from), At(contact.to));
  }
  StyledLine(p, At(contact.from), At(contact.to), ToneColour(contact.tone), selected ? width + 1 : width,
             ToneDashes(contact.tone));
}

QString Declination(double degrees) {
  const double rounded = std::round(degrees * 10) / 10;
  if (rounded == 0) return QStringLiteral("0.0\u00B0");
  return QStringLiteral("%1%2\u00B0").arg(rounded > 0 ? QStringLiteral("+") : QStringLiteral("\u2212"))
      .arg(std::fabs(rounded), 0, 'f', 1);
}

void DrawStrip(QPainter& p, Writer& writer, const WheelScene& scene) {
  const double middle = (w::kStripLeft + w::kStripRight) / 2;
  writer.write(Text(words::kDeclination), Font(15, true), {middle, 30}, Qt::AlignHCenter, kInk);
  const QString male = Text(scene.maleName.empty() ? Tr(words::kMan.nameless) : scene.maleName);
  const QString female = Text(scene.femaleName.empty() ? Tr(words::kWoman.nameless) : scene.femaleName);
  // Each name over its side of the strip, on two lines when it must, both
  // at the size the longer one takes.
  const qreal room = w::kStripRight - w::kStripAxisX - 12;
  static_assert(w::kStripAxisX - w::kStripLeft == w::kStripRight - w::kStripAxisX);
  const int size = std::min(FitName(male, Font(11, true), 9, room, 2).font.pixelSize(),
                            FitName(female, Font(11, true), 9, room, 2).font.pixelSize());
  const auto name = [&](const QString& text, qreal x, Qt::Alignment align, const QColor& colour) {
    const FittedName fitted = FitName(text, Font(size, true), 9, room, 2);
    const qreal step = fitted.font.pixelSize() * 1.25;
    qreal y = 60 - step * qreal(fitted.lines.size() - 1) / 2;
    for (const QString& line : fitted.lines) {
      writer.write(line, fitted.font, {x, y}, align, colour);
      y += step;
    }
  };
  name(male, w::kStripAxisX - 12, Qt::AlignRight, kMale);
  name(female, w::kStripAxisX + 12, Qt::AlignLeft, kFemale);

  // The scale: a tick every 5 degrees, north up, the equator marked.
  p.setPen(QPen(kInk, 1));
  p.drawLine(QPointF(w::kStripAxisX, w::kStripTop - 8), QPointF(w::kStripAxisX, w::kStripBottom + 8));
  for (int degrees = -int(scene.stripLimit); degrees <= int(scene.stripLimit); degrees += 5) {
    const double y = StripY(degrees, scene.stripLimit);
    StyledLine(p, QPointF(w::kStripAxisX - 22, y), QPointF(w::kStripAxisX + 22, y), degrees == 0 ? kInk : kFaint, 1,
               degrees == 0 ? Dashes{} : Dashes{1, 2});
    if (degrees % 10 == 0)
      writer.write(degrees == 0 ? QStringLiteral("0\u00B0")
                                : QStringLiteral("%1%2\u00B0").arg(degrees > 0 ? "+" : "\u2212").arg(std::abs(degrees)),
                   Font(9), {w::kStripAxisX, y - 7}, Qt::AlignHCenter, kInk);
  }
  writer.write(Text(words::kNorthMark), Font(10, true), {w::kStripAxisX, w::kStripTop - 16}, Qt::AlignHCenter, kInk);
  writer.write(Text(words::kSouthMark), Font(10, true), {w::kStripAxisX, w::kStripBottom + 16}, Qt::AlignHCenter, kInk);

  const auto side = [&](const std::vector<StripMark>& marks, double dotX, double sign, const QColor& colour) {
    for (const StripMark& mark : marks) {
      const double labelX = dotX + sign * 22;
      p.setPen(QPen(colour, 0.8));
      p.drawLine(QPointF(dotX, mark.y), QPointF(labelX, mark.labelY));
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawEllipse(QPointF(dotX, mark.y), 2.5, 2.5);
      const QString label = sign < 0 ? Declination(mark.declination) + "  " + Text(mark.glyph)
                                     : Text(mark.glyph) + "  " + Declination(mark.declination);
      writer.write(label, Font(12), {labelX + sign * 3, mark.labelY}, sign < 0 ? Qt::AlignRight : Qt::AlignLeft,
                   colour);
    }
  };
  side(scene.maleStrip, w::kStripAxisX - 20, -1, kMale);
  side(scene.femaleStrip, w::kStripAxisX + 20, 1, kFemale);
}

void DrawLegend(QPainter& p, Writer& writer, const WheelScene& scene) {
  const std::string male = scene.maleName.empty() ? Tr(words::kMan.noun) : scene.maleName;
  const std::string female = scene.femaleName.empty() ? Tr(words::kWoman.noun) : scene.femaleName;
  // Each line in the corner above the wheel, up to a gap before the zodiac
  // ring and the Midheaven's dot beside it at the line's lowest row; both
  // at the size the tighter one takes.
  const QString inner = Text(words::kInnerRing, {male}), outer = Text(words::kOuterRing, {female});
  const auto room = [](qreal y) {
    const qreal half = 13 * 0.6;
    return CircleLeftEdge(y - half, y + half, w::kZodiacOuter + 8) - 6 - 12;
  };
  const int size = std::min(FitName(inner, Font(13, true), 10, room(22)).font.pixelSize(),
                            FitName(outer, Font(13, true), 10, room(42)).font.pixelSize());
  const auto ringLine = [&](const QString& text, qreal y, const QColor& colour) {
    const FittedName fitted = FitName(text, Font(size, true), 10, room(y));
    writer.write(fitted.lines.value(0), fitted.font, {12, y}, Qt::AlignLeft, colour);
  };
  ringLine(inner, 22, kMale);
  ringLine(outer, 42, kFemale);
  const struct {
    ContactTone tone;
    Template legend;
  } rows[] = {{ContactTone::Adds, words::kLegendAdds},
              {ContactTone::TakesAway, words::kLegendTakes},
              {ContactTone::Neutral, words::kLegendNeutral}};
  double y = w::kCanvasHeight - 62;
  for (const auto& row : rows) {
    StyledLine(p, QPointF(12, y), QPointF(46, y), ToneColour(row.tone), 2.2, ToneDashes(row.tone));
    writer.write(Text(row.legend), Font(11), {54, y}, Qt::AlignLeft, kInk);
    y += 20;
  }
  if (scene.porphyry)
    writer.write(Text(words::kPorphyryNote), Font(12, true), {w::kCanvasWidth - 12, w::kCanvasHeight - 14},
                 Qt::AlignRight, kInk);
}

}  // namespace

FittedName FitName(const QString& text, const QFont& largest, int smallestPixels, qreal width, int maxLines) {
  const int top = std::max(largest.pixelSize(), smallestPixels);
  QFont font = largest;
  const auto fits = [&](const QStringList& lines, const QFontMetricsF& metrics) {
    return std::all_of(lines.begin(), lines.end(), [&](const QString& l) { return metrics.horizontalAdvance(l) <= width; });
  };
  // The largest size that takes it, on one line if it can: a second line
  // reads better than a smaller size.
  for (int pixels = top; pixels >= smallestPixels; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    if (fits({text}, metrics)) return {{text}, font};
    const QStringList set = Wrapped(text, metrics, width);
    if (maxLines > 1 && set.size() <= maxLines && fits(set, metrics)) return {set, font};
  }
  // Too long at the smallest size: the lines that fit, the last cut short.
  font.setPixelSize(smallestPixels);
  const QFontMetricsF metrics(font);
  QStringList set = Wrapped(text, metrics, width);
  if (maxLines < 2 || set.size() < maxLines || !fits(set.mid(0, maxLines - 1), metrics))
    return {{metrics.elidedText(text, Qt::ElideRight, width)}, font};
  const QString rest = set.mid(maxLines - 1).join(u' ');
  set = set.mid(0, maxLines - 1);
  set.append(metrics.elidedText(rest, Qt::ElideRight, width));
  return {set, font};
}

QTransform WheelTransform(const QRectF& target) {
  const qreal scale = std::min(target.width() / w::kCanvasWidth, target.height() / w::kCanvasHeight);
  QTransform transform;
  transform.translate(target.center().x() - scale * w::kCanvasWidth / 2,
                      target.center().y() - scale * w::kCanvasHeight / 2);
  transform.scale(scale, scale);
  return transform;
}

void PaintWheel(QPainter& painter, const WheelScene& scene, const QRectF& target, WheelText text,
                std::optional<std::size_t> selected) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(WheelTransform(target), true);
  Writer writer(painter, text);

  DrawZodiac(painter, writer, scene);
  Circle(painter, w::kOuterRingInner, QPen(kInk, 1));
  DrawHouses(painter, writer, scene);
  DrawRing(painter, writer, scene.female, w::kOuterRingInner, w::kZodiacInner, kFemale, true);
  DrawRing(painter, writer, scene.male, w::kInnerRingInner, w::kOuterRingInner, kMale, false);
  DrawStrip(painter, writer, scene);

  // Weakest first, so the strong contacts stay on top.
  std::vector<std::size_t> order(scene.contacts.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return scene.contacts[a].contact.strength < scene.contacts[b].contact.strength;
  });
  for (std::size_t i : order)
    if (i != selected) ContactLine(painter, scene.contacts[i], false);
  if (selected && *selected < scene.contacts.size()) {
    const SceneContact& contact = scene.contacts[*selected];
    ContactLine(painter, contact, true);
    // Right of the wheel's top, where the corner holds some 340 units.
    const QFont captionFont = Font(14, true);
    writer.write(Fitted(Text(contact.caption), captionFont, 340), captionFont, {w::kCentreX * 2, 22}, Qt::AlignRight,
                 ToneColour(contact.tone));
  }
  DrawLegend(painter, writer, scene);
  painter.restore();
}

QImage WheelImage(const WheelScene& scene, QSize size, qreal devicePixelRatio) {
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintWheel(painter, scene, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

WheelFileInfo PlainWheelFileInfo(const WheelScene& scene) {
  return {Text(WheelTitle(scene.maleName, scene.femaleName)), Text(SpokenDescription(scene))};
}

QByteArray WheelSvg(const WheelScene& scene, const WheelFileInfo& info) {
  const QRectF canvas(0, 0, w::kCanvasWidth, w::kCanvasHeight);
  SvgPaintDevice device(canvas.size().toSize());
  QPainter painter(&device);
  painter.fillRect(canvas, Qt::white);
  PaintWheel(painter, scene, canvas, WheelText::AsPaths);
  painter.end();
  return device.document(info.title, info.description);
}

bool WriteWheelPdf(const WheelScene& scene, const QString& fileName, const WheelFileInfo& info) {
  QPdfWriter writer(fileName);
  writer.setTitle(info.title);
  writer.setCreator(Text(words::kProgramName));
  if (!info.description.isEmpty())
    writer.setDocumentXmpMetadata(PdfXmpMetadata(info.title, info.description, Text(words::kProgramName)));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                   QPageLayout::Millimeter));
  writer.setResolution(300);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  PaintWheel(painter, scene, QRectF(writer.pageLayout().paintRectPixels(writer.resolution()).translated(
                                 -writer.pageLayout().paintRectPixels(writer.resolution()).topLeft())),
             WheelText::AsText);
  return painter.end();
}

}  // namespace kelvra
