// pixmint-cli thumbnail, run the way the thumbnailer entry runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "formats/ani_file.h"
#include "hostile_inputs.h"

namespace pixmint {
namespace {

namespace fs = std::filesystem;
using test::Cli;
using test::CliRun;
using test::Quote;

constexpr raster::Colour kInvertMarker = raster::Rgb(218, 109, 109);

using test::ReadPng;

const std::uint8_t* At(const document::Image32& image, int x, int y) {
  return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
}

// Adds a side x side image of one colour; 32-bit images get alpha 255.
void AddSolid(document::TKvIcon& icon, int side, int bits, raster::Colour colour) {
  ASSERT_TRUE(icon.AddImage(side, side, bits));
  const std::uint32_t i = icon.ImageCount() - 1;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (bits == 32) {
        icon.XorBitmap(i)->SetRaw(
            x, y, 0xFF000000u | (raster::Red(colour) << 16) | (raster::Green(colour) << 8) | raster::Blue(colour));
      } else {
        icon.XorBitmap(i)->SetPixel(x, y, colour);
      }
      icon.AndBitmap(i)->Set(x, y, false);
    }
  }
}

CliRun Thumbnail(const test::TempDir& dir, const fs::path& in, const fs::path& out, int side) {
  return Cli(dir, "thumbnail " + Quote(in) + " " + Quote(out) + " " + std::to_string(side));
}

// The image that best fits, never enlarged; an animated cursor shows the
// frame its first step shows.
TEST(CliThumbnail, TakesTheImageThatBestFitsAndNeverEnlarges) {
  test::TempDir dir;
  document::TKvIcon icon;
  AddSolid(icon, 16, 32, raster::Rgb(200, 0, 0));
  AddSolid(icon, 48, 8, raster::Rgb(0, 0, 255));
  AddSolid(icon, 48, 32, raster::Rgb(0, 200, 0));
  AddSolid(icon, 64, 24, raster::Rgb(200, 200, 0));
  ASSERT_TRUE(icon.SaveToFile((dir / "sizes.ico").string()));
  formats::AnimatedCursor cursor;
  for (const raster::Colour colour : {raster::Rgb(250, 0, 0), raster::Rgb(0, 0, 250)}) {
    auto frame = std::make_unique<document::TKvIcon>();
    frame->SetIcon(false);
    AddSolid(*frame, 32, 32, colour);
    cursor.frames.push_back(std::move(frame));
  }
  cursor.steps = {{1, 10}, {0, 10}};
  ASSERT_TRUE(formats::WriteAniFile(cursor, (dir / "busy.ani").string()));
  struct Case {
    const char* file;
    int asked;
    int side;  // of the thumbnail
    raster::Colour colour;
  };
  const Case cases[] = {
      {"sizes.ico", 8, 8, raster::Rgb(200, 0, 0)},      {"sizes.ico", 16, 16, raster::Rgb(200, 0, 0)},
      {"sizes.ico", 17, 17, raster::Rgb(0, 200, 0)},    {"sizes.ico", 32, 32, raster::Rgb(0, 200, 0)},
      {"sizes.ico", 48, 48, raster::Rgb(0, 200, 0)},    {"sizes.ico", 60, 60, raster::Rgb(200, 200, 0)},
      {"sizes.ico", 128, 64, raster::Rgb(200, 200, 0)}, {"sizes.ico", 1024, 64, raster::Rgb(200, 200, 0)},
      {"busy.ani", 128, 32, raster::Rgb(0, 0, 250)},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.file) + " " + std::to_string(c.asked);
    const fs::path out = dir / "t.png";
    const CliRun run = Thumbnail(dir, dir / c.file, out, c.asked);
    ASSERT_EQ(run.code, 0) << what << ": " << run.err;
    const auto png = ReadPng(out);
    ASSERT_TRUE(png) << what;
    EXPECT_EQ(png->width, c.side) << what;
    EXPECT_EQ(png->height, c.side) << what;
    const std::uint8_t* middle = At(*png, c.side / 2, c.side / 2);
    EXPECT_EQ(raster::Rgb(middle[0], middle[1], middle[2]), c.colour) << what;
    EXPECT_EQ(middle[3], 255) << what;
  }
}

TEST(CliThumbnail, ShrinksByFilteringAndKeepsAlpha) {
  test::TempDir dir;
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(64, 64, 32));
  // One-pixel black and white stripes (a filter greys them, picking pixels
  // would not) over a left half at alpha 128 and a clear right column band.
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const std::uint32_t grey = x % 2 == 0 ? 0x000000u : 0xFFFFFFu;
      const std::uint32_t alpha = x >= 48 ? 0 : x < 24 ? 128 : 255;
      icon.XorBitmap(0)->SetRaw(x, y, alpha << 24 | (alpha == 0 ? 0 : grey));
    }
  }
  ASSERT_TRUE(icon.SaveToFile((dir / "stripes.ico").string()));
  const CliRun run = Thumbnail(dir, dir / "stripes.ico", dir / "s.png", 32);
  ASSERT_EQ(run.code, 0) << run.err;
  const auto png = ReadPng(dir / "s.png");
  ASSERT_TRUE(png);
  ASSERT_EQ(png->width, 32);
  for (int y = 4; y < 28; ++y) {
    for (const int x : {14, 16, 18}) {
      const std::uint8_t* p = At(*png, x, y);
      EXPECT_NEAR(p[0], 128, 24) << x << "," << y;
      EXPECT_EQ(p[3], 255) << x << "," << y;
    }
    EXPECT_NEAR(At(*png, 4, y)[3], 128, 2) << y;
    EXPECT_NEAR(At(*png, 4, y)[0], 128, 24) << y;
    EXPECT_EQ(At(*png, 28, y)[3], 0) << y;
  }
}

