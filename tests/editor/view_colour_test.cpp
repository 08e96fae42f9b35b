#include "editor/colour_state.h"
#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class ViewTest : public EditorTest {};

TEST_F(ViewTest, ZoomStopsAtItsLimitsButAutoZoomDoesNot) {
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
  host.Push(ImageFormat{64, 256, 24});
  ws.Run(CommandId::kAddImage);
  ws.Run(CommandId::kZoomAuto);
  EXPECT_EQ(S().Zoom, 1);
  // Larger than the view: the canvas starts at the corner, so scrolling
  // reaches every pixel.
  ws.SetZoom(8);
  EXPECT_EQ(ws.Layout().panelLeft, 0);
  EXPECT_EQ(ws.Layout().panelTop, 0);
  ws.SetViewportSize(400, 200);
  ws.Run(CommandId::kZoomAuto);  // no area at all, and no division by it
  EXPECT_EQ(S().Zoom, 0);
  EXPECT_TRUE(ws.Screen().Empty());
  ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, 1, 1);
  ws.CanvasMouseMove(tools::ShiftState::kNone, 1, 1);
}

// The default colours are the image's first two palette entries; the alpha
// read-out goes with Alpha mode; the new-image dialog's answer is the next
// new image's size and depth.
TEST_F(ViewTest, DefaultsFollowThePaletteReadOutsFollowTheMode) {
  StartIcon(8, 8, 32);
  ws.Run(CommandId::kDefaultColours);
  EXPECT_EQ(std::pair(Fore(), S().BackColor.colour), std::pair(kBlack, Rgb(8, 8, 8)));
  ws.Run(CommandId::kModeAlpha);
  Move(1, 1);
  EXPECT_EQ(ws.StatusText(2), "Transparent");
  ws.Run(CommandId::kModeRgb);
  EXPECT_EQ(ws.StatusText(2), "");
  host.Push(ImageFormat{16, 24, 4});
  ws.Run(CommandId::kAddImage);
  EXPECT_EQ((ImageFormat{S().DefaultWidth, S().DefaultHeight, S().DefaultBitCount}), (ImageFormat{16, 24, 4}));
  Doc().XorBitmap(1)->SetPixel(0, 0, Rgb(0, 0, 0));
  ASSERT_TRUE(Doc().SetColourTable(1, std::vector<raster::Colour>{Rgb(9, 8, 7), Rgb(1, 2, 3)}));
  ws.SelectImage(1);
  ws.Run(CommandId::kDefaultColours);
  EXPECT_EQ(std::pair(Fore(), S().BackColor.colour), std::pair(Rgb(9, 8, 7), Rgb(1, 2, 3)));
}

TEST_F(ViewTest, PaletteBoxCellsAndPicks) {
  for (auto [bpp, cells] : {std::pair{1, 2}, {8, 256}, {24, 247}}) {
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.SetImageDefaults({8, 8, bpp});
    w.Start({});
    w.SetPaletteBoxSize(60, 500, Rgb(1, 2, 3));
    const raster::Picture box = w.PaletteBox();
    const int last = cells - 1;
    EXPECT_NE(box.Pixel((last % 6) * 10 + 5, (last / 6) * 10 + 5), Rgb(1, 2, 3)) << bpp;
    EXPECT_EQ(box.Pixel((cells % 6) * 10 + 5, (cells / 6) * 10 + 5), Rgb(1, 2, 3)) << bpp;
  }
  StartIcon(8, 8, 32);
  EXPECT_EQ(Fore(), kBlack);
  EXPECT_EQ(S().BackColor.colour, Rgb(8, 8, 8));
  const raster::Colour fore = Fore();
  ws.PaletteBoxMouseUp(15, 5, tools::ShiftState::kAlt);
  EXPECT_EQ(Fore(), fore);
  EXPECT_EQ(S().BackColor.colour, Rgb(8, 8, 8));  // entry 1
  ws.PaletteBoxMouseMove(5, 5);
  EXPECT_EQ(ws.StatusText(2), "R0 G0 B0");
  ws.PaletteBoxMouseUp(500, 5, tools::ShiftState::kNone);  // released outside the box
  EXPECT_EQ(Fore(), fore);
}

TEST_F(ViewTest, ColourButtonsGiveWhatWasChosen) {
  StartIcon(8, 8, 8);
  // The colour chosen is the colour painted: no colour is kept back.
  for (const Colour c : {kWhite, Rgb(234, 234, 234), Rgb(218, 109, 109)}) {
    host.Push(c);
    ws.Run(CommandId::kForeColour);
    EXPECT_EQ(S().ForeColor, raster::ColourPaint(c));
  }
  host.Push(CancelAnswer{});
  ws.Run(CommandId::kForeColour);
  EXPECT_EQ(Fore(), Rgb(218, 109, 109));
  host.Push(kWhite);
  ws.Run(CommandId::kBackColour);
  EXPECT_EQ(S().BackColor.colour, kWhite);
  // The one colour dialog starts from what it gave last, whichever swatch.
  const Colour grey = Rgb(234, 234, 234), pink = Rgb(218, 109, 109);
  EXPECT_EQ(host.colourStarts, (std::vector<raster::Colour>{kBlack, kWhite, grey, pink, pink}));
  EXPECT_FALSE(ws.Run(CommandId::kInvertColour));  // an icon cannot hold it
  EXPECT_NE(S().ForeColor, raster::kInvertingPaint);
  ws.Run(CommandId::kModeAlpha);  // an 8-bit image has no alpha
  EXPECT_FALSE(S().AlphaMode);
}

}  // namespace
}  // namespace pixmint::editor::test
