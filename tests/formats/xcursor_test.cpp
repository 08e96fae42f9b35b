#include "formats/xcursor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/png_codec.h"
#include "format_samples.h"
#include "reference_xcursor.h"
#include "support/pixel_grid.h"

namespace pixmint::formats {
namespace {

using test::ByteVector;
using test::MakeCursor;
using test::ReferenceRead;

TEST(Premultiply, EveryPremultipliedPixelSurvivesTheRoundTrip) {
  for (std::uint32_t a = 0; a < 256; ++a) {
    for (std::uint32_t c = 0; c <= a; ++c) {
      const std::uint32_t p = (a << 24) | (c << 16) | ((a - c) << 8) | (c / 2);
      ASSERT_EQ(Premultiply(Unpremultiply(p)), a == 0 ? 0 : p) << a << " " << c;
    }
  }
  EXPECT_EQ(Premultiply(0x80FF4020u), 0x80802010u);
  EXPECT_EQ(Unpremultiply(0x40800000u), 0x40FF0000u) << "colours above alpha are held at 255";
}

TEST(Premultiply, DelaysRoundTripThroughJiffies) {
  for (std::uint32_t j = 1; j < 2000; ++j) ASSERT_EQ(MsToJiffies(JiffiesToMs(j)), j);
  EXPECT_EQ(JiffiesToMs(3), 50u);
  EXPECT_EQ(MsToJiffies(0), 1u) << "a step always shows";
  EXPECT_EQ(MsToJiffies(30), 2u);
  EXPECT_EQ(JiffiesToMs(0xFFFFFFFFu), 0xFFFFFFFFu) << "held, not wrapped";
  EXPECT_EQ(MsToJiffies(JiffiesToMs(MsToJiffies(0xFFFFFFFFu))), MsToJiffies(0xFFFFFFFFu));
}

TEST(XcursorExport, InvertingPixelsBecomeBlackWithAWhiteOutline) {
  document::TKvIcon icon;
  icon.SetIcon(false);
  ASSERT_TRUE(icon.AddImage(8, 6, 1));
  const char* rows[] = {"........", "...I....", "...I..#.", "...I....", "........", "........"};
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const char c = rows[y][x];
      icon.AndBitmap(0)->Set(x, y, c != '#');
      icon.XorBitmap(0)->SetPixel(x, y, c == 'I' ? raster::Rgb(255, 255, 255) : raster::Rgb(0, 0, 0));
    }
  }
  const auto argb = ToPremultipliedArgb(icon, 0);
  ASSERT_TRUE(argb);
  EXPECT_EQ(argb->invertingPixels, 3u);
  const char* expected[] = {"..www...", "..wBw...", "..wBw.B.", "..wBw...", "..www...", "........"};
  for (int y = 0; y < 6; ++y) {
    std::string row;
    for (int x = 0; x < 8; ++x) {
      const std::uint32_t p = argb->image.pixels[static_cast<std::size_t>(y * 8 + x)];
      row += p == 0 ? '.' : p == 0xFFFFFFFFu ? 'w' : p == 0xFF000000u ? 'B' : '?';
    }
    EXPECT_EQ(row, expected[y]) << "row " << y;
  }
  std::vector<texts::Failure> notes;
  ASSERT_TRUE(XcursorImagesOf(icon, notes));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].code, texts::Fail::kInvertingRedrawn);
  EXPECT_EQ(notes[0].details, (std::vector<std::string>{"8", "6", "1", "3"}));
}

