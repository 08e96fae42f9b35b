// Pictures between the core and Qt: canvas wrapping, clipboard copies, the
// classic mask-and-colour drawing of list thumbnails, and the file filters.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>

#include "app/canvas_widget.h"
#include "app/icon_drawing.h"
#include "app/picture_image.h"
#include "app/qt_host.h"
#include "doctor/picks.h"
#include "document/kv_icon.h"
#include "editor/editor_state.h"

namespace pixmint::app {
namespace {

TEST(PictureImage, WrapsRowsWithTheirPaddingAndKeepsChannelOrder) {
  // Width 5 gives 15 bytes a row padded to 16: a wrong stride shears the picture.
  for (int width : {1, 2, 3, 5, 7}) {
    raster::Picture picture(width, 3, raster::Rgb(1, 2, 3));
    picture.SetPixel(width - 1, 2, raster::Rgb(200, 100, 50));
    const QImage image = WrapPicture(picture);
    ASSERT_EQ(image.size(), QSize(width, 3));
    EXPECT_EQ(image.pixelColor(width - 1, 2), QColor(200, 100, 50)) << width;
    EXPECT_EQ(image.pixelColor(0, 1), QColor(1, 2, 3)) << width;
    EXPECT_EQ(ImageToPicture(PictureToImage(picture)), picture) << width;
  }
}

// Pictures cross the clipboard with their alpha, whatever format Qt hands over.
TEST(PictureImage, ForeignPicturesKeepTheirAlpha) {
  QImage image(3, 1, QImage::Format_ARGB32_Premultiplied);
  image.setPixelColor(0, 0, QColor(10, 20, 30, 255));
  image.setPixelColor(1, 0, QColor(0, 0, 0, 0));
  image.setPixelColor(2, 0, QColor(200, 100, 50, 128));
  const raster::Picture picture = ImageToPicture(image);
  EXPECT_EQ(picture.Pixel(0, 0), raster::Rgb(10, 20, 30));
  EXPECT_EQ(picture.Alpha(1, 0), 0);
  EXPECT_EQ(picture.Alpha(2, 0), 128);
  EXPECT_NEAR(raster::Red(picture.Pixel(2, 0)), 200, 1);
  const QImage back = PictureToImage(picture);
  EXPECT_EQ(qAlpha(back.pixel(2, 0)), 128);
  EXPECT_TRUE(ImageToPicture(QImage()).Empty());
}

TEST(IconDrawing, MaskAndThenXorOverTheBackground) {
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(4, 1, 24));
  document::ImageSurface& colour = *icon.XorBitmap(0);
  document::MaskSurface& mask = *icon.AndBitmap(0);
  // opaque red; transparent (black under mask); inverting (white under
  // mask); opaque white.
  const raster::Colour colours[] = {raster::Rgb(255, 0, 0), 0, raster::Rgb(255, 255, 255), raster::Rgb(255, 255, 255)};
  const bool masked[] = {false, true, true, false};
  for (int x = 0; x < 4; ++x) {
    colour.SetPixel(x, 0, colours[x]);
    mask.Set(x, 0, masked[x]);
  }
  const QImage drawn = IconOverBackground(icon, 0, QColor(0x30, 0x60, 0x90), 48, 48);
  ASSERT_EQ(drawn.size(), QSize(4, 1));
  EXPECT_EQ(drawn.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(drawn.pixelColor(1, 0), QColor(0x30, 0x60, 0x90));
  EXPECT_EQ(drawn.pixelColor(2, 0), QColor(0xCF, 0x9F, 0x6F));
  EXPECT_EQ(drawn.pixelColor(3, 0), QColor(255, 255, 255));
  EXPECT_TRUE(IconOverBackground(icon, 1, Qt::white, 48, 48).isNull());
  EXPECT_TRUE(IconOverBackground(icon, -1, Qt::white, 48, 48).isNull());
}

// A larger image is shown whole, shrunk to fit: its right edge is there.
TEST(IconDrawing, LargeImagesAreShrunkWholeToFit) {
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(256, 128, 32));
  for (int y = 0; y < 128; ++y) {
    for (int x = 192; x < 256; ++x) icon.XorBitmap(0)->SetRaw(x, y, 0xFFFF0000u);  // opaque red, as BGRA
  }
  const QImage shown = IconOverBackground(icon, 0, Qt::white, 48, 48);
  EXPECT_EQ(shown.size(), QSize(48, 24));
  EXPECT_EQ(shown.pixelColor(46, 12), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(10, 12), QColor(Qt::white));
}

TEST(QtHost, FilterPairsBecomeQtFilters) {
  EXPECT_EQ(QtHost::QtFilter("图标文件(*.ico)|*.ico").toStdString(), "图标文件(*.ico) (*.ico)");
  EXPECT_EQ(QtHost::QtFilter("图标和指针文件(*.ico;*.cur)|*.ico;*.cur|位图(*.bmp)|*.bmp").toStdString(),
            "图标和指针文件(*.ico;*.cur) (*.ico *.cur);;位图(*.bmp) (*.bmp)");
  EXPECT_EQ(QtHost::QtFilter("").toStdString(), "");
}

TEST(CanvasWidget, ShiftSetFromModifiersAndButtons) {
  EXPECT_EQ(ShiftFrom(Qt::NoModifier, Qt::NoButton), tools::ShiftState::kNone);
  EXPECT_EQ(ShiftFrom(Qt::ShiftModifier | Qt::AltModifier, Qt::LeftButton),
            tools::ShiftState::kShift | tools::ShiftState::kAlt | tools::ShiftState::kLeftButton);
  EXPECT_EQ(ShiftFrom(Qt::ControlModifier, Qt::RightButton | Qt::MiddleButton),
            tools::ShiftState::kCtrl | tools::ShiftState::kRightButton | tools::ShiftState::kMiddleButton);
}

// Files on which "first", "deepest", "nearest" and "next larger" disagree:
// the image QIcon draws at each size is the one the doctor names for Qt.
TEST(IconPicks, QtPicksAgreeWithQIcon) {
  const std::vector<std::vector<std::pair<int, int>>> files = {{{16, 32}, {32, 8}, {32, 32}, {48, 32}},
                                                               {{48, 32}, {16, 32}},
                                                               {{32, 32}, {32, 8}},
                                                               {{24, 4}, {64, 24}, {20, 32}}};
  QTemporaryDir dir;
  for (const auto& specs : files) {
    document::TKvIcon icon;
    for (std::size_t k = 0; k < specs.size(); ++k) {
      const auto [side, bits] = specs[k];
      ASSERT_TRUE(icon.AddImage(side, side, bits));
      document::ImageSurface& colour = *icon.XorBitmap(static_cast<std::uint32_t>(k));
      colour.Fill(raster::Rgb(static_cast<std::uint8_t>(40 + 60 * k), 90, static_cast<std::uint8_t>(200 - 50 * k)));
      for (int y = 0; y < side && bits == 32; ++y) {  // opaque by its alpha, as 32-bit images are read
        for (int x = 0; x < side; ++x) colour.SetRaw(x, y, colour.GetRaw(x, y) | 0xFF000000u);
      }
      icon.AndBitmap(static_cast<std::uint32_t>(k))->Fill(false);
    }
    const QString path = dir.filePath("pick.ico");
    ASSERT_TRUE(icon.SaveToFile(path.toStdString()));
    std::vector<doctor::Finding> ignored;
    const auto bytes = *icon.SaveToMemory();
    const QIcon qicon(path);
    for (const doctor::Pick& pick : doctor::PickEntries(doctor::CheckIconFile(bytes, {}, "", ignored))) {
      if (pick.program != doctor::Program::kQt) continue;
      const QImage shown = qicon.pixmap(QSize(pick.shownSize, pick.shownSize)).toImage();
      ASSERT_FALSE(shown.isNull());
      const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
      const auto* colour = icon.XorBitmap(static_cast<std::uint32_t>(pick.entry));
      const raster::Colour expected = colour->GetPixel(0, 0);
      EXPECT_EQ(centre, QColor(raster::Red(expected), raster::Green(expected), raster::Blue(expected)))
          << "size " << pick.shownSize << ", doctor's entry " << pick.entry << " of " << specs.size();
    }
  }
}

}  // namespace
}  // namespace pixmint::app
