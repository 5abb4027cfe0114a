// SPDX-License-Identifier: AGPL-3.0-or-later
// The bi-wheel as pictures: against committed references, as SVG and as PDF.
//
// To update the references after a deliberate change of the drawing, run
//   KELVRA_UPDATE_WHEEL_REFERENCES=1 build/tests/drawing/wheel_render_tests
// from the source root, look at tests/drawing/reference/*.png, and commit them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <functional>
#include <set>

#include "fixed_couples.h"
#include "drawing/svg_paint_device.h"
#include "drawing/wheel_painter.h"
#include "vocabulary/wheel_words.h"

namespace kelvra {
namespace {

using namespace Qt::StringLiterals;

const QSize kSize(795, 570);  // three quarters of the canvas

// Antialiasing may differ in the last bit between renderers and versions;
// anything drawn in the wrong place differs by far more, over far more pixels.
constexpr int kChannelTolerance = 32;
constexpr double kPixelShareTolerance = 0.005;

// The share of pixels that differ; with `where`, an image of them in red.
double DifferingShare(const QImage& a, const QImage& b, QImage* where = nullptr) {
  if (a.size() != b.size()) return 1;
  const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
  if (where) *where = x.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
  qint64 differing = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int col = 0; col < x.width(); ++col) {
      const bool differs = std::abs(qRed(p[col]) - qRed(q[col])) > kChannelTolerance ||
                           std::abs(qGreen(p[col]) - qGreen(q[col])) > kChannelTolerance ||
                           std::abs(qBlue(p[col]) - qBlue(q[col])) > kChannelTolerance ||
                           std::abs(qAlpha(p[col]) - qAlpha(q[col])) > kChannelTolerance;
      differing += differs;
      if (differs && where) where->setPixel(col, row, qRgb(255, 0, 0));
    }
  }
  return double(differing) / double(qint64(x.width()) * x.height());
}

QString Reference(const char* couple, int scale) {
  return QStringLiteral(KELVRA_WHEEL_REFERENCES "/%1-%2x.png").arg(QLatin1String(couple)).arg(scale);
}

TEST(WheelPicture, MatchesTheReferences) {
  const bool update = qEnvironmentVariableIsSet("KELVRA_UPDATE_WHEEL_REFERENCES");
  for (const FixedCouple& couple : kFixedCouples) {
    const WheelScene scene = FixedScene(couple);
    for (int scale : {1, 2}) {
      QImage drawn = WheelImage(scene, kSize, scale);
      drawn.setDevicePixelRatio(1);
      if (update) {
        ASSERT_TRUE(drawn.save(Reference(couple.name, scale)));
        continue;
      }
      const QImage reference(Reference(couple.name, scale));
      ASSERT_FALSE(reference.isNull()) << Reference(couple.name, scale).toStdString();
      const double share = DifferingShare(drawn, reference);
      if (share > kPixelShareTolerance)
        drawn.save(QDir::temp().filePath(QStringLiteral("wheel-%1-%2x.png").arg(couple.name).arg(scale)));
      EXPECT_LE(share, kPixelShareTolerance) << couple.name << " at scale " << scale << " (drawing left in "
                                             << QDir::tempPath().toStdString() << ")";
    }
  }
}

// `svg` drawn by QSvgRenderer on white at `size`.
QImage ThroughQt(const QByteArray& svg, QSize size) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

// `svg` drawn by rsvg-convert on white at `size`; a null image when it fails.
QImage ThroughRsvg(const QByteArray& svg, QSize size) {
  const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
  QTemporaryDir dir;
  const QString svgFile = dir.filePath(QStringLiteral("drawing.svg")), pngFile = dir.filePath(QStringLiteral("drawing.png"));
  QFile file(svgFile);
  if (rsvg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size()) return {};
  file.close();
  if (QProcess::execute(rsvg, {QStringLiteral("-w"), QString::number(size.width()), QStringLiteral("-h"),
                               QString::number(size.height()), QStringLiteral("-b"), QStringLiteral("white"),
                               QStringLiteral("-o"), pngFile, svgFile}) != 0)
    return {};
  return QImage(pngFile);
}

// What an SVG document holds, read as XML.
struct SvgContents {
  QString error;  // empty when the document is well-formed
  QString title, description;
  std::set<QString> elements;
  QStringList outlines;  // the data of each path defined in <defs>
  std::set<QString> ids, references;
  int uses = 0;
};

