#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/commands.h"
#include "formats/animated_cursor.h"
#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::editor {

// Everything the editor asks of the outside world. The window implements it
// with Qt; tests and the script driver with a scripted fake. Every call is
// made on the user-interface thread; dialogs are modal and return the
// user's answer.

enum class MessageButtons { kOk, kYesNoCancel };
enum class MessageIcon { kNone, kError, kQuestion, kInformation };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

struct MessageBox {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::kOk;
  MessageIcon icon = MessageIcon::kNone;
};

// An icon or cursor group chosen out of a Windows program: its file bytes.
struct ProgramGroup {
  std::vector<std::uint8_t> file;
  bool cursor = false;
};

// Size and depth for a new or converted image.
struct ImageFormat {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  friend bool operator==(const ImageFormat&, const ImageFormat&) = default;
};

enum class FileDialogKind { kOpen, kSave };

struct FileDialog {
  FileDialog() = default;
  FileDialog(FileDialogKind kind, std::string filter, std::string folder, std::string caption = {})
      : kind(kind), filter(std::move(filter)), folder(std::move(folder)), caption(std::move(caption)) {}

  FileDialogKind kind = FileDialogKind::kOpen;
  // "描述(*.ico)|*.ico|..." pairs separated by '|'.
  std::string filter;
  // Starting folder; empty leaves the dialog's own choice.
  std::string folder;
  // The dialog's title; empty leaves the dialog's own.
  std::string caption;
};

// The canvas cursor shapes; the tool cursors are the program's own pictures.
enum class CursorShape {
  kArrow,
  kCross,
  kPencil,
  kBrush,
  kEraser,
  kDropper,
  kFill,
  kSpray,
  kSizeAll,   // move (four arrows)
  kSizeNwse,  // top-left / bottom-right handles
  kSizeNesw,  // bottom-left / top-right handles
  kSizeNs,    // top and bottom middle handles
  kSizeWe,    // left and right middle handles
};

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // --- Questions (modal dialogs) ---
  virtual MessageAnswer ShowMessage(const MessageBox& box) = 0;
  // A chosen file path, or nothing when cancelled.
  virtual std::optional<std::string> AskFileName(const FileDialog& dialog) = 0;
  // The new-image dialog with the given caption.
  virtual std::optional<ImageFormat> AskImageFormat(std::string_view caption) = 0;
  // The paste placement dialog: the clipboard picture is larger than the
  // image; the answer is the part chosen, already fitted (the new floating
  // selection), or nothing when cancelled.
  virtual std::optional<raster::Picture> AskPastePart(const raster::Picture& clipboard, std::string_view caption,
                                                      int imageWidth, int imageHeight) = 0;
  // The text dialog: the rendered text, opaque in the given colour on a
  // transparent background, or nothing when cancelled.
  virtual std::optional<raster::Picture> AskTextPicture(raster::Colour colour) = 0;
  // The group chooser for a Windows program file (every icon and cursor
  // group with its largest image), or nothing when cancelled.
  virtual std::optional<ProgramGroup> ChooseProgramGroup(const std::string& programFile) = 0;
  // The animation's steps (which frame, for how many sixtieths of a second),
  // edited with a preview playing the document's images as frames; nothing
  // when cancelled.
  virtual std::optional<std::vector<formats::AnimationStep>> AskAnimationSteps(
      const std::vector<formats::AnimationStep>& steps, const document::TKvIcon& frames) = 0;
  // The sizes dialog of a cursor: the sides (pixels) to add, given the sides
  // it has; nothing when cancelled. A host without it never adds sizes.
  virtual std::optional<std::vector<int>> AskCursorSizes(const std::vector<int>& present) {
    (void)present;
    return std::nullopt;
  }
  // The colour chooser, starting at the given colour.
  virtual std::optional<raster::Colour> AskColour(raster::Colour initial) = 0;
  // The one-line input box.
  virtual std::optional<std::string> AskLine(std::string_view caption, std::string_view prompt,
                                             std::string_view initial) = 0;

  // --- What the window shows ---
  // Panel 0..3 of the status bar.
  virtual void SetStatusText(int panel, std::string_view text) = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  // The screen buffer changed inside this rectangle (screen pixels of the
  // canvas); the window copies it. The layout may have changed as well.
  virtual void CanvasChanged(raster::Rect dirty) = 0;
  // The image list, the preview, the colour swatches or the palette box need
  // repainting from the workspace's accessors.
  virtual void PanelsChanged() = 0;
  // Enabled and checked ("down") state of a control by its object name
  // ("tbtnSave", "mnuEditUndo", "btnPencil", "tbtnModeAlpha", ...).
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
  virtual void SetChecked(std::string_view control, bool checked) = 0;
  virtual void SetCanvasCursor(CursorShape shape) = 0;

  // --- Services ---
  // The clipboard's picture, when it holds one.
  virtual std::optional<raster::Picture> ClipboardPicture() = 0;
  virtual void PutClipboardPicture(const raster::Picture& picture) = 0;
  // Starts another instance of the program with these arguments (no shell).
  virtual void StartProgram(const std::vector<std::string>& arguments) = 0;
  // A periodic timer that calls Workspace::TimerTick; 0 stops it.
  virtual void SetTimer(int intervalMs) = 0;
  // This instance's private temporary folder (created with mode 0700 and
  // removed at exit by the host).
  virtual std::filesystem::path PrivateTempFolder() = 0;
  // A command the window carries out itself (its dialogs, help, the sibling
  // programs); answers whether it changed the document.
  virtual bool RunShellCommand(CommandId id) = 0;
  // The document was written to path; firstSave: it had no file before.
  virtual void DocumentSaved(const std::string& path, bool firstSave) = 0;
};

}  // namespace pixmint::editor
