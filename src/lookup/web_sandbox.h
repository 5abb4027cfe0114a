// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

namespace kelvra {

/// Chromium refuses to run its sandbox as root and ends the whole process;
/// when the effective user is root this gives the engine --no-sandbox. Call
/// it in main before the QApplication exists, as WebEngine reads its switches
/// when it starts.
void DisableWebSandboxForRoot();

/// Adds a command line switch for the engine's Chromium to
/// QTWEBENGINE_CHROMIUM_FLAGS, after the user's own; takes effect only
/// before the engine starts.
void AddWebEngineSwitch(const char* name);

}  // namespace kelvra
