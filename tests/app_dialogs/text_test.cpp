#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "app/dialogs/tfrm_text.h"

namespace pixmint::app {
namespace {

using raster::Rgb;

TEST(RenderText, EveryPixelIsTheTextColourOrTransparent) {
  for (const int size : {12, 20, 33}) {
    QFont font = DesignTextFont();
    font.setPixelSize(size);
    const TextFont textFont{font, Rgb(200, 30, 40)};
    const raster::Picture picture = RenderText(QStringLiteral("Ag 汉字"), textFont);
    ASSERT_FALSE(picture.Empty());
    std::set<std::pair<raster::Colour, int>> pixels;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) pixels.insert({picture.Pixel(x, y), picture.Alpha(x, y)});
    }
    EXPECT_EQ(pixels, (std::set<std::pair<raster::Colour, int>>{{Rgb(200, 30, 40), 255}, {0, 0}})) << size;
  }
  const raster::Picture empty = RenderText(QString(), {DesignTextFont(), 0});
  EXPECT_EQ(empty.Width(), 0);
}

TEST(TfrmText, PreviewStaysCentredAndEnterIsOk) {
  TfrmText dialog(nullptr, Rgb(0, 0, 0));
  dialog.show();
  auto* edit = dialog.findChild<QLineEdit*>("Edit1");
  auto* box = dialog.findChild<QWidget*>("PaintBox1");
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->size(), QSize(287, 95));
  for (const char* text : {"a", "Hello", "一行文字一行文字"}) {
    edit->setText(QString::fromUtf8(text));
    const QRect at = dialog.PreviewTextRect();
    EXPECT_LE(std::abs(at.left() * 2 + at.width() - 287), 1) << text;
    EXPECT_LE(std::abs(at.top() * 2 + at.height() - 95), 1) << text;
  }
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Text(), QStringLiteral("一行文字一行文字"));

  TfrmText onFontButton(nullptr, 0);
  onFontButton.show();
  onFontButton.SetFontChooser([](QWidget*, const QFont&) { return std::nullopt; });
  auto* fontButton = onFontButton.findChild<QPushButton*>("btnFont");
  fontButton->setFocus();
  QTest::keyClick(fontButton, Qt::Key_Return);
  EXPECT_EQ(onFontButton.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace pixmint::app
