#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "ico_builder.h"
#include "support/pixel_grid.h"

namespace pixmint::document {
namespace {

using test::Bytes;
using test::EntryLayout;
using test::MakeBlock;
using test::MakeIconFile;
using test::Paint;

struct Loaded {
  std::unique_ptr<TKvIcon> icon = std::make_unique<TKvIcon>();
  texts::Result<void> read;
};

Loaded Load(std::span<const std::uint8_t> bytes) {
  Loaded l;
  l.read = l.icon->LoadFromMemory(bytes, "test.ico");
  return l;
}

TEST(IcoWriter, LayoutOfOneEightBitImageAsIconAndCursor) {
  TKvIcon icon;
  EXPECT_FALSE(icon.SaveToMemory()) << "an empty document is not saved";
  ASSERT_TRUE(icon.AddImage(32, 32, 8));
  auto file = icon.SaveToMemory();
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 2238u);
  // Type, count, width, height, colours, planes, bits, size, offset.
  struct Field {
    std::size_t at, bytes;
    std::uint32_t value;
  };
  for (const Field& f : {Field{2, 2, 1}, Field{4, 2, 1}, Field{6, 1, 32}, Field{7, 1, 32}, Field{8, 1, 0},
                         Field{10, 2, 1}, Field{12, 2, 8}, Field{14, 4, 2216}, Field{18, 4, 22}}) {
    const std::uint32_t got = f.bytes == 1 ? (*file)[f.at] : f.bytes == 2 ? GetU16(*file, f.at) : GetU32(*file, f.at);
    EXPECT_EQ(got, f.value) << "offset " << f.at;
  }
  // A cursor differs only in its type and the hot spot in place of planes and bits.
  icon.SetIcon(false);
  icon.SetHotSpot(0, {5, 7});
  auto cursor = icon.SaveToMemory();
  ASSERT_TRUE(cursor);
  EXPECT_EQ(std::tuple(GetU16(*cursor, 2), GetU16(*cursor, 10), GetU16(*cursor, 12)), std::tuple(2, 5, 7));
  // A hot spot outside the image is read as the nearest pixel inside.
  auto outside = *cursor;
  outside[10] = outside[12] = 40;
  EXPECT_EQ(Load(outside).icon->GetHotSpot(0), (raster::Point{31, 31}));
  (*cursor)[2] = (*cursor)[10] = 1, (*cursor)[12] = 8;
  EXPECT_EQ(*cursor, *file);
}

// Every depth, an image with a table of its own and a PNG entry, as icon and
// as cursor, through a file on disk: the same document and the same bytes.
TEST(IcoRoundTrip, EveryDepthIconAndCursorThroughFiles) {
  test::TempDir dir;
  for (bool isIcon : {true, false}) {
    TKvIcon icon;
    icon.SetIcon(isIcon);
    const int depths[] = {1, 4, 8, 16, 24, 32, 32};
    for (std::uint32_t k = 0; k < 7; ++k) {
      // The PNG entry's mask has no padding bits to keep: a whole row.
      ASSERT_TRUE(icon.AddImage(k == 6 ? 32 : 5 + 11 * static_cast<int>(k), 16, depths[k]));
      Paint(icon, k);
      icon.SetHotSpot(k, {static_cast<int>(k), 15 - static_cast<int>(k)});
    }
    icon.SetPngCompressed(6, true);
    ASSERT_TRUE(icon.AddImage(24, 24, 24));
    Paint(icon, 7);
    ASSERT_TRUE(icon.ChangeFormat(7, 20, 20, 8));  // an 8-bit image with a table of its own
    const std::string path = (dir / (isIcon ? "a.ico" : "a.cur")).string();
    ASSERT_TRUE(icon.SaveToFile(path));
    Loaded again;
    const texts::Result<void> missing = again.icon->LoadFromFile((dir / "none.ico").string());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().code, texts::Fail::kFileMissing);
    ASSERT_TRUE(again.icon->LoadFromFile(path));
    EXPECT_EQ(again.icon->FileType(), isIcon ? 1 : 2);
    EXPECT_EQ(again.icon->IR()->IcoFileName, path);
    again.icon->SetIcon(isIcon);
    if (!isIcon) {
      EXPECT_TRUE(test::SameIcon(icon, *again.icon));
    } else {
      // Icon files carry no hot spots.
      for (std::uint32_t k = 0; k < 8; ++k) EXPECT_EQ(again.icon->GetHotSpot(k), raster::Point{});
    }
    EXPECT_EQ(again.icon->SaveToMemory(), ReadWholeFile(path));
    const texts::Result<void> second = again.icon->LoadFromFile(path);
    ASSERT_FALSE(second) << "a second load into a loaded document";
    EXPECT_EQ(second.error().code, texts::Fail::kAlreadyLoaded);
  }
  // An empty document writes no file; a save that cannot complete reports it.
  TKvIcon empty;
  EXPECT_FALSE(empty.SaveToFile((dir / "empty.ico").string()));
  EXPECT_FALSE(std::filesystem::exists(dir / "empty.ico"));
  std::filesystem::create_directory(dir / "taken.ico");
  ASSERT_TRUE(empty.AddImage(8, 8, 4));
  EXPECT_FALSE(empty.SaveToFile((dir / "taken.ico").string()));
}

