#include "editor/workspace.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "document/bmp_codec.h"
#include "document/jpeg_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "editor/workspace_parts.h"

// Start-up, shutdown and the file commands.

namespace pixmint::editor {
namespace {

constexpr const char* kUntitledIcon = "无标题(图标)";
constexpr const char* kUntitledCursor = "无标题(指针)";
constexpr const char* kAppCaption = "Kavoltrix Pixmint 3.0";
constexpr const char* kSaved = "保存文件成功.";
constexpr const char* kSaveFailed = "保存文件失败";

std::string UpperExtension(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext;
}

// A stored colour counts only when it is a whole number within 24 bits; a
// value of another type or out of range keeps the default rather than
// turning into an arbitrary colour.
std::optional<raster::Colour> StoredColour(Settings& settings, std::string_view name) {
  if (!settings.Exists(name)) return std::nullopt;
  const std::string text = settings.ReadString(name);
  long long value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value > 0xFFFFFF) return std::nullopt;
  return static_cast<raster::Colour>(value);
}

// The markers must stay apart from each other, from white and from black,
// or painted, unpainted and transparent pixels could no longer be told apart
// (black is also the default pen: as a marker it would paint nothing).
raster::MarkerColours StoredMarkers(Settings& settings) {
  const raster::MarkerColours defaults;
  raster::MarkerColours markers;
  auto usable = [&markers](std::optional<raster::Colour> c) {
    return c && !raster::SameRgb(*c, markers.white) && !raster::SameRgb(*c, raster::Rgb(0, 0, 0));
  };
  const auto invert = StoredColour(settings, "ColorInvert");
  markers.invert = usable(invert) ? *invert : defaults.invert;
  const auto trans = StoredColour(settings, "ColorTrans");
  markers.trans = usable(trans) && !raster::SameRgb(*trans, markers.invert) ? *trans : defaults.trans;
  if (raster::SameRgb(markers.invert, markers.trans)) markers.invert = defaults.invert;
  return markers;
}

// The failure message names the reason, so the user knows what to change.
std::string SaveFailedText(const document::FileResult& result) {
  return std::string(kSaveFailed) + ": " + result.Reason() + ".";
}

bool IsImageDepth(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

Workspace::Workspace(EditorHost& host, Settings& settings)
    : host_(host), settings_(settings), state_(), parts_(std::make_unique<WorkspaceParts>(state_, host, settings)) {
  raster::SetMarkers(StoredMarkers(settings));
  int size = settings.RegReadInt("DefaultIconSize");
  if (size > 96 || size < 1) size = 48;  // below 1 no image could be made at start
  int bpp = settings.RegReadInt("DefaultIconBpp");
  if (!IsImageDepth(bpp)) bpp = 8;
  state_.DefaultWidth = state_.DefaultHeight = size;
  state_.DefaultBitCount = bpp;
  state_.IcoOpenPath = settings.ReadString("IcoOpenPath");
  state_.IcoSavePath = settings.ReadString("IcoSavePath");
  state_.CurSavePath = settings.ReadString("CurSavePath");
  state_.Document = std::make_unique<document::TKvIcon>();
  state_.Document->SetErrorCallback([this](std::string_view message, std::string_view caption) {
    host_.ShowMessage({std::string(message), std::string(caption), MessageButtons::kOk, MessageIcon::kError});
  });
  parts_->ClickTool(tools::kToolPencil);
}

Workspace::~Workspace() {
  Shutdown();
}

void Workspace::SetImageDefaults(const ImageFormat& format) {
  state_.DefaultWidth = format.width;
  state_.DefaultHeight = format.height;
  state_.DefaultBitCount = format.bitCount;
}

void Workspace::SetViewportSize(int width, int height) {
  parts_->view.SetViewport(width, height);
  if (parts_->Current() >= 0) parts_->view.LayoutCanvas(parts_->Current());
}

void Workspace::Start(const std::optional<std::string>& argument) {
  if (state_.DocumentOpen || state_.Document->ImageCount() > 0) return;
  const std::string arg = argument.value_or("");
  const std::string ext = UpperExtension(arg);
  bool load = false;
  if (arg.empty() || (ext != ".ICO" && ext != ".CUR" && arg == kUntitledIcon)) {
    state_.FileName = kUntitledIcon;
    state_.IsIcon = true;
  } else if (ext == ".ICO" || ext == ".CUR") {
    state_.FileName = arg;
    state_.IsIcon = ext == ".ICO";
    load = true;
  } else {
    state_.FileName = kUntitledCursor;
    state_.IsIcon = false;
  }
  state_.Document->SetIcon(state_.IsIcon);
  if (!state_.IsIcon) parts_->controls.SetEnabled("mnuToolHotSpot", true);
  if (load) {
    if (!state_.Document->LoadFromFile(arg)) return parts_->ShowError("从文件载入图标失败.");
    // The file decides nothing about the document's kind: the name did.
    state_.Document->SetIcon(state_.IsIcon);
  } else if (!state_.Document->AddImage(state_.DefaultWidth, state_.DefaultHeight, state_.DefaultBitCount)) {
    return parts_->ShowError("创建新的图标失败.");
  }
  state_.DocumentOpen = true;
  host_.SetCaption(Caption());
  state_.ImageEntries = static_cast<int>(state_.Document->ImageCount());
  state_.CurrentImage = 0;
  parts_->buffers.LoadImageIntoEditor(0);
  parts_->ModeRgb();
  parts_->view.LayoutCanvas(0);
  for (const char* name : {"updOpacity", "tbtnRoomIn", "tbtnRoomAuto", "tbtnRoomOut", "tbtnModeRGB", "tbtnModeAlpha",
                           "btnImageAdd", "btnImageDel", "btnChangeFmt", "btnDuplicate"}) {
    parts_->controls.SetEnabled(name, true);
  }
  parts_->view.Show();
  parts_->ReselectCurrentTool();
  parts_->Repaint();
  host_.PanelsChanged();
}

std::string Workspace::Caption() const {
  if (!state_.DocumentOpen) return kAppCaption;
  return std::string(kAppCaption) + " - " + state_.FileName;
}

void Workspace::NewIcon() {
  host_.StartProgram({});
}
void Workspace::NewCursor() {
  host_.StartProgram({kUntitledCursor});
}

void Workspace::Open() {
  auto path = host_.AskFileName({FileDialogKind::kOpen, "图标和指针文件(*.ico;*.cur)|*.ico;*.cur", state_.IcoOpenPath});
  if (!path) return;
  state_.IcoOpenPath = FolderOf(*path);
  host_.StartProgram({*path});
}

void Workspace::Save() {
  if (!state_.DocumentOpen) return;
  std::string target = state_.FileName;
  const bool untitledIcon = target == kUntitledIcon;
  const bool untitledCursor = target == kUntitledCursor;
  if (untitledIcon || untitledCursor) {
    const std::string& folder = untitledIcon ? state_.IcoSavePath : state_.CurSavePath;
    auto path = host_.AskFileName(
        {FileDialogKind::kSave, untitledIcon ? "图标文件(*.ico)|*.ico" : "指针文件(*.cur)|*.cur", folder});
    if (!path) return;
    target = *path;
    const char* wanted = untitledIcon ? ".ICO" : ".CUR";
    if (UpperExtension(target) != wanted) target += untitledIcon ? ".ico" : ".cur";
  }
  if (const auto saved = state_.Document->SaveToFile(target); !saved)
    return parts_->ShowError(SaveFailedText(saved).c_str());
  if (untitledIcon || untitledCursor) {
    (untitledIcon ? state_.IcoSavePath : state_.CurSavePath) = FolderOf(target);
    state_.FileName = target;
    host_.SetCaption(Caption());
  }
  parts_->controls.SetEnabled("tbtnSave", false);
  parts_->controls.SetStatus(3, kSaved);
}

void Workspace::SaveAs() {
  if (!state_.DocumentOpen) return;
  auto path = host_.AskFileName(
      {FileDialogKind::kSave,
       "图标文件(*.ico)|*.ico|指针文件(*.cur)|*.cur|位图文件(*.bmp)|*.bmp|Jpeg 文件(*.jpg)|*.jpg", ""});
  if (!path) return;
  if (state_.HasFloat) parts_->buffers.MergeFloat();
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
  if (!ok) return parts_->ShowError(SaveFailedText(ok).c_str());
  parts_->controls.SetStatus(3, kSaved);
}

bool Workspace::CloseQuery() {
  if (!parts_->controls.IsEnabled("tbtnSave")) return true;
  const MessageAnswer answer = host_.ShowMessage(
      {"保存 " + state_.FileName + " ?", "确认", MessageButtons::kYesNoCancel, MessageIcon::kQuestion});
  if (answer == MessageAnswer::kCancel) return false;
  if (answer == MessageAnswer::kYes) {
    Save();
    // The user asked for the work to be kept: when the save did not happen
    // (dialog cancelled, write failed) the window stays open with it.
    return !parts_->controls.IsEnabled("tbtnSave");
  }
  return true;
}

void Workspace::Shutdown() {
  host_.SetTimer(0);
  parts_->undo.DeleteUndoFiles();
  settings_.WriteString("IcoOpenPath", state_.IcoOpenPath);
  settings_.WriteString("IcoSavePath", state_.IcoSavePath);
  settings_.WriteString("CurSavePath", state_.CurSavePath);
}

const raster::Picture& Workspace::Screen() const {
  return parts_->view.Screen();
}

CanvasLayout Workspace::Layout() const {
  CanvasLayout layout;
  parts_->view.FillLayout(layout);
  return layout;
}

std::string Workspace::StatusText(int panel) const {
  return parts_->controls.Status(panel);
}
bool Workspace::IsChecked(std::string_view control) const {
  return parts_->controls.IsChecked(control);
}
int Workspace::ToolOption() const {
  return parts_->palette.OptionIndex();
}
std::string Workspace::OpacityText() const {
  return parts_->palette.OpacityText();
}

}  // namespace pixmint::editor
