#include "document/icon_image.h"

#include <gtest/gtest.h>

#include <tuple>

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

TEST(Geometry, TableFollowsColoursUsedAndLyingWidthDoesNotWrap) {
  EXPECT_EQ(PaletteBytes(Header(16, 8)), 1024u);
  EXPECT_EQ(PaletteBytes(Header(16, 8, 20)), 80u);
  EXPECT_EQ(FindColourBits(Header(16, 8, 20)), 120u);
  EXPECT_EQ(ColourCount(Header(16, 24)), 0u);
  EXPECT_EQ(ColourCount(Header(16, 24, 5)), 5u);
  EXPECT_GT(ColourRowBytes(Header(0x7FFFFFFF, 32)), 0xFFFFFFFFull);
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

TEST(InitImageRecord, FindsPartsAfterAShortTable) {
  IconImage record;
  record.Data = test::MakeBlock({.width = 16, .height = 16, .bitCount = 8, .coloursUsed = 20});
  std::string why;
  ASSERT_TRUE(InitImageRecord(record, why)) << why;
  EXPECT_EQ(std::tuple(record.Width, record.Height, record.Colors), std::tuple(16u, 16u, 8u));
  EXPECT_EQ(std::tuple(record.xorOffset, record.andOffset), std::tuple(120u, 376u));
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
  for (auto [w, h, bits] : {std::tuple{0, 16, 8}, {16, 1025, 8}, {16, 16, 2}, {16, 16, 7}}) {
    EXPECT_FALSE(MakeBlankImage(w, h, bits, r)) << w << "x" << h << "x" << bits;
  }
}

}  // namespace
}  // namespace pixmint::document
