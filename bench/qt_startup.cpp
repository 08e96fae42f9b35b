// Start-up of the main window on a 32-image icon, to an interactive window:
// settings read, widgets built, the file read, the image list filled and the
// canvas laid out and painted. Built with the Qt shell (app/CMakeLists.txt).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/tfrm_main.h"
#include "document/kv_icon.h"
#include "translations/translations.h"

namespace {

std::string MakeBigIcon(const QTemporaryDir& dir) {
  pixmint::document::TKvIcon icon;
  const int sizes[] = {16, 24, 32, 48, 64, 128, 96, 20};
  const int depths[] = {1, 4, 8, 16, 24, 32};
  for (int i = 0; i < 32; ++i) {
    if (!icon.AddImage(sizes[i % 8], sizes[i % 8], depths[i % 6])) return {};
  }
  const std::string path = dir.filePath(QStringLiteral("big.ico")).toStdString();
  return icon.SaveToFile(path) ? path : std::string();
}

void BM_StartupWith32Images(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string file = MakeBigIcon(dir);
  if (file.empty()) {
    state.SkipWithError("could not write the icon");
    return;
  }
  pixmint::app::StartOptions options;
  options.programPath = QStringLiteral("/usr/bin/pixmint");
  options.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
  options.registerAssociation = false;
  options.fileArgument = QString::fromStdString(file);
  for (auto _ : state) {
    auto window = std::make_unique<pixmint::app::TfrmMain>(options);
    window->show();
    window->StartDocument();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window->windowTitle());
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupWith32Images)->Unit(benchmark::kMillisecond)->Iterations(10);

// The language's share of the start: the program's translation (English) or
// Qt's own (Chinese) loaded and installed, then removed.
void BM_LanguageInstall(benchmark::State& state) {
  const auto language = static_cast<pixmint::texts::Language>(state.range(0));
  for (auto _ : state) {
    pixmint::translations::AppLanguage installed(language);
    benchmark::DoNotOptimize(installed.QtTranslated());
  }
}
BENCHMARK(BM_LanguageInstall)
    ->Arg(static_cast<int>(pixmint::texts::Language::kChinese))
    ->Arg(static_cast<int>(pixmint::texts::Language::kEnglish))
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
