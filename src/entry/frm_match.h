// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include "entry/birth_entries.h"
#include "entry/validation.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kelvra {

class WindowDirector;

/// The entry form: both persons' birth data, the analysis command, the lookup
/// buttons and the links. Its lasting variables (birth records, charts,
/// result, bMaleSearch) live in the director's EntryState, so a new form after
/// Back finds them as the last analysis left them.
class frmMatch : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMatch(WindowDirector& director, QWidget* parent = nullptr);

  // The analysis and what it is made of.
  bool ValidateEntries();
  /// Reads both records and publishes both charts; false (after a message)
  /// when a number entry cannot be read.
  bool CalcNatalData();
  bool UpdateDisplayData();
  void CalcDualCosmodynes();
  static QString PrintSignData(double longitude);
  static double Degrees(double radians);

  /// The entries of one person as typed, for validation and reading.
  PersonEntries Entries(bool male) const;
  PersonTexts Texts(bool male) const;

 public slots:
  void cmdCalculate_Click();
  void mnuCalculate_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void cmdNav_Click();
  void mnuExit_Click();
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuDonate_Click();
  void mnuAbout_Click();
  void Label52_Click();
  void Label59_Click();
  void Label61_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void setTabOrder();
  void Form_Load();
  void LookupRequest(bool male);

  QLineEdit* text(const QString& name) const;
  QComboBox* list(const QString& name) const;
  QRadioButton* option(const QString& name) const;

  WindowDirector& director_;
};

}  // namespace kelvra
