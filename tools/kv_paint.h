#pragma once

#include <cstdint>

#include "raster/canvas.h"
#include "raster/colour.h"
#include "raster/grid.h"
#include "raster/picture.h"
#include "tools/tool_ids.h"

namespace pixmint::tools {

// What a tool is given when it is built: each tool takes the fields it uses.
struct ToolSettings {
  raster::Paint paint;  // the foreground colour
  raster::Paint back;   // the background colour
  // What the edited picture's pixels can hold.
  raster::Transparency holds;
  int width = 1;         // pen width in image pixels
  int rings = 0;         // the brush's soft rings
  int cornerRadius = 0;  // round rectangles
  bool filled = false;   // filled shapes
  // The floating selection the marquee and lasso fill and move/scale changes.
  raster::Picture* target = nullptr;
};

// Base of every canvas tool. A tool paints its preview into LayerBitmap
// (cleared to transparent, so a painted pixel is one with alpha), composites
// it over BaseBitmap (the picture at the start of the stroke) and shows it
// enlarged in the screen buffer; the release copies the composite into the
// edited picture.
//
// A pointer move normally recomputes only the part of the layer that the move
// can change and repaints only the matching part of the screen; the screen
// area touched since the last TakeDirtyScreenRect() is collected so the window
// can repaint just that. SetFullRepaint(true) makes every step recompute and
// repaint everything instead: the reference the fast path is tested against.
class TKvPaint {
 public:
  TKvPaint(raster::Picture& imageCanvas, raster::Picture& screenCanvas, int width, int height, int zoom, int opacity);
  virtual ~TKvPaint() = default;
  TKvPaint(const TKvPaint&) = delete;
  TKvPaint& operator=(const TKvPaint&) = delete;

  virtual void OnMouseMove(ShiftState shift, int x, int y) = 0;
  virtual void OnMouseDown(ShiftState shift, int x, int y) = 0;
  virtual void OnMouseUp(ShiftState shift, int x, int y) = 0;
  virtual void Configure(const ToolSettings& settings) = 0;
  // One burst of the spray; the host calls it every 110 ms while
  // TimerActive() is true.
  virtual void OnTimerTick() {}
  [[nodiscard]] virtual bool TimerActive() const { return false; }
  // Tools that make one change of several clicks (curve, lasso): which click
  // comes next, 0 when the next click starts anew.
  [[nodiscard]] virtual int NextClick() const { return 0; }
  // The clicks so far are given up: the next click starts anew.
  virtual void StartAnew() {}
  // The mover: takes the floating selection, which lies at origin, by the
  // handle pressed.
  virtual void Grab(raster::Point /*origin*/, raster::FrameHandle /*handle*/) {}

  virtual void CheckShiftState(ShiftState shift, int x, int y);
  virtual void BeginDrawState();
  virtual void EndDrawState();

  // The screen area changed since the last call (empty when nothing changed).
  [[nodiscard]] raster::Rect TakeDirtyScreenRect();
  void SetFullRepaint(bool full) { fullRepaint_ = full; }
  [[nodiscard]] bool FullRepaint() const { return fullRepaint_; }

  // Fields shared by the tools; the editor reads Origin and StateFlag after a
  // release and clears StateFlag at the first click of a new lasso outline.
  raster::Picture& ImageCanvas;
  raster::Picture& ScreenCanvas;
  int Width;
  int Height;
  int Zoom;
  int Opacity;
  raster::Picture ViewBitmap;
  raster::Picture BaseBitmap;
  raster::Picture LayerBitmap;
  int PenWidth = 0;
  raster::Point CurPoint;
  raster::Point StartPoint;
  // The ink the primitives draw with, and what it lays down.
  raster::Colour Color = 0;
  raster::PaintKind Kind = raster::PaintKind::kColour;
  raster::Transparency Holds;
  raster::Point Origin;
  int StateFlag = 0;

 protected:
  [[nodiscard]] raster::Rect ImageRect() const { return {0, 0, Width, Height}; }
  [[nodiscard]] raster::Rect ScreenRectOf(raster::Rect imageRect) const;
  // Takes the paint and what the picture holds from the settings.
  void TakePaint(const ToolSettings& settings);
  [[nodiscard]] bool PaintsColour() const { return Kind == raster::PaintKind::kColour; }

  // Shows LayerBitmap inside the image rectangle r: enlarged onto the screen
  // with the grid. The first call after BeginDrawState shows everything (the
  // screen may still show what the window painted before the stroke).
  void ShowLayer(raster::Rect r);
  // Everything on the next ShowLayer, whatever rectangle it is given.
  void InvalidateView() { viewStale_ = true; }
  [[nodiscard]] bool ViewStale() const { return viewStale_; }
  void MarkViewFresh() { viewStale_ = false; }
  // The rectangle of the image to recompute now: r in the fast path, all of
  // the image in the reference mode; clipped to the image.
  [[nodiscard]] raster::Rect WorkRect(raster::Rect r) const;
  void AddDirtyScreen(raster::Rect screenRect);
  // Composites the painted layer over the base inside r at the opacity.
  void MergePainted(raster::Rect r);
  // Copies LayerBitmap onto ImageCanvas inside r.
  void CommitLayer(raster::Rect r);
  // Repaints the screen buffer inside the screen rectangle s from BaseBitmap
  // enlarged, with the grid: what the selection tools show under their frame.
  void ShowBase(raster::Rect s);

 private:
  raster::Rect dirtyScreen_;
  bool fullRepaint_ = false;
  bool viewStale_ = true;
};

[[nodiscard]] raster::Rect UnionRect(raster::Rect a, raster::Rect b);
[[nodiscard]] raster::Rect IntersectRect(raster::Rect a, raster::Rect b);
// The box of a segment grown by margin pixels on every side.
[[nodiscard]] raster::Rect SegmentBox(raster::Point a, raster::Point b, int margin);

}  // namespace pixmint::tools
