// pixmint-cli thumbnail, run the way the thumbnailer entry runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "cli_run.h"
#include "formats/ani_file.h"
#include "hostile_inputs.h"

namespace pixmint::test {
namespace {

const std::uint8_t* At(const document::Image32& image, int x, int y) {
  return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
}

auto Solid(std::uint32_t rgb) {
  return [rgb](int, int) { return 0xFF000000u | rgb; };
}

// The thumbnail of in at side pixels, read back.
document::Image32 Thumbnail(const TempDir& dir, const fs::path& in, int side) {
  const CliRun run = Cli(dir, "thumbnail " + Q(in) + " " + Q(dir / "t.png") + " " + std::to_string(side));
  EXPECT_EQ(run.code, 0) << in << " " << side << ": " << run.err;
  const auto png = ReadPng(dir / "t.png");
  EXPECT_TRUE(png) << in << " " << side;
  return png ? *png : document::Image32{};
}

// The image that best fits, never enlarged; an animated cursor shows the
// frame its first step shows.
TEST(CliThumbnail, TakesTheImageThatBestFitsAndNeverEnlarges) {
  TempDir dir;
  document::TKvIcon icon;
  for (const auto& [side, bits, rgb] :
       {std::tuple{16, 32, 0xC80000u}, {48, 8, 0x0000FFu}, {48, 32, 0x00C800u}, {64, 24, 0xC8C800u}})
    AddPicture(icon, side, bits, Solid(rgb));
  ASSERT_TRUE(icon.SaveToFile((dir / "sizes.ico").string()));
  formats::AnimatedCursor cursor;
  for (const std::uint32_t colour : {0xFA0000u, 0x0000FAu}) {
    auto frame = std::make_unique<document::TKvIcon>();
    frame->SetIcon(false);
    AddPicture(*frame, 32, 32, Solid(colour));
    cursor.frames.push_back(std::move(frame));
  }
  cursor.steps = {{1, 10}, {0, 10}};
  ASSERT_TRUE(formats::WriteAniFile(cursor, (dir / "busy.ani").string()));
  const struct {
    const char* file;
    int asked, side;  // the thumbnail's side
    std::uint32_t colour;
  } cases[] = {
      {"sizes.ico", 8, 8, 0xC80000},    {"sizes.ico", 16, 16, 0xC80000},   {"sizes.ico", 17, 17, 0x00C800},
      {"sizes.ico", 32, 32, 0x00C800},  {"sizes.ico", 48, 48, 0x00C800},   {"sizes.ico", 60, 60, 0xC8C800},
      {"sizes.ico", 128, 64, 0xC8C800}, {"sizes.ico", 1024, 64, 0xC8C800}, {"busy.ani", 128, 32, 0x0000FA},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.asked));
    const document::Image32 png = Thumbnail(dir, dir / c.file, c.asked);
    ASSERT_EQ(png.width, c.side);
    EXPECT_EQ(png.height, c.side);
    const std::uint8_t* middle = At(png, c.side / 2, c.side / 2);
    EXPECT_EQ((std::uint32_t{middle[0]} << 16 | middle[1] << 8 | middle[2]), c.colour);
    EXPECT_EQ(middle[3], 255);
  }
}

// A 4-bit image: inverting pixels on the left half, transparent ones on the
// right, a black dot opaque. A cursor shows the inverting ones in the
// editor's marker colour; an icon shows them as the editor does, clear.
TEST(CliThumbnail, ShowsACursorsInvertingPixelsInTheEditorsMarkerColour) {
  TempDir dir;
  for (const bool cursor : {true, false}) {
    SCOPED_TRACE(cursor);
    document::TKvIcon icon;
    icon.SetIcon(!cursor);
    AddPicture(icon, 16, 4, [](int x, int y) { return x == 12 && y == 12 ? 0xFF000000u : x < 8 ? 0xFFFFFFu : 0u; });
    const fs::path file = dir / (cursor ? "beam.cur" : "beam.ico");
    ASSERT_TRUE(icon.SaveToFile(file.string()));
    const document::Image32 png = Thumbnail(dir, file, 128);
    ASSERT_EQ(png.width, 16);
    const std::uint8_t* inverting = At(png, 3, 3);
    EXPECT_EQ(inverting[3], cursor ? 255 : 0);
    if (cursor) {
      EXPECT_EQ(std::vector<int>(inverting, inverting + 3), (std::vector<int>{218, 109, 109}));
    }
    EXPECT_EQ(At(png, 10, 3)[3], 0);
    EXPECT_EQ(At(png, 12, 12)[3], 255);
  }
}

