// Runs the built pixmint-cli as a user would: its exit codes and messages,
// and what it writes read by our own reader and by other programs.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "cli_run.h"
#include "document/ico_reader.h"

namespace pixmint::test {
namespace {

// Every command's wrong usage and failures: usage errors exit 2 with one line
// on standard error that says where the help is; failures exit 1 with one
// line after any warnings; neither leaves an output behind. Help and version
// go to standard output with status 0.
TEST(Cli, ExitCodesAndMessages) {
  TempDir dir;
  ::chmod(dir.Path().c_str(), 0777);
  const std::string png = WritePattern(dir / "a.png", 32), master = WritePattern(dir / "m.png", 40);
  const std::string tiny = WritePattern(dir / "tiny.png", 4);
  ::chmod((dir / "a.png").c_str(), 0644);
  const std::string out = Q(dir / "o.ico"), ani = Q(dir / "x.ani"), thumb = Q(dir / "o.png");
  const std::string theme = "xcursor-theme " + Q(dir.Path()) + " " + Q(dir / "t");
  const std::string bad = Q(fs::path(PIXMINT_TEST_DATA_DIR) / "bad" / "bit-count-7.ico");
  const std::string riff = (fs::path(PIXMINT_TEST_DATA_DIR) / "bad" / "riff-animated-cursor.cur").string();
  const std::string icon = Q(dir / "a.ico"), locked = Q(dir / "locked.ico"), anim = Q(dir / "anim.ani");
  ASSERT_EQ(Cli(dir, "create " + icon + " " + png).code, 0);
  ASSERT_EQ(Cli(dir, "create " + locked + " " + png).code, 0);
  ASSERT_EQ(Cli(dir, "create " + anim + " " + png + " " + png).code, 0);
  ::chmod((dir / "locked.ico").c_str(), 0444);
  const std::string lockedBytes = Slurp(dir / "locked.ico");
  // A read-only icon, written by an ordinary user (root may write anything).
  const std::string asUser = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
  WriteText(dir / "s.pmscript", "new icon 16 16 8\n");

  struct Case {
    std::string args;
    int code;
    std::string says = "";  // a part of what it prints, when it matters
    std::string prefix = "";
  };
  const std::string conv = "convert " + out + " " + master + " ";
  std::vector<Case> cases = {
      {"frobnicate x", 2, "unknown command 'frobnicate'"},
      {"--frob", 2, "unknown option '--frob'"},
      {"create out.ico a.png@1,2", 2, "hot spot"},
      {"convert", 2, "an output file and at least one picture are needed"},
      {"convert " + out, 2, "at least one picture"},
      {"convert o.png " + master, 2, "the output must end in .ico or .cur"},
      {conv + "--sizes 16,0", 2, "size 0 is outside 1 to 256"},
      {conv + "--sizes 16,x", 2, "bad list"},
      {conv + "--sizes 16,32,512", 2, "size 512 is outside 1 to 256"},
      {conv + "--sizes 16,16", 2, "size 16 is given twice"},
      {conv + "--sizes 1,2,3,4,5,6,7,8,9,10,11 --depths 32,8,4", 2, "an icon holds at most 32 images, not 33"},
      {conv + "--threshold 256", 2, "the threshold is outside 0 to 255"},
      {conv + "--depths 24", 2, "depth 24 is not one of 32, 8 and 4"},
      {conv + "--hotspot 1,2", 2, "hot spots belong to cursors"},
      {conv + "--threshold", 2, "--threshold needs a value"},
      {conv + "--frobnicate", 2, "unknown option --frobnicate"},
      {"info " + bad, 1, "Error Converting to Internal Format"},
      {"info " + Q(riff), 1, "pixmint-cli: " + riff + ": not an icon or cursor file\n"},
      {"create " + Q(dir / "missing" / "t.ico") + " " + png, 1,
       "pixmint-cli: cannot write " + (dir / "missing" / "t.ico").string() + ": no such file or folder\n"},
      {"create " + locked + " " + png + ":4", 1,
       "pixmint-cli: cannot write " + (dir / "locked.ico").string() + ": permission denied\n", asUser},
      {"extract " + icon + " " + png, 1, "cannot create folder " + (dir / "a.png").string() + ": "},
      {"xcursor " + anim + " " + Q(dir / "c.cur"), 1,
       "pixmint-cli: the cursor has 2 frames; write it as .ani or Xcursor\n"},
      {"convert " + Q(dir / "c.cur") + " " + master + " --hotspot 40,0", 1, "the hot spot lies outside m.png"},
      {"convert " + out + " " + Q(dir / "none.png"), 1, "cannot read the file"},
      {"convert " + out + " " + icon, 1, "not a PNG, JPEG, BMP or SVG picture"},
      {"--version", 0, "pixmint-cli 3.0\n"},
      {"create --help", 0, "Usage: pixmint-cli create OUT.ico"},
  };
  // Usage errors and failures that need no particular words.
  for (const std::string& args : std::vector<std::string>{
           "", "info", "extract a.ico", "create out.ico", "create out.png a.png", "create out.ico a.png:7",
           "create out.cur a.png@1,x", "xcursor " + png, "xcursor-theme " + Q(dir.Path()), theme + " --name",
           theme + " " + Q(dir / "u"), theme + " --sizes 24,0", theme + " --map Frob=a.cur", "script --lang ",
           "script --lang fr " + Q(dir / "s.pmscript"), "script --lang=de " + Q(dir / "s.pmscript"),
           "check --fix " + icon, "create " + out + " " + png + " --rate 5", "thumbnail"})
    cases.push_back({args, 2});
  for (const std::string& args :
       {"info " + Q(dir / "none.ico"), "create " + Q(dir / "t.ico") + " " + tiny, "xcursor " + png + " " + Q(dir / "x"),
        "xcursor-theme " + Q(dir / "missing") + " " + Q(dir / "t"), theme, "extract " + png + " " + Q(dir / "never"),
        "thumbnail " + Q(dir / "none.ico") + " " + thumb + " 64", "thumbnail " + bad + " " + thumb + " 64",
        "thumbnail " + icon + " " + Q(dir / "no" / "such" / "o.png") + " 64"})
    cases.push_back({args, 1});
  for (const char* args : {"--help", "-h", "thumbnail -h"}) cases.push_back({args, 0});
  for (const char* rest : {" --rate 0", " --rate x", " --rate"})
    cases.push_back({"create " + ani + " " + png + rest, 2});
  for (const char* rest : {"", " 0", " 1025", " big", " 64 extra"})
    cases.push_back({"thumbnail " + icon + " " + thumb + rest, 2});
  if (HaveSamples()) {
    const std::string exe = Q(Sample("app64.exe")), small = Q(Sample("small.ico")), to = " -o " + Q(dir / "x.exe");
    cases.insert(cases.end(),
                 {{"replace " + exe + " 1 " + small, 2, "usage: pixmint-cli replace"},
                  {"replace " + exe + " 1 " + small + " -o " + exe, 2, "the program itself is never changed"},
                  {"replace " + Q(Sample("res64.dll")) + " MAINICON " + small + " -o " + Q(dir / "none" / "x.exe"), 1,
                   ": no such file or folder"},
                  {"replace " + exe + " ARROW " + small + to, 1, "is a cursor group"}});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(dir, c.args, c.prefix);
    EXPECT_EQ(run.code, c.code) << run.err;
    if (c.code == 0) {
      EXPECT_TRUE(run.err.empty()) << run.err;
      EXPECT_TRUE(run.out.size() > 1 && run.out.back() == '\n') << run.out;
      EXPECT_NE(run.out.find(c.says), std::string::npos) << run.out;
      continue;
    }
    // Warnings may come first; the reason is one line.
    std::istringstream lines(run.err);
    int reasons = 0;
    for (std::string line; std::getline(lines, line);) reasons += line.starts_with("pixmint-cli: warning:") ? 0 : 1;
    EXPECT_EQ(reasons, 1) << run.err;
    EXPECT_EQ(run.err.find("--help'") != std::string::npos, c.code == 2) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  EXPECT_EQ(Cli(dir, "--version").out, "pixmint-cli 3.0\n");
  for (const char* made : {"x.ani", "o.ico", "o.png", "t", "t.ico", "c.cur", "never", "x.exe"})
    EXPECT_FALSE(fs::exists(dir / made)) << made;
  EXPECT_EQ(Slurp(dir / "locked.ico"), lockedBytes);
}

// check: one line per finding, the exit status of the worst (warnings count
// with --strict), JSON for scripts, and --fix into a copy that checks clean
// of what it could fix.
TEST(Cli, CheckPrintsFindingsExitsByTheWorstAndFixesIntoACopy) {
  TempDir dir;
  const std::string png = WritePattern(dir / "m.png", 64);
  const std::string full = (dir / "full.ico").string(), thin = (dir / "thin.ico").string();
  ASSERT_EQ(Cli(dir, "convert " + Q(full) + " " + png + " --sizes 16,20,24,32,40,48,64,256").code, 0);
  ASSERT_EQ(Cli(dir, "convert " + Q(thin) + " " + png + " --sizes 64").code, 0);
  EXPECT_EQ(Cli(dir, "check " + Q(full)).out, "");
  const CliRun warned = Cli(dir, "check " + Q(thin));
  EXPECT_EQ(warned.code, 0);
  EXPECT_EQ(warned.out.substr(0, warned.out.find('\n')),
            thin + ": missing-size warning: no 16, 24, 32, 48, 256 image, which an application icon should have");
  EXPECT_EQ(Cli(dir, "check --strict " + Q(thin)).code, 1);
  const std::string bytes = Slurp(thin);
  std::string damaged = Slurp(full);
  damaged[10] = 3;  // a warning (planes) comes before the error (cut short)
  WriteText(dir / "cut.ico", damaged.substr(0, damaged.size() - 9));
  const CliRun broken = Cli(dir, "check --strict --json " + Q(thin) + " " + Q(dir / "cut.ico"));
  EXPECT_EQ(broken.code, 2);
  EXPECT_NE(broken.out.find("{\"status\":2,\"files\":[{\"file\":"), std::string::npos) << broken.out;
  EXPECT_NE(broken.out.find("\"code\":\"outside-file\",\"severity\":\"error\""), std::string::npos) << broken.out;

  const std::string fixed = (dir / "fixed.ico").string();
  const CliRun fix = Cli(dir, "check --fix -o " + Q(fixed) + " " + Q(thin));
  EXPECT_EQ(fix.code, 0) << fix.out << fix.err;
  EXPECT_NE(fix.out.find(thin + ": missing-size fixed: added 16x16 from entry 0"), std::string::npos) << fix.out;
  EXPECT_NE(fix.out.find(thin + ": missing-size not fixed: no 256 image made"), std::string::npos) << fix.out;
  EXPECT_EQ(Slurp(thin), bytes) << "the checked file is never changed";
  EXPECT_NE(Cli(dir, "info " + Q(fixed)).out.find("icon, 7 images"), std::string::npos);
}

// Another program's reading of file into out: false when it is not installed.
bool ReadWithTool(const std::string& tool, const fs::path& file, const fs::path& out) {
  fs::create_directory(out);
  const std::string cmd = std::string("/usr/bin/python3 '") + PIXMINT_CLI_TEST_DIR + "/read_with_tools.py' " + tool +
                          " " + Q(file) + " " + Q(out);
  const int status = std::system(cmd.c_str());
  // 3: the tool is not installed; 127: there is no system Python at all.
  if (WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 127)) return false;
  EXPECT_EQ(status, 0) << tool;
  return status == 0;
}

// Every depth, as icon and as cursor, at 16, 32, 48 and 256 pixels: the
// listing of info, our reader through extract and three other programs
// must agree; a PNG entry is extracted as it is stored.
class CliCreate : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(CliCreate, OtherReadersSeeWhatWeSee) {
  const auto [depth, cursor] = GetParam();
  static constexpr int kSides[] = {16, 32, 48, 256};
  TempDir dir;
  const fs::path file = dir / (cursor ? "f.cur" : "f.ico");
  std::string args = "create " + Q(file);
  std::string expected = file.string() + (cursor ? ": cursor, 4 images\n" : ": icon, 4 images\n");
  for (int i = 0; i < 4; ++i) {
    const int s = kSides[i];
    const std::string hot = cursor ? std::to_string(s / 2) + "," + std::to_string(s / 3) : "0,0";
    args += " " + WritePattern(dir / ("in" + std::to_string(s) + ".png"), s) + ":" + std::to_string(depth) +
            (cursor ? "@" + hot : "");
    expected += std::to_string(i) + ": " + std::to_string(s) + "x" + std::to_string(s) + " " + std::to_string(depth) +
                "bpp " + (s == 256 && depth == 32 ? "png" : "bmp") + " hotspot " + hot + "\n";
  }
  const CliRun created = Cli(dir, args);
  ASSERT_EQ(created.code, 0) << created.err;
  EXPECT_EQ(Cli(dir, "info " + Q(file)).out, expected);

