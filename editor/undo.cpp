#include "editor/undo.h"

#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

#include "document/bmp_codec.h"
#include "document/file_io.h"
#include "document/temp_folder.h"

namespace pixmint::editor {
namespace {

constexpr const char* kWriteFailed = "无法保存撤销记录, 这一步不能撤销.";
constexpr const char* kReadFailed = "无法读取撤销记录.";
constexpr const char* kErrorCaption = "错误";

}  // namespace

UndoHistory::UndoHistory(EditorState& state, EditorHost& host, ControlStates& controls)
    : state_(state), host_(host), controls_(controls) {}

UndoHistory::~UndoHistory() {
  DeleteUndoFiles();
  if (!folder_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
}

const std::filesystem::path& UndoHistory::Folder() {
  if (!folder_.empty()) return folder_;
  // A folder of our own (mode 0700, a name nobody can predict) inside the
  // host's private folder, or in the sound temporary folder when it has none.
  folder_ = document::MakePrivateFolder(host_.PrivateTempFolder());
  return folder_;
}

std::filesystem::path UndoHistory::FileName(bool alpha, std::int32_t pos) const {
  std::string name = std::to_string(::getpid()) + "K_K" + std::to_string(pos) + (alpha ? ".alp" : ".rgb");
  return folder_ / name;
}

bool UndoHistory::Write(std::int32_t pos) {
  if (Folder().empty()) return false;
  std::vector<std::uint8_t> bytes = document::EncodeBmp(Buffer());
  if (bytes.empty()) return false;
  // The snapshots are scratch files of this run: a plain write is enough,
  // as long as a short write is noticed.
  std::ofstream out(FileName(state_.AlphaMode, pos), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool UndoHistory::Read(std::int32_t pos) {
  if (folder_.empty()) return false;
  auto bytes = document::ReadWholeFile(FileName(state_.AlphaMode, pos));
  if (!bytes) return false;
  auto picture = document::DecodeBmp(*bytes);
  raster::Picture& buffer = Buffer();
  if (!picture || picture->Width() != buffer.Width() || picture->Height() != buffer.Height()) return false;
  buffer = std::move(*picture);
  return true;
}

void UndoHistory::Complain(bool writing) {
  host_.ShowMessage({writing ? kWriteFailed : kReadFailed, kErrorCaption, MessageButtons::kOk, MessageIcon::kError});
}

bool UndoHistory::SnapshotBefore() {
  controls_.SetEnabled("tbtnRedo", false);
  KUnredoClass& counter = Counter();
  if (counter.Pos() == 0 && !Write(0)) {
    Complain(true);
    return false;
  }
  before_ = counter;
  beforeAlpha_ = state_.AlphaMode;
  counter.DoIt();
  return true;
}

void UndoHistory::SnapshotAfter() {
  KUnredoClass& counter = Counter();
  if (!Write(counter.Pos())) {
    if (before_ && beforeAlpha_ == state_.AlphaMode) counter = *before_;
    Complain(true);
  }
  controls_.SetEnabled("tbtnSave", true);
  controls_.SetEnabled("tbtnUndo", counter.CanUndo());
}

void UndoHistory::Step(bool undo) {
  KUnredoClass& counter = Counter();
  if (undo ? !counter.CanUndo() : !counter.CanRedo()) return;
  const std::int32_t target = counter.Pos() + (undo ? -1 : 1);
  // Read first: a snapshot that cannot be read leaves counter, buffers and
  // image exactly as they were.
  if (!Read(target)) {
    Complain(false);
    return;
  }
  if (undo) {
    counter.UndoIt();
    controls_.SetEnabled("tbtnRedo", true);
  } else {
    counter.RedoIt();
    controls_.SetEnabled("tbtnUndo", true);
  }
  if (onRestored) onRestored();
  if (undo && !counter.CanUndo()) controls_.SetEnabled("tbtnUndo", false);
  if (!undo && !counter.CanRedo()) controls_.SetEnabled("tbtnRedo", false);
}

void UndoHistory::UndoStep() {
  Step(true);
}
void UndoHistory::RedoStep() {
  Step(false);
}

void UndoHistory::DeleteUndoFiles() {
  if (folder_.empty()) return;
  for (bool alpha : {false, true}) {
    const KUnredoClass& counter = alpha ? alpha_ : rgb_;
    for (std::int32_t k = 0; counter.DoCount() > 0 && k <= counter.DoCount(); ++k) {
      std::error_code ec;
      std::filesystem::remove(FileName(alpha, k), ec);
    }
  }
}

void UndoHistory::Clear() {
  DeleteUndoFiles();
  rgb_.Reset();
  alpha_.Reset();
  before_.reset();
  controls_.SetEnabled("tbtnUndo", false);
  controls_.SetEnabled("tbtnRedo", false);
}

}  // namespace pixmint::editor
