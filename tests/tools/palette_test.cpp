#include <gtest/gtest.h>

#include <tuple>

#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/tool_palette.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

class PaletteTest : public ::testing::Test {
 protected:
  FakeHost host{16, 16, 4};
  MemorySettings settings;
  ToolPalette palette{host, settings};
};

int WidthOf(WidthRule rule, int option) {
  switch (rule) {
    case WidthRule::kPlusOne:
      return option + 1;
    case WidthRule::kBrush:
      return 2 * option + 3;
    case WidthRule::kSpray:
      return 2 * option + 7;
    default:
      return 1;
  }
}

// Every tool with options starts at its last one at full opacity; each option
// sets the pen width by the tool's rule, is stored and rebuilds the tool; a
// click on the chosen tool keeps the option.
TEST_F(PaletteTest, EveryToolsOptionsSetItsWidthAndAreStored) {
  int tools = 0;
  for (const ToolInfo& tool : ToolTable()) {
    if (tool.optionCount == 0) continue;
    SCOPED_TRACE(tool.script);
    ++tools;
    palette.ClickTool(tool.id);
    EXPECT_EQ(palette.OptionIndex(), tool.optionCount - 1);
    EXPECT_EQ(palette.Opacity(), 100);
    for (int option = 0; option < tool.optionCount; ++option) {
      palette.OptionClick(option);
      EXPECT_EQ(palette.ToolWidth(), WidthOf(tool.widthRule, option));
      EXPECT_EQ(palette.CurTool()->PenWidth, palette.ToolWidth());
      EXPECT_EQ(settings.RegReadInt(tool.widthKey), option);
      if (tool.widthRule == WidthRule::kBrush) {
        EXPECT_EQ(palette.BrushRings(), option + 2);
      }
    }
    palette.OptionClick(1);
    settings.values.clear();
    palette.ClickTool(tool.id);
    EXPECT_EQ(palette.OptionIndex(), 1);
    EXPECT_EQ(settings.RegReadInt(tool.opacityKey), 100);
  }
  EXPECT_GE(tools, 5);
}

TEST_F(PaletteTest, StoredValuesAndTypedOpacitiesAreClamped) {
  settings.RegWriteInt("PenWidth", -3);
  settings.RegWriteInt("SprayWidth", 17);
  settings.RegWriteInt("PenOpacity", 250);
  settings.RegWriteInt("SprayOpacity", -20);
  palette.ClickTool(ToolId::kPencil);
  EXPECT_EQ(palette.OptionIndex(), 0);
  EXPECT_EQ(palette.Opacity(), 100);
  EXPECT_EQ(settings.RegReadInt("PenWidth"), 0);
  EXPECT_EQ(settings.RegReadInt("PenOpacity"), 100);
  palette.ClickTool(ToolId::kSpray);
  EXPECT_EQ(palette.OptionIndex(), 2);
  EXPECT_EQ(palette.Opacity(), 0);
  EXPECT_EQ(settings.RegReadInt("SprayWidth"), 2);

  palette.ClickTool(ToolId::kLine);
  for (auto [typed, shown, opacity] :
       {std::tuple{"250", "100", 100}, {"40", "40", 40}, {"", "", 40}, {"99999999999999999999999", "100", 100}}) {
    palette.OpacityTextChanged(typed);
    EXPECT_EQ(palette.OpacityText(), shown) << typed;
    EXPECT_EQ(palette.CurTool()->Opacity, opacity) << typed;
    EXPECT_EQ(settings.RegReadInt("LineOpacity"), opacity) << typed;
  }
  // The eraser takes everything, whatever the box says.
  palette.OpacityTextChanged("30");
  palette.ClickTool(ToolId::kEraser);
  EXPECT_EQ(palette.CurTool()->Opacity, 100);
  EXPECT_EQ(palette.CurTool()->Kind, raster::PaintKind::kTransparent);
}

TEST_F(PaletteTest, DropperAndSelectionToolsLeaveTheLastDrawingTool) {
  for (const ToolInfo& tool : ToolTable()) {
    if (!tool.setsLastDrawTool) continue;
    palette.ClickTool(tool.id);
    for (ToolId other : {ToolId::kDropper, ToolId::kMoveScale, ToolId::kSelectBas, ToolId::kSelectAdv}) {
      palette.ClickTool(other);
      EXPECT_EQ(palette.CurrentTool(), other);
      EXPECT_EQ(palette.LastDrawTool(), tool.id);
      EXPECT_TRUE(palette.OptionItems().empty());
    }
    EXPECT_EQ(dynamic_cast<TKvSelectAdv&>(*palette.CurTool()).Target, &host.floatPicture);
    EXPECT_EQ(host.cursor, ToolCursor::kCross);
    palette.ReturnToLastTool();
    EXPECT_EQ(palette.CurrentTool(), tool.id) << tool.script;
    EXPECT_EQ(host.cursor, tool.cursor) << tool.script;
  }
  host.hasImage = false;
  palette.ClickTool(ToolId::kDropper);
  palette.ReturnToLastTool();
  EXPECT_EQ(palette.CurrentTool(), ToolId::kDropper);
}

// In Alpha mode a click only remembers the choice; reselecting restarts a
// curve; the text tool moves to move/scale only when a text was placed.
TEST_F(PaletteTest, AlphaModeCurveRestartAndText) {
  palette.ClickTool(ToolId::kBrush);
  const TKvPaint* before = palette.CurTool();
  host.alphaMode = true;
  palette.ClickTool(ToolId::kCurve);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kBrush);
  EXPECT_EQ(palette.LastDrawTool(), ToolId::kCurve);
  EXPECT_EQ(palette.DownButton(), ToolId::kCurve);
  EXPECT_EQ(palette.CurTool(), before);
  EXPECT_EQ(host.statusClears, 1);
  host.alphaMode = false;
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.CurrentTool(), ToolId::kCurve);
  Stroke(*palette.CurTool(), {{1, 1}});
  EXPECT_EQ(palette.CurTool()->NextClick(), 1);
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.CurTool()->NextClick(), 0);

  palette.ClickTool(ToolId::kText);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kText);
  EXPECT_EQ(host.textDialogs, 1);
  host.textAnswer = true;
  palette.ReselectCurrentTool();
  EXPECT_EQ(host.textDialogs, 2);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kMoveScale);
  EXPECT_EQ(palette.LastDrawTool(), ToolId::kText);
}

}  // namespace
}  // namespace pixmint::tools::test
