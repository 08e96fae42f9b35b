// The window's menus, tool bar and pop-up menus, all made from the editor's
// command list, and the commands the window carries out itself.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>
#include <QToolButton>

#include "app/art.h"
#include "app/dialogs/external_commands.h"
#include "app/dialogs/qt_texts.h"
#include "app/dialogs/recent_menu.h"
#include "app/dialogs/tfrm_about.h"
#include "app/dialogs/tfrm_check.h"
#include "app/dialogs/tfrm_config.h"
#include "app/dialogs/tfrm_cur_test.h"
#include "app/dialogs/tfrm_extract.h"
#include "app/dialogs/tfrm_pic_to_ico.h"
#include "app/qt_host.h"
#include "app/qt_settings.h"
#include "app/tfrm_main.h"
#include "editor/doctor_commands.h"
#include "editor/workspace.h"

namespace pixmint::app {
namespace {

using editor::CommandId;
using editor::CommandInfo;
using editor::MenuId;

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QList<QKeySequence> Shortcuts(std::string_view keys) {
  QList<QKeySequence> list;
  for (const QString& key : Name(keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    list << QKeySequence::fromString(key, QKeySequence::PortableText);
  }
  return list;
}

struct MenuSpec {
  MenuId id;
  const char* name;
  const char* caption;
};

constexpr MenuSpec kMenus[] = {
    {MenuId::kFile, "mnuFile", texts::kMenuFile},         {MenuId::kEdit, "mnuEdit", texts::kMenuEdit},
    {MenuId::kView, "mnuView", texts::kMenuView},         {MenuId::kImage, "mnuImage", texts::kMenuImage},
    {MenuId::kEffects, "mnuEffect", texts::kMenuEffects}, {MenuId::kTools, "mnuTools", texts::kMenuTools},
    {MenuId::kHelp, "mnuHelp", texts::kMenuHelp},
};

}  // namespace

QAction* TfrmMain::ActionFor(CommandId id) const {
  return actions_.value(static_cast<int>(id), nullptr);
}

void TfrmMain::BuildCommands() {
  QHash<int, QMenu*> menus;
  for (const MenuSpec& spec : kMenus) {
    QMenu* menu = menuBar()->addMenu(T(spec.caption));
    menu->setObjectName(QLatin1String(spec.name));
    menus.insert(static_cast<int>(spec.id), menu);
  }
  QMenu* fresh = menus.value(static_cast<int>(MenuId::kFile))->addMenu(T(texts::kFileNew));
  fresh->setObjectName(QStringLiteral("mnuFileNew"));
  menus.insert(static_cast<int>(MenuId::kFileNew), fresh);

  auto* modes = new QActionGroup(this);
  for (const CommandInfo& command : editor::Commands()) {
    // Panel commands have their own buttons (CommandButton).
    if (command.menu == MenuId::kNone) continue;
    const QString name = Name(command.menuItem.empty() ? command.button : command.menuItem);
    auto* action = new QAction(command.caption != nullptr ? T(command.caption) : QString(), this);
    action->setObjectName(name);
    if (command.hint != nullptr) action->setToolTip(T(command.hint));
    if (!command.icon.empty()) action->setIcon(ArtIcon(Name(command.icon)));
    action->setShortcuts(Shortcuts(command.shortcuts));
    if (command.id == CommandId::kModeAlpha || command.id == CommandId::kModeRgb) {
      action->setCheckable(true);
      modes->addAction(action);
    }
    Register(name, action);
    // A tool-bar button shows this action; panel buttons are widgets of their own.
    if (command.button.starts_with("tbtn")) Register(Name(command.button), action);
    connect(action, &QAction::triggered, this, [this, entry = &command] { Ws().Run(*entry); });
    if (command.id != CommandId::kUnnamed) actions_.insert(static_cast<int>(command.id), action);
    if (QMenu* menu = menus.value(static_cast<int>(command.menu))) {
      menu->addAction(action);
      if (command.separatorAfter) menu->addSeparator();
      // The recent files sit between the settings and the exit.
      if (command.id == CommandId::kSettings) {
        recentActions_ = AddRecentActions(*menu);
        for (QAction* recent : recentActions_) {
          Register(recent->objectName(), recent);
          connect(recent, &QAction::triggered, this, [this, recent] {
            (void)OpenRecentEntry(recentFiles_, recent->objectName(), options_.programPath, starter_);
          });
        }
        menu->addSeparator();
      }
    }
  }
  canvasMenu_ = BuildPopup(editor::PopupId::kCanvas, "PopupMenu2");
  imageMenu_ = BuildPopup(editor::PopupId::kImageList, "PopupMenu1");
}

QMenu* TfrmMain::BuildPopup(editor::PopupId popup, const char* name) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QLatin1String(name));
  for (const std::optional<CommandId>& slot : editor::PopupLayout(popup)) {
    if (!slot) {
      menu->addSeparator();
      continue;
    }
    const CommandInfo& command = editor::FindCommand(*slot);
    QAction* item = menu->addAction(T(command.popupCaption));
    item->setObjectName(Name(command.popupItem));
    Register(Name(command.popupItem), item);
    connect(item, &QAction::triggered, this, [this, entry = &command] { Ws().Run(*entry); });
  }
  return menu;
}

