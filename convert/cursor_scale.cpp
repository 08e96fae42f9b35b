#include "convert/cursor_scale.h"

#include <algorithm>

namespace pixmint::convert {
namespace {

// The source pixels one target pixel covers along an axis, with the length
// of each overlap. On an axis from s to d pixels, source pixel i spans
// [i*d, (i+1)*d) and target pixel j spans [j*s, (j+1)*s): the overlaps of
// one target pixel add up to s.
struct AxisTaps {
  std::vector<int> first;              // per target pixel: its first source pixel
  std::vector<int> count;              // per target pixel: how many
  std::vector<std::uint32_t> weights;  // the overlaps, target by target
  std::vector<std::size_t> start;      // per target pixel: where its weights start
};

AxisTaps Taps(int from, int to) {
  AxisTaps taps;
  taps.first.resize(static_cast<std::size_t>(to));
  taps.count.resize(static_cast<std::size_t>(to));
  taps.start.resize(static_cast<std::size_t>(to));
  const std::int64_t s = from, d = to;
  for (std::int64_t j = 0; j < d; ++j) {
    const std::int64_t lo = j * s, hi = (j + 1) * s;
    const std::int64_t i0 = lo / d, i1 = std::min(s - 1, (hi - 1) / d);
    taps.first[static_cast<std::size_t>(j)] = static_cast<int>(i0);
    taps.count[static_cast<std::size_t>(j)] = static_cast<int>(i1 - i0 + 1);
    taps.start[static_cast<std::size_t>(j)] = taps.weights.size();
    for (std::int64_t i = i0; i <= i1; ++i) {
      const std::int64_t overlap = std::min(hi, (i + 1) * d) - std::max(lo, i * d);
      taps.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return taps;
}

std::vector<std::uint32_t> Replicate(std::span<const std::uint32_t> pixels, int width, int height, int kx, int ky) {
  const std::size_t toWidth = static_cast<std::size_t>(width) * static_cast<std::size_t>(kx);
  std::vector<std::uint32_t> out(toWidth * static_cast<std::size_t>(height) * static_cast<std::size_t>(ky));
  std::uint32_t* row = out.data();
  for (int y = 0; y < height; ++y) {
    std::uint32_t* first = row;
    for (int x = 0; x < width; ++x) {
      row = std::fill_n(row, kx, pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]);
    }
    for (int r = 1; r < ky; ++r) row = std::copy(first, first + toWidth, row);
  }
  return out;
}

std::uint32_t Premultiplied(const std::uint8_t* p) {
  const std::uint32_t a = p[3];
  auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (mul(p[0]) << 16) | (mul(p[1]) << 8) | mul(p[2]);
}

void Straight(std::uint32_t argb, std::uint8_t* p) {
  const std::uint32_t a = argb >> 24;
  auto div = [a](std::uint32_t c) {
    return a == 0 ? std::uint8_t{0} : static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (c * 255 + a / 2) / a));
  };
  p[0] = div((argb >> 16) & 0xFF);
  p[1] = div((argb >> 8) & 0xFF);
  p[2] = div(argb & 0xFF);
  p[3] = static_cast<std::uint8_t>(a);
}

}  // namespace

std::optional<CursorSourceChoice> ChooseCursorSource(std::span<const int> sides, int side) {
  std::optional<std::size_t> exact, multiple, larger, smaller;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    const int s = sides[k];
    if (s <= 0) continue;
    if (s == side && !exact) exact = k;
    if (s < side && side % s == 0 && (!multiple || s > sides[*multiple])) multiple = k;
    if (s > side && (!larger || s < sides[*larger])) larger = k;
    if (s < side && (!smaller || s > sides[*smaller])) smaller = k;
  }
  if (exact) return CursorSourceChoice{*exact, CursorScaling::kExact};
  if (multiple) return CursorSourceChoice{*multiple, CursorScaling::kReplicate};
  if (larger) return CursorSourceChoice{*larger, CursorScaling::kDownscale};
  if (smaller) return CursorSourceChoice{*smaller, CursorScaling::kReplicateThenDownscale};
  return std::nullopt;
}

CursorScaling ScalingBetween(int from, int side) {
  if (from == side) return CursorScaling::kExact;
  if (from > side) return CursorScaling::kDownscale;
  return side % from == 0 ? CursorScaling::kReplicate : CursorScaling::kReplicateThenDownscale;
}

