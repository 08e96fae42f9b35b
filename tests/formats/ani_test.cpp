#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/image_rgba.h"
#include "document/byte_io.h"
#include "document/file_io.h"
#include "format_samples.h"
#include "formats/ani_file.h"
#include "ico_builder.h"
#include "support/pixel_grid.h"

namespace pixmint::formats {
namespace {

using test::Anih;
using test::ByteVector;
using test::Chunk;
using test::ImageSpec;
using test::List;
using test::MakeCursor;
using test::Riff;
using test::U32s;
using test::operator+;

using texts::Fail;

// The codes of a failure and of the failures it happened within, outer first.
std::vector<Fail> Codes(const texts::Failure& failure) {
  std::vector<Fail> codes{failure.code};
  for (const texts::Failure* f = failure.cause.get(); f != nullptr; f = f->cause.get()) codes.push_back(f->code);
  return codes;
}

std::string Why(const texts::Result<AnimatedCursor>& read) {
  return read ? std::string() : texts::EnglishMessage(read.error());
}

bool Contains(const ByteVector& bytes, std::string_view text) {
  return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

ByteVector FrameBytes(const std::vector<ImageSpec>& images, int seed = 0) {
  return *MakeCursor(images, seed)->SaveToMemory();
}

struct RoundTripCase {
  std::string name;
  std::vector<std::vector<ImageSpec>> frames;
  std::vector<AnimationStep> steps;
  std::string title;
  std::string author;
};

class AniRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(AniRoundTrip, ReadsBackWhatItWroteAndWritesTheSameBytes) {
  const RoundTripCase& c = GetParam();
  AnimatedCursor cursor;
  for (std::size_t f = 0; f < c.frames.size(); ++f)
    cursor.frames.push_back(MakeCursor(c.frames[f], static_cast<int>(f)));
  cursor.steps = c.steps;
  cursor.title = c.title;
  cursor.author = c.author;
  const auto bytes = WriteAniMemory(cursor);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(document::GetU32(*bytes, 4), bytes->size() - 8) << "RIFF size";
  EXPECT_EQ(Contains(*bytes, "seq "), !cursor.StepsInFrameOrder());
  const bool rates =
      std::any_of(c.steps.begin(), c.steps.end(), [&](const auto& s) { return s.jiffies != c.steps[0].jiffies; });
  EXPECT_EQ(Contains(*bytes, "rate"), rates);
  EXPECT_EQ(Contains(*bytes, "INFO"), !c.title.empty() || !c.author.empty());

  const auto again = ReadAniMemory(*bytes, "t.ani");
  ASSERT_TRUE(again) << Why(again);
  EXPECT_TRUE(test::SameCursor(cursor, *again));
  EXPECT_EQ(WriteAniMemory(*again).value(), bytes.value());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AniRoundTrip,
    ::testing::Values(RoundTripCase{"SizesAndDepths",
                                    {{{16, 4, {1, 1}}, {32, 8, {2, 2}}, {48, 32, {47, 0}}},
                                     {{16, 1, {0, 15}}, {32, 24, {5, 6}}, {48, 16, {7, 8}}}},
                                    {{0, 6}, {1, 6}},
                                    "",
                                    ""},
                      // Odd text lengths make the INFO entries padded.
                      RoundTripCase{"SequenceRatesAndInfo",
                                    {{{32, 32, {}}}, {{32, 32, {9, 9}}}, {{32, 32, {31, 31}}}},
                                    {{0, 5}, {1, 6}, {2, 7}, {1, 8}, {0, 9}},
                                    "Busy",
                                    "Ann"},
                      RoundTripCase{
                          "RatesWithoutSequence", {{{24, 8, {}}}, {{24, 8, {}}}}, {{0, 3}, {1, 30}}, "Odd title", ""},
                      RoundTripCase{"OneFrameShownTwice", {{{32, 4, {}}}}, {{0, 2}, {0, 2}}, "", "Someone"}),
    [](const auto& info) { return info.param.name; });

// Another program plays what we write: the GDK pixbuf loader's frames and
// delays follow our sequence and rates.
TEST(AniWriter, GdkPixbufPlaysTheStepsAtTheirRates) {
  AnimatedCursor cursor;
  cursor.frames.push_back(MakeCursor({{32, 32, {1, 1}}}, 0));
  cursor.frames.push_back(MakeCursor({{32, 8, {2, 2}}}, 1));
  cursor.frames.push_back(MakeCursor({{32, 1, {3, 3}}}, 2));
  cursor.steps = {{0, 3}, {2, 6}, {1, 9}, {2, 12}};
  test::TempDir dir;
  ASSERT_TRUE(WriteAniFile(cursor, (dir / "a.ani").string()));
  const std::string cmd = "/usr/bin/python3 '" + std::string(PIXMINT_FORMATS_TEST_DIR) + "/read_ani_gdk.py' '" +
                          (dir / "a.ani").string() + "' 4 '" + dir.Path().string() + "'";
  const int status = std::system(cmd.c_str());
  if (WIFEXITED(status) && (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 127)) {
    GTEST_SKIP() << "no GDK pixbuf library";
  }
  ASSERT_EQ(status, 0);
  const auto steps = document::ReadWholeFile(dir / "steps.txt");
  ASSERT_TRUE(steps);
  std::istringstream lines(std::string(steps->begin(), steps->end()));
  for (std::size_t k = 0; k < 4; ++k) {
    int w = 0, h = 0, delay = 0;
    ASSERT_TRUE(lines >> w >> h >> delay);
    EXPECT_EQ(delay, static_cast<int>(cursor.steps[k].jiffies * 1000 / 60)) << k;
    const auto theirs = document::ReadWholeFile(dir / ("step-" + std::to_string(k) + ".rgba"));
    const auto ours = cli::ImageRgba(*cursor.frames[cursor.steps[k].frame], 0);
    ASSERT_TRUE(theirs);
    ASSERT_EQ(theirs->size(), ours.size());
    for (std::size_t p = 0; p < ours.size(); p += 4) {
      ASSERT_EQ((*theirs)[p + 3], ours[p + 3]) << "step " << k << " pixel " << p / 4;
      if (ours[p + 3] != 0) {
        ASSERT_TRUE(std::equal(&ours[p], &ours[p] + 3, &(*theirs)[p])) << "step " << k << " pixel " << p / 4;
      }
    }
  }
}

// Layouts other writers make, slips of old editors whose meaning is plain
// (read, with one warning naming each) and hostile files (refused, with one
// message naming the fault; those of tests/data/bad are refused in the
// conformance test).
TEST(AniReader, ReadsOtherLayoutsWarnsOfSlipsAndRefusesHostileFiles) {
  const ByteVector a = FrameBytes({{32, 32, {1, 2}}}, 1);
  const ByteVector b = FrameBytes({{32, 32, {3, 4}}}, 2);
  const ByteVector icon = [] {
    auto doc = MakeCursor({{16, 8, {}}});
    doc->SetIcon(true);
    return *doc->SaveToMemory();
  }();
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
  ByteVector anih40 = Anih(2, 2, 5, 1) + ByteVector(4, 0);
  document::PutU32(anih40, 0, 40);
  ByteVector anih32 = Anih(2, 2, 5, 1);
  anih32.resize(32);
  ByteVector pastEnd = acon(Anih(2, 2, 5, 1));  // the list claims 6 bytes more than the file has
  document::PutU32(pastEnd, 12 + 8 + 36 + 4, static_cast<std::uint32_t>(fram.size() - 8 + 6));
  test::BlockLayout badDepth;
  badDepth.bitCount = 7;
  const ByteVector badFrame = test::MakeIconFile({{test::MakeBlock(badDepth)}}, 2);
  ByteVector listPastEnd = acon(Anih(2, 2, 5, 1));
  document::PutU32(listPastEnd, 12 + 8 + 36 + 12 + 4, 0x7FFFFFF0);  // the first icon chunk's size
  ByteVector farPastEnd = acon(Anih(2, 2, 5, 1)) + Chunk("junk", {});
  document::PutU32(farPastEnd, 4, static_cast<std::uint32_t>(farPastEnd.size() - 8));
  document::PutU32(farPastEnd, farPastEnd.size() - 4, 99);
  const auto riffCur = document::ReadWholeFile(std::string(PIXMINT_TEST_DATA_DIR) + "/bad/riff-animated-cursor.cur");
  ASSERT_TRUE(riffCur);
  struct Case {
    std::string name;
    ByteVector file;
    std::vector<AnimationStep> steps;  // none: refused
    std::vector<Fail> codes;           // the refusal's, outer first, or the one warning's
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
      {"Anih40", acon(anih40), {{0, 5}, {1, 5}}, {Fail::kAnihUnusualSize}},
      {"Anih32", acon(anih32), {{0, 5}, {1, 5}}, {Fail::kAnihUnusualSize}},
      {"FewerFramesThanDeclared", acon(Anih(3, 3, 5, 1)), {{0, 5}, {1, 5}}, {Fail::kFramesPresentUsed}},
      {"MoreFramesThanDeclared", acon(Anih(1, 1, 5, 1)), {{0, 5}, {1, 5}}, {Fail::kFramesPresentUsed}},
      {"ShortRates", acon(Anih(2, 2, 5, 1), {Chunk("rate", U32s({9}))}), {{0, 9}, {1, 5}}, {Fail::kStepsShortRate}},
      {"ShortSequence",
       acon(Anih(2, 3, 5, 3), {Chunk("seq ", U32s({1, 0}))}),
       {{1, 5}, {0, 5}},
       {Fail::kStepsShortListed}},
      {"MissingPad",
       acon(Anih(2, 2, 5, 1), {Chunk("junk", {1, 2, 3}, false)}),
       {{0, 5}, {1, 5}},
       {Fail::kChunkWithoutPad}},
      {"LastChunkPastTheEnd", pastEnd, {{0, 5}, {1, 5}}, {Fail::kChunkRunsPastEnd}},
      {"NotRiff", ByteVector{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'A', 'C', 'O', 'N'}, {}, {Fail::kNotAnimatedCursor}},
      {"EmptyAcon", *riffCur, {}, {Fail::kCannotConvert, Fail::kNoAnih}},
      {"IconChunkPastList", listPastEnd, {}, {Fail::kCannotReadFileBecause, Fail::kChunkBeyondEnd}},
      {"NoFrames", acon(Anih(0, 0, 5, 1)), {}, {Fail::kCannotConvert, Fail::kAnihFrames}},
      {"TooManySteps", acon(Anih(2, 100000, 5, 1)), {}, {Fail::kCannotConvert, Fail::kAnihSteps}},
      {"NoIcons",
       Riff("ACON", {Chunk("anih", Anih(2, 2, 5, 1)), List("fram", {Chunk("note", {1, 2})})}),
       {},
       {Fail::kCannotConvert, Fail::kFramListEmpty}},
      {"NoFramList", Riff("ACON", {Chunk("anih", Anih(2, 2, 5, 1))}), {}, {Fail::kCannotConvert, Fail::kNoFramList}},
      {"FarPastTheEnd", farPastEnd, {}, {Fail::kCannotReadFileBecause, Fail::kChunkBeyondEnd}},
      {"BadSecondFrame",
       Riff("ACON", {Chunk("anih", Anih(2, 2, 5, 1)), List("fram", {Chunk("icon", a), Chunk("icon", badFrame)})}),
       {},
       {Fail::kFrameAtOffset, Fail::kCannotConvertImage, Fail::kImageBitCount}},
      {"FrameNotAnIcon",
       Riff("ACON", {Chunk("anih", Anih(1, 1, 5, 1)), List("fram", {Chunk("icon", ByteVector(40, 9))})}),
       {},
       {Fail::kFrameAtOffset, Fail::kNotIconOrCursor}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<texts::Failure> warnings;
    const auto r = ReadAniMemory(c.file, "t.ani", c.codes.empty() ? nullptr : &warnings);
    if (c.steps.empty()) {
      ASSERT_FALSE(r);
      EXPECT_EQ(Codes(r.error()), c.codes) << Why(r);
      continue;
    }
    ASSERT_TRUE(r) << Why(r);
    EXPECT_EQ(r->steps, c.steps);
    EXPECT_EQ(r->title, c.title);
    EXPECT_EQ(r->frames[0]->IsIcon(), c.name == "IconFrame");
    if (c.name != "IconFrame") {
      EXPECT_EQ(r->frames[0]->GetHotSpot(0), (raster::Point{1, 2}));
    }
    if (r->frames.size() > 1) {
      EXPECT_EQ(r->frames[1]->GetHotSpot(0), (raster::Point{3, 4}));
    }
    if (c.codes.empty()) continue;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(Codes(warnings[0]), c.codes) << texts::EnglishMessage(warnings[0]);
  }
  // The icon reader keeps refusing RIFF data.
  document::TKvIcon riff;
  EXPECT_FALSE(riff.LoadFromMemory(*riffCur, "riff.cur"));
}

TEST(AniWriter, RefusesCursorsThatCannotBeWritten) {
  AnimatedCursor cursor;
  using texts::Fail;
  EXPECT_EQ(WriteAniMemory(cursor).error().code, Fail::kNoFrames);
  cursor.frames.push_back(MakeCursor({{16, 8, {}}}));
  EXPECT_EQ(WriteAniMemory(cursor).error().code, Fail::kNoSteps);
  cursor.steps = {{1, 5}};
  EXPECT_EQ(WriteAniMemory(cursor).error().code, Fail::kStepFrameMissing);
  cursor.frames.push_back(std::make_unique<document::TKvIcon>());
  EXPECT_EQ(WriteAniMemory(cursor).error().code, Fail::kFrameWithoutImage);
  test::TempDir dir;
  EXPECT_FALSE(WriteAniFile(cursor, (dir / "x.ani").string()));
  EXPECT_FALSE(std::filesystem::exists(dir / "x.ani"));
}

}  // namespace
}  // namespace pixmint::formats
