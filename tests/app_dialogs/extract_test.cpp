// The extractor dialog on program files made by MinGW, offscreen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include "app/dialogs/tfrm_extract.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "support/pixel_grid.h"
#include "support/qt_children.h"

namespace pixmint::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

QString Sample(const char* name) {
  return QString::fromStdString((std::filesystem::path(PIXMINT_PE_SAMPLES) / name).string());
}
Bytes SampleBytes(const char* name) {
  return document::ReadWholeFile(Sample(name).toStdString()).value_or(Bytes{});
}

#define NEED_PROGRAMS() \
  if (!std::filesystem::exists(Sample("res64.dll").toStdString())) GTEST_SKIP() << "no program files (no MinGW)"

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
      started << program << args;
      return true;
    };
    r.document = document;
    r.programFile = std::move(file);
    return r;
  }
  // Selects the row whose text starts with `text`.
  void Choose(const QString& text) {
    auto* list = test::Find<QListWidget>(dialog, "lvwGroups");
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->text().startsWith(text)) return list->setCurrentRow(row);
    }
    ADD_FAILURE() << "no group " << text.toStdString();
  }
  QString InDir(const char* name) const { return QString::fromStdString((dir / name).string()); }

  test::TempDir dir;
  QStringList started, suggestions;
  QString saveAs;
  TfrmExtract dialog;
};

// The groups listed with their largest image; one saved under a suggested
// name, one opened in a new instance; a file that is no program lists none.
TEST(TfrmExtract, ListsSavesAndOpensGroups) {
  NEED_PROGRAMS();
  ExtractFixture f(nullptr, Sample("app64.exe"));
  auto* list = test::Find<QListWidget>(f.dialog, "lvwGroups");
  ASSERT_EQ(list->count(), 5);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("指针 ARROW (语言 1033), 3 个图像"));
  EXPECT_EQ(list->item(4)->text(), QStringLiteral("图标 1 (语言 1033), 6 个图像"));
  // The 256 x 256 image, fitted into the list's 48 x 48.
  EXPECT_EQ(list->item(4)->icon().availableSizes().value(0), QSize(48, 48));
  EXPECT_FALSE(test::Find(f.dialog, "btnReplaceGroup")->isEnabled()) << "no document given";

  ASSERT_TRUE(f.dialog.OpenProgram(Sample("res32.dll")));
  f.Choose(QStringLiteral("图标 MAINICON (语言 1031)"));
  f.saveAs = f.InDir("main.ico");
  test::Click(f.dialog, "btnSaveGroup");
  EXPECT_EQ(f.suggestions.value(0), QFileInfo(Sample("res32.dll")).dir().filePath("res32-MAINICON.ico") + "|*.ico");
  EXPECT_EQ(document::ReadWholeFile(f.saveAs.toStdString()), SampleBytes("multi.ico"));
  f.Choose(QStringLiteral("指针 7"));
  test::Click(f.dialog, "btnOpenGroup");
  ASSERT_EQ(f.started.value(0), QStringLiteral("/opt/pixmint/pixmint"));
  const QString temp = f.started.value(1);
  EXPECT_TRUE(temp.endsWith(QStringLiteral(".cur"))) << temp.toStdString();
  EXPECT_EQ(document::ReadWholeFile(temp.toStdString()), SampleBytes("arrow.cur"));
  QFile::remove(temp);

  EXPECT_FALSE(f.dialog.OpenProgram(Sample("small.ico")));
  EXPECT_EQ(f.dialog.StatusText().toStdString(), "small.ico: " + texts::Message({texts::Fail::kNotAProgram}));
  EXPECT_EQ(list->count(), 0);
  EXPECT_FALSE(test::Find(f.dialog, "btnSaveGroup")->isEnabled());
}

// Replace refuses a group of the other kind and the program itself as the
// new file; a new program then holds the document.
TEST(TfrmExtract, ReplacePutsTheDocumentIntoANewProgram) {
  NEED_PROGRAMS();
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(32, 32, 8));
  icon.XorBitmap(0)->Fill(raster::Rgb(0, 128, 255));
  icon.AndBitmap(0)->Fill(false);
  ExtractFixture f(&icon, Sample("res64.dll"));
  f.Choose(QStringLiteral("指针 ARROW"));
  f.saveAs = f.InDir("x.dll");
  EXPECT_FALSE(f.dialog.ReplaceGroup());
  EXPECT_EQ(f.dialog.StatusText(), QStringLiteral("当前文档与所选组的类型不同."));
  f.Choose(QStringLiteral("图标 1 "));
  f.saveAs = Sample("res64.dll");
  EXPECT_FALSE(f.dialog.ReplaceGroup());
  EXPECT_EQ(f.dialog.StatusText(), QStringLiteral("原程序不会被修改, 请选择另一个文件名."));

  f.saveAs = f.InDir("new.dll");
  test::Click(f.dialog, "btnReplaceGroup");
  EXPECT_TRUE(f.dialog.StatusText().startsWith(QStringLiteral("已写入新程序"))) << f.dialog.StatusText().toStdString();
  ExtractFixture again(nullptr, f.saveAs);
  again.Choose(QStringLiteral("图标 1 "));
  EXPECT_EQ(again.dialog.SelectedGroupFile(), icon.SaveToMemory());
}

}  // namespace
}  // namespace pixmint::app
