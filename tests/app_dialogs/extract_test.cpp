// The extractor dialog on program files made by MinGW, offscreen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/dialogs/tfrm_extract.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

QString Sample(const char* name) {
  return QString::fromStdString((std::filesystem::path(PIXMINT_PE_SAMPLES) / name).string());
}
Bytes SampleBytes(const char* name) {
  return document::ReadWholeFile(Sample(name).toStdString()).value_or(Bytes{});
}

#define NEED_PROGRAMS()                                                           \
  if (!std::filesystem::exists(Sample("res64.dll").toStdString())) {              \
    GTEST_SKIP() << "no program files (MinGW cross tools missing at build time)"; \
  }

struct ExtractFixture {
  explicit ExtractFixture(const document::TKvIcon* document = nullptr, QString file = {})
      : dialog(nullptr, Request(document, std::move(file))) {
    dialog.SetSaveChooser([this](const QString& suggested, const QString& filter) {
      suggestions << suggested + "|" + filter;
      return saveAs;
    });
  }
  ExtractRequest Request(const document::TKvIcon* document, QString file) {
    ExtractRequest r;
    r.editorProgram = QStringLiteral("/opt/pixmint/pixmint");
    r.starter = [this](const QString& program, const QStringList& args) {
      started << program;
      startedArgs << args;
      return true;
    };
    r.document = document;
    r.programFile = std::move(file);
    return r;
  }
  template <typename W>
  W* Find(const char* name) {
    auto* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // Selects the row whose text starts with `text`.
  void Choose(const QString& text) {
    auto* list = Find<QListWidget>("lvwGroups");
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->text().startsWith(text)) return list->setCurrentRow(row);
    }
    ADD_FAILURE() << "no group " << text.toStdString();
  }

  test::TempDir dir;
  QStringList started, startedArgs, suggestions;
  QString saveAs;
  TfrmExtract dialog;
};

TEST(TfrmExtract, ListsEveryGroupWithItsLargestImage) {
  NEED_PROGRAMS();
  ExtractFixture f(nullptr, Sample("app64.exe"));
  for (const char* name : {"edtProgram", "btnOpenProgram", "lvwGroups", "lblStatus", "btnSaveGroup", "btnOpenGroup",
                           "btnReplaceGroup", "btnClose"}) {
    EXPECT_NE(f.dialog.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  auto* list = f.Find<QListWidget>("lvwGroups");
  ASSERT_EQ(list->count(), 5);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("指针 ARROW (语言 1033), 3 个图像"));
  EXPECT_EQ(list->item(4)->text(), QStringLiteral("图标 1 (语言 1033), 6 个图像"));
  // The 256 x 256 image, fitted into the list's 48 x 48.
  EXPECT_EQ(list->item(4)->icon().availableSizes().value(0), QSize(48, 48));
  EXPECT_FALSE(f.Find<QPushButton>("btnReplaceGroup")->isEnabled()) << "no document given";

  EXPECT_FALSE(f.dialog.OpenProgram(Sample("small.ico")));
  EXPECT_EQ(f.dialog.StatusText(), QStringLiteral("small.ico: not a Windows program file"));
  EXPECT_EQ(list->count(), 0);
  EXPECT_FALSE(f.Find<QPushButton>("btnSaveGroup")->isEnabled());
}

TEST(TfrmExtract, SavesAGroupAndOpensItInANewInstance) {
  NEED_PROGRAMS();
  ExtractFixture f(nullptr, Sample("res32.dll"));
  f.Choose(QStringLiteral("图标 MAINICON (语言 1031)"));
  f.saveAs = QString::fromStdString((f.dir / "main.ico").string());
  f.Find<QPushButton>("btnSaveGroup")->click();
  EXPECT_EQ(f.suggestions.value(0), QFileInfo(Sample("res32.dll")).dir().filePath("res32-MAINICON.ico") + "|*.ico");
  EXPECT_EQ(document::ReadWholeFile(f.saveAs.toStdString()), SampleBytes("multi.ico"));

  f.Choose(QStringLiteral("指针 7"));
  f.Find<QPushButton>("btnOpenGroup")->click();
  ASSERT_EQ(f.started, QStringList{QStringLiteral("/opt/pixmint/pixmint")});
  const QString temp = f.startedArgs.value(0);
  EXPECT_TRUE(temp.endsWith(QStringLiteral(".cur"))) << temp.toStdString();
  EXPECT_EQ(document::ReadWholeFile(temp.toStdString()), SampleBytes("arrow.cur"));
  QFile::remove(temp);
}

TEST(TfrmExtract, ReplacePutsTheDocumentIntoANewProgram) {
  NEED_PROGRAMS();
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(32, 32, 8));
  icon.XorBitmap(0)->Fill(raster::Rgb(0, 128, 255));
  icon.AndBitmap(0)->Fill(false);
  ExtractFixture f(&icon, Sample("res64.dll"));
  EXPECT_TRUE(f.Find<QPushButton>("btnReplaceGroup")->isEnabled());

  f.Choose(QStringLiteral("指针 ARROW"));
  f.saveAs = QString::fromStdString((f.dir / "x.dll").string());
  EXPECT_FALSE(f.dialog.ReplaceGroup());
  EXPECT_EQ(f.dialog.StatusText(), QStringLiteral("当前文档与所选组的类型不同."));

  f.Choose(QStringLiteral("图标 1 "));
  f.saveAs = Sample("res64.dll");
  EXPECT_FALSE(f.dialog.ReplaceGroup());
  EXPECT_EQ(f.dialog.StatusText(), QStringLiteral("原程序不会被修改, 请选择另一个文件名."));

  f.saveAs = QString::fromStdString((f.dir / "new.dll").string());
  f.Find<QPushButton>("btnReplaceGroup")->click();
  EXPECT_TRUE(f.dialog.StatusText().startsWith(QStringLiteral("已写入新程序"))) << f.dialog.StatusText().toStdString();
  ExtractFixture again(nullptr, f.saveAs);
  again.Choose(QStringLiteral("图标 1 "));
  EXPECT_EQ(again.dialog.SelectedGroupFile(), icon.SaveToMemory());

  // In the program the resources may not grow.
  document::TKvIcon big;
  for (const int side : {128, 96, 64}) ASSERT_TRUE(big.AddImage(side, side, 32));
  ExtractFixture exe(&big, Sample("app32.exe"));
  exe.Choose(QStringLiteral("图标 1 "));
  exe.saveAs = QString::fromStdString((exe.dir / "x.exe").string());
  EXPECT_FALSE(exe.dialog.ReplaceGroup());
  EXPECT_TRUE(exe.dialog.StatusText().contains(QStringLiteral("not the last section")));
  EXPECT_FALSE(std::filesystem::exists(exe.dir / "x.exe"));
}

}  // namespace
}  // namespace pixmint::app
