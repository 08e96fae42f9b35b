#include "editor/document_commands.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "document/bmp_codec.h"
#include "document/jpeg_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "document/temp_folder.h"
#include "editor/animation.h"
#include "formats/ani_file.h"
#include "formats/file_kinds.h"
#include "formats/xcursor.h"
#include "raster/composite.h"
#include "texts/ui_texts.h"

namespace pixmint::editor {
namespace {

constexpr const char* kAppCaption = "Kavoltrix Pixmint 3.0";

std::string UpperExtension(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext;
}

// The kind a file's content tells, if any.
const formats::FileFormat* ContentOf(const std::string& path) {
  return formats::FormatByContent(formats::ReadHead(path));
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Where a file dialog starts: the open document's own folder, else the
// folder remembered for its kind.
std::string StartFolder(const EditorState& state, const std::string& remembered) {
  return state.FileName.empty() ? remembered : FolderOf(state.FileName);
}

// The "description|patterns" pairs of filter with the pair whose patterns
// are pattern moved to the front: a dialog offers the document's own kind first.
std::string KindFirst(const std::string& filter, std::string_view pattern) {
  std::vector<std::string> parts;
  for (std::size_t at = 0;;) {
    const auto bar = filter.find('|', at);
    parts.push_back(filter.substr(at, bar == std::string::npos ? std::string::npos : bar - at));
    if (bar == std::string::npos) break;
    at = bar + 1;
  }
  for (std::size_t i = 1; i < parts.size(); i += 2) {
    if (parts[i] != pattern) continue;
    std::rotate(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(i - 1),
                parts.begin() + static_cast<std::ptrdiff_t>(i + 1));
  }
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "|") + part;
  return joined;
}

}  // namespace

bool HandOverGroup(EditorHost& host, const ProgramGroup& group) {
  // A private folder of its own: the new instance reads the file, then
  // removes it with the folder; a folder left by a crash is cleaned up at a
  // later start as any dead instance's.
  const std::filesystem::path folder = document::MakePrivateFolder();
  if (folder.empty()) return false;
  const std::filesystem::path file = folder / (group.cursor ? "group.cur" : "group.ico");
  if (!document::WriteFileAtomically(file, group.file)) return false;
  host.StartProgram({kUntitledArgument, file.string()});
  return true;
}

void RemoveHandOver(const std::string& path) {
  // Only a file in a private folder of ours in the temporary folder: a path
  // given by hand to a real file is never removed.
  const std::filesystem::path file(path);
  const std::filesystem::path folder = file.parent_path();
  if (folder.parent_path() != document::TemporaryRoot() || !document::IsPrivateFolder(folder) ||
      (file.filename() != "group.ico" && file.filename() != "group.cur")) {
    return;
  }
  std::error_code ec;
  std::filesystem::remove(file, ec);
  std::filesystem::remove(folder, ec);
}

StartRequest ParseStartArgument(const std::optional<std::string>& argument) {
  const std::string arg = argument.value_or("");
  if (formats::FormatByName(arg) != nullptr) return {StartRequest::Kind::kOpenFile, arg};
  // Xcursor files have no extension of their own: their content tells.
  if (const formats::FileFormat* format = arg.empty() ? nullptr : ContentOf(arg); format && format->read) {
    return {StartRequest::Kind::kOpenFile, arg};
  }
  // The untitled icon's name has always meant a new icon; any other word a cursor.
  if (arg.empty() || arg == texts::kUntitledIcon) return {StartRequest::Kind::kNewIcon, {}};
  if (arg == kUntitledArgument) return {StartRequest::Kind::kNewIcon, {}};  // its file follows
  return {StartRequest::Kind::kNewCursor, {}};
}

std::string DocumentName(const EditorState& state) {
  if (!state.FileName.empty()) return state.FileName;
  return texts::Tr(state.IsIcon ? texts::kUntitledIcon : texts::kUntitledCursor);
}

DocumentCommands::DocumentCommands(EditorState& state, EditorHost& host, Settings& settings, ControlStates& controls,
                                   CanvasView& view, ImageCommands& images)
    : state_(state), host_(host), settings_(settings), controls_(controls), view_(view), images_(images) {}

void DocumentCommands::ShowError(const char* text) {
  host_.ShowMessage({texts::Tr(text), texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
}

void DocumentCommands::ShowSaveFailure(const texts::Failure& failure) {
  // The reason tells the user what to change (another folder, more space).
  host_.ShowMessage({texts::Format(texts::Tr(texts::kSaveFailedBecause), {texts::Message(failure)}),
                     texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
}

void DocumentCommands::ShowReadFailure(const texts::Failure& failure, const std::string& path) {
  using texts::Fail;
  // A file that is missing or no icon at all gets only the caller's message.
  if (failure.code == Fail::kFileMissing || failure.code == Fail::kNotIconOrCursor ||
      failure.code == Fail::kOutOfMemory) {
    return;
  }
  // The file's name is the caption, except for a document already loaded.
  const std::string caption = failure.code == Fail::kAlreadyLoaded ? texts::Tr(texts::kError) : path;
  host_.ShowMessage({texts::Message(failure), caption, MessageButtons::kOk, MessageIcon::kError});
}

void DocumentCommands::Start(const StartRequest& request) {
  if (state_.DocumentOpen || state_.Document->ImageCount() > 0) return;
  using Kind = StartRequest::Kind;
  const bool handedOver = request.kind == Kind::kOpenUntitled;
  const bool load = request.kind == Kind::kOpenFile || handedOver;
  state_.FileName = request.kind == Kind::kOpenFile ? request.path : std::string();
  const formats::FileFormat* named = load ? formats::FormatByName(request.path) : nullptr;
  state_.IsIcon = load ? named != nullptr && named->holds == formats::Holds::kIcon : request.kind == Kind::kNewIcon;
  state_.Document->SetIcon(state_.IsIcon);
  if (request.kind == Kind::kOpenFile) RecoverInterruptedSave(request.path);
  // A kind its content tells and a reader of its own reads (an animation,
  // whatever the name); the document's reader the rest.
  const formats::FileFormat* format = load ? ContentOf(request.path) : nullptr;
  if (format != nullptr && format->read != nullptr) {
    if (!LoadWithReader(request.path, *format)) return ShowError(texts::kLoadFailed);
  } else if (load) {
    const texts::Result<void> loaded = state_.Document->LoadFromFile(request.path);
    if (handedOver) RemoveHandOver(request.path);
    if (!loaded) {
      ShowReadFailure(loaded.error(), request.path);
      return ShowError(texts::kLoadFailed);
    }
    // The file decides nothing about the document's kind: the name did.
    state_.Document->SetIcon(state_.IsIcon);
  } else if (!state_.Document->AddImage(state_.DefaultWidth, state_.DefaultHeight, state_.DefaultBitCount)) {
    return ShowError(texts::kCreateFailed);
  }
  state_.DocumentOpen = true;
  host_.SetCaption(Caption());
  images_.Select(0);
  // Pictures read from elsewhere (a program's group, an Xcursor file) are in
  // no file of ours yet: they count as unsaved, so Save is there and closing asks.
  if (load && state_.FileName.empty()) state_.Modified = true;
  view_.Show();
  view_.PaintBox1Paint();
}

void DocumentCommands::RecoverInterruptedSave(const std::string& path) {
  // A save killed while it rewrote the file in place left the old content
  // aside: it goes back before the file is read, and the user is told.
  const document::Recovery recovery = document::RecoverInterruptedSave(path);
  if (recovery.restored) {
    host_.ShowMessage({texts::Format(texts::Tr(texts::kSaveRestored), {path}), texts::Tr(texts::kNote),
                       MessageButtons::kOk, MessageIcon::kInformation});
  } else if (!recovery.keptIn.empty()) {
    host_.ShowMessage({texts::Format(texts::Tr(texts::kSaveBackupKept),
                                     {path, recovery.keptIn.string(), texts::Message(recovery.reason)}),
                       texts::Tr(texts::kNote), MessageButtons::kOk, MessageIcon::kError});
  }
}

bool DocumentCommands::LoadWithReader(const std::string& path, const formats::FileFormat& format) {
  std::vector<texts::Failure> notes;
  auto animation = formats::ReadFileAs(&format, path, &notes);
  if (!animation) {
    ShowReadFailure(animation.error(), path);
    return false;
  }
  state_.IsIcon = format.holds == formats::Holds::kIcon;
  state_.Document->SetIcon(state_.IsIcon);
  if (animation->frames.size() > document::kMaxImages) {
    host_.ShowMessage(
        {texts::Tr(texts::kTooManyFrames), texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
    return false;
  }
  if (animation->frames.size() == 1 && !format.savedBack) {
    // One frame of several sizes, not to be written back as an animation: a
    // plain document of those sizes.
    const document::TKvIcon& frame = *animation->frames.front();
    for (std::uint32_t i = 0; i < frame.ImageCount(); ++i) {
      if (!state_.Document->AppendImage(frame, i)) return false;
    }
  } else {
    if (!ShowFrames(*animation, *state_.Document)) return false;
    state_.Animation = std::make_unique<formats::AnimatedCursor>(std::move(*animation));
  }
  // A file Save cannot write back: its document starts untitled.
  if (!format.savedBack) state_.FileName.clear();
  for (const texts::Failure& note : notes) {
    host_.ShowMessage({texts::Message(note), texts::Tr(texts::kNote), MessageButtons::kOk, MessageIcon::kInformation});
  }
  return true;
}

std::string DocumentCommands::Caption() const {
  if (!state_.DocumentOpen) return kAppCaption;
  return std::string(kAppCaption) + " - " + DocumentName(state_);
}

bool DocumentCommands::NewIcon() {
  host_.StartProgram({});
  return true;
}

bool DocumentCommands::NewCursor() {
  host_.StartProgram({kNewCursorArgument});
  return true;
}

bool DocumentCommands::Open() {
  auto path = host_.AskFileName(
      {FileDialogKind::kOpen, texts::Tr(texts::kFilterOpen), StartFolder(state_, state_.IcoOpenPath)});
  if (!path) return false;
  state_.IcoOpenPath = FolderOf(*path);
  // A Windows program holds icon groups: one is chosen and opens untitled.
  if (const formats::FileFormat* format = ContentOf(*path); format && format->holds == formats::Holds::kIconGroups) {
    const auto group = host_.ChooseProgramGroup(*path);
    return group && HandOverGroup(host_, *group);
  }
  host_.StartProgram({*path});
  return true;
}

bool DocumentCommands::Save() {
  const bool animated = state_.Animation != nullptr;
  std::string target = state_.FileName;
  // An animation goes into an .ani file: a document named otherwise asks.
  const bool untitled = target.empty() || (animated && UpperExtension(target) != ".ANI");
  if (untitled) {
    const std::string& folder = state_.IsIcon ? state_.IcoSavePath : state_.CurSavePath;
    const char* filter = animated        ? texts::kFilterSaveAni
                         : state_.IsIcon ? texts::kFilterSaveIcon
                                         : texts::kFilterSaveCursor;
    auto path = host_.AskFileName({FileDialogKind::kSave, texts::Tr(filter), folder});
    if (!path) return false;
    target = *path;
    const char* wanted = animated ? ".ANI" : state_.IsIcon ? ".ICO" : ".CUR";
    if (UpperExtension(target) != wanted) target += animated ? ".ani" : state_.IsIcon ? ".ico" : ".cur";
  }
  if (freeCanvas) freeCanvas();
  if (const auto saved = animated ? WriteAnimation(target) : state_.Document->SaveToFile(target); !saved) {
    ShowSaveFailure(saved.error());
    return false;
  }
  if (untitled) {
    (state_.IsIcon ? state_.IcoSavePath : state_.CurSavePath) = FolderOf(target);
    state_.FileName = target;
    host_.SetCaption(Caption());
  }
  state_.Modified = false;
  controls_.SetStatus(3, texts::Tr(texts::kSaved));
  host_.DocumentSaved(target, untitled);
  return true;
}

bool DocumentCommands::SaveAs() {
  const char* ownKind = state_.Animation ? "*.ani" : state_.IsIcon ? "*.ico" : "*.cur";
  auto path = host_.AskFileName(
      {FileDialogKind::kSave, KindFirst(texts::Tr(texts::kFilterSaveAs), ownKind), StartFolder(state_, "")});
  if (!path) return false;
  if (freeCanvas) freeCanvas();
  const std::string ext = UpperExtension(*path);
  texts::Result<void> ok;
  if (ext == ".ANI") {
    ok = WriteAnimation(*path);
  } else if (ext == ".ICO" || ext == ".CUR") {
    const bool wasIcon = state_.Document->IsIcon();
    state_.Document->SetIcon(ext == ".ICO");
    ok = state_.Document->SaveToFile(*path);
    state_.Document->SetIcon(wasIcon);
  } else if (ext == ".PNG") {
    ok = document::SavePngFile(*path, state_.WorkBitmap);
  } else {
    // BMP and JPEG hold no transparency: they get the image as the canvas
    // shows it, over the transparent colour.
    raster::Picture flat = state_.WorkBitmap;
    raster::ToDisplay(flat, flat.Bounds(), state_.Holds);
    ok = ext == ".BMP" ? document::SaveBmpFile(*path, flat) : document::SaveJpegFile(*path, flat);
  }
  if (!ok) {
    ShowSaveFailure(ok.error());
    return false;
  }
  controls_.SetStatus(3, texts::Tr(texts::kSaved));
  return true;
}

texts::Result<void> DocumentCommands::WriteAnimation(const std::string& path) {
  // A plain cursor saved as .ani is one frame of all its sizes.
  std::unique_ptr<formats::AnimatedCursor> animation =
      state_.Animation
          ? ComposeAnimation(*state_.Document, *state_.Animation)
          : std::make_unique<formats::AnimatedCursor>(formats::FromSingleFrame(formats::CloneIcon(*state_.Document)));
  if (!animation) return texts::Failure{texts::Fail::kComposeFailed};
  if (auto problem = animation->Problem()) return *std::move(problem);
  for (const auto& frame : animation->frames) frame->SetIcon(false);
  return formats::WriteAniFile(*animation, path);
}

bool DocumentCommands::ExportXcursor() {
  auto path = host_.AskFileName({FileDialogKind::kSave, texts::Tr(texts::kFilterXcursor),
                                 StartFolder(state_, state_.CurSavePath), texts::Tr(texts::kXcursorDialogTitle)});
  if (!path) return false;
  if (freeCanvas) freeCanvas();
  std::vector<texts::Failure> notes;
  texts::Result<std::vector<formats::XcursorImage>> images = texts::Failure{texts::Fail::kXcursorFailed};
  if (state_.Animation) {
    const auto composed = ComposeAnimation(*state_.Document, *state_.Animation);
    if (composed) images = formats::XcursorImagesOf(*composed, notes);
  } else {
    images = formats::XcursorImagesOf(*state_.Document, notes);
  }
  texts::Result<void> written = images ? formats::WriteXcursorFile(*images, *path) : images.error();
  if (!written) {
    ShowSaveFailure(written.error());
    return false;
  }
  // The export says what it had to change (inverting pixels, sizes).
  for (const texts::Failure& note : notes) {
    host_.ShowMessage({texts::Message(note), texts::Tr(texts::kNote), MessageButtons::kOk, MessageIcon::kInformation});
  }
  controls_.SetStatus(3, texts::Tr(texts::kSaved));
  return true;
}

bool DocumentCommands::EditAnimation() {
  // A plain cursor is offered as an animation of its images, each a frame;
  // it becomes one only when the steps are confirmed.
  std::unique_ptr<formats::AnimatedCursor> made;
  if (!state_.Animation) {
    made = FramesOf(*state_.Document, formats::kDefaultJiffies);
    if (!made) return false;
  }
  formats::AnimatedCursor& animation = state_.Animation ? *state_.Animation : *made;
  auto steps = host_.AskAnimationSteps(animation.steps, *state_.Document);
  if (!steps || (*steps == animation.steps && !made)) return false;
  animation.steps = std::move(*steps);
  if (made) state_.Animation = std::move(made);
  return true;
}

MessageAnswer DocumentCommands::AskToSave() {
  return host_.ShowMessage({texts::Format(texts::Tr(texts::kSaveQuestion), {DocumentName(state_)}),
                            texts::Tr(texts::kConfirm), MessageButtons::kYesNoCancel, MessageIcon::kQuestion});
}

void DocumentCommands::WriteFolders() {
  settings_.WriteString("IcoOpenPath", state_.IcoOpenPath);
  settings_.WriteString("IcoSavePath", state_.IcoSavePath);
  settings_.WriteString("CurSavePath", state_.CurSavePath);
}

}  // namespace pixmint::editor
