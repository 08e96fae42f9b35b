// The convert, replace and program-file commands of pixmint-cli, run as a
// user runs them.
#include <gtest/gtest.h>

#include <cmath>

#include "cli_run.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"

namespace pixmint {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::Cli;
using test::CliRun;
using test::Quote;
using test::Slurp;

fs::path Sample(const std::string& name) {
  return fs::path(PIXMINT_PE_SAMPLES) / name;
}

fs::path WriteMaster(const test::TempDir& dir, const std::string& name, int side) {
  return test::WritePattern(dir / name, side);
}

TEST(CliConvert, DefaultSizesAndACursorWithEveryDepth) {
  test::TempDir dir;
  const fs::path master = WriteMaster(dir, "m.png", 300);
  ASSERT_EQ(Cli(dir, "convert " + Quote(dir / "o.ico") + " " + Quote(master)).code, 0);
  CliRun info = Cli(dir, "info " + Quote(dir / "o.ico"));
  std::string expected = (dir / "o.ico").string() + ": icon, 8 images\n";
  int i = 0;
  for (const int s : {16, 20, 24, 32, 40, 48, 64, 256}) {
    expected += std::to_string(i++) + ": " + std::to_string(s) + "x" + std::to_string(s) + " 32bpp " +
                (s == 256 ? "png" : "bmp") + " hotspot 0,0\n";
  }
  EXPECT_EQ(info.out, expected);
  // Other readers see the same images, pixel for pixel.
  ASSERT_EQ(Cli(dir, "extract " + Quote(dir / "o.ico") + " " + Quote(dir / "ours")).code, 0);
  for (const std::string tool : {"icotool", "magick", "pillow"}) {
    const fs::path out = dir / tool;
    fs::create_directory(out);
    const std::string cmd = std::string("/usr/bin/python3 '") + PIXMINT_CLI_TEST_DIR + "/read_with_tools.py' " + tool +
                            " " + Quote(dir / "o.ico") + " " + Quote(out);
    const int status = std::system(cmd.c_str());
    if (WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 127)) continue;
    ASSERT_EQ(status, 0) << tool;
    for (int k = 0; k < 8; ++k) {
      const auto ours = document::DecodePng(
          *document::ReadWholeFile(dir / "ours" / ("o-" + std::to_string(k) + ".png")), document::ChannelOrder::kRgba);
      ASSERT_TRUE(ours);
      const std::string theirs = Slurp(out / (tool + "-" + std::to_string(k) + ".rgba"));
      EXPECT_TRUE(std::equal(theirs.begin(), theirs.end(), ours->pixels.begin(), ours->pixels.end(),
                             [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }))
          << tool << " image " << k;
    }
  }

  // A hand-drawn 16 x 16 beside the large master; the hot spot is given in
  // the first master's pixels.
  WriteMaster(dir, "hand16.png", 16);
  WriteMaster(dir, "small.png", 8);
  const CliRun enlarged = Cli(dir, "convert " + Quote(dir / "e.ico") + " " + Quote(dir / "small.png"));
  EXPECT_EQ(enlarged.code, 0);
  EXPECT_NE(enlarged.err.find("warning: 256x256 is enlarged from small.png"), std::string::npos) << enlarged.err;

  ASSERT_EQ(Cli(dir, "convert " + Quote(dir / "c.cur") + " --sizes 16,32,256 " + Quote(master) + " " +
                         Quote(dir / "hand16.png") + " --depths 32,8,4 --hotspot 150,75 --threshold 200 --dither")
                .code,
            0);
  info = Cli(dir, "info " + Quote(dir / "c.cur"));
  expected = (dir / "c.cur").string() + ": cursor, 9 images\n";
  i = 0;
  for (const int d : {32, 8, 4}) {
    for (const int s : {16, 32, 256}) {
      expected += std::to_string(i++) + ": " + std::to_string(s) + "x" + std::to_string(s) + " " + std::to_string(d) +
                  "bpp " + (s == 256 && d == 32 ? "png" : "bmp") + " hotspot " + std::to_string(s / 2) + "," +
                  std::to_string(s / 4) + "\n";
    }
  }
  EXPECT_EQ(info.out, expected);
}

#define NEED_PROGRAMS()                                                           \
  if (!fs::exists(Sample("res64.dll"))) {                                         \
    GTEST_SKIP() << "no program files (MinGW cross tools missing at build time)"; \
  }

TEST(CliProgram, InfoListsEveryGroupAndExtractWritesEachAsItsFile) {
  NEED_PROGRAMS();
  test::TempDir dir;
  const CliRun info = Cli(dir, "info " + Quote(Sample("res64.dll")));
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

  const CliRun extract = Cli(dir, "extract " + Quote(Sample("app32.exe")) + " " + Quote(dir / "out"));
  ASSERT_EQ(extract.code, 0) << extract.err;
  const std::pair<const char*, const char*> files[] = {{"app32-ARROW.cur", "arrow.cur"},
                                                       {"app32-7.cur", "arrow.cur"},
                                                       {"app32-MAINICON-1031.ico", "multi.ico"},
                                                       {"app32-MAINICON-1033.ico", "small.ico"},
                                                       {"app32-1.ico", "multi.ico"}};
  for (const auto& [name, source] : files) EXPECT_EQ(Slurp(dir / "out" / name), Slurp(Sample(source))) << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 5);
}