Size2 ScaledCursorSize(int width, int height, int from, int side) {
  if (from <= 0) return {};
  auto scale = [&](int v) { return std::max<int>(1, static_cast<int>((std::int64_t{v} * side + from / 2) / from)); };
  return {scale(width), scale(height)};
}

raster::Point ScaleCursorHotSpot(raster::Point hotSpot, int fromWidth, int fromHeight, int toWidth, int toHeight) {
  auto scale = [](int h, int from, int to) {
    if (from <= 0 || to <= 0) return 0;
    // floor((h + 0.5) * to / from) in whole numbers, h held inside the source.
    const std::int64_t twice = 2 * std::int64_t{std::clamp(h, 0, from - 1)} + 1;
    return static_cast<int>(std::min<std::int64_t>(twice * to / (2 * std::int64_t{from}), to - 1));
  };
  return {scale(hotSpot.x, fromWidth, toWidth), scale(hotSpot.y, fromHeight, toHeight)};
}

std::vector<std::uint32_t> ResamplePremultiplied(std::span<const std::uint32_t> pixels, int width, int height,
                                                 int toWidth, int toHeight) {
  if (width <= 0 || height <= 0 || toWidth <= 0 || toHeight <= 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return {};
  }
  if (toWidth % width == 0 && toHeight % height == 0) {
    return Replicate(pixels, width, height, toWidth / width, toHeight / height);
  }
  const AxisTaps across = Taps(width, toWidth), down = Taps(height, toHeight);
  // Across each row first: four sums a pixel, each at most 255 * width.
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(toWidth) * static_cast<std::size_t>(height) * 4);
  std::uint32_t* out = rows.data();
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (std::size_t j = 0; j < static_cast<std::size_t>(toWidth); ++j, out += 4) {
      std::uint32_t a = 0, r = 0, g = 0, b = 0;
      const std::uint32_t* w = &across.weights[across.start[j]];
      const std::uint32_t* p = row + across.first[j];
      for (int k = 0; k < across.count[j]; ++k) {
        a += (p[k] >> 24) * w[k];
        r += ((p[k] >> 16) & 0xFF) * w[k];
        g += ((p[k] >> 8) & 0xFF) * w[k];
        b += (p[k] & 0xFF) * w[k];
      }
      out[0] = a, out[1] = r, out[2] = g, out[3] = b;
    }
  }
  // Then down each column; rounding the same way for colour and alpha keeps
  // every colour at most its alpha.
  const std::uint64_t area = std::uint64_t{static_cast<std::uint32_t>(width)} * static_cast<std::uint32_t>(height);
  std::vector<std::uint32_t> result(static_cast<std::size_t>(toWidth) * static_cast<std::size_t>(toHeight));
  const std::size_t stride = static_cast<std::size_t>(toWidth) * 4;
  for (std::size_t j = 0; j < static_cast<std::size_t>(toHeight); ++j) {
    const std::uint32_t* w = &down.weights[down.start[j]];
    for (std::size_t x = 0; x < static_cast<std::size_t>(toWidth); ++x) {
      std::uint64_t sum[4] = {0, 0, 0, 0};
      const std::uint32_t* p = rows.data() + static_cast<std::size_t>(down.first[j]) * stride + 4 * x;
      for (int k = 0; k < down.count[j]; ++k, p += stride) {
        for (int c = 0; c < 4; ++c) sum[c] += std::uint64_t{p[c]} * w[k];
      }
      std::uint32_t argb = 0;
      for (int c = 0; c < 4; ++c) argb = (argb << 8) | static_cast<std::uint32_t>((sum[c] + area / 2) / area);
      result[j * static_cast<std::size_t>(toWidth) + x] = argb;
    }
  }
  return result;
}

std::vector<std::uint8_t> ResampleRgba(std::span<const std::uint8_t> rgba, int width, int height, int toWidth,
                                       int toHeight) {
  if (width <= 0 || height <= 0 ||
      rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
    return {};
  std::vector<std::uint32_t> argb(rgba.size() / 4);
  for (std::size_t k = 0; k < argb.size(); ++k) argb[k] = Premultiplied(&rgba[4 * k]);
  const std::vector<std::uint32_t> scaled = ResamplePremultiplied(argb, width, height, toWidth, toHeight);
  std::vector<std::uint8_t> out(scaled.size() * 4);
  for (std::size_t k = 0; k < scaled.size(); ++k) Straight(scaled[k], &out[4 * k]);
  return out;
}

}  // namespace pixmint::convert
