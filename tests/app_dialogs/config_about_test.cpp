#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <vector>

#include "app/dialogs/external_commands.h"
#include "app/dialogs/tfrm_about.h"
#include "app/dialogs/tfrm_config.h"
#include "settings/memory_settings.h"

namespace pixmint::app {
namespace {

using raster::Rgb;

// A settings dialog whose colour chooser answers from a script and whose
// message box records the texts.
struct ConfigFixture {
  explicit ConfigFixture(ConfigValues values = {}) : dialog(nullptr, values, settings) {
    dialog.SetColourChooser([this](raster::Colour initial) -> std::optional<raster::Colour> {
      chooserStarts.push_back(initial);
      if (answers.empty()) return std::nullopt;
      const auto answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
    dialog.SetMessageBox([this](QWidget*, const QString& text) { messages.push_back(text); });
  }
  void Click(const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  MemorySettings settings;
  TfrmConfig dialog;
  std::vector<std::optional<raster::Colour>> answers;
  std::vector<raster::Colour> chooserStarts;
  std::vector<QString> messages;
};

// Opens with the running values (an unlisted depth and an oversized size
// held to what the boxes offer), saves what was edited.
TEST(TfrmConfig, OpensWithTheRunningValuesAndSavesEditedOnes) {
  ConfigFixture f({Rgb(1, 2, 3), Rgb(4, 5, 6), 200, 7, texts::Language::kEnglish});
  EXPECT_EQ(f.dialog.findChild<QSpinBox*>("updSize")->value(), 96);
  EXPECT_EQ(f.dialog.findChild<QComboBox*>("cmbBpp")->currentIndex(), 2);
  EXPECT_EQ(f.dialog.findChild<QLabel*>("labTransClr")->palette().color(QPalette::Window), QColor(1, 2, 3));
  auto* languages = f.dialog.findChild<QComboBox*>("cmbLanguage");
  ASSERT_EQ(languages->count(), 2);
  EXPECT_EQ(languages->itemText(0), QStringLiteral("简体中文"));
  EXPECT_EQ(languages->currentText(), QStringLiteral("English"));  // the running language
  // The row sits between the defaults and the buttons, inside the dialog.
  EXPECT_GE(languages->geometry().top(), 88 + 81);
  EXPECT_LE(languages->geometry().bottom(), f.dialog.findChild<QPushButton*>("btnSave")->geometry().top());
  EXPECT_LE(f.dialog.findChild<QPushButton*>("btnSave")->geometry().bottom(), f.dialog.height());

  f.answers = {0xFF102030u, std::nullopt};
  f.Click("btnCfgTrans");
  f.Click("btnCfgInvert");  // cancelled: the swatch keeps its colour
  EXPECT_EQ(f.chooserStarts, (std::vector<raster::Colour>{0, 0xFF102030u}));
  f.dialog.findChild<QComboBox*>("cmbBpp")->setCurrentIndex(5);
  f.dialog.findChild<QSpinBox*>("updSize")->setValue(3);
  languages->setCurrentIndex(0);
  f.Click("btnSave");
  EXPECT_EQ(f.settings.RegReadInt("ColorTrans"), 0x102030);  // high byte cleared
  EXPECT_EQ(f.settings.RegReadInt("ColorInvert"), static_cast<int>(Rgb(4, 5, 6)));
  EXPECT_EQ(f.settings.RegReadInt("DefaultIconSize"), 8);
  EXPECT_EQ(f.settings.RegReadInt("DefaultIconBpp"), 32);
  EXPECT_EQ(f.settings.ReadString("Language"), "zh");
  EXPECT_EQ(f.messages, (std::vector<QString>{QStringLiteral("所有设置将在下次启动时生效.")}));
  EXPECT_EQ(f.dialog.result(), TfrmConfig::Saved);
}

// Default writes the factory values but leaves the language as chosen;
// Cancel writes nothing.
TEST(TfrmConfig, DefaultWritesFactoryValuesAndCancelWritesNothing) {
  ConfigFixture f({Rgb(1, 2, 3), Rgb(4, 5, 6), 20, 7, texts::Language::kEnglish});
  f.Click("btnDefault");
  EXPECT_EQ(f.settings.values, (decltype(f.settings.values){{"ColorTrans", std::to_string(0xEAEAEA)},
                                                            {"ColorInvert", std::to_string(0x6D6DDA)},
                                                            {"DefaultIconBpp", "8"},
                                                            {"DefaultIconSize", "48"}}));
  EXPECT_EQ(f.messages, (std::vector<QString>{QStringLiteral("所有设置在下次启动时生效.")}));

  ConfigFixture cancelled;
  cancelled.answers = {Rgb(9, 9, 9)};
  cancelled.Click("btnCfgTrans");
  cancelled.Click("btnCancel");
  EXPECT_TRUE(cancelled.settings.values.empty());
  EXPECT_EQ(cancelled.dialog.result(), TfrmConfig::Cancelled);
}

TEST(TfrmAbout, ItsLinkRunsTheWebCommand) {
  int webRuns = 0;
  TfrmAbout about(nullptr, [&] { ++webRuns; });
  emit about.findChild<QLabel*>("Label4")->linkActivated(QString::fromUtf8(kWebAddress));
  EXPECT_EQ(webRuns, 1);
}

}  // namespace
}  // namespace pixmint::app
