#include "document/kv_icon.h"
#include "editor/workspace.h"
#include "editor/workspace_parts.h"

// The commands that change the set of images, and the image list.

namespace pixmint::editor {
namespace {

// Common start of every image command: ignored in Alpha mode; a pending
// selection is put down into the current image first.
bool BeginImageCommand(WorkspaceParts& parts) {
  if (!parts.HasImage() || parts.state.AlphaMode) return false;
  if (parts.state.HasFloat) parts.buffers.MergeFloat();
  return true;
}

}  // namespace

void Workspace::AddImage() {
  if (!BeginImageCommand(*parts_)) return;
  auto format = host_.AskImageFormat("添加新的图像");
  if (!format) return;
  if (!state_.Document->AddImage(format->width, format->height, format->bitCount)) {
    return parts_->ShowError("添加新图像失败.");
  }
  state_.ImageEntries = static_cast<int>(state_.Document->ImageCount());
  parts_->SelectImage(state_.ImageEntries - 1);
}

void Workspace::DeleteImage() {
  if (!BeginImageCommand(*parts_)) return;
  const int current = parts_->Current();
  if (state_.Document->ImageCount() < 2 || current < 0) return;
  if (!state_.Document->DeleteImage(current)) return parts_->ShowError("删除当前图像失败.");
  state_.ImageEntries = static_cast<int>(state_.Document->ImageCount());
  parts_->SelectImage(0);
}

void Workspace::ChangeFormat() {
  if (!BeginImageCommand(*parts_)) return;
  const int current = parts_->Current();
  if (current < 0) return;
  const document::ImageSurface* surface = state_.Document->XorBitmap(current);
  const std::string caption = "改变图像的格式 (原始:          " + std::to_string(surface->Width()) + "x" +
                              std::to_string(surface->Height()) + " " +
                              std::to_string(state_.Document->Colors(current)) + "位 )";
  auto format = host_.AskImageFormat(caption);
  if (!format) return;
  if (!state_.Document->ChangeFormat(current, format->width, format->height, format->bitCount)) {
    return parts_->ShowError("改变图像的格式 失败.");
  }
  parts_->SelectImage(current);
}

void Workspace::DuplicateImage() {
  if (!BeginImageCommand(*parts_)) return;
  const int current = parts_->Current();
  if (current < 0) return;
  if (!state_.Document->DuplicateImage(current)) return parts_->ShowError("复制图像失败.");
  state_.ImageEntries = static_cast<int>(state_.Document->ImageCount());
  parts_->SelectImage(state_.ImageEntries - 1);
}

void Workspace::SelectImage(int entry) {
  if (entry < 0 || entry >= state_.ImageEntries) return;
  parts_->SelectImage(entry);
}

void Workspace::ImageListMouseDown(int entry) {
  if (!parts_->HasImage()) return;
  if (state_.AlphaMode) parts_->ModeRgb();
  if (entry < 0 || entry >= state_.ImageEntries) return;
  state_.ListDragging = true;
  state_.ListDragSource = entry;
}

void Workspace::ImageListMouseUp(int entry) {
  if (!parts_->HasImage() || !state_.ListDragging) return;
  state_.ListDragging = false;
  const int source = state_.ListDragSource;
  if (entry < 0 || entry >= state_.ImageEntries || entry == source) return;
  if (!state_.Document->ExchangeImages(source, entry)) return;
  // The list is rebuilt and entry 0 selected: the selection does not follow
  // the moved image.
  parts_->SelectImage(0);
  parts_->controls.SetEnabled("tbtnSave", true);
}

void Workspace::SetHotSpot(int x, int y) {
  const int current = parts_->Current();
  if (current < 0 || state_.Document->IsIcon()) return;
  const int maxX = std::max(0, state_.WorkBitmap.Width() - 1);
  const int maxY = std::max(0, state_.WorkBitmap.Height() - 1);
  state_.Document->SetHotSpot(current, {std::clamp(x, 0, maxX), std::clamp(y, 0, maxY)});
}

}  // namespace pixmint::editor
