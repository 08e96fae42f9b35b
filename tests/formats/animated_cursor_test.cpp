#include "formats/animated_cursor.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "format_samples.h"

namespace pixmint::formats {
namespace {

using test::MakeCursor;

// Frames A, B, C (and D to insert); the letters name frames by identity, a
// lower-case letter a copy of that frame.
struct EditCase {
  std::string name;
  bool customSequence = false;
  std::function<bool(AnimatedCursor&, std::unique_ptr<document::TKvIcon>&)> edit;
  std::string framesAfter;
  std::vector<AnimationStep> stepsAfter;
};

class FrameEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(FrameEdits, StepsFollowTheirPictures) {
  const EditCase& c = GetParam();
  AnimatedCursor cursor;
  std::map<const document::TKvIcon*, char> names;
  for (int f = 0; f < 3; ++f) {
    cursor.frames.push_back(MakeCursor({{16, 8, {}}}, f));
    names[cursor.frames.back().get()] = static_cast<char>('A' + f);
  }
  auto extra = MakeCursor({{16, 8, {}}}, 3);
  names[extra.get()] = 'D';
  cursor.steps = c.customSequence ? std::vector<AnimationStep>{{2, 1}, {0, 2}, {2, 3}, {1, 4}}
                                  : std::vector<AnimationStep>{{0, 1}, {1, 2}, {2, 3}};
  const std::vector<AnimationStep> before = cursor.steps;
  // extra stays alive here unless the edit takes it, so every name stays valid.
  const bool ok = c.edit(cursor, extra);
  EXPECT_EQ(ok, !c.framesAfter.empty());
  std::string frames;
  for (const auto& f : cursor.frames) {
    const auto it = names.find(f.get());
    if (it != names.end()) {
      frames += it->second;
      continue;
    }
    // A copy: name it after the frame it equals.
    for (const auto& [original, letter] : names) {
      if (original != nullptr && test::SameIcon(*original, *f)) frames += static_cast<char>(letter - 'A' + 'a');
    }
  }
  EXPECT_EQ(frames, c.framesAfter.empty() ? "ABC" : c.framesAfter);
  EXPECT_EQ(cursor.steps, c.framesAfter.empty() ? before : c.stepsAfter);
  EXPECT_FALSE(cursor.Problem());
}

auto Insert(std::size_t at) {
  return [at](AnimatedCursor& c, std::unique_ptr<document::TKvIcon>& d) { return InsertFrame(c, at, std::move(d), 9); };
}
auto Remove(std::size_t at) {
  return [at](AnimatedCursor& c, std::unique_ptr<document::TKvIcon>&) { return RemoveFrame(c, at); };
}
auto Duplicate(std::size_t at) {
  return [at](AnimatedCursor& c, std::unique_ptr<document::TKvIcon>&) { return DuplicateFrame(c, at); };
}
auto Move(std::size_t from, std::size_t to) {
  return [from, to](AnimatedCursor& c, std::unique_ptr<document::TKvIcon>&) { return MoveFrame(c, from, to); };
}

INSTANTIATE_TEST_SUITE_P(
    Edits, FrameEdits,
    ::testing::Values(
        EditCase{"InsertInOrder", false, Insert(1), "ADBC", {{0, 1}, {1, 9}, {2, 2}, {3, 3}}},
        EditCase{"AppendInOrder", false, Insert(3), "ABCD", {{0, 1}, {1, 2}, {2, 3}, {3, 9}}},
        EditCase{"InsertBeyondEnd", false, Insert(4), "", {}},
        EditCase{"RemoveInOrder", false, Remove(1), "AC", {{0, 1}, {1, 3}}},
        EditCase{"DuplicateInOrder", false, Duplicate(1), "ABbC", {{0, 1}, {1, 2}, {2, 2}, {3, 3}}},
        EditCase{"MoveForwardInOrder", false, Move(0, 2), "BCA", {{0, 2}, {1, 3}, {2, 1}}},
        EditCase{"MoveBackInOrder", false, Move(2, 0), "CAB", {{0, 3}, {1, 1}, {2, 2}}},
        EditCase{"InsertInSequence", true, Insert(2), "ABDC", {{2, 9}, {3, 1}, {0, 2}, {3, 3}, {1, 4}}},
        EditCase{"RemoveInSequence", true, Remove(2), "AB", {{0, 2}, {1, 4}}},
        EditCase{"DuplicateInSequence", true, Duplicate(2), "ABCc", {{2, 1}, {3, 1}, {0, 2}, {2, 3}, {3, 3}, {1, 4}}},
        EditCase{"MoveInSequence", true, Move(0, 2), "BCA", {{1, 1}, {2, 2}, {1, 3}, {0, 4}}}),
    [](const auto& info) { return info.param.name; });

TEST(CloneIcon, KeepsTablesFlagsAndHotSpotsOfIconsAndCursors) {
  for (bool isIcon : {true, false}) {
    auto icon = MakeCursor({{16, 4, {3, 5}}, {24, 24, {7, 1}}, {256, 32, {200, 100}}});
    ASSERT_TRUE(icon->ChangeFormat(1, 24, 24, 8));  // a table of its own
    icon->SetHotSpot(1, {7, 1});
    icon->SetPngCompressed(2, true);
    icon->SetIcon(isIcon);
    const auto copy = CloneIcon(*icon);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(test::SameIcon(*icon, *copy));
  }
  EXPECT_FALSE(CloneIcon(document::TKvIcon{}));
}

}  // namespace
}  // namespace pixmint::formats
