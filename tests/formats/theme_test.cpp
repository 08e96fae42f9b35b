#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "convert/cursor_scale.h"
#include "cursor_pack.h"
#include "document/file_io.h"
#include "format_samples.h"
#include "formats/cursor_argb.h"
#include "formats/cursor_sizes.h"
#include "formats/cursor_theme.h"
#include "formats/install_inf.h"
#include "reference_xcursor.h"
#include "support/pixel_grid.h"

namespace pixmint::formats {
namespace {

namespace fs = std::filesystem;
using test::MakeCursor;

TEST(CursorRoles, NamesAreUniqueAndFileNamesFindTheirRole) {
  std::set<std::string_view> seen;
  for (const CursorRole& role : CursorRoles()) {
    EXPECT_EQ(RoleByName(role.windowsName), &role);
    EXPECT_EQ(RoleByName(role.caption), &role) << role.caption;
    for (std::string_view name : role.xNames) EXPECT_TRUE(seen.insert(name).second) << name << " is used twice";
  }
  // Separators and case do not count; a number before or after the name is
  // left off unless it is part of it.
  const std::pair<std::string_view, std::string_view> names[] = {
      {"Diagonal_Resize-2", "SizeNESW"},  {"01 Normal Select", "Arrow"}, {"busy_2", "Wait"}, {"dgn2", "SizeNESW"},
      {"沿对角线调整大小 2", "SizeNESW"},
  };
  for (const auto& [file, role] : names)
    EXPECT_EQ(RoleByName(file) ? RoleByName(file)->windowsName : std::string_view(), role) << file;
  EXPECT_EQ(RoleByName("readme"), nullptr);
}

std::vector<std::uint8_t> Text(std::string_view s) {
  return {s.begin(), s.end()};
}

// UTF-16 with a byte order mark and CR LF line ends.
std::vector<std::uint8_t> Utf16Crlf(std::string_view s) {
  std::vector<std::uint8_t> out = {0xFF, 0xFE};
  for (char c : s) {
    if (c == '\n') out.insert(out.end(), {'\r', 0});
    out.insert(out.end(), {static_cast<std::uint8_t>(c), 0});
  }
  return out;
}

constexpr std::string_view kSchemeInf = R"([Version]
signature="$CHICAGO$"

[DefaultInstall]
CopyFiles = Scheme.Cur
AddReg    = Scheme.Reg

[Scheme.Reg]
; the list runs Arrow, Help, AppStarting, Wait, ...
HKCU,"Control Panel\Cursors\Schemes","%SCHEME_NAME%",,"%10%\%CUR_DIR%\%pointer%,%10%\%CUR_DIR%\%help%,%10%\%CUR_DIR%\%work%,%10%\%CUR_DIR%\%busy%"

[Strings]
CUR_DIR     = "Cursors\Blue ""Sky"""
SCHEME_NAME = "Blue Sky"
pointer     = "Pointer.cur"   ; a comment
help        = "help.cur"
work        = "Working.ani"
busy        = "busy.ani"
)";

constexpr std::string_view kPerRoleInf = R"([DefaultInstall]
AddReg = Wreg

[Wreg]
HKCU,"Control Panel\Cursors",,0x00020000,"%NAME%"
HKCU,"Control Panel\Cursors",IBeam,0x00020000,"%10%\Cursors\beam.cur"
HKCU,"Control Panel\Cursors",arrow,0x00020000,"%10%\Cursors\%ARROW%"
HKCU,"Control Panel\Cursors",Frobnicate,0x00020000,"%10%\Cursors\x.cur"

[Strings]
NAME = Plain
ARROW = a.cur
)";

// Per-role values are read in CursorTheme.InstallInfDecidesAndABadSourceWritesNothing.
TEST(InstallInf, ReadsSchemeListsInEveryEncoding) {
  const std::vector<std::pair<std::string_view, std::string>> scheme = {
      {"Arrow", "Pointer.cur"}, {"Help", "help.cur"}, {"AppStarting", "Working.ani"}, {"Wait", "busy.ani"}};
  for (const auto& bytes : {Text(kSchemeInf), Text("\xEF\xBB\xBF" + std::string(kSchemeInf)), Utf16Crlf(kSchemeInf)}) {
    const auto parsed = ParseInstallInf(bytes);
    ASSERT_TRUE(parsed) << bytes.size();
    EXPECT_EQ(parsed->name, "Blue Sky");
    std::vector<std::pair<std::string_view, std::string>> files;
    for (const auto& [role, file] : parsed->files) files.emplace_back(role->windowsName, file);
    EXPECT_EQ(files, scheme) << bytes.size();
  }
  EXPECT_EQ(ParseInstallInf(Text("[Strings]\na = b\n")).error().code, texts::Fail::kInfNamesNoCursor);
}