TEST(XcursorExport, OneImagePerSizeAndOnlySizesEveryFrameHas) {
  AnimatedCursor cursor;
  cursor.frames.push_back(MakeCursor({{32, 4, {}}, {32, 32, {}}, {16, 8, {}}}));
  cursor.frames.push_back(MakeCursor({{32, 32, {}}, {48, 8, {}}}, 1));
  cursor.PlayFramesInOrder(6);
  std::vector<texts::Failure> notes;
  const auto images = XcursorImagesOf(cursor, notes);
  ASSERT_TRUE(images);
  ASSERT_EQ(images->size(), 2u);
  const auto deep = ToPremultipliedArgb(*cursor.frames[0], 1);
  EXPECT_EQ((*images)[0].image.pixels, deep->image.pixels) << "the 32-bit image of size 32 is written";
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].code, texts::Fail::kInFrame);
  EXPECT_EQ(notes[0].cause->details, (std::vector<std::string>{"32", "32", "4", "32", "32", "32"}));
  EXPECT_EQ(std::pair(notes[1].code, notes[2].code), std::pair(texts::Fail::kSizeLeftOut, texts::Fail::kSizeLeftOut));
  EXPECT_EQ(notes[2].details, (std::vector<std::string>{"48", "1", "2"}));
  cursor.frames[1] = MakeCursor({{48, 8, {}}});
  EXPECT_EQ(XcursorImagesOf(cursor, notes).error().code, texts::Fail::kNoCommonSize);
}

// A picture with soft alpha, fully transparent corners and colour ramps.
document::Image32 Pattern(int side, int seed) {
  document::Image32 image{side, side, ByteVector(static_cast<std::size_t>(side * side * 4))};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* p = &image.pixels[static_cast<std::size_t>((y * side + x) * 4)];
      p[0] = static_cast<std::uint8_t>(x * 255 / side);
      p[1] = static_cast<std::uint8_t>(y * 255 / side + seed * 30);
      p[2] = static_cast<std::uint8_t>(seed * 90);
      p[3] = x + y < 4 ? 0 : static_cast<std::uint8_t>(std::min(255, (x * 37 + y * 11 + seed) % 300));
    }
  }
  return image;
}

TEST(XcursorImport, FilesFromXcursorgenReadBackIdentically) {
  if (std::system("command -v xcursorgen >/dev/null 2>&1") != 0) GTEST_SKIP() << "xcursorgen is not installed";
  test::TempDir dir;
  std::ofstream config(dir / "cursor.cfg");
  for (int side : {24, 32}) {
    for (int f = 0; f < 3; ++f) {
      const std::string png = "p" + std::to_string(side) + "-" + std::to_string(f) + ".png";
      const document::Image32 image = Pattern(side, f);
      ASSERT_TRUE(document::WriteFileAtomically(
          dir / png, *document::EncodePng32(side, side, image.pixels, document::ChannelOrder::kRgba)));
      config << side << ' ' << side / 4 + f << ' ' << side / 3 << ' ' << png << ' ' << (f + 1) * 50 << '\n';
    }
  }
  config.close();
  const std::string cmd = "cd '" + dir.Path().string() + "' && xcursorgen cursor.cfg made";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  const std::vector<XcursorImage> reference = ReferenceRead(dir / "made");
  ASSERT_EQ(reference.size(), 6u);
  const auto bytes = document::ReadWholeFile(dir / "made");
  const auto decoded = DecodeXcursor(*bytes);
  ASSERT_TRUE(decoded) << texts::EnglishMessage(decoded.error());
  EXPECT_TRUE(*decoded == reference);

  std::vector<texts::Failure> read;
  const auto cursor = ReadXcursorMemory(*bytes, "made", &read);
  ASSERT_TRUE(cursor);
  EXPECT_TRUE(read.empty());
  ASSERT_EQ(cursor->frames.size(), 3u);
  EXPECT_EQ(cursor->steps, (std::vector<AnimationStep>{{0, 3}, {1, 6}, {2, 9}}));
  EXPECT_EQ(cursor->frames[2]->GetHotSpot(1), (raster::Point{10, 10}));
  const auto again = XcursorImagesOf(*cursor, read);
  ASSERT_TRUE(again && WriteXcursorFile(*again, (dir / "again").string()));
  EXPECT_TRUE(ReferenceRead(dir / "again") == reference);
}

}  // namespace
}  // namespace pixmint::formats
