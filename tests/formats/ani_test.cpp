#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/image_rgba.h"
#include "document/byte_io.h"
#include "document/file_io.h"
#include "format_samples.h"
#include "formats/ani_file.h"
#include "hostile_inputs.h"
#include "support/pixel_grid.h"

namespace pixmint::formats {
namespace {

using test::Anih;
using test::ByteVector;
using test::Chunk;
using test::List;
using test::MakeCursor;
using test::Riff;
using test::U32s;
using test::operator+;

using texts::Fail;

std::string Why(const texts::Result<AnimatedCursor>& read) {
  return read ? std::string() : texts::EnglishMessage(read.error());
}

// We read back what we write, title and author in odd lengths too, and
// write the same bytes again; another program plays it: the GDK pixbuf
// loader's frames and delays follow our sequence and rates.
TEST(AniWriter, ReadsBackAndGdkPixbufPlaysTheStepsAtTheirRates) {
  AnimatedCursor cursor;
  for (const int k : {0, 1, 2}) cursor.frames.push_back(MakeCursor({{32, std::array{32, 8, 1}[k], {k + 1, k + 1}}}, k));
  cursor.steps = {{0, 3}, {2, 6}, {1, 9}, {2, 12}};
  cursor.title = "Busy";
  cursor.author = "Ann";
  const auto bytes = WriteAniMemory(cursor);
  const auto again = ReadAniMemory(bytes.value(), "t.ani");
  ASSERT_TRUE(again) << Why(again);
  EXPECT_TRUE(test::SameCursor(cursor, *again));
  EXPECT_EQ(WriteAniMemory(*again).value(), *bytes);
  test::TempDir dir;
  ASSERT_TRUE(WriteAniFile(cursor, (dir / "a.ani").string()));
  const std::string cmd = "/usr/bin/python3 '" + std::string(PIXMINT_FORMATS_TEST_DIR) + "/read_ani_gdk.py' '" +
                          (dir / "a.ani").string() + "' 4 '" + dir.Path().string() + "'";
  const int status = std::system(cmd.c_str());
  if (WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 127))
    GTEST_SKIP() << "no GDK pixbuf library";
  ASSERT_EQ(status, 0);
  const auto steps = document::ReadWholeFile(dir / "steps.txt").value_or(ByteVector{});
  std::istringstream lines(std::string(steps.begin(), steps.end()));
  for (std::size_t k = 0; k < 4; ++k) {
    int w = 0, h = 0, delay = 0;
    ASSERT_TRUE(lines >> w >> h >> delay);
    EXPECT_EQ(delay, static_cast<int>(cursor.steps[k].jiffies * 1000 / 60)) << k;
    const auto theirs = document::ReadWholeFile(dir / ("step-" + std::to_string(k) + ".rgba"));
    const auto ours = cli::ImageRgba(*cursor.frames[cursor.steps[k].frame], 0);
    ASSERT_EQ(theirs.value_or(ByteVector{}).size(), ours.size());
    for (std::size_t p = 0; p < ours.size(); p += 4) {
      ASSERT_EQ((*theirs)[p + 3], ours[p + 3]) << "step " << k << " pixel " << p / 4;
      if (ours[p + 3] != 0) {
        ASSERT_TRUE(std::equal(&ours[p], &ours[p] + 3, &(*theirs)[p])) << "step " << k << " pixel " << p / 4;
      }
    }
  }
}

// Layouts other writers make and slips of old editors whose meaning is
// plain: read, with one warning naming each. Hostile files are the fuzz
// run's and those of tests/data/bad the conformance test's.
TEST(AniReader, ReadsOtherLayoutsAndWarnsOfSlips) {
  const ByteVector a = *MakeCursor({{32, 32, {1, 2}}}, 1)->SaveToMemory();
  const ByteVector b = *MakeCursor({{32, 32, {3, 4}}}, 2)->SaveToMemory();
  const auto iconDocument = MakeCursor({{16, 8, {}}});
  iconDocument->SetIcon(true);
  const ByteVector icon = *iconDocument->SaveToMemory();
  const ByteVector fram = List("fram", {Chunk("icon", a), Chunk("icon", b)});
  const auto acon = [&fram](const ByteVector& anih, std::initializer_list<ByteVector> more = {}) {
    ByteVector file = Riff("ACON", {Chunk("anih", anih)});
    for (const ByteVector& m : more) file = file + m;
    file = file + fram;
    document::PutU32(file, 4, static_cast<std::uint32_t>(file.size() - 8));
    return file;
  };
  const ByteVector info = List("INFO", {Chunk("INAM", {'W', 'a', 'i', 't', 0}), Chunk("IART", {'M', 'e', 0, 0})});
  // A last chunk of odd length whose pad byte the writer left off.
  ByteVector unpaddedEnd = Riff("ACON", {Chunk("anih", Anih(2, 2, 4, 1)), fram, Chunk("junk", {1, 2, 3})});
  unpaddedEnd.pop_back();
  document::PutU32(unpaddedEnd, 4, static_cast<std::uint32_t>(unpaddedEnd.size() - 8));
  const ByteVector anih40 = U32s({40, 2, 2, 0, 0, 0, 0, 5, 1, 0});
  const ByteVector anih32 = U32s({36, 2, 2, 0, 0, 0, 0, 5});
  ByteVector pastEnd = acon(Anih(2, 2, 5, 1));  // the list claims 6 bytes more than the file has
  document::PutU32(pastEnd, 12 + 8 + 36 + 4, static_cast<std::uint32_t>(fram.size() - 8 + 6));
  struct Case {
    std::string name;
    ByteVector file;
    std::vector<AnimationStep> steps;
    std::optional<Fail> warning;
    std::string title = {};
  };
  const Case cases[] = {
      {"ChunksInAnyOrderWithInfoAndUnknownChunks",
       Riff("ACON",
            {List("fram", {Chunk("icon", a), Chunk("note", {7}), Chunk("icon", b)}), Chunk("seq ", U32s({1, 0, 1})),
             Chunk("xyz1", {1, 2, 3}), Chunk("rate", U32s({2, 3, 4})), info, Chunk("anih", Anih(2, 3, 9, 3))}),
       {{1, 2}, {0, 3}, {1, 4}},
       {},
       "Wait"},
      {"OddChunkWithoutPadAtTheEnd", unpaddedEnd, {{0, 4}, {1, 4}}, {}},
      {"ZeroStepsMeansOnePerFrame", acon(Anih(2, 0, 5, 1)), {{0, 5}, {1, 5}}, {}},
      {"MoreStepsThanFramesCycle", acon(Anih(2, 3, 5, 1)), {{0, 5}, {1, 5}, {0, 5}}, {}},
      {"SequenceWithoutItsFlag", acon(Anih(2, 2, 5, 1), {Chunk("seq ", U32s({1, 1}))}), {{1, 5}, {1, 5}}, {}},
      {"SurplusIconChunksIgnored",
       Riff("ACON",
            {Chunk("anih", Anih(1, 1, 5, 1)), List("fram", {Chunk("icon", a), Chunk("icon", ByteVector{1, 2, 3})})}),
       {{0, 5}},
       {}},
      {"IconFrame", Riff("ACON", {Chunk("anih", Anih(1, 1, 5, 1)), List("fram", {Chunk("icon", icon)})}), {{0, 5}}, {}},
      {"Anih40", acon(anih40), {{0, 5}, {1, 5}}, Fail::kAnihUnusualSize},
      {"Anih32", acon(anih32), {{0, 5}, {1, 5}}, Fail::kAnihUnusualSize},
      {"FewerFramesThanDeclared", acon(Anih(3, 3, 5, 1)), {{0, 5}, {1, 5}}, Fail::kFramesPresentUsed},
      {"MoreFramesThanDeclared", acon(Anih(1, 1, 5, 1)), {{0, 5}, {1, 5}}, Fail::kFramesPresentUsed},
      {"ShortRates", acon(Anih(2, 2, 5, 1), {Chunk("rate", U32s({9}))}), {{0, 9}, {1, 5}}, Fail::kStepsShortRate},
      {"ShortSequence",
       acon(Anih(2, 3, 5, 3), {Chunk("seq ", U32s({1, 0}))}),
       {{1, 5}, {0, 5}},
       Fail::kStepsShortListed},
      {"MissingPad",
       acon(Anih(2, 2, 5, 1), {Chunk("junk", {1, 2, 3}, false)}),
       {{0, 5}, {1, 5}},
       Fail::kChunkWithoutPad},
      {"LastChunkPastTheEnd", pastEnd, {{0, 5}, {1, 5}}, Fail::kChunkRunsPastEnd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<texts::Failure> warnings;
    const auto r = ReadAniMemory(c.file, "t.ani", c.warning ? &warnings : nullptr);
    ASSERT_TRUE(r) << Why(r);
    EXPECT_EQ(r->steps, c.steps);
    EXPECT_EQ(r->title, c.title);
    EXPECT_EQ(r->frames[0]->IsIcon(), c.name == "IconFrame");
    EXPECT_EQ(r->frames[0]->GetHotSpot(0), (c.name == "IconFrame" ? raster::Point{} : raster::Point{1, 2}));
    if (r->frames.size() > 1) {
      EXPECT_EQ(r->frames[1]->GetHotSpot(0), (raster::Point{3, 4}));
    }
    if (!c.warning) continue;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].code == *c.warning && !warnings[0].cause) << texts::EnglishMessage(warnings[0]);
  }
}

}  // namespace
}  // namespace pixmint::formats
