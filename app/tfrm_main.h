#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "app/dialogs/external_commands.h"
#include "app/dialogs/recent_files.h"
#include "app/dialogs/recent_menu.h"
#include "editor/commands.h"
#include "editor/editor_host.h"
#include "texts/language.h"
#include "tools/tool_ids.h"

class QAction;
class QKeyEvent;
class QButtonGroup;
class QLabel;
class QListWidget;
class QMenu;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolButton;
class QFrame;

namespace pixmint::editor {
class Workspace;
}
namespace pixmint::translations {
class AppLanguage;
}

class QWindow;

namespace pixmint::app {

class CanvasWidget;
class PaletteBox;
class QtHost;
class QtSettings;
class Swatch;
class ImageListBox;
class PreviewBox;

struct StartOptions {
  // The program's absolute path: the association and new instances use it.
  QString programPath;
  // The file named on the command line.
  std::optional<QString> fileArgument;
  // A file handed over by another instance, opened as an untitled document.
  std::optional<QString> handedOver;
  // Empty: the user's settings; otherwise an INI file (tests).
  QString settingsFile;
  bool registerAssociation = true;
  // --lang: the language chosen on the command line, remembered from then on.
  std::optional<texts::Language> language;
};

// The main window. It owns the widgets and shows what the workspace decides;
// it decides nothing itself. Split into topic files by menu.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(const StartOptions& options, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // The display check failed: the program ends instead of showing the window.
  [[nodiscard]] bool EndRequested() const { return endRequested_; }
  [[nodiscard]] editor::Workspace& Ws() { return *workspace_; }
  [[nodiscard]] QtSettings& AppSettings() { return *settings_; }
  [[nodiscard]] const StartOptions& Options() const { return options_; }
  // The language the window shows (and the core speaks) in this run.
  [[nodiscard]] texts::Language Language() const;
  // Runs the start-up step now if the window has not been shown yet
  // (tests drive the window without showing it).
  void StartDocument();

  // Process starts (new instances, recent files); tests replace it.
  void SetProgramStarter(ProgramStarter starter) { starter_ = std::move(starter); }
  [[nodiscard]] const ProgramStarter& Starter() const { return starter_; }
  // A file given to a new instance by the open command joins the recent list.
  void RememberRecent(const QString& path);
  // The window's own commands (dialogs, help, the sibling programs); true
  // when the document changed.
  bool RunShellCommand(editor::CommandId id);

  // --- What the host asks of the window ---
  void SetStatusPanel(int panel, const QString& text);
  void ControlEnabled(const QString& name, bool enabled);
  void ControlChecked(const QString& name, bool checked);
  void CanvasChanged(QRect dirty);
  void RefreshPanels();
  void SetCanvasCursor(editor::CursorShape shape);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // tfrm_main.cpp
  void SetMinimumWindowSize();
  void KeepModalAbove(QWindow* uncovered);
  void ReadGeometry();
  void WriteShutdownValues();
  void BuildLayout();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildCentre();
  void ApplyCanvasLayout();
  void ClipboardWatch();
  void Register(const QString& name, QObject* control);
  // tfrm_main_commands.cpp: menus, tool bar and pop-up menus from the
  // command list; the window's own commands.
  void BuildCommands();
  QMenu* BuildPopup(editor::PopupId popup, const char* name);
  [[nodiscard]] QAction* ActionFor(editor::CommandId id) const;
  // A panel button that runs a command of the list.
  QToolButton* CommandButton(editor::CommandId id, QWidget* parent);
  void ShowCanvasMenu(QPoint global);
  void RunSettingsDialog();
  // tfrm_main_image.cpp
  QWidget* BuildImagePanel();
  [[nodiscard]] int ImagePanelWidth() const;
  void RefreshImagePanel();
  // tfrm_main_tools.cpp
  QWidget* BuildToolPalette();
  void RefreshToolPalette();
  bool HandleToolLetter(int key);
  bool HandleKeypadZoom(const QKeyEvent& key);
  // colour panel (tfrm_main_colours.cpp)
  QWidget* BuildColourPanel();
  void RefreshColourPanel();
  [[nodiscard]] static QPixmap PaintGlyph(raster::Paint paint);

  StartOptions options_;
  bool endRequested_ = false;
  bool started_ = false;
  bool closing_ = false;
  std::unique_ptr<QtSettings> settings_;
  // Outlives the workspace, whose last messages are still translated.
  std::unique_ptr<translations::AppLanguage> language_;
  std::unique_ptr<QtHost> host_;
  std::unique_ptr<editor::Workspace> workspace_;

  // Controls by object name; a command shared by menu and tool bar is one
  // action under both names.
  QHash<QString, QList<QPointer<QObject>>> controls_;
  QHash<int, QAction*> actions_;
  QMenu* canvasMenu_ = nullptr;
  QMenu* imageMenu_ = nullptr;
  QScrollArea* scrollBox_ = nullptr;
  QFrame* canvasFrame_ = nullptr;
  CanvasWidget* canvas_ = nullptr;
  QList<QLabel*> statusPanels_;
  QButtonGroup* toolGroup_ = nullptr;
  QListWidget* toolOptions_ = nullptr;
  QSpinBox* opacity_ = nullptr;
  Swatch* foreSwatch_ = nullptr;
  Swatch* backSwatch_ = nullptr;
  PaletteBox* paletteBox_ = nullptr;
  PreviewBox* preview_ = nullptr;
  QLabel* imageCount_ = nullptr;
  ImageListBox* imageList_ = nullptr;
  QTimer* clipboardTimer_ = nullptr;
  std::unique_ptr<ExternalCommands> externals_;
  KRecentFile recentFiles_;
  RecentActions recentActions_{};
  ProgramStarter starter_;
  std::optional<tools::ToolId> shownOptionTool_;
  // Reported states, kept for controls made later and for tests.
  QHash<QString, bool> pendingEnabled_;
  QHash<QString, bool> pendingChecked_;
  editor::CursorShape cursorShape_ = editor::CursorShape::kArrow;
  bool refreshingPalette_ = false;
};

}  // namespace pixmint::app
