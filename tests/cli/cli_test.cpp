// Runs the built pixmint-cli as a user would and reads what it writes with
// our own reader and with other programs.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/png_codec.h"
#include "support/pixel_grid.h"

namespace pixmint {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::Cli;
using test::CliRun;
using test::Slurp;

using test::Pattern;
using test::Quote;
using test::ReadPng;
using test::WritePattern;

fs::path Sample(const std::string& name) {
  return fs::path(PIXMINT_PE_SAMPLES) / name;
}

// Every command's wrong usage and failures: usage errors exit 2 with one line
// on standard error that says where the help is; failures exit 1 with one
// line after any warnings; neither leaves an output behind.
TEST(Cli, ExitCodesAndMessages) {
  test::TempDir dir;
  const std::string png = Quote(WritePattern(dir / "a.png", 32));
  const std::string master = Quote(WritePattern(dir / "m.png", 40));
  const std::string out = Quote(dir / "o.ico"), ani = Quote(dir / "x.ani"), thumb = Quote(dir / "o.png");
  const std::string theme = "xcursor-theme " + Quote(dir.Path()) + " " + Quote(dir / "t");
  const std::string bad = Quote(fs::path(PIXMINT_TEST_DATA_DIR) / "bad" / "bit-count-7.ico");
  const std::string riff = (fs::path(PIXMINT_TEST_DATA_DIR) / "bad" / "riff-animated-cursor.cur").string();
  ASSERT_EQ(Cli(dir, "create " + Quote(dir / "a.ico") + " " + png).code, 0);
  const std::string icon = Quote(dir / "a.ico");
  WritePattern(dir / "tiny.png", 4);
  const struct {
    std::string args;
    int code;
    std::string message;  // a part of the line, when it matters
  } cases[] = {
      {"", 2, ""},
      {"frobnicate x", 2, ""},
      {"--frob", 2, ""},
      {"info", 2, ""},
      {"extract a.ico", 2, ""},
      {"create out.ico", 2, ""},
      {"create out.png a.png", 2, ""},
      {"create out.ico a.png:7", 2, ""},
      {"create out.ico a.png@1,2", 2, "hot spot"},
      {"create out.cur a.png@1,x", 2, ""},
      {"convert out.ico", 2, ""},
      {"script --lang fr x", 2, ""},
      {"create " + ani + " " + png + " --rate 0", 2, ""},
      {"create " + ani + " " + png + " --rate x", 2, ""},
      {"create " + ani + " " + png + " --rate", 2, ""},
      {"create " + out + " " + png + " --rate 5", 2, ""},
      {"xcursor " + png, 2, ""},
      {"xcursor-theme " + Quote(dir.Path()), 2, ""},
      {theme + " --name", 2, ""},
      {theme + " " + Quote(dir / "u"), 2, ""},
      {theme + " --sizes 24,0", 2, ""},
      {theme + " --map Frob=a.cur", 2, ""},
      {"convert", 2, "an output file and at least one picture are needed"},
      {"convert " + out, 2, "at least one picture"},
      {"convert o.png " + master, 2, "the output must end in .ico or .cur"},
      {"convert " + out + " " + master + " --sizes 16,0", 2, "size 0 is outside 1 to 256"},
      {"convert " + out + " " + master + " --sizes 16,x", 2, "bad list"},
      {"convert " + out + " " + master + " --sizes 16,32,512", 2, ""},
      {"convert " + out + " " + master + " --sizes 16,32,320", 2, ""},
      {"convert " + out + " " + master + " --depths 24", 2, "depth 24 is not one of 32, 8 and 4"},
      {"convert " + out + " " + master + " --hotspot 1,2", 2, "hot spots belong to cursors"},
      {"convert " + out + " " + master + " --threshold", 2, "--threshold needs a value"},
      {"convert " + out + " " + master + " --frobnicate", 2, "unknown option --frobnicate"},
      {"thumbnail", 2, ""},
      {"thumbnail " + icon + " " + thumb, 2, ""},
      {"thumbnail " + icon + " " + thumb + " 0", 2, ""},
      {"thumbnail " + icon + " " + thumb + " 1025", 2, ""},
      {"thumbnail " + icon + " " + thumb + " big", 2, ""},
      {"thumbnail " + icon + " " + thumb + " 64 extra", 2, ""},
      {"info " + Quote(dir / "none.ico"), 1, ""},
      {"info " + bad, 1, "Error Converting to Internal Format"},
      {"info " + Quote(riff), 1, "pixmint-cli: " + riff + ": not an icon or cursor file\n"},
      {"create " + Quote(dir / "t.ico") + " " + Quote(dir / "tiny.png"), 1, ""},
      {"xcursor " + png + " " + Quote(dir / "x"), 1, ""},
      {"xcursor-theme " + Quote(dir / "missing") + " " + Quote(dir / "t"), 1, ""},
      {theme, 1, ""},
      {"extract " + png + " " + Quote(dir / "never"), 1, ""},
      {"convert " + Quote(dir / "c.cur") + " " + master + " --hotspot 40,0", 1, "the hot spot lies outside m.png"},
      {"convert " + out + " " + Quote(dir / "none.png"), 1, "cannot read the file"},
      {"convert " + out + " " + Quote(Sample("multi.ico")), 1, "not a PNG, JPEG, BMP or SVG picture"},
      {"thumbnail " + Quote(dir / "none.ico") + " " + thumb + " 64", 1, ""},
      {"thumbnail " + bad + " " + thumb + " 64", 1, ""},
      {"thumbnail " + icon + " " + Quote(dir / "no" / "such" / "o.png") + " 64", 1, ""},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(dir, c.args);
    EXPECT_EQ(run.code, c.code) << c.args << "\n" << run.err;
    // Warnings may come first; the reason is one line.
    std::istringstream lines(run.err);
    int reasons = 0;
    for (std::string line; std::getline(lines, line);) reasons += line.starts_with("pixmint-cli: warning:") ? 0 : 1;
    EXPECT_EQ(reasons, 1) << c.args << ": " << run.err;
    if (c.code == 2) {
      EXPECT_NE(run.err.find("--help'"), std::string::npos) << c.args << ": " << run.err;
    }
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
  }
  for (const char* made : {"x.ani", "o.ico", "o.png", "t", "t.ico", "c.cur", "never"})
    EXPECT_FALSE(fs::exists(dir / made)) << made;

  // Help and version: standard output, status 0, ending with a newline.
  for (const char* asked : {"--help", "-h", "--version", "create --help", "thumbnail -h"}) {
    const CliRun run = Cli(dir, asked);
    EXPECT_EQ(run.code, 0) << asked;
    EXPECT_TRUE(run.err.empty()) << asked << ": " << run.err;
    EXPECT_TRUE(run.out.size() > 1 && run.out.back() == '\n') << asked << ": " << run.out;
  }
  EXPECT_EQ(Cli(dir, "--version").out, "pixmint-cli 3.0\n");
  EXPECT_EQ(Cli(dir, "create --help").out.rfind("Usage: pixmint-cli create OUT.ico", 0), 0u);
}

// check: one line per finding, the exit status of the worst (warnings count
// with --strict), JSON for scripts, and --fix into a copy that checks clean
// of what it could fix.
TEST(Cli, CheckPrintsFindingsExitsByTheWorstAndFixesIntoACopy) {
  test::TempDir dir;
  const fs::path png = WritePattern(dir / "m.png", 64);
  const std::string full = (dir / "full.ico").string(), thin = (dir / "thin.ico").string();
  ASSERT_EQ(Cli(dir, "convert '" + full + "' '" + png.string() + "' --sizes 16,20,24,32,40,48,64,256").code, 0);
  ASSERT_EQ(Cli(dir, "convert '" + thin + "' '" + png.string() + "' --sizes 64").code, 0);
  EXPECT_EQ(Cli(dir, "check '" + full + "'").out, "");
  const CliRun warned = Cli(dir, "check '" + thin + "'");
  EXPECT_EQ(warned.code, 0);
  EXPECT_EQ(warned.out.substr(0, warned.out.find('\n')),
            thin + ": missing-size warning: no 16, 24, 32, 48, 256 image, which an application icon should have");
  EXPECT_EQ(Cli(dir, "check --strict '" + thin + "'").code, 1);
  const auto bytes = *document::ReadWholeFile(thin);
  ASSERT_TRUE(document::WriteFileAtomically(dir / "cut.ico", std::span(bytes).first(bytes.size() - 9)));
  const CliRun broken = Cli(dir, "check --json '" + full + "' '" + (dir / "cut.ico").string() + "'");
  EXPECT_EQ(broken.code, 2);
  EXPECT_NE(broken.out.find("{\"status\":2,\"files\":[{\"file\":"), std::string::npos) << broken.out;
  EXPECT_NE(broken.out.find("\"code\":\"outside-file\",\"severity\":\"error\""), std::string::npos) << broken.out;

  const std::string fixed = (dir / "fixed.ico").string();
  const CliRun fix = Cli(dir, "check --fix -o '" + fixed + "' '" + thin + "'");
  EXPECT_EQ(fix.code, 0) << fix.out << fix.err;
  EXPECT_NE(fix.out.find(thin + ": missing-size fixed: added 16x16 from entry 0"), std::string::npos) << fix.out;
  EXPECT_NE(fix.out.find(thin + ": missing-size not fixed: no 256 image made"), std::string::npos) << fix.out;
  EXPECT_EQ(*document::ReadWholeFile(thin), bytes) << "the checked file is never changed";
  EXPECT_NE(Cli(dir, "info '" + fixed + "'").out.find("icon, 7 images"), std::string::npos);
  EXPECT_EQ(Cli(dir, "check --fix '" + thin + "'").code, 2) << "--fix needs -o";
}

TEST(Cli, WriteFailuresNameTheReason) {
  test::TempDir dir;
  ::chmod(dir.Path().c_str(), 0777);
  const fs::path png = WritePattern(dir / "tiny.png", 16);
  ::chmod(png.c_str(), 0644);
  const fs::path missing = dir / "missing" / "t.ico";
  const CliRun noFolder = Cli(dir, "create '" + missing.string() + "' '" + png.string() + "'");
  EXPECT_EQ(noFolder.code, 1);
  EXPECT_EQ(noFolder.err, "pixmint-cli: cannot write " + missing.string() + ": no such file or folder\n");

  // A read-only icon, written by an ordinary user (root may write anything).
  const fs::path locked = dir / "locked.ico";
  ASSERT_EQ(Cli(dir, "create '" + locked.string() + "' '" + png.string() + "'").code, 0);
  ::chmod(locked.c_str(), 0444);
  const auto before = document::ReadWholeFile(locked);
  const std::string asUser = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
  const CliRun denied = Cli(dir, "create '" + locked.string() + "' '" + png.string() + ":4'", asUser);
  EXPECT_EQ(denied.code, 1);
  EXPECT_EQ(denied.err, "pixmint-cli: cannot write " + locked.string() + ": permission denied\n");
  EXPECT_EQ(document::ReadWholeFile(locked), before);

  const CliRun notFolder = Cli(dir, "extract '" + locked.string() + "' '" + png.string() + "'");
  EXPECT_EQ(notFolder.code, 1);
  EXPECT_NE(notFolder.err.find("cannot create folder " + png.string() + ": "), std::string::npos) << notFolder.err;
}

TEST(Cli, ExtractCopiesAPngEntryThatNeedsNoNewEncoding) {
  test::TempDir dir;
  WritePattern(dir / "p.png", 256);
  const fs::path icon = dir / "p.ico";
  ASSERT_EQ(Cli(dir, "create '" + icon.string() + "' '" + (dir / "p.png").string() + "'").code, 0);
  ASSERT_EQ(Cli(dir, "extract '" + icon.string() + "' '" + dir.Path().string() + "'").code, 0);
  const auto file = document::ReadWholeFile(icon);
  ASSERT_TRUE(file);
  const auto entry = document::IconEntryBlock(*file, 0);
  ASSERT_TRUE(entry);
  EXPECT_EQ(document::ReadWholeFile(dir / "p-0.png"), Bytes(entry->begin(), entry->end()));
}

TEST(Cli, ScriptRunsWhateverTmpdirSays) {
  test::TempDir dir;
  {
    std::ofstream script((dir / "s.pmscript").c_str());
    script << "new icon 16 16 4\ntool pencil\nclick 1 1\nclick 2 2\nundo\nprint state\n";
    std::ofstream((dir / "file").c_str()) << "x";
  }
  const std::string args = "script '" + (dir / "s.pmscript").string() + "'";
  const CliRun normal = Cli(dir, args);
  ASSERT_EQ(normal.code, 0) << normal.err;
  for (const std::string& tmpdir : {(dir / "missing").string(), (dir / "file").string(), std::string("relative")}) {
    const CliRun run = Cli(dir, args, "TMPDIR='" + tmpdir + "'");
    EXPECT_EQ(run.code, 0) << tmpdir << ": " << run.err;
    EXPECT_EQ(run.out, normal.out) << tmpdir;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 4) << "nothing made here";
}

// Every depth, as icon and as cursor, at 16, 32, 48 and 256 pixels: our
// reader, the extract command and three other programs must agree.
class CliCreate : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(CliCreate, OtherReadersSeeWhatWeSee) {
  const auto [depth, cursor] = GetParam();
  static constexpr int kSides[] = {16, 32, 48, 256};
  test::TempDir dir;
  std::string args = "create '" + (dir / (cursor ? "f.cur" : "f.ico")).string() + "'";
  for (int side : kSides) {
    const fs::path png = WritePattern(dir / ("in" + std::to_string(side) + ".png"), side);
    args += " '" + png.string() + ":" + std::to_string(depth);
    if (cursor) args += "@" + std::to_string(side / 2) + "," + std::to_string(side / 3);
    args += "'";
  }
  const CliRun created = Cli(dir, args);
  ASSERT_EQ(created.code, 0) << created.err;
  const std::string file = (dir / (cursor ? "f.cur" : "f.ico")).string();

