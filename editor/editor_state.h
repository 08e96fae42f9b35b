#pragma once

#include <memory>
#include <string>
#include <vector>

#include "raster/colour.h"
#include "raster/picture.h"
#include "tools/tool_ids.h"

namespace pixmint::document {
class TKvIcon;
}
namespace pixmint::formats {
struct AnimatedCursor;
}

namespace pixmint::editor {

enum class MouseButton { kLeft, kRight, kMiddle };

// The main window's editor state, shared by the small classes of the editor.
struct EditorState {
  EditorState();
  ~EditorState();
  EditorState(EditorState&&) noexcept;
  EditorState& operator=(EditorState&&) noexcept;

  std::unique_ptr<document::TKvIcon> Document;
  // An animated cursor's steps and frames (see editor/animation.h); null for
  // a plain icon or cursor.
  std::unique_ptr<formats::AnimatedCursor> Animation;
  // The current image's pixels, each with its transparency (see
  // raster::Picture), and what that image can hold.
  raster::Picture WorkBitmap;
  raster::Transparency Holds;
  raster::Picture AlphaBitmap;
  raster::Picture FloatBitmap;
  raster::Picture AlphaViewBitmap;
  bool HasFloat = false;
  int FloatLeft = 0;
  int FloatTop = 0;
  // A selection picked from the picture leaves its pixels in WorkBitmap (a
  // move leaves a copy behind); an effect takes them away from there first.
  // FloatPicked holds what was picked and where, until then.
  bool FloatPicked = false;
  raster::Picture PickedBitmap;
  raster::Point PickedAt;
  // The selection came out of the picture (marquee, lasso, select all), not
  // from the clipboard or the text tool: deleting it clears where it lies.
  bool FloatFromPicture = false;
  bool AlphaMode = false;
  bool IsDragging = false;
  bool AlphaDrawing = false;
  raster::Point AlphaStart;
  raster::Point AlphaLast;
  int Zoom = 8;
  int Opacity = 100;
  raster::Paint ForeColor = raster::ColourPaint(raster::Rgb(0, 0, 0));
  raster::Paint BackColor = raster::ColourPaint(raster::Rgb(255, 255, 255));
  // The current image's colours (entry order of its table or the fixed list).
  std::vector<raster::Colour> CurPalette;
  tools::ToolId ToolId = tools::ToolId::kNone;
  tools::ToolId LastDrawTool = tools::ToolId::kPencil;

  // The image list: entry i shows image i; -1 when nothing is selected.
  int CurrentImage = -1;
  int ImageEntries = 0;
  // Set between a press on an image list entry and the release.
  bool ListDragging = false;
  int ListDragSource = -1;

  // Document bookkeeping. Modified is the unsaved-changes mark (a pending
  // floating selection counts as a change as well).
  bool Modified = false;
  // The clipboard has offered a picture since the start.
  bool ClipboardSeen = false;
  std::string FileName;
  bool IsIcon = true;
  bool DocumentOpen = false;
  // Size and depth of new images (the new-image dialog replaces them).
  int DefaultWidth = 48;
  int DefaultHeight = 48;
  int DefaultBitCount = 8;
  // Remembered folders of the file dialogs.
  std::string IcoOpenPath;
  std::string IcoSavePath;
  std::string CurSavePath;
};

}  // namespace pixmint::editor
