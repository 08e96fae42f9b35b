#include "tools/kv_paint.h"

#include <algorithm>
#include <cstdlib>

#include "raster/composite.h"
#include "raster/grid.h"
#include "raster/stretch.h"

namespace pixmint::tools {

using raster::Picture;
using raster::Point;
using raster::Rect;

Rect UnionRect(Rect a, Rect b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Rect IntersectRect(Rect a, Rect b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return r.Empty() ? Rect{} : r;
}

Rect SegmentBox(Point a, Point b, int margin) {
  return {std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin, std::max(a.x, b.x) + 1 + margin,
          std::max(a.y, b.y) + 1 + margin};
}

TKvPaint::TKvPaint(Picture& imageCanvas, Picture& screenCanvas, int width, int height, int zoom, int opacity)
    : ImageCanvas(imageCanvas),
      ScreenCanvas(screenCanvas),
      Width(std::max(width, 0)),
      Height(std::max(height, 0)),
      Zoom(zoom),
      Opacity(opacity),
      Origin{-1, -1} {}

void TKvPaint::TakePaint(const ToolSettings& settings) {
  Color = settings.paint.colour;
  Kind = settings.paint.kind;
  Holds = settings.holds;
  // Only a 32-bit image holds partial transparency, and the inverting pixel
  // is all or nothing: everything else is painted at full strength, never
  // blended into a colour.
  if (Kind == raster::PaintKind::kInverting || (Kind == raster::PaintKind::kTransparent && !Holds.partial)) {
    Opacity = 100;
  }
}

void TKvPaint::MergePainted(Rect r) {
  raster::MergeLayer(LayerBitmap, BaseBitmap, r, Opacity, Kind, Holds);
}

Rect TKvPaint::ScreenRectOf(Rect r) const {
  return {r.left * Zoom, r.top * Zoom, r.right * Zoom, r.bottom * Zoom};
}

Rect TKvPaint::WorkRect(Rect r) const {
  return fullRepaint_ ? ImageRect() : IntersectRect(r, ImageRect());
}

void TKvPaint::AddDirtyScreen(Rect s) {
  dirtyScreen_ = UnionRect(dirtyScreen_, IntersectRect(s, ScreenCanvas.Bounds()));
}

Rect TKvPaint::TakeDirtyScreenRect() {
  Rect r = dirtyScreen_;
  dirtyScreen_ = {};
  return r;
}

void TKvPaint::CheckShiftState(ShiftState shift, int x, int y) {
  if (!Has(shift, ShiftState::kShift)) {
    CurPoint = {x, y};
    return;
  }
  const int ax = StartPoint.x;
  const int ay = StartPoint.y;
  const int d = std::abs(x - ax);
  if (x == ax || y == ay) return;  // the previous square stays
  CurPoint = {x, y > ay ? ay + d : ay - d};
}

void TKvPaint::BeginDrawState() {
  if (fullRepaint_) ViewBitmap.Resize(Width * Zoom, Height * Zoom);
  BaseBitmap.Resize(Width, Height);
  BaseBitmap.CopyFrom(ImageCanvas, ImageRect(), {0, 0});
  // The layer starts as the composite of nothing painted, so that the fast
  // path may recompute only parts of it.
  LayerBitmap = BaseBitmap;
  viewStale_ = true;
}

void TKvPaint::EndDrawState() {
  MergePainted(ImageRect());
  ShowLayer(ImageRect());
}

void TKvPaint::ShowLayer(Rect r) {
  if (Zoom < 1) return;
  if (fullRepaint_) {
    // As written: the whole layer enlarged into the view, the grid, the view
    // onto the screen.
    const Rect rz{0, 0, Width * Zoom, Height * Zoom};
    ViewBitmap.Resize(rz.right, rz.bottom);
    raster::ZoomCopy(ViewBitmap, LayerBitmap, Zoom, ImageRect(), Holds);
    raster::DrawGrid(ViewBitmap, Width, Height, Zoom);
    ScreenCanvas.CopyFrom(ViewBitmap, rz, {0, 0});
    AddDirtyScreen(rz);
    viewStale_ = false;
    return;
  }
  if (viewStale_) {
    r = ImageRect();
    viewStale_ = false;
  }
  r = IntersectRect(r, ImageRect());
  if (r.Empty()) return;
  const Rect s = ScreenRectOf(r);
  raster::ZoomCopy(ScreenCanvas, LayerBitmap, Zoom, r, Holds);
  raster::DrawGrid(ScreenCanvas, Width, Height, Zoom, s);
  AddDirtyScreen(s);
}

void TKvPaint::ShowBase(Rect s) {
  if (Zoom < 1) return;
  // Whole zoomed pixels covering s.
  const Rect r = IntersectRect({s.left / Zoom, s.top / Zoom, (s.right + Zoom - 1) / Zoom, (s.bottom + Zoom - 1) / Zoom},
                               ImageRect());
  if (r.Empty()) return;
  const Rect zs = ScreenRectOf(r);
  raster::ZoomCopy(ScreenCanvas, BaseBitmap, Zoom, r, Holds);
  raster::DrawGrid(ScreenCanvas, Width, Height, Zoom, zs);
  AddDirtyScreen(zs);
}

void TKvPaint::CommitLayer(Rect r) {
  r = IntersectRect(r, IntersectRect(LayerBitmap.Bounds(), ImageCanvas.Bounds()));
  if (r.Empty()) return;
  ImageCanvas.CopyFrom(LayerBitmap, r, {r.left, r.top});
}

}  // namespace pixmint::tools
