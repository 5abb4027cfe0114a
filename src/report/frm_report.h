// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>

#include "report/report_fields.h"

namespace kelvra {

class WindowDirector;

/// The report as the entry form's controls (found by objectName) and the
/// analysis result show it: every text verbatim, the figures as decimal
/// integers. Without a form the identity and chart texts are empty.
CompatibilityReport ReadCompatibilityReport(const QWidget* entryForm, const CompatibilityResult& result);

/// The printable report page: both persons, their charts and the figures,
/// at fixed positions on an 11325 by 10800 twip page. Each field is a label
/// whose objectName is the field's name.
class frmReport : public QWidget {
 public:
  explicit frmReport(QWidget* parent = nullptr);

  /// The load handler: copies the report from the open entry form and the
  /// result the analysis left, then closes the entry form.
  void FillReport(WindowDirector& director);

  void ShowReport(const CompatibilityReport& report);
  /// The fields as the page shows them.
  CompatibilityReport ShownReport() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kelvra
