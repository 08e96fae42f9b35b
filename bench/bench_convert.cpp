// The converter's core without the process around it: a 1024 x 1024 master
// resampled into the default sizes, and the whole icon built at 32 bits and
// with 8- and 4-bit images besides.
#include <benchmark/benchmark.h>

#include <cmath>

#include "convert/icon_builder.h"

namespace {

using pixmint::convert::Rgba;

Rgba Master(int side) {
  Rgba p{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * side * 4)};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* q = &p.pixels[(static_cast<std::size_t>(y) * side + x) * 4];
      q[0] = static_cast<std::uint8_t>(x * 255 / side);
      q[1] = static_cast<std::uint8_t>(y * 255 / side);
      q[2] = static_cast<std::uint8_t>(128 + 100 * std::sin(x * 0.05));
      q[3] = std::hypot(x - side / 2, y - side / 2) < side * 0.45 ? 255 : 0;
    }
  }
  return p;
}

void BM_ResampleDefaultSizes(benchmark::State& state) {
  const pixmint::convert::Resampler resampler(Master(1024));
  for (auto _ : state) {
    for (const int s : pixmint::convert::kDefaultSizes) benchmark::DoNotOptimize(resampler.Resize(s, s));
  }
}
BENCHMARK(BM_ResampleDefaultSizes)->Unit(benchmark::kMillisecond);

void BM_BuildIcon(benchmark::State& state) {
  std::vector<pixmint::convert::Master> masters;
  masters.emplace_back("master", Master(1024));
  pixmint::convert::ConvertOptions options;
  if (state.range(0) != 0) options.depths = {32, 8, 4};
  for (auto _ : state) {
    pixmint::document::TKvIcon icon;
    if (const auto built = pixmint::convert::BuildIcon(masters, options, icon); !built) {
      state.SkipWithError(pixmint::texts::EnglishMessage(built.error()).c_str());
    }
    benchmark::DoNotOptimize(icon.ImageCount());
  }
}
BENCHMARK(BM_BuildIcon)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
