// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "reportdata/report_fields.h"
#include "vocabulary/text.h"

class QLabel;

namespace kelvra {

class EntryForm;
class WindowDirector;
struct ConvertedBirthTime;

/// The report as the entry form shows it and the analysis result: every text
/// verbatim (the month as the month list names it), the figures as decimal
/// integers. Without a form the identity and chart texts are empty.
CompatibilityReport ReadCompatibilityReport(const EntryForm* entryForm, const CompatibilityResult& result);

/// The printable report page: both persons, their charts and the figures,
/// at fixed positions on an 11325 by 10800 twip page. Each field is a label
/// whose objectName is the field's name. An analysis that converted the
/// birth times to UT adds a "Birth time:" row to each person's frame, and
/// the page grows by that row.
class frmReport : public QWidget {
 public:
  explicit frmReport(QWidget* parent = nullptr);

  /// The load handler: copies the report from the open entry form and the
  /// result the analysis left, with the converted birth times if it has
  /// them, then closes the entry form.
  void FillReport(WindowDirector& director);

  /// Height of the birth time rows, in twips: everything under the persons'
  /// frames moves down by it.
  static constexpr int kBirthTimeRowHeight = 285;
  /// The page's height in twips, with or without the birth time rows.
  static constexpr int PageHeight(bool birthTimes) { return 10800 + (birthTimes ? kBirthTimeRowHeight : 0); }
  /// The bottom of the "Compatibility Report:" box on the page, in pixels.
  int compatibilityReportBottom() const;
  /// Adds the "Birth time:" rows (mBirthTime, fBirthTime) once.
  void showBirthTimes(const ConvertedBirthTime& male, const ConvertedBirthTime& female);

  void showReport(const CompatibilityReport& report);
  /// The fields as the page shows them.
  CompatibilityReport shownReport() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* addIdentity(const char* frameName, const Template& caption, const QRect& geometry, int captionLeft,
                       int valueLeft, bool male);
  void addChart(QWidget* parent, const char* frameName, const Template& caption, const QRect& geometry, bool male);
  /// A field's label, named after the field, kept at the field's place in kReportFields.
  QLabel* addField(QWidget* parent, std::string_view name, const QFont& font, const QRect& geometry,
                   Qt::Alignment alignment);

  std::array<QLabel*, std::tuple_size_v<decltype(kReportFields)>> fields_{};
  std::array<QWidget*, 2> identityFrames_{};
  QWidget* frame3_ = nullptr;
  QWidget* frame4_ = nullptr;
  QWidget* frame5_ = nullptr;
  QLabel* credit_ = nullptr;
  QWidget* scrollBar_ = nullptr;
  bool birthTimeRowsShown_ = false;
};

}  // namespace kelvra
