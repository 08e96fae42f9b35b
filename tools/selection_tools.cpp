#include "tools/selection_tools.h"

#include <algorithm>
#include <cstdlib>

#include "raster/grid.h"
#include "raster/stretch.h"

namespace pixmint::tools {

using raster::Canvas;
using raster::Picture;
using raster::Point;
using raster::Rect;

namespace {

constexpr raster::Colour kBlack = raster::Rgb(0, 0, 0);
constexpr raster::Colour kRed = raster::Rgb(255, 0, 0);

// Target := the rectangle r of source; parts outside the source are
// transparent rather than made up.
void CopyOut(Picture& target, const Picture& source, Rect r) {
  target.Resize(std::max(r.Width(), 0), std::max(r.Height(), 0));
  target.Clear();
  const Rect inside = IntersectRect(r, source.Bounds());
  if (!inside.Empty()) target.CopyFrom(source, inside, {inside.left - r.left, inside.top - r.top});
}

}  // namespace

// --- Marquee ---

void TKvSelectBas::Configure(const ToolSettings& settings) {
  Target = settings.target;
  Holds = settings.holds;
  Opacity = 100;
}

void TKvSelectBas::OnMouseDown(ShiftState, int x, int y) {
  StartPoint = CurPoint = {x, y};
  BaseBitmap.Resize(Width, Height);
  BaseBitmap.CopyFrom(ImageCanvas, ImageRect(), {0, 0});
  pressed_ = true;
}

// The rubber band is drawn straight on the screen with an inverting pen, so
// drawing it a second time removes it.
void TKvSelectBas::DrawBand() {
  Canvas canvas(ScreenCanvas);
  canvas.pen() = raster::Pen{1, raster::PenStyle::kDot, kBlack, raster::PenMode::kNot};
  canvas.brush() = raster::Brush{true, raster::Rgb(255, 255, 255)};
  const Rect s{StartPoint.x * Zoom, StartPoint.y * Zoom, CurPoint.x * Zoom, CurPoint.y * Zoom};
  canvas.Rectangle(s.left, s.top, s.right, s.bottom);
  AddDirtyScreen(SegmentBox({s.left, s.top}, {s.right, s.bottom}, 1));
}

void TKvSelectBas::OnMouseMove(ShiftState, int x, int y) {
  if (!pressed_) return;
  DrawBand();
  CurPoint = {x, y};
  DrawBand();
}

void TKvSelectBas::OnMouseUp(ShiftState, int x, int y) {
  if (!pressed_) return;
  pressed_ = false;
  const int ax = StartPoint.x;
  const int ay = StartPoint.y;
  if (x == ax || y == ay) {  // no area: nothing selected
    Origin = {-1, -1};
    if (Target != nullptr) {
      Target->Resize(1, 1);
      Target->Clear();
    }
    ShowBase(ScreenCanvas.Bounds());
    return;
  }
  const Rect r{std::min(x, ax), std::min(y, ay), std::max(x, ax), std::max(y, ay)};
  if (Target != nullptr) CopyOut(*Target, BaseBitmap, r);
  ShowBase(ScreenCanvas.Bounds());
  Canvas canvas(ScreenCanvas);
  raster::DrawSelectionFrame(canvas, ScreenRectOf(r));
  Origin = {r.left, r.top};
}

// --- Lasso ---

void TKvSelectAdv::Configure(const ToolSettings& settings) {
  Target = settings.target;
  Holds = settings.holds;
  Opacity = 100;
}

void TKvSelectAdv::StartAnew() {
  StateFlag = 0;
  restart_ = true;
  open_ = false;
}

void TKvSelectAdv::OnMouseDown(ShiftState, int x, int y) {
  if (!open_) {
    StartAnew();
    open_ = true;
  }
  if (StateFlag != 0) return;  // closed
  if (restart_) {
    restart_ = false;
    VertexCount = 0;
    Vertices.clear();
  } else {
    if (VertexCount + 1 >= kMaxLassoVertices) return;  // full: the click adds nothing
    ++VertexCount;
  }
  Vertices.resize(static_cast<std::size_t>(VertexCount) + 1);
  Vertices[VertexCount] = {x, y};
  StartPoint = CurPoint = {x, y};
  BaseBitmap.Resize(Width, Height);
  BaseBitmap.CopyFrom(ImageCanvas, ImageRect(), {0, 0});
  LayerBitmap.Resize(Width, Height);
  if (VertexCount == 0) {
    Canvas canvas(ScreenCanvas);
    canvas.pen() = raster::Pen{1, raster::PenStyle::kSolid, kRed, raster::PenMode::kCopy};
    canvas.brush() = raster::Brush{false, raster::Rgb(255, 255, 255)};
    const Rect s{x * Zoom - 3, y * Zoom - 3, x * Zoom + 3, y * Zoom + 3};
    canvas.Rectangle(s.left, s.top, s.right, s.bottom);
    AddDirtyScreen(s);
  }
}

void TKvSelectAdv::DrawBand() {
  Canvas canvas(ScreenCanvas);
  canvas.pen() = raster::Pen{1, raster::PenStyle::kSolid, kRed, raster::PenMode::kNot};
  const Point a{StartPoint.x * Zoom, StartPoint.y * Zoom};
  const Point b{CurPoint.x * Zoom, CurPoint.y * Zoom};
  canvas.MoveTo(a.x, a.y);
  canvas.LineTo(b.x, b.y);
  AddDirtyScreen(SegmentBox(a, b, 1));
}

void TKvSelectAdv::OnMouseMove(ShiftState, int x, int y) {
  if (StateFlag != 0 || VertexCount < 0) return;
  DrawBand();
  CurPoint = {x, y};
  DrawBand();
}

void TKvSelectAdv::OnMouseUp(ShiftState, int x, int y) {
  if (StateFlag != 0 || VertexCount < 0) return;
  Origin = {-1, -1};
  StateFlag = 0;
  const Point first = Vertices[0];
  if (VertexCount >= 3 && std::abs(x - first.x) < 2 && std::abs(y - first.y) < 2) CloseOutline();
}

void TKvSelectAdv::CloseOutline() {
  // The closing click itself is not a corner of the polygon.
  const std::span<const Point> polygon(Vertices.data(), static_cast<std::size_t>(VertexCount));
  int minX = 32768, minY = 32768, maxX = -32768, maxY = -32768;
  for (Point p : polygon) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  LayerBitmap.Resize(Width, Height);
  LayerBitmap.Clear();
  Canvas canvas(LayerBitmap);
  canvas.pen() = raster::Pen{1, raster::PenStyle::kSolid, kBlack, raster::PenMode::kCopy};
  canvas.brush() = raster::Brush{false, kBlack};
  canvas.Polygon(polygon);
  // What the outline encloses is taken as it is, transparency and all.
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      std::uint8_t* out = LayerBitmap.At(x, y);
      if (out[3] != 0) std::copy(BaseBitmap.At(x, y), BaseBitmap.At(x, y) + raster::kPixelBytes, out);
    }
  }
  if (Target != nullptr) CopyOut(*Target, LayerBitmap, {minX, minY, maxX, maxY});
  Origin = {minX, minY};
  StateFlag = -1;
  open_ = false;
}

}  // namespace pixmint::tools
