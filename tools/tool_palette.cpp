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

void ToolPalette::ClickTool(int toolId) {
  const ToolInfo* tool = FindTool(toolId);
  if (tool == nullptr) return;
  if (toolId == kToolText) {
    ChooseText();
  } else {
    ChooseDrawingTool(*tool);
  }
  host_.PaletteChanged();
}

void ToolPalette::ChooseDrawingTool(const ToolInfo& tool) {
  if (host_.AlphaMode() && tool.id != kToolDropper) {
    // The canvas paints alpha strokes itself: only remember the choice.
    downButton_ = tool.id;
    host_.ClearToolStatus();
    host_.SetCanvasCursor(tool.cursor);
    lastDrawTool_ = tool.id;
    return;
  }
  if (toolId_ != tool.id) NewlyChosen(tool);
  SaveSettings(tool);
  if (tool.id == kToolCurve) curveStage_ = 0;
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

std::unique_ptr<TKvPaint> ToolPalette::CreateTool(int id) {
  raster::Picture& work = host_.WorkPicture();
  raster::Picture& screen = host_.ScreenPicture();
  const int w = work.Width();
  const int h = work.Height();
  const int z = host_.Zoom();
  const int o = opacity_;
  switch (id) {
    case kToolPencil:
      return std::make_unique<TKvPencil>(work, screen, w, h, z, o);
    case kToolBrush:
      return std::make_unique<TKvBrush>(work, screen, w, h, z, o);
    case kToolEraser:
      return std::make_unique<TKvEraser>(work, screen, w, h, z, 100);
    case kToolLine:
      return std::make_unique<TKvLine>(work, screen, w, h, z, o);
    case kToolCurve:
      return std::make_unique<TKvCurve>(work, screen, w, h, z, o);
    case kToolRect:
    case kToolRectFilled:
      return std::make_unique<TKvRectangle>(work, screen, w, h, z, o);
    case kToolRndRect:
    case kToolRndRectFilled:
      return std::make_unique<TKvRoundRect>(work, screen, w, h, z, o);
    case kToolEllipse:
    case kToolEllipseFilled:
      return std::make_unique<TKvEllipse>(work, screen, w, h, z, o);
    case kToolFill:
      return std::make_unique<TKvFill>(work, screen, w, h, z, o);
    case kToolDropper:
      return std::make_unique<TKvDropper>(work, screen, w, h, z, o);
    case kToolSpray:
      return std::make_unique<TKvSpray>(work, screen, w, h, z, o, random_);
    case kToolMoveScale:
      return std::make_unique<TKvMoveScale>(work, screen, w, h, z, o);
    case kToolSelectBas:
      return std::make_unique<TKvSelectBas>(work, screen, w, h, z, o);
    case kToolSelectAdv:
      return std::make_unique<TKvSelectAdv>(work, screen, w, h, z, o);
    default:
      return nullptr;
  }
}

// The colour and parameters each tool is given right after it is made.
ToolPalette::Values ToolPalette::ToolValues(int id) const {
  const raster::Colour fore = host_.ForeColor();
  const bool filled = id == kToolRectFilled || id == kToolRndRectFilled || id == kToolEllipseFilled;
  const int corner = id == kToolRndRect || id == kToolRndRectFilled ? 10 : 0;
  switch (id) {
    case kToolPencil:
      return {fore, 0, 0, toolWidth_, kFreehandPenStyle, 0};
    case kToolBrush: {
      const auto packed = ((static_cast<std::uint32_t>(toolWidth_) & 0xFFFFu) << 16) |
                          (static_cast<std::uint32_t>(brushRings_) & 0xFFFFu);
      return {fore, 0, 0, static_cast<int>(packed), kFreehandPenStyle, 0};
    }
    case kToolEraser:
      return {raster::Markers().trans, 0, 0, toolWidth_, kFreehandPenStyle, 0};
    case kToolMoveScale: {
      const raster::Point f = host_.FloatOrigin();
      return {fore, f.x, f.y, 0, kHandleOutside, 0};
    }
    case kToolDropper:
    case kToolSelectBas:
    case kToolSelectAdv:
      return {};
    case kToolFill:
      return {fore, 0, 0, 0, 0, 0};
    default:  // line, curve, spray and the rectangle family
      return {fore, 0, corner, filled ? 1 : toolWidth_, filled ? 1 : 0, 0};
  }
}

void ToolPalette::BuildTool(const ToolInfo& tool) {
  curTool_.reset();
  curTool_ = CreateTool(tool.id);
  if (!curTool_) return;
  curTool_->SetTarget(&host_.FloatPicture());
  const Values v = ToolValues(tool.id);
  curTool_->SetValue(v.colour, v.p2, v.p3, v.p4, v.p5, v.p6);
  curTool_->SetFullRepaint(fullRepaint_);
}

void ToolPalette::ChooseText() {
  toolId_ = kToolText;
  lastDrawTool_ = kToolText;
  downButton_ = kToolText;
  optionItems_.clear();
  optionIndex_ = -1;
  host_.SetCanvasCursor(ToolCursor::kArrow);
  if (host_.PlaceText()) ClickTool(kToolMoveScale);
}

void ToolPalette::ReselectCurrentTool() {
  if (downButton_ != 0) ClickTool(downButton_);
}

void ToolPalette::ReturnToLastTool() {
  if (host_.HasImage() && lastDrawTool_ >= kToolPencil && lastDrawTool_ <= kToolText) ClickTool(lastDrawTool_);
}

void ToolPalette::OptionClick(int index) {
  if (index < -1 || index >= static_cast<int>(optionItems_.size())) return;
  optionIndex_ = index;
  const int i = std::max(index, 0);
  switch (toolId_) {
    case kToolPencil:
    case kToolLine:
    case kToolCurve:
    case kToolRect:
    case kToolRndRect:
    case kToolEllipse:
    case kToolEraser:
      toolWidth_ = i + 1;
      break;
    case kToolBrush:
      toolWidth_ = 2 * i + 3;
      brushRings_ = i + 2;
      break;
    case kToolSpray:
      toolWidth_ = 2 * i + 7;
      break;
    default:
      break;
  }
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
