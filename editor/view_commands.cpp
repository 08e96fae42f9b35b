#include "editor/view_commands.h"

#include <algorithm>

#include "document/kv_icon.h"

namespace pixmint::editor {

ViewCommands::ViewCommands(EditorState& state, CanvasView& view, ToolBridge& tools)
    : state_(state), view_(view), tools_(tools) {}

bool ViewCommands::Changed(bool changed) {
  if (!changed) return false;
  int position = state_.CurrentImage;
  if (position < 0) {
    if (!state_.Document || state_.Document->ImageCount() == 0) return true;
    position = 0;
  }
  view_.LayoutCanvas(position);
  tools_.Reselect();
  return true;
}

bool ViewCommands::ZoomIn() {
  return Changed(view_.ZoomIn());
}
bool ViewCommands::ZoomOut() {
  return Changed(view_.ZoomOut());
}
bool ViewCommands::ZoomAuto() {
  return Changed(view_.ZoomAuto());
}

bool ViewCommands::SetZoom(int zoom) {
  constexpr long long kMaxCanvasSide = 4096;
  const long long side = std::max(state_.WorkBitmap.Width(), state_.WorkBitmap.Height());
  if (zoom < 1 || side * zoom > kMaxCanvasSide) return false;
  state_.Zoom = zoom;
  return Changed(true);
}

}  // namespace pixmint::editor
