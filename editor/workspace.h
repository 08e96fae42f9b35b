#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "raster/picture.h"
#include "tools/settings.h"

namespace pixmint::tools {
class TKvPaint;
}

namespace pixmint::editor {

struct WorkspaceParts;

// Where the canvas frame (Panel1) sits in the scrolling area and how big the
// canvas (PaintBox1, at (5, 5) inside the frame) is, in screen pixels.
struct CanvasLayout {
  int panelLeft = 0;
  int panelTop = 0;
  int panelWidth = 0;
  int panelHeight = 0;
  int canvasWidth = 0;   // image width * Zoom
  int canvasHeight = 0;  // image height * Zoom
  bool visible = false;  // hidden until a document is open
};

// The editing workspace: the brain of the main window, without any window.
// The window forwards its events here and shows what the accessors give.
class Workspace {
 public:
  Workspace(EditorHost& host, Settings& settings);
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // --- Start and end ---
  // The start-up step: the first command-line argument, if any.
  void Start(const std::optional<std::string>& argument);
  // The close question; true when the window may close.
  [[nodiscard]] bool CloseQuery();
  // Before the window closes: stops the timer, deletes the undo files and
  // writes the remembered folders. The destructor only removes undo files.
  void Shutdown();
  // Size and depth of new images (the start-up step and New use them).
  void SetImageDefaults(const ImageFormat& format);
  // The scrolling area's size (ScrollBox1); lays the canvas out again.
  void SetViewportSize(int width, int height);

  // --- Commands by control name ---
  // Runs the command of a control or menu item ("tbtnSave", "mnuEditUndo",
  // "btnPencil", ...) when it is enabled right now; shortcuts go through
  // here so that they follow the live state. False when unknown or disabled.
  bool RunCommand(std::string_view control);
  [[nodiscard]] bool IsEnabled(std::string_view control) const;
  [[nodiscard]] bool IsChecked(std::string_view control) const;

  // --- File ---
  void NewIcon();
  void NewCursor();
  void Open();
  void Save();
  void SaveAs();
  // --- Edit ---
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void DeleteSelection();
  void SelectAll();
  void Merge();
  // --- Effects ---
  void FlipHorizontal();
  void FlipVertical();
  void RotateRight();
  void RotateLeft();
  void Rotate180();
  void RotateArbitrary();  // asks for the angle
  // --- Images ---
  void AddImage();
  void DeleteImage();
  void ChangeFormat();
  void DuplicateImage();
  void SelectImage(int entry);
  // Press and release on the image list (-1: not on an entry): a drag from
  // one entry onto another exchanges the two images.
  void ImageListMouseDown(int entry);
  void ImageListMouseUp(int entry);
  // Sets the hot spot of the selected image (cursor documents).
  void SetHotSpot(int x, int y);
  // --- View ---
  void ZoomIn();
  void ZoomOut();
  void ZoomAuto();
  void SetZoom(int zoom);
  // --- Colours and modes ---
  void ChooseForeColour();  // colour dialog for the foreground
  void ChooseBackColour();
  void DefaultColours();
  void InvertColour();  // ColorInvert as foreground
  void TransColour();   // ColorTrans as foreground
  void ModeRgb();
  void ModeAlpha();
  // The palette box's (PaintBox2) size and the panel colour around its cells.
  void SetPaletteBoxSize(int width, int height, raster::Colour panel);
  // Palette box events, in its pixels.
  void PaletteBoxMouseMove(int x, int y);
  void PaletteBoxMouseUp(int x, int y, unsigned shift);
  // --- Tools ---
  void ChooseTool(int toolId);
  void ChooseOption(int index);
  // The opacity box's text as typed.
  void SetOpacityText(std::string_view text);

  // --- Canvas (PaintBox1) events, in its screen pixels ---
  void CanvasMouseDown(MouseButton button, unsigned shift, int x, int y);
  void CanvasMouseMove(unsigned shift, int x, int y);
  void CanvasMouseUp(MouseButton button, unsigned shift, int x, int y);
  // The host's periodic timer fired.
  void TimerTick();
  // Makes the spray's scatter reproducible from this seed on.
  void PinSpraySeed(std::uint32_t seed);
  // The once-a-second clipboard watch saw a picture: Paste becomes available
  // (and stays so).
  void ClipboardOffersPicture();

  // --- What the window shows ---
  [[nodiscard]] const EditorState& State() const { return state_; }
  // The canvas as it should appear: (image width * Zoom) x (height * Zoom).
  [[nodiscard]] const raster::Picture& Screen() const;
  [[nodiscard]] CanvasLayout Layout() const;
  // The palette box as it should appear.
  [[nodiscard]] raster::Picture PaletteBox() const;
  [[nodiscard]] std::string StatusText(int panel) const;
  [[nodiscard]] std::string Caption() const;
  [[nodiscard]] int ToolOption() const;
  [[nodiscard]] std::string OpacityText() const;
  [[nodiscard]] document::TKvIcon* Document() { return state_.Document.get(); }

 private:
  void MoveScaleDown(tools::TKvPaint& tool, unsigned shift, int sx, int sy, raster::Point p);
  void FloatFromTool(tools::TKvPaint& tool);
  void DropperPick(unsigned shift, raster::Point p);
  void ShowToolDrawing();
  void AlphaMouseDown(raster::Point p);
  void AlphaMouseMove(raster::Point p);
  void AlphaMouseUp(raster::Point p);

  EditorHost& host_;
  Settings& settings_;
  EditorState state_;
  std::unique_ptr<WorkspaceParts> parts_;
};

}  // namespace pixmint::editor
