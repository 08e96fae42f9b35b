#pragma once

#include "editor/canvas_view.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/selection_commands.h"

namespace pixmint::editor {

// The effects: a transform of the floating selection, or of the whole image
// when nothing is selected. The transformed picture replaces what it was made
// from: a selection picked from the picture is first taken out of it.
class EffectCommands {
 public:
  EffectCommands(EditorState& state, EditorHost& host, EditBuffers& buffers, CanvasView& view,
                 SelectionCommands& selection);

  // Answers whether it ran through.
  bool Apply(void (*transform)(raster::Picture&));
  // Asks for the angle first.
  bool RotateArbitrary();

 private:
  [[nodiscard]] bool Lift();

  EditorState& state_;
  EditorHost& host_;
  EditBuffers& buffers_;
  CanvasView& view_;
  SelectionCommands& selection_;
};

}  // namespace pixmint::editor
