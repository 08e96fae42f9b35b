#include "editor/colour_state.h"
#include "editor/workspace.h"
#include "editor/workspace_parts.h"
#include "raster/canvas.h"
#include "raster/grid.h"

// Routing of the canvas's mouse events to the current tool, and the
// editor's own painting in Alpha mode.

namespace pixmint::editor {
namespace {

constexpr raster::Colour kPureRed = raster::Rgb(255, 0, 0);
constexpr int kSprayPeriodMs = 110;

// Tools whose stroke is one undo step from press to release.
bool IsStrokeTool(int id) {
  return (id >= tools::kToolPencil && id <= tools::kToolEraser && id != tools::kToolCurve) || id == tools::kToolSpray ||
         id == tools::kToolFill;
}

CursorShape HandleCursor(int code) {
  switch (code) {
    case 5:
    case 8:
      return CursorShape::kSizeNwse;
    case 6:
    case 7:
      return CursorShape::kSizeNesw;
    case 1:
    case 4:
      return CursorShape::kSizeNs;
    case 2:
    case 3:
      return CursorShape::kSizeWe;
    case 0:
      return CursorShape::kSizeAll;
    default:
      return CursorShape::kArrow;
  }
}

unsigned ButtonBit(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft:
      return kLeftButton;
    case MouseButton::kRight:
      return kRightButton;
    case MouseButton::kMiddle:
      return kMiddleButton;
  }
  return 0;
}

// The grey level of the Alpha-mode pen: trunc(opacity * 2.55), exactly.
int AlphaGrey(int opacity) {
  return std::clamp(opacity * 255 / 100, 0, 255);
}

}  // namespace

void Workspace::CanvasMouseDown(MouseButton button, unsigned shift, int sx, int sy) {
  raster::Point p;
  if (parts_->Current() < 0 || !parts_->view.MouseToPixel(sx, sy, p)) return;
  if (button != MouseButton::kLeft) return;
  shift |= ButtonBit(button);
  if (state_.AlphaMode) return AlphaMouseDown(p);
  tools::TKvPaint* tool = parts_->palette.CurTool();
  const int id = state_.ToolId;
  if (tool == nullptr || !(IsStrokeTool(id) || id == tools::kToolCurve || id == tools::kToolMoveScale ||
                           id == tools::kToolSelectBas || id == tools::kToolSelectAdv)) {
    state_.IsDragging = true;
    return;
  }
  if (IsStrokeTool(id)) {
    if (!parts_->undo.SnapshotBefore()) return;
    state_.IsDragging = true;
    tool->OnMouseDown(shift, p.x, p.y);
    if (tool->TimerActive()) host_.SetTimer(kSprayPeriodMs);
  } else if (id == tools::kToolCurve) {
    int stage = parts_->palette.CurveStage();
    tool->SetValue(state_.ForeColor, 0, 0, parts_->palette.ToolWidth(), stage, 0);
    if (stage == 0 && !parts_->undo.SnapshotBefore()) return;
    state_.IsDragging = true;
    stage = stage + 1 > 2 ? 0 : stage + 1;
    parts_->palette.SetCurveStage(stage);
    parts_->SyncTools();
    tool->OnMouseDown(shift, p.x, p.y);
  } else if (id == tools::kToolMoveScale) {
    MoveScaleDown(*tool, shift, sx, sy, p);
  } else if (id == tools::kToolSelectBas) {
    state_.IsDragging = true;
    tool->OnMouseDown(shift, p.x, p.y);
  } else {
    state_.IsDragging = true;
    if (!state_.LassoActive) {
      state_.LassoActive = true;
      tool->StateFlag = 0;
      tool->SetValue(0, 0, 0, 0, tools::kLassoResetCode, 0);
    }
    tool->OnMouseDown(shift, p.x, p.y);
  }
  ShowToolDrawing();
}

void Workspace::MoveScaleDown(tools::TKvPaint& tool, unsigned shift, int sx, int sy, raster::Point p) {
  if (!state_.HasFloat) {
    state_.IsDragging = true;
    return;
  }
  const int code = raster::HitTestFrame(parts_->view.FloatScreenRect(), sx, sy);
  tool.SetValue(state_.ForeColor, state_.FloatLeft, state_.FloatTop, 0, code, 0);
  if (code != tools::kHandleOutside) {
    state_.IsDragging = true;
    tool.OnMouseDown(shift, p.x, p.y);
    return;
  }
  for (const char* name : {"tbtnCut", "tbtnCopy", "tbtnClear"}) parts_->controls.SetEnabled(name, false);
  state_.IsDragging = false;
  parts_->buffers.MergeFloat();
  parts_->ReturnToLastTool();
}

void Workspace::CanvasMouseMove(unsigned shift, int sx, int sy) {
  raster::Point p;
  if (parts_->Current() < 0 || !parts_->view.MouseToPixel(sx, sy, p)) return;
  parts_->controls.SetStatus(1, "X" + std::to_string(p.x) + ", Y" + std::to_string(p.y));
  if (state_.AlphaMode) return AlphaMouseMove(p);
  tools::TKvPaint* tool = parts_->palette.CurTool();
  const int id = state_.ToolId;
  if (id == tools::kToolDropper) {
    // Outside the image there is no pixel to read out.
    if (!state_.WorkBitmap.Contains(p.x, p.y)) return;
    const raster::Colour c = state_.WorkBitmap.Pixel(p.x, p.y);
    parts_->controls.SetStatus(2, raster::SameRgb(c, raster::Markers().trans) ? "Transparent" : ColourText(c));
    return;
  }
  if (tool == nullptr || id == tools::kToolFill || id == tools::kToolText) return;
  if (id == tools::kToolMoveScale && state_.HasFloat) {
    host_.SetCanvasCursor(HandleCursor(raster::HitTestFrame(parts_->view.FloatScreenRect(), sx, sy)));
  }
  const bool active = id == tools::kToolSelectAdv ? state_.LassoActive : state_.IsDragging;
  if (!active) return;
  tool->OnMouseMove(shift, p.x, p.y);
  ShowToolDrawing();
}

