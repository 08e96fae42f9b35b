#pragma once

#include <span>
#include <string_view>

#include "tools/tool_ids.h"

namespace pixmint::tools {

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
  ToolId id;
  ToolKind kind;
  std::string_view button;  // object name of the tool button
  const char* hint;         // source text, shown translated
  int optionCount;          // 0: the option list stays empty
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
[[nodiscard]] const ToolInfo* FindTool(ToolId id);
[[nodiscard]] const ToolInfo* FindToolByButton(std::string_view button);
// The buttons in the order ReselectCurrentTool searches them.
[[nodiscard]] std::span<const ToolId> ButtonCreationOrder();

}  // namespace pixmint::tools
