#include "tools/tool_table.h"

#include <array>

#include "texts/texts.h"
#include "tools/fill_dropper.h"
#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/shape_tools.h"
#include "tools/spray.h"

namespace pixmint::tools {

namespace {

using enum WidthRule;
using C = ToolCursor;
using K = ToolKind;

template <typename T>
std::unique_ptr<TKvPaint> Make(const ToolCanvas& c) {
  return std::make_unique<T>(c.work, c.screen, c.work.Width(), c.work.Height(), c.zoom, c.opacity);
}

std::unique_ptr<TKvPaint> MakeSpray(const ToolCanvas& c) {
  return std::make_unique<TKvSpray>(c.work, c.screen, c.work.Width(), c.work.Height(), c.zoom, c.opacity, c.random);
}

constexpr std::array kTools{
    ToolInfo{.id = ToolId::kPencil,
             .script = "pencil",
             .key = 'Y',
             .kind = K::kStroke,
             .button = "btnPencil",
             .hint = QT_TRANSLATE_NOOP("pixmint", "画笔 (Y)"),
             .icon = "tool_100",
             .cursor = C::kPencil,
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "PenWidth",
             .opacityKey = "PenOpacity",
             .setsLastDrawTool = true,
             .paintsAlpha = true,
             .make = Make<TKvPencil>},
    ToolInfo{.id = ToolId::kBrush,
             .script = "brush",
             .key = 'B',
             .kind = K::kStroke,
             .button = "btnBrush",
             .hint = QT_TRANSLATE_NOOP("pixmint", "刷子 (B)"),
             .icon = "tool_101",
             .cursor = C::kBrush,
             .optionCount = 4,
             .optionArt = "opt_brush",
             .widthRule = kBrush,
             .widthKey = "BrushWidth",
             .opacityKey = "BrushOpacity",
             .setsLastDrawTool = true,
             .make = Make<TKvBrush>},
    ToolInfo{.id = ToolId::kLine,
             .script = "line",
             .key = 'N',
             .kind = K::kShape,
             .button = "btnLine",
             .hint = QT_TRANSLATE_NOOP("pixmint", "直线 (N)"),
             .icon = "tool_102",
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "LineWidth",
             .opacityKey = "LineOpacity",
             .setsLastDrawTool = true,
             .paintsAlpha = true,
             .make = Make<TKvLine>},
    ToolInfo{.id = ToolId::kCurve,
             .script = "curve",
             .key = 'C',
             .kind = K::kMultiClickShape,
             .button = "btnCurve",
             .hint = QT_TRANSLATE_NOOP("pixmint", "曲线 (C)"),
             .icon = "tool_103",
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "CurveWidth",
             .opacityKey = "CurveOpacity",
             .setsLastDrawTool = true,
             .make = Make<TKvCurve>},
    ToolInfo{.id = ToolId::kRectFilled,
             .script = "rect-filled",
             .kind = K::kShape,
             .button = "btnRectFilled",
             .hint = QT_TRANSLATE_NOOP("pixmint", "矩形填充"),
             .icon = "tool_104",
             .optionArt = "opt_pencil",
             .widthRule = kFixedOne,
             .opacityKey = "RectFilledOpacity",
             .setsLastDrawTool = true,
             .filled = true,
             .make = Make<TKvRectangle>},
    ToolInfo{.id = ToolId::kRect,
             .script = "rect",
             .key = 'R',
             .kind = K::kShape,
             .button = "btnRect",
             .hint = QT_TRANSLATE_NOOP("pixmint", "矩形 (R)"),
             .icon = "tool_105",
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "RectWidth",
             .opacityKey = "RectOpacity",
             .setsLastDrawTool = true,
             .make = Make<TKvRectangle>},
    // The round rectangles' corners are ellipses 10 pixels across.
    ToolInfo{.id = ToolId::kRndRectFilled,
             .script = "rndrect-filled",
             .kind = K::kShape,
             .button = "btnRndRectFilled",
             .hint = QT_TRANSLATE_NOOP("pixmint", "圆角矩形填充"),
             .icon = "tool_106",
             .optionArt = "opt_pencil",
             .widthRule = kFixedOne,
             .opacityKey = "RndRectFilledOpacity",
             .setsLastDrawTool = true,
             .filled = true,
             .cornerRadius = 5,
             .make = Make<TKvRoundRect>},
    ToolInfo{.id = ToolId::kRndRect,
             .script = "rndrect",
             .kind = K::kShape,
             .button = "btnRndRect",
             .hint = QT_TRANSLATE_NOOP("pixmint", "圆角矩形"),
             .icon = "tool_107",
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "RndRectWidth",
             .opacityKey = "RndRectOpacity",
             .setsLastDrawTool = true,
             .cornerRadius = 5,
             .make = Make<TKvRoundRect>},
    ToolInfo{.id = ToolId::kEllipseFilled,
             .script = "ellipse-filled",
             .kind = K::kShape,
             .button = "btnEllipseFilled",
             .hint = QT_TRANSLATE_NOOP("pixmint", "椭圆填充"),
             .icon = "tool_108",
             .optionArt = "opt_pencil",
             .widthRule = kFixedOne,
             .opacityKey = "EllipFilledOpacity",
             .setsLastDrawTool = true,
             .filled = true,
             .make = Make<TKvEllipse>},
    ToolInfo{.id = ToolId::kEllipse,
             .script = "ellipse",
             .kind = K::kShape,
             .button = "btnEllipse",
             .hint = QT_TRANSLATE_NOOP("pixmint", "椭圆"),
             .icon = "tool_109",
             .optionCount = 4,
             .optionArt = "opt_pencil",
             .widthRule = kPlusOne,
             .widthKey = "EllipWidth",
             .opacityKey = "EllipOpacity",
             .setsLastDrawTool = true,
             .make = Make<TKvEllipse>},
    ToolInfo{.id = ToolId::kEraser,
             .script = "eraser",
             .key = 'E',
             .kind = K::kStroke,
             .button = "btnEraser",
             .hint = QT_TRANSLATE_NOOP("pixmint", "橡皮擦 (E)"),
             .icon = "tool_110",
             .cursor = C::kEraser,
             .optionCount = 4,
             .optionArt = "opt_eraser",
             .widthRule = kPlusOne,
             .widthKey = "EraserWidth",
             .setsLastDrawTool = true,
             .erases = true,
             .make = Make<TKvEraser>},
    ToolInfo{.id = ToolId::kFill,
             .script = "fill",
             .key = 'K',
             .kind = K::kStroke,
             .button = "btnFill",
             .hint = QT_TRANSLATE_NOOP("pixmint", "填充器 (K)"),
             .icon = "tool_111",
             .cursor = C::kFill,
             .opacityKey = "FillOpacity",
             .setsLastDrawTool = true,
             .make = Make<TKvFill>},
    ToolInfo{.id = ToolId::kDropper,
             .script = "dropper",
             .key = 'I',
             .kind = K::kPicker,
             .button = "btnDropper",
             .hint = QT_TRANSLATE_NOOP("pixmint", "吸管 (I)"),
             .icon = "tool_112",
             .cursor = C::kDropper,
             .make = Make<TKvDropper>},
    ToolInfo{.id = ToolId::kSpray,
             .script = "spray",
             .key = 'A',
             .kind = K::kStroke,
             .button = "btnSpray",
             .hint = QT_TRANSLATE_NOOP("pixmint", "喷雾器 (A)"),
             .icon = "tool_113",
             .cursor = C::kSpray,
             .optionCount = 3,
             .optionArt = "opt_spray",
             .widthRule = kSpray,
             .widthKey = "SprayWidth",
             .opacityKey = "SprayOpacity",
             .setsLastDrawTool = true,
             .make = MakeSpray},
    ToolInfo{.id = ToolId::kText,
             .script = "text",
             .key = 'T',
             .kind = K::kText,
             .button = "btnText",
             .hint = QT_TRANSLATE_NOOP("pixmint", "文字 (T)"),
             .icon = "tool_114",
             .cursor = C::kArrow,
             .setsLastDrawTool = true},
    ToolInfo{.id = ToolId::kMoveScale,
             .script = "move",
             .key = 'V',
             .kind = K::kMover,
             .button = "btnMoveScale",
             .hint = QT_TRANSLATE_NOOP("pixmint", "移动和刻度 (V)"),
             .icon = "tool_115",
             .cursor = C::kArrow,
             .opacityKey = "MoveScaleOpacity",
             .make = Make<TKvMoveScale>},
    ToolInfo{.id = ToolId::kSelectBas,
             .script = "marquee",
             .key = 'M',
             .kind = K::kSelection,
             .button = "btnSelectBas",
             .hint = QT_TRANSLATE_NOOP("pixmint", "选取框 (M)"),
             .icon = "tool_116",
             .make = Make<TKvSelectBas>},
    ToolInfo{.id = ToolId::kSelectAdv,
             .script = "lasso",
             .key = 'L',
             .kind = K::kMultiClickSelection,
             .button = "btnSelectAdv",
             .hint = QT_TRANSLATE_NOOP("pixmint", "套索 (L)"),
             .icon = "tool_117",
             .make = Make<TKvSelectAdv>},
};

template <typename Key>
const ToolInfo* Find(Key ToolInfo::*field, Key value) {
  for (const ToolInfo& tool : kTools) {
    if (tool.*field == value) return &tool;
  }
  return nullptr;
}

}  // namespace

std::span<const ToolInfo> ToolTable() {
  return kTools;
}

const ToolInfo* FindTool(ToolId id) {
  return Find(&ToolInfo::id, id);
}

const ToolInfo* FindToolByButton(std::string_view button) {
  return Find(&ToolInfo::button, button);
}

const ToolInfo* FindToolByScriptName(std::string_view name) {
  return Find(&ToolInfo::script, name);
}

}  // namespace pixmint::tools
