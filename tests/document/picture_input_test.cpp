// What the converter takes from the document: the median-cut quantiser with
// its table mapping, and colour tables set on an image.
#include <gtest/gtest.h>

#include "document/kv_icon.h"
#include "document/palette_quantize.h"
#include "support/pixel_grid.h"

namespace pixmint::document {
namespace {

using raster::Colour;
using raster::Rgb;

// Dithering keeps the average colour of an area where plain mapping cannot.
TEST(MedianCut, DitheringKeepsTheAverage) {
  const int w = 32, h = 32;
  const std::vector<Colour> pixels(w * h, Rgb(100, 100, 100));
  const std::vector<Colour> table = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
  const std::vector<std::uint8_t> skip(w * h, 0);
  const auto average = [&](bool dither) {
    const auto indices = MapToTable(pixels, w, h, table, skip, 0, dither);
    double sum = 0;
    for (const auto i : indices) sum += raster::Red(table[i]);
    return sum / indices.size();
  };
  EXPECT_EQ(average(false), 0.0);
  EXPECT_NEAR(average(true), 100.0, 4.0);
}

TEST(TKvIcon, SetColourTableKeepsIndicesAndRefusesWhatDoesNotFit) {
  TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(8, 8, 4));
  icon.XorBitmap(0)->SetRaw(2, 3, 5);
  const std::vector<Colour> table = {Rgb(1, 2, 3), Rgb(9, 8, 7), Rgb(0, 0, 0),
                                     Rgb(5, 5, 5), Rgb(6, 6, 6), Rgb(200, 100, 50)};
  ASSERT_TRUE(icon.SetColourTable(0, table));
  EXPECT_EQ(icon.XorBitmap(0)->GetRaw(2, 3), 5u);
  EXPECT_EQ(icon.XorBitmap(0)->GetPixel(2, 3), Rgb(200, 100, 50));
  EXPECT_EQ(icon.XorBitmap(0)->Table()[15], Rgb(0, 0, 0));
  TKvIcon again;
  ASSERT_TRUE(again.LoadFromMemory(*icon.SaveToMemory(), "x"));
  EXPECT_EQ(again.XorBitmap(0)->GetPixel(2, 3), Rgb(200, 100, 50));
  EXPECT_FALSE(icon.SetColourTable(0, std::vector<Colour>(17)));
  ASSERT_TRUE(icon.AddImage(8, 8, 24));
  EXPECT_FALSE(icon.SetColourTable(1, table));
  EXPECT_FALSE(icon.SetColourTable(2, table));
}

}  // namespace
}  // namespace pixmint::document
