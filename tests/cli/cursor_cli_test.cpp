// pixmint-cli on animated cursors, Xcursor files and cursor themes.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "hostile_inputs.h"

namespace pixmint::test {
namespace {

// create's frames with their depths, hot spots and rate; info's listing of
// animated cursors and Xcursor files; xcursor's direction by the extension.
TEST(CursorCli, AnimatedCursorsAndXcursorFilesBothWays) {
  TempDir dir;
  for (int f = 0; f < 3; ++f) WritePattern(dir / ("f" + std::to_string(f) + ".png"), 32, f);
  const fs::path ani = dir / "anim.ani", xcur = dir / "anim.xcur";
  CliRun run = Cli(dir, "create " + Q(ani) + " " + Q(dir / "f0.png@1,2") + " --rate 7 " + Q(dir / "f1.png:8@3,4") +
                            " " + Q(dir / "f2.png:1"));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Cli(dir, "info " + Q(ani)).out, ani.string() +
                                                ": animated cursor, 3 frames, 3 steps\n"
                                                "frame 0: 1 images\n  0: 32x32 32bpp bmp hotspot 1,2\n"
                                                "frame 1: 1 images\n  0: 32x32 8bpp bmp hotspot 3,4\n"
                                                "frame 2: 1 images\n  0: 32x32 1bpp bmp hotspot 0,0\n"
                                                "sequence: 0 1 2\nrates: 7 7 7 (jiffies)\n");
  run = Cli(dir, "xcursor " + Q(ani) + " " + Q(xcur));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Cli(dir, "info " + Q(xcur)).out, xcur.string() +
                                                 ": xcursor, 3 images, 1 sizes\n"
                                                 "0: size 32 32x32 hotspot 1,2 delay 116ms\n"
                                                 "1: size 32 32x32 hotspot 3,4 delay 116ms\n"
                                                 "2: size 32 32x32 hotspot 0,0 delay 116ms\n");
  ASSERT_EQ(Cli(dir, "extract " + Q(xcur) + " " + Q(dir / "out")).code, 0);
  for (const char* png : {"anim-0.png", "anim-1.png", "anim-2.png"}) EXPECT_TRUE(fs::exists(dir / "out" / png)) << png;
  ASSERT_EQ(Cli(dir, "xcursor " + Q(xcur) + " " + Q(dir / "back.ani")).code, 0);
  EXPECT_NE(Cli(dir, "info " + Q(dir / "back.ani")).out.find("sequence: 0 1 2\nrates: 7 7 7 (jiffies)\n"),
            std::string::npos);
  WriteIBeam(dir / "beam.cur");
  ASSERT_EQ(Cli(dir, "xcursor " + Q(dir / "beam.cur") + " " + Q(dir / "beam")).code, 0);
  ASSERT_EQ(Cli(dir, "xcursor " + Q(dir / "beam") + " " + Q(dir / "beam2.cur")).code, 0);
  EXPECT_EQ(Cli(dir, "info " + Q(dir / "beam2.cur")).out,
            (dir / "beam2.cur").string() + ": cursor, 1 images\n0: 32x32 32bpp bmp hotspot 15,16\n");
}

