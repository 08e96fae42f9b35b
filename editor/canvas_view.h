#pragma once

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "raster/picture.h"

namespace pixmint::editor {

// Where the canvas frame (Panel1) sits in the scrolling area and how big the
// canvas (PaintBox1, at (5, 5) inside the frame) is, in screen pixels.
struct CanvasLayout {
  int panelLeft = 0;
  int panelTop = 0;
  int panelWidth = 0;
  int panelHeight = 0;
  int canvasWidth = 0;   // image width * Zoom
  int canvasHeight = 0;  // image height * Zoom
  bool visible = false;  // hidden until a document is open
};

// The zoomed canvas: its geometry in the scrolling area, the screen buffer
// that stands for it (what the window copies to the screen), and the mapping
// from screen pixels to image pixels.
class CanvasView {
 public:
  CanvasView(EditorState& state, EditorHost& host);

  void SetViewport(int width, int height);
  [[nodiscard]] int ViewportWidth() const { return viewportWidth_; }
  [[nodiscard]] int ViewportHeight() const { return viewportHeight_; }

  // Sizes the frame and the screen buffer for image i at the current zoom;
  // nothing without a document or for i outside it.
  void LayoutCanvas(int i);
  void Show() { visible_ = true; }
  void FillLayout(CanvasLayout& layout) const;

  // Zoom commands: true when the zoom changed (the caller lays out again).
  [[nodiscard]] bool ZoomIn();
  [[nodiscard]] bool ZoomOut();
  // Fits the image height into the scrolling area; no clamping.
  [[nodiscard]] bool ZoomAuto();

  // Image pixel under a screen point, division truncating toward zero.
  // False while the zoom gives the canvas no area.
  [[nodiscard]] bool MouseToPixel(int x, int y, raster::Point& pixel) const;
  // The floating selection's rectangle in screen pixels.
  [[nodiscard]] raster::Rect FloatScreenRect() const;

  // Recomposes the whole screen buffer from the working pictures and tells
  // the host.
  void PaintBox1Paint();
  // The tools drew into the screen buffer inside dirty.
  void ScreenChanged(raster::Rect dirty);
  // The alpha picture enlarged with the grid, copied to the screen in one go.
  void ShowAlphaView();

  [[nodiscard]] raster::Picture& Screen() { return screen_; }
  [[nodiscard]] const raster::Picture& Screen() const { return screen_; }

 private:
  EditorState& state_;
  EditorHost& host_;
  raster::Picture screen_;
  int viewportWidth_ = 400;
  int viewportHeight_ = 353;
  int panelLeft_ = 0;
  int panelTop_ = 0;
  int panelWidth_ = 0;
  int panelHeight_ = 0;
  bool visible_ = false;
};

}  // namespace pixmint::editor
