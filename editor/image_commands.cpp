#include "editor/image_commands.h"

#include <algorithm>

#include "document/kv_icon.h"
#include "editor/animation.h"
#include "texts/ui_texts.h"

namespace pixmint::editor {

ImageCommands::ImageCommands(EditorState& state, EditorHost& host, UndoHistory& undo, EditBuffers& buffers,
                             CanvasView& view, ToolBridge& tools, ColourState& colours)
    : state_(state), host_(host), undo_(undo), buffers_(buffers), view_(view), tools_(tools), colours_(colours) {}

void ImageCommands::RememberFormat(const ImageFormat& format) {
  // The new-image dialog's choice is the size and depth of the next new image.
  state_.DefaultWidth = format.width;
  state_.DefaultHeight = format.height;
  state_.DefaultBitCount = format.bitCount;
}

bool ImageCommands::Fail(const char* text) {
  host_.ShowMessage({texts::Tr(text), texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
  return false;
}

void ImageCommands::Select(int i) {
  if (!state_.Document || i < 0 || static_cast<std::uint32_t>(i) >= state_.Document->ImageCount()) return;
  if (onLeaving) onLeaving();
  undo_.Clear();
  host_.SetTimer(0);
  state_.AlphaDrawing = false;
  state_.IsDragging = false;
  state_.AlphaMode = false;
  state_.HasFloat = false;
  state_.FloatPicked = false;
  state_.CurrentImage = i;
  state_.ImageEntries = static_cast<int>(state_.Document->ImageCount());
  buffers_.LoadImageIntoEditor(i);
  undo_.Begin();
  (void)colours_.ModeRgb();
  view_.LayoutCanvas(i);
  tools_.Reselect();
  host_.PanelsChanged();
  if (onShown) onShown();
}

bool ImageCommands::Add() {
  if (state_.Document->ImageCount() >= document::kMaxImages) return Fail(texts::kDocumentFull);
  auto format = host_.AskImageFormat(texts::Tr(texts::kAddImageCaption));
  if (!format) return false;
  RememberFormat(*format);
  if (!state_.Document->AddImage(format->width, format->height, format->bitCount)) {
    return Fail(texts::kAddImageFailed);
  }
  // In an animated cursor every image is a frame.
  if (state_.Animation) (void)FrameAppended(*state_.Animation, *state_.Document);
  Select(static_cast<int>(state_.Document->ImageCount()) - 1);
  return true;
}

bool ImageCommands::Delete() {
  if (state_.Document->ImageCount() < 2) return false;
  if (!state_.Document->DeleteImage(state_.CurrentImage)) return Fail(texts::kDeleteImageFailed);
  if (state_.Animation) (void)FrameDeleted(*state_.Animation, static_cast<std::size_t>(state_.CurrentImage));
  Select(0);
  return true;
}

bool ImageCommands::ChangeFormat() {
  const int current = state_.CurrentImage;
  const document::ImageSurface* surface = state_.Document->XorBitmap(current);
  const std::string caption = texts::Format(texts::Tr(texts::kChangeFormatCaption),
                                            {std::to_string(surface->Width()), std::to_string(surface->Height()),
                                             std::to_string(state_.Document->Colors(current))});
  auto format = host_.AskImageFormat(caption);
  if (!format) return false;
  RememberFormat(*format);
  if (!state_.Document->ChangeFormat(current, format->width, format->height, format->bitCount)) {
    return Fail(texts::kChangeFormatFailed);
  }
  Select(current);
  return true;
}

bool ImageCommands::Duplicate() {
  if (state_.Document->ImageCount() >= document::kMaxImages) return Fail(texts::kDocumentFull);
  if (!state_.Document->DuplicateImage(state_.CurrentImage)) return Fail(texts::kDuplicateFailed);
  if (state_.Animation) (void)FrameDuplicated(*state_.Animation, static_cast<std::size_t>(state_.CurrentImage));
  Select(static_cast<int>(state_.Document->ImageCount()) - 1);
  return true;
}

void ImageCommands::ListMouseDown(int entry) {
  if (state_.AlphaMode) (void)colours_.ModeRgb();
  if (entry < 0 || entry >= state_.ImageEntries) return;
  state_.ListDragging = true;
  state_.ListDragSource = entry;
}

bool ImageCommands::ListMouseUp(int entry) {
  if (!state_.ListDragging) return false;
  state_.ListDragging = false;
  const int source = state_.ListDragSource;
  if (entry < 0 || entry >= state_.ImageEntries || entry == source) return false;
  if (!state_.Document->ExchangeImages(source, entry)) return false;
  if (state_.Animation) {
    (void)FramesExchanged(*state_.Animation, static_cast<std::size_t>(source), static_cast<std::size_t>(entry));
  }
  // The list is rebuilt and entry 0 selected: the selection does not follow
  // the moved image.
  Select(0);
  return true;
}

bool ImageCommands::SetHotSpot(int x, int y) {
  const int current = state_.CurrentImage;
  if (current < 0 || state_.Document->IsIcon()) return false;
  const int maxX = std::max(0, state_.WorkBitmap.Width() - 1);
  const int maxY = std::max(0, state_.WorkBitmap.Height() - 1);
  const raster::Point spot{std::clamp(x, 0, maxX), std::clamp(y, 0, maxY)};
  if (state_.Document->GetHotSpot(current) == spot) return false;
  state_.Document->SetHotSpot(current, spot);
  return true;
}

}  // namespace pixmint::editor
