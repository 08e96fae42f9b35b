#include "editor/tool_bridge.h"

#include "document/kv_icon.h"
#include "tools/tool_table.h"

namespace pixmint::editor {
namespace {

CursorShape ShapeOf(tools::ToolCursor cursor) {
  switch (cursor) {
    case tools::ToolCursor::kArrow:
      return CursorShape::kArrow;
    case tools::ToolCursor::kCross:
      return CursorShape::kCross;
    case tools::ToolCursor::kPencil:
      return CursorShape::kPencil;
    case tools::ToolCursor::kBrush:
      return CursorShape::kBrush;
    case tools::ToolCursor::kEraser:
      return CursorShape::kEraser;
    case tools::ToolCursor::kDropper:
      return CursorShape::kDropper;
    case tools::ToolCursor::kFill:
      return CursorShape::kFill;
    case tools::ToolCursor::kSpray:
      return CursorShape::kSpray;
  }
  return CursorShape::kArrow;
}

}  // namespace

ToolBridge::ToolBridge(EditorState& state, EditorHost& host, Settings& settings, ControlStates& controls,
                       CanvasView& view, EditBuffers& buffers)
    : state_(state), host_(host), controls_(controls), view_(view), buffers_(buffers), palette_(*this, settings) {}

tools::ToolKind ToolBridge::Kind() const {
  const tools::ToolInfo* tool = tools::FindTool(state_.ToolId);
  return tool != nullptr ? tool->kind : tools::ToolKind::kPicker;
}

int ToolBridge::NextClick() const {
  const tools::TKvPaint* tool = palette_.CurTool();
  return tool != nullptr ? tool->NextClick() : 0;
}

void ToolBridge::Choose(tools::ToolId id) {
  const tools::ToolInfo* tool = tools::FindTool(id);
  // A new selection would replace the floating one: it is put down first.
  if (tool != nullptr && tools::PicksSelection(tool->kind) && state_.HasFloat && !state_.AlphaMode) {
    buffers_.MergeFloat();
  }
  palette_.ClickTool(id);
  Sync();
}

void ToolBridge::Reselect() {
  quietText_ = true;
  palette_.ReselectCurrentTool();
  quietText_ = false;
  Sync();
}

void ToolBridge::ReturnToLast() {
  quietText_ = true;
  palette_.ReturnToLastTool();
  quietText_ = false;
  Sync();
}

void ToolBridge::ChooseOption(int index) {
  quietText_ = true;
  palette_.OptionClick(index);
  quietText_ = false;
  Sync();
}

void ToolBridge::OpacityTyped(std::string_view text) {
  quietText_ = true;
  palette_.OpacityTextChanged(text);
  quietText_ = false;
  Sync();
}

void ToolBridge::Sync() {
  state_.ToolId = palette_.CurrentTool();
  state_.LastDrawTool = palette_.LastDrawTool();
  state_.Opacity = palette_.Opacity();
}

raster::Picture& ToolBridge::WorkPicture() {
  return state_.WorkBitmap;
}
raster::Picture& ToolBridge::ScreenPicture() {
  return view_.Screen();
}
raster::Picture& ToolBridge::FloatPicture() {
  return state_.FloatBitmap;
}
int ToolBridge::Zoom() const {
  return state_.Zoom;
}
raster::Paint ToolBridge::Usable(raster::Paint paint) const {
  // An image that cannot hold the inverting pixel gets the inverting colour
  // as a plain colour.
  if (paint.kind == raster::PaintKind::kInverting && !state_.Holds.inverting) {
    return raster::ColourPaint(raster::Markers().invert);
  }
  return paint;
}
raster::Paint ToolBridge::ForeColor() const {
  return Usable(state_.ForeColor);
}
raster::Paint ToolBridge::BackColor() const {
  return Usable(state_.BackColor);
}
raster::Transparency ToolBridge::Holds() const {
  return state_.Holds;
}
bool ToolBridge::AlphaMode() const {
  return state_.AlphaMode;
}
bool ToolBridge::HasImage() const {
  return state_.Document && state_.Document->ImageCount() > 0;
}
void ToolBridge::SetCanvasCursor(tools::ToolCursor cursor) {
  host_.SetCanvasCursor(ShapeOf(cursor));
}
void ToolBridge::ClearToolStatus() {
  controls_.SetStatus(2, "");
}

void ToolBridge::PaletteChanged() {
  Sync();
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    controls_.SetChecked(tool.button, tool.id == palette_.DownButton());
  }
  host_.PanelsChanged();
}

bool ToolBridge::PlaceText() {
  if (quietText_ || !HasImage()) return false;
  if (state_.HasFloat) buffers_.MergeFloat();
  const raster::Paint paint = ForeColor();
  auto text = host_.AskTextPicture(paint.colour);
  if (!text || text->Empty()) return false;
  raster::Picture picture = buffers_.Fitted(std::move(*text));
  // Text in the inverting or the transparent colour is made of such pixels.
  if (paint.kind != raster::PaintKind::kColour) {
    const raster::Colour ink = paint.kind == raster::PaintKind::kInverting ? raster::Rgb(255, 255, 255) : 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.Alpha(x, y) != 0) picture.SetPixel(x, y, ink, 0);
      }
    }
  }
  buffers_.FloatPlaced(std::move(picture));
  view_.PaintBox1Paint();
  return true;
}

}  // namespace pixmint::editor
