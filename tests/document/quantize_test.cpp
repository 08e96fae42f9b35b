#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>

#include "document/byte_io.h"
#include "document/icon_image.h"
#include "raster/canvas.h"
#include "support/random_picture.h"

namespace pixmint::document {
namespace {

using raster::Rgb;

// The popularity algorithm written out as literally as possible: full
// quadratic exchange sort and a linear key search per pixel.
void ReferenceQuantize(const raster::Picture& pic, std::vector<std::uint8_t>& table, std::vector<std::uint8_t>& bits) {
  auto keyOf = [](const std::uint8_t* p) {
    return ((p[0] & 0xF8u) << 7) + ((p[1] & 0xF8u) << 2) + ((p[2] & 0xF8u) >> 3);
  };
  std::vector<std::uint32_t> hist(32768, 0);
  for (int y = 0; y < pic.Height(); ++y) {
    for (int x = 0; x < pic.Width(); ++x) ++hist[keyOf(pic.At(x, y))];
  }
  std::vector<std::uint32_t> count, key;
  for (std::uint32_t k = 0; k < 32768; ++k) {
    if (hist[k] != 0) {
      count.push_back(hist[k]);
      key.push_back(k);
    }
  }
  while (count.size() < 2) {
    count.push_back(0);
    key.push_back(0);
  }
  const std::size_t n = count.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (count[j] > count[i]) {
        std::swap(count[i], count[j]);
        std::swap(key[i], key[j]);
      }
    }
  }
  // Table entries are blue, green, red: bits 10-14, 5-9 and 0-4 of the key.
  auto bgrOf = [](std::uint32_t k) {
    return std::array<int, 3>{static_cast<int>((k & 0x7C00) >> 7), static_cast<int>((k & 0x03E0) >> 2),
                              static_cast<int>((k & 0x1F) * 8)};
  };
  table.assign(1024, 0);
  std::vector<std::array<int, 3>> entry(256);
  for (std::size_t p = 0; p < 256; ++p) {
    entry[p] = bgrOf(p < n ? key[p] : 0);
    for (int c = 0; c < 3; ++c) table[4 * p + c] = static_cast<std::uint8_t>(entry[p][c]);
  }
  std::vector<int> index(n);
  for (std::size_t p = 0; p < n; ++p) {
    if (p < 256) {
      index[p] = static_cast<int>(p);
      continue;
    }
    const auto want = bgrOf(key[p]);
    int best = 1000000000;
    for (int t = 0; t < 256; ++t) {
      int d = 0;
      for (int c = 0; c < 3; ++c) d += (entry[t][c] - want[c]) * (entry[t][c] - want[c]);
      if (d < best) {
        best = d;
        index[p] = t;
      }
    }
  }
  const std::size_t stride = ((pic.Width() * 8 + 31) >> 5) << 2;
  bits.assign(stride * pic.Height(), 0);
  for (int y = 0; y < pic.Height(); ++y) {
    for (int x = 0; x < pic.Width(); ++x) {
      const std::uint32_t k = keyOf(pic.At(x, y));
      std::size_t p = 0;
      while (key[p] != k) ++p;
      bits[(pic.Height() - 1 - y) * stride + x] = static_cast<std::uint8_t>(index[p]);
    }
  }
}

// 3072 distinct 15-bit colours, each twice: all counts tie, key order decides.
raster::Picture TiedPicture() {
  raster::Picture pic(96, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 96; ++x) {
      const int key = ((y % 32) * 96 + x) * 7 % 32768;
      pic.SetPixel(x, y, raster::Rgb((key & 31) << 3, ((key >> 5) & 31) << 3, ((key >> 10) & 31) << 3));
    }
  }
  return pic;
}

TEST(QuantizeTo8Bit, MatchesTheLiteralAlgorithm) {
  std::mt19937 rng(1234);
  std::vector<std::pair<raster::Picture, std::string>> pictures = {{TiedPicture(), "all counts tie"}};
  struct Case {
    int w, h, colours;
  };
  for (const Case& c : {Case{1, 1, 1}, Case{7, 5, 3}, Case{16, 16, 40}, Case{40, 30, 300}, Case{33, 61, 900},
                        Case{64, 64, 2000}, Case{64, 64, 5000}, Case{31, 17, 520}}) {
    for (int round = 0; round < 3; ++round) {
      pictures.emplace_back(test::RandomPicture(rng, c.w, c.h, c.colours),
                            std::to_string(c.w) + "x" + std::to_string(c.h) + " colours " + std::to_string(c.colours));
    }
  }
  for (const auto& [pic, what] : pictures) {
    std::vector<std::uint8_t> header, bits, refTable, refBits;
    ASSERT_TRUE(QuantizeTo8Bit(pic, header, bits)) << what;
    ReferenceQuantize(pic, refTable, refBits);
    ASSERT_EQ(header.size(), kHeaderBlockBytes) << what;
    EXPECT_TRUE(std::equal(refTable.begin(), refTable.end(), header.begin() + 40)) << what;
    EXPECT_EQ(bits, refBits) << what;
    const BitmapHeader h = ParseHeader(header);
    EXPECT_EQ(std::tuple(h.width, h.height, h.bitCount), std::tuple(pic.Width(), pic.Height(), 8)) << what;
  }
  std::vector<std::uint8_t> header, bits;
  EXPECT_FALSE(QuantizeTo8Bit(raster::Picture(), header, bits)) << "empty picture";
}

// A table without black leaves transparent pixels (which store black) with
// a colour the screen gets XORed with.
TEST(QuantizeTo8Bit, KeepsBlackInTheTableWhenAskedTo) {
  std::mt19937 rng(7);
  struct Case {
    const char* what;
    raster::Picture picture;
    bool blackWasMissing;
  };
  raster::Picture withBlack = test::RandomPicture(rng, 40, 40, 600);
  withBlack.FillRect({0, 0, 40, 10}, Rgb(0, 0, 0));
  raster::Picture few(8, 8, Rgb(200, 10, 10));
  std::vector<Case> cases = {{"many colours, none black", test::RandomPicture(rng, 40, 40, 600), true},
                             {"black among the most popular", withBlack, false},
                             {"few colours", few, false}};
  for (const Case& c : cases) {
    std::vector<std::uint8_t> plain, plainBits, kept, keptBits;
    ASSERT_TRUE(QuantizeTo8Bit(c.picture, plain, plainBits));
    ASSERT_TRUE(QuantizeTo8Bit(c.picture, kept, keptBits, true));
    const auto table = TableColours(std::span(kept).subspan(40));
    const auto black = std::find(table.begin(), table.end(), Rgb(0, 0, 0));
    ASSERT_NE(black, table.end()) << c.what;
    EXPECT_EQ(plain != kept, c.blackWasMissing) << c.what;
    if (!c.blackWasMissing) continue;
    EXPECT_EQ(black - table.begin(), 255) << c.what << ": black takes the least popular place";
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 40 + 4 * 255, kept.begin())) << c.what;
    // Every pixel still gets the nearest entry of the table it has.
    for (int y = 0; y < 40; y += 3) {
      for (int x = 0; x < 40; x += 3) {
        const raster::Colour got = table[keptBits[(39 - y) * 40 + x]];
        const raster::Colour want =
            table[raster::NearestColourIndex(Rgb(c.picture.Pixel(x, y) & 0xF8, (c.picture.Pixel(x, y) >> 8) & 0xF8,
                                                 (c.picture.Pixel(x, y) >> 16) & 0xF8),
                                             table)];
        EXPECT_EQ(got, want) << c.what << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace pixmint::document