TEST(CliProgram, ReplaceWritesANewProgramAndNeverTheOldOne) {
  NEED_PROGRAMS();
  test::TempDir dir;
  const std::string before = Slurp(Sample("app64.exe"));
  const std::string small = Quote(Sample("small.ico"));
  // Noise does not compress: more than the section's spare room.
  document::TKvIcon noise;
  ASSERT_TRUE(noise.AddImage(256, 256, 32));
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x)
      noise.XorBitmap(0)->SetRaw(x, y, 0xFF000000u | ((x * 7919u + y * 104729u) * 2654435761u >> 8));
  }
  noise.SetPngCompressed(0, true);
  ASSERT_TRUE(noise.SaveToFile((dir / "noise.ico").string()));
  const struct {
    std::string args;
    int code;
    const char* message;
  } cases[] = {
      {"replace " + Quote(Sample("app64.exe")) + " 1 " + small, 2, "usage: pixmint-cli replace"},
      {"replace " + Quote(Sample("app64.exe")) + " 1 " + small + " -o " + Quote(Sample("app64.exe")), 2,
       "the program itself is never changed"},
      {"replace " + Quote(Sample("app64.exe")) + " MAINICON " + Quote(dir / "noise.ico") + " -o " +
           Quote(dir / "x.exe"),
       1, "not the last section"},
      {"replace " + Quote(Sample("res64.dll")) + " MAINICON " + small + " -o " + Quote(dir / "none" / "x.exe"), 1,
       ": no such file or folder"},
      {"replace " + Quote(Sample("app64.exe")) + " ARROW " + small + " -o " + Quote(dir / "x.exe"), 1,
       "is a cursor group"},
      {"replace " + Quote(Sample("small.ico")) + " 1 " + small + " -o " + Quote(dir / "x.exe"), 1,
       "not a Windows program file"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(dir, c.args);
    EXPECT_EQ(run.code, c.code) << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    EXPECT_FALSE(fs::exists(dir / "x.exe"));
  }
  // The large icon replaces the small one in the DLL, whose resources may grow.
  const CliRun replaced = Cli(dir, "replace " + Quote(Sample("res64.dll")) + " mainicon " + Quote(Sample("multi.ico")) +
                                       " -o " + Quote(dir / "new.dll"));
  ASSERT_EQ(replaced.code, 0) << replaced.err;
  ASSERT_EQ(Cli(dir, "extract " + Quote(dir / "new.dll") + " " + Quote(dir / "out")).code, 0);
  EXPECT_EQ(Slurp(dir / "out" / "new-MAINICON-1033.ico"), Slurp(Sample("multi.ico")));
  EXPECT_EQ(Slurp(Sample("app64.exe")), before);
}

// SVG pictures and English scripts come through the Qt module beside the
// program; a program without it still does everything else and says what is
// missing instead of failing at start.
TEST(CliQtModule, FoundBesideTheProgramAndMissedWithAReason) {
  test::TempDir dir;
  std::ofstream((dir / "dot.svg").c_str())
      << R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><circle cx="32" cy="32" r="30"/></svg>)";
  std::ofstream((dir / "s.pmscript").c_str()) << "new icon 16 16 8\nrotate abc\n";
  const std::string convert = "convert " + Quote(dir / "o.ico") + " " + Quote(dir / "dot.svg") + " --sizes 16,48";
  const std::string script = "script --lang en " + Quote(dir / "s.pmscript");
  ASSERT_EQ(Cli(dir, convert).code, 0);
  EXPECT_NE(Cli(dir, "info " + Quote(dir / "o.ico")).out.find(": icon, 2 images"), std::string::npos);
  EXPECT_NE(Cli(dir, script).out.find("Invalid angle"), std::string::npos);

  fs::create_directory(dir / "alone");
  fs::copy_file(PIXMINT_CLI, dir / "alone" / "pixmint-cli");
  const std::string alone = Quote(dir / "alone" / "pixmint-cli");
  const auto run = [&](const std::string& args) {
    const int status = std::system((alone + " " + args + " >/dev/null 2>" + Quote(dir / "err.txt")).c_str());
    return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "err.txt")};
  };
  EXPECT_EQ(run("info " + Quote(dir / "o.ico")).first, 0);
  const auto [svgCode, svgWhy] = run(convert);
  EXPECT_EQ(svgCode, 1);
  EXPECT_NE(svgWhy.find("SVG pictures need Qt's SVG module: this installation lacks pixmint-cli-qt.so"),
            std::string::npos)
      << svgWhy;
  const auto [langCode, langWhy] = run(script);
  EXPECT_EQ(langCode, 2);
  EXPECT_NE(langWhy.find("no English translation"), std::string::npos) << langWhy;
}

}  // namespace
}  // namespace pixmint
