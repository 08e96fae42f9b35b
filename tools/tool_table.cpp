#include "tools/tool_table.h"

#include <array>

#include "texts/ui_texts.h"

namespace pixmint::tools {

namespace {

using enum WidthRule;
using C = ToolCursor;

constexpr std::array<ToolInfo, 18> kTools{{
    {ToolId::kPencil, ToolKind::kStroke, "btnPencil", texts::kHintPencil, 4, kPlusOne, "PenWidth", "PenOpacity",
     C::kPencil, OptionPictures::kPencil, true},
    {ToolId::kBrush, ToolKind::kStroke, "btnBrush", texts::kHintBrush, 4, kBrush, "BrushWidth", "BrushOpacity",
     C::kBrush, OptionPictures::kBrush, true},
    {ToolId::kLine, ToolKind::kShape, "btnLine", texts::kHintLine, 4, kPlusOne, "LineWidth", "LineOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {ToolId::kCurve, ToolKind::kMultiClickShape, "btnCurve", texts::kHintCurve, 4, kPlusOne, "CurveWidth",
     "CurveOpacity", C::kCross, OptionPictures::kPencil, true},
    {ToolId::kRectFilled, ToolKind::kShape, "btnRectFilled", texts::kHintRectFilled, 0, kFixedOne, "",
     "RectFilledOpacity", C::kCross, OptionPictures::kPencil, true},
    {ToolId::kRect, ToolKind::kShape, "btnRect", texts::kHintRect, 4, kPlusOne, "RectWidth", "RectOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {ToolId::kRndRectFilled, ToolKind::kShape, "btnRndRectFilled", texts::kHintRndRectFilled, 0, kFixedOne, "",
     "RndRectFilledOpacity", C::kCross, OptionPictures::kPencil, true},
    {ToolId::kRndRect, ToolKind::kShape, "btnRndRect", texts::kHintRndRect, 4, kPlusOne, "RndRectWidth",
     "RndRectOpacity", C::kCross, OptionPictures::kPencil, true},
    {ToolId::kEllipseFilled, ToolKind::kShape, "btnEllipseFilled", texts::kHintEllipseFilled, 0, kFixedOne, "",
     "EllipFilledOpacity", C::kCross, OptionPictures::kPencil, true},
    {ToolId::kEllipse, ToolKind::kShape, "btnEllipse", texts::kHintEllipse, 4, kPlusOne, "EllipWidth", "EllipOpacity",
     C::kCross, OptionPictures::kPencil, true},
    {ToolId::kEraser, ToolKind::kStroke, "btnEraser", texts::kHintEraser, 4, kPlusOne, "EraserWidth", "", C::kEraser,
     OptionPictures::kEraser, true},
    {ToolId::kFill, ToolKind::kStroke, "btnFill", texts::kHintFill, 0, kNone, "", "FillOpacity", C::kFill,
     OptionPictures::kNone, true},
    {ToolId::kDropper, ToolKind::kPicker, "btnDropper", texts::kHintDropper, 0, kNone, "", "", C::kDropper,
     OptionPictures::kNone, false},
    {ToolId::kSpray, ToolKind::kStroke, "btnSpray", texts::kHintSpray, 3, kSpray, "SprayWidth", "SprayOpacity",
     C::kSpray, OptionPictures::kSpray, true},
    {ToolId::kText, ToolKind::kText, "btnText", texts::kHintText, 0, kNone, "", "", C::kArrow, OptionPictures::kNone,
     true},
    {ToolId::kMoveScale, ToolKind::kMover, "btnMoveScale", texts::kHintMoveScale, 0, kNone, "", "MoveScaleOpacity",
     C::kArrow, OptionPictures::kNone, false},
    {ToolId::kSelectBas, ToolKind::kSelection, "btnSelectBas", texts::kHintSelectBas, 0, kNone, "", "", C::kCross,
     OptionPictures::kNone, false},
    {ToolId::kSelectAdv, ToolKind::kMultiClickSelection, "btnSelectAdv", texts::kHintSelectAdv, 0, kNone, "", "",
     C::kCross, OptionPictures::kNone, false},
}};

constexpr std::array<ToolId, 18> kCreationOrder{
    ToolId::kSelectBas, ToolId::kSelectAdv,     ToolId::kEraser,     ToolId::kDropper,   ToolId::kPencil,
    ToolId::kBrush,     ToolId::kSpray,         ToolId::kFill,       ToolId::kMoveScale, ToolId::kText,
    ToolId::kLine,      ToolId::kCurve,         ToolId::kRectFilled, ToolId::kRect,      ToolId::kEllipseFilled,
    ToolId::kEllipse,   ToolId::kRndRectFilled, ToolId::kRndRect,
};

}  // namespace

std::span<const ToolInfo> ToolTable() {
  return kTools;
}

const ToolInfo* FindTool(ToolId id) {
  for (const ToolInfo& tool : kTools) {
    if (tool.id == id) return &tool;
  }
  return nullptr;
}

const ToolInfo* FindToolByButton(std::string_view button) {
  for (const ToolInfo& tool : kTools) {
    if (tool.button == button) return &tool;
  }
  return nullptr;
}

std::span<const ToolId> ButtonCreationOrder() {
  return kCreationOrder;
}

}  // namespace pixmint::tools
