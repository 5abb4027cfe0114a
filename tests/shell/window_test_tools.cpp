// SPDX-License-Identifier: AGPL-3.0-or-later
#include "window_test_tools.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QProcess>
#include <QRegularExpression>

namespace kelvra::testing {

UrlRecorder::UrlRecorder() {
  for (const char* scheme : {"http", "https"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
}

UrlRecorder::~UrlRecorder() {
  for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlRecorder::Open(const QUrl& url) { urls.append(url); }

QString PdfToolOutput(const QString& tool, const QString& file) {
  QProcess process;
  QStringList arguments{file};
  if (tool == QLatin1String("pdftotext")) arguments << QStringLiteral("-");
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << tool.toStdString() << " failed on " << file.toStdString() << ": "
                  << process.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& file) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(PdfToolOutput(QStringLiteral("pdfinfo"), file));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace kelvra::testing
