// The window's wiring: every command of the list and every tool reaches its
// controls, keys and enabled state; and what only the window does (Qt's file
// dialog, the image list, the opacity box). The editor behind it is checked
// headless in tests/editor.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include "app/tfrm_main.h"
#include "document/kv_icon.h"
#include "editor/commands.h"
#include "editor/workspace.h"
#include "gui_support.h"
#include "support/pixel_grid.h"
#include "tools/tool_table.h"

namespace pixmint::app {
namespace {

QString Name(std::string_view n) {
  return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
}

class MainWindowTest : public ::testing::Test {
 protected:
  void Open(std::optional<std::string> file = std::nullopt) {
    StartOptions options;
    options.programPath = QStringLiteral("/usr/bin/pixmint");
    options.settingsFile = QString::fromStdString((dir_ / "settings.ini").string());
    options.registerAssociation = false;
    if (file) options.fileArgument = QString::fromStdString(*file);
    window_ = std::make_unique<TfrmMain>(options);
    window_->SetProgramStarter([this](const QString& program, const QStringList& args) {
      started_.append(program + QLatin1Char(' ') + args.join(QLatin1Char(' ')));
      return true;
    });
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->StartDocument();
  }
  template <typename T = QObject>
  T* Control(std::string_view name) {
    T* found = window_->findChild<T*>(Name(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void Trigger(const char* action) { Control<QAction>(action)->trigger(); }
  QPoint At(int x, int y) {
    const int zoom = window_->Ws().State().Zoom;
    return {x * zoom + zoom / 2, y * zoom + zoom / 2};
  }
  const document::TKvIcon& Doc() { return *window_->Ws().Document(); }
  std::string MakeFile(const char* name, bool icon, int size) {
    document::TKvIcon doc;
    doc.SetIcon(icon);
    EXPECT_TRUE(doc.AddImage(size, size, 4));
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(doc.SaveToFile(path));
    return path;
  }
  // The next file dialog chooses `path` under its name filter `filter` and
  // reports the folder it started in.
  void AnswerFileDialog(const std::string& path, int filter = 0, QString* startedIn = nullptr) {
    test::AnswerNextDialog([=](QWidget* widget) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      ASSERT_NE(dialog, nullptr);
      if (startedIn != nullptr) *startedIn = QFileInfo(dialog->directory().absolutePath()).canonicalFilePath();
      dialog->selectNameFilter(dialog->nameFilters().at(filter));
      dialog->selectFile(QString::fromStdString(path));
      QMetaObject::invokeMethod(dialog, "accept");
    });
  }

  ::pixmint::test::TempDir dir_;
  std::unique_ptr<TfrmMain> window_;
  QStringList started_;
};

// Each named control of a command exists and follows the command's enabled
// state in every state of the document; the menu item carries the list's
// keys; each tool's letter checks its button; the window's own dialogs open.
TEST_F(MainWindowTest, EveryCommandAndToolReachesItsControlsKeysAndEnabledState) {
  const auto checkAll = [&](const char* state) {
    // Pop-up items are brought up to date when their menu opens.
    QContextMenuEvent event(QContextMenuEvent::Mouse, At(1, 1), Control<QWidget>("PaintBox1")->mapToGlobal(At(1, 1)));
    QApplication::sendEvent(Control<QWidget>("PaintBox1"), &event);
    for (const editor::CommandInfo& c : editor::Commands()) {
      const bool enabled = window_->Ws().IsEnabled(c);
      for (std::string_view control : {c.menuItem, c.button, c.popupItem, c.extra}) {
        QObject* found = control.empty() ? nullptr : Control(control);
        if (found == nullptr || control == c.extra) continue;
        auto* action = qobject_cast<QAction*>(found);
        const bool shown = action != nullptr ? action->isEnabled() : qobject_cast<QWidget*>(found)->isEnabled();
        EXPECT_EQ(shown, enabled) << state << ": " << control;
      }
      if (c.shortcuts.empty()) continue;
      QStringList keys;
      for (const QKeySequence& key : Control<QAction>(c.menuItem)->shortcuts())
        keys << key.toString(QKeySequence::PortableText);
      EXPECT_EQ(keys.join(QLatin1Char(';')).toStdString(), c.shortcuts) << c.menuItem;
    }
    Control<QWidget>("PopupMenu2")->close();
  };
  Open();
  checkAll("new icon");
  test::Drag(Control<QWidget>("PaintBox1"), {At(1, 1)});
  Trigger("mnuEditSelectAll");
  checkAll("drawn, all selected");
  Open(MakeFile("c.cur", false, 32));
  checkAll("cursor file");

  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    auto* button = Control<QToolButton>(tool.button);
    if (tool.key == 0 || tool.kind == tools::ToolKind::kText) continue;  // text asks for its text at once
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, static_cast<Qt::Key>(tool.key));
    QCoreApplication::processEvents();  // a tool letter acts once its key is handled
    EXPECT_TRUE(button->isChecked()) << tool.button;
  }

