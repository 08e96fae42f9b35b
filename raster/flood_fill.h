#pragma once

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

// Recolours the 4-connected area of pixels of exactly the seed pixel's colour
// that contains (x, y). A seed outside the picture changes nothing. Scanline
// based with an explicit stack: a picture of any size is safe.
void FloodFill(Picture& work, int x, int y, Colour fill);

// The whole fill operation: work := before, flood fill at the seed, then
// BlendChanged(work, before, ..., opacity).
void FillArea(const Picture& before, Picture& work, Point seed, Colour fill, int opacity);

}  // namespace pixmint::raster
