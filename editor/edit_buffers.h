#pragma once

#include <functional>

#include "editor/editor_host.h"
#include "editor/editor_state.h"

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::editor {

class UndoHistory;

// The working pictures of the current image: filled from the document image,
// committed back into it, and the floating selection dropped into them.
class EditBuffers {
 public:
  EditBuffers(EditorState& state, EditorHost& host, UndoHistory& undo);

  // Repaints the canvas from the buffers; set by the workspace.
  std::function<void()> onCanvasChanged;

  // Fills the buffers from image i and takes the colours of its palette.
  // Nothing without a document or for i outside it.
  void LoadImageIntoEditor(int i);
  // AlphaBitmap from the working picture's alpha (grey a, red where it is 0).
  void BuildAlphaView(int i);
  // Writes the buffers back into the current image.
  void CommitWorkImage();
  // Drops the floating selection into WorkBitmap as one undoable change.
  void MergeFloat();
  // A floating selection made of what the marquee, lasso or select all
  // picked at origin: its pixels stay in WorkBitmap until lifted.
  void FloatPicked(raster::Point origin);
  // A floating selection of a picture from elsewhere (the clipboard, the text
  // tool), centred on the image; it covers nothing until merged.
  void FloatPlaced(raster::Picture picture);
  // Takes a picked selection's pixels out of WorkBitmap (they then live only
  // in the floating selection); nothing for a pasted or already lifted one.
  void LiftPicked();
  // A picture from elsewhere as the current image can hold it: below 32 bits
  // alpha under 128 is transparent and the rest opaque.
  [[nodiscard]] raster::Picture Fitted(raster::Picture picture) const;

 private:
  [[nodiscard]] bool HasCurrentImage() const;
  void ReadImage(int i, raster::Rect r);
  void CommitRgb(int i);
  void CommitAlpha(int i);

  EditorState& state_;
  EditorHost& host_;
  UndoHistory& undo_;
};

// What image i's pixels can hold: partial alpha at 32 bits, the inverting
// pixel in a cursor image whose mask decides.
[[nodiscard]] raster::Transparency HoldsOf(const document::TKvIcon& doc, int i);

}  // namespace pixmint::editor
