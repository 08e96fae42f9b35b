#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/kv_icon.h"
#include "texts/failure.h"

namespace pixmint::formats {

// Animation times are counted in jiffies, sixtieths of a second.
inline constexpr std::uint32_t kJiffiesPerSecond = 60;
inline constexpr std::uint32_t kDefaultJiffies = 10;
// Limits that keep a hostile file from asking for unbounded work.
inline constexpr std::size_t kMaxFrames = 1024;
inline constexpr std::size_t kMaxSteps = 8192;

// One step of the animation: which frame shows, and for how long.
struct AnimationStep {
  std::uint32_t frame = 0;
  std::uint32_t jiffies = kDefaultJiffies;
  friend bool operator==(const AnimationStep&, const AnimationStep&) = default;
};

// An animated cursor: frames, each a whole cursor document (its own sizes,
// depths and hot spots), and the steps that play them. A step list that
// shows every frame once in order is the plain case; a sequence may repeat
// or skip frames. A static cursor is one frame and one step.
struct AnimatedCursor {
  std::vector<std::unique_ptr<document::TKvIcon>> frames;
  std::vector<AnimationStep> steps;
  std::string title;   // INFO/INAM
  std::string author;  // INFO/IART

  // Empty when the cursor can be written: at least one frame, every frame
  // with an image, at least one step and every step naming a frame.
  [[nodiscard]] std::optional<texts::Failure> Problem() const;
  // True when step k shows frame k for every frame and there are no others.
  [[nodiscard]] bool StepsInFrameOrder() const;
  // Replaces the steps by one per frame, in order, each showing for jiffies.
  void PlayFramesInOrder(std::uint32_t jiffies);
};

// Frame edits that keep the steps pointing at the same pictures. Each
// answers false, changing nothing, for a position out of range or a cursor
// already at kMaxFrames.
//
// Inserts frame at position at and a step showing it, placed before the
// first step of the frame that was at that position (at the end when there
// is none).
[[nodiscard]] bool InsertFrame(AnimatedCursor& cursor, std::size_t at, std::unique_ptr<document::TKvIcon> frame,
                               std::uint32_t jiffies = kDefaultJiffies);
// Removes frame at and every step that showed it.
[[nodiscard]] bool RemoveFrame(AnimatedCursor& cursor, std::size_t at);
// Inserts a copy of frame at right after it, with a copy of each of its steps
// right after the original step.
[[nodiscard]] bool DuplicateFrame(AnimatedCursor& cursor, std::size_t at);
// Moves frame from to position to. When the steps played the frames in
// order they keep doing so (each step's time travels with its frame);
// otherwise every step keeps showing the same picture.
[[nodiscard]] bool MoveFrame(AnimatedCursor& cursor, std::size_t from, std::size_t to);

// A copy of a document: images, tables, PNG flags, hot spots and the icon
// flag. Nothing for an empty document.
[[nodiscard]] std::unique_ptr<document::TKvIcon> CloneIcon(const document::TKvIcon& icon);

// The cursor as a plain cursor document, when it has exactly one frame.
[[nodiscard]] std::unique_ptr<document::TKvIcon> TakeSingleFrame(AnimatedCursor&& cursor);
// A static cursor as one frame and one step.
[[nodiscard]] AnimatedCursor FromSingleFrame(std::unique_ptr<document::TKvIcon> icon);

}  // namespace pixmint::formats
