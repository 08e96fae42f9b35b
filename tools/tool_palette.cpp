#include "tools/tool_palette.h"

#include <algorithm>
#include <charconv>

namespace pixmint::tools {

ToolPalette::ToolPalette(ToolHost& host, Settings& settings) : host_(host), settings_(settings) {}

ToolPalette::~ToolPalette() = default;

void ToolPalette::ClickTool(ToolId toolId) {
  const ToolInfo* tool = FindTool(toolId);
  if (tool == nullptr) return;
  if (tool->kind == ToolKind::kText) {
    ChooseText();
  } else {
    ChooseDrawingTool(*tool);
  }
  host_.PaletteChanged();
}

void ToolPalette::ChooseDrawingTool(const ToolInfo& tool) {
  if (host_.AlphaMode() && tool.kind != ToolKind::kPicker) {
    // The canvas paints alpha strokes itself: only remember the choice.
    downButton_ = tool.id;
    host_.ClearToolStatus();
    host_.SetCanvasCursor(tool.cursor);
    lastDrawTool_ = tool.id;
    return;
  }
  if (toolId_ != tool.id) NewlyChosen(tool);
  SaveSettings(tool);
  BuildTool(tool);
}

void ToolPalette::NewlyChosen(const ToolInfo& tool) {
  toolId_ = tool.id;
  if (tool.setsLastDrawTool) lastDrawTool_ = tool.id;
  downButton_ = tool.id;
  optionItems_.clear();
  optionIndex_ = -1;
  for (int i = 0; i < tool.optionCount; ++i) optionItems_.push_back(std::to_string(i + 1));
  if (tool.optionCount > 0) {
    optionIndex_ = std::clamp(settings_.RegReadInt(tool.widthKey), 0, tool.optionCount - 1);
  }
  ComputeWidth(tool);
  if (!tool.opacityKey.empty()) SetOpacityBox(settings_.RegReadInt(tool.opacityKey));
  host_.SetCanvasCursor(tool.cursor);
}

void ToolPalette::ComputeWidth(const ToolInfo& tool) {
  const int i = std::max(optionIndex_, 0);
  switch (tool.widthRule) {
    case WidthRule::kFixedOne:
      toolWidth_ = 1;
      break;
    case WidthRule::kPlusOne:
      toolWidth_ = i + 1;
      break;
    case WidthRule::kBrush:
      toolWidth_ = 2 * i + 3;
      brushRings_ = i + 2;
      break;
    case WidthRule::kSpray:
      toolWidth_ = 2 * i + 7;
      break;
    case WidthRule::kNone:
      break;
  }
}

// The box holds 0..100; a stored value beyond that is brought into range.
void ToolPalette::SetOpacityBox(int value) {
  opacity_ = std::clamp(value, 0, 100);
  opacityText_ = std::to_string(opacity_);
}

void ToolPalette::SaveSettings(const ToolInfo& tool) {
  if (tool.optionCount > 0) settings_.RegWriteInt(tool.widthKey, std::max(optionIndex_, 0));
  if (!tool.opacityKey.empty()) settings_.RegWriteInt(tool.opacityKey, opacity_);
}

// What each tool is given right after it is made.
ToolSettings ToolPalette::SettingsFor(const ToolInfo& tool) const {
  ToolSettings settings;
  settings.paint = tool.erases ? raster::kTransparentPaint : host_.ForeColor();
  settings.back = tool.erases ? raster::kTransparentPaint : host_.BackColor();
  settings.holds = host_.Holds();
  settings.width = toolWidth_;
  settings.rings = brushRings_;
  settings.filled = tool.filled;
  settings.cornerRadius = tool.cornerRadius;
  settings.target = &host_.FloatPicture();
  return settings;
}

void ToolPalette::BuildTool(const ToolInfo& tool) {
  curTool_.reset();
  if (tool.make == nullptr) return;
  curTool_ = tool.make({host_.WorkPicture(), host_.ScreenPicture(), host_.Zoom(), opacity_, random_});
  curTool_->Configure(SettingsFor(tool));
  curTool_->SetFullRepaint(fullRepaint_);
}

void ToolPalette::ChooseText() {
  toolId_ = ToolId::kText;
  lastDrawTool_ = ToolId::kText;
  downButton_ = ToolId::kText;
  optionItems_.clear();
  optionIndex_ = -1;
  host_.SetCanvasCursor(ToolCursor::kArrow);
  if (host_.PlaceText()) ClickTool(ToolId::kMoveScale);
}

void ToolPalette::ReselectCurrentTool() {
  if (downButton_ != ToolId::kNone) ClickTool(downButton_);
}

void ToolPalette::ReturnToLastTool() {
  const ToolInfo* tool = FindTool(lastDrawTool_);
  if (host_.HasImage() && tool != nullptr && tool->setsLastDrawTool) ClickTool(lastDrawTool_);
}

void ToolPalette::OptionClick(int index) {
  if (index < -1 || index >= static_cast<int>(optionItems_.size())) return;
  optionIndex_ = index;
  if (const ToolInfo* tool = FindTool(toolId_)) ComputeWidth(*tool);
  ReselectCurrentTool();
}

bool ToolPalette::OpacityKeyAccepted(char c) {
  return c >= '0' && c <= '9';
}

void ToolPalette::OpacityTextChanged(std::string_view text) {
  opacityText_ = std::string(text);
  if (text.empty()) return;
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return;  // not a number: the value stays what it was
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range || value > 100) value = 101;  // any huge number is above 100
  if (negative) value = -value;
  if (value > 100) opacityText_ = "100";
  if (value < 0) opacityText_ = "0";
  opacity_ = static_cast<int>(std::clamp(value, 0LL, 100LL));
  ReselectCurrentTool();
  host_.PaletteChanged();
}

}  // namespace pixmint::tools
