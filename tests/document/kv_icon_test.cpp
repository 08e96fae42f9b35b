#include "document/kv_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "document/byte_io.h"
#include "ico_builder.h"

namespace pixmint::document {
namespace {

using raster::Rgb;
using test::Bytes;
using test::Paint;

// What the document should hold for one image, kept apart from it.
struct ModelImage {
  std::vector<std::uint8_t> colour, mask, recordColour, recordMask;
  std::vector<raster::Colour> palette;
  int width = 0, height = 0, shownWidth = 0;
  std::uint32_t bits = 0, recordWidth = 0;
  raster::Point hot;
  bool operator==(const ModelImage&) const = default;
};

ModelImage Snapshot(TKvIcon& icon, std::uint32_t i) {
  const IconImage& r = icon.IR()->Images[i];
  return {Bytes(icon.XorDataPointer(i)),
          Bytes(icon.AndDataPointer(i)),
          Bytes(r.XorPart()),
          Bytes(r.AndPart()),
          icon.ImagePalette(i),
          icon.XorBitmap(i)->Width(),
          icon.XorBitmap(i)->Height(),
          icon.IconHandle(i)->Width(),
          icon.Colors(i),
          r.Width,
          icon.GetHotSpot(i)};
}

// A random sequence of adds (up to the limit), exchanges (with itself too),
// deletes, duplicates and hot spot moves against a plain list: new images
// are transparent black, pixels, masks, tables and hot spots travel with
// their images, the stored records follow the live surfaces, hot spots stay
// inside, and commands on positions not in use change nothing.
TEST(TKvIcon, ImageCommandsAgreeWithAModel) {
  TKvIcon icon;
  icon.SetIcon(false);
  std::vector<ModelImage> model;
  std::mt19937 rng(24);
  auto pick = [&rng](std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng); };
  for (int step = 0; step < 400; ++step) {
    const auto n = static_cast<std::uint32_t>(model.size());
    const std::uint32_t i = pick(n + 2), j = pick(n + 2);  // now and then past the end
    switch (n == 0 ? 0 : pick(6)) {
      case 0: {
        const int w = 8 * static_cast<int>(pick(3) + 1), h = 8 * static_cast<int>(pick(2) + 1);
        const int bits = std::array{1, 4, 8, 16, 24, 32}[pick(6)];
        ASSERT_EQ(icon.AddImage(w, h, bits), n < kMaxImages);
        if (n == kMaxImages) break;
        ModelImage blank = Snapshot(icon, n);
        ASSERT_EQ(std::pair(blank.bits, blank.hot), std::pair(static_cast<std::uint32_t>(bits), raster::Point{}));
        ASSERT_TRUE(std::ranges::all_of(blank.colour, [](auto b) { return b == 0; })) << bits;
        ASSERT_TRUE(std::ranges::all_of(blank.mask, [](auto b) { return b == 0xFF; })) << bits;
        Paint(icon, n);
        if (pick(3) == 0) {  // a table of its own colours
          icon.XorBitmap(n)->SetPixel(1, 1, Rgb(250, 5, static_cast<std::uint8_t>(step)));
          ASSERT_TRUE(icon.ChangeFormat(n, w, h, 8));
        }
        ASSERT_TRUE(icon.ExchangeImages(n, n));  // with itself: stores the surfaces in the record
        model.push_back(Snapshot(icon, n));
        ASSERT_TRUE(model.back().recordColour == model.back().colour && model.back().recordMask == model.back().mask);
        break;
      }
      case 1:
      case 2:
        ASSERT_EQ(icon.ExchangeImages(i, j), i < n && j < n);
        if (i < n && j < n) std::swap(model[i], model[j]);
        break;
      case 3:
        ASSERT_EQ(icon.DeleteImage(i), i < n);
        if (i < n) model.erase(model.begin() + i);
        break;
      case 4:
        ASSERT_EQ(icon.DuplicateImage(i), i < n && n < kMaxImages);
        if (i < n && n < kMaxImages) model.push_back(model[i]);
        break;
      case 5: {
        const raster::Point p{static_cast<int>(pick(40)) - 8, static_cast<int>(pick(40)) - 8};
        icon.SetHotSpot(i, p);
        if (i < n) model[i].hot = {std::clamp(p.x, 0, model[i].width - 1), std::clamp(p.y, 0, model[i].height - 1)};
        break;
      }
    }
    const auto count = static_cast<std::uint32_t>(model.size());
    ASSERT_EQ(std::pair(icon.ImageCount(), icon.IR()->ImageCount), std::pair(count, count)) << step;
    for (std::uint32_t k = 0; k < model.size(); ++k) ASSERT_TRUE(Snapshot(icon, k) == model[k]) << step << " " << k;
    // Positions not in use answer nothing.
    for (const std::uint32_t k : {count, count + 7, 0xFFFFFFFFu}) {
      ASSERT_EQ(icon.GetHotSpot(k), raster::Point{}) << step;
      ASSERT_TRUE(icon.XorDataPointer(k).empty() && icon.AndDataPointer(k).empty() && icon.XorDataSize(k) == 0);
      ASSERT_TRUE(!icon.XorBitmap(k) && !icon.AndBitmap(k) && !icon.IconHandle(k) && icon.ImagePalette(k).empty());
    }
  }
}

// Same-depth conversions take the colour table along, so a quantised image
// never shows its indices through the default table; hot spots stay inside a
// smaller image; a full document changes format in place.
TEST(TKvIcon, ImageCommandsKeepTablesHotSpotsAndTheLimit) {
  TKvIcon icon;
  icon.SetIcon(false);
  ASSERT_TRUE(icon.AddImage(16, 16, 24));
  icon.XorBitmap(0)->Fill(Rgb(10, 200, 30));
  icon.XorBitmap(0)->SetPixel(2, 2, Rgb(250, 5, 5));
  ASSERT_TRUE(icon.ChangeFormat(0, 16, 16, 8));  // a table of its own colours
  const auto own = icon.ImagePalette(0);
  ASSERT_NE(own, TableColours(DefaultColourTable(8)));
  icon.SetHotSpot(0, {15, 14});
  ASSERT_TRUE(icon.DuplicateImage(0));
  ASSERT_TRUE(icon.ChangeFormat(1, 8, 8, 8));  // smaller, same depth
  for (std::uint32_t i : {0u, 1u}) EXPECT_EQ(icon.ImagePalette(i), own) << i;
  EXPECT_EQ(icon.XorBitmap(1)->GetPixel(1, 1), icon.XorBitmap(0)->GetPixel(2, 2));
  EXPECT_EQ(icon.GetHotSpot(1), (raster::Point{7, 7}));
  while (icon.ImageCount() < kMaxImages) ASSERT_TRUE(icon.AddImage(8, 8, 4));
  // Four bits to eight keeps the default table: its colours are all there.
  icon.XorBitmap(2)->Fill(Rgb(255, 0, 0));
  ASSERT_TRUE(icon.ChangeFormat(2, 8, 8, 8));
  EXPECT_EQ(icon.ImagePalette(2), TableColours(DefaultColourTable(8)));
  EXPECT_EQ(icon.XorBitmap(2)->GetPixel(0, 0), Rgb(255, 0, 0));
  ASSERT_TRUE(icon.ChangeFormat(0, 32, 32, 32));
  EXPECT_EQ(std::pair(icon.ImageCount(), icon.XorBitmap(0)->Width()), std::pair(kMaxImages, 32));
  EXPECT_EQ(icon.XorBitmap(0)->GetPixel(20, 20) & 0xFFFFFF, own[0] & 0xFFFFFF);
}

TEST(TKvIcon, TransparentPixelsOfAReducedImageStoreBlack) {
  // 32 x 32 with 1024 different colours, none black; the top row transparent.
  for (const bool anyTransparent : {true, false}) {
    TKvIcon icon;
    ASSERT_TRUE(icon.AddImage(32, 32, 24));
    ImageSurface& s = *icon.XorBitmap(0);
    MaskSurface& m = *icon.AndBitmap(0);
    m.Fill(false);
    for (int p = 0; p < 32 * 32; ++p)
      s.SetPixel(p % 32, p / 32, Rgb(8 * (p % 32) + 7, 8 * (p / 32) + 7, 8 * ((p % 32 + p / 32) % 31) + 8));
    for (int x = 0; x < 32 && anyTransparent; ++x) {
      m.Set(x, 0, true);
      s.SetPixel(x, 0, Rgb(0, 0, 0));
    }
    ASSERT_TRUE(icon.ChangeFormat(0, 32, 32, 8));
    const auto palette = icon.ImagePalette(0);
    const bool hasBlack = std::find(palette.begin(), palette.end(), Rgb(0, 0, 0)) != palette.end();
    EXPECT_EQ(hasBlack, anyTransparent);
    if (anyTransparent) {
      EXPECT_EQ(palette[icon.XorBitmap(0)->GetRaw(5, 0)], Rgb(0, 0, 0)) << "a transparent pixel's entry";
    }
  }
}

TEST(TKvIcon, ChangeFormatStretchesColourAndMask) {
  TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(32, 32, 32));
  ImageSurface& s = *icon.XorBitmap(0);
  for (int p = 0; p < 32 * 32; ++p) s.SetRaw(p % 32, p / 32, p % 32 < 16 ? 0x80FF0000u : 0xFF0000FFu);
  icon.AndBitmap(0)->Fill(false);
  for (int x = 0; x < 32; ++x) icon.AndBitmap(0)->Set(x, x < 16 ? 30 : 31, true);
  ASSERT_TRUE(icon.ChangeFormat(0, 48, 48, 32));
  const ImageSurface& t = *icon.XorBitmap(0);
  ASSERT_EQ(t.Width(), 48);
  // Alpha travels between 32-bit images.
  EXPECT_EQ(std::pair(t.GetRaw(23, 5), t.GetRaw(24, 5)), std::pair(0x80FF0000u, 0xFF0000FFu));
  // Source row 30 covers target rows 45 and 46, row 31 covers 47.
  const MaskSurface& m = *icon.AndBitmap(0);
  for (int y : {45, 46}) EXPECT_TRUE(m.Get(23, y) && !m.Get(24, y)) << y;
  EXPECT_TRUE(m.Get(24, 47) && !m.Get(23, 47) && !m.Get(23, 44));
  EXPECT_EQ(icon.IR()->Images[0].DataSize, 9640u);
}