// Blocks other writers make: a 32-bit one without mask, a size field short
// of the block, a long header; of forty entries the first 32 load.
TEST(IcoReader, TakesWhatOtherWritersMakeAndWritesItBackHonestly) {
  // 4x2 at 32 bits: header and colour bits only, as one imaging library writes.
  auto noMask = MakeBlock({.width = 4, .height = 2, .bitCount = 32});
  noMask.resize(40 + 32);
  const std::uint32_t pixels[] = {0x00112233, 0x80445566, 0xFF778899, 0x00FFFFFF, 0xFF000000, 0x10ABCDEF, 0, 0};
  for (std::size_t p = 0; p < 8; ++p) PutU32(noMask, 40 + 4 * p, pixels[p]);
  auto allZeroAlpha = noMask;
  for (std::size_t p = 0; p < 8; ++p) allZeroAlpha[40 + 4 * p + 3] = 0;
  const auto full = MakeBlock({.width = 5, .height = 3, .bitCount = 8});
  const auto cursorLike = MakeBlock({.width = 6, .height = 2, .bitCount = 4});
  // Each file ends with a full block, so a too-small size field never runs
  // out of the file here.
  const std::vector<EntryLayout> files[] = {
      {EntryLayout{noMask}, EntryLayout{full}},
      {EntryLayout{allZeroAlpha}, EntryLayout{full}},
      {EntryLayout{full, 1, 8, 40}, EntryLayout{cursorLike, 1, 4, 0}},
      {EntryLayout{MakeBlock({.headerSize = 124, .width = 8, .height = 8, .bitCount = 32})}, EntryLayout{full}},
  };
  for (const auto& entries : files) {
    Loaded l = Load(MakeIconFile(entries));
    ASSERT_TRUE(l.read) << texts::EnglishMessage(l.read.error());
    ASSERT_EQ(l.icon->ImageCount(), 2u);
    const auto again = l.icon->SaveToMemory().value();
    // Written back with honest sizes (untouched entries as they were read:
    // header size kept, a missing mask still missing) and read the same again.
    Loaded reloaded = Load(again);
    ASSERT_TRUE(reloaded.read);
    EXPECT_TRUE(test::SameIcon(*l.icon, *reloaded.icon));
    EXPECT_EQ(GetU32(again, GetU32(again, 18)), GetU32(entries[0].block, 0));
    for (std::uint32_t i = 0; i < 2; ++i) {
      const std::size_t end = i == 0 ? GetU32(again, 6 + 16 + 12) : again.size();
      EXPECT_EQ(GetU32(again, 6 + 16 * i + 8), end - GetU32(again, 6 + 16 * i + 12));
    }
  }
  EXPECT_EQ(Load(MakeIconFile(std::vector<EntryLayout>(40, EntryLayout{full}))).icon->ImageCount(), 32u);
  Loaded withAlpha = Load(MakeIconFile(files[0]));
  const ImageSurface& s = *withAlpha.icon->XorBitmap(0);
  const MaskSurface& m = *withAlpha.icon->AndBitmap(0);
  // Bottom row first in the block: pixels 0-3 are row 1, 4-7 row 0.
  EXPECT_EQ(std::tuple(m.Get(0, 1), m.Get(1, 1), m.Get(3, 1), m.Get(0, 0), m.Get(2, 0)),
            std::tuple(true, false, true, false, true))
      << "alpha decides";
  EXPECT_EQ(s.GetRaw(1, 0), 0x10ABCDEFu);
  Loaded opaque = Load(MakeIconFile(files[1]));
  for (int p = 0; p < 8; ++p) EXPECT_FALSE(opaque.icon->AndBitmap(0)->Get(p % 4, p / 4)) << "no mask, no alpha: opaque";
  Loaded sized = Load(MakeIconFile(files[2]));
  EXPECT_EQ(Bytes(sized.icon->XorDataPointer(1)), Bytes(std::span(cursorLike).subspan(40 + 64, 4 * 2)))
      << "read what the header describes";

  // Still refused: a 24-bit block without mask, a 32-bit one cut inside its
  // mask, a short size field with the file ending before the block does.
  auto noMask24 = MakeBlock({.width = 4, .height = 2, .bitCount = 24});
  noMask24.resize(40 + 24);
  auto cutMask = MakeBlock({.width = 4, .height = 2, .bitCount = 32});
  cutMask.resize(40 + 32 + 4);
  auto shortFile = MakeIconFile({EntryLayout{full, 1, 8, 100}});
  shortFile.pop_back();
  for (const auto& file : {MakeIconFile({EntryLayout{noMask24}}), MakeIconFile({EntryLayout{cutMask}}), shortFile}) {
    Loaded refused = Load(file);
    ASSERT_FALSE(refused.read);
    ASSERT_TRUE(refused.read.error().cause);
    EXPECT_EQ(std::pair(refused.read.error().code, refused.read.error().cause->code),
              std::pair(texts::Fail::kCannotConvertImage, texts::Fail::kBlockTooShort))
        << texts::EnglishMessage(refused.read.error());
  }
}

