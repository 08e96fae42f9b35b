#include "editor/colour_state.h"

#include <algorithm>
#include <string>

#include "document/kv_icon.h"
#include "editor/canvas_view.h"
#include "editor/control_states.h"
#include "editor/edit_buffers.h"
#include "editor/tool_bridge.h"

// Colours, the palette box and the colour modes.

namespace pixmint::editor {

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

ColourState::ColourState(EditorState& state, EditorHost& host, ControlStates& controls, CanvasView& view,
                         EditBuffers& buffers, ToolBridge& tools)
    : state_(state), host_(host), controls_(controls), view_(view), buffers_(buffers), tools_(tools) {}

void ColourState::ForeChanged() {
  host_.PanelsChanged();
  tools_.Reselect();
}

std::optional<raster::Colour> ColourState::AskColour() {
  // One colour dialog for both swatches: it starts from the colour it gave
  // last (black before the first), not from the swatch it was opened for.
  auto colour = host_.AskColour(lastDialogColour_);
  if (colour) lastDialogColour_ = *colour & 0xFFFFFF;
  return colour;
}

bool ColourState::ChooseFore() {
  auto colour = AskColour();
  if (!colour) return false;
  state_.ForeColor = raster::ColourPaint(*colour);
  ForeChanged();
  return true;
}

bool ColourState::ChooseBack() {
  auto colour = AskColour();
  if (!colour) return false;
  state_.BackColor = raster::ColourPaint(*colour);
  ForeChanged();
  return true;
}

bool ColourState::Defaults() {
  // The image's first two palette entries: its own table's, or for images
  // without one the fixed list's black and RGB(8, 8, 8). Without a palette
  // (no image) nothing changes.
  if (state_.CurPalette.size() < 2) return false;
  state_.ForeColor = raster::ColourPaint(state_.CurPalette[0]);
  state_.BackColor = raster::ColourPaint(state_.CurPalette[1]);
  ForeChanged();
  return true;
}

bool ColourState::Invert() {
  state_.ForeColor = raster::kInvertingPaint;
  ForeChanged();
  return true;
}

bool ColourState::Trans() {
  state_.ForeColor = raster::kTransparentPaint;
  ForeChanged();
  return true;
}

void ColourState::Pick(raster::Paint paint, bool alt) {
  (alt ? state_.BackColor : state_.ForeColor) = paint;
  host_.PanelsChanged();
}

void ColourState::SetPaletteBoxSize(int width, int height, raster::Colour panel) {
  paletteWidth_ = width;
  paletteHeight_ = height;
  paletteBack_ = panel;
}

raster::Picture ColourState::PaletteBox() const {
  return PaintPaletteBox(state_.CurPalette, paletteWidth_, paletteHeight_, paletteBack_);
}

void ColourState::PaletteBoxMouseMove(int x, int y) {
  const raster::Colour c = PaletteBox().Pixel(x, y);
  if (c != raster::kInvalidColour) controls_.SetStatus(2, ColourText(c));
}

void ColourState::PaletteBoxMouseUp(int x, int y, bool alt) {
  const raster::Colour c = PaletteBox().Pixel(x, y);
  if (c == raster::kInvalidColour) return;  // released outside the box
  Pick(raster::ColourPaint(c), alt);
  tools_.Reselect();
}

bool ColourState::ModeRgb() {
  if (!state_.Document || state_.CurrentImage < 0) return false;
  // A read-out of the other mode (or the other image) would be stale.
  controls_.SetStatus(2, "");
  state_.AlphaMode = false;
  // The tool object was left as it was while Alpha mode painted by itself:
  // build it again for the current zoom and the button that is down.
  tools_.Reselect();
  view_.PaintBox1Paint();
  return true;
}

bool ColourState::ModeAlpha() {
  const int current = state_.CurrentImage;
  if (current < 0 || state_.Document->Colors(current) != 32) return false;
  state_.AlphaMode = true;
  controls_.SetStatus(2, "");
  buffers_.BuildAlphaView(current);
  tools_.Choose(tools::ToolId::kPencil);
  view_.PaintBox1Paint();
  return true;
}

}  // namespace pixmint::editor
