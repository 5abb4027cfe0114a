// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

#include "shell/scoped_replacement.h"
#include "shell/words.h"
#include "vocabulary/report_words.h"

class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

namespace kelvra {

/// Prints `page` as an image to `printer`, at its true size when the paper
/// allows, otherwise shrunk to fit. False when the printer cannot be opened
/// or reports an error.
bool PrintPageImage(QWidget& page, QPrinter& printer);

/// Draws `page` as PrintPageImage prints it, on a painter already begun on
/// `printer`'s current page.
void DrawPageImage(QWidget& page, QPainter& painter, QPrinter& printer);

/// Writes `page` to a one-page PDF file, its texts kept as text. False when
/// the file cannot be written.
bool WritePagePdf(QWidget& page, const QString& fileName);

/// Writes `document` to A4 pages of a PDF file, as many as it needs, its text
/// kept as text; `title` and `description` go into the file's properties.
/// False when the file cannot be written.
bool WriteDocumentPdf(QTextDocument& document, const QString& fileName, const QString& title,
                      QPageLayout::Orientation orientation = QPageLayout::Portrait,
                      const QString& description = {});

/// What a save dialog asks: its title, the file name it suggests, and the
/// kinds of file it offers (a file dialog's filter, ";;" between kinds; the
/// first kind's extension is added to a name typed without one).
struct PdfSaveQuestion {
  QString title;
  QString suggestedName;  ///< AskSaveFileName puts it in the folder last saved to
  QString filter = Text(words::kPdfFilter);
  bool offerBirthData = false;  ///< offers "Include birth data", unticked
};

/// What the user answered: the file (empty when cancelled) and whether the
/// file is to carry both persons' birth data.
struct SaveAnswer {
  QString fileName;
  bool includeBirthData = false;
};

/// Asks where to save a file, through the function SetSaveFileNameFunction
/// sets, suggesting the name in the folder of the last save of this run (the
/// home folder at first).
SaveAnswer AskSaveFileName(QWidget* dialogParent, const PdfSaveQuestion& question);

/// Asks where to save a PDF copy and writes it there with `write`; cancelling
/// writes nothing, and a failed write is reported in a message. Gives the
/// file written, empty when none was.
QString SavePdfCopy(QWidget* dialogParent, const PdfSaveQuestion& question,
                    const std::function<bool(const QString& fileName)>& write);

/// `name` fit to be a file's name on every common system: the characters
/// some system refuses (/ \ : * ? " < > | and control characters) replaced
/// by "_", no blanks or dots at either end, and at most kMaxFileNameBytes
/// bytes of UTF-8, cut before the extension so the extension stays.
QString SafeFileName(const QString& name);
inline constexpr int kMaxFileNameBytes = 200;

/// The folder the next save dialog opens in: that of the last file saved in
/// this run, the home folder before any or once that folder is gone.
QString LastSaveFolder();

/// Makes the folder of `savedFile` the one the next save dialog opens in.
void RememberSaveFolder(const QString& savedFile);

/// Sets the folder the next save dialog opens in (empty: the home folder) and
/// returns the one before; for tests.
QString SetLastSaveFolder(QString folder);
using ScopedLastSaveFolder = ScopedReplacement<QString, &SetLastSaveFolder>;

/// Print: the page goes to the default printer without a dialog. When there
/// is no printer or printing fails, says so in one message and offers to save
/// a PDF copy instead; cancelling the save writes nothing.
void PrintReportPage(QWidget& page, QWidget* dialogParent);

/// Where PrintReportPage prints: the default printer, or nullptr when there is
/// none. Tests point it at a PDF-format printer; an empty function restores
/// the default. Returns the previous function.
using PrinterFunction = std::function<std::unique_ptr<QPrinter>()>;
PrinterFunction SetPrinterFunction(PrinterFunction function);

/// SetPrinterFunction for the guard's lifetime.
using ScopedPrinterFunction = ScopedReplacement<PrinterFunction, &SetPrinterFunction>;

/// Asks where to save a file; an empty name means the user cancelled.
/// Tests answer without a dialog; an empty function restores the standard
/// save dialog. Returns the previous function.
using SaveFileNameFunction = std::function<SaveAnswer(QWidget* parent, const PdfSaveQuestion& question)>;
SaveFileNameFunction SetSaveFileNameFunction(SaveFileNameFunction function);

/// SetSaveFileNameFunction for the guard's lifetime.
using ScopedSaveFileNameFunction = ScopedReplacement<SaveFileNameFunction, &SetSaveFileNameFunction>;

}  // namespace kelvra
