#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/file_io.h"
#include "editor/canvas_view.h"
#include "editor/colour_state.h"
#include "editor/edit_buffers.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/image_commands.h"
#include "editor/tool_bridge.h"
#include "editor/undo.h"
#include "settings/settings.h"

namespace pixmint::formats {
struct FileFormat;
}  // namespace pixmint::formats

namespace pixmint::editor {

// How a program run begins: a new icon, a new cursor, or a file.
struct StartRequest {
  // kOpenUntitled: a file handed over by another instance (an icon group out
  // of a program): it becomes an untitled document, and the hand-over file
  // is removed once read.
  enum class Kind { kNewIcon, kNewCursor, kOpenFile, kOpenUntitled };
  Kind kind = Kind::kNewIcon;
  std::string path;  // kOpenFile, kOpenUntitled
};

// The command-line word before a hand-over file.
inline constexpr const char* kUntitledArgument = "--untitled";

// The word New passes to a new instance for a cursor (kept as it always was,
// so that instances of any version understand each other).
inline constexpr const char* kNewCursorArgument = "无标题(指针)";

// The command line's one argument as a start request: none (or the untitled
// icon's name) a new icon, the cursor word a new cursor, a name ending in
// .ico or .cur that file, anything else a new cursor.
[[nodiscard]] StartRequest ParseStartArgument(const std::optional<std::string>& argument);

// Starts a new instance on a group taken out of a program (an untitled
// document of the group's kind); false when it could not be handed over.
[[nodiscard]] bool HandOverGroup(EditorHost& host, const ProgramGroup& group);
// Removes a hand-over file (and its private folder) once read; any other
// path is left alone.
void RemoveHandOver(const std::string& path);

// The document's name as the user sees it: its file, or the untitled name.
[[nodiscard]] std::string DocumentName(const EditorState& state);

// Start-up, shutdown and the file commands.
class DocumentCommands {
 public:
  DocumentCommands(EditorState& state, EditorHost& host, Settings& settings, ControlStates& controls, CanvasView& view,
                   ImageCommands& images);

  void Start(const StartRequest& request);
  // Commands: each answers whether it ran through.
  bool NewIcon();
  bool NewCursor();
  bool Open();
  // Save, Save As and the export put down what floats only once a file is
  // chosen: a cancelled dialog leaves everything as it was.
  bool Save();
  bool SaveAs();
  // Writes the cursor (animated or not) as an Xcursor file.
  bool ExportXcursor();
  // The steps' order and times; a cursor of several images becomes an
  // animation of them.
  bool EditAnimation();
  // Puts down what floats, so that the file holds what the screen shows;
  // the file commands call it once a file is chosen (set by the workspace).
  std::function<void()> freeCanvas;
  // The close question: save the changes?
  [[nodiscard]] MessageAnswer AskToSave();
  // Writes the remembered folders.
  void WriteFolders();
  [[nodiscard]] std::string Caption() const;

 private:
  void ShowError(const char* text);
  void ShowSaveFailure(const texts::Failure& failure);
  void ShowReadFailure(const texts::Failure& failure, const std::string& path);
  [[nodiscard]] bool LoadWithReader(const std::string& path, const formats::FileFormat& format);
  void RecoverInterruptedSave(const std::string& path);
  [[nodiscard]] texts::Result<void> WriteAnimation(const std::string& path);

  EditorState& state_;
  EditorHost& host_;
  Settings& settings_;
  ControlStates& controls_;
  CanvasView& view_;
  ImageCommands& images_;
};

}  // namespace pixmint::editor
