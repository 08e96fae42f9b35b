#include <gtest/gtest.h>

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

TEST_F(PaletteTest, FirstUseStartsAtTheLastOptionAndFullOpacity) {
  const struct {
    ToolId tool;
    int width;
    int lastIndex;
  } cases[] = {{ToolId::kPencil, 4, 3}, {ToolId::kBrush, 9, 3}, {ToolId::kEllipse, 4, 3}, {ToolId::kSpray, 11, 2}};
  for (const auto& c : cases) {
    palette.ClickTool(c.tool);
    EXPECT_EQ(palette.ToolWidth(), c.width) << Number(c.tool);
    EXPECT_EQ(palette.OptionIndex(), c.lastIndex) << Number(c.tool);
    EXPECT_EQ(palette.Opacity(), 100) << Number(c.tool);
  }
  palette.ClickTool(ToolId::kBrush);
  EXPECT_EQ(palette.BrushRings(), 5);
  EXPECT_EQ(dynamic_cast<TKvBrush&>(*palette.CurTool()).PenWidth, 9);
}

TEST_F(PaletteTest, StoredValuesAreClampedAndWrittenBack) {
  settings.RegWriteInt("PenWidth", -3);
  settings.RegWriteInt("SprayWidth", 17);
  settings.RegWriteInt("PenOpacity", 250);
  settings.RegWriteInt("SprayOpacity", -20);
  palette.ClickTool(ToolId::kPencil);
  EXPECT_EQ(palette.OptionIndex(), 0);
  EXPECT_EQ(palette.ToolWidth(), 1);
  EXPECT_EQ(palette.Opacity(), 100);
  EXPECT_EQ(settings.RegReadInt("PenWidth"), 0);
  EXPECT_EQ(settings.RegReadInt("PenOpacity"), 100);
  palette.ClickTool(ToolId::kSpray);
  EXPECT_EQ(palette.OptionIndex(), 2);
  EXPECT_EQ(palette.ToolWidth(), 11);
  EXPECT_EQ(palette.Opacity(), 0);
  EXPECT_EQ(settings.RegReadInt("SprayWidth"), 2);
}

TEST_F(PaletteTest, OptionClickSetsTheWidthSavesAndRebuilds) {
  palette.ClickTool(ToolId::kBrush);
  palette.OptionClick(1);
  EXPECT_EQ(palette.ToolWidth(), 5);
  EXPECT_EQ(palette.BrushRings(), 3);
  EXPECT_EQ(settings.RegReadInt("BrushWidth"), 1);
  EXPECT_EQ(dynamic_cast<TKvBrush*>(palette.CurTool())->PenWidth, 5);  // rebuilt
  palette.ClickTool(ToolId::kSpray);
  palette.OptionClick(0);
  EXPECT_EQ(palette.ToolWidth(), 7);
}

TEST_F(PaletteTest, OpacityBoxClampsItsText) {
  palette.ClickTool(ToolId::kLine);
  palette.OpacityTextChanged("250");
  EXPECT_EQ(palette.OpacityText(), "100");
  palette.OpacityTextChanged("40");
  EXPECT_EQ(palette.Opacity(), 40);
  EXPECT_EQ(palette.CurTool()->Opacity, 40);
  EXPECT_EQ(settings.RegReadInt("LineOpacity"), 40);
  palette.OpacityTextChanged("");
  EXPECT_EQ(palette.Opacity(), 40);
  palette.OpacityTextChanged("99999999999999999999999");
  EXPECT_EQ(palette.OpacityText(), "100");
}

TEST_F(PaletteTest, TheEraserTakesEverythingWhateverTheBoxSays) {
  palette.ClickTool(ToolId::kPencil);
  palette.OpacityTextChanged("30");
  palette.ClickTool(ToolId::kEraser);
  EXPECT_EQ(palette.OpacityText(), "30");
  EXPECT_EQ(palette.CurTool()->Opacity, 100);
  EXPECT_EQ(palette.CurTool()->Kind, raster::PaintKind::kTransparent);
}

