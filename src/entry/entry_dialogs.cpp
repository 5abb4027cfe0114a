// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/entry_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimeZone>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "entry/birth_zone.h"
#include "shell/twips.h"
#include "shell/words.h"
#include "vocabulary/birth_time_words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/zone_picker_words.h"

namespace kelvra {

namespace {

std::optional<int> ShowReadingBox(QWidget* parent, const ReadingQuestion& question) {
  QMessageBox box(QMessageBox::Question, Text(words::kProgramName), question.text, QMessageBox::Cancel, parent);
  std::vector<QAbstractButton*> buttons;
  for (const QString& answer : question.answers) buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
  if (!buttons.empty()) box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return std::nullopt;
}

enum ZoneColumn { kZoneName, kZoneOffset, kZoneColumns };

// What a zone row holds beside its texts; a region heading holds neither.
constexpr int kZoneIdRole = Qt::UserRole;
constexpr int kZoneSearchRole = Qt::UserRole + 1;

std::optional<QByteArray> ShowZonePicker(QWidget* parent, const ZoneQuestion& question) {
  ZonePicker picker(question, QDateTime::currentDateTimeUtc(), parent);
  if (picker.exec() != QDialog::Accepted) return std::nullopt;
  return picker.chosenZone();
}

ReadingChoiceFunction& CurrentReadingChoice() {
  static ReadingChoiceFunction function = ShowReadingBox;
  return function;
}

ZonePickFunction& CurrentZonePick() {
  static ZonePickFunction function = ShowZonePicker;
  return function;
}

}  // namespace

ZonePicker::ZonePicker(const ZoneQuestion& question, const QDateTime& nowUtc, QWidget* parent) : QDialog(parent) {
  const words::PersonWords& whose = question.person == Person::Male ? words::kMan : words::kWoman;
  setObjectName(QStringLiteral("ZonePicker"));
  setWindowTitle(Text(words::kZonePickerTitle, {Tr(whose.adjective)}));

  auto* prompt = new QLabel(Text(words::kZonePrompt, {Tr(whose.adjective)}), this);
  txtZoneSearch_ = new QLineEdit(this);
  txtZoneSearch_->setObjectName(QStringLiteral("txtZoneSearch"));
  txtZoneSearch_->setAccessibleName(Text(words::kZoneSpokenSearch, {Tr(whose.caption)}));
  txtZoneSearch_->installEventFilter(this);
  prompt->setBuddy(txtZoneSearch_);

  lstZones_ = new QTreeWidget(this);
  lstZones_->setObjectName(QStringLiteral("lstZones"));
  lstZones_->setAccessibleName(Text(words::kZoneSpokenList));
  lstZones_->setColumnCount(kZoneColumns);
  lstZones_->setHeaderLabels({Text(words::kZoneNameColumn), Text(words::kZoneOffsetColumn)});
  lstZones_->setRootIsDecorated(false);
  lstZones_->setUniformRowHeights(true);
  lstZones_->setAllColumnsShowFocus(true);
  lstZones_->header()->setStretchLastSection(false);
  lstZones_->header()->setSectionResizeMode(kZoneName, QHeaderView::Stretch);
  lstZones_->header()->setSectionResizeMode(kZoneOffset, QHeaderView::ResizeToContents);
  connect(lstZones_, &QTreeWidget::itemActivated, this, [this] { accept(); });
  connect(lstZones_, &QTreeWidget::currentItemChanged, this, &ZonePicker::updateChoice);

  lblZoneNote_ = new QLabel(this);
  lblZoneNote_->setObjectName(QStringLiteral("lblZoneNote"));
  lblZoneNote_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  cmdUse_ = buttons->addButton(Text(words::kZoneUseButton), QDialogButtonBox::AcceptRole);
  cmdUse_->setObjectName(QStringLiteral("cmdUseZone"));
  cmdUse_->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ZonePicker::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ZonePicker::reject);

  auto* layout = new QVBoxLayout(this);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(prompt);
  searchRow->addWidget(txtZoneSearch_, 1);
  layout->addLayout(searchRow);
  layout->addWidget(lstZones_, 1);
  layout->addWidget(lblZoneNote_);
  layout->addWidget(buttons);
  // Tall enough for a region's worth of zones, yet within a small screen with room for the title bar.
  const QScreen* shown = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  const QSize room = shown ? shown->availableGeometry().size() * 0.85 : QSize(Twips(7200), Twips(7800));
  resize(QSize(Twips(7200), Twips(7800)).boundedTo(room));

  fill(question, nowUtc);
  connect(txtZoneSearch_, &QLineEdit::textChanged, this, &ZonePicker::filter);
  txtZoneSearch_->setFocus();
  updateChoice();
}

