// Icons and cursors from another project's decoder tests, read in place from
// the shared corpus (absent in a fresh clone: the tests skip). Each file either
// loads with the pixels of its reference pictures or is rejected with one of
// the reader's messages.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/image_rgba.h"
#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "formats/ani_file.h"
#include "formats/file_kinds.h"
#include "formats/riff.h"
#include "support/pixel_grid.h"

namespace pixmint {
namespace {

namespace fs = std::filesystem;

struct Expectation {
  std::string file;
  bool loads = false;
  std::vector<std::string> references;  // "-" where an entry is not compared
};

std::vector<Expectation> ReadExpectations(const fs::path& tsv) {
  std::vector<Expectation> out;
  std::ifstream in(tsv);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    Expectation e;
    std::string outcome, refs;
    if (line.starts_with('#') || !(fields >> e.file >> outcome)) continue;
    fields >> refs;
    e.loads = outcome == "load";
    std::istringstream list(refs);
    for (std::string r; std::getline(list, r, ',');) e.references.push_back(r);
    out.push_back(std::move(e));
  }
  return out;
}

// Same size; where the reference is visible, exactly its RGBA; where it is
// transparent, transparent here too.
::testing::AssertionResult SameAsReference(const document::Image32& ref, int width, int height,
                                           const std::vector<std::uint8_t>& rgba) {
  if (ref.width != width || ref.height != height) return ::testing::AssertionFailure() << "another size";
  for (std::size_t p = 0; p < rgba.size(); p += 4) {
    const bool visible = ref.pixels[p + 3] > 0;
    const bool same = visible ? std::equal(&rgba[p], &rgba[p] + 4, &ref.pixels[p]) : rgba[p + 3] == 0;
    if (!same) return ::testing::AssertionFailure() << "pixel " << p / 4 << " (counted row by row) differs";
  }
  return ::testing::AssertionSuccess();
}

TEST(Conformance, EveryCorpusFileLoadsAsExpectedOrIsRejectedWithAMessage) {
  const fs::path corpus = PIXMINT_CORPUS_DIR;
  if (!fs::exists(corpus / "expectations.tsv")) GTEST_SKIP() << "no corpus at " << corpus;
  const std::vector<Expectation> all = ReadExpectations(corpus / "expectations.tsv");
  ASSERT_GT(all.size(), 100u);
  int compared = 0;
  for (const Expectation& e : all) {
    SCOPED_TRACE(e.file);
    const fs::path path = corpus / e.file;
    document::TKvIcon icon;
    const texts::Result<void> loaded = icon.LoadFromFile(path.string());
    if (!e.loads) {
      ASSERT_FALSE(loaded);
      EXPECT_NE(loaded.error().code, texts::Fail::kNotIconOrCursor) << "rejected without a message";
      continue;
    }
    ASSERT_TRUE(loaded) << texts::EnglishMessage(loaded.error());
    ASSERT_EQ(icon.ImageCount(), e.references.size());
    for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
      if (e.references[i] == "-") continue;
      const auto bytes = document::ReadWholeFile(path.parent_path() / e.references[i]);
      ASSERT_TRUE(bytes) << e.references[i];
      const auto ref = document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
      ASSERT_TRUE(ref) << e.references[i];
      const document::ImageSurface& surface = *icon.XorBitmap(i);
      EXPECT_TRUE(SameAsReference(*ref, surface.Width(), surface.Height(), cli::ImageRgba(icon, i))) << "entry " << i;
      ++compared;
    }
  }
  EXPECT_GT(compared, 100);
}

// Every malformed file (hand-made or found by the fuzzer) is refused whole;
// all but an unusable file header come with one of the reader's messages,
// and animated cursors and Xcursor files are refused by their own reader
// with one message too.
TEST(Conformance, MalformedFilesAreRejected) {
  int seen = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(PIXMINT_TEST_DATA_DIR) / "bad")) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++seen;
    document::TKvIcon icon;
    const texts::Result<void> loaded = icon.LoadFromFile(entry.path().string());
    ASSERT_FALSE(loaded);
    EXPECT_EQ(icon.ImageCount(), 0u);
    // Animated cursors and Xcursor files are no icon files at all.
    const bool unusableHeader =
        name.starts_with("file-header-") || name.starts_with("riff-") || name.starts_with("xcursor-");
    EXPECT_EQ(loaded.error().code == texts::Fail::kNotIconOrCursor, unusableHeader)
        << texts::EnglishMessage(loaded.error());
    if (name.starts_with("riff-ani-") || name.starts_with("xcursor-")) {
      EXPECT_FALSE(formats::ReadAnyCursorFile(entry.path().string()));
    }
    EXPECT_TRUE(icon.LoadFromFile((fs::path(PIXMINT_TEST_DATA_DIR) / "depths.ico").string())) << "free for another";
  }
  EXPECT_GE(seen, 20);
  for (const char* good : {"animated-sequence.ani", "xcursor-two-sizes.xcur"}) {
    EXPECT_TRUE(formats::ReadAnyCursorFile((fs::path(PIXMINT_TEST_DATA_DIR) / good).string())) << good;
  }
}

