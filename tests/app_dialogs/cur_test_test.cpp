#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <iterator>

#include "app/dialogs/tfrm_cur_test.h"
#include "app/dialogs/tfrm_pic_to_ico.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "support/pixel_grid.h"
#include "support/qt_children.h"

namespace pixmint::app {
namespace {

// A cursor with a 16 x 16 and a 32 x 32 image; the 32 x 32 one has a red
// opaque pixel at (1, 1), the rest lets the screen through.
struct CurTestFixture {
  CurTestFixture() {
    cursor.SetIcon(false);
    for (std::uint32_t i = 0; i < 2; ++i) {
      EXPECT_TRUE(cursor.AddImage(16 << i, 16 << i, 24));
      cursor.XorBitmap(i)->Fill(0);
      cursor.AndBitmap(i)->Fill(true);
    }
    cursor.XorBitmap(1)->SetPixel(1, 1, raster::Rgb(255, 0, 0));
    cursor.AndBitmap(1)->Set(1, 1, false);
  }
  CurTestRequest Request(int image) { return {&cursor, image, 32, 32, folder.Path()}; }
  document::TKvIcon cursor;
  test::TempDir folder;
};

// The boxes hold their limits and write the hot spot at once; trying writes
// a cursor file with it and shows it with its hot spot; closing removes it.
TEST(TfrmCurTest, BoxesWriteTheHotSpotAndTryingShowsTheCursor) {
  CurTestFixture f;
  f.cursor.SetHotSpot(1, {4, 5});
  TfrmCurTest dialog(nullptr, f.Request(1));
  auto* x = test::Find<QSpinBox>(dialog, "updX");
  auto* y = test::Find<QSpinBox>(dialog, "updY");
  EXPECT_EQ(x->value(), 4);
  EXPECT_EQ(y->value(), 5);
  x->selectAll();
  QTest::keyClicks(x, QStringLiteral("40"));  // typed: held at the largest
  y->setValue(3);
  EXPECT_EQ(f.cursor.GetHotSpot(1), (raster::Point{31, 3}));
  x->setValue(7);
  EXPECT_EQ(f.cursor.GetHotSpot(1), (raster::Point{7, 3}));
  EXPECT_EQ(f.cursor.GetHotSpot(0), (raster::Point{0, 0}));

  const std::filesystem::path file = dialog.TestFile();
  EXPECT_EQ(file.parent_path(), f.folder.Path());
  EXPECT_FALSE(std::filesystem::exists(file));
  test::Click(dialog, "Button2");
  // The cursor shown is read back from that file: it has the hot spot the file holds.
  EXPECT_EQ(dialog.TestArea()->cursor().hotSpot(), QPoint(7, 3));
  const QImage picture = dialog.TestArea()->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picture.size(), QSize(32, 32));  // the image that suits the screen
  EXPECT_EQ(picture.pixel(1, 1), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
  // Trying again reuses the same file.
  x->setValue(2);
  test::Click(dialog, "Button2");
  EXPECT_EQ(dialog.TestArea()->cursor().hotSpot(), QPoint(2, 3));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.Path()), {}), 1);
  test::Click(dialog, "Button1");
  EXPECT_FALSE(std::filesystem::exists(file));

  // Nothing selected: the first image's hot spot shows, changes are ignored.
  TfrmCurTest none(nullptr, f.Request(-1));
  test::Find<QSpinBox>(none, "updX")->setValue(9);
  EXPECT_EQ(f.cursor.GetHotSpot(0), (raster::Point{0, 0}));
}

// The converter's hot-spot boxes reach across the master and scale to each
// size; Save suggests the master's name with the kind's extension, and a
// bare name gets it.
TEST(TfrmPicToIco, CursorHotSpotBoxesAndTheSuggestedName) {
  test::TempDir dir;
  const std::string master = (dir / "arrow.png").string();
  ASSERT_TRUE(document::SavePngFile(master, raster::Picture(64, 64, raster::Rgb(200, 30, 30))));
  TfrmPicToIco dialog(
      nullptr, {QStringLiteral("/opt/pixmint/pixmint"), [](const QString&, const QStringList&) { return true; }});
  QString suggested;
  dialog.SetSaveChooser([&](const QString& name, bool cursor) {
    suggested = name + (cursor ? "|cursor" : "|icon");
    return QString::fromStdString((dir / "made").string());
  });
  ASSERT_TRUE(dialog.AddMasters({QString::fromStdString(master)}));
  test::Click(dialog, "rdoCursor");
  auto* x = test::Find<QSpinBox>(dialog, "updHotX");
  EXPECT_TRUE(x->isEnabled());
  EXPECT_EQ(x->maximum(), 63);
  x->setValue(32);
  test::Find<QSpinBox>(dialog, "updHotY")->setValue(63);
  ASSERT_NE(dialog.Result(), nullptr);
  EXPECT_EQ(dialog.Result()->GetHotSpot(0), (raster::Point{8, 15}));
  EXPECT_EQ(dialog.Result()->GetHotSpot(7), (raster::Point{130, 254}));
  test::Click(dialog, "btnSave");
  EXPECT_EQ(suggested, QStringLiteral("arrow.cur|cursor"));
  EXPECT_EQ(dialog.SavedFile().toStdString(), (dir / "made.cur").string());
}

}  // namespace
}  // namespace pixmint::app