// A 1-bit I-beam whose stem inverts the screen.
std::unique_ptr<document::TKvIcon> IBeam() {
  auto icon = std::make_unique<document::TKvIcon>();
  icon->SetIcon(false);
  EXPECT_TRUE(icon->AddImage(32, 32, 1));
  icon->AndBitmap(0)->Fill(true);
  for (int y = 4; y < 28; ++y) icon->XorBitmap(0)->SetPixel(15, y, raster::Rgb(255, 255, 255));
  icon->SetHotSpot(0, {15, 16});
  return icon;
}

TEST(CursorTheme, InstallInfDecidesAndABadSourceWritesNothing) {
  test::TempDir dir;
  const fs::path src = dir / "src";
  fs::create_directory(src);
  std::ofstream(src / "Install.INF") << kPerRoleInf;
  ASSERT_TRUE(IBeam()->SaveToFile((src / "BEAM.cur").string()));
  // Named by role, but the .inf decides.
  ASSERT_TRUE(MakeCursor({{32, 32, {}}})->SaveToFile((src / "arrow.cur").string()));
  auto sources = FindThemeSources(src);
  ASSERT_TRUE(sources);
  EXPECT_EQ(sources->schemeName, "Plain");
  ASSERT_TRUE(sources->roles.size() == 1 && sources->notes.size() == 1);
  EXPECT_EQ(sources->roles[0].role->windowsName, "IBeam");
  EXPECT_EQ(sources->notes[0].code, texts::Fail::kInfFileMissing);
  EXPECT_EQ(sources->notes[0].details, (std::vector<std::string>{"Arrow", "a.cur", "Install.INF"}));

  std::ofstream(src / "a.cur") << "garbage";
  sources = FindThemeSources(src);
  ASSERT_TRUE(sources);
  ThemeReport report;
  const auto built = BuildCursorTheme(*sources, dir / "out", "Plain", report);
  ASSERT_EQ(built.error().code, texts::Fail::kRoleSource);
  EXPECT_EQ(built.error().details, (std::vector<std::string>{"Arrow", "a.cur"}));
  EXPECT_FALSE(fs::exists(dir / "out"));

  for (const char* name : {"Install.INF", "a.cur", "BEAM.cur", "arrow.cur"}) fs::remove(src / name);
  EXPECT_EQ(FindThemeSources(src).error().code, texts::Fail::kNoRoleInFolder);
}

// Every entry of a theme's cursors/ folder: a file's bytes or "-> target".
std::map<std::string, std::string> Entries(const fs::path& cursors) {
  std::map<std::string, std::string> entries;
  for (const auto& e : fs::directory_iterator(cursors)) {
    const std::string name = e.path().filename().string();
    if (e.is_symlink()) {
      entries[name] = "-> " + fs::read_symlink(e.path()).string();
    } else {
      const auto bytes = document::ReadWholeFile(e.path());
      entries[name] = bytes ? std::string(bytes->begin(), bytes->end()) : "?";
    }
  }
  return entries;
}

// wine's own cursors when apt can fetch them (skipped otherwise), and drawn
// ones that need nothing.
class PackTheme : public ::testing::TestWithParam<bool> {};

