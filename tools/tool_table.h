#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "raster/picture.h"
#include "tools/tool_ids.h"

namespace pixmint::tools {

class SprayRandom;
class TKvPaint;

// The canvas cursor of a tool (the editor maps it to its own cursor shapes).
enum class ToolCursor { kArrow, kCross, kPencil, kBrush, kEraser, kDropper, kFill, kSpray };

// How the option index becomes the pen width.
enum class WidthRule {
  kNone,      // no width (fill, dropper, text, selection tools)
  kFixedOne,  // filled shapes: always 1
  kPlusOne,   // i + 1
  kBrush,     // 2i + 3, rings i + 2
  kSpray,     // 2i + 7
};

// What a tool is made on: the edited picture, the screen buffer (image size
// x zoom), and the opacity in the box.
struct ToolCanvas {
  raster::Picture& work;
  raster::Picture& screen;
  int zoom;
  int opacity;
  SprayRandom& random;
};
using MakeTool = std::unique_ptr<TKvPaint> (*)(const ToolCanvas& canvas);

// Everything about one tool; the tool box, its keys, the script and the
// canvas all read it from here.
struct ToolInfo {
  ToolId id = ToolId::kNone;
  std::string_view script = {};  // the script's name for it
  char key = 0;                  // the letter that chooses it (upper case; 0: none)
  ToolKind kind = ToolKind::kStroke;
  std::string_view button = {};  // object name of the tool button
  const char* hint = nullptr;    // source text, shown translated
  std::string_view icon = {};    // picture of the button
  ToolCursor cursor = ToolCursor::kCross;
  // The option list: its length (0: it stays empty), the pictures it shows
  // (their name without the index; empty: none), how an option becomes the
  // pen width, and the stored settings of the option and the opacity.
  int optionCount = 0;
  std::string_view optionArt = {};
  WidthRule widthRule = WidthRule::kNone;
  std::string_view widthKey = {};
  std::string_view opacityKey = {};
  // Choosing it makes it the tool that a colour pick or a merge returns to.
  bool setsLastDrawTool = false;
  // Paints in Alpha mode (in grey).
  bool paintsAlpha = false;
  // What the tool is given besides the pen.
  bool erases = false;  // it paints transparency, whatever the colours
  bool filled = false;
  int cornerRadius = 0;
  MakeTool make = nullptr;  // nullptr: the tool has no canvas object (text)
};

// All tools in tool-number order.
[[nodiscard]] std::span<const ToolInfo> ToolTable();
// The entry of a tool number, button name or script name; nullptr when unknown.
[[nodiscard]] const ToolInfo* FindTool(ToolId id);
[[nodiscard]] const ToolInfo* FindToolByButton(std::string_view button);
[[nodiscard]] const ToolInfo* FindToolByScriptName(std::string_view name);

}  // namespace pixmint::tools
