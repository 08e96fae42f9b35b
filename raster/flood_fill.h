#pragma once

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

// The 4-connected area around (x, y) of pixels that look like the seed pixel:
// the same colour and alpha; every fully transparent pixel looks alike
// (their hidden colours do not show), the inverting pixel apart. Returned as
// a cover the size of the picture, alpha 255 inside the area. A seed outside
// the picture gives an empty cover. Scanline based with an explicit stack: a
// picture of any size is safe.
[[nodiscard]] Picture FloodCover(const Picture& work, int x, int y, Transparency holds = {});

// Recolours that area with the opaque colour.
void FloodFill(Picture& work, int x, int y, Colour fill, Transparency holds = {});

}  // namespace pixmint::raster
