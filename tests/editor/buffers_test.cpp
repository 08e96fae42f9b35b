#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class BuffersTest : public EditorTest {
 protected:
  // Writes colour c (and the mask bit) straight into the document image, then
  // reloads it into the editor.
  void Put(int x, int y, Colour c, bool transparent) {
    Doc().XorBitmap(0)->SetPixel(x, y, c);
    Doc().AndBitmap(0)->Set(x, y, transparent);
  }
  void Reload() { ws.SelectImage(0); }
};

// A transparent pixel over white is an inverting pixel in a cursor; every
// other transparent pixel is plain transparency; and nothing changes when an
// unchanged image is committed again.
TEST_F(BuffersTest, MaskedPixelsArriveAsMarkersAndCommitBackUnchanged) {
  struct Case {
    bool cursor;
    Colour colour;
    Colour expected;
    Colour storedAfter;
  };
  const raster::MarkerColours m;
  for (const Case& c : {Case{true, kWhite, m.invert, kWhite}, Case{true, kRed, m.trans, kBlack},
                        Case{true, kBlack, m.trans, kBlack}, Case{false, kWhite, m.trans, kBlack}}) {
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.SetImageDefaults({4, 4, 24});
    w.Start({c.cursor ? StartRequest::Kind::kNewCursor : StartRequest::Kind::kNewIcon, {}});
    w.Document()->XorBitmap(0)->SetPixel(1, 1, c.colour);
    w.Document()->XorBitmap(0)->SetPixel(2, 2, Rgb(1, 2, 3));
    w.Document()->AndBitmap(0)->Set(2, 2, false);
    w.SelectImage(0);
    EXPECT_EQ(w.State().WorkBitmap.Pixel(1, 1), c.expected) << c.cursor << " " << c.colour;
    EXPECT_EQ(w.State().WorkBitmap.Pixel(2, 2), Rgb(1, 2, 3));
    w.Run(CommandId::kSelectAll);
    w.Run(CommandId::kMerge);  // an unchanged picture committed as one change
    EXPECT_TRUE(w.Document()->AndBitmap(0)->Get(1, 1));
    EXPECT_EQ(w.Document()->XorBitmap(0)->GetPixel(1, 1) & 0xFFFFFF, c.storedAfter);
    EXPECT_FALSE(w.Document()->AndBitmap(0)->Get(2, 2));
  }
}

TEST_F(BuffersTest, FourBitRoundTripKeepsIndicesAndMask) {
  StartIcon(16, 16, 4);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      Doc().XorBitmap(0)->SetRaw(x, y, x < 8 ? 0 : (x + y) % 16);
      Doc().AndBitmap(0)->Set(x, y, x < 8);
    }
  }
  const std::vector<std::uint8_t> colours(Doc().XorDataPointer(0).begin(), Doc().XorDataPointer(0).end());
  const std::vector<std::uint8_t> mask(Doc().AndDataPointer(0).begin(), Doc().AndDataPointer(0).end());
  Reload();
  EXPECT_EQ(Work(0, 0), kTransparent);
  EXPECT_EQ(Work(7, 15), kTransparent);
  EXPECT_EQ(Work(9, 0), Doc().XorBitmap(0)->Table()[9]);
  ws.Run(CommandId::kSelectAll);
  ws.Run(CommandId::kMerge);
  EXPECT_TRUE(std::equal(colours.begin(), colours.end(), Doc().XorDataPointer(0).begin()));
  EXPECT_TRUE(std::equal(mask.begin(), mask.end(), Doc().AndDataPointer(0).begin()));
}