  // The window's own dialogs, from the cursor so that all are on.
  const std::pair<const char*, const char*> opens[] = {{"mnuToolPicToIco", "TfrmPicToIco"},
                                                       {"mnuToolExtract", "TfrmExtract"},
                                                       {"mnuHelpAbout", "TfrmAbout"},
                                                       {"mnuToolHotSpot", "TfrmCurTest"},
                                                       {"mnuEffectRotateArb", "任意旋转度数 (0-360)45"}};
  for (const auto& [action, dialog] : opens) {
    QString shown;
    test::AnswerNextDialog([&shown](QWidget* widget) {
      auto* box = qobject_cast<QInputDialog*>(widget);
      shown = box != nullptr ? box->windowTitle() + box->labelText() + box->textValue() : widget->objectName();
      qobject_cast<QDialog*>(widget)->reject();
    });
    Trigger(action);
    EXPECT_EQ(shown.toStdString(), dialog) << action;
  }
}

// Saving an untitled drawing: Qt's dialog starts in the user's pictures (or
// home) folder and a bare name takes the chosen type's extension. Opening
// starts another instance and remembers the file; so does a new cursor.
TEST_F(MainWindowTest, FileDialogsAndOtherInstances) {
  Open();
  test::Drag(Control<QWidget>("PaintBox1"), {At(2, 3)});
  const std::string base = (dir_ / "drawn").string();
  QString startedIn;
  AnswerFileDialog(base, 1, &startedIn);  // the cursor type
  Trigger("mnuFileSaveAs");
  QCoreApplication::processEvents();  // the status bar is laid out anew
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  EXPECT_EQ(startedIn, QFileInfo(QFileInfo(pictures).isDir() ? pictures : QDir::homePath()).canonicalFilePath());
  document::TKvIcon saved;
  ASSERT_TRUE(saved.LoadFromFile(base + ".cur"));
  EXPECT_FALSE(saved.AndBitmap(0)->Get(2, 3));
  // The status and the image list fit what they show.
  auto* panel = Control<QLabel>("StatusPanel3");
  EXPECT_EQ(panel->text().toStdString(), "保存文件成功.");
  EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text()));
  auto* list = Control<QListWidget>("ListBox1");
  EXPECT_GE(list->viewport()->width() - 56, list->fontMetrics().horizontalAdvance(QStringLiteral("128 x 128")));

  Trigger("mnuFileNewCursor");
  const std::string other = MakeFile("b.ico", true, 16);
  AnswerFileDialog(other);
  Trigger("mnuFileOpen");
  EXPECT_EQ(started_.join(QLatin1Char('|')).toStdString(), "/usr/bin/pixmint 无标题(指针)|/usr/bin/pixmint " + other);
  EXPECT_EQ(Control<QAction>("mnuRecent0")->text().toStdString(), "b.ico");
  const QSettings stored(QString::fromStdString((dir_ / "settings.ini").string()), QSettings::IniFormat);
  EXPECT_EQ(stored.value(QStringLiteral("RecentFiles/0")).toString().toStdString(), other);
}

// Dragging one entry of the image list onto another exchanges the two.
TEST_F(MainWindowTest, ImageListDragExchangesTwoImages) {
  Open(MakeFile("two.ico", true, 16));
  test::AnswerNextDialog([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->click(); });
  Trigger("mnuImageNew");
  ASSERT_EQ(Doc().ImageCount(), 2u);
  const int added = Doc().XorBitmap(1)->Width();
  auto* list = Control<QListWidget>("ListBox1");
  const QPoint from = list->visualItemRect(list->item(1)).center();
  const QPoint to = list->visualItemRect(list->item(0)).center();
  test::SendMouse(list->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  test::SendMouse(list->viewport(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  test::SendMouse(list->viewport(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Doc().XorBitmap(0)->Width(), added);
  EXPECT_EQ(Doc().XorBitmap(1)->Width(), 16);
  EXPECT_EQ(list->currentRow(), 0);
}

// The opacity box takes digits only, held at 100; a letter typed there
// chooses a tool instead.
TEST_F(MainWindowTest, OpacityBoxTakesDigitsOnlyAndLettersStillChooseTools) {
  Open();
  Control<QToolButton>("btnLine")->click();
  auto* box = Control<QSpinBox>("updOpacity");
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, QStringLiteral("4x"));
  EXPECT_EQ(box->text().toStdString(), "4");
  EXPECT_EQ(window_->Ws().State().Opacity, 4);
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, QStringLiteral("450"));
  EXPECT_EQ(box->text().toStdString(), "100");
  QTest::keyClick(box, Qt::Key_Y);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Control<QToolButton>("btnPencil")->isChecked());
  EXPECT_EQ(box->text().toStdString(), "100");
}

}  // namespace
}  // namespace pixmint::app
