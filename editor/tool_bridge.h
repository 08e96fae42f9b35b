#pragma once

#include "editor/canvas_view.h"
#include "editor/control_states.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "settings/settings.h"
#include "tools/tool_palette.h"

namespace pixmint::editor {

// The current tool: the tool palette, seen from the workspace. Every change
// of tool goes through here, so the editor state always mirrors the palette.
class ToolBridge : public tools::ToolHost {
 public:
  ToolBridge(EditorState& state, EditorHost& host, Settings& settings, ControlStates& controls, CanvasView& view,
             EditBuffers& buffers);

  // A tool button (or letter) chosen by the user. Choosing a tool that picks
  // a new selection puts a floating one down first, as does placing text.
  void Choose(tools::ToolId id);
  // The current tool made again (after a zoom, colour or image change). The
  // text tool is then only chosen again: its dialog opens on a user's choice
  // or a click, never as a side effect.
  void Reselect();
  // Chooses the last drawing tool again (after a merge or a colour pick).
  void ReturnToLast();
  void ChooseOption(int index);
  void OpacityTyped(std::string_view text);

  [[nodiscard]] tools::ToolPalette& Palette() { return palette_; }
  [[nodiscard]] const tools::ToolPalette& Palette() const { return palette_; }
  [[nodiscard]] tools::TKvPaint* Tool() { return palette_.CurTool(); }
  [[nodiscard]] tools::ToolKind Kind() const;
  // Which click of a several-click tool comes next (0: none is under way).
  [[nodiscard]] int NextClick() const;

  // tools::ToolHost
  raster::Picture& WorkPicture() override;
  raster::Picture& ScreenPicture() override;
  raster::Picture& FloatPicture() override;
  int Zoom() const override;
  raster::Paint ForeColor() const override;
  raster::Paint BackColor() const override;
  raster::Transparency Holds() const override;
  bool AlphaMode() const override;
  bool HasImage() const override;
  void SetCanvasCursor(tools::ToolCursor cursor) override;
  void ClearToolStatus() override;
  void PaletteChanged() override;
  bool PlaceText() override;

 private:
  void Sync();
  [[nodiscard]] raster::Paint Usable(raster::Paint paint) const;

  EditorState& state_;
  EditorHost& host_;
  ControlStates& controls_;
  CanvasView& view_;
  EditBuffers& buffers_;
  tools::ToolPalette palette_;
  // While true, choosing the text tool does not ask for a text.
  bool quietText_ = false;
};

}  // namespace pixmint::editor
