#include "editor/canvas_router.h"

#include <algorithm>

#include "document/kv_icon.h"
#include "raster/canvas.h"
#include "raster/grid.h"
#include "tools/kv_paint.h"

namespace pixmint::editor {
namespace {

using tools::ShiftState;
using tools::ToolKind;

constexpr raster::Colour kPureRed = raster::Rgb(255, 0, 0);
constexpr int kSprayPeriodMs = 110;

CursorShape HandleCursor(raster::FrameHandle handle) {
  const raster::HandleEdges e = raster::EdgesOf(handle);
  if (e.whole) return CursorShape::kSizeAll;
  if (e.x != 0 && e.y != 0) return e.x == e.y ? CursorShape::kSizeNwse : CursorShape::kSizeNesw;
  if (e.y != 0) return CursorShape::kSizeNs;
  if (e.x != 0) return CursorShape::kSizeWe;
  return CursorShape::kArrow;
}

// The grey level of the Alpha-mode pen: trunc(opacity * 2.55), exactly.
int AlphaGrey(int opacity) {
  return std::clamp(opacity * 255 / 100, 0, 255);
}

}  // namespace

CanvasRouter::CanvasRouter(EditorState& state, EditorHost& host, ControlStates& controls, UndoHistory& undo,
                           EditBuffers& buffers, CanvasView& view, ToolBridge& tools, ColourState& colours)
    : state_(state),
      host_(host),
      controls_(controls),
      undo_(undo),
      buffers_(buffers),
      view_(view),
      tools_(tools),
      colours_(colours) {}

bool CanvasRouter::ToPixel(int sx, int sy, raster::Point& p) const {
  if (!state_.Document || state_.CurrentImage < 0 ||
      static_cast<std::uint32_t>(state_.CurrentImage) >= state_.Document->ImageCount()) {
    return false;
  }
  return view_.MouseToPixel(sx, sy, p);
}

void CanvasRouter::MouseDown(MouseButton button, ShiftState shift, int sx, int sy) {
  raster::Point p;
  if (button != MouseButton::kLeft || !ToPixel(sx, sy, p)) return;
  // A press while a change is still in progress (a release that never came)
  // settles that change first.
  if (state_.IsDragging || state_.AlphaDrawing) FinishPending();
  last_ = p;
  shift |= ShiftState::kLeftButton;
  if (state_.AlphaMode) return AlphaMouseDown(p);
  tools::TKvPaint* tool = tools_.Tool();
  if (tool == nullptr) {
    state_.IsDragging = true;
    return;
  }
  switch (tools_.Kind()) {
    case ToolKind::kStroke:
    case ToolKind::kShape:
      StartDrawing(*tool, shift, p);
      break;
    case ToolKind::kMultiClickShape:
      CurveDown(*tool, shift, p);
      break;
    case ToolKind::kMover:
      MoverDown(*tool, shift, sx, sy, p);
      break;
    case ToolKind::kSelection:
      // A new selection replaces the floating one: that is put down first.
      if (state_.HasFloat) buffers_.MergeFloat();
      state_.IsDragging = true;
      tool->OnMouseDown(shift, p.x, p.y);
      break;
    case ToolKind::kMultiClickSelection:
      LassoDown(*tool, shift, p);
      break;
    case ToolKind::kPicker:
    case ToolKind::kText:
      state_.IsDragging = true;
      return;
  }
  ShowToolDrawing();
}

void CanvasRouter::StartDrawing(tools::TKvPaint& tool, ShiftState shift, raster::Point p) {
  // Drawing goes into the picture, under any floating selection, so that is
  // put down first; else merging it later would cover the new stroke.
  if (state_.HasFloat) buffers_.MergeFloat();
  step_.emplace(undo_);
  if (!step_->Ok()) {
    step_.reset();
    return;
  }
  state_.IsDragging = true;
  tool.OnMouseDown(shift, p.x, p.y);
  if (tool.TimerActive()) host_.SetTimer(kSprayPeriodMs);
}

void CanvasRouter::CurveDown(tools::TKvPaint& tool, ShiftState shift, raster::Point p) {
  if (tool.NextClick() == 0 || !step_) {
    tool.StartAnew();
    if (state_.HasFloat) buffers_.MergeFloat();
    step_.reset();
    step_.emplace(undo_);
    if (!step_->Ok()) {
      step_.reset();
      return;
    }
  }
  state_.IsDragging = true;
  tool.OnMouseDown(shift, p.x, p.y);
}

void CanvasRouter::MoverDown(tools::TKvPaint& tool, ShiftState shift, int sx, int sy, raster::Point p) {
  if (!state_.HasFloat) {
    state_.IsDragging = true;
    return;
  }
  const raster::FrameHandle handle = raster::HitTestFrame(view_.FloatScreenRect(), sx, sy);
  tool.Grab({state_.FloatLeft, state_.FloatTop}, handle);
  if (handle != raster::FrameHandle::kOutside) {
    state_.IsDragging = true;
    tool.OnMouseDown(shift, p.x, p.y);
    return;
  }
  state_.IsDragging = false;
  buffers_.MergeFloat();
  tools_.ReturnToLast();
}

void CanvasRouter::LassoDown(tools::TKvPaint& tool, ShiftState shift, raster::Point p) {
  state_.IsDragging = true;
  // The first click of an outline puts the floating selection down.
  if (tool.NextClick() == 0 && state_.HasFloat) buffers_.MergeFloat();
  tool.OnMouseDown(shift, p.x, p.y);
}

void CanvasRouter::MouseMove(ShiftState shift, int sx, int sy) {
  raster::Point p;
  if (!ToPixel(sx, sy, p)) return;
  last_ = p;
  controls_.SetStatus(1, "X" + std::to_string(p.x) + ", Y" + std::to_string(p.y));
  if (state_.AlphaMode) return AlphaMouseMove(p);
  tools::TKvPaint* tool = tools_.Tool();
  const ToolKind kind = tools_.Kind();
  if (kind == ToolKind::kPicker && tool != nullptr) {
    // Outside the image there is no pixel to read out.
    if (!state_.WorkBitmap.Contains(p.x, p.y)) return;
    controls_.SetStatus(2, PixelText(state_.WorkBitmap.At(p.x, p.y)));
    return;
  }
  if (tool == nullptr || state_.ToolId == tools::ToolId::kFill || kind == ToolKind::kText) return;
  if (kind == ToolKind::kMover && state_.HasFloat) {
    host_.SetCanvasCursor(HandleCursor(raster::HitTestFrame(view_.FloatScreenRect(), sx, sy)));
  }
  const bool active = kind == ToolKind::kMultiClickSelection ? tool->NextClick() != 0 : state_.IsDragging;
  if (!active) return;
  tool->OnMouseMove(shift, p.x, p.y);
  ShowToolDrawing();
}

void CanvasRouter::MouseUp(MouseButton button, ShiftState shift, int sx, int sy) {
  raster::Point p;
  if (button != MouseButton::kLeft || !ToPixel(sx, sy, p)) return;
  last_ = p;
  shift |= ShiftState::kLeftButton;
  if (state_.AlphaMode) return AlphaMouseUp(p);
  if (!state_.IsDragging) return;
  Release(shift, p);
}

void CanvasRouter::Release(ShiftState shift, raster::Point p) {
  state_.IsDragging = false;
  tools::TKvPaint* tool = tools_.Tool();
  const ToolKind kind = tools_.Kind();
  if (tool == nullptr) return;
  switch (kind) {
    case ToolKind::kStroke:
    case ToolKind::kShape:
      host_.SetTimer(0);
      tool->OnMouseUp(shift, p.x, p.y);
      buffers_.CommitWorkImage();
      step_.reset();  // the stroke is one step
      break;
    case ToolKind::kMultiClickShape:
      tool->OnMouseUp(shift, p.x, p.y);
      buffers_.CommitWorkImage();
      // The third click ends the curve, and its step with it.
      if (tool->NextClick() == 0) step_.reset();
      break;
    case ToolKind::kPicker:
      if (state_.WorkBitmap.Contains(p.x, p.y)) {  // nothing is taken from outside the image
        colours_.Pick(PaintAt(p), tools::Has(shift, ShiftState::kAlt));
        tools_.ReturnToLast();
      }
      break;
    case ToolKind::kMover:
      if (!state_.HasFloat) return buffers_.CommitWorkImage();
      tool->OnMouseUp(shift, p.x, p.y);
      state_.FloatLeft = tool->Origin.x;
      state_.FloatTop = tool->Origin.y;
      break;
    case ToolKind::kSelection:
      tool->OnMouseUp(shift, p.x, p.y);
      if (tool->Origin.x != -1 && tool->Origin.y != -1) FloatFromTool(*tool);
      break;
    case ToolKind::kMultiClickSelection:
      if (tool->NextClick() == 0) return;
      tool->OnMouseUp(shift, p.x, p.y);
      if (tool->StateFlag == 0) {
        // The outline is still open: what it drew stays on the screen.
        buffers_.CommitWorkImage();
        return ShowToolDrawing();
      }
      FloatFromTool(*tool);
      return view_.PaintBox1Paint();
    case ToolKind::kText:
      // Each click on the canvas with the text tool asks for a text.
      tools_.Choose(tools::ToolId::kText);
      break;
  }
  buffers_.CommitWorkImage();
  view_.PaintBox1Paint();
}

void CanvasRouter::FinishPending() {
  host_.SetTimer(0);
  if (state_.AlphaDrawing) AlphaMouseUp(last_);
  if (state_.IsDragging) {
    switch (tools_.Kind()) {
      case ToolKind::kSelection:  // an unfinished rubber band selects nothing
        state_.IsDragging = false;
        view_.PaintBox1Paint();
        break;
      case ToolKind::kText:
      case ToolKind::kPicker:
        state_.IsDragging = false;
        break;
      default:
        Release(ShiftState::kLeftButton, last_);
        break;
    }
  }
  tools::TKvPaint* tool = tools_.Tool();
  if (tool != nullptr && tools_.Kind() == ToolKind::kMultiClickSelection && tool->NextClick() != 0) {
    tool->StartAnew();
    view_.PaintBox1Paint();
  }
  if (step_) {
    // A curve between its clicks: kept as drawn; the next press starts anew.
    step_.reset();
    if (tool != nullptr) tool->StartAnew();
  }
}

// What the dropper reads: transparency, the inverting pixel or a colour (with
// its alpha where that is partial).
std::string CanvasRouter::PixelText(const std::uint8_t* pixel) const {
  if (raster::IsInverting(pixel, state_.Holds)) return "Inverting";
  if (pixel[3] == 0) return "Transparent";
  const std::string text = ColourText(raster::Rgb(pixel[2], pixel[1], pixel[0]));
  return pixel[3] == raster::kOpaque ? text : text + " A" + std::to_string(pixel[3]);
}

raster::Paint CanvasRouter::PaintAt(raster::Point p) const {
  const std::uint8_t* pixel = state_.WorkBitmap.At(p.x, p.y);
  if (raster::IsInverting(pixel, state_.Holds)) return raster::kInvertingPaint;
  if (pixel[3] == 0) return raster::kTransparentPaint;
  return raster::ColourPaint(raster::Rgb(pixel[2], pixel[1], pixel[0]));
}

void CanvasRouter::FloatFromTool(tools::TKvPaint& tool) {
  buffers_.FloatPicked(tool.Origin);
  tools_.Choose(tools::ToolId::kMoveScale);
}

void CanvasRouter::ShowToolDrawing() {
  tools::TKvPaint* tool = tools_.Tool();
  if (tool != nullptr) view_.ScreenChanged(tool->TakeDirtyScreenRect());
}

void CanvasRouter::TimerTick() {
  tools::TKvPaint* tool = tools_.Tool();
  if (tool == nullptr || !state_.IsDragging || !tool->TimerActive()) {
    host_.SetTimer(0);
    return;
  }
  tool->OnTimerTick();
  ShowToolDrawing();
}

void CanvasRouter::AlphaMouseDown(raster::Point p) {
  step_.emplace(undo_);
  if (!step_->Ok()) {
    step_.reset();
    return;
  }
  state_.AlphaDrawing = true;
  state_.AlphaStart = state_.AlphaLast = p;
  state_.AlphaViewBitmap.Resize(state_.AlphaBitmap.Width() * state_.Zoom, state_.AlphaBitmap.Height() * state_.Zoom);
}

void CanvasRouter::AlphaMouseMove(raster::Point p) {
  if (!state_.AlphaDrawing) {
    const raster::Colour c = view_.Screen().Pixel(p.x * state_.Zoom + 1, p.y * state_.Zoom + 1);
    if (c == raster::kInvalidColour) return;
    controls_.SetStatus(
        2, c == kPureRed ? std::string("Transparent") : "Opacity: " + std::to_string(raster::Red(c) * 100 / 255));
    return;
  }
  const int g = AlphaGrey(state_.Opacity);
  raster::Canvas canvas(state_.AlphaBitmap);
  canvas.pen() = {1, raster::PenStyle::kSolid, raster::Rgb(g, g, g), raster::PenMode::kCopy};
  if (state_.LastDrawTool == tools::ToolId::kPencil) {
    canvas.MoveTo(state_.AlphaStart.x, state_.AlphaStart.y);
    canvas.LineTo(p.x, p.y);
    state_.AlphaStart = p;
  } else {
    // The rubber band lives in the alpha picture and is removed by drawing
    // it a second time.
    canvas.pen().mode = raster::PenMode::kXor;
    canvas.MoveTo(state_.AlphaStart.x, state_.AlphaStart.y);
    canvas.LineTo(state_.AlphaLast.x, state_.AlphaLast.y);
    state_.AlphaLast = p;
    canvas.MoveTo(state_.AlphaStart.x, state_.AlphaStart.y);
    canvas.LineTo(state_.AlphaLast.x, state_.AlphaLast.y);
  }
  view_.ShowAlphaView();
}

void CanvasRouter::AlphaMouseUp(raster::Point p) {
  if (!state_.AlphaDrawing) return;
  state_.AlphaDrawing = false;
  const int g = AlphaGrey(state_.Opacity);
  raster::Canvas canvas(state_.AlphaBitmap);
  canvas.pen() = {1, raster::PenStyle::kSolid, raster::Rgb(g, g, g), raster::PenMode::kCopy};
  if (state_.AlphaStart == p) {
    canvas.SetPixel(p.x, p.y, raster::Rgb(g, g, g));
  } else {
    canvas.MoveTo(state_.AlphaStart.x, state_.AlphaStart.y);
    canvas.LineTo(p.x, p.y);
  }
  view_.ShowAlphaView();
  buffers_.CommitWorkImage();
  step_.reset();
}

}  // namespace pixmint::editor
