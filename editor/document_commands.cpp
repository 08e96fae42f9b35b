#include "editor/document_commands.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "document/bmp_codec.h"
#include "document/jpeg_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "document/temp_folder.h"
#include "formats/pe_image.h"
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

bool IsProgramFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> head(4096);
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return formats::LooksLikePe(head);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
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
  const std::string ext = UpperExtension(arg);
  if (ext == ".ICO" || ext == ".CUR") return {StartRequest::Kind::kOpenFile, arg};
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

void DocumentCommands::ShowSaveFailure(const document::FileResult& result) {
  // The reason tells the user what to change (another folder, more space).
  host_.ShowMessage({texts::Format(texts::Tr(texts::kSaveFailedBecause), {texts::Tr(result.Reason().c_str())}),
                     texts::Tr(texts::kError), MessageButtons::kOk, MessageIcon::kError});
}

void DocumentCommands::Start(const StartRequest& request) {
  if (state_.DocumentOpen || state_.Document->ImageCount() > 0) return;
  using Kind = StartRequest::Kind;
  const bool handedOver = request.kind == Kind::kOpenUntitled;
  const bool load = request.kind == Kind::kOpenFile || handedOver;
  state_.FileName = request.kind == Kind::kOpenFile ? request.path : std::string();
  state_.IsIcon = load ? UpperExtension(request.path) == ".ICO" : request.kind == Kind::kNewIcon;
  state_.Document->SetIcon(state_.IsIcon);
  if (load) {
    const bool loaded = state_.Document->LoadFromFile(request.path);
    if (handedOver) RemoveHandOver(request.path);
    if (!loaded) return ShowError(texts::kLoadFailed);
    // The file decides nothing about the document's kind: the name did.
    state_.Document->SetIcon(state_.IsIcon);
  } else if (!state_.Document->AddImage(state_.DefaultWidth, state_.DefaultHeight, state_.DefaultBitCount)) {
    return ShowError(texts::kCreateFailed);
  }
  state_.DocumentOpen = true;
  host_.SetCaption(Caption());
  images_.Select(0);
  view_.Show();
  view_.PaintBox1Paint();
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
  auto path = host_.AskFileName({FileDialogKind::kOpen, texts::Tr(texts::kFilterOpen), state_.IcoOpenPath});
  if (!path) return false;
  state_.IcoOpenPath = FolderOf(*path);
  // A Windows program holds icon groups: one is chosen and opens untitled.
  if (IsProgramFile(*path)) {
    const auto group = host_.ChooseProgramGroup(*path);
    return group && HandOverGroup(host_, *group);
  }
  host_.StartProgram({*path});
  return true;
}

bool DocumentCommands::Save() {
  std::string target = state_.FileName;
  const bool untitled = target.empty();
  if (untitled) {
    const std::string& folder = state_.IsIcon ? state_.IcoSavePath : state_.CurSavePath;
    auto path = host_.AskFileName(
        {FileDialogKind::kSave, texts::Tr(state_.IsIcon ? texts::kFilterSaveIcon : texts::kFilterSaveCursor), folder});
    if (!path) return false;
    target = *path;
    const char* wanted = state_.IsIcon ? ".ICO" : ".CUR";
    if (UpperExtension(target) != wanted) target += state_.IsIcon ? ".ico" : ".cur";
  }
  if (const auto saved = state_.Document->SaveToFile(target); !saved) {
    ShowSaveFailure(saved);
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
  auto path = host_.AskFileName({FileDialogKind::kSave, texts::Tr(texts::kFilterSaveAs), ""});
  if (!path) return false;
  const std::string ext = UpperExtension(*path);
  document::FileResult ok;
  if (ext == ".ICO" || ext == ".CUR") {
    const bool wasIcon = state_.Document->IsIcon();
    state_.Document->SetIcon(ext == ".ICO");
    ok = state_.Document->SaveToFile(*path);
    state_.Document->SetIcon(wasIcon);
  } else if (ext == ".BMP") {
    ok = document::SaveBmpFile(*path, state_.WorkBitmap);
  } else if (ext == ".PNG") {
    ok = document::SavePngFile(*path, state_.WorkBitmap, raster::Markers().trans);
  } else {
    ok = document::SaveJpegFile(*path, state_.WorkBitmap);
  }
  if (!ok) {
    ShowSaveFailure(ok);
    return false;
  }
  controls_.SetStatus(3, texts::Tr(texts::kSaved));
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