void ZonePicker::fill(const ZoneQuestion& question, const QDateTime& nowUtc) {
  if (question.birth) {
    const LocalBirthTime& birth = *question.birth;
    const QString day = QDate(birth.year, birth.month, birth.day).toString(Qt::ISODate);
    const QString clock = QStringLiteral("%1:%2")
                              .arg(birth.hour, 2, 10, QLatin1Char('0'))
                              .arg(birth.minute, 2, 10, QLatin1Char('0'));
    offsetsNote_ = Text(words::kZoneOffsetsAtBirth, {day.toStdString(), clock.toStdString()});
  } else {
    offsetsNote_ = Text(words::kZoneOffsetsToday);
  }
  lblZoneNote_->setText(offsetsNote_);

  QList<QByteArray> zones = question.zones;
  std::stable_sort(zones.begin(), zones.end(), ZoneListedBefore);
  QFont headingFont = lstZones_->font();
  headingFont.setBold(true);
  // One flat list, each region's heading before its zones: a tree's parent
  // that is disabled disables its children too.
  QList<QTreeWidgetItem*> rows;
  QTreeWidgetItem* current = nullptr;
  std::optional<QString> lastRegion;
  for (const QByteArray& id : zones) {
    const QString region = ZoneRegion(id);
    if (region != lastRegion) {
      auto* heading = new QTreeWidgetItem({region.isEmpty() ? Text(words::kZoneFixedOffsets) : region});
      heading->setFont(kZoneName, headingFont);
      // A heading, not a choice: disabled, so the arrow keys step over it, yet
      // in the text's own colour, not greyed.
      heading->setFlags(Qt::NoItemFlags);
      heading->setForeground(kZoneName, lstZones_->palette().brush(QPalette::Active, QPalette::Text));
      rows << heading;
      lastRegion = region;
    }
    std::optional<int> offset;
    if (question.birth) {
      offset = ZoneOffsetAtClock(id, *question.birth);
    } else if (const QTimeZone zone(id); zone.isValid()) {
      offset = zone.offsetFromUtc(nowUtc);
    }
    auto* item = new QTreeWidgetItem({ZoneDisplayName(id), offset ? ZoneOffsetName(*offset) : QString()});
    item->setData(kZoneName, kZoneIdRole, id);
    item->setData(kZoneName, kZoneSearchRole, ZoneSearchText(id, offset ? OffsetText(*offset) : QString()));
    item->setToolTip(kZoneName, QString::fromLatin1(id));
    rows << item;
    if (id == question.current) current = item;
  }
  lstZones_->addTopLevelItems(rows);  // in one go: one layout pass, not one per row
  for (QTreeWidgetItem* row : rows)
    if (row->data(kZoneName, kZoneIdRole).isNull()) row->setFirstColumnSpanned(true);
  if (current) lstZones_->setCurrentItem(current);
}

void ZonePicker::filter(const QString& text) {
  const QString search = FoldForZoneSearch(text);
  QTreeWidgetItem* first = nullptr;
  QTreeWidgetItem* heading = nullptr;
  bool headingShown = false;
  const auto closeHeading = [&] {
    if (heading) heading->setHidden(!headingShown);
  };
  for (int r = 0; r < lstZones_->topLevelItemCount(); ++r) {
    QTreeWidgetItem* item = lstZones_->topLevelItem(r);
    if (item->data(kZoneName, kZoneIdRole).isNull()) {
      closeHeading();
      heading = item;
      headingShown = false;
      continue;
    }
    const bool shown = MatchesZoneSearch(search, item->data(kZoneName, kZoneSearchRole).toString());
    item->setHidden(!shown);
    if (shown && !first) first = item;
    headingShown = headingShown || shown;
  }
  closeHeading();
  // The selection stays where it is while it is still listed.
  QTreeWidgetItem* current = lstZones_->currentItem();
  if (!current || current->isHidden()) {
    lstZones_->setCurrentItem(first);
    if (!first) lstZones_->clearSelection();
  }
  if (QTreeWidgetItem* now = lstZones_->currentItem()) lstZones_->scrollToItem(now);
  lblZoneNote_->setText(first ? offsetsNote_ : Text(words::kZoneNothingFound, {text.trimmed().toStdString()}));
  updateChoice();
}

std::optional<QByteArray> ZonePicker::chosenZone() const {
  const QTreeWidgetItem* item = lstZones_->currentItem();
  if (!item || item->isHidden() || !item->isSelected()) return std::nullopt;
  const QByteArray id = item->data(kZoneName, kZoneIdRole).toByteArray();
  if (id.isEmpty()) return std::nullopt;
  return id;
}

void ZonePicker::updateChoice() { cmdUse_->setEnabled(chosenZone().has_value()); }

void ZonePicker::accept() {
  if (chosenZone()) QDialog::accept();
}

bool ZonePicker::eventFilter(QObject* watched, QEvent* event) {
  // The arrows and page keys move in the list while typing goes on in the field.
  if (watched == txtZoneSearch_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
      QApplication::sendEvent(lstZones_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ZonePicker::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only a shown list knows its height, which centring the current zone needs.
  if (QTreeWidgetItem* current = lstZones_->currentItem())
    lstZones_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

std::optional<int> AskWhichReading(QWidget* parent, const ReadingQuestion& question) {
  return CurrentReadingChoice()(parent, question);
}

ReadingChoiceFunction SetReadingChoiceFunction(ReadingChoiceFunction function) {
  ReadingChoiceFunction previous = std::move(CurrentReadingChoice());
  CurrentReadingChoice() = function ? std::move(function) : ReadingChoiceFunction(ShowReadingBox);
  return previous;
}

std::optional<QByteArray> PickZone(QWidget* parent, const ZoneQuestion& question) {
  return CurrentZonePick()(parent, question);
}

ZonePickFunction SetZonePickFunction(ZonePickFunction function) {
  ZonePickFunction previous = std::move(CurrentZonePick());
  CurrentZonePick() = function ? std::move(function) : ZonePickFunction(ShowZonePicker);
  return previous;
}

}  // namespace kelvra
