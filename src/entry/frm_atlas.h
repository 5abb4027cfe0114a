// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>
#include <vector>

#include "atlas/atlas_types.h"
#include "contracts/entry_form.h"
#include "entry/atlas_search.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kelvra {

/// What the atlas window says under its list: the search under way, the
/// number of places found, or that none was and where else to look.
QString AtlasStatusText(const QString& text, std::size_t found, bool searching);

/// A place's coordinates as the atlas list shows them, in whole minutes as
/// the entry form takes them: "51° 30′ N, 0° 7′ W".
QString AtlasCoordinatesText(double latitude, double longitude);

/// The contrast ratio of two colours (1 to 21) by their relative luminance,
/// as accessibility guidelines measure text against its background.
double ContrastRatio(const QColor& a, const QColor& b);

/// The atlas window: a search field and the matching places (city, state,
/// country, population, time zone), updated as the user types without
/// holding up the GUI. Works by keyboard alone: type, Down and Up move in the
/// list, Enter chooses, Escape closes, and Find (Ctrl+F) goes back to the
/// search field.
class frmAtlas : public QDialog {
  Q_OBJECT

 public:
  /// For one person's birthplace, starting with `text` (the City entry).
  frmAtlas(Person person, const QString& text, QWidget* parent = nullptr);

  /// The places listed, best first.
  const std::vector<AtlasPlace>& places() const { return places_; }
  AtlasSearch& search() { return search_; }

  /// Enter and the choose button: the selected place, if any, is chosen and
  /// the window closes; without one it stays open.
  void accept() override;

 signals:
  void placeChosen(const kelvra::AtlasPlace& place);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void handleTextEdited(const QString& text);
  void handleFound(const QString& text, const std::vector<AtlasPlace>& places);
  void updateChoice();

  QLineEdit* txtSearch_;
  QTreeWidget* lstPlaces_;
  QLabel* lblStatus_;
  QPushButton* cmdChoose_;
  QPushButton* cmdCancel_;
  AtlasSearch search_;
  std::vector<AtlasPlace> places_;
};

}  // namespace kelvra