TEST_F(PaletteTest, ClickingTheChosenToolAgainKeepsTheOptionAndRestartsACurve) {
  palette.ClickTool(ToolId::kLine);
  palette.OptionClick(2);
  settings.values.clear();
  palette.ClickTool(ToolId::kLine);
  EXPECT_EQ(palette.OptionIndex(), 2);
  EXPECT_EQ(settings.RegReadInt("LineWidth"), 2);
  EXPECT_EQ(settings.RegReadInt("LineOpacity"), 100);
  palette.ClickTool(ToolId::kCurve);
  Stroke(*palette.CurTool(), {{1, 1}});
  EXPECT_EQ(palette.CurTool()->NextClick(), 1);
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.CurTool()->NextClick(), 0);
}

TEST_F(PaletteTest, DropperAndSelectionToolsLeaveTheLastDrawingTool) {
  palette.ClickTool(ToolId::kBrush);
  for (ToolId tool : {ToolId::kDropper, ToolId::kMoveScale, ToolId::kSelectBas, ToolId::kSelectAdv}) {
    palette.ClickTool(tool);
    EXPECT_EQ(palette.CurrentTool(), tool);
    EXPECT_EQ(palette.LastDrawTool(), ToolId::kBrush);
    EXPECT_TRUE(palette.OptionItems().empty());
    if (tool == ToolId::kMoveScale) {  // the selection tools work on the floating picture
      const auto& move = dynamic_cast<TKvMoveScale&>(*palette.CurTool());
      EXPECT_EQ(move.Target, &host.floatPicture);
      EXPECT_EQ(move.Handle, raster::FrameHandle::kOutside);
    }
  }
  EXPECT_EQ(dynamic_cast<TKvSelectAdv&>(*palette.CurTool()).Target, &host.floatPicture);
  EXPECT_EQ(host.cursor, ToolCursor::kCross);
  palette.ReturnToLastTool();
  EXPECT_EQ(palette.CurrentTool(), ToolId::kBrush);
  EXPECT_EQ(host.cursor, ToolCursor::kBrush);
  // Every drawing tool is returned to, whatever its number.
  for (const ToolInfo& tool : ToolTable()) {
    if (!tool.setsLastDrawTool) continue;
    palette.ClickTool(tool.id);
    palette.ClickTool(ToolId::kDropper);
    palette.ReturnToLastTool();
    EXPECT_EQ(palette.CurrentTool(), tool.id) << tool.script;
  }
  host.hasImage = false;
  palette.ClickTool(ToolId::kDropper);
  palette.ReturnToLastTool();
  EXPECT_EQ(palette.CurrentTool(), ToolId::kDropper);
}

TEST_F(PaletteTest, AlphaModeOnlyRemembersTheChoice) {
  palette.ClickTool(ToolId::kBrush);
  const TKvPaint* before = palette.CurTool();
  host.alphaMode = true;
  palette.ClickTool(ToolId::kLine);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kBrush);
  EXPECT_EQ(palette.LastDrawTool(), ToolId::kLine);
  EXPECT_EQ(palette.DownButton(), ToolId::kLine);
  EXPECT_EQ(palette.CurTool(), before);
  EXPECT_EQ(host.statusClears, 1);
  host.alphaMode = false;
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.CurrentTool(), ToolId::kLine);
}

TEST_F(PaletteTest, TextToolSwitchesToMoveScaleOnlyWhenATextWasPlaced) {
  palette.ClickTool(ToolId::kText);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kText);
  EXPECT_EQ(palette.LastDrawTool(), ToolId::kText);
  EXPECT_EQ(host.textDialogs, 1);
  host.textAnswer = true;
  palette.ReselectCurrentTool();
  EXPECT_EQ(host.textDialogs, 2);
  EXPECT_EQ(palette.CurrentTool(), ToolId::kMoveScale);
  EXPECT_EQ(palette.LastDrawTool(), ToolId::kText);
}

TEST_F(PaletteTest, PinnedSprayIsReproducible) {
  palette.Random().Pin(9);
  palette.ClickTool(ToolId::kSpray);
  Stroke(*palette.CurTool(), {{8, 8}});
  const raster::Picture first = host.work;
  EXPECT_FALSE(first == raster::Picture(16, 16, raster::Rgb(255, 255, 255)));
  host.work.Fill(raster::Rgb(255, 255, 255));
  palette.Random().Pin(9);
  palette.ReselectCurrentTool();
  Stroke(*palette.CurTool(), {{8, 8}});
  EXPECT_TRUE(first == host.work);
}

}  // namespace
}  // namespace pixmint::tools::test
