#include "editor/undo.h"

#include <unistd.h>

#include <functional>

#include "editor/document_history.h"
#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class UndoTest : public EditorTest {
 protected:
  void SetUp() override {
    StartIcon(16, 16, 24);
    Pencil(kRed);
  }
  std::filesystem::path UndoFolder() {
    for (const auto& e : std::filesystem::directory_iterator(host.TempFolder())) {
      if (e.is_directory()) return e.path();
    }
    return {};
  }
};

// A cleaner of temporary files takes the snapshots' folder, or the whole
// private folder, while the editor runs; or no snapshot can be written at
// all. Drawing goes on: a lost folder is made anew and what was drawn before
// is one step of the document's history; where nothing can be written each
// change is made without a step and the user is told once. The snapshots'
// folder, made anew too, is the user's alone.
TEST_F(UndoTest, LostOrUnwritableSnapshotsNeverStopTheDrawing) {
  const struct {
    const char* name;
    std::function<void()> lose;
    std::size_t messages;
    int undos;  // back to the blank image
  } cases[] = {
      {"undo folder", [this] { std::filesystem::remove_all(UndoFolder()); }, 0, 3},
      {"private folder", [this] { std::filesystem::remove_all(host.TempFolder()); }, 0, 3},
      {"nothing written",
       [this] {
         // A folder where each snapshot file would go.
         for (int k = 0; k < 8; ++k) {
           const auto name = UndoFolder() / (std::to_string(::getpid()) + "K_K" + std::to_string(k) + ".rgb");
           std::filesystem::remove(name);
           std::filesystem::create_directories(name / "in-the-way");
         }
       },
       1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    SetUp();
    Click(0, 0);
    c.lose();
    host.messages.clear();
    Click(1, 1);
    Click(2, 2);
    EXPECT_EQ(host.messages.size(), c.messages);
    EXPECT_EQ(std::filesystem::status(UndoFolder()).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(Work(2, 2), kRed);
    EXPECT_EQ(Doc().XorBitmap(0)->GetPixel(1, 1) & 0xFFFFFF, kRed);
    int undos = 0;
    for (; ws.IsEnabled("tbtnUndo") && undos < 5; ++undos) ws.Run(CommandId::kUndo);
    EXPECT_EQ(undos, c.undos);
    for (int x : {0, 1, 2}) EXPECT_TRUE(Mask(x, x)) << x;
    while (ws.IsEnabled("tbtnRedo")) ws.Run(CommandId::kRedo);
    for (int x : {0, 1, 2}) EXPECT_FALSE(Mask(x, x)) << x;
    EXPECT_EQ(host.messages.size(), c.messages);
  }
}

TEST_F(UndoTest, UnreadableSnapshotLeavesCounterBuffersAndImage) {
  Click(0, 0);
  Click(1, 0);
  const std::filesystem::path folder = UndoFolder();
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    if (e.path().filename().string().ends_with("K_K1.rgb")) std::filesystem::remove(e.path());
  }
  host.messages.clear();
  ws.Run(CommandId::kUndo);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Work(1, 0), kRed);
  EXPECT_FALSE(Mask(1, 0));
  EXPECT_FALSE(ws.IsEnabled("tbtnRedo"));
  EXPECT_FALSE(ws.IsEnabled("tbtnUndo"));
}

TEST_F(UndoTest, AlphaAndRgbHistoriesAreSeparate) {
  ws.SelectImage(0);
  host.Push(ImageFormat{16, 16, 32});
  ws.Run(CommandId::kAddImage);
  Pencil(kRed);
  ws.Run(CommandId::kModeAlpha);
  ASSERT_TRUE(S().AlphaMode);
  ws.SetOpacityText("50");
  Click(2, 2);
  ws.Run(CommandId::kModeRgb);
  ws.ChooseTool(tools::ToolId::kPencil);
  Click(2, 2);
  ws.Run(CommandId::kUndo);  // the colour stroke goes, the alpha painted before it stays
  EXPECT_FALSE(Mask(2, 2));
  EXPECT_EQ(Raw(2, 2), 0x7F000000u);
  ws.Run(CommandId::kModeAlpha);
  EXPECT_EQ(S().AlphaBitmap.Pixel(2, 2), Rgb(127, 127, 127));
  ws.Run(CommandId::kUndo);
  EXPECT_TRUE(Mask(2, 2));
  EXPECT_EQ(Raw(2, 2), 0u);
  // Once another image is shown, what was drawn on this one, alpha too, is
  // one step of the document's history that brings the image back.
  ws.Run(CommandId::kRedo);
  EXPECT_EQ(S().AlphaBitmap.Pixel(2, 2), Rgb(127, 127, 127));
  ws.Run(CommandId::kModeRgb);
  ws.SelectImage(0);
  ws.Run(CommandId::kUndo);
  EXPECT_EQ(S().CurrentImage, 1);
  EXPECT_EQ(Raw(2, 2), 0u);
}

}  // namespace
}  // namespace pixmint::editor::test
