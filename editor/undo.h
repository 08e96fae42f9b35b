#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "editor/control_states.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"

namespace pixmint::editor {

// Position in a numbered sequence of snapshots. FDoCount - FMark is the
// number of redo steps available.
class KUnredoClass {
 public:
  void DoIt() {
    ++FDoCount;
    ++FPos;
    FMark = FDoCount;
  }
  void UndoIt() {
    --FPos;
    --FMark;
  }
  void RedoIt() {
    ++FPos;
    ++FMark;
  }
  void Reset() { FDoCount = FPos = FMark = 0; }
  [[nodiscard]] std::int32_t Pos() const { return FPos; }
  [[nodiscard]] std::int32_t DoCount() const { return FDoCount; }
  [[nodiscard]] bool CanUndo() const { return FPos > 0; }
  [[nodiscard]] bool CanRedo() const { return FMark < FDoCount; }
  friend bool operator==(const KUnredoClass&, const KUnredoClass&) = default;

 private:
  std::int32_t FDoCount = 0;
  std::int32_t FPos = 0;
  std::int32_t FMark = 0;
};

// Undo and redo of the current image, one counter per mode, with the whole
// working picture of each step saved as a 24-bit BMP file in a private
// folder. Only the counters are held in memory.
class UndoHistory {
 public:
  UndoHistory(EditorState& state, EditorHost& host, ControlStates& controls);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Commits the buffers into the document and repaints; set by the workspace.
  std::function<void()> onRestored;

  // Opens a step before a change. False (and the user is told) when the
  // first snapshot cannot be written: the change must not go ahead.
  [[nodiscard]] bool SnapshotBefore();
  // Closes the step after the change. When the snapshot cannot be written the
  // user is told and the counter goes back to where it was before the step.
  void SnapshotAfter();
  void UndoStep();
  void RedoStep();
  // Removes both counters' files; the counters stay.
  void DeleteUndoFiles();
  // DeleteUndoFiles, both counters reset, Undo and Redo disabled.
  void Clear();

  [[nodiscard]] const KUnredoClass& RgbUndo() const { return rgb_; }
  [[nodiscard]] const KUnredoClass& AlphaUndo() const { return alpha_; }
  [[nodiscard]] std::filesystem::path FileName(bool alpha, std::int32_t pos) const;
  // The private folder of the snapshots (created on first use, mode 0700).
  [[nodiscard]] const std::filesystem::path& Folder();

 private:
  KUnredoClass& Counter() { return state_.AlphaMode ? alpha_ : rgb_; }
  raster::Picture& Buffer() { return state_.AlphaMode ? state_.AlphaBitmap : state_.WorkBitmap; }
  [[nodiscard]] bool Write(std::int32_t pos);
  [[nodiscard]] bool Read(std::int32_t pos);
  void Complain(bool writing);
  void Step(bool undo);

  EditorState& state_;
  EditorHost& host_;
  ControlStates& controls_;
  KUnredoClass rgb_;
  KUnredoClass alpha_;
  // The counter as it was before the open step, to go back to on failure.
  std::optional<KUnredoClass> before_;
  bool beforeAlpha_ = false;
  std::filesystem::path folder_;
};

}  // namespace pixmint::editor
