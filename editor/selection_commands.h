#pragma once

#include "editor/canvas_view.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/tool_bridge.h"

namespace pixmint::editor {

// The clipboard and the floating selection's commands. Each answers whether
// it ran through.
class SelectionCommands {
 public:
  SelectionCommands(EditorState& state, EditorHost& host, EditBuffers& buffers, CanvasView& view, ToolBridge& tools);

  bool Copy();
  bool Cut();
  bool Paste();
  bool Delete();
  bool SelectAll();
  bool Merge();

 private:
  EditorState& state_;
  EditorHost& host_;
  EditBuffers& buffers_;
  CanvasView& view_;
  ToolBridge& tools_;
};

}  // namespace pixmint::editor
