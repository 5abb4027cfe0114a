// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/report_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

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

QString AskPdfFileName(QWidget* parent, const PdfSaveQuestion& question) {
  QFileDialog dialog(parent, question.title, QDir::home().filePath(question.suggestedName), question.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QFileInfo(question.suggestedName).suffix());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
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
                      QPageLayout::Orientation orientation) {
  QPdfWriter writer(fileName);
  writer.setCreator(Text(words::kProgramName));
  writer.setTitle(title);
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

QString AskSaveFileName(QWidget* dialogParent, const PdfSaveQuestion& question) {
  return CurrentSaveFileName()(dialogParent, question);
}

void SavePdfCopy(QWidget* dialogParent, const PdfSaveQuestion& question,
                 const std::function<bool(const QString& fileName)>& write) {
  const QString fileName = CurrentSaveFileName()(dialogParent, question);
  if (fileName.isEmpty()) return;
  if (!write(fileName))
    ShowMessage(dialogParent, Text(words::kPdfNotWritten, {QDir::toNativeSeparators(fileName).toStdString()}));
}

void PrintReportPage(QWidget& page, QWidget* dialogParent) {
  if (std::unique_ptr<QPrinter> printer = CurrentPrinter()(); printer && PrintPageImage(page, *printer)) return;
  ShowMessage(dialogParent, Text(words::kPrintFailed));
  SavePdfCopy(dialogParent, {Text(words::kSavePdfTitle), Text(words::kSavePdfName)},
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
