// The doctor's checks, each on a file made to show it, and its fix. The exit
// status by the worst finding is the CLI test's (check --strict).
#include "doctor/doctor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "doctor/fix.h"
#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/ico_reader.h"
#include "formats/ani_file.h"
#include "formats/xcursor_codec.h"

namespace pixmint {
namespace {

using Bytes = std::vector<std::uint8_t>;
using document::PutU16;
using document::PutU32;

struct Spec {
  int side = 16;
  int bits = 32;
  bool png = false;
  raster::Point hot{};
};

raster::Colour ColourOf(std::size_t k) {
  return raster::Rgb(static_cast<std::uint8_t>(30 + 50 * k), static_cast<std::uint8_t>(220 - 40 * k), 128);
}

// A document of square opaque images, each in a colour of its own.
std::unique_ptr<document::TKvIcon> Document(const std::vector<Spec>& specs, bool cursor) {
  auto icon = std::make_unique<document::TKvIcon>();
  for (std::size_t k = 0; k < specs.size(); ++k) {
    const Spec& s = specs[k];
    EXPECT_TRUE(icon->AddImage(s.side, s.side, s.bits));
    const auto i = static_cast<std::uint32_t>(k);
    document::ImageSurface& colour = *icon->XorBitmap(i);
    colour.Fill(ColourOf(k));
    for (int y = 0; y < s.side && s.bits == 32; ++y) {
      for (int x = 0; x < s.side; ++x) colour.SetRaw(x, y, colour.GetRaw(x, y) | 0xFF000000u);
    }
    icon->AndBitmap(i)->Fill(false);
    icon->SetPngCompressed(i, s.png);
    icon->SetHotSpot(i, s.hot);
  }
  icon->SetIcon(!cursor);
  return icon;
}

Bytes File(const std::vector<Spec>& specs, bool cursor = false) {
  return *Document(specs, cursor)->SaveToMemory();
}

const std::vector<Spec> kFullSet = {{16}, {20}, {24}, {32}, {40}, {48}, {64}, {256, 32, true}};

std::size_t EntryAt(std::size_t k) {
  return 6 + 16 * k;
}

// The file of specs with a change of its bytes.
Bytes Patched(const std::function<void(Bytes&)>& change, const std::vector<Spec>& specs = kFullSet,
              bool cursor = false) {
  Bytes b = File(specs, cursor);
  change(b);
  return b;
}

// An animated cursor of two frames, the anih header's 32-bit field at
// byte field set to value when field is not negative.
Bytes Ani(int field, std::uint32_t value, bool differentSizes = false) {
  formats::AnimatedCursor cursor;
  cursor.frames.push_back(Document({{32, 32, false, {1, 1}}}, true));
  cursor.frames.push_back(Document(differentSizes ? std::vector<Spec>{{32, 32, false, {1, 1}}, {48, 32, false, {2, 2}}}
                                                  : std::vector<Spec>{{32, 32, false, {1, 1}}},
                                   true));
  cursor.PlayFramesInOrder(5);
  Bytes b = *formats::WriteAniMemory(cursor);
  const auto at = std::search(b.begin(), b.end(), std::begin("anih"), std::end("anih") - 1) - b.begin();
  if (field >= 0) PutU32(b, static_cast<std::size_t>(at) + 8 + static_cast<std::size_t>(field), value);
  if (field == -2) b[static_cast<std::size_t>(at)] = 'x';
  return b;
}

Bytes Xcursor(std::vector<std::pair<std::uint32_t, int>> nominalAndSide) {
  std::vector<formats::XcursorImage> images;
  for (const auto& [nominal, side] : nominalAndSide)
    images.push_back(
        {nominal,
         0,
         {side, side, {0, 0}, std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), 0xFF102030u)}});
  return *formats::EncodeXcursor(images);
}

void SetEntry(Bytes& b, std::size_t field, std::uint32_t value) {
  PutU32(b, EntryAt(0) + field, value);
}

Bytes PngNotRgba() {
  const Bytes png = *document::ReadWholeFile(std::string(PIXMINT_TEST_DATA_DIR) + "/png/grey1.png");
  Bytes b = File({{16}});
  b.resize(22);
  SetEntry(b, 8, static_cast<std::uint32_t>(png.size()));
  b.insert(b.end(), png.begin(), png.end());
  return b;
}

