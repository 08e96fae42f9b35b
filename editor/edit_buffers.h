#pragma once

#include <functional>

#include "editor/editor_host.h"
#include "editor/editor_state.h"

namespace pixmint::editor {

class UndoHistory;

// The 24-bit working pictures of the current image: filled from the document
// image, committed back into it, and the floating selection dropped into them.
class EditBuffers {
 public:
  EditBuffers(EditorState& state, EditorHost& host, UndoHistory& undo);

  // Repaints the canvas from the buffers; set by the workspace.
  std::function<void()> onCanvasChanged;

  // Fills the buffers from image i and takes the colours of its palette.
  // Nothing without a document or for i outside it.
  void LoadImageIntoEditor(int i);
  // AlphaBitmap from image i's alpha bytes (grey a, or red where WorkBitmap
  // is transparent; alpha 0 counts as 255).
  void BuildAlphaView(int i);
  // Writes the buffers back into the current image.
  void CommitWorkImage();
  // Drops the floating selection into WorkBitmap as one undoable change.
  void MergeFloat();
  // A floating selection made of what the marquee, lasso or select all
  // picked at origin: its pixels stay in WorkBitmap until lifted.
  void FloatPicked(raster::Point origin);
  // Takes a picked selection's pixels out of WorkBitmap (they then live only
  // in the floating selection); nothing for a pasted or already lifted one.
  void LiftPicked();

 private:
  [[nodiscard]] bool HasCurrentImage() const;
  void CommitRgb(int i);
  void CommitAlpha(int i);

  EditorState& state_;
  EditorHost& host_;
  UndoHistory& undo_;
};

// Drops layer onto target at the given opacity: pixels of layer equal to
// transparent are skipped; 1..99 percent blends, any other value copies.
void PasteOver(const raster::Picture& layer, raster::Picture& target, int opacity, raster::Colour transparent);

}  // namespace pixmint::editor
