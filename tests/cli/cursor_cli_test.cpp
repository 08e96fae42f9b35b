// pixmint-cli on animated cursors, Xcursor files and cursor themes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "hostile_inputs.h"

namespace pixmint {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::Cli;
using test::CliRun;
using test::Slurp;

using test::WritePattern;
const auto Q = test::Quote;

document::Image32 ReadPng(const fs::path& path) {
  auto image = test::ReadPng(path);
  EXPECT_TRUE(image) << path;
  return image ? *image : document::Image32{};
}

// Colours may move by the rounding of premultiplied alpha; transparency may not.
void ExpectSamePicture(const document::Image32& a, const document::Image32& b) {
  ASSERT_EQ(a.pixels.size(), b.pixels.size());
  for (std::size_t p = 0; p < a.pixels.size(); p += 4) {
    ASSERT_EQ(a.pixels[p + 3], b.pixels[p + 3]) << "pixel " << p / 4;
    const int tolerance = a.pixels[p + 3] == 255 ? 0 : 2;
    for (int c = 0; c < 3 && a.pixels[p + 3] != 0; ++c)
      ASSERT_NEAR(a.pixels[p + c], b.pixels[p + c], tolerance) << p / 4;
  }
}

// A 1-bit I-beam whose stem inverts the screen.
void WriteIBeam(const fs::path& path) {
  document::TKvIcon icon;
  icon.SetIcon(false);
  ASSERT_TRUE(icon.AddImage(32, 32, 1));
  icon.AndBitmap(0)->Fill(true);
  for (int y = 4; y < 28; ++y) icon.XorBitmap(0)->SetPixel(15, y, raster::Rgb(255, 255, 255));
  icon.SetHotSpot(0, {15, 16});
  ASSERT_TRUE(icon.SaveToFile(path.string()));
}

TEST(CursorCli, AnimatedCursorsAndXcursorFilesBothWays) {
  test::TempDir dir;
  for (int f = 0; f < 3; ++f) WritePattern(dir / ("f" + std::to_string(f) + ".png"), 32, f);
  const fs::path ani = dir / "anim.ani";
  CliRun run = Cli(dir, "create " + Q(ani) + " " + Q(dir / "f0.png@1,2") + " --rate 7 " + Q(dir / "f1.png:8@3,4") +
                            " " + Q(dir / "f2.png:1"));
  ASSERT_EQ(run.code, 0) << run.err;
  run = Cli(dir, "info " + Q(ani));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, ani.string() +
                         ": animated cursor, 3 frames, 3 steps\n"
                         "frame 0: 1 images\n  0: 32x32 32bpp bmp hotspot 1,2\n"
                         "frame 1: 1 images\n  0: 32x32 8bpp bmp hotspot 3,4\n"
                         "frame 2: 1 images\n  0: 32x32 1bpp bmp hotspot 0,0\n"
                         "sequence: 0 1 2\nrates: 7 7 7 (jiffies)\n");
  ASSERT_EQ(Cli(dir, "extract " + Q(ani) + " " + Q(dir / "ours")).code, 0);
  for (int f = 0; f < 3; ++f) EXPECT_TRUE(fs::exists(dir / "ours" / ("anim-" + std::to_string(f) + ".png"))) << f;
  ExpectSamePicture(ReadPng(dir / "ours" / "anim-0.png"), ReadPng(dir / "f0.png"));

  const fs::path xcur = dir / "anim.xcur";
  run = Cli(dir, "xcursor " + Q(ani) + " " + Q(xcur));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  run = Cli(dir, "info " + Q(xcur));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, xcur.string() +
                         ": xcursor, 3 images, 1 sizes\n"
                         "0: size 32 32x32 hotspot 1,2 delay 116ms\n"
                         "1: size 32 32x32 hotspot 3,4 delay 116ms\n"
                         "2: size 32 32x32 hotspot 0,0 delay 116ms\n");
  ASSERT_EQ(Cli(dir, "extract " + Q(xcur) + " " + Q(dir / "theirs")).code, 0);
  for (int f = 0; f < 3; ++f) {
    const std::string png = "anim-" + std::to_string(f) + ".png";
    ExpectSamePicture(ReadPng(dir / "theirs" / png), ReadPng(dir / "ours" / png));
  }

  // Back from Xcursor: the same steps and hot spots, and the same Xcursor again.
  ASSERT_EQ(Cli(dir, "xcursor " + Q(xcur) + " " + Q(dir / "back.ani")).code, 0);
  run = Cli(dir, "info " + Q(dir / "back.ani"));
  EXPECT_NE(run.out.find("frame 1: 1 images\n  0: 32x32 32bpp bmp hotspot 3,4\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("sequence: 0 1 2\nrates: 7 7 7 (jiffies)\n"), std::string::npos) << run.out;
  ASSERT_EQ(Cli(dir, "xcursor " + Q(dir / "back.ani") + " " + Q(dir / "again")).code, 0);
  EXPECT_EQ(Slurp(dir / "again"), Slurp(xcur));
  run = Cli(dir, "xcursor " + Q(xcur) + " " + Q(dir / "one.cur"));
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "pixmint-cli: the cursor has 3 frames; write it as .ani or Xcursor\n");

  WriteIBeam(dir / "beam.cur");
  run = Cli(dir, "xcursor " + Q(dir / "beam.cur") + " " + Q(dir / "beam"));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err,
            "pixmint-cli: note: 32x32 1-bit image: 24 screen-inverting pixels drawn black with a white outline\n");
  ASSERT_EQ(Cli(dir, "xcursor " + Q(dir / "beam") + " " + Q(dir / "beam2.cur")).code, 0);
  EXPECT_EQ(Cli(dir, "info " + Q(dir / "beam2.cur")).out,
            (dir / "beam2.cur").string() + ": cursor, 1 images\n0: 32x32 32bpp bmp hotspot 15,16\n");
}

