// The main window end to end: controls found by name, mouse on the canvas,
// keys through the window, and the document checked afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
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

namespace pixmint::app {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  TfrmMain& Open(std::optional<std::string> file = std::nullopt) {
    StartOptions options;
    options.programPath = QStringLiteral("/usr/bin/pixmint");
    options.settingsFile = SettingsPath();
    options.registerAssociation = false;
    if (file) options.fileArgument = QString::fromStdString(*file);
    window_ = std::make_unique<TfrmMain>(options);
    window_->SetProgramStarter([this](const QString& program, const QStringList& args) {
      started_.append(program + QLatin1Char(' ') + args.join(QLatin1Char(' ')));
      return true;
    });
    window_->show();
    QApplication::setActiveWindow(window_.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->StartDocument();
    return *window_;
  }
  QString SettingsPath() const { return QString::fromStdString((dir_ / "settings.ini").string()); }
  template <typename T = QObject>
  T* Control(const char* name) {
    T* found = window_->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  bool Enabled(const char* name) { return Control<QWidget>(name)->isEnabled(); }
  void Trigger(const char* action) { Control<QAction>(action)->trigger(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // A closed dialog leaves no active window behind on the test platform.
    QApplication::setActiveWindow(window_.get());
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();  // a tool letter acts once its key is handled
  }
  QWidget* Canvas() { return Control<QWidget>("PaintBox1"); }
  QPoint At(int x, int y) {
    const int zoom = window_->Ws().State().Zoom;
    return {x * zoom + zoom / 2, y * zoom + zoom / 2};
  }
  void DrawPixel(int x, int y) { test::Drag(Canvas(), {At(x, y)}); }
  const document::TKvIcon& Doc() { return *window_->Ws().Document(); }
  bool Opaque(int x, int y, int image = 0) { return !Doc().AndBitmap(image)->Get(x, y); }
  std::string MakeFile(const char* name, bool icon, int size, int bpp) {
    document::TKvIcon doc;
    doc.SetIcon(icon);
    EXPECT_TRUE(doc.AddImage(size, size, bpp));
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(doc.SaveToFile(path));
    return path;
  }

  ::pixmint::test::TempDir dir_;
  std::unique_ptr<TfrmMain> window_;
  QStringList started_;
};

TEST_F(MainWindowTest, StartsAsANewUserSeesIt) {
  Open();
  ASSERT_EQ(Doc().ImageCount(), 1u);
  EXPECT_EQ(Doc().XorBitmap(0)->Width(), 48);
  EXPECT_EQ(Doc().Colors(0), 8u);
  EXPECT_TRUE(Control<QToolButton>("btnPencil")->isChecked());
  EXPECT_EQ(Control<QListWidget>("lbxToolOption")->count(), 4);
  EXPECT_FALSE(Enabled("tbtnSave"));
  EXPECT_TRUE(Enabled("tbtnRoomIn"));
  EXPECT_TRUE(Control<QWidget>("Panel1")->isVisible());
  EXPECT_EQ(Control<QListWidget>("ListBox1")->count(), 1);
  EXPECT_EQ(Control<QLabel>("labImageCount")->text().toStdString(), "分支图像的数量:  1");
  EXPECT_EQ(Control<QToolButton>("tbtnClear")->toolTip().toStdString(), "删除选择区 (Del) ");
  const int widths[] = {250, 80, 100, 50};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Control<QLabel>(("StatusPanel" + std::to_string(i)).c_str())->width(), widths[i]);
  EXPECT_EQ(Canvas()->cursor().shape(), Qt::BitmapCursor);
}

// Every command of the list reaches its controls: each named control exists,
// follows the command's enabled state in every state of the document, and
// the menu item carries the shortcuts the list gives.
TEST_F(MainWindowTest, EveryCommandReachesItsControlsShortcutsAndEnabledState) {
  const auto name = [](std::string_view n) { return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())); };
  const auto checkAll = [&](const char* state) {
    // Pop-up items are brought up to date when their menu opens.
    QContextMenuEvent event(QContextMenuEvent::Mouse, At(1, 1), Canvas()->mapToGlobal(At(1, 1)));
    QApplication::sendEvent(Canvas(), &event);
    for (const editor::CommandInfo& c : editor::Commands()) {
      const bool enabled = window_->Ws().IsEnabled(c);
      for (std::string_view control : {c.menuItem, c.button, c.popupItem, c.extra}) {
        if (control.empty()) continue;
        QObject* found = window_->findChild<QObject*>(name(control));
        ASSERT_NE(found, nullptr) << control;
        if (control == c.extra) continue;
        const bool shown = qobject_cast<QAction*>(found) != nullptr ? qobject_cast<QAction*>(found)->isEnabled()
                                                                    : qobject_cast<QWidget*>(found)->isEnabled();
        EXPECT_EQ(shown, enabled) << state << ": " << control;
      }
      if (c.shortcuts.empty()) continue;
      auto* action = window_->findChild<QAction*>(name(c.menuItem));
      ASSERT_NE(action, nullptr) << c.menuItem;
      const auto count = std::count(c.shortcuts.begin(), c.shortcuts.end(), ';') + 1;
      EXPECT_EQ(action->shortcuts().size(), count) << c.menuItem;
      for (const QKeySequence& key : action->shortcuts()) EXPECT_FALSE(key.isEmpty()) << c.menuItem;
    }
    Control<QWidget>("PopupMenu2")->close();
  };
  Open();
  checkAll("new icon");
  EXPECT_FALSE(Control<QAction>("pmuMerge")->isEnabled());
  DrawPixel(1, 1);
  Key(Qt::Key_A, Qt::ControlModifier);
  checkAll("drawn, all selected");
  EXPECT_TRUE(Control<QAction>("pmuMerge")->isEnabled());
  Open(MakeFile("c.cur", false, 32, 4));
  checkAll("cursor file");
  EXPECT_TRUE(Control<QAction>("mnuToolHotSpot")->isEnabled());
  EXPECT_EQ(Control<QAction>("mnuViewRoomIn")->shortcuts().at(0), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus));
}