// Each finding's code, the entry it names (-1: the file) and a file that has it.
struct Case {
  const char* code;
  int entry;
  Bytes file;
};

std::vector<Case> Cases() {
  using document::GetU32;
  const auto at = [](Bytes& b, std::size_t k) { return GetU32(b, EntryAt(k) + 12); };
  return {
      {"bad-header", -1, Patched([](Bytes& b) { b[2] = 3; })},
      {"no-images", -1, Patched([](Bytes& b) { PutU16(b, 4, 0); })},
      {"outside-file", 1, Patched([](Bytes& b) { PutU32(b, EntryAt(1) + 12, 0xFFFFFF00u); })},
      {"overlap", 1, Patched([&](Bytes& b) { PutU32(b, EntryAt(1) + 12, at(b, 0)); })},
      {"trailing-data", -1, Patched([](Bytes& b) { b.resize(b.size() + 5, 0); })},
      {"unreadable", 0, Patched([&](Bytes& b) { PutU16(b, at(b, 0) + 14, 7); })},
      {"dir-width", 0, Patched([](Bytes& b) { b[EntryAt(0)] = 17; })},
      {"dir-height", 0, Patched([](Bytes& b) { b[EntryAt(0) + 1] = 17; })},
      {"dir-bits", 0, Patched([](Bytes& b) { PutU16(b, EntryAt(0) + 6, 24); })},
      {"dir-bits-zero", 0, Patched([](Bytes& b) { PutU16(b, EntryAt(0) + 6, 0); })},
      {"dir-planes", 0, Patched([](Bytes& b) { PutU16(b, EntryAt(0) + 4, 3); })},
      {"dir-colours", 0, Patched([](Bytes& b) { b[EntryAt(0) + 2] = 7; })},
      {"dir-reserved", 0, Patched([](Bytes& b) { b[EntryAt(0) + 3] = 1; })},
      {"dir-size", 0, Patched([](Bytes& b) { SetEntry(b, 8, 100); })},
      {"extra-bytes", 0, Patched([](Bytes& b) { SetEntry(b, 8, GetU32(b, EntryAt(0) + 8) + 4); })},
      // 16x16 at 32 bits: header and colour bits are 40 + 1024 bytes.
      {"mask-missing", 0, Patched([](Bytes& b) { SetEntry(b, 8, 1064); })},
      {"mask-short", 0, Patched([](Bytes& b) { SetEntry(b, 8, GetU32(b, EntryAt(0) + 8) - 10); }, {{16, 8}})},
      {"bmp-height", 0, Patched([&](Bytes& b) { PutU32(b, at(b, 0) + 8, 16); }, {{16, 8}})},
      {"bmp-256", 0, File({{256, 8}})},
      {"png-not-rgba", 0, PngNotRgba()},
      {"png-small", 0, File({{32, 32, true}})},
      {"duplicate", 1, File({{16}, {16}})},
      {"missing-size", -1, File({{16}})},
      {"missing-scale-size", -1, File({{16}, {24}, {32}, {48}, {256, 32, true}})},
      // One past the edge; the editor keeps hot spots inside.
      {"hotspot-outside", 0, Patched([](Bytes& b) { PutU16(b, EntryAt(0) + 4, 32); }, {{32, 32, false, {1, 1}}}, true)},
      {"hotspot-mismatch", 1, File({{32, 32, false, {0, 0}}, {16, 32, false, {15, 15}}}, true)},
      {"ani-structure", -1, Ani(-2, 0)},
      {"ani-frames", -1, Ani(4, 3)},
      {"ani-steps", -1, Ani(8, 5)},
      {"ani-rates", -1, Ani(28, 0)},
      {"ani-flags", -1, Ani(32, 0)},
      {"ani-frame-sizes", -1, Ani(-1, 0, true)},
      {"xcur-nominal", 0, Xcursor({{24, 32}})},
      {"xcur-frames", -1, Xcursor({{32, 32}, {32, 32}, {48, 48}})},
  };
}

