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

TEST_F(RoutingTest, DropperReadsPicksAndReturns) {
  Pencil(Rgb(12, 34, 56));
  Click(3, 3);
  ws.ChooseTool(tools::ToolId::kDropper);
  Move(3, 3);
  EXPECT_EQ(ws.StatusText(2), "R12 G34 B56");
  EXPECT_EQ(ws.StatusText(1), "X3, Y3");
  Move(9, 9);
  EXPECT_EQ(ws.StatusText(2), "Transparent");
  ws.Run(CommandId::kDefaultColours);
  Click(3, 3, tools::ShiftState::kAlt);
  EXPECT_EQ(S().BackColor.colour, Rgb(12, 34, 56));
  EXPECT_EQ(Fore(), kBlack);
  EXPECT_EQ(tools::Number(S().ToolId), 100);  // back to the last drawing tool
  ws.ChooseTool(tools::ToolId::kDropper);
  Click(9, 9);  // a transparent pixel gives the transparent colour
  EXPECT_EQ(S().ForeColor, raster::kTransparentPaint);
}

TEST_F(RoutingTest, DropperOutsideTheImageTakesNothing) {
  ws.ChooseTool(tools::ToolId::kDropper);
  ws.CanvasMouseMove(tools::ShiftState::kNone, -20, 5);
  EXPECT_EQ(ws.StatusText(2), "");
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, 5, 5);
  ws.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, 16 * S().Zoom + 30, 5);
  EXPECT_EQ(Fore(), kRed);
  EXPECT_EQ(tools::Number(S().ToolId), 112);
}

TEST_F(RoutingTest, MousePositionsTruncateTowardZero) {
  ws.ChooseTool(tools::ToolId::kDropper);
  for (auto [sx, text] : {std::pair{-3, "X0, Y1"}, {-8, "X-1, Y1"}, {127, "X15, Y1"}}) {
    ws.CanvasMouseMove(tools::ShiftState::kNone, sx, 10);
    EXPECT_EQ(ws.StatusText(1), text);
  }
}

TEST_F(RoutingTest, MarqueeMakesAFloatThatMoveScaleDragsAndMerges) {
  Click(2, 2);
  ws.ChooseTool(tools::ToolId::kSelectBas);
  Drag(1, 1, 5, 5);
  ASSERT_TRUE(S().HasFloat);
  EXPECT_EQ(tools::Number(S().ToolId), 115);
  EXPECT_TRUE(ws.IsEnabled("tbtnCut"));
  EXPECT_TRUE(ws.IsEnabled("pmuMerge"));
  const raster::Rect r{S().FloatLeft * 8, S().FloatTop * 8, (S().FloatLeft + S().FloatBitmap.Width()) * 8,
                       (S().FloatTop + S().FloatBitmap.Height()) * 8};
  // Five screen pixels left of the frame still grabs it (away from handles).
  ws.CanvasMouseMove(tools::ShiftState::kNone, r.left - 5, r.top + 13);
  EXPECT_EQ(host.Cursor(), CursorShape::kSizeAll);
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, r.left - 5, r.top + 13);
  ws.CanvasMouseMove(tools::ShiftState::kLeftButton, r.left - 5 + 40, r.top + 13);
  ws.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, r.left - 5 + 40, r.top + 13);
  EXPECT_TRUE(S().HasFloat);
  EXPECT_EQ(S().FloatLeft, 1 + 5);
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, 1 * 8 - 6,
                     r.top + 13);  // left of the moved frame by 6+: merge
  EXPECT_FALSE(S().HasFloat);
  EXPECT_FALSE(ws.IsEnabled("tbtnCut"));
  EXPECT_EQ(tools::Number(S().ToolId), 100);
  EXPECT_EQ(Work(2 + 5, 2), kRed);  // the merged copy
  EXPECT_EQ(Work(2, 2), kRed);      // the marquee leaves the picture under it
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

TEST_F(RoutingTest, TextAndNoToolOnlyCommit) {
  host.Push(CancelAnswer{});
  ws.ChooseTool(tools::ToolId::kText);
  Press(3, 3);
  EXPECT_TRUE(S().IsDragging);
  Release(3, 3);
  EXPECT_FALSE(S().IsDragging);
  EXPECT_FALSE(ws.IsEnabled("tbtnUndo"));
  EXPECT_EQ(Work(3, 3), kTransparent);
}

TEST_F(RoutingTest, LassoOutlineSpansClicksUntilClosed) {
  ws.ChooseTool(tools::ToolId::kSelectAdv);
  Click(2, 2);
  EXPECT_NE(ws.NextToolClick(), 0);
  Click(10, 2);
  Click(10, 10);
  EXPECT_FALSE(S().HasFloat);
  Click(2, 2);
  EXPECT_EQ(ws.NextToolClick(), 0);
  EXPECT_TRUE(S().HasFloat);
  EXPECT_EQ(tools::Number(S().ToolId), 115);
}

TEST_F(RoutingTest, AlphaPencilClickPaintsOnePixelAndHoverReadsOpacity) {
  host.Push(ImageFormat{8, 8, 32});
  ws.Run(CommandId::kAddImage);
  ws.Run(CommandId::kModeAlpha);
  ws.SetOpacityText("50");
  Click(3, 3);
  raster::Picture expected(8, 8, kRed);
  expected.SetPixel(3, 3, Rgb(127, 127, 127));
  EXPECT_TRUE(pixmint::test::SamePicture(expected, S().AlphaBitmap));
  ws.CanvasMouseMove(tools::ShiftState::kNone, Sc(3), Sc(3));
  EXPECT_EQ(ws.StatusText(2), "Opacity: 49");
  ws.CanvasMouseMove(tools::ShiftState::kNone, Sc(4), Sc(3));
  EXPECT_EQ(ws.StatusText(2), "Transparent");
  ws.ChooseTool(tools::ToolId::kLine);  // the line in Alpha mode draws a straight line
  ws.SetOpacityText("100");
  Drag(0, 0, 4, 0);
  EXPECT_EQ(S().AlphaBitmap.Pixel(2, 0), kWhite);
  EXPECT_EQ(S().AlphaBitmap.Pixel(4, 0), kRed);  // end point left out
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
