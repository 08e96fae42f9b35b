#include <algorithm>

#include "raster/composite.h"
#include "raster/grid.h"
#include "raster/stretch.h"
#include "tools/selection_tools.h"

namespace pixmint::tools {

using raster::Canvas;
using raster::Point;
using raster::Rect;

namespace {

// The frame's handles reach 3 screen pixels beyond the selection's edges.
constexpr int kFrameReach = 5;

Rect Grow(Rect r, int by) {
  if (r.Empty()) return r;
  return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

}  // namespace

// The selection is shown as merging will put it down: at the opacity.
void TKvMoveScale::Configure(const ToolSettings& settings) {
  Holds = settings.holds;
  Target = settings.target;
}

void TKvMoveScale::Grab(Point floatOrigin, raster::FrameHandle handle) {
  FloatPos = floatOrigin;
  Handle = handle;
}

void TKvMoveScale::OnMouseDown(ShiftState, int x, int y) {
  if (Handle == raster::FrameHandle::kOutside || Target == nullptr) return;
  StartPoint = CurPoint = {x, y};
  BaseBitmap.Resize(Width, Height);
  BaseBitmap.CopyFrom(ImageCanvas, ImageRect(), {0, 0});
  PressCopy = *Target;
  pressed_ = true;
  lastScreen_ = {};
  InvalidateView();
}

// Moves the grabbed part to (x, y); an edge never comes closer than 3 image
// pixels to the opposite edge, and a refused move changes nothing.
bool TKvMoveScale::ApplyHandle(int x, int y, int& w, int& h) {
  int& fx = FloatPos.x;
  int& fy = FloatPos.y;
  const int dx = x - CurPoint.x;
  const int dy = y - CurPoint.y;
  const bool top = y + 3 <= fy + h;
  const bool left = x + 3 <= fx + w;
  const bool right = x - 3 >= fx;
  const bool bottom = y - 3 >= fy;
  switch (Handle) {
    case raster::FrameHandle::kInside:
      fx += dx, fy += dy, CurPoint = {x, y};
      return true;
    case raster::FrameHandle::kTop:
      if (!top) return false;
      h -= dy, fy += dy, CurPoint.y = y;
      return true;
    case raster::FrameHandle::kLeft:
      if (!left) return false;
      w -= dx, fx += dx, CurPoint.x = x;
      return true;
    case raster::FrameHandle::kRight:
      if (!right) return false;
      w += dx, CurPoint.x = x;
      return true;
    case raster::FrameHandle::kBottom:
      if (!bottom) return false;
      h += dy, CurPoint.y = y;
      return true;
    case raster::FrameHandle::kTopLeft:
      if (!left || !top) return false;
      w -= dx, h -= dy, fx += dx, fy += dy, CurPoint = {x, y};
      return true;
    case raster::FrameHandle::kBottomLeft:
      if (!left || !bottom) return false;
      w -= dx, h += dy, fx += dx, CurPoint = {x, y};
      return true;
    case raster::FrameHandle::kTopRight:
      if (!right || !top) return false;
      w += dx, h -= dy, fy += dy, CurPoint = {x, y};
      return true;
    case raster::FrameHandle::kBottomRight:
      if (!right || !bottom) return false;
      w += dx, h += dy, CurPoint = {x, y};
      return true;
    default:
      return false;
  }
}

void TKvMoveScale::OnMouseMove(ShiftState, int x, int y) {
  if (Handle == raster::FrameHandle::kOutside || !pressed_) return;
  int w = Target->Width();
  int h = Target->Height();
  const Point pos = FloatPos;
  const Point cur = CurPoint;
  const bool accepted = ApplyHandle(x, y, w, h);
  if (accepted && (w < 1 || h < 1)) {
    // A press beside the edge (the frame grabs from 5 screen pixels away)
    // could otherwise turn the selection inside out and lose it.
    FloatPos = pos;
    CurPoint = cur;
  } else if (accepted && (w != Target->Width() || h != Target->Height())) {
    // Always from the picture of the press, so a drag never piles up loss.
    Target->Resize(w, h);
    raster::StretchCopy(*Target, Target->Bounds(), PressCopy, PressCopy.Bounds());
  }
  Show();
}

void TKvMoveScale::OnMouseUp(ShiftState shift, int x, int y) {
  if (Handle == raster::FrameHandle::kOutside || !pressed_) return;
  OnMouseMove(shift, x, y);
  PressCopy = raster::Picture();
  pressed_ = false;
}

// The selection over the picture underneath, enlarged, with grid and frame.
void TKvMoveScale::Show() {
  const int w = Target->Width();
  const int h = Target->Height();
  const Point f = FloatPos;
  LayerBitmap.Resize(w, h);
  LayerBitmap.CopyFrom(BaseBitmap, {f.x, f.y, f.x + w, f.y + h}, {0, 0});
  raster::PasteLayer(*Target, LayerBitmap, LayerBitmap.Bounds(), Opacity, Holds);
  raster::ToDisplay(LayerBitmap, LayerBitmap.Bounds(), Holds);
  Origin = f;
  if (Zoom < 1) return;
  const Rect s = ScreenRectOf({f.x, f.y, f.x + w, f.y + h});
  Rect d = ScreenCanvas.Bounds();
  if (!FullRepaint() && !ViewStale())
    d = IntersectRect(UnionRect(Grow(lastScreen_, kFrameReach), Grow(s, kFrameReach)), d);
  lastScreen_ = s;
  if (d.Empty()) return;
  // Whole zoomed pixels, so that the selection's blocks line up with d.
  d = {d.left / Zoom * Zoom, d.top / Zoom * Zoom, (d.right + Zoom - 1) / Zoom * Zoom,
       (d.bottom + Zoom - 1) / Zoom * Zoom};
  ShowBase(d);
  const Rect part = IntersectRect(s, d);
  if (!part.Empty()) {
    const Rect src{(part.left - s.left) / Zoom, (part.top - s.top) / Zoom, (part.right - s.left) / Zoom,
                   (part.bottom - s.top) / Zoom};
    raster::StretchCopy(ScreenCanvas, part, LayerBitmap, src);
    raster::DrawGrid(ScreenCanvas, Width, Height, Zoom, part);
  }
  Canvas canvas(ScreenCanvas);
  canvas.SetClip(d);
  raster::DrawSelectionFrame(canvas, s);
  AddDirtyScreen(d);
  MarkViewFresh();
}

}  // namespace pixmint::tools