// Damaged variants of a valid file: each either loads, and then survives a
// save and a reload unchanged, or is refused with one message.
TEST(IcoReader, DamagedFilesLoadCleanlyOrNotAtAll) {
  std::vector<EntryLayout> entries;
  for (std::uint16_t bits : {1, 4, 8, 16, 24, 32})
    entries.push_back({MakeBlock({.width = 5, .height = 3, .bitCount = bits})});
  entries.push_back({MakeBlock({.headerSize = 56, .width = 3, .height = 2, .bitCount = 8, .coloursUsed = 3})});
  const auto original = MakeIconFile(entries, 2);
  std::mt19937 rng(99);
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    auto file = original;
    const int changes = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < changes; ++k) {
      const std::size_t at = rng() % std::min<std::size_t>(file.size(), round % 2 ? file.size() : 200);
      file[at] = static_cast<std::uint8_t>(rng() % 3 == 0 ? 0xFF : rng());
    }
    if (round % 7 == 0) file.resize(rng() % file.size());
    Loaded l = Load(file);
    if (!l.read) {
      EXPECT_EQ(l.icon->ImageCount(), 0u);
      continue;
    }
    ++loaded;
    l.icon->SetIcon(false);
    const auto saved = l.icon->SaveToMemory();
    ASSERT_TRUE(saved);
    Loaded again = Load(*saved);
    ASSERT_TRUE(again.read) << round;
    again.icon->SetIcon(false);
    EXPECT_TRUE(test::SameIcon(*l.icon, *again.icon));
  }
  EXPECT_GT(loaded, 100);
}

}  // namespace
}  // namespace pixmint::document
