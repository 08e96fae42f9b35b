#include "editor/canvas_view.h"

#include <algorithm>

#include "document/kv_icon.h"
#include "raster/canvas.h"
#include "raster/composite.h"
#include "raster/grid.h"
#include "raster/stretch.h"

namespace pixmint::editor {

CanvasView::CanvasView(EditorState& state, EditorHost& host) : state_(state), host_(host) {}

void CanvasView::SetViewport(int width, int height) {
  viewportWidth_ = width;
  viewportHeight_ = height;
}

void CanvasView::LayoutCanvas(int i) {
  if (!state_.Document || i < 0 || static_cast<std::uint32_t>(i) >= state_.Document->ImageCount()) return;
  const document::ImageSurface* surface = state_.Document->XorBitmap(i);
  if (surface == nullptr) return;
  const int zoom = state_.Zoom;
  panelWidth_ = surface->Width() * zoom + 10;
  panelHeight_ = surface->Height() * zoom + 10;
  // Centred while it fits; from the corner when larger, so that scrolling
  // reaches every pixel (a negative place would hide the first ones).
  panelLeft_ = std::max(0, (viewportWidth_ - panelWidth_) / 2);
  panelTop_ = std::max(0, (viewportHeight_ - panelHeight_) / 2);
  // With a zoom of 0 or less the canvas has no area until the user zooms in.
  screen_.Resize(std::max(0, panelWidth_ - 10), std::max(0, panelHeight_ - 10));
  PaintBox1Paint();
}

void CanvasView::FillLayout(CanvasLayout& layout) const {
  layout.panelLeft = panelLeft_;
  layout.panelTop = panelTop_;
  layout.panelWidth = panelWidth_;
  layout.panelHeight = panelHeight_;
  layout.canvasWidth = screen_.Width();
  layout.canvasHeight = screen_.Height();
  layout.visible = visible_;
}

bool CanvasView::ZoomIn() {
  if (state_.Zoom >= 16) return false;
  ++state_.Zoom;
  return true;
}

bool CanvasView::ZoomOut() {
  if (state_.Zoom <= 1) return false;
  --state_.Zoom;
  return true;
}

bool CanvasView::ZoomAuto() {
  if (!state_.Document || state_.Document->ImageCount() == 0 || state_.WorkBitmap.Height() <= 0) return false;
  state_.Zoom = (viewportHeight_ - 20) / state_.WorkBitmap.Height();
  return true;
}

bool CanvasView::MouseToPixel(int x, int y, raster::Point& pixel) const {
  if (state_.Zoom <= 0) return false;
  pixel = {x / state_.Zoom, y / state_.Zoom};
  return true;
}

raster::Rect CanvasView::FloatScreenRect() const {
  const int z = state_.Zoom;
  return {state_.FloatLeft * z, state_.FloatTop * z, (state_.FloatLeft + state_.FloatBitmap.Width()) * z,
          (state_.FloatTop + state_.FloatBitmap.Height()) * z};
}

void CanvasView::PaintBox1Paint() {
  if (screen_.Empty()) {
    host_.CanvasChanged(screen_.Bounds());
    return;
  }
  const int zoom = state_.Zoom;
  const raster::Picture& source = state_.AlphaMode ? state_.AlphaBitmap : state_.WorkBitmap;
  raster::ZoomCopy(screen_, source, zoom, source.Bounds(), state_.Holds);
  if (!state_.AlphaMode && state_.HasFloat) {
    // The selection over what lies beneath it, as merging will put it down.
    const raster::Picture& floating = state_.FloatBitmap;
    raster::Picture shown(floating.Width(), floating.Height());
    shown.CopyFrom(
        state_.WorkBitmap,
        {state_.FloatLeft, state_.FloatTop, state_.FloatLeft + floating.Width(), state_.FloatTop + floating.Height()},
        {0, 0});
    raster::PasteLayer(floating, shown, shown.Bounds(), state_.Opacity, state_.Holds);
    raster::ToDisplay(shown, shown.Bounds(), state_.Holds);
    const raster::Rect r = FloatScreenRect();
    raster::StretchCopy(screen_, r, shown, shown.Bounds());
    raster::Canvas canvas(screen_);
    raster::DrawSelectionFrame(canvas, r);
  }
  raster::DrawGrid(screen_, source.Width(), source.Height(), zoom);
  host_.CanvasChanged(screen_.Bounds());
}

void CanvasView::ScreenChanged(raster::Rect dirty) {
  if (!dirty.Empty()) host_.CanvasChanged(dirty);
}

void CanvasView::ShowAlphaView() {
  const int zoom = state_.Zoom;
  state_.AlphaViewBitmap.Resize(state_.AlphaBitmap.Width() * zoom, state_.AlphaBitmap.Height() * zoom);
  raster::ZoomCopy(state_.AlphaViewBitmap, state_.AlphaBitmap, zoom, state_.AlphaBitmap.Bounds());
  raster::DrawGrid(state_.AlphaViewBitmap, state_.AlphaBitmap.Width(), state_.AlphaBitmap.Height(), zoom);
  screen_.CopyFrom(state_.AlphaViewBitmap, state_.AlphaViewBitmap.Bounds(), {0, 0});
  host_.CanvasChanged(screen_.Bounds());
}

}  // namespace pixmint::editor
