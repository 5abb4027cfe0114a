// SPDX-License-Identifier: AGPL-3.0-or-later
#include "entry/named_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLineEdit>

namespace kelvra {

namespace {

// Qt's combo box interface with one difference: the name is the list's own.
// Its children and actions are kept as they are, since a screen reader reads
// and picks the items through the popup list and opens it by the actions.
class NamedListInterface : public QAccessibleWidget {
 public:
  explicit NamedListInterface(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Value: return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
      // Qt 6.4's bus bridge sends no value for a list; the description is
      // sent for every object, so the current item reaches a screen reader.
      case QAccessible::Description: return text(QAccessible::Value);
      case QAccessible::Accelerator: return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
      default: return QAccessibleWidget::text(kind);  // the name is the widget's accessible name
    }
  }

  // The popup list, and the line edit of an editable list.
  int childCount() const override { return list()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->isEditable()) return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == list()->view()) return 0;
    if (list()->isEditable() && child->object() == list()->lineEdit()) return 1;
    return -1;
  }
  // The popup is a window of its own; only the line edit lies inside the list.
  QAccessibleInterface* childAt(int x, int y) const override {
    QLineEdit* edit = list()->lineEdit();
    if (!edit || !edit->isVisible()) return nullptr;
    return QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y) ? child(1) : nullptr;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  QString localizedActionDescription(const QString& action) const override {
    return actionNames().contains(action) ? QComboBox::tr("Open the combo box selection popup") : QString();
  }
  void doAction(const QString& action) override {
    if (!actionNames().contains(action)) return;
    if (list()->view()->isVisible()) {
      list()->hidePopup();
    } else {
      list()->showPopup();
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* NamedListFactory(const QString&, QObject* object) {
  auto* list = qobject_cast<NamedList*>(object);
  return list ? new NamedListInterface(list) : nullptr;
}

}  // namespace

NamedList::NamedList(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::currentTextChanged, this, [this] {
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  });
}

void InstallNamedListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(NamedListFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace kelvra
