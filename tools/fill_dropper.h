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
  void Configure(const ToolSettings& settings) override;

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
  void Configure(const ToolSettings&) override {}
};

}  // namespace pixmint::tools
