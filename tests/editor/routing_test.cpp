#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class RoutingTest : public EditorTest {
 protected:
  void SetUp() override {
    StartIcon(16, 16, 24);
    Pencil(kRed);
  }
};

// Every drawing tool paints on release, opens one undo step and marks the
// document changed; a right-button press does nothing at all.
TEST_F(RoutingTest, StrokeToolsPaintAndRecordOneStep) {
  for (int tool : {100, 101, 102, 104, 105, 106, 107, 108, 109, 111, 113}) {
    ws.SelectImage(0);
    ws.ChooseTool(static_cast<tools::ToolId>(tool));
    ws.CanvasMouseDown(MouseButton::kRight, tools::ShiftState::kNone, Sc(8), Sc(8));
    ws.CanvasMouseUp(MouseButton::kRight, tools::ShiftState::kNone, Sc(8), Sc(8));
    EXPECT_FALSE(ws.IsEnabled("tbtnUndo")) << tool;
    EXPECT_EQ(Work(8, 8), kTransparent) << tool;
    Press(4, 4);
    EXPECT_TRUE(S().IsDragging);
    Move(12, 12);
    Release(12, 12);
    host.SetTimer(0);
    EXPECT_FALSE(S().IsDragging);
    EXPECT_TRUE(ws.IsEnabled("tbtnUndo")) << tool;
    EXPECT_TRUE(ws.IsEnabled("tbtnSave")) << tool;
    ws.Run(CommandId::kUndo);
    EXPECT_FALSE(ws.IsEnabled("tbtnUndo")) << tool;
  }
}

// During a drag the tool shows its preview on the screen only; after the
// release the screen is what a full repaint of the pictures gives.
TEST_F(RoutingTest, ScreenShowsThePreviewThenTheCommittedPicture) {
  for (int tool : {102, 104, 105, 116}) {
    ws.SelectImage(0);  // also takes the image's first colour, black
    ws.ChooseTool(static_cast<tools::ToolId>(tool));
    Press(2, 2);
    Move(9, 9);
    EXPECT_EQ(ws.Screen().Pixel(Sc(2), Sc(2)), tool == 116 ? raster::Markers().trans : kBlack) << tool;
    EXPECT_EQ(Work(2, 2), kTransparent) << tool;
    Release(9, 9);
    const raster::Picture shown = ws.Screen();
    ws.SetZoom(S().Zoom);  // lays out and repaints everything
    EXPECT_TRUE(pixmint::test::SamePicture(ws.Screen(), shown)) << tool;
    ws.Run(CommandId::kUndo);
  }
}

TEST_F(RoutingTest, CurveCountsItsClicksAndIsOneUndoStep) {
  ws.ChooseTool(tools::ToolId::kCurve);
  const std::vector<int> stages{1, 2, 0};
  Drag(1, 8, 14, 8);
  EXPECT_EQ(ws.NextToolClick(), stages[0]);
  Click(4, 2);
  EXPECT_EQ(ws.NextToolClick(), stages[1]);
  Click(10, 14);
  EXPECT_EQ(ws.NextToolClick(), stages[2]);
  EXPECT_EQ(Work(1, 8), kRed);
  ws.Run(CommandId::kUndo);  // the whole curve goes at once
  EXPECT_EQ(Work(1, 8), kTransparent);
  EXPECT_FALSE(ws.IsEnabled("tbtnUndo"));
}

// Screen positions truncate toward zero into image pixels; outside the image
// the dropper reads and takes nothing.
TEST_F(RoutingTest, DropperReadsWhereThePointerIs) {
  ws.ChooseTool(tools::ToolId::kDropper);
  ws.CanvasMouseMove(tools::ShiftState::kNone, -20, 5);
  EXPECT_EQ(ws.StatusText(2), "");
  for (auto [sx, text] : {std::pair{-3, "X0, Y1"}, {-8, "X-1, Y1"}, {127, "X15, Y1"}}) {
    ws.CanvasMouseMove(tools::ShiftState::kNone, sx, 10);
    EXPECT_EQ(ws.StatusText(1), text);
  }
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, 5, 5);
  ws.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, 16 * S().Zoom + 30, 5);
  EXPECT_EQ(Fore(), kRed);
  EXPECT_EQ(tools::Number(S().ToolId), 112);
}

// Screen offsets around the floating selection's frame: inside the grown
// rectangle the press grabs the selection, outside it merges it.
TEST_F(RoutingTest, MoveScalePressGrabsWithinFivePixels) {
  struct Case {
    int dx;
    bool grabs;
  };
  for (const Case& c : {Case{-6, false}, Case{-5, true}, Case{4, true}, Case{5, false}}) {
    ws.SelectImage(0);
    Clip(raster::Picture(4, 4, kRed));
    ws.Run(CommandId::kPaste);  // at (6, 6): screen 48..80
    const int x = c.dx < 0 ? 48 + c.dx : 80 + c.dx;
    ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, x, 61);
    EXPECT_EQ(S().HasFloat, c.grabs) << c.dx;
    EXPECT_EQ(S().IsDragging, c.grabs) << c.dx;
    ws.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, x, 61);
    EXPECT_EQ(tools::Number(S().ToolId), c.grabs ? 115 : 100) << c.dx;
  }
}

// A zoom changed in Alpha mode rebuilds the tool for the new screen.
TEST_F(RoutingTest, ToolsDrawAtAZoomChangedInAlphaMode) {
  host.Push(ImageFormat{16, 16, 32});
  ws.Run(CommandId::kAddImage);
  ws.ChooseTool(tools::ToolId::kLine);
  ws.Run(CommandId::kModeAlpha);
  ws.SetZoom(4);
  ws.Run(CommandId::kModeRgb);
  Pencil(kRed);
  Drag(1, 15, 15, 15);
  EXPECT_EQ(Work(15, 15), kRed);
}

TEST_F(RoutingTest, SprayBurstsOnTimerTicks) {
  ws.ChooseTool(tools::ToolId::kSpray);
  Press(8, 8);
  EXPECT_EQ(host.Timer(), 110);
  for (int i = 0; i < 5; ++i) ws.TimerTick();
  Release(8, 8);
  EXPECT_EQ(host.Timer(), 0);
  int painted = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) painted += Work(x, y) == kRed;
  }
  EXPECT_GT(painted, 0);
}

}  // namespace
}  // namespace pixmint::editor::test
