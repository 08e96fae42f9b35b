#pragma once

#include <functional>

#include "editor/canvas_view.h"
#include "editor/colour_state.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/tool_bridge.h"
#include "editor/undo.h"

namespace pixmint::editor {

// The commands that change the set of images, and the image list.
class ImageCommands {
 public:
  ImageCommands(EditorState& state, EditorHost& host, UndoHistory& undo, EditBuffers& buffers, CanvasView& view,
                ToolBridge& tools, ColourState& colours);

  // Commands: each answers whether the document changed.
  bool Add();
  bool Delete();
  bool Duplicate();
  bool ChangeFormat();
  // Adds the sizes the dialog asks for, made from the cursor's own images
  // (formats::AddCursorSizes): as images of a plain cursor, as every frame's
  // further images of an animated one.
  bool MakeCursorSizes();
  // Press and release on the image list (-1: not on an entry): a drag from
  // one entry onto another exchanges the two images.
  void ListMouseDown(int entry);
  bool ListMouseUp(int entry);
  // Sets the hot spot of the selected image (cursor documents), kept inside it.
  bool SetHotSpot(int x, int y);

  // Shows image i: history dropped, flags cleared, buffers loaded, canvas
  // laid out, tool rebuilt. A floating selection is dropped: callers that
  // keep the user's work merge it first.
  void Select(int i);
  // Told when an image is about to be left and when one has been shown
  // (the document's history keeps what was drawn); set by the workspace.
  std::function<void()> onLeaving;
  std::function<void()> onShown;

 private:
  [[nodiscard]] bool Fail(const char* text);
  void RememberFormat(const ImageFormat& format);

  EditorState& state_;
  EditorHost& host_;
  UndoHistory& undo_;
  EditBuffers& buffers_;
  CanvasView& view_;
  ToolBridge& tools_;
  ColourState& colours_;
};

}  // namespace pixmint::editor
