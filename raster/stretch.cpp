#include "raster/stretch.h"

namespace pixmint::raster {

void StretchCopy(Picture&, Rect, const Picture&, Rect) {}
void ZoomCopy(Picture&, const Picture&, int, Rect) {}

}  // namespace pixmint::raster
