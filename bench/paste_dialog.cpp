// The paste dialog with a full-screen picture: opening it, one drag step of
// the frame with its repaint, and the fitted output.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "app/dialogs/tfrm_paste.h"

namespace {

using pixmint::raster::Picture;
using pixmint::raster::Rgb;

Picture Screenshot() {
  Picture picture(1920, 1080);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); x += 7) picture.SetPixel(x, y, Rgb(x & 255, y & 255, 90));
  }
  return picture;
}

void BM_OpenPasteDialog(benchmark::State& state) {
  const Picture picture = Screenshot();
  for (auto _ : state) {
    pixmint::app::TfrmPaste dialog(nullptr, picture, 32, 32);
    benchmark::DoNotOptimize(dialog.Selection().Rect());
  }
}
BENCHMARK(BM_OpenPasteDialog)->Unit(benchmark::kMillisecond);

void BM_DragStepWithRepaint(benchmark::State& state) {
  pixmint::app::TfrmPaste dialog(nullptr, Screenshot(), 32, 32);
  dialog.resize(1280, 800);
  dialog.show();
  QWidget* box = dialog.findChild<QWidget*>("PaintBox1");
  QTest::mousePress(box, Qt::LeftButton, {}, {32, 32});
  int step = 0;
  for (auto _ : state) {
    const QPoint to(40 + (step % 600), 40 + (step % 400));
    QMouseEvent move(QEvent::MouseMove, to, box->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    box->repaint();
    ++step;
  }
  QTest::mouseRelease(box, Qt::LeftButton, {}, {40, 40});
}
BENCHMARK(BM_DragStepWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_FitWholeScreenshot(benchmark::State& state) {
  const Picture picture = Screenshot();
  for (auto _ : state) {
    benchmark::DoNotOptimize(pixmint::app::PasteOutput(picture, {0, 0, 1920, 1080}, 32, 32, true));
  }
}
BENCHMARK(BM_FitWholeScreenshot)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
