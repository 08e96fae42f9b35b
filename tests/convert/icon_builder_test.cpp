// Building icons and cursors from masters: which master makes which size,
// hot spots, masks, tables and the pictures that are refused.
#include "convert/icon_builder.h"

#include <gtest/gtest.h>

#include "document/bmp_codec.h"
#include "document/jpeg_codec.h"
#include "document/limits.h"
#include "hostile_inputs.h"
#include "pictures.h"

namespace pixmint::convert {
namespace {

using test::At;

// A vector picture for the planning tests: a disk drawn at whatever size.
class DiskSvg : public SvgPicture {
 public:
  explicit DiskSvg(int side) : side_(side) {}
  int Width() const override { return side_; }
  int Height() const override { return side_; }
  std::optional<Rgba> Render(int w, int h) const override { return test::HardDisk(std::min(w, h), 9, 9, 9); }

 private:
  int side_;
};

Master Bitmap(int w, int h) {
  Rgba p = test::Blank(w, h);
  for (std::size_t i = 3; i < p.pixels.size(); i += 4) p.pixels[i] = 255;
  return {"bitmap" + std::to_string(w), p};
}

Master Svg(int side) {
  return {"svg" + std::to_string(side), std::make_shared<DiskSvg>(side)};
}

TEST(PlanSizes, ExactBitmapsThenTheSmallestLargeEnoughThenTheLargest) {
  const std::vector<Master> masters = {Bitmap(256, 256), Bitmap(16, 16), Svg(48), Bitmap(40, 20)};
  const struct {
    int size;
    std::size_t master;
    bool unscaled, enlarged;
  } cases[] = {
      {16, 1, true, false},   // drawn by hand at this size: used as it is
      {20, 3, false, false},  // the 40 x 20 master is the smallest as large
      {40, 3, true, false},   // its longer side fits exactly: not scaled
      {48, 2, false, false},  // the SVG declares 48 and is drawn anew
      {64, 0, false, false},  // only the 256 master is as large
      {256, 0, true, false},
  };
  for (const auto& c : cases) {
    const auto plan = PlanSizes(masters, {c.size});
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(std::tuple(plan[0].master, plan[0].unscaled, plan[0].enlarged),
              std::tuple(c.master, c.unscaled, c.enlarged))
        << c.size;
  }
  const auto up = PlanSizes({Bitmap(32, 32), Bitmap(24, 24)}, {256});
  EXPECT_EQ(up[0].master, 0u);
  EXPECT_TRUE(up[0].enlarged);
}

TEST(ScaleHotSpot, LandsOnTheSamePlaceAtEverySize) {
  const struct {
    raster::Point spot;
    int w, h, side;
    raster::Point want;
  } cases[] = {
      {{0, 0}, 1024, 1024, 16, {0, 0}}, {{512, 512}, 1024, 1024, 16, {8, 8}}, {{1023, 1023}, 1024, 1024, 16, {15, 15}},
      {{10, 5}, 32, 32, 32, {10, 5}},   {{0, 0}, 64, 32, 32, {0, 8}},         {{63, 31}, 64, 32, 32, {31, 23}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleHotSpot(c.spot, c.w, c.h, c.side), c.want) << c.spot.x << "," << c.spot.y << " -> " << c.side;
  }
}

// A 16 x 16 drawn by hand arrives pixel for pixel; other sizes come from the
// large master.
TEST(BuildIcon, HandDrawnSizeStaysExactlyAsDrawn) {
  Rgba hand = test::IconLike(16);
  At(hand, 3, 4)[3] = 0;
  ConvertOptions options;
  options.sizes = {16, 32};
  document::TKvIcon icon;
  ASSERT_TRUE(BuildIcon({Master("big", test::HardDisk(200, 0, 200, 0)), Master("hand", hand)}, options, icon));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const std::uint8_t* p = At(hand, x, y);
      const std::uint32_t want =
          p[3] == 0 ? 0 : (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
      ASSERT_EQ(icon.XorBitmap(0)->GetRaw(x, y), want) << x << "," << y;
      ASSERT_EQ(icon.AndBitmap(0)->Get(x, y), p[3] == 0);
    }
  }
  EXPECT_EQ(icon.XorBitmap(1)->GetPixel(16, 16), raster::Rgb(0, 200, 0));
}

// Indexed images: alpha below the threshold is masked over black index 0;
// what shows keeps its colour when the table has room for it.
TEST(BuildIcon, IndexedImagesMaskByThresholdOverBlack) {
  Rgba picture = test::Blank(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      std::uint8_t* p = At(picture, x, y);
      p[0] = static_cast<std::uint8_t>(x < 8 ? 250 : 10), p[1] = 120, p[2] = static_cast<std::uint8_t>(y * 16);
      p[3] = static_cast<std::uint8_t>(x * 17);
    }
  }
  for (const int threshold : {0, 100, 255}) {
    const ConvertOptions options{.sizes = {16},
                                 .depths = {8, 4},
                                 .cursor = true,
                                 .hotSpot = raster::Point{15, 0},
                                 .threshold = threshold,
                                 .dither = false};
    document::TKvIcon icon;
    ASSERT_TRUE(BuildIcon({Master("p", picture)}, options, icon));
    for (std::uint32_t i = 0; i < 2; ++i) {
      const auto& colour = *icon.XorBitmap(i);
      EXPECT_EQ(icon.GetHotSpot(i), (raster::Point{15, 0}));
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
          const bool clear = x * 17 < threshold;
          ASSERT_EQ(icon.AndBitmap(i)->Get(x, y), clear) << threshold << " " << x;
          if (clear) {
            ASSERT_EQ(colour.GetRaw(x, y), 0u);
            ASSERT_EQ(colour.Table()[0], raster::Rgb(0, 0, 0));
          } else if (i == 0) {
            // 32 colours fit into 8 bits exactly.
            ASSERT_EQ(colour.GetPixel(x, y), raster::Rgb(At(picture, x, y)[0], 120, y * 16));
          }
        }
      }
    }
  }
}

