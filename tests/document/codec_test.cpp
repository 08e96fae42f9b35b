#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "document/bmp_codec.h"
#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/jpeg_codec.h"
#include "document/png_codec.h"
#include "support/pixel_grid.h"
#include "support/random_picture.h"

namespace pixmint::document {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

raster::Picture Noise(int width, int height, unsigned seed) {
  std::mt19937 rng(seed);
  return test::RandomPicture(rng, width, height);
}

TEST(BmpCodec, RoundTripsEveryRowPadding) {
  for (int width : {1, 2, 3, 4, 5, 17}) {
    raster::Picture picture = Noise(width, 3, width);
    const Bytes bmp = EncodeBmp(picture);
    ASSERT_EQ(bmp.size(), 54u + (width * 3 + 3) / 4 * 4 * 3u) << width;
    const auto back = DecodeBmp(bmp);
    ASSERT_TRUE(back) << width;
    EXPECT_TRUE(test::SamePicture(picture, *back));
    // Transparency makes a 32-bit file that keeps every alpha byte.
    picture.SetPixel(0, 1, raster::Rgb(9, 8, 7), 0);
    picture.SetPixel(width - 1, 2, raster::Rgb(9, 8, 7), 77);
    const auto withAlpha = DecodeBmp(EncodeBmp(picture));
    ASSERT_TRUE(withAlpha) << width;
    EXPECT_TRUE(test::SamePicture(picture, *withAlpha));
  }
  // A 32-bit file from elsewhere whose fourth bytes are all 0 is opaque.
  Bytes bmp = EncodeBmp(test::FromAscii({"t", "r"}));
  bmp[54 + 3] = 0;  // the bottom row: red's alpha byte
  EXPECT_TRUE(DecodeBmp(bmp).value().Opaque());
  // A negative height: rows stored top-down.
  bmp = EncodeBmp(test::FromAscii({"r", "b"}));
  PutU32(bmp, 22, static_cast<std::uint32_t>(-2));
  EXPECT_TRUE(test::SamePicture(test::FromAscii({"b", "r"}), DecodeBmp(bmp).value()));
}

TEST(BmpCodec, ReadsAFileWrittenElsewhere) {
  const auto picture = LoadBmpFile(fs::path(PIXMINT_TEST_DATA_DIR) / "snapshot-5x3.bmp");
  ASSERT_TRUE(picture);
  ASSERT_EQ(std::pair(picture->Width(), picture->Height()), std::pair(5, 3));
  for (int p = 0, x = 0, y = 0; p < 15; ++p, x = p % 5, y = p / 5) {
    EXPECT_EQ(picture->Pixel(x, y), raster::Rgb(static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16),
                                                static_cast<std::uint8_t>((x ^ y) * 8)))
        << x << "," << y;
  }
}

TEST(PngCodec, DecodesEveryColourTypeToRgba) {
  const fs::path dir = fs::path(PIXMINT_TEST_DATA_DIR) / "png";
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".png") continue;
    ++seen;
    const std::string name = entry.path().stem().string();
    const Bytes expected = ReadWholeFile(fs::path(entry.path()).replace_extension(".rgba")).value_or(Bytes{});
    const auto image = DecodePng(ReadWholeFile(entry.path()).value_or(Bytes{}), ChannelOrder::kRgba, kMaxIconPngSide);
    ASSERT_TRUE(image) << name << ": " << texts::EnglishMessage(image.error());
    ASSERT_EQ(image->pixels.size(), expected.size()) << name;
    // 16-bit samples may round either way.
    const int tolerance = name.find("16") != std::string::npos ? 1 : 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
      ASSERT_LE(std::abs(image->pixels[i] - expected[i]), tolerance) << name << " byte " << i;
  }
  EXPECT_GE(seen, 7);
}

