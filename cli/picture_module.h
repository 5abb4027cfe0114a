// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "cli/row_picture.h"

namespace kelvra::cli {

/// What drawing needs while a run lasts: Qt's GUI (for fonts and painting),
/// started by the picture module and stopped with the session. Lives in the
/// module, so kelvra-cli maps no GUI library unless pictures are asked for.
class PictureSession {
 public:
  virtual ~PictureSession() = default;
  /// The writer of each analysed row's wheel as `directory`/row-N.svg.
  virtual RowPictureWriter writer() const = 0;
};

/// The module's entry point, by this name: starts Qt's GUI on the offscreen
/// platform unless QT_QPA_PLATFORM names another, for `program` (argv[0]).
using PictureSessionFunction = PictureSession* (*)(const char* program, const char* directory);
inline constexpr const char* kPictureSessionSymbol = "kelvra_cli_picture_session";

/// Loads the picture module and starts a session writing to `directory`;
/// nullptr, with the reason in `failure`, when the module cannot be loaded.
/// The module is looked for beside the program, in the installed module
/// folder and in the build's.
std::unique_ptr<PictureSession> StartPictureSession(const char* program, const std::string& directory,
                                                    std::string& failure);

}  // namespace kelvra::cli
