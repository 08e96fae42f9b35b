#include "editor/workspace_parts.h"

#include "document/kv_icon.h"

namespace pixmint::editor {
namespace {

CursorShape ShapeOf(tools::ToolCursor cursor) {
  switch (cursor) {
    case tools::ToolCursor::kArrow:
      return CursorShape::kArrow;
    case tools::ToolCursor::kCross:
      return CursorShape::kCross;
    case tools::ToolCursor::kPencil:
      return CursorShape::kPencil;
    case tools::ToolCursor::kBrush:
      return CursorShape::kBrush;
    case tools::ToolCursor::kEraser:
      return CursorShape::kEraser;
    case tools::ToolCursor::kDropper:
      return CursorShape::kDropper;
    case tools::ToolCursor::kFill:
      return CursorShape::kFill;
    case tools::ToolCursor::kSpray:
      return CursorShape::kSpray;
  }
  return CursorShape::kArrow;
}

}  // namespace

ToolBridge::ToolBridge(WorkspaceParts& parts) : parts_(parts) {}
raster::Picture& ToolBridge::WorkPicture() {
  return parts_.state.WorkBitmap;
}
raster::Picture& ToolBridge::ScreenPicture() {
  return parts_.view.Screen();
}
raster::Picture& ToolBridge::FloatPicture() {
  return parts_.state.FloatBitmap;
}
int ToolBridge::Zoom() const {
  return parts_.state.Zoom;
}
raster::Colour ToolBridge::ForeColor() const {
  return parts_.state.ForeColor;
}
raster::Point ToolBridge::FloatOrigin() const {
  return {parts_.state.FloatLeft, parts_.state.FloatTop};
}
bool ToolBridge::AlphaMode() const {
  return parts_.state.AlphaMode;
}
bool ToolBridge::HasImage() const {
  return parts_.HasImage();
}
void ToolBridge::SetCanvasCursor(tools::ToolCursor cursor) {
  parts_.host.SetCanvasCursor(ShapeOf(cursor));
}
void ToolBridge::ClearToolStatus() {
  parts_.controls.SetStatus(2, "");
}

void ToolBridge::PaletteChanged() {
  parts_.SyncTools();
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    parts_.controls.SetChecked(tool.button, tool.id == parts_.palette.DownButton());
  }
  parts_.host.PanelsChanged();
}

bool ToolBridge::PlaceText() {
  EditorState& s = parts_.state;
  if (s.HasFloat) parts_.buffers.MergeFloat();
  auto text = parts_.host.AskTextPicture(s.ForeColor, raster::Markers().trans);
  if (!text || text->Empty()) return false;
  s.FloatBitmap = std::move(*text);
  s.FloatLeft = (s.WorkBitmap.Width() - s.FloatBitmap.Width()) / 2;
  s.FloatTop = (s.WorkBitmap.Height() - s.FloatBitmap.Height()) / 2;
  s.HasFloat = true;
  parts_.Repaint();
  return true;
}

WorkspaceParts::WorkspaceParts(EditorState& s, EditorHost& h, Settings& st)
    : state(s),
      host(h),
      settings(st),
      controls(h),
      undo(s, h, controls),
      buffers(s, h, undo),
      view(s, h),
      bridge(*this),
      palette(bridge, st) {
  buffers.onCanvasChanged = [this] { Repaint(); };
  undo.onRestored = [this] {
    buffers.CommitWorkImage();
    Repaint();
  };
}

bool WorkspaceParts::HasImage() const {
  return state.Document && state.Document->ImageCount() > 0;
}

int WorkspaceParts::Current() const {
  if (!HasImage() || state.CurrentImage < 0 ||
      static_cast<std::uint32_t>(state.CurrentImage) >= state.Document->ImageCount()) {
    return -1;
  }
  return state.CurrentImage;
}

void WorkspaceParts::SyncTools() {
  state.ToolId = palette.ToolId();
  state.LastDrawTool = palette.LastDrawTool();
  state.CurveStage = palette.CurveStage();
  state.Opacity = palette.Opacity();
}

void WorkspaceParts::ReselectCurrentTool() {
  palette.ReselectCurrentTool();
  SyncTools();
}

void WorkspaceParts::ReturnToLastTool() {
  palette.ReturnToLastTool();
  SyncTools();
}

void WorkspaceParts::ClickTool(int toolId) {
  palette.ClickTool(toolId);
  SyncTools();
}

void WorkspaceParts::ShowError(const char* text) {
  host.ShowMessage({text, "错误", MessageButtons::kOk, MessageIcon::kError});
}

void WorkspaceParts::SelectImage(int i) {
  if (!HasImage() || i < 0 || static_cast<std::uint32_t>(i) >= state.Document->ImageCount()) return;
  undo.Clear();
  host.SetTimer(0);
  state.AlphaDrawing = false;
  state.IsDragging = false;
  state.LassoActive = false;
  state.AlphaMode = false;
  state.HasFloat = false;
  state.CurrentImage = i;
  buffers.LoadImageIntoEditor(i);
  ModeRgb();
  view.LayoutCanvas(i);
  ReselectCurrentTool();
  host.PanelsChanged();
}

void WorkspaceParts::ModeRgb() {
  if (Current() < 0) return;
  state.AlphaMode = false;
  controls.SetChecked("tbtnModeRGB", true);
  controls.SetChecked("tbtnModeAlpha", false);
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    if (tool.id != tools::kToolPencil && tool.id != tools::kToolLine) controls.SetEnabled(tool.button, true);
  }
  Repaint();
}

}  // namespace pixmint::editor
