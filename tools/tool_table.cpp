#include "tools/tool_table.h"

#include <array>

namespace pixmint::tools {

namespace {

using enum WidthRule;
using C = ToolCursor;

constexpr std::array<ToolInfo, 18> kTools{{
    {kToolPencil, "btnPencil", "画笔 (Y)", 4, kPlusOne, "PenWidth", "PenOpacity", C::kPencil, OptionPictures::kPencil,
     true},
    {kToolBrush, "btnBrush", "刷子 (B)", 4, kBrush, "BrushWidth", "BrushOpacity", C::kBrush, OptionPictures::kBrush,
     true},
    {kToolLine, "btnLine", "直线 (N)", 4, kPlusOne, "LineWidth", "LineOpacity", C::kCross, OptionPictures::kPencil,
     true},
    {kToolCurve, "btnCurve", "曲线 (C)", 4, kPlusOne, "CurveWidth", "CurveOpacity", C::kCross, OptionPictures::kPencil,
     true},
    {kToolRectFilled, "btnRectFilled", "矩形填充", 0, kFixedOne, "", "RectFilledOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {kToolRect, "btnRect", "矩形 (R)", 4, kPlusOne, "RectWidth", "RectOpacity", C::kCross, OptionPictures::kPencil,
     true},
    {kToolRndRectFilled, "btnRndRectFilled", "圆角矩形填充", 0, kFixedOne, "", "RndRectFilledOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {kToolRndRect, "btnRndRect", "圆角矩形", 4, kPlusOne, "RndRectWidth", "RndRectOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {kToolEllipseFilled, "btnEllipseFilled", "椭圆填充", 0, kFixedOne, "", "EllipFilledOpacity", C::kCross,
     OptionPictures::kPencil, true},
    {kToolEllipse, "btnEllipse", "椭圆", 4, kPlusOne, "EllipWidth", "EllipOpacity", C::kCross, OptionPictures::kPencil,
     true},
    {kToolEraser, "btnEraser", "橡皮擦 (E)", 4, kPlusOne, "EraserWidth", "", C::kEraser, OptionPictures::kEraser, true},
    {kToolFill, "btnFill", "填充器 (K)", 0, kNone, "", "FillOpacity", C::kFill, OptionPictures::kNone, true},
    {kToolDropper, "btnDropper", "吸管 (I)", 0, kNone, "", "", C::kDropper, OptionPictures::kNone, false},
    {kToolSpray, "btnSpray", "喷雾器 (A)", 3, kSpray, "SprayWidth", "SprayOpacity", C::kSpray, OptionPictures::kSpray,
     true},
    {kToolText, "btnText", "文字 (T)", 0, kNone, "", "", C::kArrow, OptionPictures::kNone, true},
    {kToolMoveScale, "btnMoveScale", "移动和刻度 (V)", 0, kNone, "", "MoveScaleOpacity", C::kArrow,
     OptionPictures::kNone, false},
    {kToolSelectBas, "btnSelectBas", "选取框 (M)", 0, kNone, "", "", C::kCross, OptionPictures::kNone, false},
    {kToolSelectAdv, "btnSelectAdv", "套索 (L)", 0, kNone, "", "", C::kCross, OptionPictures::kNone, false},
}};

constexpr std::array<int, 18> kCreationOrder{
    kToolSelectBas,  kToolSelectAdv, kToolEraser,        kToolDropper, kToolPencil,        kToolBrush,
    kToolSpray,      kToolFill,      kToolMoveScale,     kToolText,    kToolLine,          kToolCurve,
    kToolRectFilled, kToolRect,      kToolEllipseFilled, kToolEllipse, kToolRndRectFilled, kToolRndRect,
};

}  // namespace

std::span<const ToolInfo> ToolTable() {
  return kTools;
}

const ToolInfo* FindTool(int id) {
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

std::span<const int> ButtonCreationOrder() {
  return kCreationOrder;
}

}  // namespace pixmint::tools
