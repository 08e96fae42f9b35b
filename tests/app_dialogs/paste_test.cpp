#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
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
      {100, 20, 48, 48, true, {48, 9}},   {100, 300, 32, 32, true, {10, 32}},  {1920, 1080, 32, 32, true, {32, 18}},
      {64, 64, 32, 32, true, {32, 32}},
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

// Drags on the selection without a window: (press, move, expected rect).
TEST(PasteSelection, HandleDragsFollowTheirRulesAndKeepThreePixels) {
  struct Case {
    const char* what;
    raster::Point press;
    std::vector<raster::Point> moves;
    PasteRect expected;
  };
  // The selection starts at 0, 0, 40 x 30 in a 200 x 100 picture.
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
}

TEST(PasteSelection, StartValuesAndReleaseAreHeldInTheirRanges) {
  PasteSelection small(20, 10, 32, 32);
  EXPECT_EQ(small.Rect(), (PasteRect{0, 0, 20, 10}));
  PasteSelection selection(200, 100, 32, 32);
  selection.Press({16, 16});
  (void)selection.Move({6, 6});  // left -10, top -10
  EXPECT_EQ(selection.Rect(), (PasteRect{-10, -10, 32, 32}));
  selection.Release();
  EXPECT_EQ(selection.Rect(), (PasteRect{0, 0, 32, 32}));
  selection.Press({16, 16});
  (void)selection.Move({216, 16});
  selection.Release();
  // Each value by itself: left + width may still pass the picture's width.
  EXPECT_EQ(selection.Rect(), (PasteRect{199, 0, 32, 32}));
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

TEST(TfrmPaste, DragsSetTheBoxesAndOkFitsTheSelection) {
  PasteDialog d(raster::Picture(200, 100, Rgb(255, 0, 0)), 32, 32);
  ASSERT_NE(d.box, nullptr);
  EXPECT_EQ(d.box->size(), QSize(200, 100));
  EXPECT_EQ(d.Value("updWidth"), 32);
  EXPECT_EQ(d.dialog.findChild<QSpinBox*>("updLeft")->maximum(), 199);
  EXPECT_TRUE(d.dialog.findChild<QCheckBox*>("CheckBox1")->isChecked());

  d.Drag({0, 16}, {10, 16});  // left-middle handle to the right
  EXPECT_EQ(d.Value("updLeft"), 10);
  EXPECT_EQ(d.Value("updWidth"), 22);
  d.Drag({20, 20}, {0, 20});  // moved 20 left: held at 0 on release
  EXPECT_EQ(d.Value("updLeft"), 0);

  d.Click("btnSelectAll");
  EXPECT_EQ(d.Value("updWidth"), 200);
  EXPECT_EQ(d.Value("updHeight"), 100);
  d.Click("btnOk");
  ASSERT_TRUE(d.dialog.Result().has_value());
  EXPECT_EQ(d.dialog.Result()->Width(), 32);
  EXPECT_EQ(d.dialog.Result()->Height(), 16);
  EXPECT_EQ(d.dialog.Result()->Pixel(31, 15), Rgb(255, 0, 0));
}

TEST(TfrmPaste, WithoutStretchTheTopLeftIsCutAndCancelGivesNothing) {
  raster::Picture picture(200, 100, Rgb(0, 0, 255));
  picture.SetPixel(31, 31, Rgb(0, 255, 0));
  PasteDialog d(picture, 32, 32);
  d.Click("btnSelectAll");
  d.dialog.findChild<QCheckBox*>("CheckBox1")->click();
  d.Click("btnOk");
  ASSERT_TRUE(d.dialog.Result().has_value());
  EXPECT_EQ(d.dialog.Result()->Width(), 32);
  EXPECT_EQ(d.dialog.Result()->Pixel(31, 31), Rgb(0, 255, 0));

  PasteDialog cancelled(picture, 32, 32);
  cancelled.Click("btnCancel");
  EXPECT_FALSE(cancelled.dialog.Result().has_value());
}

raster::Picture FromQImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  raster::Picture picture(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) picture.SetPixel(x, y, Rgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
  }
  return picture;
}

TEST(TfrmPaste, LargeClipboardPictureIntoASmallImage) {
  QImage screenshot(1920, 1080, QImage::Format_RGB32);
  screenshot.fill(QColor(10, 20, 30));
  QGuiApplication::clipboard()->setImage(screenshot);
  const QImage pasted = QGuiApplication::clipboard()->image();
  ASSERT_EQ(pasted.size(), QSize(1920, 1080));
  PasteDialog d(FromQImage(pasted), 32, 32);
  d.dialog.show();
  for (int i = 0; i < 50; ++i) QTest::mouseMove(d.box, QPoint(16 + i, 16));
  d.Drag({32, 32}, {1500, 900});  // bottom-right handle far out
  d.dialog.grab();                // paints the visible part of the picture
  EXPECT_EQ(d.Value("updWidth"), 1500);
  d.Click("btnSelectAll");
  d.Click("btnOk");
  ASSERT_TRUE(d.dialog.Result().has_value());
  EXPECT_EQ(d.dialog.Result()->Width(), 32);
  EXPECT_EQ(d.dialog.Result()->Height(), 18);
  EXPECT_EQ(d.dialog.Result()->Pixel(0, 0), Rgb(10, 20, 30));
}

}  // namespace
}  // namespace pixmint::app
