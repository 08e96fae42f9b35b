#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class BuffersTest : public EditorTest {
 protected:
  // The working pixel's colour and alpha.
  [[nodiscard]] std::pair<Colour, int> WorkPixel(int x, int y) const {
    return {S().WorkBitmap.Pixel(x, y), S().WorkBitmap.Alpha(x, y)};
  }
};

// What an image stores arrives in the working picture as the rule decides
// what it shows, and goes back unchanged when the picture is committed: a
// pixel's transparency is never told by its colour, so an opaque pixel of
// the transparent marker's grey stays opaque, and a cursor keeps what its
// mask shows (white inverts, other colours are XORed).
TEST_F(BuffersTest, StoredPixelsArriveWithTheirTransparencyAndCommitBackUnchanged) {
  struct Case {
    bool cursor;
    int bpp;
    std::uint32_t raw;  // 0xAARRGGBB at 32 bits
    bool mask;
    std::pair<Colour, int> work;
    Colour storedAfter;
  };
  const Colour marker = raster::Markers().trans;
  for (const Case& c : {
           Case{true, 24, 0xFFFFFF, true, {kWhite, 0}, kWhite},  // inverting
           Case{true, 24, 0xFF0000, true, {kRed, 0}, kRed},      // the screen XORed with red
           Case{true, 24, 0, true, {kBlack, 0}, kBlack},
           Case{false, 24, 0xFFFFFF, true, {kBlack, 0}, kBlack},  // an icon never inverts
           Case{false, 24, 0xEAEAEA, false, {marker, 255}, marker},
           Case{false, 32, 0x80102030u, false, {Rgb(0x10, 0x20, 0x30), 128}, Rgb(0x10, 0x20, 0x30)},
           Case{false, 4, 9, false, {Rgb(0, 130, 0), 255}, Rgb(0, 130, 0)},  // an index of the 16 colours
       }) {
    Restart();
    StartIcon(4, 4, c.bpp, c.cursor);
    Doc().XorBitmap(0)->SetRaw(1, 1, c.raw);
    Doc().AndBitmap(0)->Set(1, 1, c.mask);
    ws.SelectImage(0);
    EXPECT_EQ(WorkPixel(1, 1), c.work) << c.cursor << " " << c.raw;
    ws.Run(CommandId::kSelectAll);
    ws.Run(CommandId::kMerge);  // an unchanged picture committed as one change
    EXPECT_EQ(Mask(1, 1), c.mask) << c.raw;
    EXPECT_EQ(Doc().XorBitmap(0)->GetPixel(1, 1) & 0xFFFFFF, c.storedAfter) << c.raw;
  }
}

// A 32-bit image is painted in colour and alpha: opaque paint makes a pixel
// opaque, half paint over transparency is half transparent in the paint's own
// colour, and the transparent colour lowers alpha by the opacity.
TEST_F(BuffersTest, ThirtyTwoBitImagesPaintColourAndAlphaTogether) {
  StartIcon(8, 8, 32);
  Doc().XorBitmap(0)->SetRaw(1, 1, 0x8C102030u);  // alpha 140
  Doc().AndBitmap(0)->Set(1, 1, false);
  ws.SelectImage(0);  // reloads the working picture
  Pencil(kRed);
  Click(1, 1);
  EXPECT_EQ(Raw(1, 1), 0xFFFF0000u);
  ws.SetOpacityText("50");
  Click(2, 2);  // was transparent
  EXPECT_EQ(Raw(2, 2), 0x80FF0000u);
  EXPECT_FALSE(Mask(2, 2));
  Pencil(kTransparent);
  Click(1, 1);
  EXPECT_EQ(Raw(1, 1), 0x80FF0000u);
  ws.SetOpacityText("100");
  Click(1, 1);
  EXPECT_EQ(Raw(1, 1), 0u);
  EXPECT_TRUE(Mask(1, 1));
}

// Only cursor images whose mask decides can hold an inverting pixel: the
// inverting colour is not offered elsewhere, so nothing shows it unsaved.
TEST_F(BuffersTest, InvertColourIsAnInvertingPixelOnlyInCursors) {
  for (bool cursor : {true, false}) {
    Restart();
    StartIcon(8, 8, 24, cursor);
    ws.ChooseTool(tools::ToolId::kPencil);
    ws.ChooseOption(0);
    EXPECT_EQ(ws.Run(CommandId::kInvertColour), cursor);
    Click(3, 3);
    EXPECT_EQ(Mask(3, 3), cursor);
    EXPECT_EQ(Doc().XorBitmap(0)->GetPixel(3, 3) & 0xFFFFFF, cursor ? kWhite : kBlack);
  }
}

// A pasted picture keeps its transparency: while it floats the canvas shows
// the image through it, and merged into an image below 32 bits alpha under
// 128 is transparent and the rest opaque; into a 32-bit image it is alpha.
TEST_F(BuffersTest, PastedTransparencyShowsThroughAndMergesAsTheImageCanHoldIt) {
  raster::Picture clip = pixmint::test::FromAscii({"rt", "r."});
  clip.SetPixel(1, 1, kWhite, 127);
  for (const int bpp : {24, 32}) {
    Restart();
    StartIcon(4, 4, bpp);
    Pencil(kBlack);
    Click(2, 1);
    Clip(clip);
    ws.Run(CommandId::kPaste);  // 2 x 2 centred at (1, 1)
    ASSERT_TRUE(S().HasFloat);
    EXPECT_EQ(ws.Screen().Pixel(Sc(2), Sc(1)), kBlack) << "the image shows through";
    ws.SetOpacityText("50");
    Clip(pixmint::test::FromAscii({"rr", "rr"}));
    ws.Run(CommandId::kPaste);  // merges the first one at half strength
    EXPECT_EQ(WorkPixel(1, 1), std::pair(kRed, bpp == 32 ? 128 : 255)) << bpp;
    EXPECT_EQ(WorkPixel(2, 1), std::pair(kBlack, 255)) << "its transparent pixel left the image alone";
    EXPECT_EQ(WorkPixel(2, 2), bpp == 32 ? std::pair(kWhite, 64) : std::pair(kBlack, 0)) << bpp;
  }
  ws.SetOpacityText("100");
  Clip(raster::Picture(12, 12, Rgb(0, 0, 255)));
  ws.Run(CommandId::kPaste);  // 12 x 12 at (-4, -4): only the part inside is merged
  ws.Run(CommandId::kMerge);
  EXPECT_EQ(Work(0, 0), Rgb(0, 0, 255));
  EXPECT_EQ(Work(3, 3), Rgb(0, 0, 255));
}

}  // namespace
}  // namespace pixmint::editor::test
