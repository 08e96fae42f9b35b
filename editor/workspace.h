#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editor/canvas_view.h"
#include "editor/commands.h"
#include "editor/document_commands.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "raster/picture.h"
#include "settings/settings.h"
#include "tools/tool_ids.h"

namespace pixmint::editor {

class ColourState;
class DocumentCommands;
class DocumentHistory;
class EffectCommands;
class ImageCommands;
class SelectionCommands;
class ViewCommands;

// The editing workspace: the brain of the main window, without any window.
// The window forwards its events here and shows what the accessors give.
//
// Every command passes Run: a disabled command does nothing, a pending tool
// is settled, a floating selection is merged first where the command needs
// the canvas free, and an undo step is opened where the command makes one.
// After every entry the controls' enabled and checked states are brought up
// to date from the command list.
class Workspace {
 public:
  Workspace(EditorHost& host, Settings& settings);
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // --- Start and end ---
  void Start(const StartRequest& request);
  // The close question; true when the window may close. Yes saves first
  // (what floats included); a save that did not happen keeps the window.
  [[nodiscard]] bool CloseQuery();
  // Before the window closes: stops the timer, deletes the undo files and
  // writes the remembered folders. The destructor only removes undo files.
  void Shutdown();
  // Size and depth of new images (the start-up step and New use them).
  void SetImageDefaults(const ImageFormat& format);
  // The scrolling area's size (ScrollBox1); lays the canvas out again.
  void SetViewportSize(int width, int height);

  // --- Commands ---
  // Runs a command when it is enabled now; false when disabled or it did
  // not run through.
  bool Run(CommandId id);
  bool Run(const CommandInfo& command);
  // The command of a control ("tbtnSave", "mnuEditUndo", "pmuCut", a tool
  // button "btnPencil", ...); false when unknown or disabled.
  bool RunControl(std::string_view control);
  [[nodiscard]] bool IsEnabled(CommandId id) const;
  [[nodiscard]] bool IsEnabled(const CommandInfo& command) const;
  [[nodiscard]] bool IsEnabled(std::string_view control) const;
  [[nodiscard]] bool IsChecked(std::string_view control) const;

  // --- Inputs that carry a value ---
  void SelectImage(int entry);
  // Press and release on the image list (-1: not on an entry): a drag from
  // one entry onto another exchanges the two images.
  void ImageListMouseDown(int entry);
  void ImageListMouseUp(int entry);
  // Sets the hot spot of the selected image (cursor documents).
  void SetHotSpot(int x, int y);
  void SetZoom(int zoom);
  void ChooseTool(tools::ToolId id);
  void ChooseOption(int index);
  // The opacity box's text as typed.
  void SetOpacityText(std::string_view text);
  // The palette box's (PaintBox2) size and the panel colour around its cells.
  void SetPaletteBoxSize(int width, int height, raster::Colour panel);
  void PaletteBoxMouseMove(int x, int y);
  void PaletteBoxMouseUp(int x, int y, tools::ShiftState shift);
  // The window's own command (a dialog of the shell) changed the document.
  void DocumentChangedOutside();
  // The check dialog's fix: the doctor's fix of the document as one step
  // of its history; false when it changed nothing.
  bool FixDocument();

  // --- Canvas (PaintBox1) events, in its screen pixels ---
  void CanvasMouseDown(MouseButton button, tools::ShiftState shift, int x, int y);
  void CanvasMouseMove(tools::ShiftState shift, int x, int y);
  void CanvasMouseUp(MouseButton button, tools::ShiftState shift, int x, int y);
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
  // Which click of the curve or the lasso comes next (0: none is under way).
  [[nodiscard]] int NextToolClick() const;
  [[nodiscard]] std::string OpacityText() const;
  [[nodiscard]] document::TKvIcon* Document() { return state_.Document.get(); }

  // --- The command groups, for the command list's actions ---
  [[nodiscard]] DocumentCommands& Documents();
  [[nodiscard]] SelectionCommands& Selection();
  [[nodiscard]] EffectCommands& Effects();
  [[nodiscard]] ImageCommands& Images();
  [[nodiscard]] ViewCommands& View();
  [[nodiscard]] ColourState& Colours();
  [[nodiscard]] DocumentHistory& DocHistory();

 private:
  struct Parts;
  class Entry;

  // Runs change as one step of the document's history (when it changes
  // something): what was drawn before it stays a step of its own.
  bool AsDocumentStep(const std::function<bool()>& change);

  [[nodiscard]] bool NeedsMet(Need needs) const;
  void RefreshControls();
  void ClearSavedStatus();

  EditorHost& host_;
  Settings& settings_;
  EditorState state_;
  std::unique_ptr<Parts> parts_;
};

}  // namespace pixmint::editor
