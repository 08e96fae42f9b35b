#pragma once

#include <optional>

#include "editor/canvas_view.h"
#include "editor/colour_state.h"
#include "editor/control_states.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/tool_bridge.h"
#include "editor/undo.h"

namespace pixmint::editor {

// Routes the canvas's mouse events to the current tool by its kind, and
// paints Alpha mode itself. It owns the undo step of a change in progress:
// a stroke from press to release, a curve over its three clicks.
class CanvasRouter {
 public:
  CanvasRouter(EditorState& state, EditorHost& host, ControlStates& controls, UndoHistory& undo, EditBuffers& buffers,
               CanvasView& view, ToolBridge& tools, ColourState& colours);

  // Screen pixels of the canvas.
  void MouseDown(MouseButton button, tools::ShiftState shift, int sx, int sy);
  void MouseMove(tools::ShiftState shift, int sx, int sy);
  void MouseUp(MouseButton button, tools::ShiftState shift, int sx, int sy);
  void TimerTick();

  // Settles whatever a tool has pending before a command runs: a stroke in
  // progress ends where the pointer is, a curve between its clicks is kept as
  // drawn (its undo step closes), an open lasso outline is abandoned.
  void FinishPending();

 private:
  void StartDrawing(tools::TKvPaint& tool, tools::ShiftState shift, raster::Point p);
  void CurveDown(tools::TKvPaint& tool, tools::ShiftState shift, raster::Point p);
  void MoverDown(tools::TKvPaint& tool, tools::ShiftState shift, int sx, int sy, raster::Point p);
  void LassoDown(tools::TKvPaint& tool, tools::ShiftState shift, raster::Point p);
  // The release of the current tool at p, as MouseUp runs it.
  void Release(tools::ShiftState shift, raster::Point p);
  void FloatFromTool(tools::TKvPaint& tool);
  void ShowToolDrawing();
  void AlphaMouseDown(raster::Point p);
  void AlphaMouseMove(raster::Point p);
  void AlphaMouseUp(raster::Point p);
  [[nodiscard]] bool ToPixel(int sx, int sy, raster::Point& p) const;
  [[nodiscard]] std::string PixelText(const std::uint8_t* pixel) const;
  [[nodiscard]] raster::Paint PaintAt(raster::Point p) const;

  EditorState& state_;
  EditorHost& host_;
  ControlStates& controls_;
  UndoHistory& undo_;
  EditBuffers& buffers_;
  CanvasView& view_;
  ToolBridge& tools_;
  ColourState& colours_;
  std::optional<UndoStep> step_;
  raster::Point last_;
};

}  // namespace pixmint::editor
