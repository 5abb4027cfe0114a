// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/report_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include "drawing/pdf_metadata.h"
#include "shell/message.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/report_words.h"

namespace kelvra {

namespace {

// Page layouts are drawn at 15 twips a pixel, i.e. 96 pixels an inch.
constexpr double kPagePixelsPerInch = 96.0;
// Resolution of the printed image against the page's own pixels.
constexpr double kImageScale = 3.0;

std::unique_ptr<QPrinter> DefaultPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // Without any installed printer Qt quietly turns the printer into a PDF
  // writer with no file; that is no printer at all.
  if (printer->outputFormat() != QPrinter::NativeFormat) return nullptr;
  return printer;
}

SaveAnswer AskPdfFileName(QWidget* parent, const PdfSaveQuestion& question) {
  QFileDialog dialog(parent, question.title, question.suggestedName, question.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QFileInfo(question.suggestedName).suffix());
  QCheckBox* birthData = nullptr;
  if (question.offerBirthData) {
    // The platform's own dialogs take no extra controls; Qt's does.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      birthData = new QCheckBox(Text(words::kSaveIncludeBirthData), &dialog);
      birthData->setObjectName(QStringLiteral("chkIncludeBirthData"));
      grid->addWidget(birthData, grid->rowCount(), 0, 1, grid->columnCount());
    }
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return {dialog.selectedFiles().value(0), birthData && birthData->isChecked()};
}

QString& SaveFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

PrinterFunction& CurrentPrinter() {
  static PrinterFunction function = DefaultPrinter;
  return function;
}

SaveFileNameFunction& CurrentSaveFileName() {
  static SaveFileNameFunction function = AskPdfFileName;
  return function;
}

// The page's size in device pixels at `resolution`, shrunk to `room` if larger.
QSizeF PageSizeOn(const QWidget& page, int resolution, const QSizeF& room) {
  QSizeF size = QSizeF(page.size()) * (resolution / kPagePixelsPerInch);
  if (size.width() > room.width() || size.height() > room.height()) size.scale(room, Qt::KeepAspectRatio);
  return size;
}

}  // namespace

bool PrintPageImage(QWidget& page, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  DrawPageImage(page, painter, printer);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

void DrawPageImage(QWidget& page, QPainter& painter, QPrinter& printer) {
  QImage image(page.size() * kImageScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(kImageScale);
  image.fill(Qt::white);
  page.render(&image);
  const QSizeF room = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  const QSizeF size = PageSizeOn(page, printer.resolution(), room);
  painter.drawImage(QRectF(QPointF((room.width() - size.width()) / 2, 0), size), image);
}

bool WritePagePdf(QWidget& page, const QString& fileName) {
  QPdfWriter writer(fileName);
  writer.setCreator(Text(words::kProgramName));
  writer.setTitle(Text(words::kPdfReportTitle));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                   QPageLayout::Millimeter));
  writer.setResolution(1200);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const QSizeF room = writer.pageLayout().paintRectPixels(writer.resolution()).size();
  const QSizeF size = PageSizeOn(page, writer.resolution(), room);
  painter.translate((room.width() - size.width()) / 2, 0);
  painter.scale(size.width() / page.width(), size.height() / page.height());
  // Rendering through the painter keeps labels as PDF text, where an image
  // would turn them into pixels.
  page.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return painter.end();
}

