// The window's wiring: every command of the list and every tool reaches its
// controls, keys and enabled state; and what only the window does (Qt's file
// dialog, the image list's drag). The editor behind it is checked headless in tests/editor.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
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
    window_->SetProgramStarter([](const QString&, const QStringList&) { return true; });  // no other instances
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
  ::pixmint::test::TempDir dir_;
  std::unique_ptr<TfrmMain> window_;
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
// home) folder and a bare name takes the chosen type's extension.
TEST_F(MainWindowTest, SaveAsStartsInPicturesAndABareNameTakesTheFiltersExtension) {
  // A home with a pictures folder, so that the two differ.
  const QByteArray home = qgetenv("HOME");
  qputenv("HOME", QByteArray::fromStdString(dir_.Path().string()));
  std::filesystem::create_directory(dir_ / "Pictures");
  Open();
  test::Drag(Control<QWidget>("PaintBox1"), {At(2, 3)});
  QString startedIn;
  test::AnswerNextDialog([&](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    startedIn = QFileInfo(dialog->directory().absolutePath()).canonicalFilePath();
    dialog->selectNameFilter(dialog->nameFilters().at(1));  // the cursor type
    dialog->selectFile(QString::fromStdString((dir_ / "drawn").string()));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Trigger("mnuFileSaveAs");
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  EXPECT_EQ(startedIn, QFileInfo(QFileInfo(pictures).isDir() ? pictures : QDir::homePath()).canonicalFilePath());
  EXPECT_NE(startedIn, QFileInfo(QDir::homePath()).canonicalFilePath());
  qputenv("HOME", home);
  document::TKvIcon saved;
  ASSERT_TRUE(saved.LoadFromFile((dir_ / "drawn.cur").string()));
  EXPECT_FALSE(saved.AndBitmap(0)->Get(2, 3));
}

// Dragging one entry of the image list onto another exchanges the two.
TEST_F(MainWindowTest, ImageListDragExchangesTwoImages) {
  Open(MakeFile("two.ico", true, 16));
  test::AnswerNextDialog([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->click(); });
  Trigger("mnuImageNew");
  ASSERT_EQ(Doc().ImageCount(), 2u);
  const int added = Doc().XorBitmap(1)->Width();
  auto* list = Control<QListWidget>("ListBox1");
  test::Drag(list->viewport(),
             {list->visualItemRect(list->item(1)).center(), list->visualItemRect(list->item(0)).center()});
  EXPECT_EQ(Doc().XorBitmap(0)->Width(), added);
  EXPECT_EQ(Doc().XorBitmap(1)->Width(), 16);
  EXPECT_EQ(list->currentRow(), 0);
}

}  // namespace
}  // namespace pixmint::app
