#include "editor/commands.h"
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
  EXPECT_EQ(S().ForeColor.colour, kRed);
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

TEST_F(EditorTest, ZoomStopsAtItsLimitsButAutoZoomDoesNotAndToolsFollowIt) {
  ws.SetViewportSize(400, 353);
  StartIcon(16, 16, 24);
  for (int i = 0; i < 20; ++i) ws.Run(CommandId::kZoomIn);
  EXPECT_EQ(S().Zoom, 16);
  for (int i = 0; i < 20; ++i) ws.Run(CommandId::kZoomOut);
  EXPECT_EQ(S().Zoom, 1);
  ws.Run(CommandId::kZoomAuto);
  EXPECT_EQ(S().Zoom, 20);
  EXPECT_EQ(ws.Layout().canvasWidth, 320);
  EXPECT_EQ(ws.Layout().panelLeft, (400 - 330) / 2);
  ws.Run(CommandId::kZoomIn);
  EXPECT_EQ(S().Zoom, 20);
  ws.SetZoom(1000);  // a canvas of 16000 pixels a side is refused
  EXPECT_EQ(S().Zoom, 20);
  host.Push(ImageFormat{64, 256, 32});
  ws.Run(CommandId::kAddImage);
  ws.Run(CommandId::kZoomAuto);
  EXPECT_EQ(S().Zoom, 1);
  // Back from Alpha mode, where the zoom changed, the tool is built anew for
  // the new screen.
  Pencil(kRed);
  ws.ChooseTool(tools::ToolId::kLine);
  ws.Run(CommandId::kModeAlpha);
  ws.SetZoom(8);
  ws.Run(CommandId::kModeRgb);
  Press(1, 15);
  Move(15, 15);
  EXPECT_EQ(ws.Screen().Pixel(Sc(15), Sc(15)), kRed);
  Release(15, 15);
  // Larger than the view: the canvas starts at the corner, so scrolling
  // reaches every pixel.
  EXPECT_EQ(ws.Layout().panelLeft, 0);
  EXPECT_EQ(ws.Layout().panelTop, 0);
  ws.SetViewportSize(400, 200);
  ws.Run(CommandId::kZoomAuto);  // no area at all, and no division by it
  EXPECT_EQ(S().Zoom, 0);
  EXPECT_TRUE(ws.Screen().Empty());
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, 1, 1);
  ws.CanvasMouseMove(tools::ShiftState::kNone, 1, 1);
}

// Before a document is open, or in Alpha mode, a command whose needs are not
// met reports itself disabled and changes nothing from any path.
TEST_F(EditorTest, DisabledCommandsDoNothing) {
  for (int phase = 0; phase < 2; ++phase) {
    if (phase == 1) {
      StartIcon(8, 8, 32);
      Pencil(kRed);
      Click(1, 1);
      ASSERT_TRUE(ws.Run(CommandId::kModeAlpha));
    }
    for (const CommandInfo& c : Commands()) {
      if (ws.IsEnabled(c.id) || c.id == CommandId::kModeRgb) continue;
      const std::size_t dialogs = host.PendingAnswers() + host.messages.size() + host.fileDialogs.size();
      const std::size_t images = Doc().ImageCount();
      const bool hadFloat = S().HasFloat;
      EXPECT_FALSE(ws.Run(c)) << c.menuItem << c.button;
      if (!c.menuItem.empty()) {
        EXPECT_FALSE(ws.RunControl(c.menuItem));
      }
      EXPECT_EQ(host.PendingAnswers() + host.messages.size() + host.fileDialogs.size(), dialogs);
      EXPECT_EQ(Doc().ImageCount(), images);
      EXPECT_EQ(S().HasFloat, hadFloat);
      EXPECT_TRUE(host.shellCommands.empty());
    }
  }
  EXPECT_FALSE(ws.RunControl("btnBrush")) << "only the pencil and line paint alpha";
}

}  // namespace
}  // namespace pixmint::editor::test
