#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/dialogs/tfrm_cur_test.h"
#include "document/kv_icon.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

using raster::Rgb;

// A cursor with a 16 x 16 and a 32 x 32 image; the 32 x 32 one has a red
// opaque pixel at (1, 1), the rest lets the screen through.
void MakeCursor(document::TKvIcon& cursor) {
  cursor.SetIcon(false);
  ASSERT_TRUE(cursor.AddImage(16, 16, 24));
  ASSERT_TRUE(cursor.AddImage(32, 32, 24));
  for (std::uint32_t i = 0; i < 2; ++i) {
    cursor.XorBitmap(i)->Fill(0);
    cursor.AndBitmap(i)->Fill(true);
  }
  cursor.XorBitmap(1)->SetPixel(1, 1, Rgb(255, 0, 0));
  cursor.AndBitmap(1)->Set(1, 1, false);
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct CurTestFixture {
  CurTestFixture() { MakeCursor(cursor); }
  CurTestRequest Request(int image) { return {&cursor, image, 32, 32, folder.Path()}; }
  document::TKvIcon cursor;
  test::TempDir folder;
};

TEST(TfrmCurTest, BoxesHoldTheirLimitsAndWriteTheHotSpotAtOnce) {
  CurTestFixture f;
  f.cursor.SetHotSpot(1, {4, 5});
  TfrmCurTest dialog(nullptr, f.Request(1));
  auto* x = dialog.findChild<QSpinBox*>("updX");
  auto* y = dialog.findChild<QSpinBox*>("updY");
  EXPECT_EQ(x->value(), 4);
  EXPECT_EQ(y->value(), 5);
  EXPECT_EQ(x->maximum(), 31);
  x->selectAll();
  QTest::keyClicks(x, QStringLiteral("40"));  // typed: held at the largest
  y->setValue(3);
  EXPECT_EQ(f.cursor.GetHotSpot(1), (raster::Point{31, 3}));
  x->setValue(7);
  EXPECT_EQ(f.cursor.GetHotSpot(1), (raster::Point{7, 3}));
  EXPECT_EQ(f.cursor.GetHotSpot(0), (raster::Point{0, 0}));

  // Nothing selected: the first image's hot spot shows, changes are ignored.
  TfrmCurTest none(nullptr, f.Request(-1));
  none.findChild<QSpinBox*>("updX")->setValue(9);
  EXPECT_EQ(f.cursor.GetHotSpot(0), (raster::Point{0, 0}));
}

TEST(TfrmCurTest, TryingWritesTheFileAndShowsTheCursorWithItsHotSpot) {
  CurTestFixture f;
  std::filesystem::path file;
  {
    TfrmCurTest dialog(nullptr, f.Request(1));
    dialog.findChild<QSpinBox*>("updX")->setValue(7);
    dialog.findChild<QSpinBox*>("updY")->setValue(3);
    file = dialog.TestFile();
    EXPECT_EQ(file.parent_path(), f.folder.Path());
    EXPECT_EQ(file.extension(), ".cur");
    EXPECT_FALSE(std::filesystem::exists(file));

    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(file));
    // The second directory entry carries the hot spot in place of planes and bit count.
    const std::vector<std::uint8_t> bytes = ReadAll(file);
    ASSERT_GT(bytes.size(), 38u);
    EXPECT_EQ(bytes[2], 2);           // cursor file
    EXPECT_EQ(bytes[6 + 16 + 4], 7);  // x
    EXPECT_EQ(bytes[6 + 16 + 6], 3);  // y

    const QCursor shown = dialog.TestArea()->cursor();
    EXPECT_EQ(shown.hotSpot(), QPoint(7, 3));
    const QImage picture = shown.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));  // the image that suits the screen
    EXPECT_EQ(picture.pixel(1, 1), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);

    // Trying again reuses the same file.
    dialog.findChild<QSpinBox*>("updX")->setValue(2);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_EQ(dialog.TestFile(), file);
    EXPECT_EQ(dialog.TestArea()->cursor().hotSpot(), QPoint(2, 3));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.Path()), {}), 1);

    QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(file));
  }
}

TEST(TfrmCurTest, ScribblingDrawsOnlyWhileTheButtonIsDown) {
  CurTestFixture f;
  TfrmCurTest dialog(nullptr, f.Request(0));
  QWidget* area = dialog.TestArea();
  dialog.show();
  QTest::mouseMove(area, {10, 10});
  QTest::mousePress(area, Qt::LeftButton, {}, {10, 10});
  QTest::mouseMove(area, {60, 10});
  QTest::mouseRelease(area, Qt::LeftButton, {}, {60, 10});
  QTest::mouseMove(area, {60, 60});
  const QImage shot = area->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(30, 10)), QColor(Qt::black));
  EXPECT_NE(QColor(shot.pixel(60, 40)), QColor(Qt::black));
}

}  // namespace
}  // namespace pixmint::app
