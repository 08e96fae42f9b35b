#pragma once

#include "tools/kv_paint.h"

namespace pixmint::tools {

// Recolours the connected area of the colour under the release point.
class TKvFill : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void SetValue(raster::Colour color, int p2, int p3, int p4, int p5, int p6) override;

 private:
  bool pressed_ = false;
};

// The dropper's object does nothing: the canvas reads and picks the colour.
class TKvDropper : public TKvPaint {
 public:
  using TKvPaint::TKvPaint;
  void OnMouseMove(ShiftState, int, int) override {}
  void OnMouseDown(ShiftState, int, int) override {}
  void OnMouseUp(ShiftState, int, int) override {}
  void SetValue(raster::Colour, int, int, int, int, int) override {}
};

}  // namespace pixmint::tools
