#include "editor/document_history.h"

#include <algorithm>

#include "formats/animated_cursor.h"

namespace pixmint::editor {

// The document as a file of its own (what Save would write, so nothing of
// what the user sees is left out), with the animation and the image shown.
struct DocumentHistory::Kept {
  std::vector<std::uint8_t> file;
  std::unique_ptr<formats::AnimatedCursor> animation;
  int image = 0;
};

namespace {

// Many steps of large documents, yet a bounded share of the machine.
constexpr std::size_t kMostSteps = 100;
constexpr std::size_t kMostBytes = std::size_t{256} << 20;

std::unique_ptr<formats::AnimatedCursor> CloneAnimation(const formats::AnimatedCursor& animation) {
  auto copy = std::make_unique<formats::AnimatedCursor>();
  for (const auto& frame : animation.frames) {
    auto same = frame ? formats::CloneIcon(*frame) : nullptr;
    if (frame && !same) return nullptr;
    copy->frames.push_back(std::move(same));
  }
  copy->steps = animation.steps;
  copy->title = animation.title;
  copy->author = animation.author;
  return copy;
}

}  // namespace

DocumentHistory::DocumentHistory(EditorState& state, UndoHistory& images) : state_(state), images_(images) {}

bool DocumentHistory::ImageChanged() const {
  return images_.RgbUndo().Pos() > 0 || images_.AlphaUndo().Pos() > 0;
}

bool DocumentHistory::Usable() const {
  // A floating selection and Alpha mode belong to the image's own history;
  // a document step would drop them.
  return state_.DocumentOpen && !state_.AlphaMode && !state_.HasFloat && !images_.StepOpen();
}

bool DocumentHistory::CanUndo() const {
  return images_.CanUndo() || (Usable() && (!undo_.empty() || (shownAt_ && ImageChanged())));
}

bool DocumentHistory::CanRedo() const {
  return images_.CanRedo() || (Usable() && !redo_.empty());
}

std::shared_ptr<const DocumentHistory::Kept> DocumentHistory::Before() const {
  if (!state_.DocumentOpen || !state_.Document) return nullptr;
  auto file = state_.Document->SaveToMemory();
  if (!file) return nullptr;
  auto kept = std::make_shared<Kept>();
  kept->file = std::move(*file);
  if (state_.Animation) {
    kept->animation = CloneAnimation(*state_.Animation);
    if (!kept->animation) return nullptr;
  }
  kept->image = state_.CurrentImage;
  return kept;
}

void DocumentHistory::Push(std::shared_ptr<const Kept> kept) {
  undo_.push_back(std::move(kept));
  std::size_t bytes = 0;
  for (const auto& step : undo_) bytes += step->file.size();
  // The oldest steps go first when the history grows too large.
  while (undo_.size() > kMostSteps || (undo_.size() > 1 && bytes > kMostBytes)) {
    bytes -= undo_.front()->file.size();
    undo_.erase(undo_.begin());
  }
}

void DocumentHistory::After(std::shared_ptr<const Kept> before, bool changed) {
  if (!changed || restoring_) return;
  redo_.clear();
  // A document that could not be kept cannot be gone back to, nor anything
  // before it.
  if (!before) {
    undo_.clear();
    return;
  }
  Push(std::move(before));
}

void DocumentHistory::Leaving() {
  if (restoring_) return;
  if (shownAt_ && ImageChanged()) {
    Push(shownAt_);
    redo_.clear();
  }
  shownAt_.reset();
}

void DocumentHistory::Shown() {
  ++shown_;
  if (!restoring_) shownAt_ = Before();
}

void DocumentHistory::Clear() {
  undo_.clear();
  redo_.clear();
  shownAt_.reset();
}

void DocumentHistory::Undo() {
  if (images_.CanUndo()) return images_.UndoStep();
  if (!Usable()) return;
  // What was drawn since the image was shown goes back first.
  if (shownAt_ && ImageChanged()) Push(shownAt_);
  if (undo_.empty()) return;
  auto now = Before();
  if (!now) return;
  // The image's own steps that were undone stay redoable: Redo gives back
  // this document first, then the image with all of them.
  std::shared_ptr<const Kept> latest;
  if (images_.CanRedo()) {
    while (images_.CanRedo()) images_.RedoStep();
    latest = Before();
  }
  const auto target = undo_.back();
  if (!Restore(*target)) return;
  undo_.pop_back();
  if (latest) redo_.push_back(std::move(latest));
  redo_.push_back(std::move(now));
  shownAt_ = target;
}

void DocumentHistory::Redo() {
  if (images_.CanRedo()) return images_.RedoStep();
  if (!Usable() || redo_.empty()) return;
  auto now = Before();
  const auto target = redo_.back();
  if (!now || !Restore(*target)) return;
  redo_.pop_back();
  undo_.push_back(std::move(now));
  shownAt_ = target;
}

bool DocumentHistory::Restore(const Kept& kept) {
  auto document = newDocument();
  // Our own file: it loads. Should it not, the document stays as it is.
  if (!document->LoadFromMemory(kept.file, state_.FileName)) return false;
  document->SetIcon(state_.IsIcon);
  auto animation = kept.animation ? CloneAnimation(*kept.animation) : nullptr;
  if (kept.animation && !animation) return false;
  restoring_ = true;
  state_.Document = std::move(document);
  state_.Animation = std::move(animation);
  const int last = static_cast<int>(state_.Document->ImageCount()) - 1;
  showImage(std::clamp(kept.image, 0, std::max(last, 0)));
  restoring_ = false;
  state_.Modified = true;
  return true;
}

}  // namespace pixmint::editor
