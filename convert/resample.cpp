#include "convert/resample.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pixmint::convert {
namespace {

constexpr double kLobes = 3.0;

double Sinc(double x) {
  if (x == 0.0) return 1.0;
  const double px = std::numbers::pi * x;
  return std::sin(px) / px;
}

double Lanczos(double x) {
  return std::abs(x) < kLobes ? Sinc(x) * Sinc(x / kLobes) : 0.0;
}

// For every output position the first source position and its weights.
struct Taps {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<float> weights;  // stride entries per output position
  int stride = 0;
};

Taps MakeTaps(int from, int to) {
  const double factor = static_cast<double>(from) / to;
  // When reducing, the filter widens so that it averages every source pixel.
  const double widen = std::max(factor, 1.0);
  const double support = kLobes * widen;
  Taps taps;
  taps.stride = static_cast<int>(std::ceil(2 * support)) + 2;
  taps.first.resize(static_cast<std::size_t>(to));
  taps.count.resize(static_cast<std::size_t>(to));
  taps.weights.assign(static_cast<std::size_t>(to) * static_cast<std::size_t>(taps.stride), 0.0f);
  std::vector<double> w(static_cast<std::size_t>(taps.stride));
  for (int x = 0; x < to; ++x) {
    const double centre = (x + 0.5) * factor;
    const int start = std::max(static_cast<int>(centre - support + 0.5), 0);
    const int stop = std::min(static_cast<int>(centre + support + 0.5), from);
    const int n = std::clamp(stop - start, 1, taps.stride);
    double sum = 0;
    for (int k = 0; k < n; ++k) sum += w[static_cast<std::size_t>(k)] = Lanczos((start + k + 0.5 - centre) / widen);
    float* out = taps.weights.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(taps.stride);
    for (int k = 0; k < n; ++k) out[k] = static_cast<float>(sum != 0 ? w[static_cast<std::size_t>(k)] / sum : 1.0 / n);
    taps.first[static_cast<std::size_t>(x)] = std::min(start, from - 1);
    taps.count[static_cast<std::size_t>(x)] = std::min(n, from - taps.first[static_cast<std::size_t>(x)]);
  }
  return taps;
}

// Ringing may push values outside what a pixel can hold: alpha stays in 0..1
// and a premultiplied colour never exceeds its alpha.
void ClampPixel(float* p) {
  p[3] = std::clamp(p[3], 0.0f, 1.0f);
  for (int c = 0; c < 3; ++c) p[c] = std::clamp(p[c], 0.0f, p[3]);
}

std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0f), 0L, 255L));
}

}  // namespace

Resampler::Resampler(const Rgba& source) : source_(source), width_(source.width), height_(source.height) {
  premultiplied_.resize(source.pixels.size());
  for (std::size_t i = 0; i + 3 < source.pixels.size(); i += 4) {
    const float a = source.pixels[i + 3] / 255.0f;
    for (int c = 0; c < 3; ++c) premultiplied_[i + c] = source.pixels[i + c] / 255.0f * a;
    premultiplied_[i + 3] = a;
  }
}

Rgba Resampler::Resize(int width, int height) const {
  if (width == width_ && height == height_) return source_;
  Rgba out{width, height, {}};
  if (width < 1 || height < 1 || width_ < 1 || height_ < 1) return out;
  const Taps across = MakeTaps(width_, width);
  const Taps down = MakeTaps(height_, height);
  const std::size_t rowOut = static_cast<std::size_t>(width) * 4;
  // Rows first: every source row shrinks to the new width.
  std::vector<float> narrow(static_cast<std::size_t>(height_) * rowOut);
  for (int y = 0; y < height_; ++y) {
    const float* src = premultiplied_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 4;
    float* dst = narrow.data() + static_cast<std::size_t>(y) * rowOut;
    for (int x = 0; x < width; ++x, dst += 4) {
      const float* w = across.weights.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(across.stride);
      const float* p = src + static_cast<std::size_t>(across.first[static_cast<std::size_t>(x)]) * 4;
      float acc[4] = {0, 0, 0, 0};
      for (int k = 0; k < across.count[static_cast<std::size_t>(x)]; ++k, p += 4) {
        for (int c = 0; c < 4; ++c) acc[c] += w[k] * p[c];
      }
      std::copy_n(acc, 4, dst);
      ClampPixel(dst);
    }
  }
  // Then columns, a whole row of weights at a time.
  out.pixels.resize(static_cast<std::size_t>(height) * rowOut);
  std::vector<float> row(rowOut);
  for (int y = 0; y < height; ++y) {
    std::fill(row.begin(), row.end(), 0.0f);
    const float* w = down.weights.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(down.stride);
    const int first = down.first[static_cast<std::size_t>(y)];
    for (int k = 0; k < down.count[static_cast<std::size_t>(y)]; ++k) {
      const float* src = narrow.data() + static_cast<std::size_t>(first + k) * rowOut;
      for (std::size_t i = 0; i < rowOut; ++i) row[i] += w[k] * src[i];
    }
    std::uint8_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * rowOut;
    for (std::size_t i = 0; i < rowOut; i += 4) {
      ClampPixel(&row[i]);
      const float a = row[i + 3];
      const std::uint8_t alpha = ToByte(a);
      if (alpha == 0) continue;
      for (int c = 0; c < 3; ++c) dst[i + c] = ToByte(row[i + c] / a);
      dst[i + 3] = alpha;
    }
  }
  return out;
}

Placement FitPlacement(int width, int height, int side) {
  if (width <= 0 || height <= 0) return {};
  if (width >= height) {
    const int h = std::max(1, static_cast<int>(std::lround(static_cast<double>(height) * side / width)));
    return {0, (side - h) / 2, side, h};
  }
  const int w = std::max(1, static_cast<int>(std::lround(static_cast<double>(width) * side / height)));
  return {(side - w) / 2, 0, w, side};
}

Rgba FitSquare(const Resampler& source, int side) {
  const Placement at = FitPlacement(source.Width(), source.Height(), side);
  const Rgba fitted = source.Resize(at.width, at.height);
  if (at.width == side && at.height == side) return fitted;
  Rgba out{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * side * 4, 0)};
  for (int y = 0; y < at.height; ++y) {
    std::copy_n(fitted.pixels.data() + static_cast<std::size_t>(y) * at.width * 4,
                static_cast<std::size_t>(at.width) * 4,
                out.pixels.data() + (static_cast<std::size_t>(at.y + y) * side + at.x) * 4);
  }
  return out;
}

}  // namespace pixmint::convert