// The commands that open a dialog open theirs, from a cursor so that all are on.
TEST_F(MainWindowTest, DialogCommandsOpenTheirDialogs) {
  Open(MakeFile("c.cur", false, 32, 4));
  const std::pair<const char*, const char*> opens[] = {{"mnuToolPicToIco", "TfrmPicToIco"},
                                                       {"mnuToolExtract", "TfrmExtract"},
                                                       {"mnuHelpAbout", "TfrmAbout"},
                                                       {"mnuToolHotSpot", "TfrmCurTest"},
                                                       {"mnuEffectRotateArb", "任意旋转"}};
  for (const auto& [action, dialog] : opens) {
    QString shown;
    test::AnswerNextDialog([&shown](QWidget* widget) {
      auto* box = qobject_cast<QInputDialog*>(widget);
      // The angle is asked for in the window's own words, starting at 45.
      shown = box != nullptr ? box->windowTitle() + box->labelText() + box->textValue() : widget->objectName();
      qobject_cast<QDialog*>(widget)->reject();
    });
    Trigger(action);
    const std::string expected =
        std::string(dialog) + (std::string(action) == "mnuEffectRotateArb" ? "度数 (0-360)45" : "");
    EXPECT_EQ(shown.toStdString(), expected) << action;
  }
}

// The parts of the window fit what they show: a status text, the largest
// image's entry; the menus carry their design names; file dialogs start in
// the user's pictures or home folder.
TEST_F(MainWindowTest, WindowPartsFitTheirTexts) {
  Open();
  EXPECT_NE(window_->findChild<QMenu*>(QStringLiteral("mnuEffect")), nullptr);
  DrawPixel(1, 1);
  const std::string path = (dir_ / "fit.ico").string();
  test::AnswerNextDialog([path](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString start = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    EXPECT_EQ(QFileInfo(dialog->directory().absolutePath()).canonicalFilePath(), QFileInfo(start).canonicalFilePath());
    dialog->selectFile(QString::fromStdString(path));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Key(Qt::Key_S, Qt::ControlModifier);
  auto* panel = Control<QLabel>("StatusPanel3");
  EXPECT_EQ(panel->text().toStdString(), "保存文件成功.");
  EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text()));
  auto* list = Control<QListWidget>("ListBox1");
  const int text = list->fontMetrics().horizontalAdvance(QStringLiteral("128 x 128"));
  EXPECT_GE(list->viewport()->width() - 56, text);
  EXPECT_GE(list->visualItemRect(list->item(0)).height(), 2 * list->fontMetrics().height());
}

