#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "raster/colour.h"
#include "raster/picture.h"
#include "settings/settings.h"
#include "tools/kv_paint.h"
#include "tools/spray.h"
#include "tools/tool_table.h"

namespace pixmint::tools {

// What the tool palette needs from the workspace that hosts it.
class ToolHost {
 public:
  virtual ~ToolHost() = default;
  // WorkBitmap, the screen buffer (image size x Zoom) and FloatBitmap; the
  // tool objects keep references to them for their whole life.
  [[nodiscard]] virtual raster::Picture& WorkPicture() = 0;
  [[nodiscard]] virtual raster::Picture& ScreenPicture() = 0;
  [[nodiscard]] virtual raster::Picture& FloatPicture() = 0;
  [[nodiscard]] virtual int Zoom() const = 0;
  // The colours a tool paints with.
  [[nodiscard]] virtual raster::Paint ForeColor() const = 0;
  [[nodiscard]] virtual raster::Paint BackColor() const = 0;
  // What the edited picture's pixels can hold.
  [[nodiscard]] virtual raster::Transparency Holds() const = 0;
  [[nodiscard]] virtual bool AlphaMode() const = 0;
  // The document has at least one image.
  [[nodiscard]] virtual bool HasImage() const = 0;
  virtual void SetCanvasCursor(ToolCursor cursor) = 0;
  // Status panel 2 is cleared (a tool chosen in Alpha mode).
  virtual void ClearToolStatus() = 0;
  // The down button, the option list, its selection or the opacity box
  // changed: the window reads them again from the palette.
  virtual void PaletteChanged() = 0;
  // The text tool: merge a pending selection, ask for the text and, when the
  // user confirms a non-empty text, put it as the floating selection centred
  // over the image, repaint and answer true (the palette then switches to
  // move/scale). False when cancelled or empty.
  [[nodiscard]] virtual bool PlaceText() = 0;
};

// The tool box's logic: which tool is chosen, its option and opacity, the
// per-tool settings, and the current tool object.
class ToolPalette {
 public:
  ToolPalette(ToolHost& host, Settings& settings);
  ~ToolPalette();
  ToolPalette(const ToolPalette&) = delete;
  ToolPalette& operator=(const ToolPalette&) = delete;

  // A tool button's click handler (also the keyboard's and the canvas's way
  // of choosing a tool). Unknown numbers do nothing.
  void ClickTool(ToolId toolId);
  // Runs the click handler of the button that is down; nothing when none is.
  void ReselectCurrentTool();
  // Chooses LastDrawTool again when the document has images.
  void ReturnToLastTool();
  // lbxToolOptionClick with the clicked index.
  void OptionClick(int index);
  // updOpacityKeyPress: whether a typed character is accepted.
  [[nodiscard]] static bool OpacityKeyAccepted(char c);
  // updOpacityChange with the box's text as it now reads.
  void OpacityTextChanged(std::string_view text);

  // --- State ---
  [[nodiscard]] ToolId CurrentTool() const { return toolId_; }
  [[nodiscard]] ToolId LastDrawTool() const { return lastDrawTool_; }
  // The tool of the button that is down (kNone: none).
  [[nodiscard]] ToolId DownButton() const { return downButton_; }
  [[nodiscard]] int ToolWidth() const { return toolWidth_; }
  [[nodiscard]] int BrushRings() const { return brushRings_; }
  [[nodiscard]] int Opacity() const { return opacity_; }
  [[nodiscard]] const std::vector<std::string>& OptionItems() const { return optionItems_; }
  // -1 when nothing is selected.
  [[nodiscard]] int OptionIndex() const { return optionIndex_; }
  [[nodiscard]] const std::string& OpacityText() const { return opacityText_; }
  [[nodiscard]] TKvPaint* CurTool() { return curTool_.get(); }
  [[nodiscard]] const TKvPaint* CurTool() const { return curTool_.get(); }

  // The spray's random generator; PinSpraySeed makes sprays reproducible.
  [[nodiscard]] SprayRandom& Random() { return random_; }
  // Tools built from now on recompute everything on every step (reference).
  void SetFullRepaint(bool full) { fullRepaint_ = full; }

 private:
  void ChooseDrawingTool(const ToolInfo& tool);
  void ChooseText();
  void NewlyChosen(const ToolInfo& tool);
  void ComputeWidth(const ToolInfo& tool);
  void SetOpacityBox(int value);
  void SaveSettings(const ToolInfo& tool);
  void BuildTool(const ToolInfo& tool);
  [[nodiscard]] ToolSettings SettingsFor(const ToolInfo& tool) const;

  ToolHost& host_;
  Settings& settings_;
  ToolId toolId_ = ToolId::kNone;
  ToolId lastDrawTool_ = ToolId::kPencil;
  ToolId downButton_ = ToolId::kNone;
  int toolWidth_ = 1;
  int brushRings_ = 4;
  int opacity_ = 100;
  std::vector<std::string> optionItems_;
  int optionIndex_ = -1;
  std::string opacityText_ = "100";
  std::unique_ptr<TKvPaint> curTool_;
  SprayRandom random_;
  bool fullRepaint_ = false;
};

}  // namespace pixmint::tools
