#pragma once

#include <optional>
#include <span>
#include <string>

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::editor {

// The palette box: cells of 10 x 10, width / 10 per row, over the panel
// colour; nothing but the panel with fewer than 2 entries.
[[nodiscard]] raster::Picture PaintPaletteBox(std::span<const raster::Colour> palette, int width, int height,
                                              raster::Colour panel);

// The colour read-out of the status bar: "R12 G34 B56".
[[nodiscard]] std::string ColourText(raster::Colour c);

}  // namespace pixmint::editor

namespace pixmint::editor {

class CanvasView;
class ControlStates;
class EditBuffers;
class ToolBridge;

// The foreground and background colours, the palette box, and the two
// colour modes (RGB, and Alpha for 32-bit images).
class ColourState {
 public:
  ColourState(EditorState& state, EditorHost& host, ControlStates& controls, CanvasView& view, EditBuffers& buffers,
              ToolBridge& tools);

  // Commands: each answers whether it changed anything.
  bool ChooseFore();  // the colour dialog for the foreground
  bool ChooseBack();
  bool Defaults();
  bool Invert();  // the inverting pixel as foreground
  bool Trans();   // transparency as foreground
  bool ModeRgb();
  bool ModeAlpha();

  // The dropper and the palette box: alt picks the background.
  void Pick(raster::Paint paint, bool alt);

  // The palette box (PaintBox2): its size and the panel colour around it.
  void SetPaletteBoxSize(int width, int height, raster::Colour panel);
  [[nodiscard]] raster::Picture PaletteBox() const;
  void PaletteBoxMouseMove(int x, int y);
  void PaletteBoxMouseUp(int x, int y, bool alt);

 private:
  void ForeChanged();
  std::optional<raster::Colour> AskColour();

  EditorState& state_;
  EditorHost& host_;
  ControlStates& controls_;
  CanvasView& view_;
  EditBuffers& buffers_;
  ToolBridge& tools_;
  int paletteWidth_ = 60;
  int paletteHeight_ = 200;
  raster::Colour paletteBack_ = raster::Rgb(240, 240, 240);
  raster::Colour lastDialogColour_ = raster::Rgb(0, 0, 0);
};

}  // namespace pixmint::editor
