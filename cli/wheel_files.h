// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/replace_file.h"
#include "cli/row_picture.h"

namespace kelvra::cli {

/// A writer of each analysed row's bi-wheel as the SVG file `directory`/row-N.svg.
/// The directory, parents included, is made when the first file is written;
/// a file of that name is replaced. A failure reads "cannot write
/// `directory`/row-N.svg: " and the system's reason. Painting needs a
/// QGuiApplication.
RowPictureWriter WheelFileWriter(std::string directory);

}  // namespace kelvra::cli
