// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/chart_files.h"

#include <QFileInfo>
#include <QSaveFile>

#include "drawing/wheel_painter.h"

namespace kelvra {

std::optional<ChartFileKind> ChartFileKindOf(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("png")) return ChartFileKind::Png;
  if (suffix == QLatin1String("svg")) return ChartFileKind::Svg;
  if (suffix == QLatin1String("pdf")) return ChartFileKind::Pdf;
  return std::nullopt;
}

bool SaveChartFile(const WheelScene& scene, const QString& fileName, ChartFileKind kind) {
  const WheelFileInfo info = PlainWheelFileInfo(scene);
  switch (kind) {
    case ChartFileKind::Pdf:
      return WriteWheelPdf(scene, fileName, info);
    case ChartFileKind::Png:
    case ChartFileKind::Svg: {
      // A failed save leaves an existing file as it was.
      QSaveFile file(fileName);
      if (!file.open(QIODevice::WriteOnly)) return false;
      if (kind == ChartFileKind::Svg) {
        const QByteArray svg = WheelSvg(scene, info);
        if (file.write(svg) != svg.size()) return false;
      } else {
        const QSize size(qRound(wheel::kCanvasWidth), qRound(wheel::kCanvasHeight));
        QImage image = WheelImage(scene, size, kChartPngScale);
        image.setDevicePixelRatio(1);
        if (!image.save(&file, "PNG")) return false;
      }
      return file.commit();
    }
  }
  return false;
}

}  // namespace kelvra