QToolButton* TfrmMain::CommandButton(CommandId id, QWidget* parent) {
  const CommandInfo& command = editor::FindCommand(id);
  auto* button = new QToolButton(parent);
  button->setObjectName(Name(command.button));
  if (command.hint != nullptr) button->setToolTip(T(command.hint));
  if (!command.icon.empty()) button->setIcon(ArtIcon(Name(command.icon)));
  button->setAutoRaise(true);
  Register(Name(command.button), button);
  connect(button, &QToolButton::clicked, this, [this, id] { Ws().Run(id); });
  return button;
}

void TfrmMain::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFixedHeight(29);
  bar->setIconSize(QSize(16, 16));
  for (const std::optional<CommandId>& slot : editor::ToolBarLayout()) {
    QAction* action = slot ? ActionFor(*slot) : nullptr;
    if (action == nullptr) {
      bar->addSeparator();
      continue;
    }
    bar->addAction(action);
    QWidget* button = bar->widgetForAction(action);
    button->setObjectName(Name(editor::FindCommand(*slot).button));
    button->setToolTip(action->toolTip());
  }
  addToolBar(Qt::TopToolBarArea, bar);
}

void TfrmMain::ShowCanvasMenu(QPoint global) {
  canvasMenu_->popup(global);
}

bool TfrmMain::RunShellCommand(CommandId id) {
  const editor::EditorState& state = Ws().State();
  switch (id) {
    case CommandId::kSettings:
      RunSettingsDialog();
      return false;
    case CommandId::kExit:
      close();
      return false;
    case CommandId::kExtract: {
      // "Replace" puts the current document (what floats is merged once a
      // replacement is under way) into a program; "open in the editor"
      // opens a group untitled.
      ExtractRequest request{options_.programPath, starter_, Ws().Document(), {}, {}, {}};
      request.settle = [this] { (void)Ws().Run(CommandId::kMerge); };
      request.opener = [this](const std::vector<std::uint8_t>& file, bool cursor, const QString&) {
        return editor::HandOverGroup(*host_, {file, cursor});
      };
      TfrmExtract dialog(this, std::move(request));
      dialog.exec();
      return false;
    }
    case CommandId::kPicToIco: {
      TfrmPicToIco dialog(this, {options_.programPath, starter_, nullptr});
      dialog.exec();
      return false;
    }
    case CommandId::kCheck: {
      // Animated cursors are checked as their .ani file; their images are
      // frames, so the fix is for icons and cursors.
      CheckRequest request;
      request.examine = [this] { return editor::ExamineShownDocument(Ws()); };
      request.pickedDocument = [this] { return editor::PickedDocument(Ws()); };
      request.fixable = [this]() -> const document::TKvIcon* {
        return Ws().State().Animation ? nullptr : Ws().Document();
      };
      request.selectImage = [this](int image) {
        if (image < static_cast<int>(Ws().Document()->ImageCount())) Ws().SelectImage(image);
      };
      request.fix = [this] { return Ws().FixDocument(); };
      TfrmCheck dialog(this, std::move(request));
      dialog.exec();
      return false;
    }
    case CommandId::kHotSpot:
      return RunCurTestDialog(this, {Ws().Document(), state.CurrentImage, state.WorkBitmap.Width(),
                                     state.WorkBitmap.Height(), host_->PrivateTempFolder()});
    case CommandId::kHelp:
      // Without a program for web pages the user still learns where to read.
      if (!externals_->OpenHelp()) {
        const QString manual = externals_->ManualPath();
        QMessageBox::information(this, T(texts::kNote),
                                 manual.isEmpty() ? T(texts::kHelpNoManual) : T(texts::kHelpNoBrowser).arg(manual));
      }
      return false;
    case CommandId::kWebsite:
      externals_->OpenWebPage();
      return false;
    case CommandId::kMail:
      externals_->OpenMail();
      return false;
    case CommandId::kAbout:
      ShowAbout(this, [this] { externals_->OpenWebPage(); });
      return false;
    default:
      return false;
  }
}

void TfrmMain::RunSettingsDialog() {
  ConfigValues values;
  const raster::MarkerColours& markers = raster::Markers();
  values.trans = markers.trans;
  values.invert = markers.invert;
  values.newImageSize = Ws().State().DefaultWidth;
  values.newImageBpp = Ws().State().DefaultBitCount;
  values.language = Language();
  (void)RunConfigDialog(this, values, *settings_);
}

void TfrmMain::RememberRecent(const QString& path) {
  if (path.isEmpty()) return;
  recentFiles_.AddNew(QFileInfo(path).absoluteFilePath().toStdString());
  if (SaveRecentFiles(recentFiles_, *settings_)) ShowRecentFiles(recentFiles_, recentActions_);
  // Another instance started now reads the list at once.
  settings_->Sync();
}

}  // namespace pixmint::app
