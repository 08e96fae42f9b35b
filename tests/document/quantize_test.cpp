#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

#include "document/icon_image.h"
#include "raster/canvas.h"
#include "support/random_picture.h"

namespace pixmint::document {
namespace {

using raster::Colour;
using raster::Rgb;

int Distance(Colour a, Colour b) {
  const int r = raster::Red(a) - raster::Red(b), g = raster::Green(a) - raster::Green(b),
            bl = raster::Blue(a) - raster::Blue(b);
  return r * r + g * g + bl * bl;
}

// The popularity quantiser on random pictures of few and of many colours:
// colours cut to five bits a channel, the most used ones make the table,
// every pixel takes its nearest entry, rows are stored bottom-up, and black
// is in the table when asked for (transparent pixels store it) in place of
// a least used colour.
TEST(QuantizeTo8Bit, TheMostUsedColoursMakeTheTableAndEveryPixelTakesItsNearest) {
  std::mt19937 rng(1234);
  const auto cut = [](Colour c) { return Rgb(raster::Red(c) & 0xF8, raster::Green(c) & 0xF8, raster::Blue(c) & 0xF8); };
  for (const auto& [w, h, colours] : {std::tuple{7, 5, 3}, {33, 61, 200}, {64, 64, 2000}, {40, 40, 600}}) {
    for (const bool keepBlack : {false, true}) {
      const raster::Picture pic = test::RandomPicture(rng, w, h, colours);
      std::vector<std::uint8_t> header, bits;
      ASSERT_TRUE(QuantizeTo8Bit(pic, header, bits, keepBlack)) << w;
      const BitmapHeader parsed = ParseHeader(header);
      EXPECT_EQ(std::tuple(parsed.width, parsed.height, parsed.bitCount), std::tuple(w, h, 8));
      const auto table = TableColours(std::span(header).subspan(40));
      ASSERT_EQ(table.size(), 256u);
      std::map<Colour, int> uses;
      for (int p = 0; p < w * h; ++p) ++uses[cut(pic.Pixel(p % w, p / w))];
      const auto inTable = [&table](Colour c) { return std::find(table.begin(), table.end(), c) != table.end(); };
      int leastKept = w * h;
      for (std::size_t t = 0; t < (keepBlack ? 255u : 256u); ++t)
        leastKept = std::min(leastKept, uses.contains(table[t]) ? uses[table[t]] : 0);
      for (const auto& [colour, count] : uses)
        EXPECT_TRUE(inTable(colour) || count <= leastKept) << "a less used one kept";
      EXPECT_TRUE(!keepBlack || inTable(Rgb(0, 0, 0)));
      const std::size_t stride = (static_cast<std::size_t>(w) + 3) / 4 * 4;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const Colour want = cut(pic.Pixel(x, y));
          const Colour got = table[bits[static_cast<std::size_t>(h - 1 - y) * stride + x]];
          ASSERT_EQ(Distance(got, want), Distance(table[raster::NearestColourIndex(want, table)], want))
              << w << "x" << h << " at " << x << "," << y;
        }
      }
    }
  }
  std::vector<std::uint8_t> header, bits;
  EXPECT_FALSE(QuantizeTo8Bit(raster::Picture(), header, bits)) << "empty picture";
}

}  // namespace
}  // namespace pixmint::document