TEST(PngCodec, RoundTripsAlphaAndBottomUpRowsAndKeepsAPictureCutShortInItsChecksums) {
  raster::Picture picture = Noise(7, 5, 3);
  picture.SetPixel(2, 1, raster::Rgb(234, 234, 234), 0);
  picture.SetPixel(3, 1, raster::Rgb(1, 2, 3), 128);
  const auto image = DecodePng(EncodePng(picture).value(), ChannelOrder::kBgra);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 7);
  for (int i = 0; i < 7 * 5; ++i) {
    const std::uint8_t* p = &image->pixels[i * 4];
    EXPECT_EQ(raster::Rgb(p[2], p[1], p[0]), picture.Pixel(i % 7, i / 7)) << i;
    EXPECT_EQ(p[3], picture.Alpha(i % 7, i / 7)) << i;
  }
  const Bytes bottomUp = {1, 2, 3, 4, 5, 6, 7, 8};  // 1 x 2: bottom row first
  const auto flipped = DecodePng(*EncodePng32(1, 2, bottomUp, ChannelOrder::kRgba, true), ChannelOrder::kRgba);
  ASSERT_TRUE(flipped);
  EXPECT_EQ(flipped->pixels, (Bytes{5, 6, 7, 8, 1, 2, 3, 4}));
  EXPECT_FALSE(EncodePng32(2, 2, bottomUp, ChannelOrder::kRgba)) << "too few bytes";

  // A picture cut short inside its last checksums is kept.
  const Bytes png = *EncodePng(picture);
  const std::size_t idatEnd = png.size() - 12;  // IEND follows the only IDAT
  const auto cut = DecodePng(std::span(png).first(idatEnd - 7), ChannelOrder::kBgra);
  ASSERT_TRUE(cut) << "3 bytes of the check value and the chunk CRC lost";
  EXPECT_EQ(cut->pixels, DecodePng(png, ChannelOrder::kBgra)->pixels);
  EXPECT_FALSE(DecodePng(std::span(png).first(idatEnd - 9), ChannelOrder::kBgra)) << "compressed data lost";
}

// Baseline colour frames, read back alike by our decoder and by Pillow; the
// decoder refuses what is too wide, cut short or not a JPEG.
TEST(JpegCodec, WritesBaselineColourThatOurDecoderAndAnotherRead) {
  raster::Picture picture(40, 24, raster::Rgb(200, 40, 90));
  picture.FillRect({0, 12, 40, 24}, raster::Rgb(20, 180, 60));
  const auto jpeg = EncodeJpeg(picture);
  ASSERT_TRUE(jpeg);
  const Bytes& j = *jpeg;
  EXPECT_TRUE(j.size() >= 4 && j[0] == 0xFF && j[1] == 0xD8) << "a JPEG start";
  bool baseline = false;
  for (std::size_t i = 0; i + 9 < j.size(); ++i) {
    if (j[i] == 0xFF && j[i + 1] == 0xC2) ADD_FAILURE() << "progressive frame";
    if (j[i] == 0xFF && j[i + 1] == 0xC0) baseline = j[i + 9] == 3;  // three components: colour
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(DecodeJpeg(j, 39)) << "wider than the limit";
  EXPECT_FALSE(DecodeJpeg(std::span(j).first(20), 64));
  EXPECT_FALSE(DecodeJpeg(Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 2}, 64));
  EXPECT_FALSE(DecodeJpeg(Bytes{'B', 'M'}, 64));
  const auto near = [&](const std::uint8_t* rgb, int x, int y) {
    const raster::Colour want = picture.Pixel(x, y);
    return std::max({std::abs(rgb[0] - raster::Red(want)), std::abs(rgb[1] - raster::Green(want)),
                     std::abs(rgb[2] - raster::Blue(want))}) <= 6;
  };
  const auto back = DecodeJpeg(j, 64);
  ASSERT_TRUE(back);
  ASSERT_EQ(std::pair(back->Width(), back->Height()), std::pair(40, 24));
  for (const raster::Point p : {raster::Point{3, 3}, raster::Point{30, 20}}) {
    const raster::Colour c = back->Pixel(p.x, p.y);
    const std::uint8_t rgb[] = {raster::Red(c), raster::Green(c), raster::Blue(c)};
    EXPECT_TRUE(near(rgb, p.x, p.y)) << "ours at " << p.x << "," << p.y;
  }

  if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) GTEST_SKIP() << "no Pillow";
  test::TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir / "a.jpg", j));
  const std::string cmd =
      "/usr/bin/python3 -c \"import sys; from PIL import Image; "
      "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert('RGB').tobytes())\" " +
      (dir / "a.jpg").string() + " > " + (dir / "a.rgb").string();
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const Bytes rgb = ReadWholeFile(dir / "a.rgb").value_or(Bytes{});
  ASSERT_EQ(rgb.size(), 40u * 24 * 3);
  for (int y : {2, 20}) EXPECT_TRUE(near(&rgb[(y * 40 + 5) * 3], 5, y)) << "Pillow, row " << y;
}

}  // namespace
}  // namespace pixmint::document
