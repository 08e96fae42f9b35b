#pragma once

#include "raster/canvas.h"
#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

inline constexpr Colour kGridColour = Rgb(192, 192, 192);

// The pixel grid over a view of a w x h picture enlarged by zoom: nothing
// below zoom 3; otherwise the first screen column of every zoomed pixel column
// and the first screen row of every zoomed pixel row, drawn with an
// alternate-pixel pen (every other pixel, starting with the line's first) in
// kGridColour. No line along the right and bottom edges.
void DrawGrid(Picture& view, int w, int h, int zoom);
// The same pixels, limited to clip (in view pixels).
void DrawGrid(Picture& view, int w, int h, int zoom, Rect clip);

// The floating selection's frame around rect (screen pixels): a dotted
// rectangle one pixel inside it in the canvas's pen colour, then eight 6 x 6
// handles (pen outline, white inside) centred on the corners and the middles
// of the sides. The canvas's pen style and brush are left solid/white.
void DrawSelectionFrame(Canvas& canvas, Rect rect);

// Which part of the frame around rect the screen point (x, y) grabs:
// 5 top-left, 6 bottom-left, 7 top-right, 8 bottom-right, 1 top, 4 bottom,
// 2 left, 3 right (tested in this order, tolerance below 5 pixels),
// 0 inside (the rect grown by 5), 9 outside.
[[nodiscard]] int HitTestFrame(Rect rect, int x, int y);

}  // namespace pixmint::raster