TEST(Master, PicturesAreKnownByTheirSignature) {
  raster::Picture picture(6, 4, raster::Rgb(10, 20, 30));
  const auto png = document::EncodePng32(1, 1, std::vector<std::uint8_t>{1, 2, 3, 4}, document::ChannelOrder::kRgba);
  for (const auto& [bytes, kind, width] : {std::tuple{*png, PictureKind::kPng, 1},
                                           {*document::EncodeJpeg(picture), PictureKind::kJpeg, 6},
                                           {document::EncodeBmp(picture), PictureKind::kBmp, 6}}) {
    EXPECT_EQ(DetectPicture(bytes, "x"), kind);
    const auto master = MasterFromBytes(bytes, "x", nullptr);
    ASSERT_TRUE(master);
    EXPECT_EQ(master->Width(), width);
  }
  const std::string svg = "<?xml version='1.0'?><svg xmlns='http://www.w3.org/2000/svg'/>";
  const std::span<const std::uint8_t> svgBytes(reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size());
  EXPECT_EQ(DetectPicture(svgBytes, "a.svg"), PictureKind::kSvg);
  EXPECT_EQ(MasterFromBytes(svgBytes, "a.svg", nullptr).error().code, texts::Fail::kSvgNotBuilt);
  EXPECT_EQ(MasterFromBytes(std::vector<std::uint8_t>{'G', 'I', 'F', '8'}, "a.gif", nullptr).error().code,
            texts::Fail::kNotAPicture);
}

// Stands for the SVG renderer: keeps what it was handed.
class RecordingSvgLoader : public SvgLoader {
 public:
  mutable std::vector<std::uint8_t> handed;
  [[nodiscard]] texts::Result<std::unique_ptr<SvgPicture>> Load(std::span<const std::uint8_t> bytes) const override {
    handed.assign(bytes.begin(), bytes.end());
    return texts::Failure{texts::Fail::kUnreadableSvg};
  }
};

// The renderer inflates any amount and draws what a cut JPEG leaves grey:
// both are refused before, naming why.
TEST(Master, PicturesTooLargeInflatedOrCutShortAreRefused) {
  const RecordingSvgLoader loader;
  (void)MasterFromBytes(test::SvgzBomb(4096), "small.svgz", &loader);
  ASSERT_GE(loader.handed.size(), 4096u);
  EXPECT_EQ(std::string(loader.handed.begin(), loader.handed.begin() + 4), "<svg") << "inflated for the renderer";
  for (const std::size_t inflated : {document::kMaxSvgBytes + 1, std::size_t{256} << 20}) {
    loader.handed.clear();
    EXPECT_EQ(MasterFromBytes(test::SvgzBomb(inflated), "bomb.svgz", &loader).error().code,
              texts::Fail::kSvgInflatesTooMuch);
    EXPECT_TRUE(loader.handed.empty());
  }
  EXPECT_EQ(MasterFromBytes(test::TruncatedJpeg(4096), "cut.jpg", nullptr).error().code, texts::Fail::kTruncatedJpeg);
}

}  // namespace
}  // namespace pixmint::convert
