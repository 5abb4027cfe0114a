// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace kelvra::testing {

/// Catches every web address the program hands to the desktop while it lives.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  UrlRecorder();
  ~UrlRecorder() override;

  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url);
};

/// Text a poppler tool prints for `file` ("pdftotext" or "pdfinfo"); fails
/// the current test when the tool cannot run.
QString PdfToolOutput(const QString& tool, const QString& file);

/// The "Pages:" figure of pdfinfo, or -1.
int PdfPageCount(const QString& file);

}  // namespace kelvra::testing
