#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <vector>

#include "app/dialogs/external_commands.h"
#include "app/dialogs/tfrm_about.h"
#include "app/dialogs/tfrm_config.h"
#include "settings/memory_settings.h"
#include "support/pixel_grid.h"

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

TEST(TfrmConfig, OpensWithTheRunningValuesAndSavesEditedOnes) {
  ConfigFixture f({Rgb(1, 2, 3), Rgb(4, 5, 6), 32, 24});
  EXPECT_EQ(f.dialog.findChild<QSpinBox*>("updSize")->value(), 32);
  EXPECT_EQ(f.dialog.findChild<QComboBox*>("cmbBpp")->currentIndex(), 4);
  EXPECT_EQ(f.dialog.findChild<QLabel*>("labTransClr")->palette().color(QPalette::Window), QColor(1, 2, 3));

  f.answers = {0xFF102030u, std::nullopt};
  f.Click("btnCfgTrans");
  f.Click("btnCfgInvert");  // cancelled: the swatch keeps its colour
  EXPECT_EQ(f.chooserStarts, (std::vector<raster::Colour>{0, 0xFF102030u}));
  f.dialog.findChild<QComboBox*>("cmbBpp")->setCurrentIndex(5);
  f.Click("btnSave");

  EXPECT_EQ(f.settings.RegReadInt("ColorTrans"), 0x102030);  // high byte cleared
  EXPECT_EQ(f.settings.RegReadInt("ColorInvert"), static_cast<int>(Rgb(4, 5, 6)));
  EXPECT_EQ(f.settings.RegReadInt("DefaultIconSize"), 32);
  EXPECT_EQ(f.settings.RegReadInt("DefaultIconBpp"), 32);
  EXPECT_EQ(f.messages, (std::vector<QString>{QStringLiteral("所有设置将在下次启动时生效.")}));
  EXPECT_EQ(f.dialog.result(), TfrmConfig::Saved);
}

TEST(TfrmConfig, DefaultWritesFactoryValuesAndCancelWritesNothing) {
  ConfigFixture f({Rgb(1, 2, 3), Rgb(4, 5, 6), 20, 7});
  EXPECT_EQ(f.dialog.findChild<QComboBox*>("cmbBpp")->currentIndex(), 2);  // unlisted depth
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

TEST(TfrmConfig, OffersEachLanguageUnderItsOwnNameAndSavesTheChoice) {
  ConfigFixture f({Rgb(1, 2, 3), Rgb(4, 5, 6), 32, 8, texts::Language::kEnglish});
  auto* languages = f.dialog.findChild<QComboBox*>("cmbLanguage");
  ASSERT_NE(languages, nullptr);
  ASSERT_EQ(languages->count(), 2);
  EXPECT_EQ(languages->itemText(0), QStringLiteral("简体中文"));
  EXPECT_EQ(languages->itemText(1), QStringLiteral("English"));
  EXPECT_EQ(languages->currentIndex(), 1);  // the running language
  EXPECT_EQ(f.dialog.findChild<QLabel*>("Label7")->text(), QStringLiteral("语言:"));
  // The row sits between the defaults and the buttons, inside the dialog.
  const QRect row = languages->geometry();
  EXPECT_GE(row.top(), 88 + 81);
  EXPECT_LE(row.bottom(), f.dialog.findChild<QPushButton*>("btnSave")->geometry().top());
  EXPECT_LE(f.dialog.findChild<QPushButton*>("btnSave")->geometry().bottom(), f.dialog.height());

  languages->setCurrentIndex(0);
  f.Click("btnSave");
  EXPECT_EQ(f.settings.ReadString("Language"), "zh");

  // Default writes the factory values but leaves the language as chosen.
  ConfigFixture defaulted({Rgb(1, 2, 3), Rgb(4, 5, 6), 32, 8, texts::Language::kEnglish});
  defaulted.Click("btnDefault");
  EXPECT_EQ(defaulted.settings.Exists("Language"), false);
}

TEST(TfrmConfig, SizeBoxHoldsItsLimits) {
  ConfigFixture f({Rgb(0, 0, 0), Rgb(0, 0, 0), 200, 8});
  auto* size = f.dialog.findChild<QSpinBox*>("updSize");
  EXPECT_EQ(size->value(), 96);
  size->setValue(3);
  f.Click("btnSave");
  EXPECT_EQ(f.settings.RegReadInt("DefaultIconSize"), 8);
}

struct DesktopLog {
  DesktopServices Services() {
    return {[this](const QString& p, const QStringList& a) {
              programs.push_back(QStringList{p} + a);
              return true;
            },
            [this](const QUrl& url) {
              urls.push_back(url);
              return true;
            }};
  }
  std::vector<QStringList> programs;
  std::vector<QUrl> urls;
};

TEST(ExternalCommands, StartsSiblingsOnlyWhenPresentAndOpensTheManual) {
  test::TempDir dir;
  DesktopLog log;
  const ExternalCommands commands(QString::fromStdString(dir.Path().string()), log.Services());
  EXPECT_FALSE(commands.StartExtractor());
  const auto extractor = dir / "_extract.exe";
  std::ofstream(extractor) << "#!/bin/sh\n";
  std::filesystem::permissions(extractor, std::filesystem::perms::owner_all);
  EXPECT_TRUE(commands.StartExtractor());
  ASSERT_EQ(log.programs.size(), 1u);
  EXPECT_EQ(log.programs[0], QStringList{QString::fromStdString(extractor.string())});

  std::filesystem::create_directory(dir / "docs");
  std::ofstream(dir / "docs" / "manual.html") << "<html></html>";
  EXPECT_TRUE(commands.OpenHelp());
  EXPECT_TRUE(commands.OpenWebPage());
  EXPECT_TRUE(commands.OpenMail());
  ASSERT_EQ(log.urls.size(), 3u);
  EXPECT_EQ(log.urls[0], QUrl::fromLocalFile(QString::fromStdString((dir / "docs" / "manual.html").string())));
  EXPECT_EQ(log.urls[1].scheme(), QStringLiteral("https"));
  EXPECT_EQ(log.urls[2].scheme(), QStringLiteral("mailto"));
}

TEST(TfrmAbout, ShowsNameVersionAndRunsTheWebCommandFromItsLink) {
  int webRuns = 0;
  TfrmAbout about(nullptr, [&] { ++webRuns; });
  EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 Kavoltrix Pixmint"));
  EXPECT_EQ(about.size(), QSize(331, 181));
  EXPECT_TRUE(about.findChild<QLabel*>("Label1")->font().bold());
  EXPECT_EQ(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("版本: 3.0"));
  auto* link = about.findChild<QLabel*>("Label4");
  emit link->linkActivated(QString::fromUtf8(kWebAddress));
  EXPECT_EQ(webRuns, 1);
  QTest::mouseClick(about.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace pixmint::app