// A 4-bit image: inverting pixels (mask 1 over white) on the left half,
// transparent ones (mask 1 over black) on the right, a black dot opaque.
void SaveInvertingImage(const fs::path& path, bool cursor) {
  document::TKvIcon icon;
  icon.SetIcon(!cursor);
  ASSERT_TRUE(icon.AddImage(16, 16, 4));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      icon.XorBitmap(0)->SetPixel(x, y, x < 8 ? raster::Rgb(255, 255, 255) : raster::Rgb(0, 0, 0));
      icon.AndBitmap(0)->Set(x, y, !(x == 12 && y == 12));
    }
  }
  ASSERT_TRUE(icon.SaveToFile(path.string()));
}

TEST(CliThumbnail, ShowsACursorsInvertingPixelsInTheEditorsMarkerColour) {
  test::TempDir dir;
  SaveInvertingImage(dir / "beam.cur", true);
  SaveInvertingImage(dir / "beam.ico", false);
  struct Case {
    const char* name;
    bool marked;
  };
  for (const Case c : {Case{"beam.cur", true}, Case{"beam.ico", false}}) {
    const CliRun run = Thumbnail(dir, dir / c.name, dir / "b.png", 128);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto png = ReadPng(dir / "b.png");
    ASSERT_TRUE(png);
    ASSERT_EQ(png->width, 16);
    const std::uint8_t* inverting = At(*png, 3, 3);
    if (c.marked) {
      EXPECT_EQ(raster::Rgb(inverting[0], inverting[1], inverting[2]), kInvertMarker) << c.name;
      EXPECT_EQ(inverting[3], 255) << c.name;
    } else {
      EXPECT_EQ(inverting[3], 0) << c.name << ": an icon's inverting pixels show as the editor shows them";
    }
    EXPECT_EQ(At(*png, 10, 3)[3], 0) << c.name;
    EXPECT_EQ(At(*png, 12, 12)[3], 255) << c.name;
  }
}

TEST(CliThumbnail, AProgramShowsItsFirstIconGroup) {
  const fs::path samples(PIXMINT_PE_SAMPLES);
  if (!fs::exists(samples / "res64.dll")) GTEST_SKIP() << "no program files (MinGW cross tools missing)";
  test::TempDir dir;
  for (const int side : {16, 48, 100}) {
    ASSERT_EQ(Thumbnail(dir, samples / "res64.dll", dir / "p.png", side).code, 0);
    ASSERT_EQ(Thumbnail(dir, samples / "multi.ico", dir / "i.png", side).code, 0);
    EXPECT_EQ(test::Slurp(dir / "p.png"), test::Slurp(dir / "i.png")) << side;
  }
}

// A file manager runs the thumbnailer on every download: each of these
// small files once cost seconds and gigabytes. Now each is read within its
// budget or refused naming the limit, by info and thumbnail alike, and
// extract writes a bounded multiple of what it read.
TEST(CliThumbnail, HostileFilesAreReadWithinBudgetOrRefused) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "x.ico").c_str(), 0600), 0);
  struct Case {
    const char* name;
    test::Bytes bytes;
    int info, thumbnail, extract;  // exit codes; extract -1: not run
    const char* refusal;           // in what the refusing commands print
  };
  const Case cases[] = {
      {"shared.xcur", test::XcursorSharedImage(8500, 256), 1, 1, -1, "overlap"},
      {"shared.ani", test::XcursorSharedImage(8500, 256), 1, 1, -1, ""},
      {"shared-name.dll", test::ProgramSharedLongName(5300), 0, 0, -1, ""},
      {"members.dll", test::ProgramManyMembers(20000, 16), 0, 0, 0, ""},
      {"sizes.xcur", test::XcursorManySizes(150000), 0, 0, -1, ""},
      {"png.dll", test::ProgramRepeatedPng(40000), 0, 1, 1, "(the limit)"},
      {"png.ani", test::AniRepeatedPng(2), 1, 1, 1, "(the limit)"},
      {"x.ico", {}, 1, 1, 1, ""},  // a FIFO: never waited on
  };
  const std::string bounded = test::Bounded(512);
  for (const Case& c : cases) {
    const fs::path in = dir / c.name;
    if (!c.bytes.empty()) {
      ASSERT_TRUE(document::WriteFileAtomically(in, c.bytes));
    }
    const CliRun info = Cli(dir, "info " + Quote(in), bounded);
    EXPECT_EQ(info.code, c.info) << c.name << ": " << info.err.substr(0, 300);
    const CliRun thumbnail = Cli(dir, "thumbnail " + Quote(in) + " " + Quote(dir / "t.png") + " 256", bounded);
    EXPECT_EQ(thumbnail.code, c.thumbnail) << c.name << ": " << thumbnail.err.substr(0, 300);
    for (const CliRun* run : {&info, &thumbnail}) {
      if (run->code != 0) {
        EXPECT_NE(run->err.find(c.refusal), std::string::npos) << c.name << ": " << run->err;
      }
    }
    if (c.extract < 0) continue;
    const fs::path out = dir / "out";
    fs::remove_all(out);
    const CliRun extract = Cli(dir, "extract " + Quote(in) + " " + Quote(out), bounded);
    EXPECT_EQ(extract.code, c.extract) << c.name << ": " << extract.err.substr(0, 300);
    std::uintmax_t written = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(out, ec), end; !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file(ec)) written += it->file_size(ec);
    }
    EXPECT_LE(written, 64 * std::max<std::uintmax_t>(c.bytes.size(), 1 << 20)) << c.name;
  }
}

}  // namespace
}  // namespace pixmint
