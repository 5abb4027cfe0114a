// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

#include "charts/chart_point.h"
#include "contracts/entry_form.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvra {

class FilteredLineEdit;
class WindowDirector;

/// The entry form: both persons' birth data, the analysis command, the lookup
/// buttons and the links. Its lasting variables (birth records, charts,
/// result, bMaleSearch) live in the director's EntryState, so a new form after
/// Back finds them as the last analysis left them. Other windows see it only
/// through the EntryForm interface.
class frmMatch : public QMainWindow, public EntryForm {
  Q_OBJECT

 public:
  explicit frmMatch(WindowDirector& director, QWidget* parent = nullptr);

  PersonEntries entries(Person person) const override;
  void setEntries(Person person, const PersonEntries& values) override;
  ChartTexts chartTexts(Person person) const override;
  ResultBoxTexts resultTexts() const override;
  void emptyEntries() override;
  void focusEntry(Person person, EntryField field) override;

  // The analysis and what it is made of.
  bool ValidateEntries();
  /// Reads both records and publishes both charts with their contacts; false
  /// (after a message) when a number entry cannot be read.
  bool CalcNatalData();
  bool UpdateDisplayData();
  void CalcDualCosmodynes();
  static QString PrintSignData(double longitude);
  static double Degrees(double radians);

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
  /// One person's entry group.
  struct PersonControls {
    FilteredLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    FilteredLineEdit* txtLD = nullptr;
    FilteredLineEdit* txtLM = nullptr;
    FilteredLineEdit* txtLoD = nullptr;
    FilteredLineEdit* txtLoM = nullptr;
    QRadioButton* optNorth = nullptr;
    QRadioButton* optSouth = nullptr;
    QRadioButton* optEast = nullptr;
    QRadioButton* optWest = nullptr;
    FilteredLineEdit* txtCity = nullptr;
    FilteredLineEdit* txtState = nullptr;
    FilteredLineEdit* txtCountry = nullptr;
    QPushButton* lookup = nullptr;  ///< Command1 or Command2
  };

  void createControls();
  void createPersonGroup(Person person, QWidget* central);
  /// The chart table and the result boxes, made on their first use: before
  /// it the boxes would read empty and the results their captions.
  void createChartTable();
  void createMenus();
  void createTabOrder();
  void Form_Load();
  void requestLookup(Person person);
  void setResultTexts(const ResultBoxTexts& texts);

  const PersonControls& controls(Person person) const { return persons_[person == Person::Male ? 0 : 1]; }
  PersonControls& controls(Person person) { return persons_[person == Person::Male ? 0 : 1]; }
  QWidget* control(Person person, EntryField field) const;

  WindowDirector& director_;
  std::array<PersonControls, 2> persons_;
  QWidget* chartTable_ = nullptr;
  std::array<std::array<QLineEdit*, kChartPointCount>, 2> chartBoxes_{};
  QLineEdit* txtPower_ = nullptr;
  QLineEdit* txtHarmony_ = nullptr;
  QLineEdit* txtPH_ = nullptr;
  QLineEdit* txtPHPercentage_ = nullptr;
  QLineEdit* txtComment_ = nullptr;
  QPushButton* cmdCalculate_ = nullptr;
  QPushButton* Command3_ = nullptr;
  QPushButton* cmdNav_ = nullptr;
};

}  // namespace kelvra