void Workspace::CanvasMouseUp(MouseButton button, unsigned shift, int sx, int sy) {
  raster::Point p;
  if (parts_->Current() < 0 || !parts_->view.MouseToPixel(sx, sy, p)) return;
  if (button != MouseButton::kLeft) return;
  shift |= ButtonBit(button);
  if (state_.AlphaMode) return AlphaMouseUp(p);
  if (!state_.IsDragging) return;
  state_.IsDragging = false;
  tools::TKvPaint* tool = parts_->palette.CurTool();
  const int id = state_.ToolId;
  if (tool != nullptr && (IsStrokeTool(id) || id == tools::kToolCurve)) {
    host_.SetTimer(0);
    tool->OnMouseUp(shift, p.x, p.y);
    parts_->undo.SnapshotAfter();
  } else if (id == tools::kToolDropper) {
    DropperPick(shift, p);
  } else if (tool != nullptr && id == tools::kToolMoveScale) {
    if (!state_.HasFloat) return parts_->buffers.CommitWorkImage();
    tool->OnMouseUp(shift, p.x, p.y);
    state_.FloatLeft = tool->Origin.x;
    state_.FloatTop = tool->Origin.y;
  } else if (tool != nullptr && id == tools::kToolSelectBas) {
    tool->OnMouseUp(shift, p.x, p.y);
    if (tool->Origin.x != -1 && tool->Origin.y != -1) FloatFromTool(*tool);
  } else if (tool != nullptr && id == tools::kToolSelectAdv) {
    if (!state_.LassoActive) return;
    tool->OnMouseUp(shift, p.x, p.y);
    if (tool->StateFlag == 0) {
      // The outline is still open: what it drew stays on the screen.
      parts_->buffers.CommitWorkImage();
      return ShowToolDrawing();
    }
    state_.LassoActive = false;
    FloatFromTool(*tool);
    return parts_->Repaint();
  }
  parts_->buffers.CommitWorkImage();
  parts_->Repaint();
}

void Workspace::FloatFromTool(tools::TKvPaint& tool) {
  state_.FloatLeft = tool.Origin.x;
  state_.FloatTop = tool.Origin.y;
  state_.HasFloat = true;
  for (const char* name : {"tbtnCut", "tbtnCopy", "tbtnClear"}) parts_->controls.SetEnabled(name, true);
  parts_->ClickTool(tools::kToolMoveScale);
}

void Workspace::DropperPick(unsigned shift, raster::Point p) {
  // A pick outside the image takes no colour from nowhere.
  if (!state_.WorkBitmap.Contains(p.x, p.y)) return;
  const raster::Colour c = state_.WorkBitmap.Pixel(p.x, p.y);
  if (shift & kAltKey) {
    state_.BackColor = c;
  } else {
    state_.ForeColor = c;
  }
  state_.ForeColor = NudgeForeColor(state_.ForeColor, raster::Markers());
  host_.PanelsChanged();
  parts_->ReturnToLastTool();
}

void Workspace::ShowToolDrawing() {
  tools::TKvPaint* tool = parts_->palette.CurTool();
  if (tool != nullptr) parts_->view.ScreenChanged(tool->TakeDirtyScreenRect());
}

void Workspace::TimerTick() {
  tools::TKvPaint* tool = parts_->palette.CurTool();
  if (tool == nullptr || !state_.IsDragging || !tool->TimerActive()) {
    host_.SetTimer(0);
    return;
  }
  tool->OnTimerTick();
  ShowToolDrawing();
}

void Workspace::PinSpraySeed(std::uint32_t seed) {
  parts_->palette.Random().Pin(seed);
}

void Workspace::AlphaMouseDown(raster::Point p) {
  if (!parts_->undo.SnapshotBefore()) return;
  state_.AlphaDrawing = true;
  state_.AlphaStart = state_.AlphaLast = p;
  state_.AlphaViewBitmap.Resize(state_.AlphaBitmap.Width() * state_.Zoom, state_.AlphaBitmap.Height() * state_.Zoom);
}

void Workspace::AlphaMouseMove(raster::Point p) {
  if (!state_.AlphaDrawing) {
    const raster::Colour c = parts_->view.Screen().Pixel(p.x * state_.Zoom + 1, p.y * state_.Zoom + 1);
    if (c == raster::kInvalidColour) return;
    parts_->controls.SetStatus(
        2, c == kPureRed ? std::string("Transparent") : "Opacity" + std::to_string(raster::Red(c) * 100 / 255));
    return;
  }
  const int g = AlphaGrey(state_.Opacity);
  raster::Canvas canvas(state_.AlphaBitmap);
  canvas.pen() = {1, raster::PenStyle::kSolid, raster::Rgb(g, g, g), raster::PenMode::kCopy};
  if (state_.LastDrawTool == tools::kToolPencil) {
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
  parts_->view.ShowAlphaView();
}

void Workspace::AlphaMouseUp(raster::Point p) {
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
  parts_->view.ShowAlphaView();
  parts_->buffers.CommitWorkImage();
  parts_->undo.SnapshotAfter();
}

}  // namespace pixmint::editor
