// Start-up costs side by side with a baseline in one run: decoding the photograph with
// our libjpeg reader against Qt's own JPEG reader, and building the whole main window
// from its description (which includes one decode).
//   cmake -S . -B build -DSETUP_BUILD_BENCH=ON && cmake --build build -j2 --target bench_startup
//   QT_QPA_PLATFORM=offscreen build/bench/bench_startup
#include "Jpeg.h"
#include "SetupCtrls.h"
#include "template.h"

#include <QApplication>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {
QByteArray Photo() {
  QFile file(QStringLiteral(":/assets/board.jpg"));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void DecodePhoto(benchmark::State& state) {
  const QByteArray data = Photo();
  for (auto _ : state) benchmark::DoNotOptimize(TJPEGImage::Decode(data));
}
BENCHMARK(DecodePhoto)->Unit(benchmark::kMillisecond);

void DecodePhotoQtBaseline(benchmark::State& state) {
  const QByteArray data = Photo();
  for (auto _ : state) benchmark::DoNotOptimize(QImage::fromData(data, "JPEG"));
}
BENCHMARK(DecodePhotoQtBaseline)->Unit(benchmark::kMillisecond);

void BuildMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    TMainForm form(nullptr);
    benchmark::DoNotOptimize(form.BoardImage1);
  }
}
BENCHMARK(BuildMainWindow)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  RegisterStandardGraphics();
  RegisterSetupControls();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
