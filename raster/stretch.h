#pragma once

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

// Copies srcRect onto dstRect (all four bytes of each pixel), scaling each axis by the ratio of extents with
// nearest-pixel selection (no smoothing). Destination pixel i of an axis shows
// source pixel srcLeft + floor((2i + 1) * srcExtent / (2 * dstExtent)): an
// integer enlargement by z turns each pixel into an exact z x z block, and a
// shrink keeps one source pixel per destination pixel. Clipped to dst; source
// pixels outside src are not read (their destination pixels stay). Empty or
// inverted rectangles copy nothing.
void StretchCopy(Picture& dst, Rect dstRect, const Picture& src, Rect srcRect);

// The zoomed view: enlarges srcArea of src by zoom into view at
// (srcArea.left * zoom, srcArea.top * zoom), so a caller refreshes only what
// changed, each pixel as the canvas shows it (DisplayColour, opaque). Same
// blocks as StretchCopy of the whole picture, restricted.
void ZoomCopy(Picture& view, const Picture& src, int zoom, Rect srcArea, Transparency holds = {});

}  // namespace pixmint::raster
