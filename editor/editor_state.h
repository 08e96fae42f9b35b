#pragma once

#include <memory>
#include <string>
#include <vector>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::editor {

// Tool numbers of the tool box; drawing tools are 100..114.
enum ToolNumber : int {
  kToolNone = 0,
  kToolPencil = 100,
  kToolBrush = 101,
  kToolLine = 102,
  kToolCurve = 103,
  kToolRectFilled = 104,
  kToolRect = 105,
  kToolRndRectFilled = 106,
  kToolRndRect = 107,
  kToolEllipseFilled = 108,
  kToolEllipse = 109,
  kToolEraser = 110,
  kToolFill = 111,
  kToolDropper = 112,
  kToolSpray = 113,
  kToolText = 114,
  kToolMoveScale = 115,
  kToolSelectBas = 116,
  kToolSelectAdv = 117,
};

// The shift set of a mouse event: held keys and buttons, one bit each.
enum ShiftBits : unsigned {
  kShiftKey = 1u << 0,
  kAltKey = 1u << 1,
  kCtrlKey = 1u << 2,
  kLeftButton = 1u << 3,
  kRightButton = 1u << 4,
  kMiddleButton = 1u << 5,
  kDoubleClick = 1u << 6,
};

enum class MouseButton { kLeft, kRight, kMiddle };

// The main window's editor state, shared by the small classes of the editor.
struct EditorState {
  std::unique_ptr<document::TKvIcon> Document;
  raster::Picture WorkBitmap;
  raster::Picture AlphaBitmap;
  raster::Picture FloatBitmap;
  raster::Picture AlphaViewBitmap;
  bool HasFloat = false;
  int FloatLeft = 0;
  int FloatTop = 0;
  bool AlphaMode = false;
  bool IsDragging = false;
  bool LassoActive = false;
  bool AlphaDrawing = false;
  raster::Point AlphaStart;
  raster::Point AlphaLast;
  int Zoom = 8;
  int Opacity = 100;
  raster::Colour ForeColor = raster::Rgb(0, 0, 0);
  raster::Colour BackColor = raster::Rgb(255, 255, 255);
  // The current image's colours (entry order of its table or the fixed list).
  std::vector<raster::Colour> CurPalette;
  int ToolId = kToolNone;
  int LastDrawTool = kToolPencil;
  int CurveStage = 0;

  // The image list: entry i shows image i; -1 when nothing is selected.
  int CurrentImage = -1;
  int ImageEntries = 0;
  // Set between a press on an image list entry and the release.
  bool ListDragging = false;
  int ListDragSource = -1;

  // Document bookkeeping.
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
