// The cursor scaler: which source makes a size, where the hot spot lands,
// and the box resampling against an obvious slow reference.
#include "convert/cursor_scale.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace pixmint::convert {
namespace {

TEST(CursorScale, ChoosesExactThenDivisorThenLargerThenSmaller) {
  const std::vector<int> sides = {32, 48, 128, 32};
  const struct {
    int side;
    std::size_t source;
    CursorScaling scaling;
  } cases[] = {
      {32, 0, CursorScaling::kExact},
      {96, 1, CursorScaling::kReplicate},  // 48 divides 96, and beats 32
      {64, 0, CursorScaling::kReplicate},
      {24, 0, CursorScaling::kDownscale},
      {40, 1, CursorScaling::kDownscale},
      {100, 2, CursorScaling::kDownscale},
      {200, 2, CursorScaling::kReplicateThenDownscale},
  };
  for (const auto& c : cases) {
    const auto choice = ChooseCursorSource(sides, c.side);
    ASSERT_TRUE(choice) << c.side;
    EXPECT_EQ(std::pair(choice->source, choice->scaling), std::pair(c.source, c.scaling)) << c.side;
    EXPECT_EQ(ScalingBetween(sides[choice->source], c.side), c.scaling) << c.side;
  }
  EXPECT_FALSE(ChooseCursorSource(std::vector<int>{}, 32));
  EXPECT_EQ(ScaledCursorSize(32, 24, 32, 48).height, 36);
}

TEST(CursorScale, HotSpotCoversTheCentreOfTheSourcePixel) {
  const struct {
    int h, from, to, want;
  } cases[] = {{0, 32, 48, 0},  {1, 32, 48, 2}, {3, 32, 48, 5},   {31, 32, 48, 47}, {5, 32, 64, 11},
               {5, 32, 96, 16}, {9, 32, 24, 7}, {40, 32, 48, 47}, {-3, 32, 48, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleCursorHotSpot({c.h, c.h}, c.from, c.from, c.to, c.to), (raster::Point{c.want, c.want}))
        << c.h << " " << c.from << "->" << c.to;
  }
}

// Replicate by the least common multiple, then average blocks: the
// definition, without any cleverness.
std::vector<std::uint32_t> SlowReference(const std::vector<std::uint32_t>& src, int w, int h, int tw, int th) {
  const int mx = std::lcm(w, tw), my = std::lcm(h, th);
  const int bx = mx / tw, by = my / th;
  std::vector<std::uint32_t> out;
  for (int ty = 0; ty < th; ++ty) {
    for (int tx = 0; tx < tw; ++tx) {
      std::uint64_t sum[4] = {};
      for (int y = ty * by; y < (ty + 1) * by; ++y) {
        for (int x = tx * bx; x < (tx + 1) * bx; ++x) {
          const std::uint32_t p = src[static_cast<std::size_t>(y / (my / h) * w + x / (mx / w))];
          for (int c = 0; c < 4; ++c) sum[c] += (p >> (24 - 8 * c)) & 0xFF;
        }
      }
      const std::uint64_t n = std::uint64_t(bx) * by;
      std::uint32_t v = 0;
      for (int c = 0; c < 4; ++c) v = (v << 8) | static_cast<std::uint32_t>((sum[c] + n / 2) / n);
      out.push_back(v);
    }
  }
  return out;
}

TEST(CursorScale, ResamplingMatchesReplicateThenAverage) {
  std::mt19937 random(7);
  const std::pair<int, int> sizes[] = {{32, 48}, {32, 64}, {32, 96}, {32, 24}, {48, 32}, {24, 40}, {5, 3}, {7, 16}};
  for (const auto& [from, to] : sizes) {
    std::vector<std::uint32_t> src(static_cast<std::size_t>(from) * from);
    for (std::uint32_t& p : src) {
      const std::uint32_t a = random() % 3 == 0 ? 0 : random() % 256;
      p = a << 24;
      for (int c = 0; c < 3; ++c) p |= (a == 0 ? 0 : random() % (a + 1)) << (8 * c);
    }
    const auto fast = ResamplePremultiplied(src, from, from, to, to);
    ASSERT_EQ(fast, SlowReference(src, from, from, to, to)) << from << "->" << to;
    for (std::uint32_t p : fast) {
      for (int c = 0; c < 3; ++c) ASSERT_LE((p >> (8 * c)) & 0xFF, p >> 24) << "premultiplied stays valid";
    }
  }
  EXPECT_TRUE(ResamplePremultiplied(std::vector<std::uint32_t>(3), 2, 2, 4, 4).empty());
  // Straight RGBA keeps its channels in their places; clear pixels lend no colour.
  const std::vector<std::uint8_t> rgba = {200, 100, 50, 255, 0, 0, 255, 0, 200, 100, 50, 255, 0, 0, 255, 0};
  const auto one = ResampleRgba(rgba, 2, 2, 1, 1);
  ASSERT_EQ(one.size(), 4u);
  for (std::size_t c = 0; c < 4; ++c) EXPECT_NEAR(one[c], c == 3 ? 128 : rgba[c], 2) << c;
}

}  // namespace
}  // namespace pixmint::convert
