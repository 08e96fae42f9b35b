#pragma once

#include <array>
#include <cstdint>

#include "tools/kv_paint.h"

namespace pixmint::tools {

// Shared by the shape tools: each move repaints the shape over the snapshot,
// recomputing only the union of the old and the new shape's boxes.
class ShapeToolBase : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;

 protected:
  // Clears the layer inside the work rectangle, lets PaintShape draw into it
  // (clipped there), composites and shows it.
  void RepaintShape();
  // The shape as the platform primitives draw it, on a canvas whose pen is
  // the solid Color of PenWidth and whose brush is hollow (the inside stays
  // unpainted).
  virtual void PaintShape(raster::Canvas& canvas) = 0;
  // Image pixels the shape can touch (may lie partly outside the image).
  [[nodiscard]] virtual raster::Rect ShapeBounds() const = 0;
  void ResetShapeBounds() { lastBounds_ = {}; }
  // The image rectangle the last repaint recomputed.
  [[nodiscard]] raster::Rect LastWorkRect() const { return lastWork_; }

  bool pressed_ = false;

 private:
  raster::Rect lastBounds_;
  raster::Rect lastWork_;
};

class TKvLine : public ShapeToolBase {
 public:
  using ShapeToolBase::ShapeToolBase;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;

 protected:
  void PaintShape(raster::Canvas& canvas) override;
  [[nodiscard]] raster::Rect ShapeBounds() const override;
};

// Three presses build one cubic Bezier curve: start and end, both control
// points together, the second control point alone.
class TKvCurve : public ShapeToolBase {
 public:
  using ShapeToolBase::ShapeToolBase;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;
  // Which press comes next: 0 the ends, 1 both control points, 2 the second.
  [[nodiscard]] int NextClick() const override { return next_; }
  void StartAnew() override { next_ = 0; }

  std::array<raster::Point, 4> CurvePoints{};
  // The stage of the press in progress.
  std::uint8_t Stage = 0;

 protected:
  void PaintShape(raster::Canvas& canvas) override;
  [[nodiscard]] raster::Rect ShapeBounds() const override;

 private:
  // The release step, which every move runs as well.
  void Finish(ShiftState shift, int x, int y);
  bool haveSnapshot_ = false;
  int next_ = 0;
};

class TKvRectangle : public ShapeToolBase {
 public:
  using ShapeToolBase::ShapeToolBase;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;

  std::uint8_t Filled = 0;

 protected:
  void PaintShape(raster::Canvas& canvas) override;
  [[nodiscard]] raster::Rect ShapeBounds() const override;
  // The first corner: StartPoint, or with Alt the mirror of CurPoint.
  [[nodiscard]] raster::Point FirstCorner() const;
  // Draws the box (x1, y1, x2, y2) with the shape's own primitive.
  virtual void DrawBox(raster::Canvas& canvas, int x1, int y1, int x2, int y2);

 private:
  bool alt_ = false;
};

class TKvRoundRect : public TKvRectangle {
 public:
  using TKvRectangle::TKvRectangle;
  void Configure(const ToolSettings& settings) override;

  std::uint8_t CornerWidth = 0;
  std::uint8_t CornerHeight = 0;

 protected:
  void DrawBox(raster::Canvas& canvas, int x1, int y1, int x2, int y2) override;
};

class TKvEllipse : public TKvRectangle {
 public:
  using TKvRectangle::TKvRectangle;

 protected:
  void DrawBox(raster::Canvas& canvas, int x1, int y1, int x2, int y2) override;
};

}  // namespace pixmint::tools
