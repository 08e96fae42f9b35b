#pragma once

#include <cstdint>

namespace pixmint::tools {

// The tool box's tool numbers (kept: the script's state print shows them).
// Everything else about a tool is in its row of the tool table; a tool that
// no code names needs no name here, only its number in its row.
enum class ToolId : int {
  kNone = 0,
  kPencil = 100,
  kBrush = 101,
  kLine = 102,
  kCurve = 103,
  kRectFilled = 104,
  kRect = 105,
  kRndRectFilled = 106,
  kRndRect = 107,
  kEllipseFilled = 108,
  kEllipse = 109,
  kEraser = 110,
  kFill = 111,
  kDropper = 112,
  kSpray = 113,
  kText = 114,
  kMoveScale = 115,
  kSelectBas = 116,
  kSelectAdv = 117,
};

[[nodiscard]] constexpr int Number(ToolId id) {
  return static_cast<int>(id);
}

// How the canvas treats a tool: which presses open an undo step, and what it
// does with the floating selection.
enum class ToolKind {
  kStroke,               // press to release is one change (pencil, brush, eraser, spray, fill)
  kShape,                // press to release is one change (line, rectangles, ellipses)
  kMultiClickShape,      // several clicks make one change (curve)
  kSelection,            // picks a new selection (marquee)
  kMultiClickSelection,  // picks a new selection in several clicks (lasso)
  kMover,                // moves and scales the floating selection
  kPicker,               // reads a colour, changes nothing (dropper)
  kText,                 // places text through its dialog
};

// Whether pressing with a tool of this kind starts a change of the picture.
[[nodiscard]] constexpr bool Draws(ToolKind kind) {
  return kind == ToolKind::kStroke || kind == ToolKind::kShape || kind == ToolKind::kMultiClickShape;
}
[[nodiscard]] constexpr bool PicksSelection(ToolKind kind) {
  return kind == ToolKind::kSelection || kind == ToolKind::kMultiClickSelection;
}

// The held keys and mouse buttons of a mouse event, one bit each.
enum class ShiftState : std::uint32_t {
  kNone = 0,
  kShift = 1u << 0,
  kAlt = 1u << 1,
  kCtrl = 1u << 2,
  kLeftButton = 1u << 3,
  kRightButton = 1u << 4,
  kMiddleButton = 1u << 5,
  kDoubleClick = 1u << 6,
};

[[nodiscard]] constexpr ShiftState operator|(ShiftState a, ShiftState b) {
  return static_cast<ShiftState>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr ShiftState& operator|=(ShiftState& a, ShiftState b) {
  return a = a | b;
}
// True when every bit of flag is held in set.
[[nodiscard]] constexpr bool Has(ShiftState set, ShiftState flag) {
  return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) == static_cast<std::uint32_t>(flag);
}

}  // namespace pixmint::tools
