// SPDX-License-Identifier: AGPL-3.0-or-later
// How long the user waits for the chart: laying it out and drawing it at
// 1000 x 1000 pixels, beside merely clearing an image of that size. The
// drawing's budget is 20 ms; the lines printed at the end compare with it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <chrono>
#include <cstdio>

#include "tests/drawing/fixed_couples.h"
#include "drawing/wheel_painter.h"

namespace {

using namespace kelvra;

const QSize kSize(1000, 1000);

const CoupleCharts& Charts() {
  static const CoupleCharts charts = [] {
    SwissEphemeris ephemeris;
    ephemeris.SetEphePath(kEphemerisDataPath);
    return ChartCouple(kFixedCouples[0].male, kFixedCouples[0].female, ephemeris);
  }();
  return charts;
}

const WheelScene& Scene() {
  static const WheelScene scene = BuildWheelScene(Charts(), ExplainAnalysis(Charts(), 0), "Arthur", "Guinevere");
  return scene;
}

void Draw(QImage& image, WheelText text) {
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintWheel(painter, Scene(), QRectF(QPointF(0, 0), QSizeF(kSize)), text);
}

void BM_Clear(benchmark::State& state) {
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMillisecond);

void BM_Layout(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildWheelScene(Charts(), ExplainAnalysis(Charts(), 0), "A", "B"));
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond);

void BM_Draw(benchmark::State& state) {
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  const WheelText text = state.range(0) ? WheelText::AsText : WheelText::AsPaths;
  for (auto _ : state) {
    Draw(image, text);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Draw)->Arg(0)->Arg(1)->ArgNames({"asText"})->Unit(benchmark::kMillisecond);

void BM_Svg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(WheelSvg(Scene(), {QStringLiteral("bench"), {}}));
}
BENCHMARK(BM_Svg)->Unit(benchmark::kMillisecond);

// The median of `rounds` timings of `work`, in milliseconds.
template <typename Work>
double MedianMs(int rounds, Work work) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  // Side by side in this run: the drawing against clearing the same image.
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  Draw(image, WheelText::AsPaths);  // fonts and glyph caches warm
  const double clear = MedianMs(51, [&] { image.fill(Qt::white); });
  const double drawn = MedianMs(51, [&] { Draw(image, WheelText::AsPaths); });
  const double layout = MedianMs(51, [] { BuildWheelScene(Charts(), ExplainAnalysis(Charts(), 0), "A", "B"); });
  // A couple drawn for the first time brings texts the drawing has not
  // outlined yet: the first paint of a new chart.
  SwissEphemeris ephemeris;
  ephemeris.SetEphePath(kEphemerisDataPath);
  std::vector<double> firsts;
  for (int day = 1; day <= 21; ++day) {
    BirthData male = kFixedCouples[0].male, female = kFixedCouples[0].female;
    male.Day = female.Day = std::to_string(day);
    male.Minute = female.Minute = day * 2;
    const CoupleCharts charts = ChartCouple(male, female, ephemeris);
    const WheelScene scene = BuildWheelScene(charts, ExplainAnalysis(charts, 0), "Arthur", "Guinevere");
    firsts.push_back(MedianMs(1, [&] {
      image.fill(Qt::white);
      QPainter painter(&image);
      PaintWheel(painter, scene, QRectF(QPointF(0, 0), QSizeF(kSize)));
    }));
  }
  std::sort(firsts.begin(), firsts.end());
  const double first = firsts[firsts.size() / 2];
  std::printf("wheel at 1000x1000: drawn in %.2f ms, a new couple's first drawing %.2f ms (clearing the image "
              "alone %.2f ms, layout %.2f ms); %.2f and %.2f of the 20 ms budget\n",
              drawn, first, clear, layout, drawn / 20.0, first / 20.0);
  return 0;
}