SvgContents Read(const QByteArray& svg) {
  SvgContents contents;
  QXmlStreamReader xml(svg);
  bool inDefs = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == u"defs") inDefs = false;
    if (!xml.isStartElement()) continue;
    const QString name = xml.name().toString();
    contents.elements.insert(name);
    const QXmlStreamAttributes attributes = xml.attributes();
    if (name == u"defs") {
      inDefs = true;
    } else if (name == u"path" && inDefs) {
      contents.outlines << attributes.value(u"d"_s).toString();
      contents.ids.insert(QLatin1Char('#') + attributes.value(u"id"_s).toString());
    } else if (name == u"use") {
      ++contents.uses;
      contents.references.insert(attributes.value(u"http://www.w3.org/1999/xlink"_s, u"href"_s).toString());
    } else if (name == u"title") {
      contents.title = xml.readElementText();
    } else if (name == u"desc") {
      contents.description = xml.readElementText();
    }
  }
  if (xml.hasError()) contents.error = xml.errorString();
  return contents;
}

// An SVG viewer without our fonts must still show every glyph, and any
// renderer must show what the window shows.
TEST(WheelPicture, SvgHasOnlyPathsAndRendersAsDrawn) {
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty())
      << "rsvg-convert (librsvg2-bin) is missing";
  const std::set<QString> shapes = {u"svg"_s,  u"title"_s, u"desc"_s,   u"defs"_s,   u"g"_s,
                                    u"path"_s, u"use"_s,   u"circle"_s, u"ellipse"_s};
  for (const FixedCouple& couple : kFixedCouples) {
    const WheelScene scene = FixedScene(couple);
    const QByteArray svg = WheelSvg(scene, PlainWheelFileInfo(scene));
    const SvgContents contents = Read(svg);
    EXPECT_EQ(contents.error, QString()) << couple.name;
    for (const QString& element : contents.elements)
      EXPECT_TRUE(shapes.contains(element)) << couple.name << ": <" << element.toStdString() << ">";
    const QImage drawn = WheelImage(scene, kSize);

    const QImage viaQt = ThroughQt(svg, kSize);
    ASSERT_FALSE(viaQt.isNull()) << couple.name;
    EXPECT_LE(DifferingShare(drawn, viaQt), kPixelShareTolerance) << couple.name << " through QSvgRenderer";

    const QImage viaRsvg = ThroughRsvg(svg, kSize);
    ASSERT_FALSE(viaRsvg.isNull()) << couple.name;
    QImage where;
    const double share = DifferingShare(drawn, viaRsvg, &where);
    if (share > kPixelShareTolerance) where.save(QDir::temp().filePath(QStringLiteral("wheel-rsvg-%1.png").arg(couple.name)));
    EXPECT_LE(share, kPixelShareTolerance) << couple.name << " through rsvg-convert (differences in red in "
                                           << QDir::tempPath().toStdString() << ")";
  }
}

