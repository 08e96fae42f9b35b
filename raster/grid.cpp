#include "raster/grid.h"

#include <cmath>
#include <cstdlib>

namespace pixmint::raster {

void DrawGrid(Picture& view, int w, int h, int zoom) {
  DrawGrid(view, w, h, zoom, view.Bounds());
}

void DrawGrid(Picture&, int, int, int, Rect) {}

void DrawSelectionFrame(Canvas&, Rect) {}

int HitTestFrame(Rect rect, int x, int y) {
  const auto near = [](long long a, long long b) { return std::llabs(a - b) < 5; };
  const long long l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  if (near(x, l) && near(y, t)) return 5;
  if (near(x, l) && near(y, b)) return 6;
  if (near(y, t) && near(x, r)) return 7;
  if (near(y, b) && near(x, r)) return 8;
  // The middles are tested in floating point, so an odd extent's half is x.5.
  const bool midX = std::fabs(static_cast<double>(x - l) - static_cast<double>(r - l) / 2.0) < 5.0;
  const bool midY = std::fabs(static_cast<double>(y - t) - static_cast<double>(b - t) / 2.0) < 5.0;
  if (midX && near(y, t)) return 1;
  if (midX && near(y, b)) return 4;
  if (midY && near(x, l)) return 2;
  if (midY && near(x, r)) return 3;
  if (x >= l - 5 && y >= t - 5 && x < r + 5 && y < b + 5) return 0;
  return 9;
}

}  // namespace pixmint::raster
