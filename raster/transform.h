#pragma once

#include "raster/picture.h"

namespace pixmint::raster {

// Each routine replaces the picture by the transformed one, resizing it when
// the shape changes. New pixel (x, y) takes old pixel:
void FlipHorizontal(Picture& picture);  // (W - 1 - x, y)
void FlipVertical(Picture& picture);    // (x, H - 1 - y)
void Rotate90(Picture& picture);        // (y, H - 1 - x): a quarter turn clockwise
void Rotate180(Picture& picture);       // (W - 1 - x, H - 1 - y)
void Rotate270(Picture& picture);       // (W - 1 - y, x): a quarter turn counter-clockwise

// Clockwise rotation by whole degrees (1..359; other values do nothing).
// Right angles use the exact turns; the remainder below 90 degrees is done by
// nearest-pixel inverse mapping with 32-bit floats and truncation, corners
// the rotated picture does not cover becoming transparent.
void RotateBy(Picture& picture, int degrees);

}  // namespace pixmint::raster
