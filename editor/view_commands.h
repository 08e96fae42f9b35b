#pragma once

#include "editor/canvas_view.h"
#include "editor/editor_state.h"
#include "editor/tool_bridge.h"

namespace pixmint::editor {

// The zoom commands: each answers whether the zoom changed.
class ViewCommands {
 public:
  ViewCommands(EditorState& state, CanvasView& view, ToolBridge& tools);

  bool ZoomIn();
  bool ZoomOut();
  bool ZoomAuto();
  // A zoom that would make the canvas larger than any screen is refused.
  bool SetZoom(int zoom);

 private:
  bool Changed(bool changed);

  EditorState& state_;
  CanvasView& view_;
  ToolBridge& tools_;
};

}  // namespace pixmint::editor
