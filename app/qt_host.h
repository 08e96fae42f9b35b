#pragma once

#include <QTimer>
#include <functional>

#include "app/dialogs/tfrm_text.h"
#include "document/temp_folder.h"
#include "editor/editor_host.h"

namespace pixmint::editor {
class Workspace;
}

namespace pixmint::app {

class TfrmMain;
class QtSettings;

// The editor's outside world in Qt: modal dialogs, the status bar and the
// controls of the main window, the clipboard, process starts and the timer.
class QtHost final : public editor::EditorHost {
 public:
  QtHost(TfrmMain& window, QtSettings& settings);

  void Attach(editor::Workspace* workspace) { workspace_ = workspace; }

  editor::MessageAnswer ShowMessage(const editor::MessageBox& box) override;
  std::optional<std::string> AskFileName(const editor::FileDialog& dialog) override;
  std::optional<editor::ImageFormat> AskImageFormat(std::string_view caption) override;
  std::optional<raster::Picture> AskPastePart(const raster::Picture& clipboard, std::string_view caption,
                                              int imageWidth, int imageHeight) override;
  std::optional<raster::Picture> AskTextPicture(raster::Colour colour) override;
  std::optional<raster::Colour> AskColour(raster::Colour initial) override;
  std::optional<std::string> AskLine(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override;

  void SetStatusText(int panel, std::string_view text) override;
  void SetCaption(std::string_view caption) override;
  void CanvasChanged(raster::Rect dirty) override;
  void PanelsChanged() override;
  void SetEnabled(std::string_view control, bool enabled) override;
  void SetChecked(std::string_view control, bool checked) override;
  void SetCanvasCursor(editor::CursorShape shape) override;

  std::optional<raster::Picture> ClipboardPicture() override;
  void PutClipboardPicture(const raster::Picture& picture) override;
  void StartProgram(const std::vector<std::string>& arguments) override;
  void SetTimer(int intervalMs) override;
  std::filesystem::path PrivateTempFolder() override;
  bool RunShellCommand(editor::CommandId id) override;
  std::optional<editor::ProgramGroup> ChooseProgramGroup(const std::string& programFile) override;
  std::optional<std::vector<int>> AskCursorSizes(const std::vector<int>& present) override;
  std::optional<std::vector<formats::AnimationStep>> AskAnimationSteps(const std::vector<formats::AnimationStep>& steps,
                                                                       const document::TKvIcon& frames) override;
  void DocumentSaved(const std::string& path, bool firstSave) override;

  // Qt's filter string ("a (*.x);;b (*.y)") from "a|*.x|b|*.y".
  [[nodiscard]] static QString QtFilter(std::string_view filter);

 private:
  TfrmMain& window_;
  QtSettings& settings_;
  editor::Workspace* workspace_ = nullptr;
  QTimer timer_;
  std::unique_ptr<document::PrivateFolder> tempDir_;
  TextFont textFont_{DesignTextFont(), 0};
  QString textString_;
};

// Clipboard pictures larger than this many pixels are refused rather than
// allocated: a 64-megapixel screenshot is not an icon.
inline constexpr qint64 kMaxClipboardPixels = 16LL * 1024 * 1024;

}  // namespace pixmint::app
