#include "raster/canvas.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/painter.h"
#include "raster/spans.h"

namespace pixmint::raster {

namespace {

constexpr Rect kNoClip{-0x40000000, -0x40000000, 0x40000000, 0x40000000};

// Whether the pixel at this step of a styled line is drawn: dotted and
// alternate pens set every other pixel, starting with the first.
bool StyleOn(PenStyle style, int step) {
  return style == PenStyle::kSolid || (step & 1) == 0;
}

}  // namespace

void Canvas::SetClip(Rect clip) {
  clip_ = clip;
}
void Canvas::ResetClip() {
  clip_ = kNoClip;
}
Rect Canvas::Clip() const {
  return clip_;
}

Rect Canvas::DrawArea() const {
  const Rect b = target_->Bounds();
  return {std::max(clip_.left, b.left), std::max(clip_.top, b.top), std::min(clip_.right, b.right),
          std::min(clip_.bottom, b.bottom)};
}

int Canvas::PenWidth() const {
  return std::clamp(pen_.width, 1, kMaxPenWidth);
}

void Canvas::CosmeticLine(Painter& painter, Point a, Point b, bool includeEnd, int& step) {
  const Rect area = DrawArea();
  const int first = step;
  int length = 0;
  ForEachLinePixel(a, b, area, [&](int x, int y, int k) {
    if (!includeEnd && Point{x, y} == b) return;
    if (StyleOn(pen_.style, first + k)) painter.Pixel(Ink::kPen, x, y);
  });
  length = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
  step = first + length + (includeEnd ? 1 : 0);
}

void Canvas::LineTo(int x, int y) {
  const Point a = Limited(position_);
  const Point b = Limited({x, y});
  position_ = {x, y};
  const Point ends[2] = {a, b};
  const int width = PenWidth();
  Painter painter(*target_, DrawArea(), PointBounds(ends, width), pen_.mode, pen_.colour, brush_.colour);
  if (width <= 1) {
    int step = pen_.style == PenStyle::kDot ? styleStep_ : 0;
    CosmeticLine(painter, a, b, false, step);
    styleStep_ = step;
  } else {
    PenSink sink{&painter};
    EmitCapsule(a, b, width, DrawArea(), sink);
  }
  painter.Finish();
}

void Canvas::Polyline(std::span<const Point> given) {
  if (given.empty()) return;
  const std::vector<Point> points = Limited(given);
  const int width = PenWidth();
  Painter painter(*target_, DrawArea(), PointBounds(points, width), pen_.mode, pen_.colour, brush_.colour);
  int step = 0;
  PenSink sink{&painter};
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (width <= 1) {
      int lineStep = pen_.style == PenStyle::kAlternate ? 0 : step;
      CosmeticLine(painter, points[i - 1], points[i], false, lineStep);
      step = lineStep;
    } else {
      EmitCapsule(points[i - 1], points[i], width, DrawArea(), sink);
    }
  }
  painter.Finish();
  position_ = given.back();
  styleStep_ = step;
}

void Canvas::StrokeSegmentList(std::span<const std::pair<Point, Point>> segments, Rect bounds) {
  const int width = PenWidth();
  Painter painter(*target_, DrawArea(), bounds, pen_.mode, pen_.colour, brush_.colour);
  PenSink sink{&painter};
  RowMerger<PenSink> pieces(sink, painter.Area().top, painter.Area().bottom);
  int step = 0;
  for (const auto& [a, b] : segments) {
    if (width <= 1) {
      CosmeticLine(painter, a, b, true, step);
    } else {
      EmitCapsule(a, b, width, DrawArea(), pieces);
    }
  }
  pieces.Flush();
  painter.Finish();
}

void Canvas::StrokePolyline(std::span<const Point> given) {
  if (given.empty()) return;
  const std::vector<Point> points = Limited(given);
  std::vector<std::pair<Point, Point>> segments;
  segments.reserve(points.size());
  if (points.size() == 1) segments.emplace_back(points[0], points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) segments.emplace_back(points[i - 1], points[i]);
  StrokeSegmentList(segments, PointBounds(points, PenWidth()));
}

void Canvas::StrokeSegments(std::span<const std::pair<Point, Point>> segments) {
  if (segments.empty()) return;
  std::vector<Point> ends;
  ends.reserve(segments.size() * 2);
  std::vector<std::pair<Point, Point>> limited;
  limited.reserve(segments.size());
  for (const auto& [a, b] : segments) {
    limited.emplace_back(Limited(a), Limited(b));
    ends.push_back(limited.back().first);
    ends.push_back(limited.back().second);
  }
  StrokeSegmentList(limited, PointBounds(ends, PenWidth()));
}

void Canvas::FillRect(Rect r, Colour c) {
  const Rect area = DrawArea();
  target_->FillRect({std::max(r.left, area.left), std::max(r.top, area.top), std::min(r.right, area.right),
                     std::min(r.bottom, area.bottom)},
                    c);
}

Colour Canvas::Pixel(int x, int y) const {
  return target_->Pixel(x, y);
}

void Canvas::SetPixel(int x, int y, Colour c) {
  if (DrawArea().Contains({x, y})) target_->SetPixel(x, y, c);
}

}  // namespace pixmint::raster
