// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

#include "charts/chart_point.h"
#include "contracts/entry_form.h"
#include "contracts/entry_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvra {

class FilteredLineEdit;
class WindowDirector;
struct AtlasPlace;

/// The entry form: both persons' birth data, the analysis command, the lookup
/// and atlas buttons and the links. Its lasting variables (birth records,
/// charts, result, bMaleSearch, the UT option) live in the director's
/// EntryState, so a new form after Back finds them as the last analysis left
/// them; the persons' time zones belong to their places, so a new form, whose
/// places are empty, starts without them. Other windows see it only through
/// the EntryForm interface.
class frmMatch : public QMainWindow, public EntryForm {
  Q_OBJECT

 public:
  explicit frmMatch(WindowDirector& director, QWidget* parent = nullptr);

  PersonEntries entries(Person person) const override;
  void setEntries(Person person, const PersonEntries& values) override;
  ChartTexts chartTexts(Person person) const override;
  ResultBoxTexts resultTexts() const override;
  /// Also drops both persons' time zones, which belong to the emptied places.
  void emptyEntries() override;
  void focusEntry(Person person, EntryField field) override;

  /// Fills one person's place and coordinates from an atlas place and keeps
  /// its time zone, as choosing it in the atlas window does.
  void useAtlasPlace(Person person, const AtlasPlace& place);

  // The analysis and what it is made of.
  bool ValidateEntries();
  /// Reads both records and publishes both charts with their contacts; false
  /// (after a message) when a number entry cannot be read. With "Convert
  /// birth times to UT" on, each clock time is converted by its person's zone
  /// first; false when one cannot be, or the user cancels a choice.
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
  void cmdMAtlas_Click();
  void cmdFAtlas_Click();
  void cmdMZone_Click();
  void cmdFZone_Click();
  void chkTrueUt_Click();
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
    QPushButton* atlas = nullptr;   ///< cmdMAtlas or cmdFAtlas
    QLabel* zoneNote = nullptr;     ///< lblMZone or lblFZone: where the zone comes from
    QPushButton* zonePick = nullptr;  ///< cmdMZone or cmdFZone
  };

  void createControls();
  void createPersonGroup(Person person, QWidget* central);
  void createZoneRow(Person person, QWidget* central);
  /// Shows or hides the zone rows as the option says; the form grows by
  /// their height when they show.
  void layOutZoneRows();
  /// The chart table and the result boxes, made on their first use: before
  /// it the boxes would read empty and the results their captions.
  void createChartTable();
  void createMenus();
  void createTabOrder();
  void Form_Load();
  void requestLookup(Person person);
  void openAtlas(Person person);
  void pickZone(Person person);
  /// The user changed a person's place or coordinates: an atlas zone goes.
  void handlePlaceEdited(Person person);
  /// Brings one person's zone note up to date; with the option on, asks the
  /// atlas for a nearest-place suggestion where one is wanted.
  void refreshZone(Person person);
  /// The zone the analysis converts by: the one set, else the nearest place's.
  std::optional<BirthZone> zoneForAnalysis(Person person);
  /// Sets birth.Ut from the person's zone; false after telling the user why not.
  bool convertBirthTime(Person person, BirthData& birth, std::optional<ConvertedBirthTime>& converted);
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
  QCheckBox* chkTrueUt_ = nullptr;
  QWidget* Frame5_ = nullptr;  // the co-branding frame, below the zone rows
};

}  // namespace kelvra
