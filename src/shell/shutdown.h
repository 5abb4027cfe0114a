// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <functional>

#include "shell/scoped_replacement.h"

namespace kelvra {

/// Closes every open window without asking, then ends the program through the
/// exit function, whatever any window did with its close request.
void ShutDownProgram();

/// Replaces how the program ends (tests record instead of leaving the event
/// loop); returns the previous function. An empty function restores the
/// default, QCoreApplication::exit(0).
using ExitFunction = std::function<void(int code)>;
ExitFunction SetExitFunction(ExitFunction function);

/// SetExitFunction for the guard's lifetime.
using ScopedExitFunction = ScopedReplacement<ExitFunction, &SetExitFunction>;

}  // namespace kelvra