  const CliRun info = Cli(dir, "info '" + file + "'");
  ASSERT_EQ(info.code, 0) << info.err;
  std::string expected = file + (cursor ? ": cursor, 4 images\n" : ": icon, 4 images\n");
  for (int i = 0; i < 4; ++i) {
    const int s = kSides[i];
    expected += std::to_string(i) + ": " + std::to_string(s) + "x" + std::to_string(s) + " " + std::to_string(depth) +
                "bpp " + (s == 256 && depth == 32 ? "png" : "bmp") + " hotspot " +
                (cursor ? std::to_string(s / 2) + "," + std::to_string(s / 3) : "0,0") + "\n";
  }
  EXPECT_EQ(info.out, expected);

  ASSERT_EQ(Cli(dir, "extract '" + file + "' '" + (dir / "ours").string() + "'").code, 0);
  std::vector<document::Image32> ours;
  for (int i = 0; i < 4; ++i) {
    auto image = ReadPng(dir / "ours" / ("f-" + std::to_string(i) + ".png"));
    ASSERT_TRUE(image) << i;
    const document::Image32 pattern = Pattern(kSides[i]);
    for (std::size_t p = 0; p < pattern.pixels.size(); p += 4) {
      const bool clear = depth == 32 ? pattern.pixels[p + 3] == 0 : pattern.pixels[p + 3] < 128;
      ASSERT_EQ(image->pixels[p + 3] == 0, clear) << "image " << i << " pixel " << p / 4;
      if (depth >= 24 && !clear) {
        ASSERT_TRUE(std::equal(&pattern.pixels[p], &pattern.pixels[p] + (depth == 32 ? 4 : 3), &image->pixels[p]));
      }
    }
    ours.push_back(std::move(*image));
  }

