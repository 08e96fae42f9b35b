#include <benchmark/benchmark.h>

#include <random>

#include "document/bmp_codec.h"
#include "document/jpeg_codec.h"
#include "document/png_codec.h"

namespace {

using namespace pixmint;

// A 256 x 256 picture of smooth gradients with some noise: compresses like
// a real icon rather than like pure noise or a flat fill.
raster::Picture Sample() {
  std::mt19937 rng(7);
  raster::Picture picture(256, 256);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const auto noise = static_cast<std::uint8_t>(rng() & 15);
      picture.SetPixel(x, y,
                       raster::Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y + noise),
                                   static_cast<std::uint8_t>((x + y) / 2)));
    }
  }
  return picture;
}

void BM_EncodePng256(benchmark::State& state) {
  const raster::Picture picture = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(document::EncodePng(picture));
}
BENCHMARK(BM_EncodePng256)->Unit(benchmark::kMillisecond);

void BM_DecodePng256(benchmark::State& state) {
  const auto png = *document::EncodePng(Sample());
  for (auto _ : state) benchmark::DoNotOptimize(document::DecodePng(png, document::ChannelOrder::kBgra));
}
BENCHMARK(BM_DecodePng256)->Unit(benchmark::kMillisecond);

// One undo snapshot written and read back.
void BM_BmpRoundTrip256(benchmark::State& state) {
  const raster::Picture picture = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(document::DecodeBmp(document::EncodeBmp(picture)));
}
BENCHMARK(BM_BmpRoundTrip256)->Unit(benchmark::kMicrosecond);

void BM_EncodeJpeg256(benchmark::State& state) {
  const raster::Picture picture = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(document::EncodeJpeg(picture));
}
BENCHMARK(BM_EncodeJpeg256)->Unit(benchmark::kMillisecond);

}  // namespace
