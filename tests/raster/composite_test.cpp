#include "raster/composite.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace pixmint::raster {
namespace {

using Bytes = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

Bytes Px(Colour c, int a = 255) {
  return {Blue(c), Green(c), Red(c), static_cast<std::uint8_t>(a)};
}

Picture One(Bytes b) {
  Picture p(1, 1);
  std::copy(b.begin(), b.end(), p.At(0, 0));
  return p;
}

Bytes At(const Picture& p) {
  const std::uint8_t* q = p.At(0, 0);
  return {q[0], q[1], q[2], q[3]};
}

// Opaque paint on opaque pixels is the classic blend, byte for byte, whatever
// the alpha arithmetic; a pixel mixed with itself stays; transparent paint
// laid over anything leaves it; an opaque pixel stays opaque under Over.
TEST(BlendTest, AlphaRoutinesKeepTheOpaqueRuleAndTheirInvariants) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> byte(0, 255), weight(1, 100);
  for (int round = 0; round < 200000; ++round) {
    const Bytes s{Px(Rgb(byte(rng), byte(rng), byte(rng)), round % 3 == 0 ? 255 : byte(rng))};
    Bytes d{Px(Rgb(byte(rng), byte(rng), byte(rng)), round % 5 == 0 ? 255 : byte(rng))};
    const int w = weight(rng);
    Bytes over = d, mix = d, self = s, under = d;
    Over(s.data(), over.data(), w);
    Mix(s.data(), mix.data(), w);
    Mix(s.data(), self.data(), w);
    ASSERT_EQ(self, s);
    const Bytes clear{s[0], s[1], s[2], 0};
    Over(clear.data(), under.data(), w);
    ASSERT_EQ(under, d);
    if (d[3] == 255) {
      ASSERT_EQ(over[3], 255);
    }
    if (s[3] == 255 && d[3] == 255) {
      for (int i = 0; i < 3; ++i) {
        const int expected = w == 100 ? s[i] : BlendByte(s[i], d[i], w);
        ASSERT_EQ(over[i], expected);
        ASSERT_EQ(mix[i], expected);
      }
    }
  }
}

TEST(MergeLayerTest, EachKindOfPaintOnEachKindOfPixel) {
  const Transparency alpha{true, false}, mask{false, false}, cursor{false, true};
  const Bytes red = Px(Rgb(255, 0, 0)), clear{0, 0, 0, 0}, inverting{255, 255, 255, 0};
  struct Case {
    const char* what;
    Bytes layer, base;
    int opacity;
    PaintKind kind;
    Transparency holds;
    Bytes expected;
  } cases[] = {
      {"blend", Px(Rgb(255, 0, 10)), Px(Rgb(0, 255, 10)), 50, PaintKind::kColour, alpha, Px(Rgb(127, 127, 10))},
      {"unpainted at any opacity", clear, Px(Rgb(1, 2, 3)), 50, PaintKind::kColour, alpha, Px(Rgb(1, 2, 3))},
      {"unpainted keeps partial alpha", clear, Px(Rgb(1, 2, 3), 9), 100, PaintKind::kTransparent, alpha,
       Px(Rgb(1, 2, 3), 9)},
      {"1 percent", red, Px(0), 1, PaintKind::kColour, alpha, Px(Rgb(2, 0, 0))},
      {"99 percent", Px(0), red, 99, PaintKind::kColour, alpha, Px(Rgb(2, 0, 0))},
      {"0 and below mean full strength", Px(Rgb(9, 9, 9)), red, -5, PaintKind::kColour, alpha, Px(Rgb(9, 9, 9))},
      {"half red over transparency", red, clear, 50, PaintKind::kColour, alpha, Px(Rgb(255, 0, 0), 128)},
      {"full paint over partial alpha", red, Px(Rgb(0, 0, 255), 140), 100, PaintKind::kColour, alpha, red},
      {"half transparency halves alpha", red, Px(Rgb(0, 0, 255), 200), 50, PaintKind::kTransparent, alpha,
       Px(Rgb(0, 0, 255), 100)},
      {"all alpha gone leaves no colour", red, Px(Rgb(9, 9, 9)), 100, PaintKind::kTransparent, alpha, clear},
      {"a mask cannot hold half", red, Px(Rgb(9, 9, 9)), 30, PaintKind::kTransparent, mask, clear},
      {"erased white is no inverting pixel", red, Px(Rgb(255, 255, 255)), 100, PaintKind::kTransparent, cursor, clear},
      {"inverting in a cursor", red, Px(Rgb(9, 9, 9)), 100, PaintKind::kInverting, cursor, inverting},
      {"inverting where none is held paints the ink", red, Px(Rgb(9, 9, 9)), 100, PaintKind::kInverting, alpha, red},
  };
  for (const Case& c : cases) {
    Picture layer = One(c.layer);
    MergeLayer(layer, One(c.base), layer.Bounds(), c.opacity, c.kind, c.holds);
    EXPECT_EQ(At(layer), c.expected) << c.what;
  }
}

TEST(PasteLayerTest, TransparencyShowsWhatIsBeneathAndTheInvertingPixelIsCopiedWhereHeld) {
  const Transparency alpha{true, false}, cursor{false, true};
  const Bytes grey = Px(Rgb(100, 100, 100)), black = Px(0), inverting{255, 255, 255, 0};
  struct Case {
    Bytes src;
    int opacity;
    Transparency holds;
    Bytes expected;
  } cases[] = {
      {{7, 7, 7, 0}, 100, alpha, black},       // a hidden colour never shows
      {grey, 50, alpha, Px(Rgb(50, 50, 50))},  // blended as before
      {grey, 0, alpha, grey},
      {Px(Rgb(200, 0, 0), 128), 100, alpha, Px(Rgb(100, 0, 0))},
      {inverting, 50, cursor, inverting},
      {inverting, 100, alpha, black},  // a 32-bit picture's transparent white
  };
  for (const Case& c : cases) {
    Picture dst = One(black);
    PasteLayer(One(c.src), dst, dst.Bounds(), c.opacity, c.holds);
    EXPECT_EQ(At(dst), c.expected) << int(c.src[2]) << "," << int(c.src[3]) << " at " << c.opacity;
  }
}

TEST(DisplayTest, TheCanvasShowsAlphaOverTheMarkerAndTheInvertingPixelByItsOwn) {
  const Transparency cursor{false, true};
  const Colour trans = Markers().trans;
  EXPECT_EQ(DisplayColour(Px(Rgb(1, 2, 3)).data(), cursor), Rgb(1, 2, 3));
  EXPECT_EQ(DisplayColour(Bytes{9, 9, 9, 0}.data(), cursor), trans);
  EXPECT_EQ(DisplayColour(Bytes{255, 255, 255, 0}.data(), cursor), Markers().invert);
  EXPECT_EQ(DisplayColour(Bytes{255, 255, 255, 0}.data(), {}), trans);
  EXPECT_EQ(DisplayColour(Px(0, 128).data(), {}), Rgb(Red(trans) * 127 / 255, Green(trans) * 127 / 255, 116));
}

}  // namespace
}  // namespace pixmint::raster
