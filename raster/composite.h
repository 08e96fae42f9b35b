#pragma once

#include <cstdint>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

// Opacity is a percentage; only 1..99 blends, every other value means "full
// strength" and each routine then does its own non-blending step.
[[nodiscard]] constexpr bool Blends(int opacity) {
  return opacity >= 1 && opacity <= 99;
}

// A painted byte a over an underlying byte b at opacity p (1..99), rounding
// down. This integer form gives the same byte as the two-term floating-point
// sum truncated, for every a, b and p.
[[nodiscard]] constexpr std::uint8_t BlendByte(int a, int b, int p) {
  return static_cast<std::uint8_t>((a * p + b * (100 - p)) / 100);
}

// The three routines process the pixels of the w x h area (or of `area`),
// clipped to both pictures: a picture smaller than the caller claims is never
// read or written out of bounds. Each byte is touched once; nothing allocates.

// layer := base where the layer is ColorWhite (unpainted), else the layer's
// paint blended over the base at the opacity.
void MergeLayer(Picture& layer, const Picture& base, int w, int h, int opacity);
void MergeLayer(Picture& layer, const Picture& base, Rect area, int opacity);

// Softens a change made on a full copy of `earlier`: every result pixel that
// differs from the earlier one becomes the blend of the two. Opacity outside
// 1..99 leaves the result as it is.
void BlendChanged(Picture& result, const Picture& earlier, int w, int h, int opacity);
void BlendChanged(Picture& result, const Picture& earlier, Rect area, int opacity);

// Lays src over dst: ColorTrans source pixels are see-through, the others are
// copied (or blended at 1..99).
void PasteLayer(const Picture& src, Picture& dst, int w, int h, int opacity);
void PasteLayer(const Picture& src, Picture& dst, Rect area, int opacity);

}  // namespace pixmint::raster
