#include "editor/undo.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <system_error>
#include <utility>

#include "document/bmp_codec.h"
#include "document/file_io.h"
#include "document/temp_folder.h"
#include "editor/animation.h"
#include "texts/ui_texts.h"

namespace pixmint::editor {

UndoHistory::UndoHistory(EditorState& state, EditorHost& host) : state_(state), host_(host) {}

UndoHistory::~UndoHistory() {
  DeleteUndoFiles();
  if (!folder_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
}

const std::filesystem::path& UndoHistory::Folder() {
  std::error_code ec;
  // A folder removed under us is made anew, so a new history can be kept.
  if (!folder_.empty() && std::filesystem::is_directory(folder_, ec)) return folder_;
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
  std::optional<FloatSnapshot> floating;
  if (!state_.AlphaMode && state_.HasFloat) floating = CurrentFloat();
  if (!WriteState(pos, Buffer(), floating)) return false;
  if (!state_.AlphaMode) RememberSnapshot();
  return true;
}

bool UndoHistory::WriteState(std::int32_t pos, const raster::Picture& picture,
                             const std::optional<FloatSnapshot>& floating) {
  if (Folder().empty()) return false;
  std::vector<std::uint8_t> bytes = document::EncodeBmp(picture);
  if (bytes.empty()) return false;
  // The snapshots are scratch files of this run: a plain write is enough,
  // as long as a short write is noticed.
  std::ofstream out(FileName(state_.AlphaMode, pos), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return false;
  extras_[state_.AlphaMode ? 1 : 0][pos] = CurrentExtras();
  if (state_.AlphaMode) return true;
  if (floating) {
    floats_[pos] = *floating;
  } else {
    floats_.erase(pos);
  }
  return true;
}

void UndoHistory::Begin() {
  if (!state_.AlphaMode) RememberSnapshot();
}

std::shared_ptr<const UndoHistory::Extras> UndoHistory::CurrentExtras() {
  Extras now;
  if (state_.Document) {
    for (std::uint32_t i = 0; i < state_.Document->ImageCount(); ++i) {
      now.hotSpots.push_back(state_.Document->GetHotSpot(i));
    }
  }
  if (state_.Animation) now.steps = state_.Animation->steps;
  // Most steps leave them as they were: one copy serves them all.
  if (!lastExtras_ || !(*lastExtras_ == now)) lastExtras_ = std::make_shared<const Extras>(std::move(now));
  return lastExtras_;
}

void UndoHistory::ApplyExtras(const Extras& extras) {
  if (!state_.Document) return;
  const std::size_t count = std::min<std::size_t>(extras.hotSpots.size(), state_.Document->ImageCount());
  for (std::size_t i = 0; i < count; ++i) {
    state_.Document->SetHotSpot(static_cast<std::uint32_t>(i), extras.hotSpots[i]);
  }
  // A cursor made an animation by the steps dialog is a plain cursor again
  // before it, and an animation of its images once more after it.
  if (!extras.steps) {
    state_.Animation.reset();
    return;
  }
  if (!state_.Animation) state_.Animation = FramesOf(*state_.Document, formats::kDefaultJiffies);
  if (state_.Animation) state_.Animation->steps = *extras.steps;
}

UndoHistory::FloatSnapshot UndoHistory::CurrentFloat() const {
  return {state_.FloatBitmap,  state_.FloatLeft, state_.FloatTop,        state_.FloatPicked,
          state_.PickedBitmap, state_.PickedAt,  state_.FloatFromPicture};
}

void UndoHistory::RememberSnapshot() {
  lastWork_ = state_.WorkBitmap;
  lastFloat_.reset();
  if (state_.HasFloat) lastFloat_ = CurrentFloat();
  haveLast_ = true;
}

bool UndoHistory::ChangedSinceSnapshot() const {
  if (!haveLast_) return false;
  if (!(lastWork_ == state_.WorkBitmap) || lastFloat_.has_value() != state_.HasFloat) return true;
  return state_.HasFloat && !(*lastFloat_ == CurrentFloat());
}

bool UndoHistory::Read(std::int32_t pos) {
  if (folder_.empty()) return false;
  auto bytes = document::ReadWholeFile(FileName(state_.AlphaMode, pos));
  if (!bytes) return false;
  auto picture = document::DecodeBmp(*bytes, document::kMaxBmpSide, document::BmpAlpha::kAsStored);
  raster::Picture& buffer = Buffer();
  if (!picture || picture->Width() != buffer.Width() || picture->Height() != buffer.Height()) return false;
  buffer = std::move(*picture);
  const auto& kept = extras_[state_.AlphaMode ? 1 : 0];
  if (const auto extras = kept.find(pos); extras != kept.end()) ApplyExtras(*extras->second);
  if (state_.AlphaMode) return true;
  const auto found = floats_.find(pos);
  state_.HasFloat = found != floats_.end();
  state_.FloatPicked = false;
  if (state_.HasFloat) {
    const FloatSnapshot& f = found->second;
    state_.FloatBitmap = f.picture;
    state_.FloatLeft = f.left;
    state_.FloatTop = f.top;
    state_.FloatPicked = f.picked;
    state_.PickedBitmap = f.pickedPicture;
    state_.PickedAt = f.pickedAt;
    state_.FloatFromPicture = f.fromPicture;
  }
  RememberSnapshot();
  return true;
}

void UndoHistory::Complain(bool writing) {
  host_.ShowMessage({texts::Tr(writing ? texts::kUndoWriteFailed : texts::kUndoReadFailed), texts::Tr(texts::kError),
                     MessageButtons::kOk, MessageIcon::kError});
}

bool UndoHistory::FolderLost() const {
  std::error_code ec;
  return !folder_.empty() && !std::filesystem::is_directory(folder_, ec);
}

bool UndoHistory::Unrecorded() {
  // Refusing the change would leave the user unable to draw at all.
  unrecorded_ = true;
  if (!told_) Complain(true);
  told_ = true;
  return true;
}

void UndoHistory::Restart() {
  if (onLost) onLost();
  Clear();
  Begin();
}

bool UndoHistory::SnapshotBefore() {
  // A cleaner of temporary files took the folder, and the snapshots so far
  // with it: the history starts again here (the folder is made anew).
  if (FolderLost()) Restart();
  KUnredoClass& counter = Counter();
  before_ = counter;
  beforeAlpha_ = state_.AlphaMode;
  open_ = true;
  unrecorded_ = false;
  // The history starts with the picture as it was when the image was shown
  // (what changed since then without a step follows as a step of its own).
  if (counter.Pos() == 0) {
    const bool written = state_.AlphaMode || !haveLast_ ? Write(0) : WriteState(0, lastWork_, lastFloat_);
    if (!written) return Unrecorded();
  }
  if (!state_.AlphaMode && ChangedSinceSnapshot()) {
    // What changed without a step of its own (a selection made, moved or
    // pasted) becomes one, so that undoing the coming change returns to it.
    const KUnredoClass previous = counter;
    counter.DoIt();
    if (!Write(counter.Pos())) {
      counter = previous;
      return Unrecorded();
    }
  }
  before_ = counter;
  counter.DoIt();
  return true;
}

void UndoHistory::SnapshotAfter() {
  open_ = false;
  KUnredoClass& counter = beforeAlpha_ ? alpha_ : rgb_;
  if (!unrecorded_) {
    const bool alpha = state_.AlphaMode;
    // A step always closes in the mode it was opened in (the mode cannot
    // change while it is open); writing in the other would mix the two
    // histories.
    state_.AlphaMode = beforeAlpha_;
    const bool written = Write(counter.Pos());
    state_.AlphaMode = alpha;
    told_ = told_ && !written;
    if (!written) (void)Unrecorded();
  }
  state_.Modified = true;
  if (std::exchange(unrecorded_, false)) {
    // Undoing an earlier step would now take this change with it: the
    // history starts again after it, and what it held is handed on.
    counter = before_;
    Restart();
  }
  if (onStepMade) onStepMade();
}

void UndoHistory::Abandon() {
  open_ = false;
  unrecorded_ = false;
  (beforeAlpha_ ? alpha_ : rgb_) = before_;
}

bool UndoHistory::CanUndo() const {
  return Counter().CanUndo();
}
bool UndoHistory::CanRedo() const {
  return Counter().CanRedo();
}

void UndoHistory::Step(bool undo) {
  if (open_) return;  // the workspace finishes what is pending first
  KUnredoClass& counter = Counter();
  if (undo ? !counter.CanUndo() : !counter.CanRedo()) return;
  const std::int32_t target = counter.Pos() + (undo ? -1 : 1);
  // Read first: a snapshot that cannot be read leaves counter, buffers and
  // image exactly as they were.
  if (!Read(target)) {
    // The snapshots are gone (the folder removed, the disk failing): the
    // history cannot be used any more, so it is dropped rather than left to
    // fail on every press.
    Complain(false);
    Clear();
    Begin();
    return;
  }
  undo ? counter.UndoIt() : counter.RedoIt();
  state_.Modified = true;
  if (onRestored) onRestored();
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
  floats_.clear();
  for (auto& kept : extras_) kept.clear();
  lastExtras_.reset();
  open_ = false;
  haveLast_ = false;
}

UndoStep::UndoStep(UndoHistory& history) : history_(history) {
  if (history_.StepOpen()) {
    ok_ = true;  // part of the step that is already open
    return;
  }
  owner_ = ok_ = history_.SnapshotBefore();
}

UndoStep::~UndoStep() {
  Close();
}

void UndoStep::Close() {
  if (!owner_) return;
  owner_ = false;
  if (history_.StepOpen()) history_.SnapshotAfter();
}

void UndoStep::Abandon() {
  if (!owner_) return;
  owner_ = false;
  if (history_.StepOpen()) history_.Abandon();
}

}  // namespace pixmint::editor
