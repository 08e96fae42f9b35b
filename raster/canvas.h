#pragma once

#include <span>
#include <utility>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::raster {

enum class PenStyle {
  kSolid,
  kDot,        // dotted: 1 pixel on, 1 pixel off along the line, like a cosmetic dotted pen
  kAlternate,  // every other pixel of a line (the pixel grid's pen)
};

enum class PenMode {
  kCopy,  // the pen colour
  kXor,   // destination XOR pen colour
  kNot,   // inverts the destination, whatever the pen colour
};

// Wider pens are drawn at this width: nothing the editor draws comes near it,
// and it bounds the work of one primitive.
inline constexpr int kMaxPenWidth = 256;

struct Pen {
  int width = 1;
  PenStyle style = PenStyle::kSolid;
  Colour colour = Rgb(0, 0, 0);
  PenMode mode = PenMode::kCopy;
};

struct Brush {
  bool hollow = false;
  Colour colour = Rgb(255, 255, 255);
};

// Drawing on a Picture, deterministic and clipped, with the semantics the
// tools rely on: lines leave out their end point; Rectangle, RoundRect and
// Ellipse take a box whose right and bottom edges lie outside the shape and
// outline with the pen and fill the inside with the brush. XOR and NOT
// drawings hit every pixel of one primitive exactly once, so drawing the same
// thing twice restores the picture. Coordinates far outside the picture are
// safe and cost nothing beyond what is visible (they are limited to ±2^28).
// Pens wider than 1 are round geometric pens and always solid; dotted and
// alternate styles apply to width 1: along lines and polylines every other
// pixel from the start, on closed outlines a checkerboard of the outline.
class Painter;

class Canvas {
 public:
  explicit Canvas(Picture& target) : target_(&target) {}

  [[nodiscard]] Picture& Target() { return *target_; }
  [[nodiscard]] Pen& pen() { return pen_; }
  [[nodiscard]] Brush& brush() { return brush_; }

  // Drawing is limited to this rectangle as well as to the picture; the
  // default is no extra limit. Lets a caller redraw only what changed.
  void SetClip(Rect clip);
  void ResetClip();
  [[nodiscard]] Rect Clip() const;

  void MoveTo(int x, int y) {
    position_ = {x, y};
    styleStep_ = 0;
  }
  [[nodiscard]] Point Position() const { return position_; }
  // Line from the current position to (x, y), the end point left out; the
  // position moves to (x, y). Width 1: a symmetric Bresenham line. Wider: the
  // geometric round pen of StrokePolyline over the one segment.
  void LineTo(int x, int y);

  // Lines through the points as one primitive, each line's end point left out
  // (so a closed outline hits its first point once); a dotted pen's pattern
  // runs on from line to line. Moves the position to the last point.
  void Polyline(std::span<const Point> points);

  // A connected polyline with the pen as a geometric pen: round caps, round
  // joins; covers the pixels whose centres lie within width / 2 of the path.
  // With width 1 it covers every point of the list (and the Bresenham pixels
  // between them), end points included.
  void StrokePolyline(std::span<const Point> points);
  // The same for a set of separate segments drawn as one shape.
  void StrokeSegments(std::span<const std::pair<Point, Point>> segments);

  // Outlines of any width lie inside the box: an outline of width w is the w
  // outermost layers of the filled shape (a pixel whose four neighbours all
  // belong to the shape lies one layer deeper), so a shape never grows beyond
  // the box that was dragged and is as thick on straight sides as on curves.
  // The box may be given with its corners in any order.
  void Rectangle(int left, int top, int right, int bottom);
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  // Alternate (even-odd) fill rule; outline with the pen, inside with the brush.
  void Polygon(std::span<const Point> points);
  // Cubic Bezier: points 0..3, then 3 more points per further curve; outline only.
  void PolyBezier(std::span<const Point> points);

  void FillRect(Rect r, Colour c);
  [[nodiscard]] Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);

 private:
  [[nodiscard]] Rect DrawArea() const;  // the clip within the picture
  [[nodiscard]] int PenWidth() const;
  void CosmeticLine(Painter& painter, Point a, Point b, bool includeEnd, int& step);
  void StrokeSegmentList(std::span<const std::pair<Point, Point>> segments, Rect bounds);
  template <typename MakeRows>
  void RowShape(Rect box, MakeRows makeRows);

  Picture* target_;
  Pen pen_;
  Brush brush_;
  Point position_;
  int styleStep_ = 0;  // where a dotted pen's pattern stands after the last LineTo
  Rect clip_{-0x40000000, -0x40000000, 0x40000000, 0x40000000};
};

// Block transfers: every destination byte of the rectangle becomes
// destination AND / XOR the source byte at the same offset from srcOrigin.
void AndBlit(Picture& dst, Rect dstRect, const Picture& src, Point srcOrigin);
void XorBlit(Picture& dst, Rect dstRect, const Picture& src, Point srcOrigin);

// Index of the nearest table colour by squared RGB distance; the first of
// equally near entries wins. The table holds 2, 16 or up to 256 colours.
[[nodiscard]] int NearestColourIndex(Colour c, std::span<const Colour> table);

}  // namespace pixmint::raster
