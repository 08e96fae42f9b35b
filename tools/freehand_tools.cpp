#include "tools/freehand_tools.h"

#include <algorithm>
#include <utility>

#include "raster/composite.h"

namespace pixmint::tools {

using raster::Canvas;
using raster::Picture;
using raster::Point;
using raster::Rect;

namespace {

std::vector<std::pair<Point, Point>> Segments(const std::vector<Point>& points, int count) {
  std::vector<std::pair<Point, Point>> segments;
  segments.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) segments.emplace_back(points[k], points[k + 1]);
  return segments;
}

// Paints the opaque `colour` into the layer wherever the cover holds ink,
// inside r.
void PaintCover(Picture& layer, const Picture& cover, Rect r, raster::Colour colour) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (cover.At(x, y)[3] != 0) layer.SetPixel(x, y, colour);
    }
  }
}

}  // namespace

void TKvPencil::Configure(const ToolSettings& settings) {
  TakePaint(settings);
  PenWidth = settings.width;
}

void TKvEraser::Configure(const ToolSettings& settings) {
  TKvPencil::Configure(settings);
  Opacity = 100;
}

void TKvBrush::Configure(const ToolSettings& settings) {
  TKvPencil::Configure(settings);
  Rings = static_cast<std::uint8_t>(settings.rings & 0xFF);
}

void TKvPencil::BeginDrawState() {
  TKvPaint::BeginDrawState();
  coversValid_ = false;
}

void TKvPencil::OnMouseDown(ShiftState /*shift*/, int x, int y) {
  Points.assign(1, Point{x, y});
  PointCount = 0;
  StateFlag = -1;
  BeginDrawState();
}

bool TKvPencil::AppendPoint(int x, int y) {
  if (Points.empty() || PointCount + 1 >= kMaxStrokePoints) return false;
  Points.push_back({x, y});
  ++PointCount;
  return true;
}

void TKvPencil::OnMouseMove(ShiftState /*shift*/, int x, int y) {
  if (!AppendPoint(x, y)) return;
  if (PointCount == 1 && Points[0] == Points[1]) {
    PaintDot();
    return;
  }
  PaintStroke();
}

void TKvPencil::OnMouseUp(ShiftState shift, int x, int y) {
  if (Points.empty()) return;  // no press: nothing to finish
  OnMouseMove(shift, x, y);
  CommitLayer(ImageRect());
}

void TKvBrush::OnMouseMove(ShiftState /*shift*/, int x, int y) {
  if (StateFlag == 0) return;  // a previous move is still being drawn
  StateFlag = 0;
  if (AppendPoint(x, y)) {
    if (Opacity < 20) Opacity = 20;
    PaintStroke();
  }
  StateFlag = -1;
}

std::vector<TKvPencil::Pass> TKvPencil::Passes() const {
  return {Pass{PenWidth, false, 0}};
}

std::vector<TKvPencil::Pass> TKvBrush::Passes() const {
  std::vector<Pass> passes;
  for (int i = 0; i <= Rings; ++i) {
    const int width = (Rings - i) * 2 + PenWidth;
    if (!PaintsColour()) {  // transparency or inverting: only the widest ring
      passes.push_back({width, false, 0});
      break;
    }
    const int d = i == Rings ? 0 : 20;
    passes.push_back({width, true, (Opacity - d) % 256});
  }
  return passes;
}

// A first move that stays on the press point sets the single pixel under it.
void TKvPencil::PaintDot() {
  const Point p = Points[1];
  LayerBitmap.Clear();
  Canvas canvas(LayerBitmap);
  canvas.pen() = raster::Pen{PenWidth, raster::PenStyle::kSolid, Color, raster::PenMode::kCopy};
  canvas.MoveTo(p.x, p.y);
  canvas.LineTo(p.x + 1, p.y + 1);
  EndDrawState();
  coversValid_ = false;
}

void TKvPencil::PaintStroke() {
  const std::vector<Pass> passes = Passes();
  if (FullRepaint()) {
    PaintFull(passes);
  } else {
    PaintNewSegment(passes);
  }
}

// The reference: every pass strokes the whole polyline again.
void TKvPencil::PaintFull(const std::vector<Pass>& passes) {
  StrokeCovers(passes);
  Recompose(passes, ImageRect());
}

void TKvPencil::StrokeCovers(const std::vector<Pass>& passes) {
  covers_.assign(passes.size(), Picture(Width, Height));
  const auto segments = Segments(Points, PointCount);
  for (std::size_t j = 0; j < passes.size(); ++j) {
    Canvas canvas(covers_[j]);
    canvas.pen() = raster::Pen{passes[j].width, raster::PenStyle::kSolid, Color, raster::PenMode::kCopy};
    canvas.StrokeSegments(segments);
  }
  coversValid_ = !FullRepaint();
}

// The stroke only grows, so a new segment changes nothing beyond the reach of
// the widest pen around it: stroke the segment into each pass's coverage and
// recompute the composite there.
void TKvPencil::PaintNewSegment(const std::vector<Pass>& passes) {
  int widest = 1;
  for (const Pass& pass : passes) widest = std::max(widest, pass.width);
  Rect r;
  if (!coversValid_ || covers_.size() != passes.size()) {
    StrokeCovers(passes);
    r = ImageRect();
  } else {
    const std::pair<Point, Point> segment{Points[PointCount - 1], Points[PointCount]};
    for (std::size_t j = 0; j < passes.size(); ++j) {
      Canvas canvas(covers_[j]);
      canvas.pen() = raster::Pen{passes[j].width, raster::PenStyle::kSolid, Color, raster::PenMode::kCopy};
      canvas.StrokeSegments(std::span(&segment, 1));
    }
    r = IntersectRect(SegmentBox(segment.first, segment.second, widest / 2 + 2), ImageRect());
  }
  Recompose(passes, r);
}

// The widest pass covers every other: what it leaves unpainted shows the
// snapshot, and every pass blends the composite under it again, so the
// outer rings fade toward the picture.
void TKvPencil::Recompose(const std::vector<Pass>& passes, Rect r) {
  if (r.Empty()) return;
  LayerBitmap.ClearRect(r);
  if (!PaintsColour()) {
    PaintCover(LayerBitmap, covers_[0], r, Color);
    MergePainted(r);
    return ShowLayer(r);
  }
  for (std::size_t j = 0; j < passes.size(); ++j) {
    PaintCover(LayerBitmap, covers_[j], r, Color);
    if (passes[j].merge) raster::MergeOver(LayerBitmap, covers_[0], BaseBitmap, r, passes[j].mergeOpacity);
  }
  raster::MergeOver(LayerBitmap, covers_[0], BaseBitmap, r, Opacity);
  ShowLayer(r);
}

}  // namespace pixmint::tools
