#include "editor/animation.h"

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "editor/document_history.h"
#include "editor_fixture.h"
#include "format_samples.h"
#include "formats/ani_file.h"
#include "formats/xcursor.h"
#include "hostile_inputs.h"
#include "script/script_runner.h"

namespace pixmint::editor::test {
namespace {

using formats::AnimatedCursor;
using formats::AnimationStep;
using pixmint::test::ImageSpec;
using pixmint::test::MakeCursor;

// An animation of `frames` frames, each of a 32 and a 16 pixel image with its
// own hot spot and pixels, played by the given steps.
AnimatedCursor MakeAnimation(int frames, std::vector<AnimationStep> steps) {
  AnimatedCursor a;
  for (int f = 0; f < frames; ++f) {
    a.frames.push_back(MakeCursor({{32, 32, {f, 2 * f}}, {16, 32, {1, 1}}}, f + 1));
  }
  a.steps = std::move(steps);
  a.title = "Busy";
  a.author = "Someone";
  return a;
}

class AnimationTest : public EditorTest {
 protected:
  // Opens an animation written to a file, as the window's start does.
  void OpenAnimation(const AnimatedCursor& a, const std::string& name = "busy.ani") {
    const std::string path = (dir / name).string();
    ASSERT_TRUE(formats::WriteAniFile(a, path));
    ws.Start(ParseStartArgument(path));
    ASSERT_TRUE(S().DocumentOpen);
    ASSERT_NE(S().Animation, nullptr);
  }
  // What each step shows: the colour at pixel (0, 0) of its frame's first
  // image (what identifies the frame's picture), that image's hot spot, and
  // for how long.
  using Show = std::tuple<Colour, int, int, std::uint32_t>;
  [[nodiscard]] std::vector<Show> Shown() {
    std::vector<Show> shown;
    const auto composed = ComposeAnimation(Doc(), *S().Animation);
    EXPECT_NE(composed, nullptr);
    if (!composed) return shown;
    EXPECT_FALSE(composed->Problem());
    for (const AnimationStep& step : composed->steps) {
      const document::TKvIcon& frame = *composed->frames.at(step.frame);
      const raster::Point spot = frame.GetHotSpot(0);
      shown.emplace_back(frame.XorBitmap(0)->GetPixel(0, 0) & 0xFFFFFF, spot.x, spot.y, step.jiffies);
    }
    return shown;
  }
};

// Eight frames of 1024 x 1024 make 32 MB of pictures: hot-spot steps keep
// none of them again (they are steps of the image shown), and the document
// history counts, against its cap, every picture its steps keep (each once).
TEST_F(AnimationTest, DocumentStepsShareUnchangedFramesAndCountAllTheyKeep) {
  const std::string path = (dir / "large.ani").string();
  ASSERT_TRUE(document::WriteFileAtomically(path, pixmint::test::AniLargeFrames(8)));
  ws.Start(ParseStartArgument(path));
  ASSERT_NE(S().Animation, nullptr);
  ASSERT_EQ(S().ImageEntries, 8);
  const raster::Point opened = Doc().GetHotSpot(0);
  const std::size_t picture = Doc().IR()->Images[0].Data.size();
  for (int i = 1; i <= 40; ++i) ws.SetHotSpot(i % 30, i % 20);
  EXPECT_EQ(ws.DocHistory().StepCount(), 0u);
  // The document's images and the animation's frames are the same pictures.
  EXPECT_EQ(ws.DocHistory().KeptBytes(), 8 * picture);
  ws.SetZoom(1);
  Pencil(kRed);
  for (int frame = 0; frame < 3; ++frame) {
    ws.SelectImage(frame);
    Click(5, 5);
  }
  ws.SelectImage(3);
  EXPECT_EQ(ws.DocHistory().KeptBytes(), 11 * picture) << "each drawn frame once more";
  // Back through the three drawn visits and the hot spots' visit before them
  // (the frame shown again ended it): the shared pictures rebuild the
  // document as it was.
  for (int i = 0; i < 4; ++i) ws.Run(CommandId::kUndo);
  EXPECT_EQ(Doc().XorBitmap(0)->GetPixel(5, 5) & 0xFFFFFF, Doc().XorBitmap(0)->GetPixel(6, 6) & 0xFFFFFF);
  EXPECT_EQ(Doc().GetHotSpot(0), opened);
}

TEST_F(AnimationTest, FramesOpenAsImagesAndSaveBackWithTheirStepsSizesAndEdits) {
  const AnimatedCursor original = MakeAnimation(3, {{0, 5}, {2, 7}, {1, 20}, {2, 7}});
  OpenAnimation(original);
  EXPECT_EQ(S().ImageEntries, 3);
  EXPECT_FALSE(S().IsIcon);
  for (std::uint32_t f = 0; f < 3; ++f) {
    EXPECT_EQ(Doc().GetHotSpot(f), original.frames[f]->GetHotSpot(0));
    EXPECT_TRUE(std::ranges::equal(Doc().XorBitmap(f)->Bits(), original.frames[f]->XorBitmap(0)->Bits()));
  }
  EXPECT_FALSE(ws.IsEnabled("tbtnSave"));  // nothing changed yet

  ws.SelectImage(1);
  Pencil(kRed);
  Click(4, 4);
  ASSERT_TRUE(ws.IsEnabled("tbtnSave"));
  ws.Run(CommandId::kSave);
  EXPECT_TRUE(host.fileDialogs.empty());  // an .ani document saves in place
  EXPECT_FALSE(S().Modified);

  const auto read = formats::ReadAniFile((dir / "busy.ani").string(), nullptr);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->steps, original.steps);
  EXPECT_EQ(read->title, "Busy");
  EXPECT_EQ(read->author, "Someone");
  ASSERT_EQ(read->frames.size(), 3u);
  for (std::size_t f = 0; f < 3; ++f) {
    // The second size, never shown in the editor, is kept as it was read.
    ASSERT_EQ(read->frames[f]->ImageCount(), 2u);
    EXPECT_TRUE(std::ranges::equal(read->frames[f]->XorBitmap(1)->Bits(), original.frames[f]->XorBitmap(1)->Bits()));
    const bool edited = f == 1;
    EXPECT_EQ((read->frames[f]->XorBitmap(0)->GetPixel(4, 4) & 0xFFFFFF) == kRed, edited) << f;
  }
}

// Image commands on random frames: every step keeps showing the picture it
// showed, with its hot spot, for as long, and a step list in frame order
// stays in frame order.
TEST_F(AnimationTest, ImageCommandsKeepEveryStepOnItsPicture) {
  for (const bool inOrder : {true, false}) {
    Restart();
    OpenAnimation(inOrder ? MakeAnimation(3, {{0, 5}, {1, 6}, {2, 7}}) : MakeAnimation(3, {{2, 5}, {0, 6}, {2, 9}}));
    // Each frame marked with its own colour at (0, 0).
    int nextColour = 1;
    for (int k = 0; k < S().ImageEntries; ++k) {
      ws.SelectImage(k);
      Pencil(Rgb(static_cast<std::uint8_t>(nextColour++), 77, 99));
      Click(0, 0);
    }
    std::mt19937 random(inOrder ? 7 : 11);
    for (int round = 0; round < 40; ++round) {
      auto before = Shown();
      const int count = S().ImageEntries;
      const int pick = static_cast<int>(random() % static_cast<unsigned>(count));
      const int other = static_cast<int>(random() % static_cast<unsigned>(count));
      const Colour picked = Doc().XorBitmap(pick)->GetPixel(0, 0) & 0xFFFFFF;
      ws.SelectImage(pick);
      switch (random() % 4) {
        case 0: {  // a new frame, marked with its own colour; one new step at the end
          if (count >= 8) continue;
          host.Push(ImageFormat{32, 32, 32});
          ws.Run(CommandId::kAddImage);
          const Colour mark = Rgb(static_cast<std::uint8_t>(nextColour++), 77, 99);
          Pencil(mark);
          Click(0, 0);
          before.emplace_back(mark, 0, 0, formats::kDefaultJiffies);
          break;
        }
        case 1: {  // its steps go with it
          if (count < 2) continue;
          ws.Run(CommandId::kDeleteImage);
          std::erase_if(before, [&](const Show& s) { return std::get<0>(s) == picked; });
          break;
        }
        case 2: {  // each of its steps is followed by one showing the copy
          if (count >= 8) continue;
          ws.Run(CommandId::kDuplicateImage);
          const Colour mark = Rgb(static_cast<std::uint8_t>(nextColour++), 77, 99);
          Pencil(mark);
          Click(0, 0);
          std::vector<Show> twice;
          for (const Show& s : before) {
            twice.push_back(s);
            if (std::get<0>(s) == picked) twice.emplace_back(mark, std::get<1>(s), std::get<2>(s), std::get<3>(s));
          }
          before = twice;
          break;
        }
        default:
          ws.ImageListMouseDown(pick);
          ws.ImageListMouseUp(other);
          break;
      }
      const auto after = Shown();
      ASSERT_EQ(S().ImageEntries, static_cast<int>(S().Animation->frames.size()));
      if (inOrder) {
        // Frame order: the same pictures and times, in the frames' new order.
        EXPECT_TRUE(S().Animation->StepsInFrameOrder()) << round;
        auto a = after, b = before;
        std::ranges::sort(a);
        std::ranges::sort(b);
        EXPECT_EQ(a, b) << round;
      } else {
        EXPECT_EQ(after, before) << round;
      }
    }
  }
}

TEST_F(AnimationTest, StepsDialogMakesACursorAnAnimationSavedAsAni) {
  StartIcon(32, 32, 32, /*cursor=*/true);
  host.Push(ImageFormat{32, 32, 32});
  ws.Run(CommandId::kAddImage);
  ASSERT_EQ(S().Animation, nullptr);
  ASSERT_TRUE(ws.IsEnabled("mnuToolAnimation"));

  // Cancelled: still a plain cursor, nothing changed.
  ws.Run(CommandId::kAnimation);
  EXPECT_EQ(S().Animation, nullptr);

  host.Push(std::vector<AnimationStep>{{1, 3}, {0, 30}});
  ws.Run(CommandId::kAnimation);
  ASSERT_NE(S().Animation, nullptr);
  EXPECT_TRUE(S().Modified);

  // Saved under a name without .ani, the file gets the extension.
  host.Push((dir / "spin").string());
  ws.Run(CommandId::kSave);
  ASSERT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_NE(host.fileDialogs[0].filter.find("*.ani"), std::string::npos);
  const auto read = formats::ReadAniFile((dir / "spin.ani").string(), nullptr);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->steps, (std::vector<AnimationStep>{{1, 3}, {0, 30}}));
  EXPECT_EQ(DocumentName(S()), (dir / "spin.ani").string());
  // Exported to Xcursor and read back (the content tells, not the name), it
  // is in no file of ours: untitled and unsaved.
  host.Push((dir / "spin-x").string());
  ws.Run(CommandId::kExportXcursor);
  Restart();
  ws.Start(ParseStartArgument((dir / "spin-x").string()));
  ASSERT_NE(S().Animation, nullptr);
  EXPECT_EQ(S().Animation->steps.size(), 2u);
  EXPECT_EQ(DocumentName(S()), "无标题(指针)");
  EXPECT_TRUE(S().Modified);

  // Icons have no animation; neither command is there.
  Restart();
  StartIcon(32, 32, 32);
  EXPECT_FALSE(ws.IsEnabled("mnuToolAnimation"));
  EXPECT_FALSE(ws.IsEnabled("mnuFileExportXcursor"));
}

TEST_F(AnimationTest, AnimationsTooLongForTheImageListAreRefused) {
  std::vector<AnimationStep> steps;
  for (std::uint32_t f = 0; f <= document::kMaxImages; ++f) steps.push_back({f, 2});
  AnimatedCursor a;
  for (std::uint32_t f = 0; f <= document::kMaxImages; ++f) a.frames.push_back(MakeCursor({{16, 32, {}}}, 1));
  a.steps = steps;
  const std::string path = (dir / "long.ani").string();
  ASSERT_TRUE(formats::WriteAniFile(a, path));
  ws.Start(ParseStartArgument(path));
  EXPECT_FALSE(S().DocumentOpen);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.front().text, "这个动画指针的帧超过 32 个, 不能作为一个文件编辑.");
}

}  // namespace
}  // namespace pixmint::editor::test
