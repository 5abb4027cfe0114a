// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/report_printing.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include "shell/message.h"

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

QString AskPdfFileName(QWidget* parent) {
  QFileDialog dialog(parent, QStringLiteral("Save a PDF copy of the report"),
                     QDir::home().filePath(QStringLiteral("Kelvra report.pdf")), QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
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
  QImage image(page.size() * kImageScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(kImageScale);
  image.fill(Qt::white);
  page.render(&image);
  const QSizeF room = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  const QSizeF size = PageSizeOn(page, printer.resolution(), room);
  painter.drawImage(QRectF(QPointF((room.width() - size.width()) / 2, 0), size), image);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

bool WritePagePdf(QWidget& page, const QString& fileName) {
  QPdfWriter writer(fileName);
  writer.setCreator(QStringLiteral("Kelvra"));
  writer.setTitle(QStringLiteral("Kelvra compatibility report"));
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

void PrintReportPage(QWidget& page, QWidget* dialogParent) {
  if (std::unique_ptr<QPrinter> printer = CurrentPrinter()(); printer && PrintPageImage(page, *printer)) return;
  ShowMessage(dialogParent, QStringLiteral("The report could not be printed: no printer is available or the "
                                           "printer failed. You can save a PDF copy of the report instead."));
  const QString fileName = CurrentSaveFileName()(dialogParent);
  if (fileName.isEmpty()) return;
  if (!WritePagePdf(page, fileName))
    ShowMessage(dialogParent, QStringLiteral("The PDF copy could not be written to %1.").arg(QDir::toNativeSeparators(fileName)));
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