TEST(CursorCli, BuildsAThemeFromAFolderOfWindowsCursors) {
  test::TempDir dir;
  const fs::path src = dir / "src";
  fs::create_directory(src);
  WritePattern(dir / "a32.png", 32, 0);
  WritePattern(dir / "a48.png", 48, 1);
  ASSERT_EQ(
      Cli(dir, "create " + Q(src / "Arrow.cur") + " " + Q(dir / "a32.png@1,2") + " " + Q(dir / "a48.png@2,3")).code, 0);
  ASSERT_EQ(Cli(dir, "create " + Q(src / "Busy.ani") + " " + Q(dir / "a32.png") + " " + Q(dir / "a32.png:4")).code, 0);
  WriteIBeam(src / "IBeam.cur");
  const fs::path out = dir / "themes" / "Mine";
  CliRun run = Cli(dir, "xcursor-theme " + Q(src) + " " + Q(out) + " --name 'My Theme' --sizes source");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("Help")),
            "Arrow (Arrow.cur) -> left_ptr, size 32, 48, 1 frames, 23 links\n"
            "Wait (Busy.ani) -> wait, size 32, 2 frames, 1 links\n"
            "IBeam (IBeam.cur) -> text, size 32, 1 frames, 3 links\n");
  EXPECT_NE(run.out.find("\nCrosshair (Precision Select): missing\n"), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with("theme \"My Theme\" in " + out.string() + "\n")) << run.out;
  EXPECT_EQ(run.err,
            "pixmint-cli: note: IBeam (IBeam.cur): 32x32 1-bit image: 24 screen-inverting pixels drawn black with a "
            "white outline\n");
  EXPECT_NE(Slurp(out / "index.theme").find("Name=My Theme\n"), std::string::npos);

  // The default sizes, a role mapped by hand, the report as JSON, and the
  // theme installed where the desktop looks.
  run = Cli(dir, "xcursor-theme " + Q(src) + " --install --map 'Link Select=Arrow.cur' --json --name Mine",
            "XDG_DATA_HOME=" + (dir / "data").string());
  ASSERT_EQ(run.code, 0) << run.err;
  const fs::path installed = dir / "data" / "icons" / "Mine" / "cursors";
  EXPECT_NE(run.out.find("\"sizes\": [24, 32, 48, 64, 96]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("{\"role\": \"Hand\", \"caption\": \"Link Select\", \"source\": \"" +
                         (src / "Arrow.cur").string() + "\", \"file\": \"left_ptr\", \"shared_with\": \"Arrow\""),
            std::string::npos)
      << run.out;
  EXPECT_EQ(fs::read_symlink(installed / "hand2"), "left_ptr");
  run = Cli(dir, "xcursor-theme " + Q(src) + " --install", "XDG_DATA_HOME=" + (dir / "data").string());
  EXPECT_NE(run.out.find("gsettings set org.gnome.desktop.interface cursor-theme 'src'"), std::string::npos) << run.out;

  // Without --name the theme is named after its folder.
  ASSERT_EQ(Cli(dir, "xcursor-theme " + Q(src) + " " + Q(out) + "/").code, 0);
  EXPECT_NE(Slurp(out / "index.theme").find("Name=Mine\n"), std::string::npos);
}

// A downloaded cursor set is not to be trusted: its install.inf may name one
// section without end, its scheme name may hold terminal controls, and the
// theme folder may hold links planted to send the writes elsewhere.
TEST(CursorCli, AThemeFromAHostileSetStaysInItsFolderAndPrintsNoControls) {
  test::TempDir dir;
  const fs::path src = dir / "src";
  fs::create_directory(src);
  WritePattern(dir / "a.png", 32, 0);
  ASSERT_EQ(Cli(dir, "create " + Q(src / "Arrow.cur") + " " + Q(dir / "a.png")).code, 0);
  std::string inf = test::InfRepeatedAddReg(340000, 400);
  inf.insert(inf.find("\n[b]\n") + 5, "HKCU,\"Control Panel\\Cursors\",,0x00020000,\"Evil\x1b]0;x\x07Name\"\n");
  ASSERT_TRUE(document::WriteFileAtomically(src / "install.inf", Bytes(inf.begin(), inf.end())));
  fs::create_directories(dir / "elsewhere");
  ASSERT_TRUE(document::WriteFileAtomically(dir / "victim", Bytes{'v'}));
  const fs::path out = dir / "theme";
  fs::create_directories(dir / "theme2" / "cursors");
  fs::create_directory(out);
  fs::create_symlink(dir / "victim", out / "index.theme");
  fs::create_directory_symlink(dir / "elsewhere", out / "cursors");
  fs::create_hard_link(dir / "victim", dir / "theme2" / "cursors" / "left_ptr");
  for (const fs::path& target : {out, dir / "theme2"}) {
    const CliRun run = Cli(dir, "xcursor-theme " + Q(src) + " " + Q(target), test::Bounded(512));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_NE(run.out.find("theme \"Evil\\x1b]0;x\\x07Name\" in "), std::string::npos) << run.out;
    EXPECT_FALSE(fs::is_symlink(target / "cursors"));
    EXPECT_FALSE(fs::is_symlink(target / "index.theme"));
    EXPECT_EQ(fs::hard_link_count(target / "cursors" / "left_ptr"), 1u);
  }
  EXPECT_EQ(Slurp(dir / "victim"), "v");
  EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
}

}  // namespace
}  // namespace pixmint
