#include "raster/transform.h"

namespace pixmint::raster {

void FlipHorizontal(Picture&) {}
void FlipVertical(Picture&) {}
void Rotate90(Picture&) {}
void Rotate180(Picture&) {}
void Rotate270(Picture&) {}
void RotateBy(Picture&, int) {}

}  // namespace pixmint::raster