// The entries of an icon or cursor file, or of every frame of an animated
// cursor, as the file holds them.
std::vector<std::vector<std::uint8_t>> EntryBlocks(std::span<const std::uint8_t> file) {
  std::vector<std::span<const std::uint8_t>> documents = {file};
  if (formats::LooksLikeAni(file)) {
    documents.clear();
    const auto top = formats::ReadRiffChunks(file.subspan(12), 12);
    for (const auto& chunk : top ? *top : std::vector<formats::RiffChunk>{}) {
      const auto body = formats::ListBody(chunk, "fram");
      if (!body) continue;
      const auto icons = formats::ReadRiffChunks(*body, 0);
      for (const auto& icon : icons ? *icons : std::vector<formats::RiffChunk>{}) documents.push_back(icon.data);
    }
  }
  std::vector<std::vector<std::uint8_t>> blocks;
  for (const auto doc : documents) {
    for (std::uint32_t i = 0; i < document::ReadIconHeader(doc); ++i) {
      const auto block = document::IconEntryBlock(doc, i);
      blocks.emplace_back(block ? std::vector<std::uint8_t>(block->begin(), block->end())
                                : std::vector<std::uint8_t>{});
    }
  }
  return blocks;
}

// Open, change one pixel of one image, save: every other entry is written
// exactly as it was read (PNG streams, bitmap headers, tables), for every
// corpus file and sample, animated cursors included.
TEST(Conformance, SavingAfterOneEditKeepsEveryOtherEntryByteForByte) {
  std::size_t checked = 0;
  for (const fs::path& root : {fs::path(PIXMINT_CORPUS_DIR) / "mozilla", fs::path(PIXMINT_TEST_DATA_DIR)}) {
    if (!fs::exists(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const auto ext = entry.path().extension();
      if ((ext != ".ico" && ext != ".cur" && ext != ".ani") || entry.path().parent_path().filename() == "bad") continue;
      SCOPED_TRACE(entry.path().string());
      const auto bytes = document::ReadWholeFile(entry.path().string());
      ASSERT_TRUE(bytes);
      // Our own samples all load; the corpus's rejected files are checked above.
      const bool sample = root == fs::path(PIXMINT_TEST_DATA_DIR);
      auto cursor = formats::ReadAniMemory(*bytes, "in");
      if (!cursor && formats::LooksLikeAni(*bytes)) {
        EXPECT_FALSE(sample);
        continue;
      }
      if (!formats::LooksLikeAni(*bytes)) {
        auto icon = std::make_unique<document::TKvIcon>();
        if (!icon->LoadFromMemory(*bytes, "in")) {
          EXPECT_FALSE(sample);
          continue;
        }
        icon->SetIcon(icon->FileType() != document::kTypeCursor);
        cursor = formats::FromSingleFrame(std::move(icon));
      }
      const auto before = EntryBlocks(*bytes);
      // The last image of the first frame gets one pixel inverted.
      document::TKvIcon& doc = *cursor->frames.front();
      const std::uint32_t edited = doc.ImageCount() - 1;
      doc.XorBitmap(edited)->SetRaw(0, 0, ~doc.XorBitmap(edited)->GetRaw(0, 0));
      doc.AndBitmap(edited)->Set(0, 0, false);
      auto saved = doc.SaveToMemory();
      if (formats::LooksLikeAni(*bytes)) {
        auto ani = formats::WriteAniMemory(*cursor);
        saved = ani ? std::optional(std::move(*ani)) : std::nullopt;
      }
      ASSERT_TRUE(saved);
      const auto after = EntryBlocks(*saved);
      ASSERT_EQ(after.size(), before.size());
      for (std::size_t k = 0; k < before.size(); ++k) {
        if (k == edited) {
          EXPECT_NE(after[k], before[k]) << "the edited entry";
        } else {
          EXPECT_EQ(after[k], before[k]) << "entry " << k;
        }
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 10u);
}

}  // namespace
}  // namespace pixmint
