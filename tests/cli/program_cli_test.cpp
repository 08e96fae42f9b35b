// The convert, replace and program-file commands of pixmint-cli, run as a
// user runs them.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace pixmint::test {
namespace {

// info's listing of sides x depths, images in that order, PNG only at 256
// and 32 bits; a cursor (a hot spot given in a 300-pixel master) or an icon.
std::string Listing(const fs::path& file, const std::vector<int>& sides, const std::vector<int>& depths, int hotX = 0,
                    int hotY = 0) {
  std::string out = file.string() + (hotX == 0 ? ": icon, " : ": cursor, ") +
                    std::to_string(sides.size() * depths.size()) + " images\n";
  int i = 0;
  for (const int d : depths) {
    for (const int s : sides) {
      out += std::to_string(i++) + ": " + std::to_string(s) + "x" + std::to_string(s) + " " + std::to_string(d) +
             "bpp " + (s == 256 && d == 32 ? "png" : "bmp") + " hotspot " + std::to_string(s * hotX / 300) + "," +
             std::to_string(s * hotY / 300) + "\n";
    }
  }
  return out;
}

TEST(CliConvert, DefaultSizesAndACursorWithEveryDepth) {
  TempDir dir;
  const std::string master = WritePattern(dir / "m.png", 300);
  ASSERT_EQ(Cli(dir, "convert " + Q(dir / "o.ico") + " " + master).code, 0);
  EXPECT_EQ(Cli(dir, "info " + Q(dir / "o.ico")).out, Listing(dir / "o.ico", {16, 20, 24, 32, 40, 48, 64, 256}, {32}));

  // A hand-drawn 16 x 16 beside the large master; the hot spot is given in
  // the first master's pixels.
  const std::string hand = WritePattern(dir / "hand16.png", 16), small = WritePattern(dir / "small.png", 8);
  const CliRun enlarged = Cli(dir, "convert " + Q(dir / "e.ico") + " " + small);
  EXPECT_EQ(enlarged.code, 0);
  EXPECT_NE(enlarged.err.find("warning: 256x256 is enlarged from small.png"), std::string::npos) << enlarged.err;
  ASSERT_EQ(Cli(dir, "convert " + Q(dir / "c.cur") + " --sizes 16,32,256 " + master + " " + hand +
                         " --depths 32,8,4 --hotspot 150,75 --threshold 200 --dither")
                .code,
            0);
  EXPECT_EQ(Cli(dir, "info " + Q(dir / "c.cur")).out, Listing(dir / "c.cur", {16, 32, 256}, {32, 8, 4}, 150, 75));
}

TEST(CliProgram, InfoListsEveryGroupAndExtractWritesEachAsItsFile) {
  if (!HaveSamples()) GTEST_SKIP() << "no program files (MinGW cross tools missing at build time)";
  TempDir dir;
  const CliRun info = Cli(dir, "info " + Q(Sample("res64.dll")));
  ASSERT_EQ(info.code, 0) << info.err;
  const std::string multi =
      ": 6 images\n  0: 16x16 1bpp bmp hotspot 0,0\n  1: 16x16 4bpp bmp hotspot 0,0\n  2: 32x32 8bpp bmp hotspot 0,0\n"
      "  3: 32x32 24bpp bmp hotspot 0,0\n  4: 48x48 32bpp bmp hotspot 0,0\n  5: 256x256 32bpp png hotspot 0,0\n";
  const std::string arrow =
      ": 3 images\n  0: 32x32 1bpp bmp hotspot 16,9\n  1: 16x16 4bpp bmp hotspot 8,6\n"
      "  2: 24x24 32bpp bmp hotspot 12,9\n";
  EXPECT_EQ(info.out, Sample("res64.dll").string() + ": program, 5 groups\n" + "cursor group ARROW, language 1033" +
                          arrow + "cursor group 7, language 1033" + arrow + "icon group MAINICON, language 1031" +
                          multi + "icon group MAINICON, language 1033: 1 images\n  0: 16x16 8bpp bmp hotspot 0,0\n" +
                          "icon group 1, language 1033" + multi);

  const CliRun extract = Cli(dir, "extract " + Q(Sample("app32.exe")) + " " + Q(dir / "out"));
  ASSERT_EQ(extract.code, 0) << extract.err;
  const std::pair<const char*, const char*> files[] = {{"app32-ARROW.cur", "arrow.cur"},
                                                       {"app32-7.cur", "arrow.cur"},
                                                       {"app32-MAINICON-1031.ico", "multi.ico"},
                                                       {"app32-MAINICON-1033.ico", "small.ico"},
                                                       {"app32-1.ico", "multi.ico"}};
  for (const auto& [name, source] : files) EXPECT_EQ(Slurp(dir / "out" / name), Slurp(Sample(source))) << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 5);

  // The large icon replaces the small one in the DLL, whose resources may
  // grow; the program itself stays as it was.
  const std::string before = Slurp(Sample("res64.dll"));
  const CliRun replaced = Cli(
      dir, "replace " + Q(Sample("res64.dll")) + " mainicon " + Q(Sample("multi.ico")) + " -o " + Q(dir / "new.dll"));
  ASSERT_EQ(replaced.code, 0) << replaced.err;
  ASSERT_EQ(Cli(dir, "extract " + Q(dir / "new.dll") + " " + Q(dir / "new")).code, 0);
  EXPECT_EQ(Slurp(dir / "new" / "new-MAINICON-1033.ico"), Slurp(Sample("multi.ico")));
  EXPECT_EQ(Slurp(Sample("res64.dll")), before);
}

// SVG pictures and translated scripts come through the Qt module beside the
// program; a program without it still does everything else and says what is
// missing instead of failing at start.
TEST(CliQtModule, FoundBesideTheProgramAndMissedWithAReason) {
  TempDir dir;
  WriteText(dir / "dot.svg",
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><circle cx="32" cy="32" r="30"/></svg>)");
  WriteText(dir / "s.pmscript", "new icon 16 16 8\nrotate abc\n");
  const std::string convert = "convert " + Q(dir / "o.ico") + " " + Q(dir / "dot.svg") + " --sizes 16,48";
  const std::string script = "script --lang=EN " + Q(dir / "s.pmscript");
  ASSERT_EQ(Cli(dir, convert).code, 0);
  EXPECT_NE(Cli(dir, "info " + Q(dir / "o.ico")).out.find(": icon, 2 images"), std::string::npos);
  EXPECT_NE(Cli(dir, script).out.find("message: Error: Invalid angle.\n"), std::string::npos);
  // Chinese unless told otherwise, whatever TMPDIR says.
  for (const std::string& tmpdir : {Q(dir / "missing"), Q(dir / "dot.svg"), std::string("relative")}) {
    EXPECT_NE(Cli(dir, "script " + Q(dir / "s.pmscript"), "TMPDIR=" + tmpdir).out.find("message: 错误: 无效的度数.\n"),
              std::string::npos)
        << tmpdir;
  }

  fs::create_directory(dir / "alone");
  fs::copy_file(PIXMINT_CLI, dir / "alone" / "pixmint-cli");
  const std::string alone = (dir / "alone" / "pixmint-cli").string();
  EXPECT_EQ(Cli(dir, "info " + Q(dir / "o.ico"), "", alone).code, 0);
  for (const auto& [args, code, says] :
       {std::tuple{convert, 1, "SVG pictures need Qt's SVG module: this installation lacks pixmint-cli-qt.so"},
        {script, 2, "no English translation"}}) {
    const CliRun run = Cli(dir, args, "", alone);
    EXPECT_EQ(run.code, code);
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace pixmint::test
