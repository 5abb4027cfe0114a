// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "shell/scoped_replacement.h"

class QObject;
class QWidget;

namespace kelvra {

/// Gives `widget` the accessible name `name` and tells screen readers that it
/// changed, which Qt 6.4's setter does not: a reader then speaks the new name
/// of the control it watches. Nothing is told when the name stays the same.
void SetSpokenName(QWidget* widget, const QString& name);

/// Replaces how SetSpokenName tells screen readers (Qt drops the news while
/// no reader listens, so tests record it instead); returns the previous
/// function. An empty function restores the real one.
using NameChangeFunction = std::function<void(QObject* object)>;
NameChangeFunction SetNameChangeFunction(NameChangeFunction function);

/// SetNameChangeFunction for the guard's lifetime.
using ScopedNameChangeFunction = ScopedReplacement<NameChangeFunction, &SetNameChangeFunction>;

}  // namespace kelvra