bool WriteDocumentPdf(QTextDocument& document, const QString& fileName, const QString& title,
                      QPageLayout::Orientation orientation, const QString& description) {
  QPdfWriter writer(fileName);
  writer.setCreator(Text(words::kProgramName));
  writer.setTitle(title);
  if (!description.isEmpty())
    writer.setDocumentXmpMetadata(PdfXmpMetadata(title, description, Text(words::kProgramName)));
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  writer.setResolution(1200);
  // QTextDocument::print would do the same but cannot say when the file
  // fails to open: the painter can.
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const std::unique_ptr<QTextDocument> copy(document.clone());
  copy->documentLayout()->setPaintDevice(&writer);
  const QSizeF page = writer.pageLayout().paintRectPixels(writer.resolution()).size();
  copy->setPageSize(page);
  for (int i = 0; i < copy->pageCount(); ++i) {
    if (i > 0 && !writer.newPage()) return false;
    const QRectF shown(0, i * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -shown.top());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    copy->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return painter.end();
}

SaveAnswer AskSaveFileName(QWidget* dialogParent, const PdfSaveQuestion& question) {
  PdfSaveQuestion asked = question;
  asked.suggestedName = QDir(LastSaveFolder()).filePath(question.suggestedName);
  return CurrentSaveFileName()(dialogParent, asked);
}

QString SavePdfCopy(QWidget* dialogParent, const PdfSaveQuestion& question,
                    const std::function<bool(const QString& fileName)>& write) {
  const QString fileName = AskSaveFileName(dialogParent, question).fileName;
  if (fileName.isEmpty()) return {};
  if (!write(fileName)) {
    ShowMessage(dialogParent, Text(words::kPdfNotWritten, {QDir::toNativeSeparators(fileName).toStdString()}));
    return {};
  }
  RememberSaveFolder(fileName);
  return fileName;
}

QString SafeFileName(const QString& name) {
  static const QString refused = QStringLiteral("/\\:*?\"<>|");
  QString safe;
  safe.reserve(name.size());
  for (const QChar c : name) safe += (c.unicode() < 0x20 || c.unicode() == 0x7F || refused.contains(c)) ? u'_' : c;
  const auto strip = [](QString& text) {
    while (!text.isEmpty() && (text.front() == u'.' || text.front().isSpace())) text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u'.' || text.back().isSpace())) text.chop(1);
  };
  strip(safe);
  if (safe.toUtf8().size() <= kMaxFileNameBytes) return safe;
  // The extension is what says the file's kind: the cut is made before it.
  const qsizetype dot = safe.lastIndexOf(u'.');
  const QString suffix = dot > 0 && safe.size() - dot <= 8 ? safe.mid(dot) : QString();
  QString base = safe.left(safe.size() - suffix.size());
  const qsizetype room = kMaxFileNameBytes - suffix.toUtf8().size();
  while (!base.isEmpty() && base.toUtf8().size() > room) base.chop(base.back().isLowSurrogate() ? 2 : 1);
  strip(base);
  return base + suffix;
}

QString LastSaveFolder() {
  // A folder removed since is no place to suggest.
  return QFileInfo(SaveFolder()).isDir() ? SaveFolder() : QDir::homePath();
}

void RememberSaveFolder(const QString& savedFile) { SaveFolder() = QFileInfo(savedFile).absolutePath(); }

QString SetLastSaveFolder(QString folder) {
  QString previous = std::move(SaveFolder());
  SaveFolder() = folder.isEmpty() ? QDir::homePath() : std::move(folder);
  return previous;
}

void PrintReportPage(QWidget& page, QWidget* dialogParent) {
  if (std::unique_ptr<QPrinter> printer = CurrentPrinter()(); printer && PrintPageImage(page, *printer)) return;
  ShowMessage(dialogParent, Text(words::kPrintFailed));
  SavePdfCopy(dialogParent, {Text(words::kSavePdfTitle), SafeFileName(Text(words::kSavePdfName))},
              [&page](const QString& fileName) { return WritePagePdf(page, fileName); });
}

PrinterFunction SetPrinterFunction(PrinterFunction function) {
  PrinterFunction previous = std::move(CurrentPrinter());
  CurrentPrinter() = function ? std::move(function) : PrinterFunction(DefaultPrinter);
  return previous;
}

SaveFileNameFunction SetSaveFileNameFunction(SaveFileNameFunction function) {
  SaveFileNameFunction previous = std::move(CurrentSaveFileName());
  CurrentSaveFileName() = function ? std::move(function) : SaveFileNameFunction(AskPdfFileName);
  return previous;
}

}  // namespace kelvra