TEST(CliThumbnail, AProgramShowsItsFirstIconGroup) {
  if (!HaveSamples()) GTEST_SKIP() << "no program files (MinGW cross tools missing)";
  TempDir dir;
  for (const int side : {16, 48, 100})
    EXPECT_EQ(Thumbnail(dir, Sample("res64.dll"), side).pixels, Thumbnail(dir, Sample("multi.ico"), side).pixels)
        << side;
}

// A file manager runs the thumbnailer on every download: each of these
// small files once cost seconds and gigabytes. Now each is read within its
// budget or refused naming the limit, by info and thumbnail alike; extract
// writes and check prints a bounded multiple of what was read, and no
// terminal control a group name holds.
TEST(CliThumbnail, HostileFilesAreReadWithinBudgetOrRefused) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "x.ico").c_str(), 0600), 0);
  Bytes named = ProgramSharedLongName(5300);
  const Bytes ab = {'A', 0, 'B', 0};
  std::search(named.begin(), named.end(), ab.begin(), ab.end())[2] = 0x1B;
  const struct {
    const char* name;
    Bytes bytes;
    int info, thumbnail, extract;  // exit codes; extract -1: not run
    const char* refusal;           // in what the refusing commands print
  } cases[] = {
      {"shared.xcur", XcursorSharedImage(8500, 256), 1, 1, -1, "overlap"},
      {"shared.ani", XcursorSharedImage(8500, 256), 1, 1, -1, ""},
      {"shared-name.dll", named, 0, 0, -1, ""},
      {"members.dll", ProgramManyMembers(20000, 16), 0, 0, 0, ""},
      {"sizes.xcur", XcursorManySizes(150000), 0, 0, -1, ""},
      {"png.dll", ProgramRepeatedPng(40000), 0, 1, 1, "(the limit)"},
      {"png.ani", AniRepeatedPng(2), 1, 1, 1, "(the limit)"},
      {"x.ico", {}, 1, 1, 1, ""},  // a FIFO: never waited on
  };
  const std::string bounded = Bounded(512);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path in = dir / c.name;
    ASSERT_TRUE(c.bytes.empty() || document::WriteFileAtomically(in, c.bytes));
    const CliRun info = Cli(dir, "info " + Q(in), bounded);
    EXPECT_EQ(info.code, c.info) << info.err.substr(0, 300);
    const CliRun thumbnail = Cli(dir, "thumbnail " + Q(in) + " " + Q(dir / "t.png") + " 256", bounded);
    EXPECT_EQ(thumbnail.code, c.thumbnail) << thumbnail.err.substr(0, 300);
    for (const CliRun* run : {&info, &thumbnail})
      EXPECT_TRUE(run->code == 0 || run->err.find(c.refusal) != std::string::npos) << run->err;
    const CliRun check = Cli(dir, "check " + Q(in), bounded);
    EXPECT_TRUE(check.code >= 0 && check.code <= 2) << check.err.substr(0, 300);
    EXPECT_LE(check.out.size(), 64 * std::max<std::size_t>(c.bytes.size(), 1 << 20));
    for (const CliRun* run : {&info, &check}) EXPECT_EQ(run->out.find('\x1b'), std::string::npos);
    if (c.extract < 0) continue;
    const fs::path out = dir / "out";
    fs::remove_all(out);
    const CliRun extract = Cli(dir, "extract " + Q(in) + " " + Q(out), bounded);
    EXPECT_EQ(extract.code, c.extract) << extract.err.substr(0, 300);
    std::uintmax_t written = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(out, ec), end; !ec && it != end; it.increment(ec))
      written += it->is_regular_file(ec) ? it->file_size(ec) : 0;
    EXPECT_LE(written, 64 * std::max<std::uintmax_t>(c.bytes.size(), 1 << 20));
  }
}

}  // namespace
}  // namespace pixmint::test
