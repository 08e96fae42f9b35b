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
  // The selection goes. One taken from the picture takes its area along:
  // the rectangle where it lies becomes transparent. A pasted picture or
  // placed text never lifted anything, so the image under it stays.
  state_.HasFloat = false;
  state_.FloatPicked = false;
  if (state_.FloatFromPicture) {
    state_.WorkBitmap.ClearRect({state_.FloatLeft, state_.FloatTop, state_.FloatLeft + state_.FloatBitmap.Width(),
                                 state_.FloatTop + state_.FloatBitmap.Height()});
  }
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
    buffers_.FloatPlaced(buffers_.Fitted(std::move(*picture)));
  } else {
    auto part = host_.AskPastePart(*picture, texts::Tr(texts::kPasteCaption), w, h);
    if (!part || part->Empty()) return false;
    buffers_.FloatPlaced(buffers_.Fitted(std::move(*part)));
  }
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
