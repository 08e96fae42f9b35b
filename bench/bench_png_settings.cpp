// Decides the PNG writer's settings: our encoder (a filter chosen per row,
// libdeflate) at each of its levels against libpng with zlib at the levels
// that matter (6, its default, and 7, ImageMagick's), both with libpng's own
// per-row filter choice, on 256-pixel icon pictures: time per picture and, as
// the "bytes" counter, the file size.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <random>
#include <vector>

#include "document/png_codec.h"

namespace {

using namespace pixmint;

constexpr int kSide = 256;

// An icon-like picture: a gradient disc with a darker rim and a
// half-transparent square on a transparent background, edges softened.
std::vector<std::uint8_t> IconPicture() {
  std::vector<std::uint8_t> rgba(kSide * kSide * 4, 0);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      std::uint8_t* p = &rgba[(y * kSide + x) * 4];
      const double d = std::hypot(x - 128.0, y - 120.0);
      if (d < 100) {
        const double edge = std::min(1.0, 100 - d);
        p[0] = static_cast<std::uint8_t>(d > 92 ? 40 : 255 - y / 2);
        p[1] = static_cast<std::uint8_t>(d > 92 ? 60 : 120 + x / 4);
        p[2] = static_cast<std::uint8_t>(d > 92 ? 90 : 30);
        p[3] = static_cast<std::uint8_t>(255 * edge);
      }
      if (x > 60 && x < 170 && y > 140 && y < 230) {
        p[0] = 250, p[1] = 250, p[2] = 255, p[3] = 176;
      }
    }
  }
  return rgba;
}

// Smooth gradients with noise: a photograph-like picture.
std::vector<std::uint8_t> PhotoPicture() {
  std::mt19937 rng(7);
  std::vector<std::uint8_t> rgba(kSide * kSide * 4);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      std::uint8_t* p = &rgba[(y * kSide + x) * 4];
      const auto noise = static_cast<std::uint8_t>(rng() & 15);
      p[0] = static_cast<std::uint8_t>(x), p[1] = static_cast<std::uint8_t>(y + noise);
      p[2] = static_cast<std::uint8_t>((x + y) / 2), p[3] = 255;
    }
  }
  return rgba;
}

void Append(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

// The same picture through libpng and zlib at level, every filter tried per row.
std::vector<std::uint8_t> EncodeWithLibpng(const std::vector<std::uint8_t>& rgba, int level) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, Append, nullptr);
  png_set_compression_level(png, level);
  png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < kSide; ++y) png_write_row(png, &rgba[static_cast<std::size_t>(y) * kSide * 4]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

template <typename Encode>
void Run(benchmark::State& state, const std::vector<std::uint8_t>& rgba, Encode encode) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto png = encode(rgba);
    bytes = png.size();
    benchmark::DoNotOptimize(png.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_IconOurs(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  Run(state, IconPicture(), [level](const std::vector<std::uint8_t>& rgba) {
    return *document::EncodePng32(kSide, kSide, rgba, document::ChannelOrder::kRgba, false, level);
  });
}
void BM_IconLibpng(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  Run(state, IconPicture(), [level](const std::vector<std::uint8_t>& rgba) { return EncodeWithLibpng(rgba, level); });
}
void BM_PhotoOurs(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  Run(state, PhotoPicture(), [level](const std::vector<std::uint8_t>& rgba) {
    return *document::EncodePng32(kSide, kSide, rgba, document::ChannelOrder::kRgba, false, level);
  });
}
void BM_PhotoLibpng(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  Run(state, PhotoPicture(), [level](const std::vector<std::uint8_t>& rgba) { return EncodeWithLibpng(rgba, level); });
}
BENCHMARK(BM_IconOurs)->DenseRange(1, 12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconLibpng)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoOurs)->DenseRange(1, 12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoLibpng)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);

}  // namespace
