// A cursor theme from a one-size Windows pack: wine's 15 cursors at 32
// pixels (the Wait role a 20-frame animation) made at the five default
// sizes, in process and as the whole pixmint-cli process. Goal: the whole
// process within 0.25 s.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cursor_pack.h"
#include "formats/cursor_theme.h"

extern char** environ;

namespace {

using namespace pixmint;
namespace fs = std::filesystem;

// The pack, made once.
const fs::path& Pack() {
  static const fs::path pack = [] {
    const fs::path root = fs::temp_directory_path() / ("pixmint-bench-theme-" + std::to_string(::getpid()));
    std::string why;
    std::vector<packs::PackCursor> cursors;
    if (const auto dll = packs::WineUser32(PIXMINT_BENCH_CACHE, why)) {
      if (auto wine = packs::WineCursors(*dll, why)) cursors = std::move(*wine);
    }
    if (cursors.empty()) {
      std::cerr << "wine's cursors not available (" << why << "): drawn cursors instead\n";
      cursors = packs::DrawnCursors();
    }
    const auto busy = packs::Animated(*cursors[3].icon, 20);
    if (!packs::WritePack(cursors, &busy, root / "pack", packs::PackNaming::kCaptions, why)) {
      std::cerr << why << '\n';
      std::exit(1);
    }
    std::atexit(
        [] { fs::remove_all(fs::temp_directory_path() / ("pixmint-bench-theme-" + std::to_string(::getpid()))); });
    return root / "pack";
  }();
  return pack;
}

void BM_ThemeInProcess(benchmark::State& state) {
  const fs::path out = Pack().parent_path() / "in-process";
  for (auto _ : state) {
    const auto sources = formats::FindThemeSources(Pack());
    formats::ThemeReport report;
    const auto built = sources ? formats::BuildCursorTheme(*sources, out, "Bench", report) : sources.error();
    if (!built) state.SkipWithError(texts::EnglishMessage(built.error()).c_str());
  }
}
BENCHMARK(BM_ThemeInProcess)->Unit(benchmark::kMillisecond);

void BM_ThemeWholeProcess(benchmark::State& state) {
  const std::string pack = Pack().string(), out = (Pack().parent_path() / "process").string();
  char* argv[] = {const_cast<char*>(PIXMINT_CLI), const_cast<char*>("xcursor-theme"), const_cast<char*>(pack.c_str()),
                  const_cast<char*>(out.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, PIXMINT_CLI, &actions, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("pixmint-cli xcursor-theme failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_ThemeWholeProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