TEST_F(BuffersTest, ThirtyTwoBitStrokesKeepAlphaOfOpaquePixels) {
  StartIcon(8, 8, 32);
  Doc().XorBitmap(0)->SetRaw(1, 1, 0x80102030u);  // alpha 128
  Doc().AndBitmap(0)->Set(1, 1, false);
  Reload();
  Pencil(kRed);
  Click(1, 1);
  Click(2, 2);  // was transparent
  EXPECT_EQ(Raw(1, 1), 0x80FF0000u);
  EXPECT_EQ(Raw(2, 2), 0xFFFF0000u);
  Pencil(kTransparent);  // erase to transparency
  ws.Run(CommandId::kTransColour);
  Click(1, 1);
  EXPECT_EQ(Raw(1, 1), 0u);
  EXPECT_TRUE(Mask(1, 1));
}

// Only cursor images whose mask decides can hold an inverting pixel: the
// inverting colour is not offered elsewhere, so nothing shows it unsaved.
TEST_F(BuffersTest, InvertColourIsAnInvertingPixelOnlyInCursors) {
  for (bool cursor : {true, false}) {
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.SetImageDefaults({8, 8, 24});
    w.Start({cursor ? StartRequest::Kind::kNewCursor : StartRequest::Kind::kNewIcon, {}});
    w.ChooseTool(tools::ToolId::kPencil);
    w.ChooseOption(0);
    EXPECT_EQ(w.Run(CommandId::kInvertColour), cursor);
    const int c = 3 * w.State().Zoom + 1;
    w.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, c, c);
    w.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, c, c);
    EXPECT_EQ(w.Document()->AndBitmap(0)->Get(3, 3), cursor);
    EXPECT_EQ(w.Document()->XorBitmap(0)->GetPixel(3, 3) & 0xFFFFFF, cursor ? kWhite : kBlack);
  }
}

TEST_F(BuffersTest, AlphaModePaintsAlphaOnly) {
  StartIcon(8, 8, 32);
  Doc().XorBitmap(0)->SetRaw(4, 4, 0x00112233u);  // opaque, alpha 0 counts as 255
  Doc().AndBitmap(0)->Set(4, 4, false);
  Reload();
  ws.Run(CommandId::kModeAlpha);
  EXPECT_EQ(S().AlphaBitmap.Pixel(4, 4), kWhite);
  EXPECT_EQ(S().AlphaBitmap.Pixel(0, 0), kRed);
  ws.SetOpacityText("40");  // grey 102
  Click(0, 0);
  EXPECT_EQ(Raw(0, 0), 0x66000000u);  // alpha painted, colour black
  EXPECT_TRUE(Mask(0, 0));            // mask untouched
  EXPECT_EQ(Raw(4, 4), 0xFF112233u);  // the first commit writes 255 into alpha-0 pixels
  ws.SetOpacityText("10");
  Click(1, 0);
  EXPECT_EQ(Raw(1, 0), 0x19000000u);
}

TEST_F(BuffersTest, FloatMergesClippedSkippingTransparentAndBlended) {
  StartIcon(4, 4, 24);
  Clip(pixmint::test::FromAscii({"rt", "r."}));
  ws.Run(CommandId::kPaste);  // 2 x 2 centred at (1, 1)
  ASSERT_TRUE(S().HasFloat);
  ws.SetOpacityText("50");
  Clip(pixmint::test::FromAscii({"rr", "rr"}));
  ws.Run(CommandId::kPaste);                       // merges the first one
  EXPECT_EQ(Work(1, 1), Rgb(244, 117, 117));       // half red over the transparent grey
  EXPECT_EQ(Work(2, 1), kTransparent);  // its own transparent pixel left the image alone
  EXPECT_EQ(Work(2, 2), Rgb(244, 244, 244));
  ws.SetOpacityText("100");
  Clip(raster::Picture(12, 12, Rgb(0, 0, 255)));
  ws.Run(CommandId::kPaste);  // 12 x 12 at (-4, -4): only the part inside is merged
  ws.Run(CommandId::kMerge);
  EXPECT_EQ(Work(0, 0), Rgb(0, 0, 255));
  EXPECT_EQ(Work(3, 3), Rgb(0, 0, 255));
}

}  // namespace
}  // namespace pixmint::editor::test