// Each glyph's outline is written once and placed where it is drawn, which
// keeps a couple's drawing small enough to mail and to write by the thousand.
TEST(WheelPicture, SvgDefinesEachGlyphOnce) {
  for (const FixedCouple& couple : kFixedCouples) {
    const WheelScene scene = FixedScene(couple);
    const QByteArray svg = WheelSvg(scene, PlainWheelFileInfo(scene));
    EXPECT_LT(svg.size(), 150'000) << couple.name;
    const SvgContents contents = Read(svg);
    EXPECT_EQ(contents.outlines.size(), QSet<QString>(contents.outlines.begin(), contents.outlines.end()).size())
        << couple.name;
    EXPECT_LT(contents.outlines.size() * 2, contents.uses) << couple.name;
    for (const QString& reference : contents.references)
      EXPECT_TRUE(contents.ids.contains(reference)) << couple.name << ": " << reference.toStdString();
  }
}

// Names come from the user: whatever they hold, the document stays XML and
// says them as they are.
TEST(WheelPicture, SvgTitleAndDescriptionAreEscaped) {
  const WheelScene scene = FixedScene(kFixedCouples[0]);
  const struct {
    QString title, description, expectedDescription;
  } cases[] = {
      {u"Ola <&> \"Kari\" 'K'"_s, u"a < b && c > d\nline </desc> two"_s, u"a < b && c > d\nline </desc> two"_s},
      {u"]]> &amp;"_s, u"bell\u0007 and escape\u001B gone, tab\tkept"_s, u"bell and escape gone, tab\tkept"_s},
  };
  for (const auto& c : cases) {
    const SvgContents contents = Read(WheelSvg(scene, {c.title, c.description}));
    EXPECT_EQ(contents.error, QString()) << c.title.toStdString();
    EXPECT_EQ(contents.title, c.title);
    EXPECT_EQ(contents.description, c.expectedDescription);
  }
}

// The SVG's glyphs sit where the window's outlines of the same text do,
// whichever way the text reads and whatever font it falls back to.
TEST(SvgPaintDevice, GlyphsSitWhereTheTextsOutlineIs) {
  const auto font = [](int pixels, bool bold) {
    QFont f(u"DejaVu Sans"_s);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
  };
  const struct {
    QString text;
    QFont font;
  } cases[] = {
      {u"Guinevere"_s, font(11, false)},
      {u"AC"_s, font(13, true)},
      {u"\u2648\uFE0E"_s, font(24, false)},
      {u"\u221215.3\u00B0  \u2609"_s, font(12, false)},
      {u"\u05E9\u05DC\u05D5\u05DD"_s, font(12, false)},             // read right to left
      {u"Kari \u05E9\u05DC\u05D5\u05DD 7"_s, font(11, true)},       // both ways in one line
      {u"\u00C6\u00F8\u00E5 \u011E \u0416"_s, font(9, false)},
  };
  for (const auto& c : cases) {
    QPainterPath expected;
    expected.addText(0, 0, c.font, c.text);
    QPainterPath placed;
    for (const QGlyphRun& run : GlyphRunsOf(c.text, c.font))
      for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
        placed.addPath(run.rawFont().pathForGlyph(run.glyphIndexes()[i]).translated(run.positions()[i]));
    const QRectF want = expected.boundingRect(), got = placed.boundingRect();
    EXPECT_FALSE(want.isEmpty()) << c.text.toStdString();
    EXPECT_EQ(placed.elementCount(), expected.elementCount()) << c.text.toStdString();
    for (const auto& [a, b] : {std::pair{want.left(), got.left()}, {want.top(), got.top()},
                               {want.right(), got.right()}, {want.bottom(), got.bottom()}})
      EXPECT_NEAR(a, b, 0.01) << c.text.toStdString();
  }
}

// Beyond the wheel's own strokes: what QPainter draws on the device shows as
// Qt draws it on an image, through either renderer.
TEST(SvgPaintDevice, ShapesShowAsQtDrawsThem) {
  const QSize size(240, 160);
  const auto text = [](QPainter& p, const QString& words) {
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(22);
    if (!FillGlyphs(p, words, font, Qt::darkMagenta)) {
      QPainterPath outline;
      outline.addText(0, 0, font, words);
      p.fillPath(outline, Qt::darkMagenta);
    }
  };
  const struct {
    const char* name;
    std::function<void(QPainter&)> draw;
    double tolerance = kPixelShareTolerance;
  } cases[] = {
      {"square, flat and round ends",
       [](QPainter& p) {
         for (Qt::PenCapStyle cap : {Qt::SquareCap, Qt::FlatCap, Qt::RoundCap}) {
           p.setPen(QPen(Qt::darkBlue, 10, Qt::SolidLine, cap));
           for (int x = 20; x < 240; x += 20) p.drawLine(QPointF(x, 20), QPointF(x, 30));
           p.translate(0, 45);
         }
       }},
      {"bevelled joins",
       [](QPainter& p) {
         p.setPen(QPen(Qt::darkBlue, 9));
         p.drawPolyline(QPolygonF{{20, 20}, {200, 40}, {40, 140}});
       }},
      {"flat ends, round and mitred joins",
       [](QPainter& p) {
         p.setPen(QPen(Qt::darkGreen, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
         p.drawPolyline(QPolygonF{{20, 140}, {60, 20}, {100, 140}});
         p.setPen(QPen(Qt::red, 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
         p.drawPolyline(QPolygonF{{130, 140}, {170, 40}, {210, 140}});
       }},
      {"an outline that comes back to its start",
       [](QPainter& p) {
         p.setPen(QPen(Qt::black, 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
         QPainterPath triangle;
         triangle.moveTo(40, 130);
         triangle.lineTo(120, 20);
         triangle.lineTo(200, 130);
         triangle.lineTo(40, 130);
         p.drawPath(triangle);
       }},
      {"winding and even-odd fills",
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(200, 80, 0));
         for (Qt::FillRule rule : {Qt::WindingFill, Qt::OddEvenFill}) {
           QPainterPath path;
           path.setFillRule(rule);
           path.addRect(10, 20, 80, 80);
           path.addRect(40, 50, 80, 80);
           p.drawPath(path);
           p.translate(110, 0);
         }
       }},
      {"turned and stretched, translucent",
       [](QPainter& p) {
         p.translate(120, 80);
         p.rotate(30);
         p.scale(2, 1);
         p.setPen(QPen(QColor(0, 0, 0, 128), 3));
         p.setBrush(QColor(0, 160, 0));
         p.drawEllipse(QPointF(0, 0), 40, 25);
         p.setOpacity(0.5);
         p.fillRect(QRectF(-10, -30, 20, 60), Qt::blue);
       }},
      {"a dashed pen",
       [](QPainter& p) {
         p.setPen(QPen(Qt::black, 3, Qt::DashLine));
         p.drawLine(QPointF(10, 30), QPointF(230, 30));
       }},
      {"a hairline",
       [](QPainter& p) {
         p.scale(4, 4);
         p.setPen(QPen(Qt::black, 0));
         p.drawLine(QPointF(3, 20), QPointF(57, 35));
       },
       // Renderers smooth a hairline each their own way; one four times as
       // wide differs on three times as many pixels.
       0.015},
      {"glyphs turned as the wheel's degrees",
       [&](QPainter& p) {
         p.translate(40, 120);
         text(p, u"AC 12\u00B007\u2032"_s);
         p.rotate(-35);
         text(p, u"\u2648\uFE0E Kari"_s);
       }},
  };
  for (const auto& c : cases) {
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    c.draw(painter);
    painter.end();
    SvgPaintDevice device(size);
    painter.begin(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    c.draw(painter);
    painter.end();
    const QByteArray svg = device.document(QString::fromLatin1(c.name), {});
    EXPECT_FALSE(svg.contains("<image")) << c.name;
    EXPECT_LE(DifferingShare(drawn, ThroughQt(svg, size)), c.tolerance) << c.name << " through QSvgRenderer";
    EXPECT_LE(DifferingShare(drawn, ThroughRsvg(svg, size)), c.tolerance) << c.name << " through rsvg-convert";
  }
}

TEST(WheelPicture, PdfTextCanBeExtracted) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is missing";
  QTemporaryDir dir;
  const WheelScene scene = FixedScene(kFixedCouples[1]);
  const QString pdf = dir.filePath(QStringLiteral("wheel.pdf"));
  ASSERT_TRUE(WriteWheelPdf(scene, pdf, {QStringLiteral("Wheel"), {}}));
  QProcess process;
  process.start(pdftotext, {pdf, QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished());
  // Ligatures come out as their own characters ("ﬁ"), as a reader's search sees them.
  const QString text = QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
  for (const std::string& expected :
       {std::string("Inner ring: Ola"), std::string("Outer ring: Kari"), std::string("Declination"),
        Tr(words::kPorphyryNote), scene.male[0].degrees})
    EXPECT_TRUE(text.contains(QString::fromStdString(expected))) << expected << " not in:\n" << text.toStdString();
}

// Whatever the form admits draws: coordinates past the poles, the last list
// entries, names far longer than the space for them (cut short with an ellipsis).
TEST(WheelPicture, ExtremeInputsDraw) {
  using enum LatitudeDirection;
  using enum LongitudeDirection;
  const std::string longName(300, 'W');
  const FixedCouple couples[] = {
      {"poles", FixedBirth(longName.c_str(), "31", 12, "2050", 24, 59, 999, North, 999, East),
       FixedBirth(longName.c_str(), "1", 1, "1900", 0, 0, 90, South, 180, West)},
      {"unnamed", FixedBirth("", "29", 2, "2001", 12, 0, 89, North, 0, East),
       FixedBirth("", "1", 1, "1900", 0, 0, 0, North, 0, East)},
  };
  for (const FixedCouple& couple : couples) {
    const WheelScene scene = FixedScene(couple);
    const QImage drawn = WheelImage(scene, kSize);
    EXPECT_FALSE(drawn.isNull()) << couple.name;
    const QByteArray svg = WheelSvg(scene, PlainWheelFileInfo(scene));
    EXPECT_TRUE(QSvgRenderer(svg).isValid()) << couple.name;
    EXPECT_FALSE(svg.contains("nan")) << couple.name;
    // Nothing of the names reaches into the right half of the canvas's top line.
    int inked = 0;
    for (int x = kSize.width() / 2; x < kSize.width() * 0.7; ++x) inked += drawn.pixel(x, 16) != qRgb(255, 255, 255);
    EXPECT_EQ(inked, 0) << couple.name;
    // Nor past the sides of the declination strip, over which they stand.
    const double scale = kSize.width() / wheel::kCanvasWidth;
    int past = 0;
    for (int y = int(44 * scale); y <= int(70 * scale); ++y)
      for (int x = int(750 * scale); x < kSize.width(); ++x)
        if (x < (wheel::kStripLeft - 1) * scale || x > (wheel::kStripRight + 1) * scale)
          past += drawn.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(past, 0) << couple.name;
  }
}

// A name of any length stays within its room: smaller, then on more lines,
// then cut short with an ellipsis; nothing is lost without one.
TEST(WheelPicture, NamesFitTheirRoom) {
  const QString names[] = {QString(),
                           QStringLiteral("Ola"),
                           QStringLiteral("Guinevere"),
                           QStringLiteral("Guinevere of Camelot"),
                           QStringLiteral("Inner ring: Guinevere Pendragon of Camelot"),
                           QStringLiteral("Guinevere of Camelot, Queen of the Britons and of the Round Table"),
                           QString(300, u'W'),
                           QStringLiteral("Wwwwwwwwwwwwwwwwwwwwwwww Smith"),
                           QStringLiteral("Jo Smith-Wwwwwwwwwwwwwwwwwwwwwwwwwwww")};
  QFont largest(QStringLiteral("DejaVu Sans"));
  largest.setPixelSize(11);
  largest.setBold(true);
  for (const QString& name : names)
    for (qreal width : {60.0, 113.0, 262.0})
      for (int maxLines : {1, 2}) {
        const FittedName fitted = FitName(name, largest, 9, width, maxLines);
        const std::string what = name.left(40).toStdString() + " in " + std::to_string(width);
        ASSERT_GE(fitted.lines.size(), 1) << what;
        EXPECT_LE(fitted.lines.size(), maxLines) << what;
        EXPECT_GE(fitted.font.pixelSize(), 9) << what;
        EXPECT_LE(fitted.font.pixelSize(), 11) << what;
        EXPECT_TRUE(fitted.font.bold()) << what;
        for (const QString& line : fitted.lines) {
          EXPECT_LE(QFontMetricsF(fitted.font).horizontalAdvance(line), width) << what;
          QPainterPath ink;
          ink.addText(0, 0, fitted.font, line);
          EXPECT_LE(ink.boundingRect().right(), width) << what << ": " << line.toStdString();
        }
        if (!fitted.lines.last().endsWith(QChar(0x2026))) {
          EXPECT_EQ(fitted.lines.join(u' '), name) << what;
        }
        if (QFontMetricsF(largest).horizontalAdvance(name) <= width) {
          EXPECT_EQ(fitted.lines, QStringList{name}) << what;
          EXPECT_EQ(fitted.font.pixelSize(), 11) << what;
        }
      }
}

// Every character the drawing writes is in DejaVu Sans, or is one of the four
// symbols drawn as strokes, or is the text-form selector that shows nothing.
TEST(WheelPicture, EveryGlyphHasAShape) {
  const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans")));
  ASSERT_TRUE(font.familyName().startsWith(QStringLiteral("DejaVu Sans")));
  for (const FixedCouple& couple : kFixedCouples) {
    const WheelScene scene = FixedScene(couple);
    std::string written;
    for (const RingMark& mark : scene.male) written += mark.glyph + mark.degrees;
    for (const RingMark& mark : scene.female) written += mark.glyph + mark.degrees;
    for (const SceneContact& contact : scene.contacts) written += contact.caption;
    written += "\u2648\u2649\u264A\u264B\u264C\u264D\u264E\u264F\u2650\u2651\u2652\u2653\u2212";
    for (char32_t c : QString::fromStdString(written).toUcs4()) {
      if (c == U'\uFE0E') continue;
      if (c >= U'\u26B9' && c <= U'\u26BC') {
        EXPECT_FALSE(AspectSymbolPath(c, 10).isEmpty()) << std::hex << unsigned(c);
        EXPECT_TRUE(QRectF(0, 0, 10, 10).contains(AspectSymbolPath(c, 10).boundingRect())) << std::hex << unsigned(c);
      } else {
        EXPECT_TRUE(font.supportsCharacter(c)) << "U+" << std::hex << unsigned(c);
      }
    }
  }
  EXPECT_TRUE(AspectSymbolPath(U'A', 10).isEmpty());
}

}  // namespace
}  // namespace kelvra

// Only the fonts the project installs: a private fontconfig file that knows
// DejaVu alone, so the pictures do not depend on the machine's other fonts.
int main(int argc, char** argv) {
  QTemporaryDir fontDir;
  QFile config(fontDir.filePath(QStringLiteral("fonts.conf")));
  if (!config.open(QIODevice::WriteOnly)) return 2;
  config.write(QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
                              "<dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>%1</cachedir></fontconfig>")
                   .arg(fontDir.filePath(QStringLiteral("cache")))
                   .toUtf8());
  config.close();
  qputenv("FONTCONFIG_FILE", config.fileName().toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
