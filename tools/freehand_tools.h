#pragma once

#include <cstdint>
#include <vector>

#include "tools/kv_paint.h"

namespace pixmint::tools {

// A stroke keeps at most this many points (the press point included);
// further points are ignored.
inline constexpr int kMaxStrokePoints = 65535;

// The hard polyline that follows the pointer. The brush and the eraser share
// its press, release and stroke machinery.
class TKvPencil : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;
  void BeginDrawState() override;

  std::vector<raster::Point> Points;
  int PointCount = 0;  // index of the last stored point

 protected:
  // One stroke of the whole polyline at a width, then (when merge is set) a
  // composite of the layer over the snapshot at mergeOpacity.
  struct Pass {
    int width = 1;
    bool merge = false;
    int mergeOpacity = 0;
  };
  [[nodiscard]] virtual std::vector<Pass> Passes() const;
  // Stores (x, y) as the next point; false when the buffer is full.
  bool AppendPoint(int x, int y);
  // Repaints the stroke after a new point: the passes, a last composite at
  // Opacity, and the view.
  void PaintStroke();

 private:
  void PaintDot();
  void PaintFull(const std::vector<Pass>& passes);
  void StrokeCovers(const std::vector<Pass>& passes);
  void PaintNewSegment(const std::vector<Pass>& passes);
  void Recompose(const std::vector<Pass>& passes, raster::Rect r);

  // Per pass, the coverage of the stroke so far (alpha where stroked): lets
  // a move stroke only its new segment.
  std::vector<raster::Picture> covers_;
  bool coversValid_ = false;
};

// Soft-edged polyline: concentric strokes of falling width, each composited
// over the snapshot, so the outer rings fade toward the picture.
class TKvBrush : public TKvPencil {
 public:
  using TKvPencil::TKvPencil;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;

  std::uint8_t Rings = 0;

 protected:
  [[nodiscard]] std::vector<Pass> Passes() const override;
};

// The pencil in the transparent colour, always at full strength.
class TKvEraser : public TKvPencil {
 public:
  using TKvPencil::TKvPencil;
  void Configure(const ToolSettings& settings) override;
};

}  // namespace pixmint::tools