TEST(ImageSurface, StoresColoursInItsOwnDepth) {
  struct Case {
    int bits;
    raster::Colour in, out;
  };
  for (const Case& c : {Case{1, Rgb(200, 180, 190), Rgb(255, 255, 255)}, Case{1, Rgb(60, 60, 60), Rgb(0, 0, 0)},
                        Case{4, Rgb(250, 10, 0), Rgb(255, 0, 0)}, Case{4, Rgb(130, 128, 131), Rgb(132, 130, 132)},
                        Case{8, Rgb(50, 100, 155), Rgb(51, 102, 153)}, Case{16, Rgb(255, 7, 9), Rgb(255, 0, 8)},
                        Case{16, Rgb(255, 255, 255), Rgb(255, 255, 255)}, Case{16, Rgb(128, 64, 8), Rgb(132, 66, 8)},
                        Case{24, Rgb(1, 2, 3), Rgb(1, 2, 3)}, Case{32, Rgb(1, 2, 3), Rgb(1, 2, 3)}}) {
    ImageSurface s(9, 3, c.bits, DefaultColourTable(c.bits));
    s.Fill(Rgb(0, 0, 0));
    s.SetPixel(8, 2, c.in);
    EXPECT_EQ(s.GetPixel(8, 2), c.out) << c.bits;
    EXPECT_EQ(s.GetPixel(7, 2), Rgb(0, 0, 0)) << c.bits;
    EXPECT_EQ(s.GetPixel(8, 1), Rgb(0, 0, 0)) << c.bits;
    EXPECT_EQ(s.GetPixel(9, 0), raster::kInvalidColour);
    s.SetPixel(-1, 0, c.in);  // ignored
  }
  ImageSurface s16(2, 2, 16);
  s16.SetPixel(0, 1, Rgb(255, 0, 0));
  // Bottom row first, 0x7C00 little-endian.
  EXPECT_EQ(std::pair(s16.Bits()[0], s16.Bits()[1]), (std::pair<std::uint8_t, std::uint8_t>(0x00, 0x7C)));
}

}  // namespace
}  // namespace pixmint::document
