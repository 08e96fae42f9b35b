#include "app/tfrm_new.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

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

}  // namespace
}  // namespace pixmint::app
