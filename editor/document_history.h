#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/editor_state.h"
#include "editor/undo.h"

namespace pixmint::editor {

// Undo and redo across the whole document. Drawing, hot spots and an
// animation's steps are undone step by step in the history of the image
// shown (UndoHistory), which starts again when another image is shown. The
// commands that change the set of images (add, delete, duplicate, exchange,
// change format) are steps of this history: each keeps the document as it
// was before. So does what was done on an image once another is shown, as
// one step. Undo takes the image's own steps first, then these, so the two
// together go back in the order the changes were made.
class DocumentHistory {
 public:
  DocumentHistory(EditorState& state, UndoHistory& images);

  // Shows image i of the document as it is now, and makes an empty
  // document like the workspace's own (both set by the workspace).
  std::function<void(int image)> showImage;
  std::function<std::unique_ptr<document::TKvIcon>()> newDocument;

  [[nodiscard]] bool CanUndo() const;
  [[nodiscard]] bool CanRedo() const;
  // The image's own step when it has one, else a step of the document.
  void Undo();
  void Redo();

  // What a document-changing command calls around its change: Before keeps
  // the document as it is; After, when the command changed something, makes
  // that the step's starting point (nothing happens when it changed nothing).
  struct Kept;
  [[nodiscard]] std::shared_ptr<const Kept> Before() const;
  void After(std::shared_ptr<const Kept> before, bool changed);

  // The image about to be left and the image just shown: what was drawn on
  // the one left becomes a step of its own; the one shown is where the next
  // starts from.
  void Leaving();
  void Shown();
  // A change in an image's own history: what could be redone is gone.
  void ImageStepMade() { redo_.clear(); }
  // A new document: no history.
  void Clear();

  [[nodiscard]] std::size_t StepCount() const { return undo_.size(); }
  // The bytes the steps keep, each image counted once however many steps
  // share it: what the history's cap counts.
  [[nodiscard]] std::size_t KeptBytes() const;
  [[nodiscard]] int ShownCount() const { return shown_; }
  // The image shown has steps of its own that have not been undone.
  [[nodiscard]] bool ImageChanged() const;

 private:
  [[nodiscard]] bool Usable() const;
  void Push(std::shared_ptr<const Kept> kept);
  [[nodiscard]] bool Restore(const Kept& kept);

  EditorState& state_;
  UndoHistory& images_;
  std::vector<std::shared_ptr<const Kept>> undo_;
  std::vector<std::shared_ptr<const Kept>> redo_;
  std::shared_ptr<const Kept> shownAt_;  // the document when the image was shown
  bool restoring_ = false;
  int shown_ = 0;
};

}  // namespace pixmint::editor
