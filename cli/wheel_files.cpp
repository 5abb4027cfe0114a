// SPDX-License-Identifier: AGPL-3.0-or-later
#include "cli/wheel_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "csv/system_reason.h"
#include "drawing/wheel_painter.h"
#include "vocabulary/cli_words.h"
#include "wheel/wheel_scene.h"

namespace kelvra::cli {

RowPictureWriter WheelFileWriter(std::string directory) {
  // Shared by the writer's copies: the directory is made once.
  auto made = std::make_shared<bool>(false);
  return [directory = std::move(directory), made](std::uint64_t row, const std::string& maleName,
                                                 const std::string& femaleName, const CoupleAnalysis& analysis,
                                                 const Explanation& explanation) -> std::optional<std::string> {
    const std::string path = (std::filesystem::path(directory) / ("row-" + std::to_string(row) + ".svg")).string();
    if (!*made) {
      std::error_code ec;
      std::filesystem::create_directories(directory, ec);
      if (ec) return Tr(words::kCliCannotWritePicture, {path, ec.message()});
      *made = true;
    }
    const WheelScene scene = BuildWheelScene(analysis, explanation, maleName, femaleName);
    const QByteArray svg = WheelSvg(scene, PlainWheelFileInfo(scene));
    // An empty drawing is a painter failure, not a picture worth a file.
    if (svg.isEmpty()) return Tr(words::kCliPictureEmpty, {path});
    if (const auto reason = ReplaceFile(path, std::string_view(svg.constData(), static_cast<std::size_t>(svg.size()))))
      return Tr(words::kCliCannotWritePicture, {path, *reason});
    return std::nullopt;
  };
}

}  // namespace kelvra::cli
