// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "report/report_fields.h"

class QLabel;

namespace kelvra {

class EntryForm;
class WindowDirector;

/// The report as the entry form shows it and the analysis result: every text
/// verbatim (the month as the month list names it), the figures as decimal
/// integers. Without a form the identity and chart texts are empty.
CompatibilityReport ReadCompatibilityReport(const EntryForm* entryForm, const CompatibilityResult& result);

/// The printable report page: both persons, their charts and the figures,
/// at fixed positions on an 11325 by 10800 twip page. Each field is a label
/// whose objectName is the field's name.
class frmReport : public QWidget {
 public:
  explicit frmReport(QWidget* parent = nullptr);

  /// The load handler: copies the report from the open entry form and the
  /// result the analysis left, then closes the entry form.
  void FillReport(WindowDirector& director);

  void showReport(const CompatibilityReport& report);
  /// The fields as the page shows them.
  CompatibilityReport shownReport() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void addIdentity(const char* frameName, const char* caption, const QRect& geometry, int captionLeft, int valueLeft,
                   bool male);
  void addChart(QWidget* parent, const char* frameName, const char* caption, const QRect& geometry, bool male);
  /// A field's label, named after the field, kept at the field's place in kReportFields.
  QLabel* addField(QWidget* parent, std::string_view name, const QFont& font, const QRect& geometry,
                   Qt::Alignment alignment);

  std::array<QLabel*, std::tuple_size_v<decltype(kReportFields)>> fields_{};
};

}  // namespace kelvra
