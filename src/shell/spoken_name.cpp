// SPDX-License-Identifier: AGPL-3.0-or-later
#include "shell/spoken_name.h"

#include <QAccessible>
#include <QWidget>

namespace kelvra {

namespace {

void PostNameChanged(QObject* object) {
  QAccessibleEvent changed(object, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

NameChangeFunction& CurrentFunction() {
  static NameChangeFunction function = PostNameChanged;
  return function;
}

}  // namespace

void SetSpokenName(QWidget* widget, const QString& name) {
  if (widget->accessibleName() == name) return;
  widget->setAccessibleName(name);
  CurrentFunction()(widget);
}

NameChangeFunction SetNameChangeFunction(NameChangeFunction function) {
  NameChangeFunction previous = std::move(CurrentFunction());
  CurrentFunction() = function ? std::move(function) : NameChangeFunction(PostNameChanged);
  return previous;
}

}  // namespace kelvra
