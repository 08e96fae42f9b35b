#include "tools/tool_palette.h"

#include <algorithm>
#include <charconv>

#include "tools/fill_dropper.h"
#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/shape_tools.h"

namespace pixmint::tools {

ToolPalette::ToolPalette(ToolHost& host, Settings& settings) : host_(host), settings_(settings) {}

ToolPalette::~ToolPalette() = default;

OptionPictures ToolPalette::OptionPictureSet() const {
  const ToolInfo* tool = FindTool(toolId_);
  return tool == nullptr ? OptionPictures::kNone : tool->pictures;
}

void ToolPalette::ClickTool(ToolId toolId) {
  const ToolInfo* tool = FindTool(toolId);
  if (tool == nullptr) return;
  if (toolId == ToolId::kText) {
    ChooseText();
  } else {
    ChooseDrawingTool(*tool);
  }
  host_.PaletteChanged();
}

void ToolPalette::ChooseDrawingTool(const ToolInfo& tool) {
  if (host_.AlphaMode() && tool.id != ToolId::kDropper) {
    // The canvas paints alpha strokes itself: only remember the choice.
    downButton_ = tool.id;
    host_.ClearToolStatus();
    host_.SetCanvasCursor(tool.cursor);
    lastDrawTool_ = tool.id;
    return;
  }
  if (toolId_ != tool.id) NewlyChosen(tool);
  SaveSettings(tool);
  if (tool.id == ToolId::kCurve) curveStage_ = 0;
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

std::unique_ptr<TKvPaint> ToolPalette::CreateTool(ToolId id) {
  raster::Picture& work = host_.WorkPicture();
  raster::Picture& screen = host_.ScreenPicture();
  const int w = work.Width();
  const int h = work.Height();
  const int z = host_.Zoom();
  const int o = opacity_;
  switch (id) {
    case ToolId::kPencil:
      return std::make_unique<TKvPencil>(work, screen, w, h, z, o);
    case ToolId::kBrush:
      return std::make_unique<TKvBrush>(work, screen, w, h, z, o);
    case ToolId::kEraser:
      return std::make_unique<TKvEraser>(work, screen, w, h, z, 100);
    case ToolId::kLine:
      return std::make_unique<TKvLine>(work, screen, w, h, z, o);
    case ToolId::kCurve:
      return std::make_unique<TKvCurve>(work, screen, w, h, z, o);
    case ToolId::kRect:
    case ToolId::kRectFilled:
      return std::make_unique<TKvRectangle>(work, screen, w, h, z, o);
    case ToolId::kRndRect:
    case ToolId::kRndRectFilled:
      return std::make_unique<TKvRoundRect>(work, screen, w, h, z, o);
    case ToolId::kEllipse:
    case ToolId::kEllipseFilled:
      return std::make_unique<TKvEllipse>(work, screen, w, h, z, o);
    case ToolId::kFill:
      return std::make_unique<TKvFill>(work, screen, w, h, z, o);
    case ToolId::kDropper:
      return std::make_unique<TKvDropper>(work, screen, w, h, z, o);
    case ToolId::kSpray:
      return std::make_unique<TKvSpray>(work, screen, w, h, z, o, random_);
    case ToolId::kMoveScale:
      return std::make_unique<TKvMoveScale>(work, screen, w, h, z, o);
    case ToolId::kSelectBas:
      return std::make_unique<TKvSelectBas>(work, screen, w, h, z, o);
    case ToolId::kSelectAdv:
      return std::make_unique<TKvSelectAdv>(work, screen, w, h, z, o);
    default:
      return nullptr;
  }
}

// What each tool is given right after it is made.
ToolSettings ToolPalette::SettingsFor(ToolId id) const {
  ToolSettings settings;
  settings.paint = id == ToolId::kEraser ? raster::kTransparentPaint : host_.ForeColor();
  settings.holds = host_.Holds();
  settings.width = toolWidth_;
  settings.rings = brushRings_;
  settings.filled = id == ToolId::kRectFilled || id == ToolId::kRndRectFilled || id == ToolId::kEllipseFilled;
  // The round rectangles' corners are ellipses 10 pixels across.
  settings.cornerRadius = id == ToolId::kRndRect || id == ToolId::kRndRectFilled ? 5 : 0;
  settings.target = &host_.FloatPicture();
  return settings;
}

void ToolPalette::BuildTool(const ToolInfo& tool) {
  curTool_.reset();
  curTool_ = CreateTool(tool.id);
  if (!curTool_) return;
  curTool_->Configure(SettingsFor(tool.id));
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
  if (host_.HasImage() && Number(lastDrawTool_) >= Number(ToolId::kPencil) &&
      Number(lastDrawTool_) <= Number(ToolId::kText))
    ClickTool(lastDrawTool_);
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
