#include <charconv>

#include "editor/workspace.h"
#include "editor/workspace_parts.h"
#include "raster/transform.h"

// Undo and redo, the clipboard and selection commands, and the effects.

namespace pixmint::editor {
namespace {

void EnableSelectionCommands(ControlStates& controls, bool enabled) {
  for (const char* name : {"tbtnCut", "tbtnCopy", "tbtnClear"}) controls.SetEnabled(name, enabled);
}

// A whole number typed by the user; nothing for anything else.
std::optional<int> ParseInt(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

void Workspace::Undo() {
  if (parts_->Current() < 0) return;
  parts_->undo.UndoStep();
}

void Workspace::Redo() {
  if (parts_->Current() < 0) return;
  parts_->undo.RedoStep();
}

void Workspace::Copy() {
  if (!state_.HasFloat || state_.AlphaMode) return;
  host_.PutClipboardPicture(state_.FloatBitmap);
  parts_->controls.SetEnabled("tbtnPaste", true);
}

void Workspace::Cut() {
  if (!state_.HasFloat || state_.AlphaMode) return;
  Copy();
  DeleteSelection();
}

void Workspace::DeleteSelection() {
  if (!state_.HasFloat || state_.AlphaMode || parts_->Current() < 0) return;
  if (!parts_->undo.SnapshotBefore()) return;
  state_.HasFloat = false;
  state_.WorkBitmap.FillRect({state_.FloatLeft, state_.FloatTop, state_.FloatLeft + state_.FloatBitmap.Width(),
                              state_.FloatTop + state_.FloatBitmap.Height()},
                             raster::Markers().trans);
  parts_->buffers.CommitWorkImage();
  parts_->undo.SnapshotAfter();
  parts_->Repaint();
  parts_->ReturnToLastTool();
}

void Workspace::Paste() {
  if (parts_->Current() < 0 || state_.AlphaMode) return;
  auto picture = host_.ClipboardPicture();
  if (!picture || picture->Empty()) return;
  if (state_.HasFloat) parts_->buffers.MergeFloat();
  const int w = state_.WorkBitmap.Width();
  const int h = state_.WorkBitmap.Height();
  if (picture->Width() <= w + 8 && picture->Height() <= h + 8) {
    state_.FloatBitmap = std::move(*picture);
  } else {
    auto part = host_.AskPastePart(*picture, "在剪切板选择图片的一部份", w, h);
    if (!part || part->Empty()) return;
    state_.FloatBitmap = std::move(*part);
  }
  state_.FloatLeft = (w - state_.FloatBitmap.Width()) / 2;
  state_.FloatTop = (h - state_.FloatBitmap.Height()) / 2;
  state_.HasFloat = true;
  parts_->Repaint();
  parts_->ClickTool(tools::kToolMoveScale);
}

void Workspace::SelectAll() {
  if (parts_->Current() < 0 || state_.AlphaMode) return;
  if (state_.HasFloat) parts_->buffers.MergeFloat();
  state_.FloatBitmap = state_.WorkBitmap;
  state_.HasFloat = true;
  state_.FloatLeft = 0;
  state_.FloatTop = 0;
  EnableSelectionCommands(parts_->controls, true);
  parts_->Repaint();
  parts_->ClickTool(tools::kToolMoveScale);
}

void Workspace::ClipboardOffersPicture() {
  parts_->controls.SetEnabled("tbtnPaste", true);
}

void Workspace::Merge() {
  if (state_.HasFloat && !state_.AlphaMode) parts_->buffers.MergeFloat();
}

namespace {

template <typename Effect>
void RunEffect(Workspace& ws, WorkspaceParts& parts, Effect effect) {
  EditorState& s = parts.state;
  if (parts.Current() < 0 || s.AlphaMode) return;
  if (!s.HasFloat) ws.SelectAll();
  if (!s.HasFloat) return;
  effect(s.FloatBitmap);
  parts.Repaint();
}

}  // namespace

void Workspace::FlipHorizontal() {
  RunEffect(*this, *parts_, [](raster::Picture& p) { raster::FlipHorizontal(p); });
}
void Workspace::FlipVertical() {
  RunEffect(*this, *parts_, [](raster::Picture& p) { raster::FlipVertical(p); });
}
void Workspace::RotateRight() {
  RunEffect(*this, *parts_, [](raster::Picture& p) { raster::Rotate90(p); });
}
void Workspace::RotateLeft() {
  RunEffect(*this, *parts_, [](raster::Picture& p) { raster::Rotate270(p); });
}
void Workspace::Rotate180() {
  RunEffect(*this, *parts_, [](raster::Picture& p) { raster::Rotate180(p); });
}

void Workspace::RotateArbitrary() {
  if (parts_->Current() < 0 || state_.AlphaMode) return;
  if (!state_.HasFloat) SelectAll();
  if (!state_.HasFloat) return;
  auto text = host_.AskLine("任意旋转", "度数 (0-360)", "45");
  if (!text) return;
  const std::optional<int> angle = ParseInt(*text);
  if (!angle) return parts_->ShowError("无效的度数.");
  if (*angle < 1 || *angle > 359) return;
  raster::RotateBy(state_.FloatBitmap, *angle);
  parts_->Repaint();
}

}  // namespace pixmint::editor
