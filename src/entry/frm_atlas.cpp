// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/frm_atlas.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "entry/birth_place.h"
#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/atlas_words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/entry_words.h"

namespace kelvra {

namespace {

enum Column { kCity, kState, kCountry, kPopulation, kTimeZone, kCoordinates, kColumns };

}  // namespace

QString AtlasCoordinatesText(double latitude, double longitude) {
  const WholeMinutes north = ToWholeMinutes(latitude);
  const WholeMinutes east = ToWholeMinutes(longitude);
  const Template& text = north.negative ? (east.negative ? words::kAtlasSouthWest : words::kAtlasSouthEast)
                                        : (east.negative ? words::kAtlasNorthWest : words::kAtlasNorthEast);
  const std::string numbers[] = {std::to_string(north.degrees), std::to_string(north.minutes),
                                 std::to_string(east.degrees), std::to_string(east.minutes)};
  return Text(text, {numbers[0], numbers[1], numbers[2], numbers[3]});
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString AtlasStatusText(const QString& text, std::size_t found, bool searching) {
  if (text.trimmed().isEmpty()) return Text(words::kAtlasTypeName);
  if (searching) return Text(words::kAtlasSearching);
  if (found == 0) {
    // The button as it reads on the form, its doubled ampersand shown as one.
    const QString button = Text(words::kLookupButton).replace(QStringLiteral("&&"), QStringLiteral("&"));
    return Text(words::kAtlasNothingFound, {text.trimmed().toStdString(), button.toStdString()});
  }
  if (found == 1) return Text(words::kAtlasOneFound);
  return Text(words::kAtlasSeveralFound, static_cast<long long>(found));
}

frmAtlas::frmAtlas(Person person, const QString& text, QWidget* parent) : QDialog(parent) {
  const std::string whose = Tr((person == Person::Male ? words::kMan : words::kWoman).caption);
  setObjectName(QStringLiteral("frmAtlas"));
  setWindowTitle(Text(words::kAtlasTitle, {whose}));

  auto* caption = new QLabel(Text(words::kAtlasSearchCaption), this);
  txtSearch_ = new QLineEdit(text, this);
  txtSearch_->setObjectName(QStringLiteral("txtSearch"));
  txtSearch_->setAccessibleName(Text(words::kAtlasSpokenSearch, {whose}));
  txtSearch_->installEventFilter(this);
  caption->setBuddy(txtSearch_);
  // Find goes back to the search from the list, its text selected to be typed over.
  auto* find = new QAction(this);
  find->setShortcut(QKeySequence::Find);
  addAction(find);
  connect(find, &QAction::triggered, this, [this] {
    txtSearch_->setFocus(Qt::ShortcutFocusReason);
    txtSearch_->selectAll();
  });
  txtSearch_->setToolTip(Text(words::kToolTipWithShortcut,
                              {Tr(words::kAtlasSpokenSearch, {whose}),
                               find->shortcut().toString(QKeySequence::NativeText).toStdString()}));

  lstPlaces_ = new QTreeWidget(this);
  lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
  lstPlaces_->setAccessibleName(Text(words::kAtlasSpokenPlaces));
  lstPlaces_->setColumnCount(kColumns);
  lstPlaces_->setHeaderLabels({Text(words::kAtlasCityColumn), Text(words::kAtlasStateColumn),
                               Text(words::kAtlasCountryColumn), Text(words::kAtlasPopulationColumn),
                               Text(words::kAtlasTimeZoneColumn), Text(words::kAtlasCoordinatesColumn)});
  lstPlaces_->setRootIsDecorated(false);
  lstPlaces_->setUniformRowHeights(true);
  lstPlaces_->setAllColumnsShowFocus(true);
  lstPlaces_->headerItem()->setTextAlignment(kPopulation, Qt::AlignRight | Qt::AlignVCenter);
  for (const auto& [column, width] : {std::pair{kCity, 1800}, {kState, 1800}, {kCountry, 1650}, {kPopulation, 1050}})
    lstPlaces_->setColumnWidth(column, Twips(width));
  connect(lstPlaces_, &QTreeWidget::itemActivated, this, [this] { accept(); });
  connect(lstPlaces_, &QTreeWidget::currentItemChanged, this, &frmAtlas::updateChoice);

  lblStatus_ = new QLabel(this);
  lblStatus_->setObjectName(QStringLiteral("lblStatus"));
  lblStatus_->setWordWrap(true);
  lblStatus_->setMinimumHeight(2 * fontMetrics().lineSpacing());
  lblStatus_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // The place data's licence asks for the credit wherever the data is shown.
  auto* credit = new QLabel(Text(words::kAtlasCredit), this);
  credit->setObjectName(QStringLiteral("lblCredit"));
  QFont small = credit->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  credit->setFont(small);
  // Set apart by its size, not greyed: a disabled label's text is too faint
  // to read on the window's background.
  credit->setForegroundRole(QPalette::WindowText);

  auto* buttons = new QDialogButtonBox(this);
  cmdChoose_ = buttons->addButton(Text(words::kAtlasUseButton), QDialogButtonBox::AcceptRole);
  cmdChoose_->setObjectName(QStringLiteral("cmdChoose"));
  cmdChoose_->setDefault(true);
  cmdCancel_ = buttons->addButton(QDialogButtonBox::Cancel);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &frmAtlas::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &frmAtlas::reject);

  auto* layout = new QVBoxLayout(this);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(caption);
  searchRow->addWidget(txtSearch_, 1);
  layout->addLayout(searchRow);
  layout->addWidget(lstPlaces_, 1);
  layout->addWidget(lblStatus_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(credit, 1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(Twips(9300), Twips(5400));

  connect(txtSearch_, &QLineEdit::textEdited, this, &frmAtlas::handleTextEdited);
  connect(&search_, &AtlasSearch::found, this, &frmAtlas::handleFound);
  txtSearch_->selectAll();
  txtSearch_->setFocus();
  if (!text.trimmed().isEmpty()) search_.setText(text);
  lblStatus_->setText(AtlasStatusText(text, 0, search_.pending()));
  updateChoice();
}

void frmAtlas::handleTextEdited(const QString& text) {
  search_.setText(text);
  lblStatus_->setText(AtlasStatusText(text, places_.size(), true));
  updateChoice();
}

void frmAtlas::handleFound(const QString& text, const std::vector<AtlasPlace>& places) {
  places_ = places;
  lstPlaces_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(places.size()));
  const QLocale locale;
  for (const AtlasPlace& place : places) {
    auto* item = new QTreeWidgetItem;
    item->setText(kCity, QString::fromStdString(place.city));
    item->setText(kState, QString::fromStdString(place.state));
    item->setText(kCountry, QString::fromStdString(place.country));
    if (place.population > 0) item->setText(kPopulation, locale.toString(static_cast<qlonglong>(place.population)));
    item->setTextAlignment(kPopulation, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(kTimeZone, QString::fromStdString(place.timeZone));
    item->setText(kCoordinates, AtlasCoordinatesText(place.latitude, place.longitude));
    items << item;
  }
  lstPlaces_->addTopLevelItems(items);  // in one go: one layout pass, not one per row
  // Every column as wide as its longest name, so no state or country is cut
  // while another column has room to spare.
  for (int column = 0; column < kColumns; ++column) lstPlaces_->resizeColumnToContents(column);
  if (!items.isEmpty()) lstPlaces_->setCurrentItem(items.front());
  lblStatus_->setText(AtlasStatusText(text, places.size(), search_.pending()));
  updateChoice();
}

void frmAtlas::updateChoice() {
  cmdChoose_->setEnabled(!search_.pending() && lstPlaces_->currentItem() != nullptr);
}

void frmAtlas::accept() {
  // Enter while a search is under way would choose from the list of an older text.
  if (!cmdChoose_->isEnabled()) return;
  const int row = lstPlaces_->indexOfTopLevelItem(lstPlaces_->currentItem());
  if (row < 0 || row >= static_cast<int>(places_.size())) return;
  emit placeChosen(places_[static_cast<std::size_t>(row)]);
  QDialog::accept();
}

bool frmAtlas::eventFilter(QObject* watched, QEvent* event) {
  // The arrows and page keys move in the list while typing goes on in the field.
  if (watched == txtSearch_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
      QApplication::sendEvent(lstPlaces_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kelvra
