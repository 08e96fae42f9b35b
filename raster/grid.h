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

// The parts of a selection frame a press can grab (the numbers are the codes
// the move/scale tool has always used).
enum class FrameHandle : int {
  kInside = 0,
  kTop = 1,
  kLeft = 2,
  kRight = 3,
  kBottom = 4,
  kTopLeft = 5,
  kBottomLeft = 6,
  kTopRight = 7,
  kBottomRight = 8,
  kOutside = 9,
};

// Which part of the frame around rect the screen point (x, y) grabs: the
// corners (top-left, bottom-left, top-right, bottom-right), then the middles
// of the sides (top, bottom, left, right), in this order with a tolerance
// below 5 pixels; inside is the rect grown by 5; everything else outside.
[[nodiscard]] FrameHandle HitTestFrame(Rect rect, int x, int y);

// Which edges dragging a handle moves: -1 the left (top) edge, +1 the right
// (bottom) edge, 0 neither; inside moves the whole frame.
struct HandleEdges {
  int x = 0;
  int y = 0;
  bool whole = false;
};
[[nodiscard]] HandleEdges EdgesOf(FrameHandle handle);

}  // namespace pixmint::raster
