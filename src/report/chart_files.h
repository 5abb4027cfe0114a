// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

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
/// with its text kept. False when the file cannot be written.
bool SaveChartFile(const WheelScene& scene, const QString& fileName, ChartFileKind kind);

}  // namespace kelvra
