#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/dialogs/tfrm_paste.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

using raster::Rgb;

TEST(PasteOutputSize, FitsOrCutsTheSelection) {
  struct Case {
    int sw, sh, iw, ih;
    bool stretch;
    Size expected;
  };
  const Case cases[] = {
      {200, 100, 32, 32, true, {32, 16}}, {200, 100, 32, 32, false, {32, 32}}, {40, 100, 48, 48, true, {19, 48}},
      {40, 100, 48, 48, false, {40, 48}}, {20, 20, 32, 32, true, {20, 20}},    {20, 20, 32, 32, false, {20, 20}},
      {100, 20, 48, 48, true, {48, 9}},   {100, 300, 32, 32, true, {10, 32}},  {64, 64, 32, 32, true, {32, 32}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PasteOutputSize(c.sw, c.sh, c.iw, c.ih, c.stretch), c.expected)
        << c.sw << "x" << c.sh << " into " << c.iw << "x" << c.ih << " stretch " << c.stretch;
  }
}

TEST(PasteOutput, TakesOneSourcePixelPerOutputPixelAndTransparencyOutside) {
  const raster::Picture picture = test::FromAscii({"rrgg", "rrgg", "bbyy", "bbyy"});
  EXPECT_TRUE(test::SamePicture(test::FromAscii({"rg", "by"}), PasteOutput(picture, {0, 0, 4, 4}, 2, 2, true)));
  EXPECT_TRUE(test::SamePicture(test::FromAscii({"rr", "rr"}), PasteOutput(picture, {0, 0, 4, 4}, 2, 2, false)));
  // The area reaches beyond the picture: what lies outside is transparent.
  EXPECT_TRUE(
      test::SamePicture(test::FromAscii({"gtt", "ytt", "ytt"}), PasteOutput(picture, {3, 1, 3, 3}, 8, 8, true)));
  EXPECT_TRUE(test::SamePicture(test::FromAscii({"gt", "gt"}), PasteOutput(picture, {3, 0, 3, 4}, 2, 2, false)));
}

// Drags on the selection without a window, from 0, 0, 40 x 30 in a 200 x 100
// picture: a handle stops three pixels before the opposite edge and refused
// steps add up; start values and the release are held each in its range.
TEST(PasteSelection, HandlesKeepThreePixelsAndValuesAreHeldInTheirRanges) {
  struct Case {
    const char* what;
    raster::Point press;
    std::vector<raster::Point> moves;
    PasteRect expected;
  };
  const Case cases[] = {
      {"move", {20, 15}, {{25, 18}}, {5, 3, 40, 30}},
      {"left middle right", {0, 15}, {{10, 15}}, {10, 0, 30, 30}},
      {"left middle stops 3 before the right edge", {0, 15}, {{36, 15}, {38, 15}}, {36, 0, 4, 30}},
      {"refused steps add up", {40, 15}, {{2, 15}, {10, 15}}, {0, 0, 10, 30}},
      {"bottom right", {40, 30}, {{50, 45}}, {0, 0, 50, 45}},
      {"top middle", {20, 0}, {{20, 5}}, {0, 5, 40, 25}},
      {"top right", {40, 0}, {{45, 2}}, {0, 2, 45, 28}},
      {"bottom left", {0, 30}, {{4, 20}}, {4, 0, 36, 20}},
      {"outside", {100, 80}, {{120, 90}}, {0, 0, 40, 30}},
  };
  for (const Case& c : cases) {
    PasteSelection selection(200, 100, 40, 30);
    selection.Press(c.press);
    for (const raster::Point p : c.moves) (void)selection.Move(p);
    EXPECT_EQ(selection.Rect(), c.expected) << c.what;
  }
  EXPECT_EQ(PasteSelection(20, 10, 32, 32).Rect(), (PasteRect{0, 0, 20, 10}));
  PasteSelection selection(200, 100, 32, 32);
  for (const auto& [to, held] :
       {std::pair{raster::Point{6, 6}, PasteRect{0, 0, 32, 32}}, {raster::Point{216, 16}, PasteRect{199, 0, 32, 32}}}) {
    selection.Press({16, 16});
    (void)selection.Move(to);
    selection.Release();
    EXPECT_EQ(selection.Rect(), held) << "each value by itself: left + width may pass the picture's width";
  }
}

// The dialog itself, driven through its controls.
struct PasteDialog {
  PasteDialog(raster::Picture picture, int iw, int ih) : dialog(nullptr, std::move(picture), iw, ih) {
    box = dialog.findChild<QWidget*>("PaintBox1");
  }
  int Value(const char* name) { return dialog.findChild<QSpinBox*>(QString::fromLatin1(name))->value(); }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(box, Qt::LeftButton, {}, from);
    QTest::mouseMove(box, to);
    QTest::mouseRelease(box, Qt::LeftButton, {}, to);
  }
  void Click(const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  TfrmPaste dialog;
  QWidget* box = nullptr;
};

// On a screenshot-sized picture for a 32 x 32 image: handle drags set the
// boxes (held on release), only the visible part is painted, Select All and
// OK fit it whole; without stretch its top left is cut out; Cancel gives
// nothing.
TEST(TfrmPaste, DragsSetTheBoxesAndOkFitsOrCutsTheSelection) {
  raster::Picture picture(1920, 1080, Rgb(10, 20, 30));
  picture.SetPixel(31, 31, Rgb(0, 255, 0));
  PasteDialog d(picture, 32, 32);
  d.dialog.show();
  EXPECT_EQ(d.Value("updWidth"), 32);
  EXPECT_TRUE(d.dialog.findChild<QCheckBox*>("CheckBox1")->isChecked());
  for (int i = 0; i < 50; ++i) QTest::mouseMove(d.box, QPoint(16 + i, 16));
  d.Drag({0, 16}, {10, 16});  // left-middle handle to the right
  EXPECT_EQ(d.Value("updLeft"), 10);
  EXPECT_EQ(d.Value("updWidth"), 22);
  d.Drag({20, 20}, {0, 20});  // moved 20 left: held at 0 on release
  EXPECT_EQ(d.Value("updLeft"), 0);
  d.Drag({22, 32}, {1500, 900});  // bottom-right handle far out
  d.dialog.grab();
  EXPECT_EQ(d.Value("updWidth"), 1500);
  d.Click("btnSelectAll");
  EXPECT_EQ(d.Value("updHeight"), 1080);
  d.Click("btnOk");
  ASSERT_TRUE(d.dialog.Result().has_value());
  EXPECT_EQ(d.dialog.Result()->Width(), 32);
  EXPECT_EQ(d.dialog.Result()->Height(), 18);
  EXPECT_EQ(d.dialog.Result()->Pixel(0, 0), Rgb(10, 20, 30));

  PasteDialog cut(picture, 32, 32);
  cut.Click("btnSelectAll");
  cut.dialog.findChild<QCheckBox*>("CheckBox1")->click();
  cut.Click("btnOk");
  ASSERT_TRUE(cut.dialog.Result().has_value());
  EXPECT_EQ(cut.dialog.Result()->Width(), 32);
  EXPECT_EQ(cut.dialog.Result()->Pixel(31, 31), Rgb(0, 255, 0));
  PasteDialog cancelled(picture, 32, 32);
  cancelled.Click("btnCancel");
  EXPECT_FALSE(cancelled.dialog.Result().has_value());
}

}  // namespace
}  // namespace pixmint::app
