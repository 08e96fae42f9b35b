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
    int tool;
    int width;
    int lastIndex;
  } cases[] = {{kToolPencil, 4, 3}, {kToolBrush, 9, 3}, {kToolEllipse, 4, 3}, {kToolSpray, 11, 2}};
  for (const auto& c : cases) {
    palette.ClickTool(c.tool);
    EXPECT_EQ(palette.ToolWidth(), c.width) << c.tool;
    EXPECT_EQ(palette.OptionIndex(), c.lastIndex) << c.tool;
    EXPECT_EQ(palette.Opacity(), 100) << c.tool;
  }
  palette.ClickTool(kToolBrush);
  EXPECT_EQ(palette.BrushRings(), 5);
  EXPECT_EQ(dynamic_cast<TKvBrush&>(*palette.CurTool()).PenWidth, 9);
}

TEST_F(PaletteTest, StoredValuesAreClampedAndWrittenBack) {
  settings.ints["PenWidth"] = -3;
  settings.ints["SprayWidth"] = 17;
  settings.ints["PenOpacity"] = 250;
  settings.ints["SprayOpacity"] = -20;
  palette.ClickTool(kToolPencil);
  EXPECT_EQ(palette.OptionIndex(), 0);
  EXPECT_EQ(palette.ToolWidth(), 1);
  EXPECT_EQ(palette.Opacity(), 100);
  EXPECT_EQ(settings.ints["PenWidth"], 0);
  EXPECT_EQ(settings.ints["PenOpacity"], 100);
  palette.ClickTool(kToolSpray);
  EXPECT_EQ(palette.OptionIndex(), 2);
  EXPECT_EQ(palette.ToolWidth(), 11);
  EXPECT_EQ(palette.Opacity(), 0);
  EXPECT_EQ(settings.ints["SprayWidth"], 2);
}

TEST_F(PaletteTest, OptionClickSetsTheWidthSavesAndRebuilds) {
  palette.ClickTool(kToolBrush);
  palette.OptionClick(1);
  EXPECT_EQ(palette.ToolWidth(), 5);
  EXPECT_EQ(palette.BrushRings(), 3);
  EXPECT_EQ(settings.ints["BrushWidth"], 1);
  EXPECT_EQ(dynamic_cast<TKvBrush*>(palette.CurTool())->PenWidth, 5);  // rebuilt
  palette.ClickTool(kToolSpray);
  palette.OptionClick(0);
  EXPECT_EQ(palette.ToolWidth(), 7);
}

TEST_F(PaletteTest, OpacityBoxClampsItsText) {
  palette.ClickTool(kToolLine);
  palette.OpacityTextChanged("250");
  EXPECT_EQ(palette.OpacityText(), "100");
  palette.OpacityTextChanged("40");
  EXPECT_EQ(palette.Opacity(), 40);
  EXPECT_EQ(palette.CurTool()->Opacity, 40);
  EXPECT_EQ(settings.ints["LineOpacity"], 40);
  palette.OpacityTextChanged("");
  EXPECT_EQ(palette.Opacity(), 40);
  palette.OpacityTextChanged("99999999999999999999999");
  EXPECT_EQ(palette.OpacityText(), "100");
}

TEST_F(PaletteTest, TransparencyIsPaintedAtFullStrengthWhateverTheBoxSays) {
  palette.ClickTool(kToolPencil);
  palette.OpacityTextChanged("30");
  palette.ClickTool(kToolEraser);
  EXPECT_EQ(palette.OpacityText(), "30");
  EXPECT_EQ(palette.CurTool()->Opacity, 100);
  EXPECT_EQ(palette.CurTool()->Color, raster::Markers().trans);
  host.fore = raster::Markers().trans;
  palette.ClickTool(kToolRect);
  palette.OpacityTextChanged("50");
  EXPECT_EQ(palette.CurTool()->Opacity, 100);
}

TEST_F(PaletteTest, ClickingTheChosenToolAgainKeepsTheOptionAndRestartsACurve) {
  palette.ClickTool(kToolLine);
  palette.OptionClick(2);
  settings.ints.clear();
  palette.ClickTool(kToolLine);
  EXPECT_EQ(palette.OptionIndex(), 2);
  EXPECT_EQ(settings.ints["LineWidth"], 2);
  EXPECT_EQ(settings.ints["LineOpacity"], 100);
  palette.ClickTool(kToolCurve);
  palette.SetCurveStage(2);
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.CurveStage(), 0);
}

TEST_F(PaletteTest, DropperAndSelectionToolsLeaveTheLastDrawingTool) {
  host.floatOrigin = {3, 4};
  palette.ClickTool(kToolBrush);
  for (int tool : {kToolDropper, kToolMoveScale, kToolSelectBas, kToolSelectAdv}) {
    palette.ClickTool(tool);
    EXPECT_EQ(palette.ToolId(), tool);
    EXPECT_EQ(palette.LastDrawTool(), kToolBrush);
    EXPECT_TRUE(palette.OptionItems().empty());
    if (tool == kToolMoveScale) {  // the selection tools work on the floating picture
      const auto& move = dynamic_cast<TKvMoveScale&>(*palette.CurTool());
      EXPECT_EQ(move.Target, &host.floatPicture);
      EXPECT_EQ(move.FloatPos, (raster::Point{3, 4}));
      EXPECT_EQ(move.Handle, kHandleOutside);
    }
  }
  EXPECT_EQ(dynamic_cast<TKvSelectAdv&>(*palette.CurTool()).Target, &host.floatPicture);
  EXPECT_EQ(host.cursor, ToolCursor::kCross);
  palette.ReturnToLastTool();
  EXPECT_EQ(palette.ToolId(), kToolBrush);
  EXPECT_EQ(host.cursor, ToolCursor::kBrush);
  host.hasImage = false;
  palette.ClickTool(kToolDropper);
  palette.ReturnToLastTool();
  EXPECT_EQ(palette.ToolId(), kToolDropper);
}

TEST_F(PaletteTest, AlphaModeOnlyRemembersTheChoice) {
  palette.ClickTool(kToolBrush);
  const TKvPaint* before = palette.CurTool();
  host.alphaMode = true;
  palette.ClickTool(kToolLine);
  EXPECT_EQ(palette.ToolId(), kToolBrush);
  EXPECT_EQ(palette.LastDrawTool(), kToolLine);
  EXPECT_EQ(palette.DownButton(), kToolLine);
  EXPECT_EQ(palette.CurTool(), before);
  EXPECT_EQ(host.statusClears, 1);
  host.alphaMode = false;
  palette.ReselectCurrentTool();
  EXPECT_EQ(palette.ToolId(), kToolLine);
}

TEST_F(PaletteTest, TextToolSwitchesToMoveScaleOnlyWhenATextWasPlaced) {
  palette.ClickTool(kToolText);
  EXPECT_EQ(palette.ToolId(), kToolText);
  EXPECT_EQ(palette.LastDrawTool(), kToolText);
  EXPECT_EQ(host.textDialogs, 1);
  host.textAnswer = true;
  palette.ReselectCurrentTool();
  EXPECT_EQ(host.textDialogs, 2);
  EXPECT_EQ(palette.ToolId(), kToolMoveScale);
  EXPECT_EQ(palette.LastDrawTool(), kToolText);
}

TEST_F(PaletteTest, PinnedSprayIsReproducible) {
  palette.Random().Pin(9);
  palette.ClickTool(kToolSpray);
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