TEST_F(MainWindowTest, FileMenuSavesTheDrawingAndStartsOtherInstances) {
  const std::string file = MakeFile("a.ico", true, 32, 32);
  Open(file);
  DrawPixel(3, 4);
  EXPECT_TRUE(Enabled("tbtnSave"));
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(Enabled("tbtnSave"));
  document::TKvIcon saved;
  ASSERT_TRUE(saved.LoadFromFile(file));
  EXPECT_FALSE(saved.AndBitmap(0)->Get(3, 4));
  EXPECT_TRUE(saved.AndBitmap(0)->Get(20, 20));
  // Saving a file that was already named leaves the recent list alone.
  EXPECT_FALSE(Control<QAction>("mnuRecent0")->isVisible());

  Trigger("mnuFileNewCursor");
  Trigger("mnuFileNewIcon");
  ASSERT_EQ(started_.size(), 2);
  EXPECT_EQ(started_.at(0).toStdString(), "/usr/bin/pixmint 无标题(指针)");
  EXPECT_EQ(started_.at(1).toStdString(), "/usr/bin/pixmint ");
  // The untitled cursor's name is no file for the recent list.
  EXPECT_FALSE(Control<QAction>("mnuRecent0")->isVisible());

  const std::string other = MakeFile("b.ico", true, 16, 4);
  test::AnswerNextDialog([other](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(other));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Key(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(started_.size(), 3);
  EXPECT_EQ(started_.at(2).toStdString(), "/usr/bin/pixmint " + other);
  EXPECT_EQ(Control<QAction>("mnuRecent0")->text().toStdString(), "b.ico");
  EXPECT_EQ(
      QSettings(SettingsPath(), QSettings::IniFormat).value(QStringLiteral("RecentFiles/0")).toString().toStdString(),
      other);
}

TEST_F(MainWindowTest, SaveAsTakesTheChosenTypesExtension) {
  Open();
  DrawPixel(2, 3);
  const QString base = QString::fromStdString((dir_ / "drawn").string());
  test::AnswerNextDialog([base](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    dialog->selectNameFilter(dialog->nameFilters().at(1));
    dialog->selectFile(base);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  document::TKvIcon saved;
  ASSERT_TRUE(saved.LoadFromFile((base + QStringLiteral(".cur")).toStdString()))
      << QDir(QString::fromStdString(dir_.Path().string())).entryList().join(QLatin1Char(' ')).toStdString();
  EXPECT_FALSE(saved.AndBitmap(0)->Get(2, 3));
}

// Copy reaches the system clipboard, and the clipboard watch offers Paste.
TEST_F(MainWindowTest, CopyFillsTheClipboardAndAForeignPictureIsOffered) {
  Open();
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(48, 48));

  // A picture put there by another program: the watch offers Paste.
  QImage red(4, 3, QImage::Format_RGB32);
  red.fill(Qt::red);
  QGuiApplication::clipboard()->setImage(red);
  QTest::qWait(1100);
  EXPECT_TRUE(Enabled("tbtnPaste"));
  Trigger("mnuEditPaste");
  EXPECT_TRUE(window_->Ws().State().HasFloat);
  EXPECT_EQ(window_->Ws().State().FloatBitmap.Width(), 4);
  EXPECT_EQ(window_->Ws().State().FloatBitmap.Pixel(0, 0), raster::Rgb(255, 0, 0));
}

TEST_F(MainWindowTest, ViewKeysZoomAndLettersChooseTools) {
  Open();
  const int zoom = window_->Ws().State().Zoom;
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_GT(window_->Ws().State().Zoom, zoom);
  Key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(window_->Ws().State().Zoom, zoom);
  EXPECT_EQ(Canvas()->width(), 48 * zoom);

  const std::pair<int, const char*> letters[] = {{Qt::Key_K, "btnFill"},      {Qt::Key_M, "btnSelectBas"},
                                                 {Qt::Key_N, "btnLine"},      {Qt::Key_A, "btnSpray"},
                                                 {Qt::Key_V, "btnMoveScale"}, {Qt::Key_Y, "btnPencil"}};
  for (const auto& [key, button] : letters) {
    Key(key);
    EXPECT_TRUE(Control<QToolButton>(button)->isChecked()) << button;
  }
  Key(Qt::Key_J);  // automatic zoom (the real-X suite checks it), not a tool
  EXPECT_TRUE(Control<QToolButton>("btnPencil")->isChecked());
}

TEST_F(MainWindowTest, ImageMenuAddsThroughTheNewImageDialogAndDeletesWithCtrlDel) {
  Open();
  test::AnswerNextDialog([](QWidget* dialog) {
    dialog->findChild<QRadioButton*>(QStringLiteral("rdoSiz16x16"))->click();
    dialog->findChild<QRadioButton*>(QStringLiteral("rdoClr4bpp"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
  });
  Key(Qt::Key_Insert, Qt::ControlModifier);
  ASSERT_EQ(Doc().ImageCount(), 2u);
  EXPECT_EQ(Doc().XorBitmap(1)->Width(), 16);
  EXPECT_EQ(Doc().Colors(1), 4u);
  EXPECT_EQ(Control<QListWidget>("ListBox1")->count(), 2);
  EXPECT_EQ(Control<QListWidget>("ListBox1")->currentRow(), 1);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Doc().ImageCount(), 2u);
  Key(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Doc().ImageCount(), 1u);
  EXPECT_EQ(Control<QListWidget>("ListBox1")->count(), 1);
}

// Dragging one entry of the image list onto another exchanges the two.
TEST_F(MainWindowTest, ImageListDragExchangesTwoImages) {
  Open(MakeFile("two.ico", true, 16, 4));
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
  EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 32);
}

TEST_F(MainWindowTest, CloseQuestionCancelKeepsTheWindowAndWritesNothing) {
  Open();
  DrawPixel(1, 1);
  QString text;
  test::AnswerNextDialog([&](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    text = box->text();
    EXPECT_EQ(box->windowTitle().toStdString(), "确认");
    EXPECT_EQ(box->buttons().size(), 3);
    box->escapeButton()->click();
  });
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(text.toStdString(), "保存 无标题(图标) ?");
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(QSettings(SettingsPath(), QSettings::IniFormat).contains(QStringLiteral("FormWidth")));

  test::AnswerNextDialog([](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == QStringLiteral("否(&N)")) button->click();
    }
  });
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(QSettings(SettingsPath(), QSettings::IniFormat).contains(QStringLiteral("FormWidth")));
}

TEST_F(MainWindowTest, DamagedSettingsStillGiveAUsableWindow) {
  {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\nFormWidth=wide\nFormHeight=99999\nFormLeft=-8000\nFormTop=@Variant(\\0)\n"
        "DefaultIconSize=big\nDefaultIconBpp=999\nPenWidth=-3\nPenOpacity=x\n");
  }
  Open();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window_->geometry().topLeft()));
  EXPECT_LE(window_->width(), screen.width());
  EXPECT_LE(window_->height(), screen.height());
  ASSERT_EQ(Doc().ImageCount(), 1u);
  EXPECT_EQ(Doc().XorBitmap(0)->Width(), 48);
  EXPECT_EQ(Doc().Colors(0), 8u);
  EXPECT_EQ(Control<QListWidget>("lbxToolOption")->currentRow(), 0);
  DrawPixel(2, 2);
  EXPECT_TRUE(Opaque(2, 2));
}

TEST_F(MainWindowTest, OpacityBoxTakesDigitsOnlyAndLettersStillChooseTools) {
  Open();
  Key(Qt::Key_N);
  auto* box = Control<QSpinBox>("updOpacity");
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, QStringLiteral("4x"));
  EXPECT_EQ(box->text().toStdString(), "4");
  EXPECT_EQ(window_->Ws().State().Opacity, 4);
  QTest::keyClick(box, Qt::Key_Backspace);  // a typed digit can be erased
  EXPECT_EQ(box->text().toStdString(), "");
  QTest::keyClicks(box, QStringLiteral("450"));
  EXPECT_EQ(box->text().toStdString(), "100");
  QTest::keyClick(box, Qt::Key_Y);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Control<QToolButton>("btnPencil")->isChecked());
  EXPECT_EQ(box->text().toStdString().find('y'), std::string::npos);
}

}  // namespace
}  // namespace pixmint::app
