#include "editor/selection_commands.h"

#include "texts/ui_texts.h"

namespace pixmint::editor {

SelectionCommands::SelectionCommands(EditorState& state, EditorHost& host, EditBuffers& buffers, CanvasView& view,
                                     ToolBridge& tools)
    : state_(state), host_(host), buffers_(buffers), view_(view), tools_(tools) {}

bool SelectionCommands::Copy() {
  host_.PutClipboardPicture(state_.FloatBitmap);
  state_.ClipboardSeen = true;
  return true;
}

bool SelectionCommands::Cut() {
  Copy();
  return Delete();
}

bool SelectionCommands::Delete() {
  // The selection goes, and the rectangle it covers is cleared.
  state_.HasFloat = false;
  state_.FloatPicked = false;
  state_.WorkBitmap.FillRect({state_.FloatLeft, state_.FloatTop, state_.FloatLeft + state_.FloatBitmap.Width(),
                              state_.FloatTop + state_.FloatBitmap.Height()},
                             raster::Markers().trans);
  buffers_.CommitWorkImage();
  view_.PaintBox1Paint();
  tools_.ReturnToLast();
  return true;
}

bool SelectionCommands::Paste() {
  auto picture = host_.ClipboardPicture();
  if (!picture || picture->Empty()) return false;
  const int w = state_.WorkBitmap.Width();
  const int h = state_.WorkBitmap.Height();
  if (picture->Width() <= w + 8 && picture->Height() <= h + 8) {
    state_.FloatBitmap = std::move(*picture);
  } else {
    auto part = host_.AskPastePart(*picture, texts::Tr(texts::kPasteCaption), w, h);
    if (!part || part->Empty()) return false;
    state_.FloatBitmap = std::move(*part);
  }
  state_.FloatLeft = (w - state_.FloatBitmap.Width()) / 2;
  state_.FloatTop = (h - state_.FloatBitmap.Height()) / 2;
  state_.HasFloat = true;
  state_.FloatPicked = false;
  view_.PaintBox1Paint();
  tools_.Choose(tools::ToolId::kMoveScale);
  return true;
}

bool SelectionCommands::SelectAll() {
  state_.FloatBitmap = state_.WorkBitmap;
  buffers_.FloatPicked({0, 0});
  view_.PaintBox1Paint();
  tools_.Choose(tools::ToolId::kMoveScale);
  return true;
}

bool SelectionCommands::Merge() {
  buffers_.MergeFloat();
  return true;
}

}  // namespace pixmint::editor
