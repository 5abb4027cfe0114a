// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

namespace kelvra {

/// Chromium refuses to run its sandbox as root and ends the whole process;
/// when the effective user is root this sets QTWEBENGINE_DISABLE_SANDBOX=1.
/// Call it in main before the QApplication exists, as WebEngine reads the
/// variable when it starts.
void DisableWebSandboxForRoot();

}  // namespace kelvra
