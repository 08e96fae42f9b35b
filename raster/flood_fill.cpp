#include "raster/flood_fill.h"

#include "raster/composite.h"

namespace pixmint::raster {

void FloodFill(Picture&, int, int, Colour) {}

void FillArea(const Picture& before, Picture& work, Point seed, Colour fill, int opacity) {
  work = before;
  FloodFill(work, seed.x, seed.y, fill);
  BlendChanged(work, before, before.Width(), before.Height(), opacity);
}

}  // namespace pixmint::raster