  for (const std::string tool : {"pillow", "magick", "icotool"}) {
    SCOPED_TRACE(tool);
    // ImageMagick 6 and icoutils cannot read 16-bit entries at all.
    if (depth == 16 && tool != "pillow") continue;
    const fs::path out = dir / tool;
    fs::create_directory(out);
    const std::string cmd = std::string("/usr/bin/python3 '") + PIXMINT_CLI_TEST_DIR + "/read_with_tools.py' " + tool +
                            " '" + file + "' '" + out.string() + "'";
    const int status = std::system(cmd.c_str());
    // 3: the tool is not installed; 127: there is no system Python at all.
    if (WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 127)) continue;
    ASSERT_EQ(status, 0);
    std::istringstream lines(Slurp(out / (tool + ".txt")));
    int i = 0, w = 0, h = 0, hx = 0, hy = 0, seen = 0;
    while (lines >> i >> w >> h >> hx >> hy) {
      ++seen;
      const int s = kSides[i];
      EXPECT_EQ(w, s);
      EXPECT_EQ(h, s);
      if (hx >= 0) {
        EXPECT_EQ(hx, cursor ? s / 2 : 0);
        EXPECT_EQ(hy, cursor ? s / 3 : 0);
      }
      const std::string theirs = Slurp(out / (tool + "-" + std::to_string(i) + ".rgba"));
      ASSERT_EQ(theirs.size(), ours[i].pixels.size());
      // 5-bit channels may be widened by shifting or by repeating bits.
      const int tolerance = depth == 16 ? 7 : 0;
      for (std::size_t p = 0; p < theirs.size(); p += 4) {
        const auto* t = reinterpret_cast<const std::uint8_t*>(&theirs[p]);
        const std::uint8_t* o = &ours[i].pixels[p];
        ASSERT_EQ(t[3] == 0, o[3] == 0) << "image " << i << " pixel " << p / 4;
        if (o[3] == 0) continue;
        for (int c = 0; c < 4; ++c) ASSERT_NEAR(t[c], o[c], tolerance) << "image " << i << " pixel " << p / 4;
      }
    }
    EXPECT_EQ(seen, 4);
  }
}

INSTANTIATE_TEST_SUITE_P(AllDepths, CliCreate,
                         ::testing::Combine(::testing::Values(1, 4, 8, 16, 24, 32), ::testing::Bool()),
                         [](const auto& info) {
                           return std::to_string(std::get<0>(info.param)) +
                                  (std::get<1>(info.param) ? "BitCursor" : "BitIcon");
                         });

}  // namespace
}  // namespace pixmint
