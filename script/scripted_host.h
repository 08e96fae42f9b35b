#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/temp_folder.h"
#include "editor/editor_host.h"

namespace pixmint::script {

using editor::CommandId;
using editor::CursorShape;
using editor::EditorHost;
using editor::FileDialog;
using editor::ImageFormat;
using editor::MessageAnswer;
using editor::MessageBox;
using editor::ProgramGroup;

// The paste dialog's answer: the part (left, top, width, height) of the
// clipboard picture, scaled to fit the image keeping its proportions
// (stretch) or cut to the image size.
struct PasteAnswer {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool stretch = true;
};
struct CancelAnswer {};
// The text dialog confirmed with this text; rendered by StandInText.
struct TextAnswer {
  std::string text;
};

// One prepared answer to the next dialog.
using Answer = std::variant<CancelAnswer, PasteAnswer, raster::Colour, ImageFormat, std::string, MessageAnswer,
                            raster::Picture, TextAnswer, ProgramGroup, std::vector<formats::AnimationStep>>;

// A host without a window: dialogs take prepared answers in order (a dialog
// with no answer waiting is cancelled), and everything shown is recorded.
// Used by the script driver and the tests.
class ScriptedHost : public EditorHost {
 public:
  ScriptedHost();
  ~ScriptedHost() override;

  void Push(Answer answer) { answers_.push_back(std::move(answer)); }
  void DropAnswers() { answers_.clear(); }

  MessageAnswer ShowMessage(const MessageBox& box) override;
  std::optional<std::string> AskFileName(const FileDialog& dialog) override;
  std::optional<ImageFormat> AskImageFormat(std::string_view caption) override;
  std::optional<raster::Picture> AskPastePart(const raster::Picture& clipboard, std::string_view caption,
                                              int imageWidth, int imageHeight) override;
  std::optional<raster::Picture> AskTextPicture(raster::Colour colour) override;
  std::optional<raster::Colour> AskColour(raster::Colour initial) override;
  std::optional<ProgramGroup> ChooseProgramGroup(const std::string& programFile) override;
  std::optional<std::vector<formats::AnimationStep>> AskAnimationSteps(const std::vector<formats::AnimationStep>& steps,
                                                                       const document::TKvIcon& frames) override;
  std::optional<std::string> AskLine(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override;
  void SetStatusText(int panel, std::string_view text) override;
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  void CanvasChanged(raster::Rect dirty) override;
  void PanelsChanged() override { ++panelRepaints_; }
  void SetEnabled(std::string_view control, bool enabled) override { enabled_[std::string(control)] = enabled; }
  void SetChecked(std::string_view control, bool checked) override { checked_[std::string(control)] = checked; }
  void SetCanvasCursor(CursorShape shape) override { cursor_ = shape; }
  std::optional<raster::Picture> ClipboardPicture() override { return clipboard_; }
  void PutClipboardPicture(const raster::Picture& picture) override { clipboard_ = picture; }
  void StartProgram(const std::vector<std::string>& arguments) override { started_.push_back(arguments); }
  void SetTimer(int intervalMs) override { timer_ = intervalMs; }
  // As the window's: made anew when it has vanished.
  std::filesystem::path PrivateTempFolder() override { return tempFolder_.Renewed(); }
  void DocumentSaved(const std::string& path, bool firstSave) override { saved.emplace_back(path, firstSave); }
  bool RunShellCommand(CommandId id) override {
    shellCommands.push_back(id);
    return shellChanges;
  }

  // What was shown.
  std::vector<MessageBox> messages;
  std::vector<FileDialog> fileDialogs;
  std::vector<raster::Colour> colourStarts;  // the colour each colour dialog started from
  std::vector<std::string> captions;         // of the new-image and paste dialogs
  std::vector<CommandId> shellCommands;
  std::vector<std::string> chosenPrograms;
  bool shellChanges = false;  // what the window's own commands answer
  std::vector<std::pair<std::string, bool>> saved;

  [[nodiscard]] const std::optional<raster::Picture>& Clipboard() const { return clipboard_; }
  void SetClipboard(std::optional<raster::Picture> picture) { clipboard_ = std::move(picture); }
  [[nodiscard]] const std::string& Caption() const { return caption_; }
  [[nodiscard]] std::string Status(int panel) const;
  [[nodiscard]] CursorShape Cursor() const { return cursor_; }
  [[nodiscard]] int Timer() const { return timer_; }
  [[nodiscard]] const std::vector<std::vector<std::string>>& Started() const { return started_; }
  [[nodiscard]] int CanvasRepaints() const { return canvasRepaints_; }
  [[nodiscard]] const std::map<std::string, bool>& EnabledReports() const { return enabled_; }
  [[nodiscard]] const std::filesystem::path& TempFolder() const { return tempFolder_.Path(); }
  [[nodiscard]] std::size_t PendingAnswers() const { return answers_.size(); }

 private:
  template <typename T>
  std::optional<T> Take();

  std::deque<Answer> answers_;
  std::optional<raster::Picture> clipboard_;
  std::string caption_;
  std::map<int, std::string> status_;
  std::map<std::string, bool> enabled_;
  std::map<std::string, bool> checked_;
  CursorShape cursor_ = CursorShape::kArrow;
  int timer_ = 0;
  int canvasRepaints_ = 0;
  int panelRepaints_ = 0;
  std::vector<std::vector<std::string>> started_;
  document::PrivateFolder tempFolder_;
};

// A test stand-in for rendering text, since this host has no fonts: every
// character is a 5 x 7 cell, one column apart. A space is blank; any other
// character is a frame whose inside (3 x 5) shows the character code's bits,
// so that different texts give different pictures. Empty for an empty text.
[[nodiscard]] raster::Picture StandInText(std::string_view text, raster::Colour colour);

// The paste dialog's fitting of a chosen part into a w x h image.
[[nodiscard]] raster::Picture FitPastePart(const raster::Picture& picture, const PasteAnswer& part, int imageWidth,
                                           int imageHeight);

}  // namespace pixmint::script