  ASSERT_EQ(Cli(dir, "extract " + Q(file) + " " + Q(dir / "ours")).code, 0);
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
  if (depth == 32) {
    const auto bytes = document::ReadWholeFile(file);
    const auto entry = document::IconEntryBlock(*bytes, 3);
    ASSERT_TRUE(entry);
    EXPECT_EQ(Slurp(dir / "ours" / "f-3.png"), std::string(entry->begin(), entry->end()));
  }

  for (const std::string tool : {"pillow", "magick", "icotool"}) {
    SCOPED_TRACE(tool);
    // ImageMagick 6 and icoutils cannot read 16-bit entries at all.
    if (depth == 16 && tool != "pillow") continue;
    const fs::path out = dir / tool;
    if (!ReadWithTool(tool, file, out)) continue;
    std::istringstream lines(Slurp(out / (tool + ".txt")));
    int i = 0, w = 0, h = 0, hx = 0, hy = 0, seen = 0;
    while (lines >> i >> w >> h >> hx >> hy) {
      ++seen;
      const int s = kSides[i];
      EXPECT_EQ(std::pair(w, h), std::pair(s, s));
      if (hx >= 0) {
        EXPECT_EQ(std::pair(hx, hy), cursor ? std::pair(s / 2, s / 3) : std::pair(0, 0));
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
}  // namespace pixmint::test