TEST(Doctor, EveryCheckFindsItsFileAndACleanIconHasNothing) {
  EXPECT_TRUE(doctor::Examine(File(kFullSet), {}).findings.empty());
  std::set<std::string> covered;
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.code);
    const doctor::Examination exam = doctor::Examine(c.file, {});
    std::string all;
    for (const doctor::Finding& f : exam.findings) all += doctor::FormatFinding("f", f) + "\n";
    const bool found = std::ranges::any_of(
        exam.findings, [&c](const doctor::Finding& f) { return f.code == c.code && f.entry == c.entry; });
    EXPECT_TRUE(found) << all;
    covered.insert(c.code);
  }
  // Every code has its file here and its line in the manual.
  const auto html = document::ReadWholeFile(PIXMINT_MANUAL);
  const std::string manual(html->begin(), html->end());
  for (const doctor::CodeInfo& code : doctor::AllCodes()) {
    EXPECT_TRUE(covered.contains(std::string(code.code))) << code.code << " has no test file";
    EXPECT_NE(manual.find("<code>" + std::string(code.code) + "</code>"), std::string::npos) << code.code;
  }
}

// The fix adds the missing sizes from the smallest larger image, stores 256
// as PNG and the rest as bitmaps, drops exact copies, and leaves every
// image it keeps byte for byte.
TEST(Doctor, FixAddsSizesDropsCopiesAndKeepsEveryImage) {
  auto source = Document({{256, 32, false}, {32, 32, true}, {16, 8}, {16, 8}}, false);
  source->XorBitmap(3)->Fill(ColourOf(2));  // entry 3 becomes an exact copy of entry 2
  const Bytes file = *source->SaveToMemory();
  const auto exam = doctor::Examine(file, {});
  document::TKvIcon icon;
  ASSERT_TRUE(icon.LoadFromMemory(file, "in"));
  const auto lines = doctor::FixDocument(icon, exam.findings, exam.directories[0].check, {});
  std::string report;
  for (const auto& l : lines) report += std::to_string(l.entry) + " " + l.code + " " + l.message + "\n";
  const auto fixed = *icon.SaveToMemory();
  const auto after = doctor::Examine(fixed, {});
  for (const auto& f : after.findings) ADD_FAILURE() << doctor::FormatFinding("fixed", f) << "\n" << report;
  // 256 as PNG, 32 as a bitmap, one 16, and 20, 24, 40, 48, 64 added.
  ASSERT_EQ(icon.ImageCount(), 8u) << report;
  EXPECT_TRUE(icon.IsPngCompressed(0));
  EXPECT_FALSE(icon.IsPngCompressed(1));
  EXPECT_TRUE(std::ranges::equal(*document::IconEntryBlock(fixed, 2), *document::IconEntryBlock(file, 2)))
      << "an untouched entry";
  for (std::uint32_t i = 0; i < 3; ++i) {
    document::TKvIcon before;
    ASSERT_TRUE(before.LoadFromMemory(file, "in"));
    EXPECT_TRUE(std::ranges::equal(before.XorBitmap(i)->Bits(), icon.XorBitmap(i)->Bits())) << "pixels of " << i;
  }
  EXPECT_EQ(icon.XorBitmap(7)->Width(), 64);

  // A cursor's sizes come from the cursor scaler, larger ones too (64 is 32
  // replicated), each with its hot spot on the pixel meant.
  const Bytes cursorFile = File({{32, 32, false, {3, 2}}}, true);
  const auto cursorExam = doctor::Examine(cursorFile, {});
  document::TKvIcon cursor;
  ASSERT_TRUE(cursor.LoadFromMemory(cursorFile, "in"));
  cursor.SetIcon(false);
  (void)doctor::FixDocument(cursor, cursorExam.findings, cursorExam.directories[0].check, {});
  std::map<int, raster::Point> hotSpots;
  for (std::uint32_t i = 0; i < cursor.ImageCount(); ++i) hotSpots[cursor.XorBitmap(i)->Width()] = cursor.GetHotSpot(i);
  EXPECT_EQ(hotSpots[48], (raster::Point{5, 3}));
  EXPECT_EQ(hotSpots[64], (raster::Point{7, 5}));
}

}  // namespace
}  // namespace pixmint
