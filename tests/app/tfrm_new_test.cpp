#include "app/tfrm_new.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "settings/memory_settings.h"
#include "support/qt_children.h"

namespace pixmint::app {
namespace {

TEST(TfrmNew, OpensOnTheStoredDefaults) {
  struct Case {
    const char* size;  // nullptr: missing
    const char* bpp;
    const char* sizeRadio;
    const char* depthRadio;
    editor::ImageFormat format;
  };
  const Case cases[] = {
      {nullptr, nullptr, "rdoSiz48x48", "rdoClr8bpp", {48, 48, 8}},
      {"16", "4", "rdoSiz16x16", "rdoClr4bpp", {16, 16, 4}},
      {"24", "32", "rdoSiz24x24", "rdoClr32bpp", {24, 24, 32}},
      {"64", "1", "rdoSiz48x48", "rdoClr1bpp", {48, 48, 1}},
      {"1", "16", "rdoSizCustom", "rdoClr16bpp", {32, 32, 16}},
      // An unknown depth shows 8 bits and also makes 8 bits.
      {"32", "7", "rdoSiz32x32", "rdoClr8bpp", {32, 32, 8}},
  };
  for (const Case& c : cases) {
    MemorySettings settings;
    if (c.size != nullptr) settings.WriteString("DefaultIconSize", c.size);
    if (c.bpp != nullptr) settings.WriteString("DefaultIconBpp", c.bpp);
    TfrmNew dialog(settings, nullptr);
    EXPECT_TRUE(test::Find<QRadioButton>(dialog, c.sizeRadio)->isChecked()) << c.sizeRadio;
    EXPECT_TRUE(test::Find<QRadioButton>(dialog, c.depthRadio)->isChecked()) << c.depthRadio;
    EXPECT_EQ(test::Find<QSpinBox>(dialog, "updWidth")->isEnabled(), c.size != nullptr && std::string(c.size) == "1");
    test::Click(dialog, "btnOk");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Format(), c.format) << c.sizeRadio;
  }
}

TEST(TfrmNew, CustomSizeFollowsTheSquareBoxAndClamps) {
  MemorySettings settings;
  TfrmNew dialog(settings, nullptr);
  test::Click(dialog, "rdoSizCustom");
  auto* width = test::Find<QSpinBox>(dialog, "updWidth");
  auto* height = test::Find<QSpinBox>(dialog, "updHeight");
  ASSERT_TRUE(width->isEnabled());
  width->setValue(100);
  EXPECT_EQ(height->value(), 100);
  test::Find<QCheckBox>(dialog, "ckbQuadrate")->setChecked(false);
  width->selectAll();
  QTest::keyClicks(width, QStringLiteral("200"));  // typed: held at the largest
  EXPECT_EQ(width->value(), 128);
  EXPECT_EQ(height->value(), 100);
  height->setValue(3);
  EXPECT_EQ(height->value(), 8);
  test::Click(dialog, "rdoClr24bpp");
  test::Click(dialog, "btnDefault");
  EXPECT_EQ(settings.RegReadInt("DefaultIconSize"), 128);
  EXPECT_EQ(settings.RegReadInt("DefaultIconBpp"), 24);
  test::Click(dialog, "btnOk");
  EXPECT_EQ(dialog.Format(), (editor::ImageFormat{128, 8, 24}));
}

TEST(TfrmNew, EscapeCancelsOnReleaseAndWritesNothing) {
  MemorySettings settings;
  TfrmNew dialog(settings, nullptr);
  dialog.show();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &press);
  EXPECT_TRUE(dialog.isVisible());
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &release);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(settings.Exists("DefaultIconSize"));
}

}  // namespace
}  // namespace pixmint::app
