// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/row_picture.h"

namespace kelvra::cli {

/// A writer of each analysed row's bi-wheel as the SVG file `directory`/row-N.svg.
/// The directory, parents included, is made when the first file is written;
/// a file of that name is replaced. A failure reads "cannot write
/// `directory`/row-N.svg: " and the system's reason. Painting needs a
/// QGuiApplication.
RowPictureWriter WheelFileWriter(std::string directory);

/// Writes `contents` to `path` through a temporary file beside it, renamed
/// over `path` once wholly written, so a reader never sees part of a file.
/// Returns the system's reason when it cannot, leaving no temporary file.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace kelvra::cli
