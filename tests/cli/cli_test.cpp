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

// A picture with colour ramps, fully transparent specks and a band of
// partial alpha (visible at 32 bits, transparent at other depths).
document::Image32 Pattern(int side) {
  document::Image32 image{side, side, Bytes(static_cast<std::size_t>(side) * side * 4)};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* p = &image.pixels[(y * side + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 255 / (side - 1));
      p[1] = static_cast<std::uint8_t>(y * 255 / (side - 1));
      p[2] = static_cast<std::uint8_t>((x * 7) ^ (y * 3));
      p[3] = (x + y) % 7 == 0 ? 0 : x < side / 4 ? 100 : 255;
    }
  }
  return image;
}

std::optional<document::Image32> ReadPng(const fs::path& path) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
}

TEST(Cli, ExitCodesAndMessages) {
  test::TempDir dir;
  // Usage errors: status 2 and one line on standard error that says where
  // the help is ("hot spot in an icon", an unknown option, ...).
  for (const char* wrong : {"", "frobnicate x", "--frob", "info", "extract a.ico", "create out.ico",
                            "create out.png a.png", "create out.ico a.png:7", "create out.ico a.png@1,2",
                            "create out.cur a.png@1,x", "convert out.ico", "script --lang fr x"}) {
    const CliRun run = Cli(dir, wrong);
    EXPECT_EQ(run.code, 2) << wrong;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << wrong << ": " << run.err;
    EXPECT_NE(run.err.find("--help'"), std::string::npos) << wrong << ": " << run.err;
  }
  // Help and version: standard output, status 0, ending with a newline.
  for (const char* asked : {"--help", "-h", "--version", "create --help", "thumbnail -h"}) {
    const CliRun run = Cli(dir, asked);
    EXPECT_EQ(run.code, 0) << asked;
    EXPECT_TRUE(run.err.empty()) << asked << ": " << run.err;
    EXPECT_TRUE(run.out.size() > 1 && run.out.back() == '\n') << asked << ": " << run.out;
  }
  EXPECT_EQ(Cli(dir, "--version").out, "pixmint-cli 3.0\n");
  EXPECT_EQ(Cli(dir, "create --help").out.rfind("Usage: pixmint-cli create OUT.ico", 0), 0u);

  const CliRun missing = Cli(dir, "info '" + (dir / "none.ico").string() + "'");
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
  const fs::path bad = fs::path(PIXMINT_TEST_DATA_DIR) / "bad" / "bit-count-7.ico";
  const CliRun rejected = Cli(dir, "info '" + bad.string() + "'");
  EXPECT_EQ(rejected.code, 1);
  EXPECT_NE(rejected.err.find("Error Converting to Internal Format"), std::string::npos) << rejected.err;

  const document::Image32 tiny{4, 4, Bytes(64, 255)};
  ASSERT_TRUE(document::WriteFileAtomically(dir / "tiny.png",
                                            *document::EncodePng32(4, 4, tiny.pixels, document::ChannelOrder::kRgba)));
  EXPECT_EQ(Cli(dir, "create '" + (dir / "t.ico").string() + "' '" + (dir / "tiny.png").string() + "'").code, 1);
  EXPECT_FALSE(fs::exists(dir / "t.ico"));
}

// check: one line per finding, the exit status of the worst (warnings count
// with --strict), JSON for scripts, and --fix into a copy that checks clean
// of what it could fix.
TEST(Cli, CheckPrintsFindingsExitsByTheWorstAndFixesIntoACopy) {
  test::TempDir dir;
  const fs::path png = dir / "m.png";
  ASSERT_TRUE(document::WriteFileAtomically(
      png, *document::EncodePng32(64, 64, Pattern(64).pixels, document::ChannelOrder::kRgba)));
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
  const document::Image32 tiny{16, 16, Bytes(16 * 16 * 4, 255)};
  const fs::path png = dir / "tiny.png";
  ASSERT_TRUE(
      document::WriteFileAtomically(png, *document::EncodePng32(16, 16, tiny.pixels, document::ChannelOrder::kRgba)));
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
  const document::Image32 pattern = Pattern(256);
  ASSERT_TRUE(document::WriteFileAtomically(
      dir / "p.png", *document::EncodePng32(256, 256, pattern.pixels, document::ChannelOrder::kRgba)));
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
    const document::Image32 pattern = Pattern(side);
    const fs::path png = dir / ("in" + std::to_string(side) + ".png");
    ASSERT_TRUE(document::WriteFileAtomically(
        png, *document::EncodePng32(side, side, pattern.pixels, document::ChannelOrder::kRgba)));
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
