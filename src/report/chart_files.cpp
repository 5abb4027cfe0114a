// SPDX-License-Identifier: AGPL-3.0-or-later
#include "report/chart_files.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "birthtime/month_name.h"
#include "report/birth_time_row.h"
#include "report/report_printing.h"
#include "reportdata/report_fields.h"
#include "shell/words.h"
#include "vocabulary/common_words.h"
#include "vocabulary/entry_words.h"
#include "vocabulary/report_words.h"

namespace kelvra {

namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

std::optional<ChartFileKind> ChartFileKindOf(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("png")) return ChartFileKind::Png;
  if (suffix == QLatin1String("svg")) return ChartFileKind::Svg;
  if (suffix == QLatin1String("pdf")) return ChartFileKind::Pdf;
  return std::nullopt;
}

bool SaveChartFile(const WheelScene& scene, const QString& fileName, ChartFileKind kind, const WheelFileInfo& info) {
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
        // The keywords PNG defines for these.
        image.setText(QStringLiteral("Title"), info.title);
        image.setText(QStringLiteral("Description"), info.description);
        if (!image.save(&file, "PNG")) return false;
      }
      return file.commit();
    }
  }
  return false;
}

SavedBirthData SavedBirthDataOf(const BirthData& birth, const std::optional<ConvertedBirthTime>& converted) {
  SavedBirthData saved;
  saved.name = TrimmedName(birth.Name);
  saved.date = DateOfBirthText({birth.Name, MonthName(birth.Month).toStdString(), birth.Day, birth.Year, {}, {}, {}});
  saved.time = converted ? BirthTimeRowOf(*converted).text.toStdString()
                         : Tr(words::kSavedClockTime, {TwoDigits(birth.Hour), TwoDigits(birth.Minute)});
  saved.city = birth.City;
  saved.state = birth.State;
  saved.country = birth.Country;
  const bool south = birth.LatDir == LatitudeDirection::South, west = birth.LongDir == LongitudeDirection::West;
  const Template& coordinates = south ? (west ? words::kAtlasSouthWest : words::kAtlasSouthEast)
                                      : (west ? words::kAtlasNorthWest : words::kAtlasNorthEast);
  saved.coordinates = Tr(coordinates, {std::to_string(birth.LatDeg), std::to_string(birth.LatMin),
                                       std::to_string(birth.LongDeg), std::to_string(birth.LongMin)});
  return saved;
}

QString CoupleDescription(const CoupleFacts& facts, bool includeBirthData, const QString& picture) {
  const CompatibilityResult& result = facts.result;
  const Template* verdict = words::VerdictWord(result.strComment);
  QStringList blocks{Text(words::kSavedFigures,
                          {std::to_string(result.Power), std::to_string(result.Harmony), std::to_string(result.PH),
                           std::to_string(result.phPercentage), verdict ? Tr(*verdict) : result.strComment})};
  if (includeBirthData && facts.births) {
    const Template* captions[] = {&words::kReportMale, &words::kReportFemale};
    for (std::size_t i = 0; i < 2; ++i) {
      const SavedBirthData& birth = (*facts.births)[i];
      blocks << Text(words::kSavedBirthData, {Tr(*captions[i]), birth.name, birth.date, birth.time, birth.city,
                                              birth.state, birth.country, birth.coordinates});
    }
  }
  if (!picture.isEmpty()) blocks << picture;
  return blocks.join(QStringLiteral("\n\n"));
}

WheelFileInfo ChartFileInfo(const WheelScene& scene, const CoupleFacts& facts, bool includeBirthData) {
  const WheelFileInfo plain = PlainWheelFileInfo(scene);
  return {plain.title, CoupleDescription(facts, includeBirthData, plain.description)};
}

QString CoupleFileName(const Template& name, std::string_view maleName, std::string_view femaleName) {
  std::string male = TrimmedName(maleName), female = TrimmedName(femaleName);
  if (male.empty()) male = Tr(words::kMan.nameless);
  if (female.empty()) female = Tr(words::kWoman.nameless);
  return SafeFileName(Text(name, {male, female}));
}

}  // namespace kelvra
