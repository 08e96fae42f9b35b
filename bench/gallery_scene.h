#pragma once

// The gallery: every drawing primitive at pen widths 1 to 4, outlined and
// filled, at several small sizes, in one picture. bench/tool_gallery writes
// it as a PNG to look at after a change to the drawing code.

#include <array>
#include <utility>
#include <vector>

#include "raster/canvas.h"

namespace pixmint::gallery {

inline constexpr int kCell = 20;  // every sample sits in a 20 x 20 cell
inline constexpr raster::Colour kPaper = raster::Rgb(255, 255, 255);
inline constexpr raster::Colour kInk = raster::Rgb(0, 0, 0);
inline constexpr raster::Colour kFill = raster::Rgb(230, 60, 60);

struct Size {
  int w;
  int h;
};
inline constexpr std::array<Size, 12> kSizes = {
    {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {11, 11}, {16, 16}, {17, 9}, {9, 17}, {17, 3}}};

inline void DrawBoxShape(raster::Canvas& canvas, int kind, raster::Rect box) {
  if (kind == 0) canvas.Rectangle(box.left, box.top, box.right, box.bottom);
  if (kind == 1) canvas.RoundRect(box.left, box.top, box.right, box.bottom, 5, 5);
  if (kind == 2) canvas.Ellipse(box.left, box.top, box.right, box.bottom);
}

// One row per shape kind, filled or not, and pen width; one column per size.
inline void DrawBoxShapes(raster::Canvas& canvas, int& row) {
  for (int kind = 0; kind < 3; ++kind) {
    for (int filled = 0; filled < 2; ++filled) {
      for (int width = 1; width <= 4; ++width, ++row) {
        canvas.pen() = raster::Pen{width, raster::PenStyle::kSolid, kInk, raster::PenMode::kCopy};
        canvas.brush() = raster::Brush{filled == 0, kFill};
        for (int i = 0; i < static_cast<int>(kSizes.size()); ++i) {
          const int x = i * kCell + 2, y = row * kCell + 2;
          DrawBoxShape(canvas, kind, {x, y, x + kSizes[i].w, y + kSizes[i].h});
        }
      }
    }
  }
}

// Lines from a cell's centre at many slopes, a zig-zag stroke, a polygon
// with a crossing (even-odd hole), a Bezier S-curve and a loop, per width.
inline void DrawPaths(raster::Canvas& canvas, int& row) {
  using raster::Point;
  for (int width = 1; width <= 4; ++width, ++row) {
    canvas.pen() = raster::Pen{width, raster::PenStyle::kSolid, kInk, raster::PenMode::kCopy};
    canvas.brush() = raster::Brush{false, kFill};
    const int y = row * kCell;
    const std::array<std::pair<Point, Point>, 5> lines = {
        {{{2, 4}, {17, 8}}, {{2, 11}, {17, 17}}, {{23, 3}, {36, 16}}, {{44, 2}, {48, 17}}, {{53, 2}, {56, 17}}}};
    for (const auto& [a, b] : lines) {
      canvas.MoveTo(a.x, y + a.y);
      canvas.LineTo(b.x, y + b.y);
    }
    for (int i = 0; i < 5; ++i) {  // short lines of length 0..4, the end point left out
      canvas.MoveTo(i * 4 + 62, y + 16);
      canvas.LineTo(i * 4 + 62, y + 16 - i);
    }
    const std::vector<Point> zigzag = {{82, y + 3}, {87, y + 16}, {90, y + 4}, {96, y + 14}, {98, y + 9}};
    canvas.StrokePolyline(zigzag);
    const std::vector<Point> star = {{110, y + 2}, {115, y + 17}, {102, y + 7}, {118, y + 7}, {105, y + 17}};
    canvas.Polygon(star);
    canvas.brush().hollow = true;
    const std::vector<Point> triangle = {{122, y + 3}, {137, y + 10}, {124, y + 17}};
    canvas.Polygon(triangle);
    const std::vector<std::vector<Point>> curves = {
        {{142, y + 16}, {142, y - 2}, {157, y + 22}, {157, y + 3}},   // S-curve
        {{164, y + 16}, {186, y + 1}, {158, y + 1}, {180, y + 16}},   // loop
        {{184, y + 16}, {184, y + 4}, {197, y + 4}, {197, y + 16}}};  // arch
    for (const std::vector<Point>& curve : curves) canvas.PolyBezier(curve);
    const std::vector<Point> dots = {{210, y + 10}};
    canvas.StrokePolyline(dots);
  }
}

// Dotted and alternate pens, width 1: a line, a rectangle, an ellipse.
inline void DrawStyles(raster::Canvas& canvas, int& row) {
  const raster::PenStyle styles[2] = {raster::PenStyle::kDot, raster::PenStyle::kAlternate};
  for (const raster::PenStyle style : styles) {
    canvas.pen() = raster::Pen{1, style, kInk, raster::PenMode::kCopy};
    canvas.brush() = raster::Brush{true, kFill};
    const int y = row * kCell;
    canvas.MoveTo(2, y + 2);
    canvas.LineTo(17, y + 17);
    canvas.MoveTo(22, y + 4);
    canvas.LineTo(37, y + 4);
    canvas.Rectangle(42, y + 2, 57, y + 17);
    canvas.Ellipse(62, y + 2, 77, y + 17);
    ++row;
  }
}

[[nodiscard]] inline raster::Picture RenderGallery() {
  constexpr int kRows = 3 * 2 * 4 + 4 + 2;
  raster::Picture picture(static_cast<int>(kSizes.size()) * kCell, kRows * kCell, kPaper);
  raster::Canvas canvas(picture);
  int row = 0;
  DrawBoxShapes(canvas, row);
  DrawPaths(canvas, row);
  DrawStyles(canvas, row);
  return picture;
}

}  // namespace pixmint::gallery