TEST_P(PackTheme, ThreeNamingsGiveOneThemeThatLibXcursorReadsAtEverySize) {
  std::string why;
  std::vector<packs::PackCursor> cursors;
  if (GetParam()) {
    const auto dll = packs::WineUser32(PIXMINT_WINE_CACHE, why);
    if (!dll) GTEST_SKIP() << why;
    auto wine = packs::WineCursors(*dll, why);
    ASSERT_TRUE(wine) << why;
    cursors = std::move(*wine);
  } else {
    cursors = packs::DrawnCursors();
  }
  ASSERT_EQ(cursors.size(), 15u);
  const AnimatedCursor busy = packs::Animated(*cursors[3].icon, 3);
  test::TempDir dir;
  std::map<std::string, std::string> first;
  ThemeReport report;
  for (const auto naming :
       {packs::PackNaming::kCaptions, packs::PackNaming::kRegistryNames, packs::PackNaming::kInstallInf}) {
    const std::string tag = std::to_string(static_cast<int>(naming));
    SCOPED_TRACE(tag);
    ASSERT_TRUE(packs::WritePack(cursors, &busy, dir / ("pack" + tag), naming, why)) << why;
    const auto sources = FindThemeSources(dir / ("pack" + tag));
    ASSERT_TRUE(sources);
    EXPECT_EQ(sources->roles.size(), 15u);
    report = {};
    ASSERT_TRUE(BuildCursorTheme(*sources, dir / ("theme" + tag), "Pack", report));
    const auto entries = Entries(dir / ("theme" + tag) / "cursors");
    if (first.empty()) first = entries;
    EXPECT_TRUE(entries == first) << "the three namings give different themes";
  }
  // Every file, every size, every hot spot, as the desktop's library reads them.
  const fs::path theme = dir / "theme0" / "cursors";
  for (std::size_t k = 0; k < cursors.size(); ++k) {
    const RoleReport& r = report.roles[k];
    ASSERT_EQ(r.role, cursors[k].role);
    const auto images = test::ReferenceRead(theme / r.file);
    const std::size_t frames = r.role->windowsName == "Wait" ? 3 : 1;
    ASSERT_EQ(images.size(), kDefaultThemeSizes.size() * frames) << r.file;
    const raster::Point hot = cursors[k].icon->GetHotSpot(0);
    const auto source = ToPremultipliedArgb(*cursors[k].icon, 0);
    for (std::size_t i = 0; i < images.size(); ++i) {
      const int side = kDefaultThemeSizes[i / frames];
      const ArgbImage& image = images[i].image;
      ASSERT_EQ(std::pair(images[i].nominalSize, image.width), std::pair(static_cast<std::uint32_t>(side), side));
      EXPECT_EQ(image.hotSpot, convert::ScaleCursorHotSpot(hot, 32, 32, side, side)) << r.file << " " << side;
      // Twice the size is each pixel as a 2 x 2 block.
      for (int p = 0; side == 64 && frames == 1 && p < 64 * 64; ++p) {
        ASSERT_EQ(image.pixels[static_cast<std::size_t>(p)],
                  source->image.pixels[static_cast<std::size_t>(p / 128 * 32 + p % 64 / 2)])
            << r.file << " " << p % 64 << "," << p / 64;
      }
    }
  }
  EXPECT_EQ(report.roles[15].sharedWith->windowsName, "Hand");  // Pin
  // Every name the desktop's own themes have, as a file or a link.
  for (const char* other : {"/usr/share/icons/Adwaita/cursors", "/usr/share/icons/DMZ-White/cursors"}) {
    if (!fs::is_directory(other) && std::string_view(other).find("DMZ") != std::string_view::npos) continue;
    ASSERT_TRUE(fs::is_directory(other)) << other << " (adwaita-icon-theme)";
    for (const auto& e : fs::directory_iterator(other))
      EXPECT_TRUE(fs::exists(theme / e.path().filename())) << e.path().filename() << " of " << other;
  }
}

INSTANTIATE_TEST_SUITE_P(Packs, PackTheme, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Wine" : "Drawn"; });

// Whole multiples keep what the image is (depth, table, inverting pixels);
// other sizes become 32-bit; the document is as it was when a size fails.
TEST(CursorSizes, ReplicationKeepsTheImageAndOtherSizesAreTrueColour) {
  auto icon = IBeam();  // 1 bit, inverting stem at x = 15
  std::vector<AddedCursorSize> added;
  const int sides[] = {64, 48, 32, 64};
  ASSERT_TRUE(AddCursorSizes(*icon, sides, added));
  ASSERT_EQ(added.size(), 2u);
  EXPECT_EQ(std::pair(added[0].scaling, added[1].scaling),
            std::pair(convert::CursorScaling::kReplicate, convert::CursorScaling::kReplicateThenDownscale));
  ASSERT_EQ(icon->ImageCount(), 3u);
  EXPECT_EQ(std::pair(icon->Colors(1), icon->GetHotSpot(1)), std::pair(1u, raster::Point{31, 33}));
  for (const int x : {30, 31}) {
    EXPECT_TRUE(icon->AndBitmap(1)->Get(x, 20));
    EXPECT_EQ(icon->XorBitmap(1)->GetPixel(x, 20), raster::Rgb(255, 255, 255)) << "still inverting";
  }
  EXPECT_EQ(std::pair(icon->Colors(2), icon->GetHotSpot(2)), std::pair(32u, raster::Point{23, 24}));

  const int tooLarge[] = {16, 300};
  EXPECT_EQ(AddCursorSizes(*icon, tooLarge, added).error().code, texts::Fail::kSizeOutOfRange);
  EXPECT_EQ(icon->ImageCount(), 3u);
}

}  // namespace
}  // namespace pixmint::formats
