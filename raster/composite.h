#pragma once

#include <cstdint>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

// Opacity is a percentage; only 1..99 blends, every other value means "full
// strength".
[[nodiscard]] constexpr bool Blends(int opacity) {
  return opacity >= 1 && opacity <= 99;
}
// The weight (1..100) a paint gets at an opacity.
[[nodiscard]] constexpr int Weight(int opacity) {
  return Blends(opacity) ? opacity : 100;
}

// A painted byte a over an opaque byte b at opacity p (1..99), rounding down.
// This integer form gives the same byte as the two-term floating-point sum
// truncated, for every a, b and p.
[[nodiscard]] constexpr std::uint8_t BlendByte(int a, int b, int p) {
  return static_cast<std::uint8_t>((a * p + b * (100 - p)) / 100);
}

// One pixel s (four bytes, its alpha scaled by weight / 100) laid over the
// pixel d, in place: the "over" of straight alpha, colours rounding down,
// alpha to the nearest. Over an
// opaque pixel an opaque paint gives exactly BlendByte per colour byte, and
// an opaque result stays opaque.
inline void Over(const std::uint8_t* s, std::uint8_t* d, int weight) {
  const std::uint32_t sa = std::uint32_t{s[3]} * static_cast<std::uint32_t>(weight);  // of 25500
  if (sa == 0) return;
  if (sa == 25500) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = kOpaque;
    return;
  }
  if (d[3] == kOpaque && s[3] == kOpaque) {
    for (int i = 0; i < 3; ++i) d[i] = BlendByte(s[i], d[i], weight);
    return;
  }
  const std::uint64_t ws = std::uint64_t{sa} * 255;
  const std::uint64_t wd = std::uint64_t{d[3]} * (25500 - sa);
  const std::uint64_t sum = ws + wd;
  for (int i = 0; i < 3; ++i) d[i] = static_cast<std::uint8_t>((s[i] * ws + d[i] * wd) / sum);
  d[3] = static_cast<std::uint8_t>((sum + 12750) / 25500);
}

// The pixel d moved toward s by weight / 100, in place: a mix of the two
// weighted by their alphas (premultiplied), colours rounding down, alpha to
// the nearest (half a paint over transparency is half, 128). Weight 100 gives s
// as it is; mixing a pixel with itself leaves it; two opaque pixels mix to
// exactly BlendByte per colour byte. A tool's composite is such a mix of its
// paint with the picture underneath.
inline void Mix(const std::uint8_t* s, std::uint8_t* d, int weight) {
  if (weight >= 100) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = s[3];
    return;
  }
  if (d[3] == kOpaque && s[3] == kOpaque) {
    for (int i = 0; i < 3; ++i) d[i] = BlendByte(s[i], d[i], weight);
    return;
  }
  const std::uint32_t ws = std::uint32_t{s[3]} * static_cast<std::uint32_t>(weight);
  const std::uint32_t wd = std::uint32_t{d[3]} * static_cast<std::uint32_t>(100 - weight);
  const std::uint32_t sum = ws + wd;
  if (sum == 0) return;  // nothing of either shows: d stays as it is
  for (int i = 0; i < 3; ++i) d[i] = static_cast<std::uint8_t>((s[i] * ws + d[i] * wd) / sum);
  d[3] = static_cast<std::uint8_t>((sum + 50) / 100);
}

// The routines process the pixels of `area`, clipped to the pictures: a
// picture smaller than the caller claims is never read or written out of
// bounds. Each pixel is touched once; nothing allocates.

// Turns a painted layer into the finished composite. A layer pixel of alpha 0
// was not painted and becomes the base pixel; a painted one lays the paint
// on the base at the opacity: a colour by Mix, transparency by lowering the
// base's alpha (all the way where the picture holds no partial alpha), the
// inverting pixel by replacing it.
void MergeLayer(Picture& layer, const Picture& base, Rect area, int opacity, PaintKind kind = PaintKind::kColour,
                Transparency holds = {});

// Where `cover` has alpha, the layer pixel (paint or an earlier composite) is
// mixed with the base at the opacity; elsewhere the layer becomes the base.
// Lets a tool blend a composite again, as the brush's rings do.
void MergeOver(Picture& layer, const Picture& cover, const Picture& base, Rect area, int opacity);

// Lays src over dst at the opacity: transparent source pixels let dst show,
// the others go over it; an inverting source pixel replaces what is there.
void PasteLayer(const Picture& src, Picture& dst, Rect area, int opacity, Transparency holds = {});

// The opaque colour the canvas shows for a pixel: the colour itself, laid
// over the transparent marker by its alpha, or the inverting marker.
[[nodiscard]] Colour DisplayColour(const std::uint8_t* p, Transparency holds);
// Every pixel of area as the canvas shows it, opaque.
void ToDisplay(Picture& picture, Rect area, Transparency holds);

}  // namespace pixmint::raster
