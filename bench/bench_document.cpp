#include <benchmark/benchmark.h>

#include <cstdlib>

#include "doctor/doctor.h"
#include "doctor/picks.h"
#include "document/icon_image.h"
#include "document/kv_icon.h"

namespace {

using pixmint::document::TKvIcon;
using pixmint::raster::Rgb;

// Every 15-bit colour exactly twice, in a scrambled order.
pixmint::raster::Picture AllFifteenBitColours() {
  pixmint::raster::Picture pic(256, 256);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int key = ((y % 128) * 256 + x) * 7919 % 32768;
      pic.SetPixel(x, y,
                   Rgb(static_cast<std::uint8_t>((key & 31) << 3), static_cast<std::uint8_t>(((key >> 5) & 31) << 3),
                       static_cast<std::uint8_t>(((key >> 10) & 31) << 3)));
    }
  }
  return pic;
}

void BM_QuantizeAllColours(benchmark::State& state) {
  const auto pic = AllFifteenBitColours();
  std::vector<std::uint8_t> header, bits;
  for (auto _ : state) {
    if (!pixmint::document::QuantizeTo8Bit(pic, header, bits)) state.SkipWithError("quantise failed");
    benchmark::DoNotOptimize(bits.data());
  }
}
BENCHMARK(BM_QuantizeAllColours)->Unit(benchmark::kMillisecond);

void BM_ChangeFormatTo8Bits(benchmark::State& state) {
  TKvIcon icon;
  if (!icon.AddImage(256, 256, 24)) state.SkipWithError("add failed");
  StretchCopy(AllFifteenBitColours(), *icon.XorBitmap(0));
  for (auto _ : state) {
    state.PauseTiming();
    if (!icon.DuplicateImage(0)) state.SkipWithError("duplicate failed");
    state.ResumeTiming();
    if (!icon.ChangeFormat(1, 256, 256, 8)) state.SkipWithError("change failed");
    state.PauseTiming();
    if (!icon.DeleteImage(1)) state.SkipWithError("delete failed");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ChangeFormatTo8Bits)->Unit(benchmark::kMillisecond);

// 32 images: the usual sizes in every depth, two of them 256 x 256 PNG.
TKvIcon& ThirtyTwoImages() {
  static TKvIcon icon;
  if (icon.ImageCount() != 0) return icon;
  const int sizes[] = {16, 24, 32, 48, 64};
  const int depths[] = {1, 4, 8, 16, 24, 32};
  for (std::uint32_t i = 0; i < 30; ++i) {
    const int side = sizes[i % 5];
    if (!icon.AddImage(side, side, depths[i / 5])) std::abort();
    auto& s = *icon.XorBitmap(i);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x)
        s.SetPixel(x, y, Rgb(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 90));
    }
    icon.AndBitmap(i)->Fill(false);
  }
  for (std::uint32_t i = 30; i < 32; ++i) {
    if (!icon.AddImage(256, 256, 32)) std::abort();
    StretchCopy(AllFifteenBitColours(), *icon.XorBitmap(i));
    auto& s = *icon.XorBitmap(i);
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) s.SetRaw(x, y, s.GetRaw(x, y) | 0xFF000000u);
    }
    icon.AndBitmap(i)->Fill(false);
    icon.SetPngCompressed(i, i == 31);
  }
  return icon;
}

void BM_SaveThirtyTwoImages(benchmark::State& state) {
  TKvIcon& icon = ThirtyTwoImages();
  for (auto _ : state) {
    auto bytes = icon.SaveToMemory();
    if (!bytes) state.SkipWithError("save failed");
    benchmark::DoNotOptimize(bytes->data());
  }
}
BENCHMARK(BM_SaveThirtyTwoImages)->Unit(benchmark::kMillisecond);

void BM_LoadThirtyTwoImages(benchmark::State& state) {
  const auto bytes = ThirtyTwoImages().SaveToMemory();
  if (!bytes) state.SkipWithError("save failed");
  for (auto _ : state) {
    TKvIcon loaded;
    if (!loaded.LoadFromMemory(*bytes, "bench.ico")) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(loaded.ImageCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes->size()));
}
BENCHMARK(BM_LoadThirtyTwoImages)->Unit(benchmark::kMillisecond);

// Saving a file as it was read: every image's entry is written as read
// after a comparison with its surfaces, no PNG is compressed again.
void BM_SaveAsRead(benchmark::State& state) {
  const auto bytes = ThirtyTwoImages().SaveToMemory();
  TKvIcon loaded;
  if (!bytes || !loaded.LoadFromMemory(*bytes, "bench.ico")) state.SkipWithError("load failed");
  for (auto _ : state) {
    auto saved = loaded.SaveToMemory();
    benchmark::DoNotOptimize(saved->data());
  }
}
BENCHMARK(BM_SaveAsRead)->Unit(benchmark::kMillisecond);

// The doctor's checks and picks of the same file.
void BM_CheckThirtyTwoImages(benchmark::State& state) {
  const auto bytes = ThirtyTwoImages().SaveToMemory();
  for (auto _ : state) {
    const auto exam = pixmint::doctor::Examine(*bytes, {});
    benchmark::DoNotOptimize(pixmint::doctor::PickEntries(exam.directories.front().check).size());
  }
}
BENCHMARK(BM_CheckThirtyTwoImages)->Unit(benchmark::kMillisecond);

}  // namespace
