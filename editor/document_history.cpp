#include "editor/document_history.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "formats/animated_cursor.h"

namespace pixmint::editor {

namespace {

// One image as Save writes its block (before any PNG compression), shared
// by every step in which it is the same: a step that changes one image, or
// only a hot spot, keeps nothing new of the others.
using Block = std::shared_ptr<const document::IconImage>;

// A document (or a frame of an animation) as blocks and hot spots.
struct KeptIcon {
  std::vector<Block> images;
  std::vector<raster::Point> hotSpots;
  bool isIcon = true;
};

// Many steps of large documents, yet a bounded share of the machine.
constexpr std::size_t kMostSteps = 100;
constexpr std::size_t kMostBytes = std::size_t{256} << 20;

constexpr std::size_t kNoPlace = static_cast<std::size_t>(-1);

// Whether block holds image i as it is now, compared in place: an unchanged
// image costs neither a copy nor an allocation.
bool SameBlock(const document::TKvIcon& icon, std::uint32_t i, const document::IconImage& block) {
  const document::IconImage& record = icon.IR()->Images[i];
  const auto* colour = icon.XorBitmap(i);
  const auto* mask = icon.AndBitmap(i);
  if (colour == nullptr || mask == nullptr || record.pngCompressed != block.pngCompressed ||
      record.Data.size() != block.Data.size() || record.xorOffset != block.xorOffset ||
      record.andOffset != block.andOffset || record.endOffset != block.endOffset) {
    return false;
  }
  const auto head = std::span(record.Data).first(record.xorOffset);
  const auto tail = std::span(record.Data).subspan(record.endOffset);
  return std::ranges::equal(head, std::span(block.Data).first(block.xorOffset)) &&
         std::ranges::equal(colour->Bits(), block.XorPart()) && std::ranges::equal(mask->Bits(), block.AndPart()) &&
         std::ranges::equal(tail, std::span(block.Data).subspan(block.endOffset));
}

// The block of image i: one already kept when it is the same (the one at
// the same place is tried first), else a new one.
Block KeepImage(const document::TKvIcon& icon, std::uint32_t i, const std::vector<Block>& known, std::size_t place) {
  if (i >= icon.ImageCount() || icon.XorBitmap(i) == nullptr) return nullptr;
  if (place < known.size() && SameBlock(icon, i, *known[place])) return known[place];
  for (const Block& b : known) {
    if (SameBlock(icon, i, *b)) return b;
  }
  auto record = icon.ImageRecord(i);
  if (!record) return nullptr;
  return std::make_shared<const document::IconImage>(std::move(*record));
}

std::optional<KeptIcon> KeepIcon(const document::TKvIcon& icon, std::vector<Block>& known, std::size_t first) {
  KeptIcon kept;
  kept.isIcon = icon.IsIcon();
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    Block block = KeepImage(icon, i, known, first == kNoPlace ? kNoPlace : first + i);
    if (!block) return std::nullopt;
    kept.images.push_back(block);
    kept.hotSpots.push_back(icon.GetHotSpot(i));
    if (std::find(known.begin(), known.end(), block) == known.end()) known.push_back(std::move(block));
  }
  return kept;
}

std::unique_ptr<document::TKvIcon> Rebuild(const KeptIcon& kept, std::unique_ptr<document::TKvIcon> icon) {
  for (std::size_t i = 0; i < kept.images.size(); ++i) {
    if (!icon->AppendRecord(*kept.images[i], kept.hotSpots[i])) return nullptr;
  }
  icon->SetIcon(kept.isIcon);
  return icon;
}

}  // namespace

// The document and the animation as what Save would write, image by image,
// and the image shown.
struct DocumentHistory::Kept {
  KeptIcon document;
  bool animated = false;
  std::vector<KeptIcon> frames;
  std::vector<formats::AnimationStep> steps;
  std::string title;
  std::string author;
  int image = 0;

  void Blocks(std::vector<const document::IconImage*>& out) const {
    for (const Block& b : document.images) out.push_back(b.get());
    for (const KeptIcon& f : frames) {
      for (const Block& b : f.images) out.push_back(b.get());
    }
  }
};

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
  // The blocks of the latest steps, to share what did not change.
  std::vector<Block> known;
  for (const auto* step : {&shownAt_, undo_.empty() ? nullptr : &undo_.back()}) {
    if (step == nullptr || !*step) continue;
    known.insert(known.end(), (*step)->document.images.begin(), (*step)->document.images.end());
    for (const KeptIcon& f : (*step)->frames) known.insert(known.end(), f.images.begin(), f.images.end());
  }
  // The first of each block stays where it was: image i of the document
  // shown is tried first for image i.
  for (std::size_t k = known.size(); k-- > 0;) {
    if (std::find(known.begin(), known.begin() + static_cast<std::ptrdiff_t>(k), known[k]) !=
        known.begin() + static_cast<std::ptrdiff_t>(k)) {
      known.erase(known.begin() + static_cast<std::ptrdiff_t>(k));
    }
  }
  auto kept = std::make_shared<Kept>();
  auto document = KeepIcon(*state_.Document, known, 0);
  if (!document) return nullptr;
  kept->document = std::move(*document);
  if (const formats::AnimatedCursor* animation = state_.Animation.get()) {
    kept->animated = true;
    for (const auto& frame : animation->frames) {
      auto f = frame ? KeepIcon(*frame, known, kNoPlace) : std::optional<KeptIcon>(KeptIcon{});
      if (!f) return nullptr;
      kept->frames.push_back(std::move(*f));
    }
    kept->steps = animation->steps;
    kept->title = animation->title;
    kept->author = animation->author;
  }
  kept->image = state_.CurrentImage;
  return kept;
}

std::size_t DocumentHistory::KeptBytes() const {
  // Each block once, however many steps share it.
  std::vector<const document::IconImage*> blocks;
  for (const auto& step : undo_) step->Blocks(blocks);
  for (const auto& step : redo_) step->Blocks(blocks);
  if (shownAt_) shownAt_->Blocks(blocks);
  std::sort(blocks.begin(), blocks.end());
  blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
  std::size_t bytes = 0;
  for (const auto* b : blocks) bytes += b->Data.size();
  return bytes;
}

void DocumentHistory::Push(std::shared_ptr<const Kept> kept) {
  undo_.push_back(std::move(kept));
  // The oldest steps go first when the history grows too large.
  while (undo_.size() > kMostSteps || (undo_.size() > 1 && KeptBytes() > kMostBytes)) undo_.erase(undo_.begin());
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
  // Our own blocks: they load. Should one not, the document stays as it is.
  auto document = Rebuild(kept.document, newDocument());
  if (!document) return false;
  document->SetIcon(state_.IsIcon);
  std::unique_ptr<formats::AnimatedCursor> animation;
  if (kept.animated) {
    animation = std::make_unique<formats::AnimatedCursor>();
    for (const KeptIcon& f : kept.frames) {
      auto frame = f.images.empty() ? nullptr : Rebuild(f, std::make_unique<document::TKvIcon>());
      if (!f.images.empty() && !frame) return false;
      animation->frames.push_back(std::move(frame));
    }
    animation->steps = kept.steps;
    animation->title = kept.title;
    animation->author = kept.author;
  }
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
