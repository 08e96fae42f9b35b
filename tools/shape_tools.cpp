#include "tools/shape_tools.h"

#include <algorithm>

#include "raster/composite.h"

namespace pixmint::tools {

using raster::Canvas;
using raster::Point;
using raster::Rect;

namespace {

Rect BoxOf(std::initializer_list<Point> points, int margin) {
  Rect r;
  for (Point p : points) r = UnionRect(r, SegmentBox(p, p, margin));
  return r;
}

}  // namespace

// --- Common repaint of a shape ---

void ShapeToolBase::RepaintShape() {
  const Rect bounds = ShapeBounds();
  const Rect r = WorkRect(UnionRect(lastBounds_, bounds));
  lastBounds_ = bounds;
  lastWork_ = r;
  if (r.Empty()) return;
  LayerBitmap.ClearRect(r);
  Canvas canvas(LayerBitmap);
  if (!FullRepaint()) canvas.SetClip(r);
  canvas.pen() = raster::Pen{PenWidth, raster::PenStyle::kSolid, Color, raster::PenMode::kCopy};
  canvas.brush() = raster::Brush{true, Color};
  PaintShape(canvas);
  if (FullRepaint()) {
    EndDrawState();
  } else {
    MergePainted(r);
    ShowLayer(r);
  }
}

// --- Line ---

void TKvLine::Configure(const ToolSettings& settings) {
  TakePaint(settings);
  PenWidth = settings.width;
}

void TKvLine::OnMouseDown(ShiftState, int x, int y) {
  StartPoint = CurPoint = {x, y};
  ResetShapeBounds();
  BeginDrawState();
  pressed_ = true;
}

void TKvLine::OnMouseMove(ShiftState, int x, int y) {
  if (!pressed_) return;
  CurPoint = {x, y};
  RepaintShape();
}

void TKvLine::OnMouseUp(ShiftState shift, int x, int y) {
  if (!pressed_) return;
  OnMouseMove(shift, x, y);
  CommitLayer(ImageRect());
  pressed_ = false;
}

// There and back again, so that both end points are painted.
void TKvLine::PaintShape(Canvas& canvas) {
  if (StartPoint == CurPoint && PenWidth <= 1) {
    // A thin line of no length would leave nothing; a click makes its point,
    // as wider pens already do.
    if (canvas.Clip().Contains(StartPoint)) canvas.SetPixel(StartPoint.x, StartPoint.y, Color);
    return;
  }
  canvas.MoveTo(StartPoint.x, StartPoint.y);
  canvas.LineTo(CurPoint.x, CurPoint.y);
  canvas.LineTo(StartPoint.x, StartPoint.y);
}

Rect TKvLine::ShapeBounds() const {
  return SegmentBox(StartPoint, CurPoint, PenWidth / 2 + 2);
}

// --- Curve ---

void TKvCurve::Configure(const ToolSettings& settings) {
  TakePaint(settings);
  PenWidth = settings.width;
}

void TKvCurve::OnMouseDown(ShiftState, int x, int y) {
  Stage = static_cast<std::uint8_t>(next_);
  next_ = next_ == 2 ? 0 : next_ + 1;
  // A later stage without the first press's snapshot starts a new curve
  // rather than showing an empty picture.
  if (Stage != 0 && !haveSnapshot_) Stage = 0;
  switch (Stage) {
    case 0:
      CurvePoints[0] = {x, y};
      CurvePoints[3] = {x, y};
      ResetShapeBounds();
      BeginDrawState();
      haveSnapshot_ = true;
      break;
    case 1:
      CurvePoints[1] = {x, y};
      InvalidateView();
      break;
    default:
      CurvePoints[2] = {x, y};
      InvalidateView();
      break;
  }
  pressed_ = true;
}

void TKvCurve::OnMouseMove(ShiftState shift, int x, int y) {
  if (!pressed_) return;
  switch (Stage) {
    case 0:
      CurvePoints[3] = {x, y};
      break;
    case 1:
      CurvePoints[1] = CurvePoints[2] = {x, y};
      break;
    default:
      CurvePoints[2] = {x, y};
      break;
  }
  Finish(shift, x, y);
}

void TKvCurve::OnMouseUp(ShiftState shift, int x, int y) {
  if (!pressed_) return;
  Finish(shift, x, y);
  pressed_ = false;
}

void TKvCurve::Finish(ShiftState, int, int) {
  RepaintShape();
  CommitLayer(LastWorkRect());
}

void TKvCurve::PaintShape(Canvas& canvas) {
  if (Stage == 0) {
    canvas.MoveTo(CurvePoints[0].x, CurvePoints[0].y);
    canvas.LineTo(CurvePoints[3].x, CurvePoints[3].y);
    return;
  }
  canvas.PolyBezier(CurvePoints);
}

Rect TKvCurve::ShapeBounds() const {
  const int margin = PenWidth / 2 + 2;
  if (Stage == 0) return BoxOf({CurvePoints[0], CurvePoints[3]}, margin);
  return BoxOf({CurvePoints[0], CurvePoints[1], CurvePoints[2], CurvePoints[3]}, margin);
}

// --- Rectangle family ---

void TKvRectangle::Configure(const ToolSettings& settings) {
  TakePaint(settings);
  PenWidth = settings.filled ? 1 : settings.width;
  Filled = settings.filled ? 1 : 0;
}

void TKvRoundRect::Configure(const ToolSettings& settings) {
  TKvRectangle::Configure(settings);
  CornerWidth = CornerHeight = static_cast<std::uint8_t>(settings.cornerRadius & 0xFF);
}

void TKvRectangle::OnMouseDown(ShiftState, int x, int y) {
  StartPoint = CurPoint = {x, y};
  ResetShapeBounds();
  BeginDrawState();
  pressed_ = true;
}

void TKvRectangle::OnMouseMove(ShiftState shift, int x, int y) {
  if (!pressed_) return;
  CheckShiftState(shift, x, y);
  alt_ = Has(shift, ShiftState::kAlt);
  RepaintShape();
}

void TKvRectangle::OnMouseUp(ShiftState shift, int x, int y) {
  if (!pressed_) return;
  OnMouseMove(shift, x, y);
  CommitLayer(ImageRect());
  pressed_ = false;
}

Point TKvRectangle::FirstCorner() const {
  if (!alt_) return StartPoint;
  return {2 * StartPoint.x - CurPoint.x, 2 * StartPoint.y - CurPoint.y};
}

void TKvRectangle::PaintShape(Canvas& canvas) {
  if (Filled != 0) canvas.brush() = raster::Brush{false, Color};
  const Point first = FirstCorner();
  DrawBox(canvas, first.x, first.y, CurPoint.x, CurPoint.y);
}

Rect TKvRectangle::ShapeBounds() const {
  return SegmentBox(FirstCorner(), CurPoint, PenWidth / 2 + 2);
}

void TKvRectangle::DrawBox(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Rectangle(x1, y1, x2, y2);
}

void TKvRoundRect::DrawBox(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.RoundRect(x1, y1, x2, y2, CornerWidth, CornerHeight);
}

void TKvEllipse::DrawBox(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Ellipse(x1, y1, x2, y2);
}

}  // namespace pixmint::tools
