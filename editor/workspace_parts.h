#pragma once

#include "editor/canvas_view.h"
#include "editor/control_states.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/undo.h"
#include "tools/settings.h"
#include "tools/tool_palette.h"

namespace pixmint::editor {

struct WorkspaceParts;

// The tool palette's view of the workspace.
class ToolBridge : public tools::ToolHost {
 public:
  explicit ToolBridge(WorkspaceParts& parts);
  raster::Picture& WorkPicture() override;
  raster::Picture& ScreenPicture() override;
  raster::Picture& FloatPicture() override;
  int Zoom() const override;
  raster::Colour ForeColor() const override;
  raster::Point FloatOrigin() const override;
  bool AlphaMode() const override;
  bool HasImage() const override;
  void SetCanvasCursor(tools::ToolCursor cursor) override;
  void ClearToolStatus() override;
  void PaletteChanged() override;
  bool PlaceText() override;

 private:
  WorkspaceParts& parts_;
};

// Everything the workspace owns, shared by its command files.
struct WorkspaceParts {
  WorkspaceParts(EditorState& s, EditorHost& h, Settings& st);

  EditorState& state;
  EditorHost& host;
  Settings& settings;
  ControlStates controls;
  UndoHistory undo;
  EditBuffers buffers;
  CanvasView view;
  ToolBridge bridge;
  tools::ToolPalette palette;

  // The palette box's geometry.
  int paletteWidth = 60;
  int paletteHeight = 200;
  raster::Colour paletteBack = raster::Rgb(240, 240, 240);

  [[nodiscard]] bool HasImage() const;
  // The current image, or -1.
  [[nodiscard]] int Current() const;
  // Copies the palette's tool state into the editor state.
  void SyncTools();
  void ReselectCurrentTool();
  void ReturnToLastTool();
  void ClickTool(int toolId);
  // Repaints the whole canvas.
  void Repaint() { view.PaintBox1Paint(); }
  void ShowError(const char* text);
  // Selecting an image: history dropped, flags cleared, buffers loaded,
  // canvas laid out, tool rebuilt.
  void SelectImage(int i);
  // The RGB mode command.
  void ModeRgb();
};

}  // namespace pixmint::editor
