// Replacing a group in program files made by MinGW: the new group reads back
// exactly (by us and by wrestool), every other resource keeps its bytes, the
// headers stay sound for objdump, and a section that may not grow is refused.
#include "formats/pe_writer.h"

#include <cstdlib>

#include "document/byte_io.h"
#include "format_samples.h"
#include "formats/pe_image.h"
#include "hostile_inputs.h"
#include "pe_samples.h"

namespace pixmint::formats {
namespace {

using Bytes = std::vector<std::uint8_t>;
using document::GetU32;

// An icon or cursor of the given sizes and depths, 256 as PNG.
Bytes MakeIcon(bool isIcon, std::initializer_list<std::pair<int, int>> images) {
  std::vector<test::ImageSpec> specs;
  for (const auto& [side, depth] : images) specs.push_back({side, depth, {side / 3, side / 5}});
  auto icon = test::MakeCursor(specs, static_cast<int>(specs.size()));
  for (std::uint32_t i = 0; i < icon->ImageCount(); ++i) icon->SetPngCompressed(i, icon->XorBitmap(i)->Width() == 256);
  icon->SetIcon(isIcon);
  return icon->SaveToMemory().value_or(Bytes{});
}

// objdump reads the headers without a word of complaint.
void ExpectObjdumpHappy(const Bytes& bytes, const test::TempDir& dir) {
  if (std::system("command -v x86_64-w64-mingw32-objdump >/dev/null") != 0) return;
  const auto file = dir / "out.exe";
  ASSERT_TRUE(document::WriteFileAtomically(file, bytes));
  const std::string cmd = "x86_64-w64-mingw32-objdump -p '" + file.string() + "' >'" + (dir / "dump").string() +
                          "' 2>'" + (dir / "complaints").string() + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_EQ(std::filesystem::file_size(dir / "complaints"), 0u);
}

// Every resource that is not an icon or cursor keeps its bytes, and every
// group other than the replaced one reads back as before.
void ExpectOthersKept(const ProgramFile& before, const ProgramFile& after, const std::string& replaced) {
  for (const ResourceEntry& e : before.Tree().entries) {
    const std::uint32_t type = e.type.named ? 0 : e.type.id;
    if (type == kRtIcon || type == kRtCursor || type == kRtGroupIcon || type == kRtGroupCursor) continue;
    const auto same = std::find_if(after.Tree().entries.begin(), after.Tree().entries.end(), [&](const auto& n) {
      return n.type == e.type && n.name == e.name && n.language == e.language;
    });
    ASSERT_NE(same, after.Tree().entries.end()) << e.type.Text() << "/" << e.name.Text();
    EXPECT_TRUE(std::ranges::equal(before.Data(e), after.Data(*same))) << e.type.Text() << "/" << e.name.Text();
  }
  for (const IconGroup& g : before.Groups()) {
    if (GroupLabel(g) == replaced) continue;
    const IconGroup* now = test::FindGroup(after, g.kind, GroupLabel(g), g.language);
    ASSERT_NE(now, nullptr) << GroupLabel(g);
    EXPECT_EQ(before.GroupFile(g).value(), after.GroupFile(*now).value()) << GroupLabel(g);
  }
}

// The headers describe the new file: checksum, image size, resource entry.
void ExpectHeadersSound(const ProgramFile& after) {
  const auto bytes = after.Bytes();
  const PeImage& image = after.Image();
  EXPECT_EQ(PeChecksum(bytes, image.ChecksumOffset()), GetU32(bytes, image.ChecksumOffset()));
  std::uint64_t end = 0;
  for (const PeSection& s : image.sections) {
    end = std::max<std::uint64_t>(end, s.virtualAddress + std::max(s.virtualSize, s.rawSize));
    EXPECT_LE(std::uint64_t{s.rawPointer} + s.rawSize, bytes.size()) << s.name;
  }
  EXPECT_EQ(GetU32(bytes, image.SizeOfImageOffset()),
            (end + image.sectionAlignment - 1) / image.sectionAlignment * image.sectionAlignment);
  const PeSection* rsrc = SectionOfRva(image, after.Tree().rva);
  ASSERT_NE(rsrc, nullptr);
  EXPECT_EQ(DataDirectory(image, bytes, kDirResource).second, rsrc->virtualSize);
}

// The group `label` of every language now holds exactly `icon`.
void ExpectGroupHolds(const ProgramFile& after, GroupKind kind, const std::string& label, const Bytes& icon,
                      const test::TempDir& dir) {
  document::TKvIcon expected;
  ASSERT_TRUE(expected.LoadFromMemory(icon, "new"));
  int found = 0;
  ASSERT_TRUE(document::WriteFileAtomically(dir / "after.bin", after.Bytes()));
  for (const IconGroup& g : after.Groups()) {
    if (g.kind != kind || GroupLabel(g) != label) continue;
    ++found;
    const auto file = after.GroupFile(g).value();
    document::TKvIcon got;
    ASSERT_TRUE(got.LoadFromMemory(file, "group"));
    EXPECT_TRUE(test::SameIcon(expected, got)) << label << " " << g.language;
    if (const auto theirs = test::Wrestool(dir / "after.bin", kind, label, g.language, dir)) {
      EXPECT_TRUE(test::SameImages(file, *theirs));
    }
  }
  EXPECT_GT(found, 0);
}

// Replaces the group and checks the result: the group holds icon, the rest is
// kept, the headers are sound. Answers the program read back.
std::optional<ProgramFile> Replaced(const ProgramFile& before, const std::string& name, GroupKind kind,
                                    const std::string& label, const Bytes& icon, const test::TempDir& dir,
                                    bool headers = true) {
  const auto written = ReplaceGroup(before, ParseGroupName(name), icon);
  EXPECT_TRUE(written);
  if (!written) return std::nullopt;
  auto after = test::ReadProgram(*written);
  EXPECT_TRUE(after);
  if (!after) return std::nullopt;
  ExpectGroupHolds(*after, kind, label, icon, dir);
  ExpectOthersKept(before, *after, label);
  if (headers) {
    ExpectHeadersSound(*after);
    ExpectObjdumpHappy(*written, dir);
  }
  return after;
}

class ReplaceInDll : public ::testing::TestWithParam<std::string> {};
class ReplaceInExe : public ::testing::TestWithParam<std::string> {};

// In the DLLs the resources are the last section, so they may grow.
TEST_P(ReplaceInDll, LastSectionGrowsAndEverythingElseStays) {
  PIXMINT_NEED_SAMPLES();
  const auto before = test::ReadProgram(test::SampleBytes(GetParam()));
  ASSERT_TRUE(before);
  const Bytes icon = MakeIcon(true, {{64, 32}, {48, 8}, {256, 32}, {20, 4}});
  // Names match without case; both languages of MAINICON change.
  test::TempDir dir;
  const auto after = Replaced(*before, "mainicon", GroupKind::kIcon, "MAINICON", icon, dir);
  ASSERT_TRUE(after);
  EXPECT_GT(after->Bytes().size(), before->Bytes().size());
  // A cursor group keeps the new hot spots.
  Replaced(*after, "7", GroupKind::kCursor, "7", MakeIcon(false, {{32, 32}, {48, 1}}), dir, false);
}

// In the EXEs relocations follow the resources: a smaller group fits in
// place, a larger one is refused.
TEST_P(ReplaceInExe, SectionBeforeAnotherMayNotGrow) {
  PIXMINT_NEED_SAMPLES();
  const auto before = test::ReadProgram(test::SampleBytes(GetParam()));
  ASSERT_TRUE(before);
  const Bytes big = MakeIcon(true, {{128, 32}, {96, 32}, {64, 24}});
  EXPECT_EQ(ReplaceGroup(*before, ResourceId::Number(1), big).error().code, texts::Fail::kSectionNotLast);

  test::TempDir dir;
  const auto after = Replaced(*before, "1", GroupKind::kIcon, "1", MakeIcon(true, {{16, 4}}), dir);
  ASSERT_TRUE(after);
  const auto written = after->Bytes();
  EXPECT_EQ(written.size(), before->Bytes().size());
  for (std::size_t s = 0; s < before->Image().sections.size(); ++s) {
    const PeSection& was = before->Image().sections[s];
    const PeSection& now = after->Image().sections[s];
    EXPECT_EQ(std::pair(was.rawPointer, was.virtualAddress), std::pair(now.rawPointer, now.virtualAddress)) << was.name;
    if (was.name != ".rsrc") {
      EXPECT_TRUE(std::equal(before->Bytes().begin() + was.rawPointer,
                             before->Bytes().begin() + was.rawPointer + was.rawSize, written.begin() + now.rawPointer))
          << was.name;
    }
  }
}

std::string SampleName(const ::testing::TestParamInfo<std::string>& info) {
  return info.param.substr(0, info.param.find('.'));
}
INSTANTIATE_TEST_SUITE_P(MinGW, ReplaceInDll, ::testing::Values("res32.dll", "res64.dll"), SampleName);
INSTANTIATE_TEST_SUITE_P(MinGW, ReplaceInExe, ::testing::Values("app32.exe", "app64.exe"), SampleName);

TEST(ReplaceGroup, WrongKindUnknownGroupAndBadIconAreRefused) {
  PIXMINT_NEED_SAMPLES();
  const auto program = test::ReadProgram(test::SampleBytes("res64.dll"));
  ASSERT_TRUE(program);
  const struct {
    ResourceId group;
    Bytes icon;
    texts::Fail reason;
  } cases[] = {
      {ResourceId::Name(u"ARROW"), MakeIcon(true, {{16, 4}}), texts::Fail::kGroupIsCursors},
      {ResourceId::Number(1), MakeIcon(false, {{16, 4}}), texts::Fail::kGroupIsIcons},
      {ResourceId::Name(u"NOPE"), MakeIcon(true, {{16, 4}}), texts::Fail::kNoIconGroup},
      {ResourceId::Number(1), Bytes{0, 0, 1, 0, 1, 0, 9, 9}, texts::Fail::kCannotReadFile},
      {ResourceId::Number(1), Bytes{'G', 'I', 'F'}, texts::Fail::kNotIconOrCursor},
  };
  for (const auto& c : cases) {
    const auto written = ReplaceGroup(*program, c.group, c.icon);
    EXPECT_EQ(written.error().code, c.reason) << texts::EnglishMessage(written.error());
  }
}

// A table read whole is written back whole, its shared data once, or the
// program is refused: never a directory cut to its count's low 16 bits.
TEST(ReplaceGroup, SharedDataStaysSharedAndTablesTooWideAreRefused) {
  const Bytes icon = MakeIcon(true, {{16, 4}});
  const auto shared = test::ReadProgram(test::ProgramManyLanguages(5000));
  ASSERT_TRUE(shared);
  const auto written = ReplaceGroup(*shared, ResourceId::Number(1), icon);
  ASSERT_TRUE(written);
  // A data entry of its own per leaf (16 bytes), the 1 KB block once.
  EXPECT_LT(written->size(), shared->Bytes().size() + 16 * 5000 + 8192);
  const auto again = test::ReadProgram(*written);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Tree().entries.size(), shared->Tree().entries.size());

  const auto wide = test::ReadProgram(test::ProgramManyLanguages(70002));
  ASSERT_TRUE(wide);
  ASSERT_EQ(wide->Tree().entries.size(), 70004u);
  const auto refused = ReplaceGroup(*wide, ResourceId::Number(1), icon);
  EXPECT_EQ(std::pair(refused.error().code, refused.error().details.back()),
            std::pair(texts::Fail::kTooManyLanguages, std::string("70002")));
}

}  // namespace
}  // namespace pixmint::formats
