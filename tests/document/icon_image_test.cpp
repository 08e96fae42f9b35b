#include "document/icon_image.h"

#include <gtest/gtest.h>

#include "document/byte_io.h"
#include "ico_builder.h"

namespace pixmint::document {
namespace {

BitmapHeader Header(int width, int bitCount, std::uint32_t coloursUsed = 0) {
  BitmapHeader h;
  h.width = width;
  h.height = 32;
  h.bitCount = static_cast<std::uint16_t>(bitCount);
  h.coloursUsed = coloursUsed;
  return h;
}

TEST(Geometry, RowStridesOfEveryDepth) {
  struct Case {
    int width, bits;
    std::uint64_t colourRow, maskRow;
  };
  for (const Case& c :
       {Case{48, 4, 24, 8}, Case{48, 24, 144, 8}, Case{24, 1, 4, 4}, Case{1, 1, 4, 4}, Case{33, 1, 8, 8},
        Case{3, 16, 8, 4}, Case{5, 24, 16, 4}, Case{1024, 32, 4096, 128}, Case{7, 8, 8, 4}, Case{9, 4, 8, 4}}) {
    const BitmapHeader h = Header(c.width, c.bits);
    EXPECT_EQ(ColourRowBytes(h), c.colourRow) << c.width << "x" << c.bits;
    EXPECT_EQ(MaskRowBytes(h), c.maskRow) << c.width;
  }
}

TEST(Geometry, TableSizeFollowsColoursUsed) {
  EXPECT_EQ(PaletteBytes(Header(16, 8)), 1024u);
  EXPECT_EQ(PaletteBytes(Header(16, 8, 20)), 80u);
  EXPECT_EQ(FindColourBits(Header(16, 8, 20)), 120u);
  EXPECT_EQ(ColourCount(Header(16, 1)), 2u);
  EXPECT_EQ(ColourCount(Header(16, 4)), 16u);
  EXPECT_EQ(ColourCount(Header(16, 24)), 0u);
  EXPECT_EQ(ColourCount(Header(16, 24, 5)), 5u);
}

TEST(Geometry, LyingWidthDoesNotWrap) {
  const BitmapHeader h = Header(0x7FFFFFFF, 32);
  EXPECT_GT(ColourRowBytes(h), 0xFFFFFFFFull);
}

TEST(DefaultTables, KnownEntries) {
  auto rgb = [](std::span<const std::uint8_t> t, int i) { return TableColours(t)[static_cast<std::size_t>(i)]; };
  const auto t1 = DefaultColourTable(1), t4 = DefaultColourTable(4), t8 = DefaultColourTable(8);
  ASSERT_EQ(t1.size(), 8u);
  ASSERT_EQ(t4.size(), 64u);
  ASSERT_EQ(t8.size(), 1024u);
  EXPECT_EQ(rgb(t1, 1), raster::Rgb(255, 255, 255));
  EXPECT_EQ(rgb(t4, 2), raster::Rgb(132, 130, 132));
  EXPECT_EQ(rgb(t4, 3), raster::Rgb(198, 195, 198));
  EXPECT_EQ(rgb(t4, 10), raster::Rgb(0, 130, 132));
  EXPECT_EQ(rgb(t4, 15), raster::Rgb(255, 0, 255));
  for (int i : {0, 32, 249, 250, 255}) EXPECT_EQ(rgb(t8, i), raster::Rgb(0, 0, 0)) << i;
  EXPECT_EQ(rgb(t8, 31), raster::Rgb(248, 248, 248));
  EXPECT_EQ(rgb(t8, 248), raster::Rgb(255, 255, 255));
  EXPECT_EQ(rgb(t8, 33 + 36 * 1 + 6 * 2 + 3), raster::Rgb(51, 102, 153));
  EXPECT_TRUE(DefaultColourTable(16).empty());
  for (std::size_t i = 3; i < t8.size(); i += 4) EXPECT_EQ(t8[i], 0);
}

TEST(CreateImageHeader, FieldsAndTable) {
  const auto block = CreateImageHeader(32, 64, 4);
  ASSERT_EQ(block.size(), kHeaderBlockBytes);
  const BitmapHeader h = ParseHeader(block);
  EXPECT_EQ(h.size, 40u);
  EXPECT_EQ(h.width, 32);
  EXPECT_EQ(h.height, 64);
  EXPECT_EQ(h.planes, 1);
  EXPECT_EQ(h.bitCount, 4);
  EXPECT_EQ(GetU32(block, 20), 0u);
  EXPECT_TRUE(std::equal(block.begin() + 40, block.begin() + 104, DefaultColourTable(4).begin()));
  EXPECT_TRUE(std::all_of(block.begin() + 104, block.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(CreateImageHeader(16, 32, 7).empty());
}

TEST(SetMaskBit, SetsAndClearsTheRightBit) {
  std::vector<std::uint8_t> bits(64, 0);
  SetMaskBit(bits, 16, 16, 9, 0, 1);
  EXPECT_EQ(bits[61], 0x40);
  SetMaskBit(bits, 16, 16, 9, 0, 0);
  EXPECT_EQ(bits[61], 0);
  SetMaskBit(bits, 16, 16, 0, 15, -1);
  EXPECT_EQ(bits[0], 0x80);
  // Outside the bitmap or the span: nothing happens.
  for (auto [x, y] : {std::pair{16, 0}, {-1, 0}, {0, 16}, {0, -1}}) SetMaskBit(bits, 16, 16, x, y, 1);
  SetMaskBit(bits, 16, 100, 0, 0, 1);
  EXPECT_EQ(std::count(bits.begin(), bits.end(), 0), 63);
}

TEST(InitImageRecord, FillsPositions) {
  IconImage record;
  record.Data = test::MakeBlock({.width = 16, .height = 16, .bitCount = 8, .coloursUsed = 20});
  std::string why;
  ASSERT_TRUE(InitImageRecord(record, why)) << why;
  EXPECT_EQ(record.Width, 16u);
  EXPECT_EQ(record.Height, 16u);
  EXPECT_EQ(record.Colors, 8u);
  EXPECT_EQ(record.xorOffset, 40u + 80u);
  EXPECT_EQ(record.andOffset, 120u + 256u);
  EXPECT_EQ(record.AndPart().size(), 64u);
  EXPECT_EQ(record.ColourTable().size(), 80u);
}

TEST(MakeBlankImage, SizesOfCreatedBlocks) {
  struct Case {
    int w, h, bits;
    std::uint32_t size;
  };
  for (const Case& c : {Case{32, 32, 8, 40 + 1024 + 1024 + 128}, Case{16, 16, 4, 296}, Case{48, 48, 32, 9640},
                        Case{16, 16, 1, 40 + 8 + 64 + 64}, Case{16, 16, 16, 40 + 512 + 64}}) {
    IconImage r;
    ASSERT_TRUE(MakeBlankImage(c.w, c.h, c.bits, r));
    EXPECT_EQ(r.DataSize, c.size) << c.bits;
  }
  IconImage r;
  EXPECT_FALSE(MakeBlankImage(0, 16, 8, r));
  EXPECT_FALSE(MakeBlankImage(16, 1025, 8, r));
  EXPECT_FALSE(MakeBlankImage(16, 16, 2, r));
}

}  // namespace
}  // namespace pixmint::document
