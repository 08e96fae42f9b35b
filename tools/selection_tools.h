#pragma once

#include <vector>

#include "raster/grid.h"
#include "tools/kv_paint.h"

namespace pixmint::tools {

// An outline keeps at most this many vertices; further clicks add none.
inline constexpr int kMaxLassoVertices = 65535;

// The rectangular marquee: a rubber band on the screen, and on release a copy
// of the picked rectangle in Target with its corner in Origin ((-1, -1) when
// the rectangle has no area).
class TKvSelectBas : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;

  raster::Picture* Target = nullptr;

 private:
  void DrawBand();
  bool pressed_ = false;
};

// The lasso: one vertex per click, closed by a click within one pixel of the
// first vertex; the inside of the polygon goes to Target, the rest of its box
// is transparent.
class TKvSelectAdv : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;
  // 1 while an outline is open (its clicks make one selection).
  [[nodiscard]] int NextClick() const override { return open_ ? 1 : 0; }
  // The next click starts a new outline.
  void StartAnew() override;

  raster::Picture* Target = nullptr;
  std::vector<raster::Point> Vertices;
  int VertexCount = -1;  // index of the last vertex

 private:
  bool restart_ = false;
  bool open_ = false;
  void DrawBand();
  void CloseOutline();
};

// Drags the floating selection or stretches it by one of its eight handles;
// every size change of one drag stretches the picture taken at the press.
class TKvMoveScale : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;
  // Where the selection is and which part of its frame the next press grabs.
  void Grab(raster::Point floatOrigin, raster::FrameHandle handle) override;

  raster::Picture* Target = nullptr;
  raster::Picture PressCopy;
  raster::Point FloatPos;
  raster::FrameHandle Handle = raster::FrameHandle::kOutside;

 private:
  // Applies the move to the position and size; false when not accepted.
  bool ApplyHandle(int x, int y, int& w, int& h);
  void Show();

  bool pressed_ = false;
  raster::Rect lastScreen_;
};

}  // namespace pixmint::tools
