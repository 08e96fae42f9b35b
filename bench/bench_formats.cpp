#include <benchmark/benchmark.h>

#include "formats/ani_file.h"
#include "formats/xcursor.h"

namespace {

using namespace pixmint;

// A 16-frame animated cursor at 32 and 48 pixels, 32 bits with soft alpha:
// the size of a typical busy cursor of a modern cursor set.
formats::AnimatedCursor Busy() {
  formats::AnimatedCursor cursor;
  for (int f = 0; f < 16; ++f) {
    auto frame = std::make_unique<document::TKvIcon>();
    frame->SetIcon(false);
    for (int side : {32, 48}) {
      if (!frame->AddImage(side, side, 32)) return {};
      document::ImageSurface& s = *frame->XorBitmap(frame->ImageCount() - 1);
      for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
          const auto a = static_cast<std::uint32_t>((x * 7 + y * 3 + f * 16) % 256);
          s.SetRaw(x, y, (a << 24) | static_cast<std::uint32_t>(x * 5 << 16 | y * 5 << 8 | f * 15));
        }
      }
      frame->AndBitmap(frame->ImageCount() - 1)->Fill(false);
    }
    cursor.frames.push_back(std::move(frame));
  }
  cursor.PlayFramesInOrder(4);
  return cursor;
}

void BM_WriteAni(benchmark::State& state) {
  const auto cursor = Busy();
  for (auto _ : state) benchmark::DoNotOptimize(formats::WriteAniMemory(cursor));
}
BENCHMARK(BM_WriteAni)->Unit(benchmark::kMillisecond);

void BM_ReadAni(benchmark::State& state) {
  const auto bytes = *formats::WriteAniMemory(Busy());
  for (auto _ : state) benchmark::DoNotOptimize(formats::ReadAniMemory(bytes, "busy.ani"));
}
BENCHMARK(BM_ReadAni)->Unit(benchmark::kMillisecond);

void BM_ExportXcursor(benchmark::State& state) {
  const auto cursor = Busy();
  for (auto _ : state) {
    std::vector<texts::Failure> notes;
    benchmark::DoNotOptimize(formats::EncodeXcursor(*formats::XcursorImagesOf(cursor, notes)));
  }
}
BENCHMARK(BM_ExportXcursor)->Unit(benchmark::kMillisecond);

void BM_ImportXcursor(benchmark::State& state) {
  std::vector<texts::Failure> notes;
  const auto bytes = *formats::EncodeXcursor(*formats::XcursorImagesOf(Busy(), notes));
  for (auto _ : state) benchmark::DoNotOptimize(formats::ReadXcursorMemory(bytes, "busy"));
}
BENCHMARK(BM_ImportXcursor)->Unit(benchmark::kMillisecond);

}  // namespace
