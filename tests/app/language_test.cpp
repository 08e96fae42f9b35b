// The window's language: Chinese as written by default, English with
// --lang en and from then on, Qt's own dialogs in the same language.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

#include "app/start_arguments.h"
#include "app/tfrm_main.h"
#include "gui_support.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

using texts::Language;

class LanguageTest : public ::testing::Test {
 protected:
  TfrmMain& Open(std::optional<Language> language) {
    window_.reset();  // one window's translations at a time, as in the program
    StartOptions options;
    options.programPath = QStringLiteral("/usr/bin/pixmint");
    options.settingsFile = QString::fromStdString((dir_ / "settings.ini").string());
    options.registerAssociation = false;
    options.language = language;
    window_ = std::make_unique<TfrmMain>(options);
    window_->StartDocument();
    return *window_;
  }
  QStringList MenuCaptions() const {
    QStringList captions;
    for (const QAction* menu : window_->menuBar()->actions()) captions << menu->text();
    return captions;
  }
  QString Stored() const {
    return QSettings(QString::fromStdString((dir_ / "settings.ini").string()), QSettings::IniFormat)
        .value(QStringLiteral("Language"))
        .toString();
  }
  // The angle box's caption and its OK button, as the window asks.
  std::pair<QString, QString> AngleBox() {
    std::pair<QString, QString> seen;
    test::AnswerNextDialog([&seen](QWidget* widget) {
      auto* box = qobject_cast<QInputDialog*>(widget);
      ASSERT_NE(box, nullptr);
      seen.first = box->windowTitle();
      seen.second = box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
      box->reject();
    });
    window_->findChild<QAction*>(QStringLiteral("mnuEffectRotateArb"))->trigger();
    return seen;
  }

  ::pixmint::test::TempDir dir_;
  std::unique_ptr<TfrmMain> window_;
};

TEST_F(LanguageTest, ChineseByDefaultEnglishWithLangEnAndFromThenOn) {
  // A stored language the program lacks counts as none.
  QSettings(QString::fromStdString((dir_ / "settings.ini").string()), QSettings::IniFormat)
      .setValue(QStringLiteral("Language"), QStringLiteral("klingon"));
  TfrmMain* window = &Open(std::nullopt);
  EXPECT_EQ(window->Language(), Language::kChinese);
  EXPECT_EQ(MenuCaptions().join(QLatin1Char(' ')).toStdString(),
            "文件(&F) 编辑(&E) 视图(&V) 图像(&I) 特效(&C) 工具(&T) 帮助(&H)");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kavoltrix Pixmint 3.0 - 无标题(图标)");
  EXPECT_EQ(Stored().toStdString(), "klingon");  // nothing chosen, nothing remembered

  // Qt's own texts (the OK button) come from Qt's Chinese translation.
  EXPECT_EQ(AngleBox(), std::make_pair(QStringLiteral("任意旋转"), QStringLiteral("确定")));

  // --lang en: English everywhere, and remembered.
  window = &Open(Language::kEnglish);
  EXPECT_EQ(window->Language(), Language::kEnglish);
  EXPECT_EQ(MenuCaptions().join(QLatin1Char(' ')).toStdString(), "&File &Edit &View &Image Effe&cts &Tools &Help");
  // The core's texts follow: the untitled document's name comes from it.
  EXPECT_EQ(window->windowTitle().toStdString(), "Kavoltrix Pixmint 3.0 - Untitled (icon)");
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("labImageCount"))->text().toStdString(), "Images:  1");
  EXPECT_EQ(window->findChild<QToolButton*>(QStringLiteral("tbtnClear"))->toolTip().toStdString(),
            "Delete Selection (Del) ");
  EXPECT_EQ(AngleBox(), std::make_pair(QStringLiteral("Rotate by Angle"), QStringLiteral("OK")));
  EXPECT_EQ(Stored().toStdString(), "en");
  // The settings dialog opens in it, with it chosen.
  QString settings;
  test::AnswerNextDialog([&settings](QWidget* dialog) {
    settings =
        dialog->windowTitle() + ' ' + dialog->findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->currentText();
    qobject_cast<QDialog*>(dialog)->reject();
  });
  window_->findChild<QAction*>(QStringLiteral("mnuSettings"))->trigger();
  EXPECT_EQ(settings.toStdString(), "Settings English");

  // The next start without the option stays English; --lang zh goes back.
  EXPECT_EQ(Open(std::nullopt).Language(), Language::kEnglish);
  EXPECT_EQ(MenuCaptions().constFirst().toStdString(), "&File");
  EXPECT_EQ(Open(Language::kChinese).Language(), Language::kChinese);
  EXPECT_EQ(MenuCaptions().constFirst().toStdString(), "文件(&F)");
  EXPECT_EQ(window_->windowTitle().toStdString(), "Kavoltrix Pixmint 3.0 - 无标题(图标)");
  EXPECT_EQ(Stored().toStdString(), "zh");
}

TEST(StartArguments, LangAndTheFileInAnyOrder) {
  struct Case {
    QStringList arguments;
    std::optional<QString> file;
    std::optional<Language> language;
    bool ok = true;
  };
  const Case cases[] = {
      {{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("a.ico")},
       QStringLiteral("a.ico"),
       Language::kEnglish},
      {{QStringLiteral("a.ico"), QStringLiteral("--lang=zh")}, QStringLiteral("a.ico"), Language::kChinese},
      {{QStringLiteral("--lang"), QStringLiteral("EN_gb")}, std::nullopt, Language::kEnglish},
      // A file that looks like an option.
      {{QStringLiteral("--"), QStringLiteral("--lang")}, QStringLiteral("--lang"), std::nullopt},
      {{QStringLiteral("-x.ico"), QStringLiteral("b.ico")}, QStringLiteral("-x.ico"), std::nullopt},
      {{QStringLiteral("--lang")}, std::nullopt, std::nullopt, false},
      {{QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("a.ico")}, std::nullopt, std::nullopt, false},
      {{QStringLiteral("--lang=")}, std::nullopt, std::nullopt, false},
  };
  for (const Case& c : cases) {
    QString error;
    const auto parsed = ParseStartArguments(c.arguments, error);
    const std::string where = c.arguments.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(parsed.has_value(), c.ok) << where;
    EXPECT_EQ(error.isEmpty(), c.ok) << where;
    if (!parsed) continue;
    EXPECT_EQ(parsed->file, c.file) << where;
    EXPECT_EQ(parsed->language, c.language) << where;
  }
}

}  // namespace
}  // namespace pixmint::app
