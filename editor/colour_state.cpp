#include "editor/colour_state.h"

#include <algorithm>
#include <string>

#include "document/kv_icon.h"
#include "editor/workspace.h"
#include "editor/workspace_parts.h"

// Colours, colour modes, zoom and the tool box.

namespace pixmint::editor {

raster::Colour NudgeForeColor(raster::Colour c, const raster::MarkerColours& markers) {
  if (c != markers.white && c != markers.trans && c != markers.invert) return c;
  auto down = [](int v) { return static_cast<std::uint8_t>(std::max(0, v - 5)); };
  return raster::Rgb(down(raster::Red(c)), down(raster::Green(c)), down(raster::Blue(c)));
}

raster::Picture PaintPaletteBox(std::span<const raster::Colour> palette, int width, int height, raster::Colour panel) {
  raster::Picture box(std::max(0, width), std::max(0, height), panel);
  const int columns = width / 10;
  if (palette.size() < 2 || columns <= 0) return box;
  for (std::size_t k = 0; k < palette.size(); ++k) {
    const int column = static_cast<int>(k) % columns;
    const int row = static_cast<int>(k) / columns;
    box.FillRect({column * 10, row * 10, column * 10 + 10, row * 10 + 10}, palette[k] & 0xFFFFFF);
  }
  return box;
}

std::string ColourText(raster::Colour c) {
  return "R" + std::to_string(raster::Red(c)) + " G" + std::to_string(raster::Green(c)) + " B" +
         std::to_string(raster::Blue(c));
}

void Workspace::ChooseForeColour() {
  auto colour = host_.AskColour(state_.ForeColor);
  if (!colour) return;
  state_.ForeColor = NudgeForeColor(*colour & 0xFFFFFF, raster::Markers());
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::ChooseBackColour() {
  auto colour = host_.AskColour(state_.BackColor);
  if (!colour) return;
  state_.BackColor = *colour & 0xFFFFFF;
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::DefaultColours() {
  state_.ForeColor = raster::Rgb(0, 0, 0);
  state_.BackColor = raster::Rgb(255, 255, 255);
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::InvertColour() {
  state_.ForeColor = raster::Markers().invert;
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::TransColour() {
  state_.ForeColor = raster::Markers().trans;
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::SetPaletteBoxSize(int width, int height, raster::Colour panel) {
  parts_->paletteWidth = width;
  parts_->paletteHeight = height;
  parts_->paletteBack = panel;
}

raster::Picture Workspace::PaletteBox() const {
  return PaintPaletteBox(state_.CurPalette, parts_->paletteWidth, parts_->paletteHeight, parts_->paletteBack);
}

void Workspace::PaletteBoxMouseMove(int x, int y) {
  const raster::Colour c = PaletteBox().Pixel(x, y);
  if (c != raster::kInvalidColour) parts_->controls.SetStatus(2, ColourText(c));
}

void Workspace::PaletteBoxMouseUp(int x, int y, unsigned shift) {
  const raster::Colour c = PaletteBox().Pixel(x, y);
  if (c == raster::kInvalidColour) return;  // released outside the box
  if (shift & kAltKey) {
    state_.BackColor = c;
  } else {
    state_.ForeColor = c;
  }
  state_.ForeColor = NudgeForeColor(state_.ForeColor, raster::Markers());
  host_.PanelsChanged();
  parts_->ReselectCurrentTool();
}

void Workspace::ModeRgb() {
  parts_->ModeRgb();
}

void Workspace::ModeAlpha() {
  const int current = parts_->Current();
  if (current < 0 || state_.Document->Colors(current) != 32) return;
  if (state_.HasFloat) parts_->buffers.MergeFloat();
  state_.AlphaMode = true;
  parts_->controls.SetChecked("tbtnModeRGB", false);
  parts_->controls.SetChecked("tbtnModeAlpha", true);
  parts_->buffers.BuildAlphaView(current);
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    if (tool.id != tools::kToolPencil && tool.id != tools::kToolLine) parts_->controls.SetEnabled(tool.button, false);
  }
  parts_->ClickTool(tools::kToolPencil);
  parts_->Repaint();
}

namespace {

void AfterZoom(WorkspaceParts& parts) {
  int position = parts.state.CurrentImage;
  if (position < 0) {
    if (!parts.HasImage()) return;
    position = 0;
  }
  parts.view.LayoutCanvas(position);
  parts.ReselectCurrentTool();
}

}  // namespace

void Workspace::ZoomIn() {
  if (parts_->view.ZoomIn()) AfterZoom(*parts_);
}
void Workspace::ZoomOut() {
  if (parts_->view.ZoomOut()) AfterZoom(*parts_);
}
void Workspace::ZoomAuto() {
  if (parts_->view.ZoomAuto()) AfterZoom(*parts_);
}
void Workspace::SetZoom(int zoom) {
  // A zoom that would make the canvas larger than any screen is refused
  // rather than allocated.
  constexpr long long kMaxCanvasSide = 4096;
  const long long side = std::max(state_.WorkBitmap.Width(), state_.WorkBitmap.Height());
  if (side * zoom > kMaxCanvasSide) return;
  state_.Zoom = zoom;
  AfterZoom(*parts_);
}

void Workspace::ChooseTool(int toolId) {
  // In Alpha mode the disabled buttons cannot be clicked; the keyboard may
  // still choose them and then only changes the last drawing tool.
  parts_->ClickTool(toolId);
}

void Workspace::ChooseOption(int index) {
  parts_->palette.OptionClick(index);
  parts_->SyncTools();
}

void Workspace::SetOpacityText(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (tools::ToolPalette::OpacityKeyAccepted(c)) digits += c;
  }
  parts_->palette.OpacityTextChanged(digits);
  parts_->SyncTools();
}

}  // namespace pixmint::editor