TEST(CursorCli, BuildsAThemeFromAFolderOfWindowsCursors) {
  TempDir dir;
  const fs::path src = dir / "src", out = dir / "themes" / "Mine";
  fs::create_directory(src);
  const std::string a32 = WritePattern(dir / "a32.png", 32);
  WritePattern(dir / "a48.png", 48, 1);
  ASSERT_EQ(
      Cli(dir, "create " + Q(src / "Arrow.cur") + " " + Q(dir / "a32.png@1,2") + " " + Q(dir / "a48.png@2,3")).code, 0);
  ASSERT_EQ(Cli(dir, "create " + Q(src / "Busy.ani") + " " + a32 + " " + Q(dir / "a32.png:4")).code, 0);
  WriteIBeam(src / "IBeam.cur");
  fs::copy_file(src / "Arrow.cur", src / "Normal.cur");  // a second Arrow, left out
  CliRun run = Cli(dir, "xcursor-theme " + Q(src) + " " + Q(out) + " --name 'My Theme' --sizes source");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("Help")),
            "Arrow (Arrow.cur) -> left_ptr, size 32, 48, 1 frames, 23 links\n"
            "Wait (Busy.ani) -> wait, size 32, 2 frames, 1 links\n"
            "IBeam (IBeam.cur) -> text, size 32, 1 frames, 3 links\n");
  EXPECT_NE(run.out.find("\nCrosshair (Precision Select): missing\n"), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with("theme \"My Theme\" in " + out.string() + "\n")) << run.out;
  EXPECT_EQ(run.err,
            "pixmint-cli: note: Normal.cur: Arrow is already Arrow.cur; left out\n"
            "pixmint-cli: note: IBeam (IBeam.cur): 32x32 1-bit image: 24 screen-inverting pixels drawn black with a "
            "white outline\n");
  EXPECT_NE(Slurp(out / "index.theme").find("Name=My Theme\n"), std::string::npos);

  // The default sizes, a role mapped by hand, the report as JSON, and the
  // theme installed where the desktop looks.
  const std::string data = "XDG_DATA_HOME=" + (dir / "data").string();
  run = Cli(dir, "xcursor-theme " + Q(src) + " --install --map 'Link Select=Arrow.cur' --json --name Mine", data);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"sizes\": [24, 32, 48, 64, 96]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("{\"role\": \"Hand\", \"caption\": \"Link Select\", \"source\": \"" +
                         (src / "Arrow.cur").string() + "\", \"file\": \"left_ptr\", \"shared_with\": \"Arrow\""),
            std::string::npos)
      << run.out;
  EXPECT_EQ(fs::read_symlink(dir / "data" / "icons" / "Mine" / "cursors" / "hand2"), "left_ptr");
  run = Cli(dir, "xcursor-theme " + Q(src) + " --install", data);
  EXPECT_NE(run.out.find("gsettings set org.gnome.desktop.interface cursor-theme 'src'"), std::string::npos) << run.out;

  // Without --name the theme is named after its folder.
  ASSERT_EQ(Cli(dir, "xcursor-theme " + Q(src) + " " + Q(out) + "/").code, 0);
  EXPECT_NE(Slurp(out / "index.theme").find("Name=Mine\n"), std::string::npos);
}

// A downloaded cursor set is not to be trusted: its install.inf may name one
// section without end, its scheme name may hold terminal controls, and the
// theme folder may hold links planted to send the writes elsewhere.
TEST(CursorCli, AThemeFromAHostileSetStaysInItsFolderAndPrintsNoControls) {
  TempDir dir;
  const fs::path src = dir / "src", out = dir / "theme";
  fs::create_directory(src);
  ASSERT_EQ(Cli(dir, "create " + Q(src / "Arrow.cur") + " " + WritePattern(dir / "a.png", 32)).code, 0);
  std::string inf = InfRepeatedAddReg(340000, 400);
  inf.insert(inf.find("\n[b]\n") + 5, "HKCU,\"Control Panel\\Cursors\",,0x00020000,\"Evil\x1b]0;x\x07Name\"\n");
  WriteText(src / "install.inf", inf);
  WriteText(dir / "victim", "v");
  fs::create_directories(dir / "elsewhere");
  fs::create_directories(dir / "theme2" / "cursors");
  fs::create_directory(out);
  fs::create_symlink(dir / "victim", out / "index.theme");
  fs::create_directory_symlink(dir / "elsewhere", out / "cursors");
  fs::create_hard_link(dir / "victim", dir / "theme2" / "cursors" / "left_ptr");
  for (const fs::path& target : {out, dir / "theme2"}) {
    const CliRun run = Cli(dir, "xcursor-theme " + Q(src) + " " + Q(target), Bounded(512));
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
}  // namespace pixmint::test
