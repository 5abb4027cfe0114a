// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "contracts/entry_state.h"
#include "drawing/wheel_painter.h"
#include "vocabulary/text.h"
#include "wheel/wheel_scene.h"

namespace kelvra {

/// The kinds of file the chart is saved as.
enum class ChartFileKind { Png, Svg, Pdf };

/// The kind a file name asks for by its extension, in any case; none for
/// any other extension.
std::optional<ChartFileKind> ChartFileKindOf(const QString& fileName);

/// The PNG's size: the drawing's canvas at twice its size, sharp when printed
/// or shown on a high-density screen.
inline constexpr int kChartPngScale = 2;

/// Writes the chart to `fileName` as `kind`: PNG pixels, SVG outlines or PDF
/// with its text kept, `info` in the file's properties (PNG text chunks, SVG
/// title and desc, PDF title and XMP). False when the file cannot be written.
bool SaveChartFile(const WheelScene& scene, const QString& fileName, ChartFileKind kind, const WheelFileInfo& info);

/// One person's birth data as a saved file may carry them.
struct SavedBirthData {
  std::string name;
  std::string date;         ///< as the report shows it: "March 1, 1980"
  std::string time;         ///< the report's birth time row, or the clock time as typed: "14:30 local time"
  std::string city, state, country;
  std::string coordinates;  ///< as the atlas shows them: "51° 30′ N, 0° 7′ W"
};

/// One person's birth data from the record the analysis read; `converted`
/// is the clock time it converted to UT, if it did.
SavedBirthData SavedBirthDataOf(const BirthData& birth, const std::optional<ConvertedBirthTime>& converted);

/// What a saved file of the couple says beyond its picture: the figures and,
/// when known, both persons' birth data, the man's first.
struct CoupleFacts {
  CompatibilityResult result;
  std::optional<std::array<SavedBirthData, 2>> births;
};

/// A saved file's description: the figures as the report shows them, both
/// persons' birth data only when `includeBirthData` (they are personal, and
/// a chart is often passed on), then `picture`, the words said of the picture;
/// blocks a blank line apart.
QString CoupleDescription(const CoupleFacts& facts, bool includeBirthData, const QString& picture = {});

/// The chart's properties: the title of the two charts and CoupleDescription
/// with the words a screen reader hears of the picture.
WheelFileInfo ChartFileInfo(const WheelScene& scene, const CoupleFacts& facts, bool includeBirthData);

/// The file name `name` (e.g. "%1 and %2 - chart.png") gives for the couple,
/// their names trimmed, a nameless person's word for an empty name, made
/// safe as SafeFileName makes it.
QString CoupleFileName(const Template& name, std::string_view maleName, std::string_view femaleName);

}  // namespace kelvra
