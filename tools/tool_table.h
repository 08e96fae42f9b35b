#pragma once

#include <span>
#include <string_view>

namespace pixmint::tools {

// Tool numbers of the tool box; 100..114 are the drawing tools.
inline constexpr int kToolPencil = 100;
inline constexpr int kToolBrush = 101;
inline constexpr int kToolLine = 102;
inline constexpr int kToolCurve = 103;
inline constexpr int kToolRectFilled = 104;
inline constexpr int kToolRect = 105;
inline constexpr int kToolRndRectFilled = 106;
inline constexpr int kToolRndRect = 107;
inline constexpr int kToolEllipseFilled = 108;
inline constexpr int kToolEllipse = 109;
inline constexpr int kToolEraser = 110;
inline constexpr int kToolFill = 111;
inline constexpr int kToolDropper = 112;
inline constexpr int kToolSpray = 113;
inline constexpr int kToolText = 114;
inline constexpr int kToolMoveScale = 115;
inline constexpr int kToolSelectBas = 116;
inline constexpr int kToolSelectAdv = 117;

// The canvas cursor of a tool (the editor maps it to its own cursor shapes).
enum class ToolCursor { kArrow, kCross, kPencil, kBrush, kEraser, kDropper, kFill, kSpray };

// Which set of option pictures the option list shows.
enum class OptionPictures { kNone, kPencil, kBrush, kEraser, kSpray };

// How the option index becomes the pen width.
enum class WidthRule {
  kNone,      // no width (fill, dropper, text, selection tools)
  kFixedOne,  // filled shapes: always 1
  kPlusOne,   // i + 1
  kBrush,     // 2i + 3, rings i + 2
  kSpray,     // 2i + 7
};

struct ToolInfo {
  int id;
  std::string_view button;  // object name of the tool button
  std::string_view hint;
  int optionCount;  // 0: the option list stays empty
  WidthRule widthRule;
  std::string_view widthKey;    // empty: none
  std::string_view opacityKey;  // empty: none
  ToolCursor cursor;
  OptionPictures pictures;
  bool setsLastDrawTool;
};

// All eighteen tools in tool-number order.
[[nodiscard]] std::span<const ToolInfo> ToolTable();
// The entry of a tool number or button name; nullptr when unknown.
[[nodiscard]] const ToolInfo* FindTool(int id);
[[nodiscard]] const ToolInfo* FindToolByButton(std::string_view button);
// The buttons in the order ReselectCurrentTool searches them.
[[nodiscard]] std::span<const int> ButtonCreationOrder();

}  // namespace pixmint::tools
