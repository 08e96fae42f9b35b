#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "formats/animated_cursor.h"

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

// Undo and redo of the current image, one counter per mode. Each step's
// working picture is saved as a BMP file (32 bits when it has transparency) in a private folder; the
// floating selection of that moment (small, and only while one exists) and
// the document's hot spots and animation steps are kept beside it in memory,
// so that undo brings back exactly what was seen. A hot spot or the steps
// changed while the image is shown are thus steps of its own history, in
// the order they were made among its strokes.
//
// A step is opened and closed only through UndoStep, so no path can open a
// step and leave it open, and a step opened while another is open joins it.
class UndoHistory {
 public:
  UndoHistory(EditorState& state, EditorHost& host);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Commits the buffers into the document and repaints; set by the workspace.
  std::function<void()> onRestored;
  // A step was made (what could be redone is gone); set by the workspace.
  std::function<void()> onStepMade;
  // The history is about to start again because its snapshots were lost or
  // could not be written: what it held is handed on (set by the workspace).
  std::function<void()> onLost;

  void UndoStep();
  void RedoStep();
  // Removes both counters' files; the counters stay.
  void DeleteUndoFiles();
  // DeleteUndoFiles and both counters reset.
  void Clear();
  // The image is shown: its picture now is where its history starts.
  void Begin();

  [[nodiscard]] bool CanUndo() const;
  [[nodiscard]] bool CanRedo() const;
  [[nodiscard]] bool StepOpen() const { return open_; }
  [[nodiscard]] const KUnredoClass& RgbUndo() const { return rgb_; }
  [[nodiscard]] const KUnredoClass& AlphaUndo() const { return alpha_; }
  [[nodiscard]] std::filesystem::path FileName(bool alpha, std::int32_t pos) const;
  // The private folder of the snapshots (created on first use, mode 0700).
  [[nodiscard]] const std::filesystem::path& Folder();

 private:
  friend class UndoStep;
  struct FloatSnapshot {
    raster::Picture picture;
    int left = 0;
    int top = 0;
    bool picked = false;
    raster::Picture pickedPicture;
    raster::Point pickedAt;
    bool fromPicture = false;
    friend bool operator==(const FloatSnapshot&, const FloatSnapshot&) = default;
  };

  // The hot spots and animation steps a snapshot keeps.
  struct Extras {
    std::vector<raster::Point> hotSpots;
    std::optional<std::vector<formats::AnimationStep>> steps;  // none: not an animation
    friend bool operator==(const Extras&, const Extras&) = default;
  };

  // Opens a step before a change. When no snapshot can be written the change
  // still goes ahead, without a step of its own, and the user is told once.
  [[nodiscard]] bool SnapshotBefore();
  // Closes the step after the change and marks the document changed. A
  // change that could not be recorded starts the history again after it.
  void SnapshotAfter();
  // Closes the step as if it had not been opened: nothing changed.
  void Abandon();

  KUnredoClass& Counter() { return state_.AlphaMode ? alpha_ : rgb_; }
  [[nodiscard]] const KUnredoClass& Counter() const { return state_.AlphaMode ? alpha_ : rgb_; }
  raster::Picture& Buffer() { return state_.AlphaMode ? state_.AlphaBitmap : state_.WorkBitmap; }
  [[nodiscard]] bool Write(std::int32_t pos);
  [[nodiscard]] bool WriteState(std::int32_t pos, const raster::Picture& picture,
                                const std::optional<FloatSnapshot>& floating);
  [[nodiscard]] bool Read(std::int32_t pos);
  [[nodiscard]] FloatSnapshot CurrentFloat() const;
  // What the working picture and the floating selection were at the last
  // snapshot written or read: anything else is a change without a step.
  [[nodiscard]] bool ChangedSinceSnapshot() const;
  void RememberSnapshot();
  void Complain(bool writing);
  void Step(bool undo);
  [[nodiscard]] std::shared_ptr<const Extras> CurrentExtras();
  void ApplyExtras(const Extras& extras);
  [[nodiscard]] bool FolderLost() const;
  [[nodiscard]] bool Unrecorded();
  void Restart();

  EditorState& state_;
  EditorHost& host_;
  KUnredoClass rgb_;
  KUnredoClass alpha_;
  std::map<std::int32_t, FloatSnapshot> floats_;
  std::map<std::int32_t, std::shared_ptr<const Extras>> extras_[2];  // by mode: RGB, Alpha
  std::shared_ptr<const Extras> lastExtras_;
  raster::Picture lastWork_;
  std::optional<FloatSnapshot> lastFloat_;
  bool haveLast_ = false;
  bool open_ = false;
  bool unrecorded_ = false;  // the open step has no snapshot to go back to
  bool told_ = false;        // that snapshots cannot be written
  // The counter as it was before the open step, to go back to on failure.
  KUnredoClass before_;
  bool beforeAlpha_ = false;
  std::filesystem::path folder_;
};

// One undoable change: opened when made, closed when it goes out of scope
// (or by Close). A step made while another is open is part of that one.
class UndoStep {
 public:
  explicit UndoStep(UndoHistory& history);
  ~UndoStep();
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

  // False when the step could not be opened: the change must not go ahead.
  [[nodiscard]] bool Ok() const { return ok_; }
  // Records the change now.
  void Close();
  // Nothing changed after all: the history stays as it was.
  void Abandon();

 private:
  UndoHistory& history_;
  bool owner_ = false;
  bool ok_ = false;
};

}  // namespace pixmint::editor
